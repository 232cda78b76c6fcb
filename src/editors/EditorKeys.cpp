#include "editors/EditorKeys.h"

#include "mainwindow/MainWindowTexts.h"
#include "platform/Platform.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace miravel {

namespace {

class SelectOnClick : public QObject {
public:
    SelectOnClick(QComboBox* box) : QObject(box), box_(box) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // The focus arrives before the press that brought it is delivered.
        if (event->type() == QEvent::FocusIn)
            entering_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
        else if (event->type() == QEvent::MouseButtonRelease && entering_) {
            // After the release, which would otherwise end the selection at the caret.
            entering_ = false;
            box_->lineEdit()->selectAll();
        }
        return false;
    }

private:
    QComboBox* box_;
    bool entering_ = false;
};

} // namespace

bool MayDropEntries(Platform& platform, QWidget* editor, bool pending)
{
    if (!pending)
        return true;
    return platform.ShowMessage(editor, QString::fromUtf8(kAskDropEntries), QString::fromUtf8(texts::kProgramTitle),
                                MessageButtons::YesNoDefaultNo, MessageIcon::None) == MessageAnswer::Yes;
}

void AddRegisterShortcut(QPushButton* registerButton)
{
    QWidget* window = registerButton->window();
    const QKeySequence keys[] = {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter),
                                 QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Enter))};
    for (const QKeySequence& key : keys) {
        auto* shortcut = new QShortcut(key, window);
        QObject::connect(shortcut, &QShortcut::activated, registerButton, &QPushButton::click);
    }
    registerButton->setToolTip(registerButton->text() + QStringLiteral(" (Ctrl+Enter)"));
}

void SelectNumberOnClick(QComboBox* numberBox)
{
    if (QLineEdit* edit = numberBox->lineEdit()) {
        auto* filter = new SelectOnClick(numberBox);
        numberBox->installEventFilter(filter);
        edit->installEventFilter(filter);
    }
}

} // namespace miravel
