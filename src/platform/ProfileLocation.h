#pragma once
// Where the hand-off profiles that come with the program are found.

#include <QString>
#include <QStringList>

namespace miravel {

// The folders that may hold them, in the order of ShippedFolders (on Windows
// `profiles` beside Miravel.exe first).
QStringList ShippedProfileFolders(const QString& programDir);

// The *.miravel-profile files of the first folder that has any, by name.
QStringList ShippedProfiles(const QStringList& folders);

} // namespace miravel
