// The year-round criteria editor: opening from the tree, the change rule,
// registration with its checks, names and catalogues, activation, printing
// and the ways out.

#include "CriteriaWindowTestSupport.h"
#include "editors/criteria/CriteriaGraphPages.h"

namespace miravel::test {
namespace {

using SubjectSpecTest = CriteriaTest;

TEST_F(SubjectSpecTest, SubjectNodeOpensItAndARenameReachesTheTree)
{
    open(writeBook(U("class.txt"), Names(30)));
    clickKey("0 1");
    window->mnuEditProperty->trigger();
    auto* form = opened<FormSubjectSpec>();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), U("算数の通年の評定基準の作成"));
    EXPECT_EQ(form->Frame2->title(), U("思考の評定基準"));
    EXPECT_EQ(form->Combo1->currentText(), U("算数"));
    EXPECT_EQ(form->Combo3->currentText(), U("表・処"));
    EXPECT_FALSE(window->isEnabled());

    typeName(form->Combo1, "さんすう");
    form->Command1->click();
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(Book().SubjectTable[1][0], "さんすう");
    EXPECT_TRUE(Book().SavedState);
    // The main window's activation renames the subject's nodes.
    QTRY_COMPARE(window->TreeView1->NodeByKey(U("0 1"))->text(0), U("さんすう"));
    EXPECT_EQ(window->TreeView1->NodeByKey(U("1 1 0"))->text(0), U("一学期(さんすう)"));
    EXPECT_EQ(window->TreeView1->NodeByKey(U("0 2"))->text(0), U("理科"));
}

} // namespace
} // namespace miravel::test

namespace miravel::test {
namespace {

struct Names4 {
    const char* subject;
    const char* v1;
    const char* v2;
    const char* v3;
};

class SubjectNamesTest : public CriteriaTest {
protected:
    FormSubjectSpec* openWith(const Names4& names)
    {
        auto* form = show<FormSubjectSpec>();
        typeName(form->Combo1, names.subject);
        typeName(form->Combo2, names.v1);
        typeName(form->Combo3, names.v2);
        typeName(form->Combo4, names.v3);
        return form;
    }
};

TEST_F(SubjectNamesTest, RegistrationChecksNamesInOrder)
{
    useClass(30);
    const struct {
        Names4 typed;
        const char* message;  // nullptr: registered
    } cases[] = {
        // The viewpoints are checked before the subject.
        {{"", "表現", "理解", "表現"}, "観点の項目が重なっています"},
        {{"国語", "", "", "言語"}, "観点の項目が重なっています"},
        {{"", "表現", "理解", "言語"}, "その教科は登録済みです"},
        {{"算数", "表現", "理解", "言語"}, "その教科は登録済みです"},
        {{"国語", "表現", "理解", "言語😀"}, "観点3の文字「😀」はファイルに保存できません。"},
        {{"国語", "", "理解", "言語"}, nullptr},
        {{"国語", "表現", "理解", "言語"}, nullptr},
    };
    for (const auto& c : cases) {
        Book().SubjectTable[0] = {};
        Book().SubjectTable[0][0] = "国語";
        Book().SavedState = false;
        const GradeDocument before = Book();
        platform.messages.clear();
        auto* form = openWith(c.typed);
        form->Command1->click();
        if (c.message) {
            EXPECT_EQ(messageTexts(), std::vector<QString>{U(c.message)}) << c.message;
            EXPECT_TRUE(form->isVisible()) << c.message;
            EXPECT_TRUE(static_cast<const GradeDocument&>(Book()) == before) << c.message;
            EXPECT_FALSE(Book().SavedState);
            form->Command2->click();
        } else {
            EXPECT_TRUE(platform.messages.empty());
            EXPECT_FALSE(form->isVisible());
            EXPECT_EQ(Book().SubjectTable[0][1], c.typed.v1);
            EXPECT_TRUE(Book().SavedState);
        }
    }
}

TEST_F(SubjectNamesTest, TypedNamesAreStoredAsTheFileKeepsThem)
{
    useClass(30);
    openWith({"国;語", "表\n現", "理解", "言語"})->Command1->click();
    EXPECT_EQ(Book().SubjectTable[0][0], "国；語");
    EXPECT_EQ(Book().SubjectTable[0][1], "表現");
}

TEST_F(SubjectNamesTest, NewNamesJoinTheCataloguesOnce)
{
    useClass(30);
    openWith({"書写", "発表", "理解", "発表2"})->Command1->click();
    const auto& subjects = Book().SubjectCatalogue;
    const auto& viewpoints = Book().ViewpointCatalogue;
    EXPECT_EQ(subjects[6], "書写");
    EXPECT_EQ(viewpoints[12], "発表");
    EXPECT_EQ(viewpoints[13], "発表2");
    EXPECT_EQ(viewpoints[14], "");  // 理解 was there already

    // A full catalogue takes nothing more, the subject still gets the name.
    for (int i = 14; i < kViewpointCatalogueSize; ++i)
        Book().ViewpointCatalogue[i] = "観点" + std::to_string(i);
    const auto full = Book().ViewpointCatalogue;
    auto* form = openWith({"書写", "新観点", "理解", "発表2"});
    EXPECT_EQ(form->Combo2->count(), kViewpointCatalogueSize);
    EXPECT_EQ(form->Combo1->itemText(6), U("書写"));
    form->Command1->click();
    EXPECT_TRUE(Book().ViewpointCatalogue == full);
    EXPECT_EQ(Book().SubjectTable[0][1], "新観点");
}

TEST_F(SubjectNamesTest, ControlsAreNamedForAssistiveTechnology)
{
    useClass(30);
    auto* form = show<FormSubjectSpec>();
    EXPECT_EQ(form->windowTitle(), U("国語の通年の評定基準の作成"));
    EXPECT_EQ(form->Combo1->accessibleName(), U("科目"));
    EXPECT_EQ(form->Combo4->accessibleName(), U("観点3"));
    EXPECT_EQ(form->Text1->accessibleName(), U("表現のAランク"));
    EXPECT_EQ(form->Text3->accessibleName(), U("理解のCランク"));
    EXPECT_EQ(form->Text4->accessibleName(), U("理解のAランク"));
    EXPECT_EQ(form->UpDown4->upButton()->accessibleName(), U("理解のCランクを増やす"));
    EXPECT_EQ(form->Frame3->title(), U("理解の評定基準"));
    // Hiragana for names, off for counts.
    EXPECT_TRUE(form->Combo1->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_FALSE(form->Text1->testAttribute(Qt::WA_InputMethodEnabled));
}

} // namespace
} // namespace miravel::test
