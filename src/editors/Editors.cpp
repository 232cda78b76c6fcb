#include "editors/Editors.h"

namespace miravel {

void RegisterEditors(frmMain& window)
{
    RegisterHomeRoomEditor(window);
    RegisterTestSpecEditor(window);
    RegisterCriteriaEditors(window);
    RegisterEvaluationEditor(window);
    RegisterRecordsEditor(window);
}

} // namespace miravel
