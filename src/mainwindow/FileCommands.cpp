// New, Open, Save, Save As, Close and Exit, and which commands each of them
// leaves on offer.

#include "mainwindow/frmMain.h"

#include "core/Defaults.h"
#include "core/GradeBook.h"
#include "file/BookSave.h"
#include "file/CompanionFile.h"
#include "core/UndoHistory.h"
#include "file/ClassSettingsRecord.h"
#include "file/GradeBookFile.h"
#include "file/ProtectedBook.h"
#include "file/RecoveryCopy.h"
#include "file/SafeWrite.h"
#include "file/SameFile.h"
#include "mainwindow/CheckListWindow.h"
#include "mainwindow/FailureText.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/NavigationTree.h"
#include "mainwindow/ProtectionTexts.h"
#include "mainwindow/RecoveryKeeper.h"
#include "mainwindow/WindowCaption.h"
#include "grades/GridBase.h"
#include "platform/BookLock.h"
#include "platform/Platform.h"
#include "platform/FileLayerPath.h"

#include <QAction>
#include <QDir>
#include <QStatusBar>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <utility>

namespace miravel {

namespace {

// The file a path names, links followed once: its settings, lock, backup
// and versions are those of the real file, not of the link.
QString RealPath(const QString& path)
{
    const std::string target = FinalTarget(FileLayerPath(QFileInfo(path).absoluteFilePath()));
    return QDir::cleanPath(QFileInfo(QtPath(target)).absoluteFilePath());
}

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
    // A new class starts with the viewpoints of the current course of
    // study; the class editor offers the old set instead.
    ApplyViewpointSet(book, ViewpointSet::Current);
    book.CurrentFilePath.clear();
    setKey(nullptr);
    book.CurrentNodeKey = texts::kClassNodeKey;
    TreeView1_refresh();
    // Nothing is lost yet: only a change makes leaving ask.
    book.SavedState = false;
    history_->Reset(book);
    lettersSeen_.clear();
    showDocumentCommands(false);
    SetStatusHint(message(texts::kHintNew));
    ShowNewView();
    UpdateCaption();
}

void frmMain::mnuFileOpen_Click()
{
    const QString path = platform_.GetOpenFileName(this, message(texts::kOpenTitle), message(texts::kOpenFilter));
    if (path.isEmpty())
        return;
    openFile(path);
}

bool frmMain::openFile(const QString& named)
{
    const QString path = RealPath(named);
    if (!takeBook(path))
        return false;
    const bool opened = openHeldFile(path);
    if (!opened)
        releaseBook();
    // Three wrong passwords: the teacher chose its backup or a saved version.
    if (!opened && !olderCopy_.isEmpty())
        return openVersion(std::exchange(olderCopy_, QString()));
    return opened;
}

bool frmMain::openHeldFile(const QString& path)
{
    // Work on this file that a program ending unsaved left behind comes first.
    RecoveryRecord copy;
    const std::string folder = FileLayerPath(recovery_->Folder());
    if (!folder.empty() && FindRecoveryCopyOf(folder, FileLayerPath(QFileInfo(path).absoluteFilePath()), copy) &&
        CopyIsNotOlderThanOriginal(copy)) {
        const RecoveryAnswer answer = offerRecovery(copy);
        if (answer != RecoveryAnswer::Declined)
            return answer == RecoveryAnswer::Restored;
    }
    if (!loadGradeBook(path))
        return false;
    showOpenedDocument(true);
    // Settings taken from the class record are not beside the book yet.
    if (settingsFromRecord_) {
        Book().SavedState = true;
        UpdateCaption();
    }
    return true;
}

void frmMain::showOpenedDocument(bool saveOffered)
{
    GradeBook& book = Book();
    book.CurrentNodeKey = texts::kClassNodeKey;
    TreeView1_refresh();
    // The book is as its file holds it.
    book.SavedState = false;
    history_->Reset(book);
    // A settings file's or a backup's name cannot take the book's saves.
    lettersSeen_.clear();
    const bool onlySaveAs = SavesOnlyThroughSaveAs(book.CurrentFilePath);
    showDocumentCommands(saveOffered && !onlySaveAs);
    SetStatusHint(onlySaveAs ? message(texts::kHintPrefix) + message(texts::kSaveOnlyAs) : message(texts::kHintClass));
    showClassCaption();
    ShowNewView();
    UpdateCaption();
    // The check list spoke of the book before.
    if (checkWindow_)
        checkWindow_->close();
}

void frmMain::OfferRecovery()
{
    const std::string folder = FileLayerPath(recovery_->Folder());
    if (folder.empty())
        return;
    // Newest first; one restored document is all the window can hold.
    for (const RecoveryRecord& copy : FindRecoveryCopies(folder))
        if (offerRecovery(copy) != RecoveryAnswer::Declined)
            return;
}

frmMain::RecoveryAnswer frmMain::offerRecovery(const RecoveryRecord& copy)
{
    const QString file =
        copy.originalPath.empty() ? message(texts::kNeverSavedBook) : DisplayPath(copy.originalPath);
    QString question = message(texts::kOfferRecovery).arg(file, QString::fromStdString(copy.time));
    if (copy.behind) // "2025/04/07 09:30:15": the copy is from 09:30
        question += message(texts::kRecoveryBehind).arg(QString::fromStdString(copy.time).mid(11, 5));
    const MessageAnswer answer =
        platform_.ShowMessage(this, question, message(texts::kProgramTitle), MessageButtons::YesNo, MessageIcon::None);
    if (answer == MessageAnswer::Cancel)
        return RecoveryAnswer::Undecided;
    if (answer == MessageAnswer::No) {
        std::string kept;
        if (const FileResult error = KeepDatedCopy(copy, kept))
            inform(FailureText(texts::kCannotKeepRecovery, DisplayPath(copy.copyPath), *error));
        return RecoveryAnswer::Declined;
    }
    return restoreCopy(copy) ? RecoveryAnswer::Restored : RecoveryAnswer::Undecided;
}

bool frmMain::restoreCopy(const RecoveryRecord& copy)
{
    auto document = std::make_unique<GradeDocument>();
    std::unique_ptr<BookKey> key;
    if (IsProtectedBookFile(copy.copyPath)) {
        // The copy of a protected book opens with the book's password.
        const QString shown = copy.originalPath.empty() ? message(texts::kNeverSavedBook) : DisplayPath(copy.originalPath);
        if (!readProtected(copy.copyPath, shown, *document, key))
            return false;
    } else if (const FileResult error = ReadGradeBook(copy.copyPath, *document)) {
        inform(FailureText(texts::kCannotReadRecovery, DisplayPath(copy.copyPath), *error));
        return false;
    } else {
        readCompanionOf(copy.copyPath, document->Evaluation);
    }
    // Bound to the original file: Save writes it as usual; a book that was
    // never saved comes back as a new one, whose Save asks for a name.
    if (!copy.originalPath.empty() && !takeBook(QtPath(copy.originalPath)))
        return false;
    GradeBook& book = Book();
    book.CurrentFilePath = copy.originalPath;
    book.ReplaceDocument(std::move(*document));
    setKey(std::move(key));
    // The teacher chose the copy over the file as it is now.
    noteDiskState(copy.originalPath, StampOf(copy.originalPath));
    showOpenedDocument(!copy.originalPath.empty());
    // The restored work is not in any file yet.
    book.SavedState = true;
    UpdateCaption();
    recovery_->Adopt(copy);
    return true;
}

bool frmMain::loadGradeBook(const QString& path)
{
    // Read into a document of its own: a file that is not a grade book
    // leaves the program as it was.
    auto document = std::make_unique<GradeDocument>();
    // Read once: the stamp is of exactly the bytes shown.
    std::string bytes;
    const FileResult readError = ReadWholeFile(FileLayerPath(path), bytes);
    const DiskStamp stamp = StampOfBytes(bytes);
    std::unique_ptr<BookKey> key;
    settingsFromRecord_ = false;
    if (!readError && IsProtectedBook(bytes)) {
        // Recognised by its first bytes, whatever its name.
        if (!readProtected(FileLayerPath(path), DisplayPath(FileLayerPath(path)), *document, key, true) ||
            !acceptSealStamp(*document, *key))
            return false;
    } else {
        FileResult error = readError;
        if (!error)
            error = ParseGradeBook(bytes, *document);
        if (error) {
            platform_.ShowMessage(this, FailureText(texts::kNotAGradeBook, path, *error),
                                  message(texts::kProgramTitle), MessageButtons::Ok, MessageIcon::None);
            return false;
        }
        readCompanionOf(FileLayerPath(path), document->Evaluation);
        if (IsSettingsFileName(FileLayerPath(path)))
            inform(message(texts::kNamedAsSettingsFile));
        adviseMissingSettings(FileLayerPath(path), *document);
    }
    GradeBook& book = Book();
    book.CurrentFilePath = FileLayerPath(path);
    book.ReplaceDocument(std::move(*document));
    setKey(std::move(key));
    noteDiskState(book.CurrentFilePath, stamp);
    return true;
}

void frmMain::readCompanionOf(const std::string& bookPath, EvaluationSettings& settings)
{
    // A damaged companion costs the settings, never the book.
    if (const FileResult error = ReadCompanion(bookPath, settings))
        inform(FailureText(texts::kCannotReadCompanion, DisplayPath(CompanionPath(bookPath)), *error));
}

frmMain::SaveOutcome frmMain::saveTo(const QString& path)
{
    GradeBook& book = Book();
    const std::string file = FileLayerPath(path);
    BookSave request;
    request.path = file;
    // The letters the check list showed become the record the next check
    // compares with.
    EvaluationSettings settings = book.Evaluation;
    if (!lettersSeen_.empty())
        settings.CheckedLetters = lettersSeen_;
    BookSaveResult result;
    if (isProtected()) {
        // A protected book is one sealed file holding book and settings. A
        // sealed file never holds the same bytes twice: compare what it holds.
        std::swap(book.Evaluation, settings);
        const bool same = ProtectedFileHolds(file, *key_, book);
        const FileResult error = same ? FileResult() : EncodeProtectedBook(book, *key_, request.book);
        std::swap(book.Evaluation, settings);
        if (error) {
            inform(FailureText(texts::kCannotSave, path, *error));
            return SaveOutcome::Failed;
        }
        if (same) {
            std::string bytes;
            ReadWholeFile(file, bytes);
            result.step = SaveStep::Unchanged;
            result.stamp = StampOfBytes(bytes);
        }
    } else {
        if (const FileResult error = EncodeGradeBook(book, request.book)) {
            inform(FailureText(texts::kCannotSave, path, *error));
            return SaveOutcome::Failed;
        }
        request.settings = SettingsFileBytes(file, settings);
    }
    request.versionFolder = versionFolderOf(file);
    request.time = platform_.Now().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")).toStdString();
    request.description = history_->ChangesSinceSave();
    // The file as this window last read or wrote it: another program's
    // change is asked about before it is replaced.
    if (file == diskPath_)
        request.expected = &diskStamp_;
    if (result.step != SaveStep::Unchanged)
        result = SaveBook(request);
    if (result.step == SaveStep::ChangedOnDisk) {
        if (platform_.ShowMessage(this, message(texts::kChangedOnDisk), message(texts::kProgramTitle),
                                  MessageButtons::YesNo, MessageIcon::None) != MessageAnswer::Yes)
            return SaveOutcome::Cancelled;
        request.expected = nullptr;
        result = SaveBook(request);
    }
    if (result.step == SaveStep::Failed || result.step == SaveStep::ChangedOnDisk) {
        inform(FailureText(texts::kCannotSave, path, result.error.value_or(FileError{})));
        return SaveOutcome::Failed;
    }
    // Remembered per class, for a copy of the book that travels without its settings file.
    if (isProtected())
        noteSealStamp(book, *key_);
    if (!isProtected() && !platform_.DataFolder().isEmpty())
        WriteClassRecord(FileLayerPath(platform_.DataFolder()), book,
                         platform_.Now().toString(QStringLiteral("yyyy/MM/dd HH:mm")).toStdString());
    noteDiskState(file, result.stamp);
    commands_.hasFileName = true;
    applyCommands();
    if (result.versionError)
        sbStatusBar->showMessage(message(texts::kCannotKeepVersion) + QString::fromStdString(result.versionError->Message()),
                                 15000);
    if (result.damagedSettingsKept)
        inform(message(texts::kDamagedSettingsKept) + DisplayPath(DamagedSettingsPath(CompanionPath(FinalTarget(file)))));
    if (result.step == SaveStep::SettingsFailed) {
        // The book is on disk; the settings live on in the recovery copy
        // and the document still counts as changed.
        recovery_->WriteAtOnce();
        inform(message(texts::kSettingsNotSaved) + QLatin1Char('\n') + QString::fromStdString(result.error->Message()));
        UpdateCaption();
        return SaveOutcome::SettingsNotSaved;
    }
    book.Evaluation.CheckedLetters = std::move(settings.CheckedLetters);
    lettersSeen_.clear();
    history_->Absorb(book);
    book.SavedState = false;
    history_->MarkSaved();
    if (result.report.BackupMissing())
        SetStatusHint(message(texts::kBackupMissing));
    recovery_->Forget();
    UpdateCaption();
    return SaveOutcome::Saved;
}

frmMain::SaveOutcome frmMain::saveAs(const QString& suggested)
{
    const char* filter = isProtected() ? texts::kProtectedFilter : texts::kGradeBookFilter;
    // A backup or a settings-file name is never saved to: the book's own name is offered.
    QString name = suggested;
    if (name.isEmpty() && SavesOnlyThroughSaveAs(Book().CurrentFilePath))
        name = WithExtension(Book().CurrentFilePath, isProtected() ? texts::kProtectedExtension : texts::kPlainExtension);
    // A book without a file is offered its year and class, in the folder used last.
    if (name.isEmpty() && Book().CurrentFilePath.empty() && !isProtected())
        name = NewBookFileName(Book().SchoolYear, Book().GradeLevel, Book().ClassName);
    const QString chosen = platform_.GetSaveFileName(this, message(texts::kSaveAsTitle), message(filter), name);
    if (chosen.isEmpty())
        return SaveOutcome::Cancelled;
    const QString path = RealPath(chosen);
    const std::string& openBook = Book().CurrentFilePath;
    if (!openBook.empty() && SameFile(FileLayerPath(path), BookBackupPath(FinalTarget(openBook), isProtected()))) {
        inform(message(texts::kSaveOntoBackup));
        return SaveOutcome::Cancelled;
    }
    if (SavesOnlyThroughSaveAs(FileLayerPath(path)) || SavesOnlyThroughSaveAs(FileLayerPath(chosen))) {
        inform(message(texts::kSaveAsNotThatName));
        return SaveOutcome::Cancelled;
    }
    const QString previousLock = lockedPath_;
    const bool wasReadOnly = commands_.readOnly;
    if (!takeBookForSaving(path))
        return SaveOutcome::Cancelled;
    GradeBook& book = Book();
    const std::string previous = book.CurrentFilePath;
    book.CurrentFilePath = FileLayerPath(path);
    const SaveOutcome outcome = saveTo(path);
    // A book written without its settings is under its new name all the same.
    if (outcome != SaveOutcome::Saved && outcome != SaveOutcome::SettingsNotSaved) {
        book.CurrentFilePath = previous;
        // Back to the book as it was held (or shown read-only).
        if (wasReadOnly || previousLock.isEmpty())
            lock_->Release();
        else if (!lock_->Holds(previousLock))
            lock_->Take(previousLock);
        lockedPath_ = previousLock;
        commands_.readOnly = wasReadOnly;
    }
    applyCommands();
    return outcome;
}

frmMain::SaveOutcome frmMain::saveDocument()
{
    if (mnuFileSave->isEnabled())
        return saveTo(QtPath(Book().CurrentFilePath));
    if (mnuFileSaveAs->isEnabled()) {
        // Said once more where the teacher asked for a plain save.
        if (SavesOnlyThroughSaveAs(Book().CurrentFilePath) && !commands_.readOnly)
            inform(message(texts::kSaveOnlyAs));
        return saveAs();
    }
    return SaveOutcome::Cancelled;
}

bool frmMain::mnuFileSave_Click()
{
    return saveTo(QtPath(Book().CurrentFilePath)) == SaveOutcome::Saved;
}

bool frmMain::mnuFileSaveAs_Click() { return saveAs() == SaveOutcome::Saved; }

QString frmMain::csvClashWithOpenBook(const QString& path) const
{
    const std::string& book = Book().CurrentFilePath;
    if (book.empty())
        return QString();
    const std::string output = FileLayerPath(path);
    if (SameFile(output, book))
        return message(texts::kCsvOntoBook);
    if (WouldOverwriteBook(output, book))
        return message(texts::kCsvOntoBackup);
    return QString();
}

bool frmMain::askToSaveBeforeLeaving()
{
    if (!Book().SavedState)
        return true;
    const MessageAnswer answer = platform_.ShowMessage(this, message(texts::kAskSave), message(texts::kProgramTitle),
                                                       MessageButtons::YesNo, MessageIcon::None);
    // Esc or the close box: the teacher has not decided, so nothing happens.
    if (answer == MessageAnswer::Cancel)
        return false;
    if (answer == MessageAnswer::No) {
        recovery_->Forget();
        return true;
    }
    // Without a file name yet (a roster imported before any file was open
    // leaves neither Save nor Save As on offer) Yes asks for one. A
    // cancelled dialog or a failed write keeps the document open.
    const SaveOutcome outcome = mnuFileSave->isEnabled() ? saveDocument() : saveAs();
    return outcome == SaveOutcome::Saved;
}

void frmMain::mnuFileClose_Click()
{
    if (!askToSaveBeforeLeaving())
        return;
    releaseBook();
    GradeBook& book = Book();
    InitDefaults(book);
    book.CurrentFilePath.clear();
    setKey(nullptr);
    history_->Reset(book);
    lettersSeen_.clear();
    TreeView1->Clear();
    pane_.Grid.Clear();
    // The load procedure leaves only New and Open on offer.
    Form_Load();
    pane_.Grid.SetRows(kGridBaseRows);
    MSFlexGrid1_init();
    showClassCaption();
    ShowNewView();
    UpdateCaption();
}

void frmMain::mnuFileExit_Click() { close(); }

} // namespace miravel
