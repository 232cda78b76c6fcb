// 評価の方法 through the main window: the menu item opens it, a refused cell
// is named, 登録 grades by the criteria with two terms, and Save writes the
// companion file beside the book.

#include "editors/Editors.h"
#include "editors/criteria/FormSemesterSpec.h"
#include "editors/evaluation/FormEvaluationMethod.h"
#include "mainwindow/WindowTestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace miravel::test {
namespace {

class EvaluationMethodTest : public WindowTest {};

TEST_F(EvaluationMethodTest, RegistersCriteriaAndTwoTermsAndSavesThemBeside)
{
    start();
    RegisterEditors(*window);
    open(writeBook(U("3年1組.txt"), {"青木", "井上"}));
    window->mnuFileSave->trigger();
    ASSERT_TRUE(window->mnuEditEvaluation->isEnabled());
    window->mnuEditEvaluation->trigger();
    FormEvaluationMethod* form = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<FormEvaluationMethod*>(widget))
            form = found;
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(window->isEnabled());

    form->optCriterion->setChecked(true);
    form->optTwoTerms->setChecked(true);
    form->spnA[1]->setValue(50);  // 国語 理解: A 50 not above C 50
    form->Command1->click();
    EXPECT_EQ(lastMessage(), U("国語の「理解」: A の基準は C の基準より大きくしてください。"));
    EXPECT_FALSE(Book().Evaluation.Criterion());

    form->spnA[1]->setValue(90);
    form->Command1->click();
    QApplication::processEvents();
    EXPECT_TRUE(window->isEnabled() && Book().Evaluation.Criterion() && Book().SavedState);
    NavigationTree* tree = window->TreeView1;
    EXPECT_TRUE(tree->NodeByKey(U("1 0 2")) == nullptr && tree->NodeByKey(U("4 2")) == nullptr);
    ASSERT_NE(tree->NodeByKey(U("1 0 1")), nullptr);
    EXPECT_EQ(tree->NodeByKey(U("1 0 1"))->text(0), U("後期(国語)"));

    // The criteria editors take no counts now.
    FormSemesterSpec counts(platform);
    EXPECT_FALSE(counts.Text1->isEnabled());

    window->mnuFileSave->trigger();  // the companion's format is the file tests'
    EXPECT_TRUE(readAll(path(U("3年1組.miravel"))).contains("\ns1v2=90/50\n"));

    clickKey("4 0");
    EXPECT_EQ(window->MSFlexGrid1->columnCount(), 26);  // the list of 前期
}

} // namespace
} // namespace miravel::test
