#pragma once
// Paths between Qt and the file layer. The file layer takes UTF-8 on every
// system (and speaks UTF-16 to Win32 itself); QFile::encodeName would give
// the ANSI code page on Windows, where 先生 or 3年1組 could be lost.

#include <QString>

#include <string>

namespace miravel {

std::string FileLayerPath(const QString& path);
QString QtPath(const std::string& path);

} // namespace miravel
