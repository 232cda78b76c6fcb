#include "platform/InputMode.h"

#include <QWidget>

namespace miravel {

void SetInputMode(QWidget* widget, InputMode mode)
{
    // Qt has no per-widget hiragana switch: a widget with the input method
    // enabled gets the user's input method (which starts in its own mode),
    // one without it receives plain keys only.
    const bool enabled = mode == InputMode::Hiragana;
    widget->setAttribute(Qt::WA_InputMethodEnabled, enabled);
    widget->setInputMethodHints(enabled ? Qt::ImhNone : Qt::ImhPreferLatin);
}

} // namespace miravel
