#include "core/UndoHistory.h"

#include "support/Books.h"

#include <gtest/gtest.h>

using namespace miravel;

namespace {

// Step k puts k into the first score.
void Step(UndoHistory& history, GradeBook& book, int k)
{
    book.Scores[0][0] = static_cast<Single>(k);
    history.Record("step " + std::to_string(k), book);
}

} // namespace

TEST(UndoHistory, KeepsTheNewestFiftyStepsAndANewStepClearsRedo)
{
    auto book = test::FreshBook();
    UndoHistory history;
    history.Reset(*book);
    for (int k = 1; k <= 51; ++k)
        Step(history, *book, k);
    int undone = 0;
    for (; history.CanUndo(); ++undone)
        history.Undo(*book);
    EXPECT_EQ(undone, 50);
    EXPECT_EQ(book->Scores[0][0], 1.0f);  // the book after the first step
    history.Redo(*book);
    EXPECT_EQ(history.UndoName() + "/" + history.RedoName(), "step 2/step 3");
    Step(history, *book, 60);
    EXPECT_FALSE(history.CanRedo());
}

TEST(UndoHistory, ChangesSinceSaveLeaveOutWhatWasUndone)
{
    auto book = test::FreshBook();
    UndoHistory history;
    history.Reset(*book);
    Step(history, *book, 1);
    history.MarkSaved();
    for (int k : {2, 3})
        Step(history, *book, k);
    history.Undo(*book);
    EXPECT_EQ(history.ChangesSinceSave(), "step 2");
    history.Undo(*book);
    history.Undo(*book);  // a step saved before
    EXPECT_EQ(history.ChangesSinceSave(), "step 1の取り消し");
}
