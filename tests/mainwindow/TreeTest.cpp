// The navigation tree: node keys, texts and pictures, node clicks with the
// captions and hints they set, keyboard selection, and the edit command with
// an editor plugged in.

#include "WindowTestSupport.h"

#include "core/EvaluationRules.h"
#include "core/TextRules.h"
#include "grades/TreeNodes.h"

#include <QToolButton>

namespace miravel::test {
namespace {

TEST(TreeNodes, KeysTextsAndPicturesInTreeOrder)
{
    const auto book = ClassBook({});
    const std::vector<TreeNodeEntry> nodes = BuildTreeNodes(*book);
    ASSERT_EQ(nodes.size(), 768u);
    // After the subjects, the evaluation list and its periods.
    EXPECT_EQ(nodes[763].key + nodes[763].text + nodes[766].key + nodes[766].text, "4評価の一覧4 2三学期");
    EXPECT_EQ(nodes[767].key + nodes[767].text, "4 3通年");
    EXPECT_EQ(nodes[767].parent, 763);

    EXPECT_EQ(nodes[0].key, "HomeRoom");
    EXPECT_EQ(nodes[0].text, "2024 3年1組 山田");  // as the caption names the class
    EXPECT_EQ(nodes[0].imageKey, "root");
    EXPECT_EQ(nodes[1].key, "0 0");
    EXPECT_EQ(nodes[1].text, "国語");
    EXPECT_EQ(nodes[1].imageKey, "LANGUAGE");
    EXPECT_EQ(nodes[2].key, "1 0 0");
    EXPECT_EQ(nodes[2].text, "一学期(国語)");
    EXPECT_EQ(nodes[2].imageKey, "SPRING");
    EXPECT_EQ(nodes[3].key, "2 0 0 0");
    EXPECT_EQ(nodes[3].text, "一学期  1回目試験");
    EXPECT_EQ(nodes[3].imageKey, "lightoff");
    EXPECT_EQ(nodes[4].key, "3 0 0 0 0");
    EXPECT_EQ(nodes[4].text, "一学期  1回目試験表現");
    EXPECT_EQ(nodes[4].imageKey, "test");

    // Each subject owns 127 nodes; inside it each semester 42, each test 4,
    // and the semester's records come after its tests.
    const std::size_t viewpoint = 1 + 2 * 127 + 1 + 0 * 42 + 1 + 9 * 4 + 1 + 1;
    EXPECT_EQ(nodes[viewpoint].key, "3 2 0 9 1");
    EXPECT_EQ(nodes[viewpoint].text, "一学期  10回目試験観・実");
    const TreeNodeEntry& test = nodes[static_cast<std::size_t>(nodes[viewpoint].parent)];
    EXPECT_EQ(test.key, "2 2 0 9");
    EXPECT_EQ(nodes[static_cast<std::size_t>(test.parent)].key, "1 2 0");
    const TreeNodeEntry& records = nodes[viewpoint + 2];
    EXPECT_EQ(records.key + records.text + records.imageKey, "5 2 0平常の記録test");
    EXPECT_EQ(nodes[static_cast<std::size_t>(records.parent)].key, "1 2 0");
    EXPECT_EQ(nodes[viewpoint + 3].key, "1 2 1");
    EXPECT_EQ(nodes[1 + 5 * 127].key, "0 5");
    EXPECT_EQ(nodes[761].key, "3 5 2 9 2");
    EXPECT_EQ(nodes[762].key, "5 5 2");
}

TEST(TreeNodes, NamedSubjectsSevenToTenFollowTheSix)
{
    auto book = ClassBook({});
    book->Evaluation.Records.extra[0].name = "音楽";
    book->Evaluation.Records.extra[2].name = "体育";
    ApplyTerms(*book, 2);
    book->Evaluation.Terms = 2;
    const std::vector<TreeNodeEntry> nodes = BuildTreeNodes(*book);
    // Six subjects of 1 + 2 * 42 nodes with two terms.
    const std::size_t first = 1 + 6 * 85;
    ASSERT_EQ(nodes.size(), first + 3 + 3 + 1 + 3);
    std::vector<std::string> rows;
    for (std::size_t i = first; i < first + 7; ++i)
        rows.push_back(nodes[i].key + "|" + nodes[i].text + "|" + nodes[i].imageKey + "|" +
                       std::to_string(nodes[i].parent));
    const std::vector<std::string> expected = {
        "6 6|音楽|test|0",
        "5 6 0|前期(音楽)|SPRING|" + std::to_string(first),
        "5 6 1|後期(音楽)|AUTUMN|" + std::to_string(first),
        "6 8|体育|PHYSICAL|0",
        "5 8 0|前期(体育)|SPRING|" + std::to_string(first + 3),
        "5 8 1|後期(体育)|AUTUMN|" + std::to_string(first + 3),
        "4|評価の一覧|root|0",
    };
    EXPECT_EQ(rows, expected);
}

TEST(TreeNodes, TestLightsUpOnceAnyViewpointHasAnAverage)
{
    auto book = FreshBook();
    book->Scores[TestSlot(1, 2, 3, 2)][kAverageColumn] = 0.0f;
    for (int s = 0; s < kSubjects; ++s)
        for (int m = 0; m < kSemesters; ++m)
            for (int t = 0; t < kTests; ++t)
                EXPECT_STREQ(TestNodeImage(*book, s, m, t), s == 2 && m == 1 && t == 3 ? "lighton" : "lightoff");
}

TEST(TreeNodes, KeyNumbersAreReadAtFixedPositions)
{
    EXPECT_EQ(KeyNumberAt("3 2 0 9 1", 1), 3);
    EXPECT_EQ(KeyNumberAt("3 2 0 9 1", 3), 2);
    EXPECT_EQ(KeyNumberAt("3 2 0 9 1", 7), 9);
    EXPECT_EQ(KeyNumberAt("3 2 0 9 1", 9), 1);
    EXPECT_EQ(KeyNumberAt("HomeRoom", 1), 0);
    EXPECT_EQ(KeyNumberAt("0 4", 5), 0);
    EXPECT_EQ(KeyNumberAt("", 1), 0);
}

TEST(TreeNodes, RecordsOpenOnTheSelectedNodesSubjectAndPeriod)
{
    // Current subject 3, semester 1 where the key names neither.
    const std::pair<const char*, RecordsPlace> cases[] = {
        {"5 2 0", {2, 0}}, {"5 8 2", {8, 2}},    {"1 4 2", {4, 2}}, {"2 5 0 9", {5, 0}},
        {"3 0 2 1 2", {0, 2}}, {"0 4", {4, 1}}, {"6 7", {7, 1}},   {"HomeRoom", {3, 1}},
        {"4 0", {3, 1}},     {"4", {3, 1}},
    };
    for (const auto& [key, place] : cases) {
        const RecordsPlace got = RecordsPlaceOf(key, 3, 1);
        EXPECT_TRUE(got == place) << key << " gave " << got.subject << "," << got.period;
    }
}

class Tree : public WindowTest {
protected:
    void openClass(const std::vector<std::string>& students)
    {
        start();
        open(writeBook("class.txt", students));
    }
    QAction* editButton() { return button(texts::kKeyEdit); }
};

TEST_F(Tree, WidgetNodesCarryTheirIndexKeyAndPicture)
{
    openClass({"佐藤"});
    NavigationTree* tree = window->TreeView1;
    ASSERT_EQ(tree->NodeCount(), 768);
    for (int index : {1, 2, 127, 762, 763}) {
        QTreeWidgetItem* node = tree->NodeByIndex(index);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(NavigationTree::NodeIndex(node), index);
        EXPECT_EQ(tree->NodeByKey(NavigationTree::NodeKey(node)), node);
        EXPECT_FALSE(node->icon(0).isNull());
    }
    EXPECT_EQ(NavigationTree::NodeKey(tree->NodeByIndex(762)), QStringLiteral("3 5 2 9 2"));
    EXPECT_EQ(NavigationTree::NodeImage(tree->NodeByKey("2 0 0 0")), QStringLiteral("lightoff"));
    EXPECT_EQ(tree->NodeByKey("3 0 0 0 0")->parent(), tree->NodeByKey("2 0 0 0"));
}

TEST_F(Tree, WithoutStudentsOnlyTheClassNodeShowsATable)
{
    start();
    window->mnuFileNew->trigger();
    const QString captionBefore = window->Frame1->title();
    clickKey("2 0 0 0");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, U(texts::kNoStudentsYet));
    EXPECT_EQ(platform.messages[0].title, U("Miravel"));
    EXPECT_EQ(window->Frame1->title(), captionBefore);
    EXPECT_EQ(window->MSFlexGrid1->rowCount(), 43);

