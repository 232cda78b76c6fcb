#include "core/StepNames.h"
#include "core/UndoHistory.h"

#include "support/Books.h"

#include <gtest/gtest.h>

using namespace miravel;
using miravel::test::FreshBook;

namespace {

// The book after `n` steps: step k puts k into the first score.
void Step(UndoHistory& history, GradeBook& book, int k)
{
    book.Scores[0][0] = static_cast<Single>(k);
    history.Record("step " + std::to_string(k), book);
}

} // namespace

TEST(UndoHistory, UndoAndRedoGiveTheWholeBookOfEachStep)
{
    auto book = FreshBook();
    UndoHistory history;
    history.Reset(*book);
    const auto before = std::make_unique<GradeDocument>(*book);
    book->StudentNames[4] = "佐藤";
    book->Scores[100][4] = 80;
    history.Record(TransferOutStep(5), *book);
    book->SlotTitles[100][1] = "こくご";  // belongs to the step before
    history.Absorb(*book);
    const auto after = std::make_unique<GradeDocument>(*book);
    book->CurrentNodeKey = "2 0 0 0";  // selection is no part of a step

    EXPECT_EQ(history.UndoName(), "出席番号 5 の転出");
    history.Undo(*book);
    EXPECT_TRUE(*book == *before);
    EXPECT_EQ(book->CurrentNodeKey, "2 0 0 0");
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.RedoName(), "出席番号 5 の転出");
    history.Redo(*book);
    EXPECT_TRUE(*book == *after);
    EXPECT_FALSE(history.CanRedo());

    history.Undo(*book);
    Step(history, *book, 7);  // a new step clears the redo list
    EXPECT_FALSE(history.CanRedo());
    history.Undo(*book);
    EXPECT_TRUE(*book == *before);
}

TEST(UndoHistory, KeepsTheNewestStepsUpToTheLimit)
{
    auto book = FreshBook();
    UndoHistory history;
    history.Reset(*book);
    for (int k = 1; k <= 51; ++k)
        Step(history, *book, k);
    int undone = 0;
    for (; history.CanUndo(); ++undone)
        history.Undo(*book);
    EXPECT_EQ(undone, 50);
    EXPECT_EQ(book->Scores[0][0], 1.0f);  // back to the book after the first step
    for (int k = 0; k < 50; ++k)
        history.Redo(*book);
    EXPECT_EQ(book->Scores[0][0], 51.0f);
}

TEST(UndoHistory, ChangesSinceSaveLeaveOutWhatWasUndone)
{
    auto book = FreshBook();
    UndoHistory history;
    history.Reset(*book);
    Step(history, *book, 1);
    history.MarkSaved();
    Step(history, *book, 2);
    Step(history, *book, 3);
    history.Undo(*book);
    EXPECT_EQ(history.ChangesSinceSave(), "step 2");
    history.Undo(*book);
    history.Undo(*book);  // a step saved before
    EXPECT_EQ(history.ChangesSinceSave(), "step 1の取り消し");
    history.Reset(*book);
    EXPECT_EQ(history.ChangesSinceSave(), "");
    EXPECT_FALSE(history.CanRedo());
}

TEST(StepNames, NameTheSubjectSemesterAndNumber)
{
    auto book = FreshBook();
    book->SubjectTable[1][0] = "算数";
    EXPECT_EQ(TestRegistrationStep(*book, 1, 0, 2), "算数 一学期 第 3回 試験の登録");
    EXPECT_EQ(TestRegistrationStep(*book, 1, 2, 9), "算数 三学期 第 10回 試験の登録");
    EXPECT_EQ(SemesterCriteriaStep(*book, 1, 1), "算数 二学期の評定基準の登録");
    EXPECT_EQ(YearRoundCriteriaStep(*book, 1), "算数 通年の評定基準の登録");
}
