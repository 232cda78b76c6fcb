#pragma once
// Spin buttons bound to a count box: a click writes the box's value plus or
// minus one, kept within 0..99, into the box. The arrow keys in the box do
// the same, so the keyboard reaches what the buttons do.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace miravel {

class UpDown : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMinimum = 0;
    static constexpr int kMaximum = 99;

    UpDown(QLineEdit* buddy, QWidget* parent);

    // Names the buttons after the box ("<box name>を増やす").
    void SetBuddyName(const QString& name);
    void Step(int delta);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* buddy_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace miravel
