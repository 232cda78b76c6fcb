#include "editors/EditorKeys.h"

#include "mainwindow/MainWindowTexts.h"
#include "platform/Platform.h"

#include <QPushButton>
#include <QShortcut>

namespace miravel {

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

} // namespace miravel
