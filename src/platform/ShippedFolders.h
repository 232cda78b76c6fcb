#pragma once
// Where a part that comes with the program (the manual, the hand-off
// profiles) is looked for.

#include <QString>
#include <QStringList>

namespace miravel {

// In order: on Windows `part` beside Miravel.exe (the installer's and the
// zip's layout); installed beside the program (<prefix>/bin/../share/miravel/
// <part>); then `sourceFolder` of the tree the program was built from, for
// running it from the build folder.
QStringList ShippedFolders(const QString& programDir, const QString& part, const QString& sourceFolder);

} // namespace miravel
