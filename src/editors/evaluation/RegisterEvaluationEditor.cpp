#include "editors/Editors.h"

#include "editors/evaluation/FormEvaluationMethod.h"
#include "mainwindow/frmMain.h"

namespace miravel {

// 編集 - 評価の方法 opens the window over the middle of the main window.
void RegisterEvaluationEditor(frmMain& window)
{
    window.SetEditorFactory(EditorKind::EvaluationMethod, [](frmMain& main) -> QWidget* {
        auto* form = new FormEvaluationMethod(main.platform());
        form->adjustSize();
        form->move(main.geometry().center() - form->rect().center());
        return form;
    });
}

} // namespace miravel
