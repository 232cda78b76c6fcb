#include "platform/ManualLocation.h"

#include <QDir>
#include <QFileInfo>

namespace miravel {

QStringList ManualFolders(const QString& programDir)
{
    QStringList folders = {QDir::cleanPath(programDir + QStringLiteral("/../share/miravel/manual"))};
#ifdef MIRAVEL_SOURCE_MANUAL
    folders << QStringLiteral(MIRAVEL_SOURCE_MANUAL);
#endif
    return folders;
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
