#include "platform/ProfileLocation.h"

#include "platform/ShippedFolders.h"

#include <QDir>

namespace miravel {

QStringList ShippedProfileFolders(const QString& programDir)
{
    return ShippedFolders(programDir, QStringLiteral("profiles"), QStringLiteral(MIRAVEL_SOURCE_PROFILES));
}

QStringList ShippedProfiles(const QStringList& folders)
{
    for (const QString& folder : folders) {
        const QDir dir(folder);
        const QStringList names =
            dir.entryList({QStringLiteral("*.miravel-profile")}, QDir::Files | QDir::Readable, QDir::Name);
        if (names.isEmpty())
            continue;
        QStringList paths;
        for (const QString& name : names)
            paths << dir.filePath(name);
        return paths;
    }
    return {};
}

} // namespace miravel
