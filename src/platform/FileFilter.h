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

} // namespace miravel
