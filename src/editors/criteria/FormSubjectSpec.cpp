#include "editors/criteria/FormSubjectSpec.h"

#include "core/StepNames.h"
#include "editors/criteria/CriteriaRules.h"
#include "editors/criteria/CriteriaTexts.h"
#include "editors/criteria/UpDown.h"
#include "file/FieldText.h"
#include "platform/InputMode.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace miravel {

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }
QString U(const std::string& text) { return QString::fromStdString(text); }

// Twips: the names frame on top of the left column, the three viewpoint
// frames under it, the buttons at the bottom.
constexpr int kNamesTop = 60;
constexpr int kNamesHeight = 1900;
constexpr std::array<int, kViewpoints> kFrameTops = {2040, 3680, 5320};
constexpr int kButtonTop = 7700;
constexpr int kWindowHeight = 8500;

template <std::size_t N>
void FillList(QComboBox* combo, const CheckedArray<std::string, N>& catalogue, const std::string& text)
{
    for (const std::string& entry : catalogue)
        if (!entry.empty())
            combo->addItem(U(entry));
    combo->setEditText(U(text));
}

} // namespace

FormSubjectSpec::FormSubjectSpec(Platform& platform) : CriteriaWindow(platform, kYearRoundPeriod, Book().CurrentSubject)
{
    buildNames();
    buildCounts(kFrameTops, kButtonTop, kWindowHeight);
    Frame2 = counts(0).frame;
    Frame3 = counts(1).frame;
    Frame4 = counts(2).frame;
    Text1 = counts(0).countA;
    Text2 = counts(0).countC;
    Text4 = counts(1).countA;
    Text3 = counts(1).countC;
    Text5 = counts(2).countA;
    Text6 = counts(2).countC;
    UpDown1 = counts(0).upA;
    UpDown2 = counts(0).upC;
    UpDown3 = counts(1).upA;
    UpDown4 = counts(1).upC;
    UpDown5 = counts(2).upA;
    UpDown6 = counts(2).upC;
    Label8 = counts(0).countB;
    Label14 = counts(1).countB;
    Label21 = counts(2).countB;
    // Reading order: the names, then each viewpoint's A and C, then the buttons.
    QWidget* order[] = {Combo1, Combo2, Combo3, Combo4, Text1, Text2, Text4, Text3, Text5, Text6,
                        Command1, Command2, Command3};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    Form_Load();
}

void FormSubjectSpec::buildNames()
{
    Frame1 = new QGroupBox(U(criteria_texts::kNamesFrame), this);
    Frame1->setGeometry(px(120), py(kNamesTop), px(3735), py(kNamesHeight));
    QComboBox** combos[] = {&Combo1, &Combo2, &Combo3, &Combo4};
    const char* labels[] = {criteria_texts::kSubjectLabel, criteria_texts::kViewpointLabels[0],
                            criteria_texts::kViewpointLabels[1], criteria_texts::kViewpointLabels[2]};
    for (int i = 0; i < 4; ++i) {
        const int top = 300 + 390 * i;
        auto* label = new QLabel(U(labels[i]), Frame1);
        label->setGeometry(px(150), py(top), px(900), py(330));
        auto* combo = new QComboBox(Frame1);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        // The teacher's typing stays as typed: no completion from the list.
        combo->setCompleter(nullptr);
        combo->setGeometry(px(1050), py(top), px(2500), py(330));
        SetInputMode(combo, InputMode::Hiragana);
        label->setBuddy(combo);
        combo->setAccessibleName(U(labels[i]));
        *combos[i] = combo;
    }
}

void FormSubjectSpec::Form_Load()
{
    const GradeBook& book = Book();
    const int s = subject();
    setWindowTitle(U(book.SubjectTable[s][0] + "の" + criteria_texts::kYearRoundCaption));
    nameViewpoints();
    FillList(Combo1, book.SubjectCatalogue, book.SubjectTable[s][0]);
    FillList(Combo2, book.ViewpointCatalogue, book.SubjectTable[s][1]);
    FillList(Combo3, book.ViewpointCatalogue, book.SubjectTable[s][2]);
    FillList(Combo4, book.ViewpointCatalogue, book.SubjectTable[s][3]);
    const int k = s * kViewpoints;
    const auto& a = book.RankCountA[kYearRoundPeriod];
    const auto& c = book.RankCountC[kYearRoundPeriod];
    fillBox(Text1, a[k]);
    fillBox(Text2, c[k]);
    fillBox(Text4, a[k + 1]);
    fillBox(Text3, c[k + 1]);
    fillBox(Text5, a[k + 2]);
    fillBox(Text6, c[k + 2]);
}

void FormSubjectSpec::Form_Activate() { drawStoredGraphs(); }

bool FormSubjectSpec::HasPendingChanges() const
{
    const auto& names = Book().SubjectTable[subject()];
    const QComboBox* combos[] = {Combo1, Combo2, Combo3, Combo4};
    for (int i = 0; i < 4; ++i)
        if (StorableFieldText(combos[i]->currentText().toStdString()) != names[i])
            return true;
    return CriteriaWindow::HasPendingChanges();
}

bool FormSubjectSpec::refuseUnstorable(QComboBox* combo, const char* label)
{
    const auto offending = UnstorableCharacter(combo->currentText().toStdString());
    if (!offending)
        return false;
    inform(U(std::string(label) + criteria_texts::kUnstorableBefore + *offending + criteria_texts::kUnstorableAfter));
    combo->setFocus();
    return true;
}

void FormSubjectSpec::Command1_Click()
{
    GradeBook& book = Book();
    const int s = subject();
    if (countB(0) < 0) {
        // The change rule keeps every viewpoint valid while the teacher types.
        inform(criteria_texts::kTooLargeOnRegister);
        return;
    }
    // Names are compared as the file will keep them.
    const auto stored = [](const QComboBox* combo) { return StorableFieldText(combo->currentText().toStdString()); };
    const std::string subjectName = stored(Combo1);
    const std::array<std::string, kViewpoints> viewpointNames = {stored(Combo2), stored(Combo3), stored(Combo4)};
    if (ViewpointNamesOverlap(viewpointNames)) {
        inform(criteria_texts::kViewpointsOverlap);
        (viewpointNames[2] == viewpointNames[0] || viewpointNames[2] == viewpointNames[1] ? Combo4 : Combo3)
            ->setFocus();
        return;
    }
    if (SubjectNameTaken(book, s, subjectName)) {
        inform(criteria_texts::kSubjectTaken);
        Combo1->setFocus();
        return;
    }
    if (refuseUnstorable(Combo1, criteria_texts::kSubjectLabel) ||
        refuseUnstorable(Combo2, criteria_texts::kViewpointLabels[0]) ||
        refuseUnstorable(Combo3, criteria_texts::kViewpointLabels[1]) ||
        refuseUnstorable(Combo4, criteria_texts::kViewpointLabels[2]))
        return;

    book.SubjectTable[s][0] = subjectName;
    AddToCatalogue(book.SubjectCatalogue, subjectName);
    for (const std::string& name : viewpointNames)
        AddToCatalogue(book.ViewpointCatalogue, name);
    for (int v = 0; v < kViewpoints; ++v)
        book.SubjectTable[s][v + 1] = viewpointNames[v];
    storeCounts();
    book.MarkChanged(YearRoundCriteriaStep(book, s));
    closeEditor();
}

} // namespace miravel
