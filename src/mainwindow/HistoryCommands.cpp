// Undo and redo of whole steps, and the versions the saves of the book
// kept: opening one, or deleting them all.

#include "mainwindow/frmMain.h"

#include "core/GradeBook.h"
#include "core/UndoHistory.h"
#include "file/GradeBookFile.h"
#include "file/ProtectedBook.h"
#include "file/SavedVersions.h"
#include "mainwindow/FailureText.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/NavigationTree.h"
#include "mainwindow/ProtectionTexts.h"
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

std::string frmMain::versionFolderOf(const std::string& bookPath) const
{
    const QString data = platform_.DataFolder();
    if (data.isEmpty() || bookPath.empty())
        return std::string();
    return VersionFolderOf(VersionsRoot(FileLayerPath(data)), bookPath);
}

void frmMain::mnuFileVersions_Click()
{
    const std::string folder = versionFolderOf(Book().CurrentFilePath);
    const std::vector<SavedVersion> versions = ListVersions(folder);
    if (versions.empty()) {
        inform(message(texts::kNoVersions));
        return;
    }
    std::vector<VersionRow> rows;
    auto book = std::make_unique<GradeBook>();
    for (std::size_t i = 0; i < versions.size(); ++i) {
        const SavedVersion& version = versions[i];
        const VersionDescription described = DescribeVersion(versions, i);
        VersionRow row{QtPath(version.path), QString::fromStdString(described.savedTime),
                       QString::fromStdString(described.steps)};
        if (!ReadBookWithKey(version.path, key_.get(), *book)) {
            row.students = book->CountEnrolledStudents();
            row.tests = RegisteredTestCount(*book);
        }
        rows.push_back(row);
    }
    VersionsWindow window(rows, this);
    const int answer = window.exec();
    if (answer == VersionsWindow::DeleteAll) {
        if (platform_.ShowMessage(this, message(texts::kAskDeleteVersions), message(texts::kProgramTitle),
                                  MessageButtons::YesNoDefaultNo, MessageIcon::None) != MessageAnswer::Yes)
            return;
        if (const FileResult error = DeleteVersions(folder))
            inform(message(texts::kCannotDeleteVersions) + QString::fromStdString(error->Message()));
        else
            inform(message(texts::kVersionsDeleted));
        return;
    }
    if (answer == QDialog::Accepted && !window.ChosenPath().isEmpty())
        openVersion(window.ChosenPath());
}

bool frmMain::openVersion(const QString& path)
{
    auto document = std::make_unique<GradeDocument>();
    const std::string file = FileLayerPath(path);
    std::unique_ptr<BookKey> key;
    if (IsProtectedBookFile(file)) {
        // Sealed with the key held, or under an older password that is asked for.
        FileResult error = isProtected() ? ReadBookWithKey(file, key_.get(), *document) : FileResult(FileError{});
        if (!error)
            key = BookKey::Copy(*key_);
        else if (!readProtected(file, path, *document, key))
            return false;
    } else if (const FileResult error = ReadGradeBook(file, *document)) {
        inform(FailureText(texts::kCannotReadVersion, path, *error));
        return false;
    } else {
        // The version's own evaluation settings, kept beside it when the book had any.
        readCompanionOf(file, document->Evaluation);
    }
    if (!askToSaveBeforeLeaving())
        return false;
    // A new book without a name: Save asks for one, so the version's file
    // and the book it came from stay as they are.
    GradeBook& book = Book();
    book.CurrentFilePath.clear();
    book.ReplaceDocument(std::move(*document));
    // A version of a protected book stays protected.
    setKey(std::move(key));
    // As after Close: nothing of the table shown before stays.
    pane_.Grid.Clear();
    pane_.Grid.SetRows(kGridBaseRows);
    showOpenedDocument(false);
    return true;
}

} // namespace miravel
