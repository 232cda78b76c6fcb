#include "editors/Editors.h"

#include "editors/criteria/FormSemesterSpec.h"
#include "editors/criteria/FormSubjectSpec.h"
#include "mainwindow/frmMain.h"

#include <QPointer>

namespace miravel {

namespace {

// Over the middle of the main window it stands in for, as the other editors;
// its graphs print as the main window's tables do, a protected book's after
// the same question.
template <class Form>
QWidget* OverMainWindow(frmMain& main)
{
    auto* form = new Form(main.platform());
    form->move(main.geometry().center() - form->rect().center());
    form->SetPrintCheck([window = QPointer<frmMain>(&main)] { return window && window->ConfirmPlainExport(); });
    return form;
}

} // namespace

// A subject node opens the year-round criteria, a semester node those of
// the semester.
void RegisterCriteriaEditors(frmMain& window)
{
    window.SetEditorFactory(EditorKind::SubjectSpec, &OverMainWindow<FormSubjectSpec>);
    window.SetEditorFactory(EditorKind::SemesterSpec, &OverMainWindow<FormSemesterSpec>);
}

} // namespace miravel
