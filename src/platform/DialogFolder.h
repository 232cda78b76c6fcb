#pragma once
// Where the file dialogs open: in the folder of the last file chosen, where
// the teacher's books are, and never in the program's own folder (the
// current folder of a program started from the Start menu).

#include <QString>

#include <functional>

namespace miravel {

// `last` while it still exists, else the user's documents folder (ドキュメント),
// else the home folder.
QString DialogStartFolder(const QString& last, const QString& documents, const QString& home,
                          const std::function<bool(const QString&)>& folderExists);

// The same for this user, the last folder kept from one start to the next.
QString DialogStartFolder();
// Remembers the folder of a chosen file (nothing for an empty path).
void RememberDialogFolder(const QString& chosenFile);

} // namespace miravel
