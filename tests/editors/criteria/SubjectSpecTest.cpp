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
