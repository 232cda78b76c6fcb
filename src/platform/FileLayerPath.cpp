#include "platform/FileLayerPath.h"

#include <QDir>
#include <QFileInfo>

namespace miravel {

std::string FileLayerPath(const QString& path) { return path.toUtf8().toStdString(); }

QString QtPath(const std::string& path) { return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())); }

QString DisplayPath(const std::string& path) { return QDir::toNativeSeparators(QtPath(path)); }

QString WithExtension(const std::string& path, const char* extension)
{
    if (path.empty())
        return QString();
    const QFileInfo file(QtPath(path));
    return file.absolutePath() + QLatin1Char('/') + file.completeBaseName() + QString::fromUtf8(extension);
}

} // namespace miravel
