#include "platform/FileLayerPath.h"

namespace miravel {

std::string FileLayerPath(const QString& path) { return path.toUtf8().toStdString(); }

QString QtPath(const std::string& path) { return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())); }

} // namespace miravel
