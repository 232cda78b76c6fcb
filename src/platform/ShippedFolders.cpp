#include "platform/ShippedFolders.h"

#include <QDir>

namespace miravel {

QStringList ShippedFolders(const QString& programDir, const QString& part, const QString& sourceFolder)
{
    QStringList folders;
#ifdef _WIN32
    folders << QDir::cleanPath(programDir + QLatin1Char('/') + part);
#endif
    folders << QDir::cleanPath(programDir + QStringLiteral("/../share/miravel/") + part);
    folders << sourceFolder;
    return folders;
}

} // namespace miravel
