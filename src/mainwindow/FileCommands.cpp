// New, Open, Save, Save As, Close and Exit, and which commands each of them
// leaves on offer.

#include "mainwindow/frmMain.h"

#include "core/Defaults.h"
#include "core/GradeBook.h"
#include "file/GradeBookFile.h"
#include "mainwindow/FailureText.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/NavigationTree.h"
#include "mainwindow/views/GridBase.h"
#include "platform/Platform.h"

#include <QAction>
#include <QFile>

#include <memory>

namespace miravel {

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

} // namespace

void frmMain::setEditCaptions(const char* menuCaption, const char* buttonCaption)
{
    mnuEditProperty->setText(QString::fromUtf8(menuCaption));
    QAction* button = ToolbarButton(message(texts::kKeyEdit));
    button->setText(QString::fromUtf8(buttonCaption));
    button->setIconText(QString::fromUtf8(buttonCaption));
}

// What New and Open both leave on offer; Save only for a document with a name.
void frmMain::showDocumentCommands(bool named)
{
    commands_.documentOpen = true;
    commands_.hasFileName = named;
    commands_.rosterChecked = true;
    commands_.viewpointShown = false;
    applyCommands();
    setEditCaptions(texts::kEditClassMenu, texts::kEditClassButton);
}

void frmMain::showClassCaption()
{
    pane_.Caption = CaptionLine(Book());
    ShowPane();
}

void frmMain::mnuFileNew_Click()
{
    GradeBook& book = Book();
    book.SchoolYear = texts::kNotRegisteredYet;
    TreeView1_refresh();
    book.SavedState = true;
    book.CurrentNodeKey = texts::kClassNodeKey;
    showDocumentCommands(false);
    SetStatusHint(message(texts::kHintNew));
}

void frmMain::mnuFileOpen_Click()
{
    const QString path =
        platform_.GetOpenFileName(this, message(texts::kOpenTitle), message(texts::kGradeBookFilter));
    if (path.isEmpty())
        return;
    openFile(path);
}

bool frmMain::openFile(const QString& path)
{
    if (!loadGradeBook(path))
        return false;
    GradeBook& book = Book();
    TreeView1_refresh();
    book.SavedState = true;
    book.CurrentNodeKey = texts::kClassNodeKey;
    showDocumentCommands(true);
    SetStatusHint(message(texts::kHintClass));
    showClassCaption();
    return true;
}

bool frmMain::loadGradeBook(const QString& path)
{
    // Read into a document of its own: a file that is not a grade book
    // leaves the program as it was.
    auto document = std::make_unique<GradeDocument>();
    if (const FileResult error = ReadGradeBook(LocalPath(path), *document)) {
        platform_.ShowMessage(this, FailureText(texts::kNotAGradeBook, path, *error),
                              message(texts::kProgramTitle), MessageButtons::Ok, MessageIcon::None);
        return false;
    }
    GradeBook& book = Book();
    book.CurrentFilePath = LocalPath(path);
    book.ReplaceDocument(std::move(*document));
    return true;
}

frmMain::SaveOutcome frmMain::saveTo(const QString& path)
{
    GradeBook& book = Book();
    SaveReport report;
    if (const FileResult error = WriteGradeBook(LocalPath(path), book, report)) {
        platform_.ShowMessage(this, FailureText(texts::kCannotSave, path, *error), message(texts::kProgramTitle),
                              MessageButtons::Ok, MessageIcon::None);
        return SaveOutcome::Failed;
    }
    book.SavedState = false;
    commands_.hasFileName = true;
    applyCommands();
    if (report.BackupMissing())
        SetStatusHint(message(texts::kBackupMissing));
    return SaveOutcome::Saved;
}

frmMain::SaveOutcome frmMain::saveAs()
{
    const QString path =
        platform_.GetSaveFileName(this, message(texts::kSaveAsTitle), message(texts::kGradeBookFilter));
    if (path.isEmpty())
        return SaveOutcome::Cancelled;
    GradeBook& book = Book();
    const std::string previous = book.CurrentFilePath;
    book.CurrentFilePath = LocalPath(path);
    const SaveOutcome outcome = saveTo(path);
    if (outcome != SaveOutcome::Saved)
        book.CurrentFilePath = previous;
    return outcome;
}

frmMain::SaveOutcome frmMain::saveDocument()
{
    if (mnuFileSave->isEnabled())
        return saveTo(QFile::decodeName(Book().CurrentFilePath.c_str()));
    if (mnuFileSaveAs->isEnabled())
        return saveAs();
    return SaveOutcome::Cancelled;
}

bool frmMain::mnuFileSave_Click()
{
    return saveTo(QFile::decodeName(Book().CurrentFilePath.c_str())) == SaveOutcome::Saved;
}

bool frmMain::mnuFileSaveAs_Click() { return saveAs() == SaveOutcome::Saved; }

bool frmMain::askToSaveBeforeLeaving()
{
    if (!Book().SavedState)
        return true;
    const MessageAnswer answer = platform_.ShowMessage(this, message(texts::kAskSave), message(texts::kProgramTitle),
                                                       MessageButtons::YesNo, MessageIcon::None);
    if (answer != MessageAnswer::Yes)
        return true;
    // A cancelled dialog leaves as the teacher chose; a failed write would
    // throw away the work the teacher just asked to keep.
    return saveDocument() != SaveOutcome::Failed;
}

void frmMain::mnuFileClose_Click()
{
    if (!askToSaveBeforeLeaving())
        return;
    GradeBook& book = Book();
    InitDefaults(book);
    TreeView1->Clear();
    pane_.Grid.Clear();
    // The load procedure leaves only New and Open on offer.
    Form_Load();
    pane_.Grid.SetRows(kGridBaseRows);
    MSFlexGrid1_init();
    showClassCaption();
}

void frmMain::mnuFileExit_Click() { close(); }

} // namespace miravel
