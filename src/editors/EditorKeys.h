#pragma once
// What every editor window does alike on its ways out: Ctrl+Enter registers,
// and closing without registering asks first when entries would be lost.

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

} // namespace miravel
