#pragma once
// File-dialog filters in the "description|pattern|description|pattern" form
// the windows use, turned into the "description (patterns);;..." form of Qt.

#include <QString>

namespace miravel {

// "ﾃｷｽﾄﾌｧｲﾙ (*.txt)|*.txt" -> "ﾃｷｽﾄﾌｧｲﾙ (*.txt)". Patterns separated by ";"
// become blank-separated; a description that does not already end with its
// patterns in brackets gets them appended, because Qt reads the patterns
// from the brackets.
QString QtFileFilter(const QString& filter);

// The extension of the filter's first pattern: "txt" for "...|*.txt"; empty
// when that pattern names no extension ("*").
QString DefaultSuffix(const QString& filter);

// A name typed without an extension gets the filter's: "3年1組" ->
// "3年1組.txt". A name with any extension, or ending in ".", stays as typed.
QString WithDefaultSuffix(const QString& path, const QString& filter);

} // namespace miravel
