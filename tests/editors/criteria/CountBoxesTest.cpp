// The count boxes of both criteria editors: the change rule, the spin
// buttons, the counts stored on registration and the fill on opening.

#include "CriteriaWindowTestSupport.h"
#include "editors/criteria/CriteriaGraphPages.h"

namespace miravel::test {
namespace {

// Viewpoint 1's A and C boxes and B label, and viewpoint 2's A box.
struct Boxes {
    CriteriaWindow* form;
    QLineEdit* a1;
    QLineEdit* c1;
    QLabel* b1;
    QLineEdit* a2;
    QLineEdit* c3;
    UpDown* up1;
    int period;
};

class CountBoxesTest : public CriteriaTest {
protected:
    // Both editors, over the current book: year-round, then semester 1.
    std::vector<Boxes> editors()
    {
        Book().CurrentSubject = 0;
        Book().CurrentSemester = 1;
        auto* subject = show<FormSubjectSpec>();
        auto* semester = show<FormSemesterSpec>();
        return {{subject, subject->Text1, subject->Text2, subject->Label8, subject->Text4, subject->Text6,
                 subject->UpDown1, kYearRoundPeriod},
                {semester, semester->Text1, semester->Text2, semester->Label4, semester->Text3, semester->Text6,
                 semester->UpDown1, 1}};
    }
};

TEST_F(CountBoxesTest, ChangeRuleRefusesTooLargeAndNegativeCounts)
{
    useClass(30, 12, 6);
    for (const Boxes& e : editors()) {
        platform.messages.clear();
        type(e.a1, "25");  // 30 - 25 - 6 < 0
        EXPECT_EQ(messageTexts(), std::vector<QString>{U("値が不正です")});
        EXPECT_EQ(e.a1->text(), QString());
        EXPECT_EQ(e.b1->text(), U(" 24"));
        EXPECT_EQ(e.form->Graph(0).items, ScreenGraph(Book(), e.period, 0, 0, 0, 6).items);

        type(e.c1, "-3");
        EXPECT_EQ(messageTexts().size(), 2u);
        EXPECT_EQ(e.c1->text(), QString());
        EXPECT_EQ(e.b1->text(), U(" 30"));

        // The graph follows the counts as they are typed.
        type(e.a1, "7.5");
        EXPECT_EQ(e.b1->text(), U(" 22.5"));
        EXPECT_EQ(e.form->Graph(0).items, ScreenGraph(Book(), e.period, 0, 0, 8, 0).items);
        EXPECT_EQ(messageTexts().size(), 2u);
    }
}

TEST_F(CountBoxesTest, RegistrationRoundsHalvesToEvenAndReadsEmptyAsZero)
{
    useClass(30, 12, 4);
    for (const Boxes& e : editors()) {
        Book().SavedState = false;
        type(e.a1, "7.5");
        type(e.a2, "6.5");
        type(e.c3, "");
        e.form->Command1->click();
        const auto& a = Book().RankCountA[e.period];
        const auto& c = Book().RankCountC[e.period];
        EXPECT_EQ(a[0], 8);
        EXPECT_EQ(a[1], 6);
        EXPECT_EQ(c[2], 0);
        EXPECT_EQ(c[0], 4);
        EXPECT_TRUE(Book().SavedState);
        EXPECT_FALSE(e.form->isVisible());
    }
    // Subject 1 keeps its counts.
    EXPECT_EQ(Book().RankCountA[kYearRoundPeriod][3], 12);
}

TEST_F(CountBoxesTest, StoredCountsAboveTheClassAfterATransferOut)
{
    useClass(30, 12, 4);
    for (int i = 15; i < 30; ++i)
        Book().StudentNames[i] = "";  // 15 left: 12 + 4 no longer fit
    for (const Boxes& e : editors()) {
        EXPECT_EQ(e.a1->text(), U(" 12"));
        EXPECT_EQ(e.c1->text(), QString());
        EXPECT_EQ(e.b1->text(), U(" 3"));
        // The window still shows the stored counts' graph until they change.
        EXPECT_EQ(e.form->Graph(0).items, ScreenGraph(Book(), e.period, 0, 0, 12, 4).items);
    }
    EXPECT_EQ(messageTexts(), std::vector<QString>(6, U("値が不正です")));
}

TEST_F(CountBoxesTest, CountsNeverSetShowAsMinusOne)
{
    useClass(35, 10, 4);
    Book().RankCountA[1][0] = kCountNotSet;
    Book().RankCountA[kYearRoundPeriod][0] = kCountNotSet;
    for (const Boxes& e : editors()) {
        EXPECT_EQ(e.a1->text(), U("-1"));
        EXPECT_EQ(e.b1->text(), U(" 32"));  // 35 + 1 - 4
        EXPECT_EQ(e.a2->text(), U(" 10"));
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CountBoxesTest, SpinButtonsAndArrowKeysStepWithinTheRange)
{
    useClass(30, 12, 4);
    for (const Boxes& e : editors()) {
        e.up1->upButton()->click();
        EXPECT_EQ(e.a1->text(), U(" 13"));
        QTest::keyClick(e.a1, Qt::Key_Down);
        QTest::keyClick(e.a1, Qt::Key_Down);
        EXPECT_EQ(e.a1->text(), U(" 11"));
        type(e.a1, "0");
        e.up1->downButton()->click();
        EXPECT_EQ(e.a1->text(), U(" 0"));
        EXPECT_EQ(e.b1->text(), U(" 26"));
    }
}

} // namespace
} // namespace miravel::test
