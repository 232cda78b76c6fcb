// The menus, the toolbar and the decorative pictures of the main window.

#include "mainwindow/frmMain.h"

#include "mainwindow/GradeSummaryWindow.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/ProtectionTexts.h"
#include "mainwindow/Pictures.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QToolBar>

namespace miravel {

namespace {

// Small enough that the animals fit beside the buttons in a window of the
// default width.
constexpr int kDecorativeSize = 26;

QAction* AddItem(QMenu* menu, const char* caption, const char* objectName)
{
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(QString::fromLatin1(objectName));
    return item;
}

} // namespace

void frmMain::createMenus()
{
    mnuFile = menuBar()->addMenu(QString::fromUtf8(texts::kMenuFile));
    mnuFileNew = AddItem(mnuFile, texts::kMenuFileNew, "mnuFileNew");
    mnuFileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileOpen = AddItem(mnuFile, texts::kMenuFileOpen, "mnuFileOpen");
    mnuFileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileClose = AddItem(mnuFile, texts::kMenuFileClose, "mnuFileClose");
    mnuFile->addSeparator();
    mnuFileSave = AddItem(mnuFile, texts::kMenuFileSave, "mnuFileSave");
    mnuFileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileSaveAs = AddItem(mnuFile, texts::kMenuFileSaveAs, "mnuFileSaveAs");
    mnuFileSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    mnuFileVersions = AddItem(mnuFile, texts::kMenuFileVersions, "mnuFileVersions");
    mnuFilePassword = AddItem(mnuFile, texts::kMenuFilePassword, "mnuFilePassword");
    mnuCSVSaveAs = AddItem(mnuFile, texts::kMenuCsvSaveAs, "mnuCSVSaveAs");
    mnuFileHandoff = AddItem(mnuFile, texts::kMenuFileHandoff, "mnuFileHandoff");
    // Reads books of its own: there whether a book is open or not.
    QAction* gradeSummary = AddItem(mnuFile, kMenuFileGradeSummary, "mnuFileGradeSummary");
    connect(gradeSummary, &QAction::triggered, this, [this] { ShowGradeSummary(*this); });
    mnuFile->addSeparator();
    mnuFilePageSetup = AddItem(mnuFile, texts::kMenuFilePageSetup, "mnuFilePageSetup");
    mnuFilePrint = AddItem(mnuFile, texts::kMenuFilePrint, "mnuFilePrint");
    mnuFilePrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFilePrintSheets = AddItem(mnuFile, texts::kMenuFilePrintSheets, "mnuFilePrintSheets");
    mnuFile->addSeparator();
    mnuFileExit = AddItem(mnuFile, texts::kMenuFileExit, "mnuFileExit");

    mnuEdit = menuBar()->addMenu(QString::fromUtf8(texts::kMenuEdit));
    // An item whose tip says more than its caption shows it.
    mnuEdit->setToolTipsVisible(true);
    mnuEditProperty = AddItem(mnuEdit, texts::kMenuEditProperty, "mnuEditProperty");
    mnuEditProperty->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuEditNameBook = AddItem(mnuEdit, texts::kMenuEditNameBook, "mnuEditNameBook");
    mnuEditEvaluation = AddItem(mnuEdit, texts::kMenuEditEvaluation, "mnuEditEvaluation");
    mnuEditRecords = AddItem(mnuEdit, texts::kMenuEditRecords, "mnuEditRecords");
    mnuEdit->addSeparator();
    mnuEditCheck = AddItem(mnuEdit, texts::kMenuEditCheck, "mnuEditCheck");
    mnuEdit->addSeparator();
    mnuEditUndo = AddItem(mnuEdit, texts::kMenuEditUndo, "mnuEditUndo");
    mnuEditUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEditRedo = AddItem(mnuEdit, texts::kMenuEditRedo, "mnuEditRedo");
    mnuEditRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    mnuHelp = menuBar()->addMenu(QString::fromUtf8(texts::kMenuHelp));
    mnuHelpContents = AddItem(mnuHelp, texts::kMenuHelpContents, "mnuHelpContents");
    mnuHelpContents->setShortcut(QKeySequence(Qt::Key_F1));

    // A book that never had a file is saved by Ctrl+S too: through Save As,
    // as the toolbar's 上書き保存 does. Only one of the two is ever enabled.
    saveAsByCtrlS_ = new QAction(this);
    saveAsByCtrlS_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    saveAsByCtrlS_->setEnabled(false);
    addAction(saveAsByCtrlS_);
    connect(saveAsByCtrlS_, &QAction::triggered, this, [this] { saveDocument(); });

    connect(mnuFileNew, &QAction::triggered, this, &frmMain::mnuFileNew_Click);
    connect(mnuFileOpen, &QAction::triggered, this, &frmMain::mnuFileOpen_Click);
    connect(mnuFileClose, &QAction::triggered, this, &frmMain::mnuFileClose_Click);
    connect(mnuFileSave, &QAction::triggered, this, &frmMain::mnuFileSave_Click);
    connect(mnuFileSaveAs, &QAction::triggered, this, &frmMain::mnuFileSaveAs_Click);
    connect(mnuFileVersions, &QAction::triggered, this, &frmMain::mnuFileVersions_Click);
    connect(mnuFilePassword, &QAction::triggered, this, &frmMain::mnuFilePassword_Click);
    connect(mnuCSVSaveAs, &QAction::triggered, this, &frmMain::mnuCSVSaveAs_Click);
    connect(mnuFileHandoff, &QAction::triggered, this, &frmMain::mnuFileHandoff_Click);
    connect(mnuFilePageSetup, &QAction::triggered, this, &frmMain::mnuFilePageSetup_Click);
    connect(mnuFilePrint, &QAction::triggered, this, &frmMain::mnuFilePrint_Click);
    connect(mnuFilePrintSheets, &QAction::triggered, this, &frmMain::mnuFilePrintSheets_Click);
    connect(mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);
    connect(mnuEditProperty, &QAction::triggered, this, &frmMain::mnuEditProperty_Click);
    connect(mnuEditNameBook, &QAction::triggered, this, &frmMain::mnuEditNameBook_Click);
    connect(mnuEditEvaluation, &QAction::triggered, this, &frmMain::mnuEditEvaluation_Click);
    connect(mnuEditRecords, &QAction::triggered, this, &frmMain::mnuEditRecords_Click);
    connect(mnuEditCheck, &QAction::triggered, this, &frmMain::mnuEditCheck_Click);
    connect(mnuEditUndo, &QAction::triggered, this, &frmMain::mnuEditUndo_Click);
    connect(mnuEditRedo, &QAction::triggered, this, &frmMain::mnuEditRedo_Click);
    connect(mnuHelpContents, &QAction::triggered, this, &frmMain::mnuHelpContents_Click);
}

QAction* frmMain::addToolbarButton(const QString& caption, const QString& key, const QString& tip,
                                   const QString& pictureKey)
{
    QAction* button = tbToolBar->addAction(ToolbarPicture(pictureKey), caption);
    // Set both: the toolbar shows iconText, which Qt would otherwise derive
    // from the text and strip of its blanks.
    button->setIconText(caption);
    button->setToolTip(tip);
    button->setData(key);
    toolbarButtons_.insert(key, button);
    connect(button, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    return button;
}

QLabel* frmMain::addDecorativePicture(QWidget* shelf, const QString& name)
{
    auto* picture = new QLabel(shelf);
    picture->setObjectName(name);
    picture->setPixmap(DecorativePicture(name, kDecorativeSize, picture->devicePixelRatioF()));
    shelf->layout()->addWidget(picture);
    return picture;
}

void frmMain::createToolBar()
{
    tbToolBar = addToolBar(QStringLiteral("tbToolBar"));
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    tbToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tbToolBar->setIconSize(QSize(32, 32));
    tbToolBar->toggleViewAction()->setVisible(false);

    const auto utf8 = [](const char* text) { return QString::fromUtf8(text); };
    addToolbarButton(utf8(texts::kCaptionNew), utf8(texts::kKeyNew), utf8(texts::kTipNew), QStringLiteral("New"));
    addToolbarButton(utf8(texts::kCaptionOpen), utf8(texts::kKeyOpen), utf8(texts::kTipOpen), QStringLiteral("Open"));
    addToolbarButton(utf8(texts::kCaptionSave), utf8(texts::kKeySave), utf8(texts::kTipSave), QStringLiteral("Save"));
    addToolbarButton(utf8(texts::kCaptionPrint), utf8(texts::kKeyPrint), utf8(texts::kTipPrint),
                     QStringLiteral("Print"));
    addToolbarButton(utf8(texts::kCaptionEdit), utf8(texts::kKeyEdit), utf8(texts::kTipEdit), QStringLiteral("Edit"));

    // The animals keep the teacher company at the far end of the toolbar.
    auto* spacer = new QWidget(tbToolBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    tbToolBar->addWidget(spacer);
    // One shelf for all of them: they stay together and close.
    auto* shelf = new QWidget(tbToolBar);
    auto* row = new QHBoxLayout(shelf);
    row->setContentsMargins(0, 0, 4, 0);
    row->setSpacing(1);
    pictHorse = addDecorativePicture(shelf, QStringLiteral("pictHorse"));
    pictRabbit = addDecorativePicture(shelf, QStringLiteral("pictRabbit"));
    pictDuck = addDecorativePicture(shelf, QStringLiteral("pictDuck"));
    pictPenguin = addDecorativePicture(shelf, QStringLiteral("pictPenguin"));
    pictHito = addDecorativePicture(shelf, QStringLiteral("pictHito"));
    tbToolBar->addWidget(shelf);
}

} // namespace miravel
