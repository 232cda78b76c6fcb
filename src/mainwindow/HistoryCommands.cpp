// Undo and redo of whole steps, the version of the book kept before every
// save, and opening one of those versions.

#include "mainwindow/frmMain.h"

#include "core/GradeBook.h"
#include "core/UndoHistory.h"
#include "file/GradeBookFile.h"
#include "file/SavedVersions.h"
#include "mainwindow/FailureText.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/NavigationTree.h"
#include "mainwindow/RecoveryKeeper.h"
#include "mainwindow/VersionsWindow.h"
#include "grades/GridBase.h"
#include "grades/TreeNodes.h"
#include "platform/Platform.h"
#include "platform/FileLayerPath.h"

#include <QAction>
#include <QStatusBar>

#include <memory>

namespace miravel {

namespace {

// "元に戻す：学級の登録"; a "&" in a subject's name is no mnemonic.
QString StepCaption(const char* command, const std::string& step)
{
    QString caption = QString::fromUtf8(command);
    if (!step.empty())
        caption += QString::fromUtf8(texts::kStepNameSeparator) +
                   QString::fromStdString(step).replace(QLatin1Char('&'), QStringLiteral("&&"));
    return caption;
}

} // namespace

void frmMain::showUndoCommands()
{
    commands_.canUndo = history_->CanUndo();
    commands_.canRedo = history_->CanRedo();
    const EnabledCommands on = CommandsFor(commands_);
    mnuEditUndo->setEnabled(on.undo);
    mnuEditRedo->setEnabled(on.redo);
    mnuEditUndo->setText(StepCaption(texts::kMenuEditUndo, on.undo ? history_->UndoName() : std::string()));
    mnuEditRedo->setText(StepCaption(texts::kMenuEditRedo, on.redo ? history_->RedoName() : std::string()));
}

void frmMain::mnuEditUndo_Click()
{
    if (!mnuEditUndo->isEnabled())
        return;
    history_->Undo(Book());
    showBookAfterStep();
}

void frmMain::mnuEditRedo_Click()
{
    if (!mnuEditRedo->isEnabled())
        return;
    history_->Redo(Book());
    showBookAfterStep();
}

// The book changed whole: it counts as changed, and the tree and the table
// are shown again for the same node (the class when no student is left to
// show a grade table for).
void frmMain::showBookAfterStep()
{
    GradeBook& book = Book();
    book.SavedState = true;
    UpdateCaption();
    recovery_->DocumentChanged();
    if (book.CountEnrolledStudents() == 0)
        book.CurrentNodeKey = texts::kClassNodeKey;
    TreeView1_refresh();
    pane_.Caption = CaptionLine(book);
    QTreeWidgetItem* node = TreeView1->NodeByKey(QString::fromStdString(book.CurrentNodeKey));
    if (!node)
        node = TreeView1->NodeByKey(QString::fromUtf8(texts::kClassNodeKey));
    TreeView1->setCurrentItem(node);
    TreeView1->scrollToItem(node);
    TreeView1_NodeClick(node);
    applyCommands();
}

std::string frmMain::versionFolder() const
{
    const QString data = platform_.DataFolder();
    if (data.isEmpty() || Book().CurrentFilePath.empty())
        return std::string();
    return VersionFolderOf(VersionsRoot(FileLayerPath(data)), Book().CurrentFilePath);
}

// The one place a save keeps a version: the file at `path` as it is before
// the save replaces it. A version that cannot be kept never stops the save.
void frmMain::keepVersionBeforeSaving(const QString& path)
{
    const QString data = platform_.DataFolder();
    std::string bytes;
    if (data.isEmpty() || EncodeGradeBook(Book(), bytes))
        return;
    const std::string book = FileLayerPath(path);
    const std::string folder = VersionFolderOf(VersionsRoot(FileLayerPath(data)), book);
    const std::string time = platform_.Now().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")).toStdString();
    if (const FileResult error = KeepVersion(folder, book, bytes, time, history_->ChangesSinceSave()))
        sbStatusBar->showMessage(message(texts::kCannotKeepVersion) + QString::fromStdString(error->Message()), 15000);
}

void frmMain::mnuFileVersions_Click()
{
    const std::vector<SavedVersion> versions = ListVersions(versionFolder());
    if (versions.empty()) {
        inform(message(texts::kNoVersions));
        return;
    }
    std::vector<VersionRow> rows;
    auto book = std::make_unique<GradeBook>();
    for (const SavedVersion& version : versions) {
        VersionRow row{QtPath(version.path), QString::fromStdString(version.time),
                       QString::fromStdString(version.description)};
        if (!ReadGradeBook(version.path, *book)) {
            row.students = book->CountEnrolledStudents();
            row.tests = RegisteredTestCount(*book);
        }
        rows.push_back(row);
    }
    VersionsWindow window(rows, this);
    if (window.exec() == QDialog::Accepted && !window.ChosenPath().isEmpty())
        openVersion(window.ChosenPath());
}

bool frmMain::openVersion(const QString& path)
{
    auto document = std::make_unique<GradeDocument>();
    if (const FileResult error = ReadGradeBook(FileLayerPath(path), *document)) {
        inform(FailureText(texts::kCannotReadVersion, path, *error));
        return false;
    }
    // The version's own evaluation settings, kept beside it when the book had any.
    readCompanionOf(FileLayerPath(path), document->Evaluation);
    if (!askToSaveBeforeLeaving())
        return false;
    // A new book without a name: Save asks for one, so the version's file
    // and the book it came from stay as they are.
    GradeBook& book = Book();
    book.CurrentFilePath.clear();
    book.ReplaceDocument(std::move(*document));
    // As after Close: nothing of the table shown before stays.
    pane_.Grid.Clear();
    pane_.Grid.SetRows(kGridBaseRows);
    showOpenedDocument(false);
    return true;
}

} // namespace miravel
