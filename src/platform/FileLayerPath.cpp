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
    // A protected book's backup (3年1組.mrvl.bak) has the extension already.
    const QString base = file.completeBaseName(), wanted = QString::fromUtf8(extension);
    return file.absolutePath() + QLatin1Char('/') + base + (base.endsWith(wanted) ? QString() : wanted);
}

} // namespace miravel
