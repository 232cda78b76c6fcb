// The window right after start: captions, menus, toolbar, pictures, the
// commands on offer, help and page setup.

#include "WindowTestSupport.h"

#include "mainwindow/Pictures.h"

#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace miravel::test {
namespace {

using StartState = WindowTest;

TEST_F(StartState, ShowsCaptionsPlaceholderAndFirstHint)
{
    frmMain& w = start();
    EXPECT_EQ(w.windowTitle(), U("Miravel Ver1.2.2"));
    EXPECT_EQ(w.Frame2->title(), U(texts::kFrame2Caption));
    // The first activation puts the empty class caption over the table.
    EXPECT_EQ(w.Frame1->title(), U("   生徒数（ 0名）"));
    EXPECT_EQ(w.StatusHint(), U(texts::kHintLoad));

    ASSERT_EQ(w.TreeView1->NodeCount(), 1);
    QTreeWidgetItem* root = w.TreeView1->NodeByIndex(1);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(NavigationTree::NodeKey(root), U("ROOTnode"));
    EXPECT_EQ(root->text(0), U("ファイルを開いてください"));

    EXPECT_EQ(w.MSFlexGrid1->rowCount(), 43);
    EXPECT_EQ(w.MSFlexGrid1->columnCount(), 15);
    EXPECT_EQ(cell(0, 1), U("生徒氏名"));
}

TEST_F(StartState, OffersOnlyNewOpenAndRosterImport)
{
    frmMain& w = start();
    EXPECT_TRUE(w.mnuFileNew->isEnabled());
    EXPECT_TRUE(w.mnuFileOpen->isEnabled());
    EXPECT_TRUE(button(texts::kKeyNew)->isEnabled());
    EXPECT_TRUE(button(texts::kKeyOpen)->isEnabled());
    for (QAction* off : {w.mnuFileClose, w.mnuFileSave, w.mnuFileSaveAs, w.mnuEditProperty, w.mnuFilePrint,
                         button(texts::kKeySave), button(texts::kKeyPrint), button(texts::kKeyEdit)})
        EXPECT_FALSE(off->isEnabled()) << off->text().toStdString();
    // No student is enrolled, so the first activation offers the import.
    EXPECT_TRUE(w.mnuEditNameBook->isEnabled());
    EXPECT_FALSE(Book().SavedState);
}

QStringList Captions(const QMenu* menu)
{
    QStringList captions;
    for (const QAction* item : menu->actions())
        captions << (item->isSeparator() ? QStringLiteral("-") : item->text());
    return captions;
}

TEST_F(StartState, MenusInOrderWithSeparatorsAndShortcuts)
{
    frmMain& w = start();
    EXPECT_EQ(w.mnuFile->title(), U("ﾌｧｲﾙ(&F)"));
    EXPECT_EQ(Captions(w.mnuFile),
              QStringList({U("新規作成(&N)"), U("開く(&O)..."), U("閉じる(&C)"), "-", U("上書き保存(&S)"),
                           U("名前を付けて保存(&A)..."), U("以前の版を開く(&V)..."), U("パスワードの設定(&W)..."),
                           U("画面の表をCSVで保存"), U("提出用に書き出す(&H)..."), U("学年の集計(&G)..."), "-",
                           U("ﾍﾟｰｼﾞ設定(&U)..."), U("画面の表を印刷(&P)..."), U("個人成績表を印刷(&I)..."), "-", U("終了(&X)")}));
    EXPECT_EQ(w.mnuEdit->title(), U("編集(&E)"));
    EXPECT_EQ(Captions(w.mnuEdit), QStringList({U("学級・科目・試験・得点の編集(&E)"), U("生徒名簿ﾌｧｲﾙの読み込み"),
                                                U("評価の方法(&M)..."), U("平常の記録(&R)..."), "-", U("入力の確認(&K)..."), "-",
                                                U("元に戻す"), U("やり直し")}));
    EXPECT_EQ(w.mnuHelp->title(), U("ﾍﾙﾌﾟ(&H)"));
    EXPECT_EQ(Captions(w.mnuHelp), QStringList({U("ヘルプ(&C)")}));
    EXPECT_EQ(w.mnuFileNew->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(w.mnuEditProperty->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
}

TEST_F(StartState, ToolbarButtonsShowCaptionsUnderPictures)
{
    frmMain& w = start();
    struct Expected {
        const char* caption;
        const char* key;
        const char* tip;
    };
    const Expected expected[] = {{"　　新　規　作　成　　", "新規作成", "新規作成"},
                                 {"ファイルを　開く　　　", "開く", "開く"},
                                 {"　上　書　き　保　存　", "上書き保存", "上書き保存"},
                                 {"　画面の表を　印刷　　", "印刷", "印刷"},
                                 {"データの　編集　　　", "編集", "データの入力と編集"}};
    const QList<QAction*> actions = w.tbToolBar->actions();
    ASSERT_GE(actions.size(), 5);
    EXPECT_EQ(w.tbToolBar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    for (int i = 0; i < 5; ++i) {
        QAction* action = actions[i];
        EXPECT_EQ(action->data().toString(), U(expected[i].key));
        EXPECT_EQ(action->toolTip(), U(expected[i].tip));
        EXPECT_FALSE(action->icon().pixmap(32, 32).isNull());
        // What the button shows, ideographic spaces and all.
        auto* shown = qobject_cast<QToolButton*>(w.tbToolBar->widgetForAction(action));
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->text(), U(expected[i].caption)) << i;
    }
}

TEST_F(StartState, EveryTreeKeyAndDecorativePictureHasAPicture)
{
    frmMain& w = start();
    const QStringList keys = TreePictureKeys();
    EXPECT_EQ(keys.size(), 13);
    for (const QString& key : keys)
        EXPECT_FALSE(TreePicture(key).pixmap(16, 16).isNull()) << key.toStdString();
    for (QLabel* picture : {w.pictHorse, w.pictRabbit, w.pictDuck, w.pictPenguin, w.pictHito}) {
        ASSERT_NE(picture, nullptr);
        EXPECT_FALSE(picture->pixmap().isNull()) << picture->objectName().toStdString();
    }
}

TEST_F(StartState, HelpWithoutViewerSaysSoUnderTheWindowCaption)
{
    start();
    window->mnuHelpContents->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, U(texts::kNoHelp));
    EXPECT_EQ(platform.messages[0].title, U("Miravel Ver1.2.2"));
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(platform.helpShown.isEmpty());
}

TEST_F(StartState, PageSetupShowsItsDialogAndIgnoresCancel)
{
    start();
    platform.dialogAnswers = {false};
    window->mnuFilePageSetup->trigger();
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].kind, DialogKind::PageSetup);
    EXPECT_EQ(platform.dialogs[0].title, U("ﾍﾟｰｼﾞ設定"));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(StartState, PlaceholderClickAsksToOpenAFile)
{
    start();
    clickNode(window->TreeView1->NodeByIndex(1));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, U(texts::kPleaseOpenFile));
    EXPECT_EQ(platform.messages[0].title, U("Miravel"));
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(Book().CurrentNodeKey, "ROOTnode");
}

} // namespace
} // namespace miravel::test
