#include "mainwindow/PaneDivider.h"

#include <QMouseEvent>

namespace miravel {

PaneDivider::PaneDivider(QWidget* parent) : QWidget(parent)
{
    setCursor(Qt::SplitHCursor);
    setAccessibleName(QStringLiteral("ツリーと表の境界"));
}

int PaneDivider::leftEdgeFor(const QMouseEvent* event) const
{
    // From the screen position: the divider itself moves during the drag.
    const QPoint onScreen = event->globalPosition().toPoint();
    return (parentWidget() ? parentWidget()->mapFromGlobal(onScreen) : onScreen).x() - grabX_;
}

void PaneDivider::mousePressEvent(QMouseEvent* event)
{
    dragging_ = event->button() == Qt::LeftButton;
    grabX_ = event->position().toPoint().x();
}

void PaneDivider::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_)
        emit dragged(leftEdgeFor(event));
}

void PaneDivider::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_ || event->button() != Qt::LeftButton)
        return;
    dragging_ = false;
    emit dragged(leftEdgeFor(event));
    emit dropped();
}

} // namespace miravel
