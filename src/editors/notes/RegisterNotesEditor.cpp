#include "editors/Editors.h"
#include "editors/notes/FormNotes.h"
#include "mainwindow/frmMain.h"

namespace miravel {

// 編集 → 所見と出欠 opens the window over the middle of the main window.
void RegisterNotesEditor(frmMain& window)
{
    window.SetEditorFactory(EditorKind::Notes, [](frmMain& main) -> QWidget* {
        auto* form = new FormNotes(main.platform());
        form->adjustSize();
        form->move(main.geometry().center() - form->rect().center());
        return form;
    });
}

} // namespace miravel
