#include "editors/Editors.h"

#include "editors/criteria/FormSemesterSpec.h"
#include "editors/criteria/FormSubjectSpec.h"
#include "mainwindow/frmMain.h"

namespace miravel {

// A subject node opens the year-round criteria, a semester node those of
// the semester.
void RegisterCriteriaEditors(frmMain& window)
{
    window.SetEditorFactory(EditorKind::SubjectSpec,
                            [](frmMain& main) -> QWidget* { return new FormSubjectSpec(main.platform()); });
    window.SetEditorFactory(EditorKind::SemesterSpec,
                            [](frmMain& main) -> QWidget* { return new FormSemesterSpec(main.platform()); });
}

} // namespace miravel
