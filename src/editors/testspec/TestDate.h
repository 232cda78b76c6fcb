#pragma once
// The test's date as text and on the calendar. The date field takes any
// text and stores it as typed; only a text that denotes a date moves the
// calendar.

#include <QDate>
#include <QString>

namespace miravel {

// The date a text denotes in the short date format (or as year, month and
// day written with "/", "-" or "."); invalid when it denotes none.
QDate DateOfText(const QString& text, const QString& shortFormat);

struct OpeningDate {
    QString text;      // what the date field shows
    QDate calendar;    // what the calendar selects
};

// The date field and calendar when the editor opens on the stored date text:
// nothing stored shows the calendar's date; a semester name (the text of a
// test never registered) shows today; a date shows that date in the short
// format; any other text is shown unchanged, the calendar on today.
OpeningDate DateWhenOpening(const QString& stored, const QDate& calendarDate, const QDate& today,
                            const QString& shortFormat);

} // namespace miravel
