#include "platform/ManualLocation.h"

#include "platform/ShippedFolders.h"

#include <QFileInfo>

namespace miravel {

QStringList ManualFolders(const QString& programDir)
{
    return ShippedFolders(programDir, QStringLiteral("manual"), QStringLiteral(MIRAVEL_SOURCE_MANUAL));
}

QString FindManual(const QStringList& folders)
{
    for (const QString& folder : folders) {
        const QFileInfo index(folder + QStringLiteral("/index.html"));
        if (index.isFile())
            return index.absoluteFilePath();
    }
    return QString();
}

} // namespace miravel
