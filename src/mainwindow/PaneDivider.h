#pragma once
// The strip between the tree and the table. Dragging it moves the edge
// between them; the window decides where the edge may go.

#include <QWidget>

namespace miravel {

class PaneDivider : public QWidget {
    Q_OBJECT
public:
    explicit PaneDivider(QWidget* parent = nullptr);

signals:
    // Where the divider's left edge is dragged to, in the parent's coordinates.
    void dragged(int x);
    // The drag ended.
    void dropped();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int leftEdgeFor(const QMouseEvent* event) const;

    bool dragging_ = false;
    int grabX_ = 0;  // where on the divider it was grabbed
};

} // namespace miravel
