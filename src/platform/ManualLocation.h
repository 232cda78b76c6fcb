#pragma once
// Where the manual's first page is found.

#include <QString>
#include <QStringList>

namespace miravel {

// The folders that may hold the manual, in order: on Windows the folder
// `manual` beside Miravel.exe; installed beside the
// program (<prefix>/bin/../share/miravel/manual), then the source tree the
// program was built from, for running it from the build folder.
QStringList ManualFolders(const QString& programDir);

// index.html of the first folder that has one; empty when none has.
QString FindManual(const QStringList& folders);

} // namespace miravel
