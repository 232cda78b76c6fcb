#pragma once
// Paths between Qt and the file layer. The file layer takes UTF-8 on every
// system (and speaks UTF-16 to Win32 itself); QFile::encodeName would give
// the ANSI code page on Windows, where 先生 or 3年1組 could be lost.

#include <QString>

#include <string>

namespace miravel {

std::string FileLayerPath(const QString& path);
QString QtPath(const std::string& path);

// A file-layer path as the system shows it to the teacher (C:\Users\先生\...).
QString DisplayPath(const std::string& path);

// 3年1組.txt -> 3年1組.mrvl in the same folder (only the last extension goes);
// empty for a book without a file.
QString WithExtension(const std::string& path, const char* extension);

} // namespace miravel
