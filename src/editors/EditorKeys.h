#pragma once
// What every editor window does alike on its ways out: Ctrl+Enter registers,
// and closing without registering asks first when entries would be lost.

class QComboBox;
class QPushButton;
class QWidget;

namespace miravel {

class Platform;

inline constexpr const char kAskDropEntries[] = "入力した内容は登録されていません。登録せずに閉じますか？";

// True when the editor may close without registering: nothing is pending,
// or the teacher answered はい (いいえ is the default, and Esc answers it).
bool MayDropEntries(Platform& platform, QWidget* editor, bool pending);

// Ctrl+Enter (either Enter key) anywhere in the button's window clicks it;
// the button's tool tip says so.
void AddRegisterShortcut(QPushButton* registerButton);

// A click into the editable number box selects the number in it, so what the
// teacher types replaces it (a click that leaves the caret would make 2 and
// a typed 0 into 120 instead of 20). Clicks while it has the focus place the
// caret as usual.
void SelectNumberOnClick(QComboBox* numberBox);

} // namespace miravel