    clickKey("HomeRoom");
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(window->MSFlexGrid1->rowCount(), 3);
    EXPECT_EQ(window->StatusHint(), U(texts::kHintClass));
}

TEST_F(Tree, EachKindOfNodeSetsItsCaptionsHintAndSelection)
{
    openClass({"佐藤", "鈴木", "高橋"});
    frmMain& w = *window;
    GradeBook& book = Book();

    clickKey("0 4");
    EXPECT_EQ(book.CurrentSubject, 4);
    EXPECT_EQ(w.mnuEditProperty->text(), U("通年の評定基準の編集(&E)"));
    EXPECT_EQ(editButton()->iconText(), U("通年の評定基準の編集 "));
    EXPECT_EQ(w.StatusHint(), U(texts::kHintSubject));
    EXPECT_TRUE(w.Frame1->title().startsWith(U("2024 3年1組 山田 生徒数（ 3名）")));

    clickKey("1 3 2");
    EXPECT_EQ(book.CurrentSubject, 3);
    EXPECT_EQ(book.CurrentSemester, 2);
    EXPECT_EQ(w.mnuEditProperty->text(), U("学期毎の評定基準の編集(&E)"));
    EXPECT_EQ(editButton()->iconText(), U("学期毎の評定基準の編集"));
    EXPECT_EQ(w.StatusHint(), U(texts::kHintSemester));

    clickKey("2 1 0 7");
    EXPECT_EQ(book.CurrentSubject, 1);
    EXPECT_EQ(book.CurrentSemester, 0);
    EXPECT_EQ(book.CurrentTest, 7);
    EXPECT_EQ(w.mnuEditProperty->text(), U("試験結果の編集(&E)"));
    EXPECT_EQ(editButton()->iconText(), U("試 験 結 果 の 編 集"));
    EXPECT_EQ(w.StatusHint(), U(texts::kHintTest));
    EXPECT_EQ(book.CurrentNodeIndex, w.TreeView1->NodeIndex(w.TreeView1->NodeByKey("2 1 0 7")));

    clickKey("3 2 0 9 1");
    EXPECT_EQ(book.CurrentNodeKey, "3 2 0 9 1");
    EXPECT_EQ(book.CurrentViewpoint, 1);
    EXPECT_EQ(book.CurrentTest, 9);
    EXPECT_FALSE(w.mnuEditProperty->isEnabled());
    EXPECT_FALSE(editButton()->isEnabled());
    EXPECT_EQ(editButton()->iconText(), U("デ ー タ の 編 集"));
    EXPECT_EQ(w.mnuEditProperty->text(), U("試験結果の編集(&E)"));  // left as it was
    EXPECT_EQ(w.StatusHint(), U(texts::kHintViewpoint));

    clickKey("HomeRoom");
    EXPECT_TRUE(w.mnuEditProperty->isEnabled());
    EXPECT_TRUE(editButton()->isEnabled());
    EXPECT_EQ(w.mnuEditProperty->text(), U("学級の編集(&E)"));
    EXPECT_EQ(w.MSFlexGrid1->rowCount(), 6);
    EXPECT_EQ(cell(2, 1), U("鈴木"));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Tree, TestNodeDrawsTheTestTableIntoTheGrid)
{
    openClass({"佐藤", "鈴木"});
    clickKey("2 0 0 0");
    EXPECT_EQ(cell(0, 0), QStringLiteral("No."));
    EXPECT_EQ(cell(4, 1), U("クラスの平均点"));
    EXPECT_EQ(window->MSFlexGrid1->rowCount(), 5);
}

TEST_F(Tree, MovingWithTheKeyboardActsLikeAClick)
{
    openClass({"佐藤"});
    clickKey("HomeRoom");
    window->TreeView1->setFocus();
    QTest::keyClick(window->TreeView1, Qt::Key_Down);
    EXPECT_EQ(Book().CurrentNodeKey, "0 0");
    EXPECT_EQ(window->StatusHint(), U(texts::kHintSubject));
    QTest::keyClick(window->TreeView1, Qt::Key_Down);
    EXPECT_EQ(Book().CurrentNodeKey, "0 1");
}

TEST_F(Tree, EditCommandWithoutItsEditorDoesNothing)
{
    openClass({"佐藤"});
    clickKey("2 0 0 0");
    const int index = Book().CurrentNodeIndex;
    window->mnuEditProperty->trigger();
    editButton()->trigger();
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(Book().CurrentNodeIndex, index);
    EXPECT_FALSE(Book().EditAccepted);
    EXPECT_TRUE(platform.messages.empty());
}

class PluggedEditor : public Tree {
protected:
    void plug(EditorKind kind)
    {
        window->SetEditorFactory(kind, [this](frmMain&) {
            editor = new QWidget;
            editor->setAttribute(Qt::WA_DeleteOnClose);
            return editor;
        });
    }
    // What every editor does when it closes.
    void closeEditor()
    {
        EnableMainWindow();
        editor->close();
        QCoreApplication::processEvents();
    }
    QPointer<QWidget> editor;
};

TEST_F(PluggedEditor, TestEditorDisablesTheWindowAndItsRegistrationLightsTheNode)
{
    openClass({"佐藤", "鈴木"});
    plug(EditorKind::TestSpec);
    clickKey("2 3 1 4");
    window->mnuEditProperty->trigger();
    ASSERT_TRUE(editor);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(window->mnuEditProperty->isEnabled());
    EXPECT_EQ(Book().CurrentTest, 4);

    Book().Scores[TestSlot(1, 3, 4, 0)][kAverageColumn] = 70.0f;  // registered
    Book().EditAccepted = true;
    closeEditor();
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(NavigationTree::NodeImage(window->TreeView1->NodeByKey("2 3 1 4")), QStringLiteral("lighton"));
    EXPECT_FALSE(Book().EditAccepted);
}

TEST_F(PluggedEditor, ClassEditorReturnWritesTheClassNodeWithBlanks)
{
    start();
    plug(EditorKind::HomeRoom);
    window->mnuFileNew->trigger();
    editButton()->trigger();
    EXPECT_EQ(Book().CurrentNodeIndex, 1);
    EXPECT_FALSE(window->isEnabled());

    GradeBook& book = Book();
    book.SchoolYear = "2025";
    book.GradeLevel = "4年";
    book.ClassName = "2組";
    book.TeacherName = "鈴木";
    book.StudentCount = 2;
    book.StudentNames[0] = "佐藤";
    book.StudentNames[1] = "高橋";
    closeEditor();
    ASSERT_NE(window->TreeView1->NodeByIndex(1), nullptr);
    EXPECT_EQ(window->TreeView1->NodeByIndex(1)->text(0), U("2025 4年2組 鈴木"));
    EXPECT_EQ(window->StatusHint(), U(texts::kHintActivateClass));
    EXPECT_EQ(window->Frame1->title(), U("2025 4年2組 鈴木 生徒数（ 2名）"));
    EXPECT_EQ(cell(2, 1), U("高橋"));
    EXPECT_TRUE(window->mnuEditNameBook->isEnabled());
    EXPECT_TRUE(window->mnuFilePrint->isEnabled());
}

TEST_F(PluggedEditor, RenamedSubjectRenamesItsSubtreeOnly)
{
    openClass({"佐藤"});
    plug(EditorKind::SubjectSpec);
    GradeBook& book = Book();
    book.SlotTitles[TestSlot(0, 5, 0, 0)][1] = "体育テスト";
    clickKey("0 5");
    window->mnuEditProperty->trigger();
    EXPECT_TRUE(book.EditAccepted);
    book.SubjectTable[5][0] = "保健体育";
    closeEditor();

    NavigationTree* tree = window->TreeView1;
    for (const char* key : {"0 5", "1 5 2", "0 4", "1 4 0"})
        ASSERT_NE(tree->NodeByKey(QString::fromUtf8(key)), nullptr) << key;
    EXPECT_EQ(tree->NodeByKey("0 5")->text(0), U("保健体育"));
    EXPECT_EQ(tree->NodeByKey("1 5 2")->text(0), U("三学期(保健体育)"));
    EXPECT_EQ(tree->NodeByKey("0 4")->text(0), U("家庭"));
    EXPECT_EQ(tree->NodeByKey("1 4 0")->text(0), U("一学期(家庭)"));
    EXPECT_EQ(book.SlotTitles[TestSlot(0, 5, 0, 0)][1], "保健体育テスト");
}

TEST_F(PluggedEditor, ReturnToANonSubjectNodeRenamesNothing)
{
    openClass({"佐藤"});
    plug(EditorKind::SemesterSpec);
    clickKey("1 0 1");
    window->mnuEditProperty->trigger();
    Book().SubjectTable[0][0] = "こくご";
    closeEditor();
    for (const char* key : {"1 0 1", "0 0"})
        ASSERT_NE(window->TreeView1->NodeByKey(QString::fromUtf8(key)), nullptr) << key;
    EXPECT_EQ(window->TreeView1->NodeByKey("1 0 1")->text(0), U("二学期(国語)"));
    EXPECT_EQ(window->TreeView1->NodeByKey("0 0")->text(0), U("国語"));
}

TEST_F(PluggedEditor, ExitClosesTheOpenEditor)
{
    openClass({"佐藤"});
    plug(EditorKind::HomeRoom);
    clickKey("HomeRoom");
    window->mnuEditProperty->trigger();
    ASSERT_TRUE(editor);
    platform.messageAnswers = {MessageAnswer::No};
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(editor);
}

} // namespace
} // namespace miravel::test
