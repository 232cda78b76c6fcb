#pragma once
// Qt's own texts (the buttons of message boxes, the file and printer
// dialogs) in Japanese, like the rest of the program, whatever the desktop's
// language.

class QCoreApplication;

namespace miravel {

// False when Qt's Japanese translations are not installed; Qt's texts then
// stay in English.
bool InstallJapaneseQtTexts(QCoreApplication& app);

} // namespace miravel
