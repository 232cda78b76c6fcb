#pragma once
// The main window: the navigation tree on the left, the table of the
// selected item on the right, the menus, toolbar and status-bar hint, and the
// file commands. It lives from start-up to exit; while an editor window is
// open it is disabled, and the editor's closing (EnableMainWindow) hands it
// back and redraws the table.

#include "file/DiskStamp.h"
#include "file/ProtectedBook.h"
#include "mainwindow/PaneLayout.h"
#include "mainwindow/WindowPlacement.h"
#include "grades/CommandTable.h"
#include "grades/TablePane.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QTreeWidgetItem;

namespace miravel {

class FlexGrid;
class GridMirror;
class PaneDivider;
class NavigationTree;
class BookLock;
class Platform;
class RecoveryKeeper;
class UndoHistory;
struct RecoveryRecord;
struct EvaluationSettings;
struct GradeDocument;

// The editor windows the edit command opens.
enum class EditorKind { HomeRoom, SubjectSpec, SemesterSpec, TestSpec, EvaluationMethod, Records };

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    // Makes an editor window for the current selection of the book. The
    // window must have no parent (the main window is disabled while it is
    // open) and calls EnableMainWindow() when it closes.
    using EditorFactory = std::function<QWidget*(frmMain&)>;
    // Prints the shown table; runs from the print menu item and button.
    using PrintHandler = std::function<void(frmMain&)>;

    // Builds the controls and runs the load procedure.
    explicit frmMain(Platform& platform, QWidget* parent = nullptr);
    ~frmMain() override;

    // Controls, under the names the editors and printing know them by.
    QGroupBox* Frame1 = nullptr;  // right pane, captioned with the class
    QGroupBox* Frame2 = nullptr;  // left pane
    NavigationTree* TreeView1 = nullptr;
    FlexGrid* MSFlexGrid1 = nullptr;
    PaneDivider* Divider = nullptr;  // between the two frames, dragged to move their edge
    QToolBar* tbToolBar = nullptr;
    QStatusBar* sbStatusBar = nullptr;
    QLabel* pictHorse = nullptr;
    QLabel* pictRabbit = nullptr;
    QLabel* pictDuck = nullptr;
    QLabel* pictPenguin = nullptr;
    QLabel* pictHito = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileClose = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFileVersions = nullptr;
    QAction* mnuFilePassword = nullptr;  // パスワードの設定
    QAction* mnuCSVSaveAs = nullptr;
    QAction* mnuFileHandoff = nullptr;  // 提出用に書き出す
    QAction* mnuFilePageSetup = nullptr;
    QAction* mnuFilePrint = nullptr;
    QAction* mnuFilePrintSheets = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuEditProperty = nullptr;
    QAction* mnuEditNameBook = nullptr;
    QAction* mnuEditEvaluation = nullptr;  // 評価の方法
    QAction* mnuEditRecords = nullptr;     // 平常の記録
    QAction* mnuEditCheck = nullptr;
    QAction* mnuEditUndo = nullptr;
    QAction* mnuEditRedo = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpContents = nullptr;

    // Toolbar button by its key ("新規作成", "開く", "上書き保存", "印刷", "編集").
    QAction* ToolbarButton(const QString& key) const;
    // Status-bar panel 1.
    QString StatusHint() const;
    void SetStatusHint(const QString& hint);

    Platform& platform() { return platform_; }
    // The caption names the book's file and marks unsaved changes with "*";
    // run after every change of the file or of the saved state.
    void UpdateCaption();
    // The table and caption shown in Frame1; views draw here, then ShowPane().
    TablePane& Pane() { return pane_; }
    void ShowPane();
    // Shows a table other than the one shown: it starts from its own column
    // widths, at the top left, without a current cell.
    void ShowNewView();
    // Pane sizes in twips, as last fitted to the window.
    const PaneLayout& Layout() const { return layout_; }
    // The window's place and size in twips.
    TwipsRect Placement() const;

    // Window procedures.
    void Form_Load();
    void Form_Activate();
    // False when the window must stay because a save the teacher asked for failed.
    bool Form_Unload();

    // Offered to the editors.
    void TreeView1_refresh();
    void MSFlexGrid1_init();

    void TreeView1_NodeClick(QTreeWidgetItem* node);

