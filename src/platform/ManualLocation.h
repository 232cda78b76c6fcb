#pragma once
// Where the manual's first page is found.

#include <QString>
#include <QStringList>

namespace miravel {

// The folders that may hold the manual, in the order of ShippedFolders.
QStringList ManualFolders(const QString& programDir);

// index.html of the first folder that has one; empty when none has.
QString FindManual(const QStringList& folders);

} // namespace miravel
