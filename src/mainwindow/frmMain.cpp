#include "mainwindow/frmMain.h"

#include "core/GradeBook.h"
#include "core/UndoHistory.h"
#include "mainwindow/FlexGrid.h"
#include "mainwindow/GridMirror.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/ProtectionTexts.h"
#include "mainwindow/NavigationTree.h"
#include "mainwindow/PaneDivider.h"
#include "mainwindow/Pictures.h"
#include "mainwindow/RecoveryKeeper.h"
#include "file/ProtectedBook.h"
#include "mainwindow/WindowCaption.h"
#include "platform/BookLock.h"
#include "grades/GridBase.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "platform/FileLayerPath.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

namespace miravel {

namespace {

frmMain* theMainForm = nullptr;

} // namespace

frmMain* MainForm() { return theMainForm; }

frmMain::frmMain(Platform& platform, QWidget* parent) : QMainWindow(parent), platform_(platform)
{
    theMainForm = this;
    SetEnableMainWindowHook(&frmMain::enableMainWindowHook);
    SetDocumentChangedHook(&frmMain::documentChangedHook);
    setWindowTitle(QString::fromUtf8(texts::kWindowCaption));
    setWindowIcon(ApplicationIcon());
    createControls();
    const QString dataFolder = platform_.DataFolder();
    recovery_ = std::make_unique<RecoveryKeeper>(
        dataFolder.isEmpty() ? QString() : dataFolder + QStringLiteral("/recovery"),
        [this] { return platform_.Now().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")); },
        [this](const QString& note) { sbStatusBar->showMessage(note, 15000); });
    lock_ = std::make_unique<BookLock>();
    history_ = std::make_unique<UndoHistory>();
    createMenus();
    createToolBar();
    Form_Load();
    UpdateCaption();
}

frmMain::~frmMain()
{
    if (theMainForm == this) {
        theMainForm = nullptr;
        SetEnableMainWindowHook(nullptr);
        SetDocumentChangedHook(nullptr);
    }
}

void frmMain::createControls()
{
    auto* client = new QWidget(this);
    setCentralWidget(client);

    Frame2 = new QGroupBox(QString::fromUtf8(texts::kFrame2Caption), client);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    TreeView1 = new NavigationTree(Frame2);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    connect(TreeView1, &NavigationTree::nodeClicked, this, &frmMain::TreeView1_NodeClick);

    Frame1 = new QGroupBox(client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    MSFlexGrid1 = new FlexGrid(Frame1);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    gridMirror_ = std::make_unique<GridMirror>(MSFlexGrid1);

    Divider = new PaneDivider(client);
    Divider->setObjectName(QStringLiteral("Divider"));
    connect(Divider, &PaneDivider::dragged, this, &frmMain::moveDivider);
    connect(Divider, &PaneDivider::dropped, this,
            [this] { WriteTreeFrameWidth(platform_, layout_.frame2Width); });

    sbStatusBar = statusBar();
    statusHint_ = new QLabel(sbStatusBar);
    statusHint_->setObjectName(QStringLiteral("sbStatusBarPanel1"));
    // A long hint is cut at the window's edge rather than widening the window.
    statusHint_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    sbStatusBar->addWidget(statusHint_, 1);
}

QAction* frmMain::ToolbarButton(const QString& key) const { return toolbarButtons_.value(key, nullptr); }

QString frmMain::StatusHint() const { return statusHint_->text(); }

void frmMain::SetStatusHint(const QString& hint) { statusHint_->setText(hint); }

void frmMain::UpdateCaption()
{
    const QString path = QtPath(Book().CurrentFilePath);
    setWindowFilePath(path);
    // A book another window holds is shown read-only, and says so.
    const QString lock = isProtected() ? message(texts::kProtectedCaption) : QString();
    setWindowTitle(WindowCaption(path, lock) + (commands_.readOnly ? message(texts::kReadOnlyCaption) : QString()));
    // Without a file the caption has no place for the mark.
    setWindowModified(!path.isEmpty() && Book().SavedState);
}

QString frmMain::message(const char* text) const { return QString::fromUtf8(text); }

void frmMain::inform(const QString& text)
{
    platform_.ShowMessage(this, text, QString::fromUtf8(texts::kProgramTitle), MessageButtons::Ok,
                          MessageIcon::None);
}

void frmMain::ShowPane()
{
    Frame1->setTitle(QString::fromStdString(pane_.Caption));
    gridMirror_->Sync(pane_.Grid);
}

void frmMain::ShowNewView()
{
    gridMirror_->ForgetSizes();
    ShowPane();
    MSFlexGrid1->ResetView();
}

// ---- Placement and layout -------------------------------------------------

void frmMain::placeWindow(const TwipsRect& placement)
{
    const double dpiX = LogicalDpiX(this);
    const double dpiY = LogicalDpiY(this);
    const QRect wanted(TwipsToPixels(placement.left, dpiX), TwipsToPixels(placement.top, dpiY),
                       TwipsToPixels(placement.width, dpiX), TwipsToPixels(placement.height, dpiY));
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect primaryArea = primary ? primary->availableGeometry() : wanted;
    const TwipsRect defaults;
    const QPoint offset(TwipsToPixels(defaults.left, dpiX), TwipsToPixels(defaults.top, dpiY));
    const QRect placed = screens.isEmpty() ? wanted : KeepOnScreens(wanted, screens, primaryArea, offset);

    placedTwips_ = placement;
    if (placed != wanted)
        placedTwips_ = {PixelsToTwips(placed.left(), dpiX), PixelsToTwips(placed.top(), dpiY),
                        PixelsToTwips(placed.width(), dpiX), PixelsToTwips(placed.height(), dpiY)};
    placedPixels_ = placed;
    move(placed.topLeft());
    resize(placed.size());
    // A hidden window gets no resize event; its panes are fitted now.
    layout_ = FitPanes(layout_, placedTwips_.width, placedTwips_.height, treeFrameTwips_);
    applyLayout();
}

QSize frmMain::windowTwips() const
{
    // While the window keeps the pixel size it was given, the twips it was
    // given stand (pixels are coarser than twips).
    const int w = width() == placedPixels_.width() ? placedTwips_.width : PixelsToTwips(width(), LogicalDpiX(this));
    const int h =
        height() == placedPixels_.height() ? placedTwips_.height : PixelsToTwips(height(), LogicalDpiY(this));
    return QSize(w, h);
}

TwipsRect frmMain::Placement() const
{
    const QSize size = windowTwips();
    const QPoint at = pos();
    const int left = at.x() == placedPixels_.left() ? placedTwips_.left : PixelsToTwips(at.x(), LogicalDpiX(this));
    const int top = at.y() == placedPixels_.top() ? placedTwips_.top : PixelsToTwips(at.y(), LogicalDpiY(this));
    return {left, top, size.width(), size.height()};
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    const QSize twips = windowTwips();
    layout_ = FitPanes(layout_, twips.width(), twips.height(), treeFrameTwips_);
    applyLayout();
}

void frmMain::moveDivider(int x)
{
    const QSize twips = windowTwips();
    layout_ = FitPanes(layout_, twips.width(), twips.height(), PixelsToTwips(x, LogicalDpiX(this)));
    treeFrameTwips_ = layout_.frame2Width;
    applyLayout();
}

void frmMain::applyLayout()
{
    const double dpiX = LogicalDpiX(this);
    const double dpiY = LogicalDpiY(this);
    auto px = [dpiX](int twips) { return TwipsToPixels(twips, dpiX); };
    auto py = [dpiY](int twips) { return TwipsToPixels(twips, dpiY); };
    // Menus, toolbar and status bar of this desktop may take more height than
    // the twips set aside for them; the frames then stop at the status bar
    // instead of running under it.
    const int room = centralWidget()->height() > 0 ? centralWidget()->height() : py(layout_.frame2Height);
    const int frameHeight = std::min(py(layout_.frame2Height), room);
    const int innerHeight = std::max(0, frameHeight - py(layout_.frame2Height - layout_.treeHeight));

    Frame2->setGeometry(0, 0, px(layout_.frame2Width), frameHeight);
    TreeView1->setGeometry(px(kInnerLeft), py(kInnerTop), px(layout_.treeWidth), innerHeight);
    Divider->setGeometry(px(layout_.frame2Width), 0, px(layout_.frame1Left) - px(layout_.frame2Width), frameHeight);
    Frame1->setGeometry(px(layout_.frame1Left), 0, px(layout_.frame1Width), frameHeight);
    MSFlexGrid1->setGeometry(px(kInnerLeft), py(kInnerTop), px(layout_.gridWidth), innerHeight);
}

// ---- Load, activation, unload ----------------------------------------------

void frmMain::Form_Load()
{
    pane_.Grid.SetRows(kGridBaseRows);
    pane_.Grid.SetCols(kGridColumns);
    ShowPane();
    treeFrameTwips_ = ReadTreeFrameWidth(platform_);
    placeWindow(ReadPlacement(platform_));
    showPlaceholderNode();
    SetStatusHint(message(texts::kHintLoad));
    commands_ = CommandState();
    applyCommands();
    Book().SavedState = false;
}

void frmMain::applyCommands()
{
    commands_.enrolled = Book().CountEnrolledStudents() > 0;
    commands_.classShown = Book().CurrentNodeKey == texts::kClassNodeKey;
    const EnabledCommands on = CommandsFor(commands_);
    const auto enable = [](bool enabled, std::initializer_list<QAction*> items) {
        for (QAction* item : items)
            item->setEnabled(enabled);
    };
    enable(on.fileNew, {mnuFileNew, ToolbarButton(message(texts::kKeyNew))});
    enable(on.fileOpen, {mnuFileOpen, ToolbarButton(message(texts::kKeyOpen))});
    enable(on.fileClose, {mnuFileClose});
    enable(on.fileSave, {mnuFileSave});
    enable(on.fileSaveAs, {mnuFileSaveAs, mnuFilePassword});
    saveAsByCtrlS_->setEnabled(!on.fileSave && on.saveButton);
    enable(on.saveButton, {ToolbarButton(message(texts::kKeySave))});
    enable(on.edit, {mnuEditProperty, ToolbarButton(message(texts::kKeyEdit))});
    enable(on.nameBook, {mnuEditNameBook});
    // With names in the roster the import fills only the empty numbers; its
    // tip and the status bar say so.
    const QString nameBookTip = commands_.enrolled ? message(texts::kNameBookFillsGaps) : QString();
    mnuEditNameBook->setToolTip(nameBookTip.isEmpty() ? mnuEditNameBook->text() : nameBookTip);
    mnuEditNameBook->setStatusTip(nameBookTip);
    enable(on.evaluation, {mnuEditEvaluation});
    enable(on.print, {mnuFilePrint, ToolbarButton(message(texts::kKeyPrint))});
    enable(on.printSheets, {mnuFilePrintSheets});
    // The hand-off file runs the same checks before it is written.
    enable(on.check, {mnuEditCheck, mnuFileHandoff, mnuEditRecords});
    // The check list speaks of the book open; without one it has nothing to say.
    if (checkWindow_ && !on.check)
        checkWindow_->close();
    enable(on.versions, {mnuFileVersions});
    showUndoCommands();
    UpdateCaption();
}

void frmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    applyLayout();
    if (!shownOnce_) {
        shownOnce_ = true;
        Form_Activate();
    }
}

void frmMain::Form_Activate()
{
    GradeBook& book = Book();
    miravel::MSFlexGrid1_init(book, pane_.Grid);
    pane_.Caption = CaptionLine(book);
    commands_.rosterChecked = true;
    applyCommands();
    const bool enrolled = commands_.enrolled;

    if (book.CurrentNodeIndex == 1) {
        if (setClassNodeWithBlanks())
            SetStatusHint(message(texts::kHintActivateClass));
        ShowRosterView(book, pane_);
    } else if (enrolled) {
        const int kind = KeyNumberAt(book.CurrentNodeKey, 1);
        if (kind == kSubjectNode)
            renameSubjectNodes();
        if (kind == kTestNode && book.EditAccepted) {
            if (QTreeWidgetItem* node = TreeView1->NodeByIndex(book.CurrentNodeIndex))
                NavigationTree::SetNodeImage(node, QStringLiteral("lighton"));
            book.EditAccepted = false;
        }
        ShowNodeView(book, pane_, kind);
    }
    ShowPane();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (Form_Unload())
        event->accept();
    else
        event->ignore();
}

bool frmMain::Form_Unload()
{
    if (unloaded_)
        return true;
    if (!askToSaveBeforeLeaving())
        return false;
    unloaded_ = true;
    recovery_->Forget();
    closeEditorsAndKeepPlacement();
    return true;
}

void frmMain::closeEditorsAndKeepPlacement()
{
    // Editors still open go first, the most recent one first.
    for (auto editor = editors_.rbegin(); editor != editors_.rend(); ++editor)
        if (*editor)
            (*editor)->close();
    editors_.clear();
    if (!isMinimized())
        WritePlacement(platform_, Placement());
}

void frmMain::EndWithoutQuestions()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    if (Book().SavedState)
        recovery_->WriteAtOnce();
    releaseBook();
    closeEditorsAndKeepPlacement();
    close();
}

// ---- Help, page setup, printing, toolbar --------------------------------------

void frmMain::mnuHelpContents_Click()
{
    const QString helpFile = platform_.HelpFile();
    if (helpFile.isEmpty()) {
        platform_.ShowMessage(this, message(texts::kNoHelp), ShownCaption(windowTitle(), isWindowModified()),
                              MessageButtons::Ok,
                              MessageIcon::Information);
        return;
    }
    QString error;
    if (!platform_.ShowHelpContents(this, helpFile, error))
        platform_.ShowMessage(this, error, QString::fromUtf8(texts::kProgramTitle), MessageButtons::Ok,
                              MessageIcon::None);
}

void frmMain::mnuFilePageSetup_Click()
{
    // Cancelling leaves the printer as it was; there is nothing to report.
    platform_.ShowPageSetup(this, message(texts::kPageSetupTitle));
}

void frmMain::SetPrintHandler(PrintHandler handler) { printHandler_ = std::move(handler); }
void frmMain::SetSheetPrintHandler(PrintHandler handler) { sheetPrintHandler_ = std::move(handler); }

void frmMain::mnuFilePrintSheets_Click()
{
    if (sheetPrintHandler_ && ConfirmPlainExport())
        sheetPrintHandler_(*this);
}

void frmMain::mnuFilePrint_Click()
{
    if (printHandler_ && ConfirmPlainExport())
        printHandler_(*this);
}

void frmMain::tbToolBar_ButtonClick(const QString& key)
{
    if (key == message(texts::kKeyNew)) {
        mnuFileNew_Click();
    } else if (key == message(texts::kKeyOpen)) {
        mnuFileOpen_Click();
    } else if (key == message(texts::kKeySave)) {
        saveDocument();
    } else if (key == message(texts::kKeyPrint)) {
        mnuFilePrint_Click();
    } else if (key == message(texts::kKeyEdit)) {
        mnuEditProperty_Click();
    }
}

// ---- Editors ---------------------------------------------------------------------

void frmMain::SetEditorFactory(EditorKind kind, EditorFactory factory)
{
    editorFactories_.insert(static_cast<int>(kind), std::move(factory));
}

bool frmMain::hasEditor(EditorKind kind) const
{
    return static_cast<bool>(editorFactories_.value(static_cast<int>(kind)));
}

void frmMain::openEditor(EditorKind kind)
{
    const EditorFactory factory = editorFactories_.value(static_cast<int>(kind));
    if (!factory)
        return;
    QWidget* editor = factory(*this);
    editors_.emplace_back(editor);
    editor->show();
    setEnabled(false);
    commands_.editorOpen = true;
    showUndoCommands();
}

void frmMain::enableMainWindowHook()
{
    if (theMainForm)
        theMainForm->editorClosed();
}

void frmMain::documentChangedHook(const std::string& step)
{
    if (!theMainForm)
        return;
    // A named step is a change the teacher finished on purpose: it can be
    // undone on its own, and its recovery copy is written before we return.
    if (step.empty()) {
        theMainForm->history_->Absorb(Book());
        theMainForm->recovery_->DocumentChanged();
    } else {
        theMainForm->history_->Record(step, Book());
        theMainForm->recovery_->WriteAtOnce();
    }
    theMainForm->showUndoCommands();
    theMainForm->UpdateCaption();
}

void frmMain::editorClosed()
{
    setEnabled(true);
    commands_.editorOpen = false;
    showUndoCommands();
    // The editor is still finishing its own handler; the table is redrawn
    // once it has closed, as when the window gets the focus back. The focus
    // is asked for too: without a window manager nobody would hand it over.
    QTimer::singleShot(0, this, [this] {
        if (unloaded_)
            return;
        activateWindow();
        Form_Activate();
    });
}

} // namespace miravel
