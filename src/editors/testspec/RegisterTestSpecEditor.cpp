#include "editors/Editors.h"
#include "editors/testspec/FormTestSpec.h"
#include "mainwindow/frmMain.h"

namespace miravel {

// A test node's edit command opens 試験結果の編集 on the selected test.
void RegisterTestSpecEditor(frmMain& window)
{
    window.SetEditorFactory(EditorKind::TestSpec,
                            [](frmMain& main) -> QWidget* { return new FormTestSpec(main.platform()); });
}

} // namespace miravel
