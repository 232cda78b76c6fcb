#include "mainwindow/ClippedTextDelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

#include <algorithm>

namespace miravel {

QString ClippedTextDelegate::ClippedText(const QAbstractItemView* view, const QModelIndex& index) const
{
    if (!view || !index.isValid())
        return QString();
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.rect = view->visualRect(index);
    initStyleOption(&option, index);
    if (option.text.isEmpty())
        return QString();
    const QStyle* style = view->style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &option, view);
    const QRect shown = textRect.intersected(view->viewport()->rect()).adjusted(margin, 0, -margin, 0);

    // Line breaks of a header reach the option as line separators.
    QString text = option.text;
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QFontMetrics metrics(option.font);
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const bool cutSideways = widest > shown.width();
    const bool cutBelow = lines.size() > 1 && lines.size() * metrics.height() > shown.height();
    return cutSideways || cutBelow ? text : QString();
}

bool ClippedTextDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                    const QModelIndex& index)
{
    if (event && event->type() == QEvent::ToolTip) {
        const QString whole = ClippedText(view, index);
        if (!whole.isEmpty()) {
            QToolTip::showText(event->globalPos(), whole, view->viewport(), option.rect);
            return true;
        }
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

} // namespace miravel
