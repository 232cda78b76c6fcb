#include "editors/Editors.h"

namespace miravel {

// Not built yet: the edit command does nothing for these nodes.
void RegisterCriteriaEditors(frmMain&) {}

} // namespace miravel
