#include "platform/ManualLocation.h"

#include <QDir>
#include <QFileInfo>

namespace miravel {

QStringList ManualFolders(const QString& programDir)
{
    QStringList folders;
#ifdef _WIN32
    // The program folder a Windows installer or zip unpacks: the manual beside Miravel.exe.
    folders << QDir::cleanPath(programDir + QStringLiteral("/manual"));
#endif
    folders << QDir::cleanPath(programDir + QStringLiteral("/../share/miravel/manual"));
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
