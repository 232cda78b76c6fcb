#pragma once
// The short date format of the test dates and printed pages.

#include <QLocale>
#include <QString>

namespace miravel {

// The system's short date format when the system speaks Japanese, otherwise
// the Japanese one (2025/04/09): a date written as "9 Apr 2025" would put
// English into the Japanese screens and into the stored test dates.
QString JapaneseShortDateFormat(const QLocale& system);

} // namespace miravel
