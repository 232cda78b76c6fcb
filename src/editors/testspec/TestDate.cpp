#include "editors/testspec/TestDate.h"

#include <QStringList>

namespace miravel {

QDate DateOfText(const QString& text, const QString& shortFormat)
{
    const QString trimmed = text.trimmed();
    QDate date = QDate::fromString(trimmed, shortFormat);
    if (date.isValid())
        return date;
    for (const char* format : {"yyyy/M/d", "yyyy-M-d", "yyyy.M.d"}) {
        date = QDate::fromString(trimmed, QLatin1String(format));
        if (date.isValid())
            return date;
    }
    return {};
}

OpeningDate DateWhenOpening(const QString& stored, const QDate& calendarDate, const QDate& today,
                            const QString& shortFormat)
{
    if (stored.isEmpty())
        return {calendarDate.toString(shortFormat), calendarDate};
    static const QStringList semesterTexts = {QStringLiteral("一学期"), QStringLiteral("二学期"),
                                              QStringLiteral("三学期")};
    if (semesterTexts.contains(stored))
        return {today.toString(shortFormat), today};
    const QDate date = DateOfText(stored, shortFormat);
    if (date.isValid())
        return {date.toString(shortFormat), date};
    // Not a date: kept as the teacher typed it, nothing lost.
    return {stored, today};
}

} // namespace miravel
