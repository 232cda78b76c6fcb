#include "editors/criteria/UpDown.h"

#include "core/TextRules.h"
#include "editors/criteria/CriteriaTexts.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace miravel {

UpDown::UpDown(QLineEdit* buddy, QWidget* parent)
    : QWidget(parent), buddy_(buddy), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {up_, down_}) {
        // The box's arrow keys do the same from the keyboard.
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
    }
    connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
    buddy_->installEventFilter(this);
}

void UpDown::SetBuddyName(const QString& name)
{
    up_->setAccessibleName(name + QString::fromUtf8(criteria_texts::kStepUp));
    down_->setAccessibleName(name + QString::fromUtf8(criteria_texts::kStepDown));
}

void UpDown::Step(int delta)
{
    const long current = std::clamp<long>(RoundToInteger(LeadingNumber(buddy_->text().toStdString())), kMinimum,
                                          kMaximum);
    const long next = std::clamp<long>(current + delta, kMinimum, kMaximum);
    buddy_->setText(QString::fromStdString(Str(next)));
}

bool UpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == buddy_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

} // namespace miravel
