#include "platform/DateFormat.h"

namespace miravel {

QString JapaneseShortDateFormat(const QLocale& system)
{
    const QLocale locale = system.language() == QLocale::Japanese ? system : QLocale(QLocale::Japanese, QLocale::Japan);
    return locale.dateFormat(QLocale::ShortFormat);
}

} // namespace miravel