    // After 評価の方法 was registered. A new term system rebuilds the tree
    // (a node of a hidden semester gives way to the class node); the table
    // is redrawn by the activation that follows.
    void EvaluationSettingsChanged(bool termsChanged);

    // Opens a grade book as Open does after its dialog; used for a file named
    // on the command line. False when the file is not a grade book.
    bool openFile(const QString& path);
    // At start: offers the recovery copies that programs ending without
    // saving left behind, newest first, until one is restored.
    void OfferRecovery();
    // Once per book: exports and printouts (the editors' too) leave the
    // protection behind.
    bool ConfirmPlainExport();
    // Keeps the recovery copy of unsaved changes.
    RecoveryKeeper& Recovery() { return *recovery_; }
    // The steps Undo and Redo take back and do again.
    UndoHistory& History() { return *history_; }
    // The cost of deriving the key of a new password; tests lower it to
    // keep fast (files record their cost, so any cost opens).
    void SetNewKeyCost(const KdfCost& cost) { newKeyCost_ = cost; }
    // Opens a saved version of the book as a new unnamed document, after the
    // usual question about the open one. False when nothing was opened.
    bool openVersion(const QString& path);
    // The session is ending (SIGTERM, SIGHUP): unsaved work goes to the
    // recovery copy, the book is let go and the window closes without a
    // question, as on 終了.
    void EndWithoutQuestions();

    // Commands.
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileClose_Click();
    bool mnuFileSave_Click();
    bool mnuFileSaveAs_Click();
    void mnuFileExit_Click();
    void mnuFileVersions_Click();
    void mnuFilePassword_Click();
    void mnuEditUndo_Click();
    void mnuEditRedo_Click();
    void mnuCSVSaveAs_Click();
    void mnuFileHandoff_Click();
    void mnuFilePageSetup_Click();
    void mnuFilePrint_Click();
    void mnuFilePrintSheets_Click();
    void mnuEditProperty_Click();
    void mnuEditNameBook_Click();
    void mnuEditEvaluation_Click();
    void mnuEditRecords_Click();
    void mnuEditCheck_Click();
    void mnuHelpContents_Click();
    void tbToolBar_ButtonClick(const QString& key);

    // Editors and printing are plugged in by their own modules; until then
    // the commands that need them do nothing.
    void SetEditorFactory(EditorKind kind, EditorFactory factory);
    void SetPrintHandler(PrintHandler handler);
    // Prints the per-student sheets; runs from 個人成績表を印刷.
    void SetSheetPrintHandler(PrintHandler handler);

    // Selects the node of `key` in the tree as a click on it would; false
    // when there is no such node or the window is busy with an editor.
    bool SelectNodeByKey(const std::string& key);

