#pragma once
// The Japanese input method of a text box or combo box: hiragana input for
// names and titles, off for numbers and dates.

class QWidget;

namespace miravel {

enum class InputMode { Hiragana, Off, Disabled };

void SetInputMode(QWidget* widget, InputMode mode);

} // namespace miravel
