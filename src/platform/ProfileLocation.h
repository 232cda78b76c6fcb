#pragma once
// Where the hand-off profiles that come with the program are found.

#include <QString>
#include <QStringList>

namespace miravel {

// Installed beside the manual (<prefix>/bin/../share/miravel/profiles), then
// the source tree the program was built from, for running it from the build
// folder.
QStringList ShippedProfileFolders(const QString& programDir);

// The *.miravel-profile files of the first folder that has any, by name.
QStringList ShippedProfiles(const QStringList& folders);

} // namespace miravel
