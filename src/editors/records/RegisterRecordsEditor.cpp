#include "editors/Editors.h"
#include "editors/records/FormRecords.h"
#include "mainwindow/frmMain.h"

namespace miravel {

// A records node, or 編集 - 平常の記録 on any node, opens the grid on the
// selected node's subject and period.
void RegisterRecordsEditor(frmMain& window)
{
    window.SetEditorFactory(EditorKind::Records, [](frmMain& main) -> QWidget* {
        const GradeBook& book = Book();
        auto* form = new FormRecords(main.platform(),
                                     RecordsPlaceOf(book.CurrentNodeKey, book.CurrentSubject, book.CurrentSemester));
        form->move(main.geometry().center() - form->rect().center());
        return form;
    });
}

} // namespace miravel
