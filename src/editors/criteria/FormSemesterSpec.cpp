#include "editors/criteria/FormSemesterSpec.h"

#include "core/StepNames.h"
#include "editors/criteria/CriteriaTexts.h"
#include "editors/criteria/UpDown.h"

#include <QLineEdit>
#include <QPushButton>

namespace miravel {

namespace {

// Twips: each viewpoint's frame beside its graph, the buttons at the bottom.
constexpr std::array<int, kViewpoints> kFrameTops = {340, 2860, 5280};
constexpr int kButtonTop = 7200;
constexpr int kWindowHeight = 8000;

} // namespace

FormSemesterSpec::FormSemesterSpec(Platform& platform)
    : CriteriaWindow(platform, Book().CurrentSemester, Book().CurrentSubject)
{
    setWindowTitle(QString::fromUtf8(criteria_texts::kSemesterDesignCaption));
    buildCounts(kFrameTops, kButtonTop, kWindowHeight);
    Frame1 = counts(0).frame;
    Frame2 = counts(1).frame;
    Frame3 = counts(2).frame;
    QLineEdit** boxes[] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6};
    UpDown** spins[] = {&UpDown1, &UpDown2, &UpDown3, &UpDown4, &UpDown5, &UpDown6};
    for (int v = 0; v < kViewpoints; ++v) {
        *boxes[2 * v] = counts(v).countA;
        *boxes[2 * v + 1] = counts(v).countC;
        *spins[2 * v] = counts(v).upA;
        *spins[2 * v + 1] = counts(v).upC;
    }
    Label4 = counts(0).countB;
    Label11 = counts(1).countB;
    Label18 = counts(2).countB;
    QWidget* order[] = {Text1, Text2, Text3, Text4, Text5, Text6, Command1, Command2, Command3};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void FormSemesterSpec::Form_Activate()
{
    const GradeBook& book = Book();
    const int s = subject();
    const int t = period();
    clearGraphs();
    setWindowTitle(QString::fromStdString(book.SubjectTable[s][0] + "の" + book.SemesterNames[t] +
                                          criteria_texts::kSemesterCaption));
    nameViewpoints();
    const int k = s * kViewpoints;
    fillBox(Text1, book.RankCountA[t][k]);
    fillBox(Text3, book.RankCountA[t][k + 1]);
    fillBox(Text5, book.RankCountA[t][k + 2]);
    fillBox(Text2, book.RankCountC[t][k]);
    fillBox(Text4, book.RankCountC[t][k + 1]);
    fillBox(Text6, book.RankCountC[t][k + 2]);
    for (int v = 0; v < kViewpoints; ++v)
        if (countB(v) >= 0)
            showCountB(v);
    drawStoredGraphs();
}

void FormSemesterSpec::Command1_Click()
{
    for (int v = 0; v < kViewpoints; ++v) {
        if (countB(v) < 0) {
            inform(criteria_texts::kBadCountOnRegister);
            return;
        }
    }
    storeCounts();
    GradeBook& book = Book();
    book.MarkChanged(SemesterCriteriaStep(book, book.CurrentSubject, book.CurrentSemester));
    closeEditor();
}

} // namespace miravel
