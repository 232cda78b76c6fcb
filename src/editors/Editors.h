#pragma once
// Plugs the editor windows and printing into the main window: the edit
// command opens the editor of the selected node.

namespace miravel {

class frmMain;

void RegisterEditors(frmMain& window);

// One per editor module.
void RegisterHomeRoomEditor(frmMain& window);
void RegisterTestSpecEditor(frmMain& window);
void RegisterCriteriaEditors(frmMain& window);
void RegisterEvaluationEditor(frmMain& window);
void RegisterRecordsEditor(frmMain& window);

} // namespace miravel
