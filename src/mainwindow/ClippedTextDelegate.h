#pragma once
// Draws items as usual and, when an item's text does not fit the part of it
// that is in sight (cut at the column edge or at the edge of the view),
// shows the whole text as its tool tip. Used by the table and the tree.

#include <QStyledItemDelegate>

class QAbstractItemView;

namespace miravel {

class ClippedTextDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The whole text of the item when it is cut short in `view`, else empty.
    QString ClippedText(const QAbstractItemView* view, const QModelIndex& index) const;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
};

} // namespace miravel
