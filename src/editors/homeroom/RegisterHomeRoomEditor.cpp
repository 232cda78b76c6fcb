#include "editors/Editors.h"
#include "editors/homeroom/FormHomeRoom.h"
#include "mainwindow/frmMain.h"

namespace miravel {

// The class node's edit command opens 学級の編集.
void RegisterHomeRoomEditor(frmMain& window)
{
    window.SetEditorFactory(EditorKind::HomeRoom, [](frmMain& mainForm) { return new FormHomeRoom(mainForm); });
}

} // namespace miravel