    // The letters and 評定 the check list showed (as RecordLetters gives
    // them): the book's record of them from its next save on. Looking is no
    // change to the book; New, Open and Close forget them.
    void NoteLettersSeen(std::vector<std::string> letters) { lettersSeen_ = std::move(letters); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void createMenus();
    void createToolBar();
    QAction* addToolbarButton(const QString& caption, const QString& key, const QString& tip,
                              const QString& pictureKey);
    QLabel* addDecorativePicture(QWidget* shelf, const QString& name);

    void placeWindow(const TwipsRect& placement);
    void applyLayout();
    void moveDivider(int x);
    QSize windowTwips() const;

    // Enables the menu items and buttons the command table gives for the
    // current state and the book's roster: the one place that does it.
    void applyCommands();

    // File-command helpers.
    void showDocumentCommands(bool named);
    void setEditCaptions(const char* menuCaption, const char* buttonCaption);
    void showClassCaption();
    // SettingsNotSaved: the book was written, its settings file was not.
    enum class SaveOutcome { Saved, Cancelled, Failed, SettingsNotSaved };
    // False when the teacher wanted to save and the save failed: the
    // document must then stay open.
    bool askToSaveBeforeLeaving();
    void closeEditorsAndKeepPlacement();
    // Save when Save is offered, else Save As when that is offered.
    SaveOutcome saveDocument();
    SaveOutcome saveAs(const QString& suggested = QString());
    SaveOutcome saveTo(const QString& path);
    bool loadGradeBook(const QString& path);
    // The evaluation settings beside a book; a damaged file is named in a
    // message and gives the defaults.
    void readCompanionOf(const std::string& bookPath, EvaluationSettings& settings);
    bool openHeldFile(const QString& path);
    void showOpenedDocument(bool saveOffered);
    // Why the table may not be written to `path` (empty when it may).
    QString csvClashWithOpenBook(const QString& path) const;

    // One book in one window, and a book changed by another program.
    // False when the book is open elsewhere and the teacher does not want it
    // read-only; the book is held (or read-only) otherwise.
    bool takeBook(const QString& path);
    // A lock another computer left: 0 read-only, 1 unlocked and taken, -1 cancelled.
    int askAboutLockOfAnotherComputer(const QString& path);
    // Save As: holds the new file, or says why it cannot be saved there.
    bool takeBookForSaving(const QString& path);
    void releaseBook();
    // Notes the file as it is on disk now, after Open or Save.
    void noteDiskState(const std::string& path, const DiskStamp& stamp);

    // Recovery copies.
    enum class RecoveryAnswer { Restored, Declined, Undecided };
    RecoveryAnswer offerRecovery(const RecoveryRecord& copy);
    bool restoreCopy(const RecoveryRecord& copy);
    static void documentChangedHook(bool registered);
    static void documentChangedHook(const std::string& step);

    // Password-protected books. The key of the book open (null for a plain
    // book) is derived once when it is opened or protected and wiped when it
    // closes; every copy of the book is sealed with it.
    bool isProtected() const { return key_ != nullptr; }
    void setKey(std::unique_ptr<BookKey> key);
    // Asks for the password of the protected file at `file` (named by
    // `shown`) until it opens, the teacher cancels, or the file is damaged;
    // the key derived is handed over in `key`.
    bool readProtected(const std::string& file, const QString& shown, GradeDocument& document,
                       std::unique_ptr<BookKey>& key);
    void offerToDeletePlainFiles(const std::string& plainBook);
    // A plain book opened without its settings file.
    void adviseMissingSettings(const std::string& bookPath, GradeDocument& document);

    // Undo, redo and saved versions.
    // Undo and redo as the history and the editors allow, with the names of
    // their steps; called by applyCommands and after every change.
    void showUndoCommands();
    void showBookAfterStep();
    // Where the versions of the book at `bookPath` are kept; empty without a data folder.
    std::string versionFolderOf(const std::string& bookPath) const;

    // Tree helpers.
    void showPlaceholderNode();
    void renameSubjectNodes();
    bool setClassNodeWithBlanks();
    bool hasEditor(EditorKind kind) const;
    void openEditor(EditorKind kind);
    void editorClosed();
    static void enableMainWindowHook();

    QString message(const char* text) const;
    void inform(const QString& text);

    Platform& platform_;
    TablePane pane_;
    std::unique_ptr<GridMirror> gridMirror_;
    std::unique_ptr<RecoveryKeeper> recovery_;
    std::unique_ptr<BookLock> lock_;
    QString lockedPath_;     // the book this window holds or shows read-only
    std::string diskPath_;   // the file as last read or written
    DiskStamp diskStamp_;
    std::unique_ptr<UndoHistory> history_;
    std::vector<std::string> lettersSeen_;  // empty: not looked at since the save
    std::unique_ptr<BookKey> key_;
    KdfCost newKeyCost_ = DefaultKdfCost();
    bool exportConfirmed_ = false;   // the plain-export question was answered Yes for this book
    bool settingsFromRecord_ = false; // the open book took its settings from the class record
    PaneLayout layout_;
    int treeFrameTwips_ = 0;  // the divider as the teacher left it; 0 = the resize rule
    CommandState commands_;
    QHash<QString, QAction*> toolbarButtons_;
    QLabel* statusHint_ = nullptr;

    // The place last given to the window, to keep exact twips while the
    // window stays where it was put.
    TwipsRect placedTwips_;
    QRect placedPixels_;

    // Ctrl+S for a book without a file, while 上書き保存 itself is not on offer.
    QAction* saveAsByCtrlS_ = nullptr;

    QHash<int, EditorFactory> editorFactories_;
    std::vector<QPointer<QWidget>> editors_;  // in the order they were opened
    PrintHandler printHandler_;
    PrintHandler sheetPrintHandler_;
    QPointer<QWidget> checkWindow_;
    bool shownOnce_ = false;
    bool unloaded_ = false;
};

// The one main window of the program (null before it is made).
frmMain* MainForm();

} // namespace miravel
