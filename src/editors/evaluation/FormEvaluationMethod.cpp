#include "editors/evaluation/FormEvaluationMethod.h"

#include "core/EvaluationRules.h"
#include "core/StepNames.h"
#include "editors/evaluation/EvaluationMethodRules.h"
#include "editors/evaluation/FormRecordSettings.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/frmMain.h"
#include "platform/Platform.h"

#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace miravel {

namespace {

QString U(const std::string& text) { return QString::fromStdString(text); }
QString U(const char* text) { return QString::fromUtf8(text); }

QSpinBox* PercentBox(QWidget* parent, const QString& name)
{
    auto* box = new QSpinBox(parent);
    box->setRange(0, 100);
    box->setSuffix(QStringLiteral(" %"));
    box->setAccessibleName(name);
    return box;
}

QDoubleSpinBox* GradeCutBox(QWidget* parent)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(1.0, 3.0);
    box->setDecimals(2);
    box->setSingleStep(0.1);
    return box;
}

} // namespace

FormEvaluationMethod::FormEvaluationMethod(Platform& platform) : platform_(platform), pending_(Book().Evaluation)
{
    const GradeBook& book = Book();
    setWindowTitle(U("評価の方法"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);

    auto* fraMode = new QGroupBox(U("評価のしかた"), this);
    auto* modeRow = new QHBoxLayout(fraMode);
    optRelative = new QRadioButton(U("相対評価（A/C の人数）"), fraMode);
    optCriterion = new QRadioButton(U("目標準拠評価（A/C の基準）"), fraMode);
    modeRow->addWidget(optRelative);
    modeRow->addWidget(optCriterion);
    layout->addWidget(fraMode);

    fraCriteria = new QGroupBox(U("A/C の基準（満点に対する割合：A はこれ以上、C はこれ未満）"), this);
    auto* table = new QGridLayout(fraCriteria);
    for (int v = 0; v < kViewpoints; ++v)
        table->addWidget(new QLabel(U("観点" + std::to_string(v + 1) + "　A 以上 / C 未満"), fraCriteria), 0,
                         1 + 3 * v, 1, 3);
    for (int s = 0; s < kSubjects; ++s) {
        table->addWidget(new QLabel(U(book.SubjectTable[s][0]), fraCriteria), s + 1, 0);
        for (int v = 0; v < kViewpoints; ++v) {
            const int k = s * kViewpoints + v;
            const std::string cell = book.SubjectTable[s][0] + " " + book.SubjectTable[s][v + 1];
            auto* name = new QLabel(U(book.SubjectTable[s][v + 1]), fraCriteria);
            spnA[k] = PercentBox(fraCriteria, U(cell + " A の基準"));
            spnC[k] = PercentBox(fraCriteria, U(cell + " C の基準"));
            name->setBuddy(spnA[k]);
            table->addWidget(name, s + 1, 1 + 3 * v);
            table->addWidget(spnA[k], s + 1, 2 + 3 * v);
            table->addWidget(spnC[k], s + 1, 3 + 3 * v);
        }
    }
    layout->addWidget(fraCriteria);

    auto* fraGrade = new QGroupBox(U("評定（3年生から。観点の評価の平均：A=3, B=2, C=1）"), this);
    auto* gradeRow = new QHBoxLayout(fraGrade);
    spnGradeA3 = GradeCutBox(fraGrade);
    spnGradeC1 = GradeCutBox(fraGrade);
    auto* labelA3 = new QLabel(U("評定3：平均が(&3)"), fraGrade);
    auto* labelC1 = new QLabel(U("評定1：平均が(&1)"), fraGrade);
    labelA3->setBuddy(spnGradeA3);
    labelC1->setBuddy(spnGradeC1);
    spnGradeA3->setAccessibleName(U("評定3の境目（平均がこれ以上）"));
    spnGradeC1->setAccessibleName(U("評定1の境目（平均がこれ未満）"));
    gradeRow->addWidget(labelA3);
    gradeRow->addWidget(spnGradeA3);
    gradeRow->addWidget(new QLabel(U("以上"), fraGrade));
    gradeRow->addSpacing(24);
    gradeRow->addWidget(labelC1);
    gradeRow->addWidget(spnGradeC1);
    gradeRow->addWidget(new QLabel(U("未満"), fraGrade));
    gradeRow->addStretch();
    layout->addWidget(fraGrade);

    auto* fraTerms = new QGroupBox(U("学期"), this);
    auto* termRow = new QHBoxLayout(fraTerms);
    optThreeTerms = new QRadioButton(U("3学期制"), fraTerms);
    optTwoTerms = new QRadioButton(U("2学期制（前期・後期）"), fraTerms);
    termRow->addWidget(optThreeTerms);
    termRow->addWidget(optTwoTerms);
    termRow->addStretch();
    layout->addWidget(fraTerms);

    auto* buttons = new QHBoxLayout;
    cmdRecords = new QPushButton(U("記録の割合と教科 7〜10(&R)..."), this);
    cmdRecords->setAccessibleName(U("記録の割合と教科 7〜10"));
    buttons->addWidget(cmdRecords);
    buttons->addStretch();
    Command1 = new QPushButton(U("登録"), this);
    Command2 = new QPushButton(U("ｷｬﾝｾﾙ"), this);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    layout->addLayout(buttons);

    // Each pair of choices is a group of its own.
    auto* modes = new QButtonGroup(this);
    modes->addButton(optRelative);
    modes->addButton(optCriterion);
    auto* terms = new QButtonGroup(this);
    terms->addButton(optThreeTerms);
    terms->addButton(optTwoTerms);

    connect(Command1, &QPushButton::clicked, this, &FormEvaluationMethod::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FormEvaluationMethod::Command2_Click);
    connect(cmdRecords, &QPushButton::clicked, this, &FormEvaluationMethod::RecordSettings_Click);

    // Reading order: the mode, the table row by row, the cut points, the terms, the buttons.
    QWidget* previous = optCriterion;
    setTabOrder(optRelative, optCriterion);
    for (int k = 0; k < kSubjectViewpoints; ++k) {
        setTabOrder(previous, spnA[k]);
        setTabOrder(spnA[k], spnC[k]);
        previous = spnC[k];
    }
    for (QWidget* next : std::initializer_list<QWidget*>{spnGradeA3, spnGradeC1, optThreeTerms, optTwoTerms,
                                                          cmdRecords, Command1, Command2}) {
        setTabOrder(previous, next);
        previous = next;
    }
    fill(book.Evaluation);
}

void FormEvaluationMethod::fill(const EvaluationSettings& settings)
{
    optRelative->setChecked(!settings.Criterion());
    optCriterion->setChecked(settings.Criterion());
    for (int k = 0; k < kSubjectViewpoints; ++k) {
        spnA[k]->setValue(settings.Cuts[k].a);
        spnC[k]->setValue(settings.Cuts[k].c);
    }
    spnGradeA3->setValue(settings.GradeA3 / 100.0);
    spnGradeC1->setValue(settings.GradeC1 / 100.0);
    optThreeTerms->setChecked(settings.Terms != 2);
    optTwoTerms->setChecked(settings.Terms == 2);
}

EvaluationSettings FormEvaluationMethod::Entered() const
{
    // The window owns the method alone: codes, accounts, the check list's
    // record and anything unread stay as they are.
    EvaluationSettings settings = pending_;
    settings.Mode = optCriterion->isChecked() ? EvaluationMode::Criterion : EvaluationMode::Relative;
    settings.Terms = optTwoTerms->isChecked() ? 2 : 3;
    for (int k = 0; k < kSubjectViewpoints; ++k)
        settings.Cuts[k] = CriterionCut{spnA[k]->value(), spnC[k]->value()};
    settings.GradeA3 = static_cast<int>(spnGradeA3->value() * 100 + 0.5);
    settings.GradeC1 = static_cast<int>(spnGradeC1->value() * 100 + 0.5);
    return settings;
}

void FormEvaluationMethod::Command1_Click()
{
    GradeBook& book = Book();
    const EvaluationSettings settings = Entered();
    const EvaluationProblem problem = CheckEvaluationSettings(book, settings);
    if (!problem.message.empty()) {
        platform_.ShowMessage(this, U(problem.message), U(texts::kProgramTitle), MessageButtons::Ok,
                              MessageIcon::None);
        QWidget* refused = problem.cut >= 0 ? static_cast<QWidget*>(spnA[problem.cut]) : spnGradeC1;
        refused->setFocus();
        return;
    }
    // The semester names follow the term system; the third semester's data stays.
    const bool termsChanged = settings.Terms != book.Evaluation.Terms;
    if (termsChanged)
        ApplyTerms(book, settings.Terms);
    // Subjects 7..10 named, renamed or given up change the tree as the terms do.
    const bool subjectsChanged = settings.Records.extra != book.Evaluation.Records.extra;
    book.Evaluation = settings;
    book.MarkChanged(EvaluationMethodStep());
    if (frmMain* main = MainForm())
        main->EvaluationSettingsChanged(termsChanged || subjectsChanged);
    closeEditor();
}

void FormEvaluationMethod::Command2_Click() { closeEditor(); }

void FormEvaluationMethod::RecordSettings_Click()
{
    FormRecordSettings dialog(platform_, pending_, this);
    if (dialog.exec() == QDialog::Accepted)
        pending_ = dialog.Entered();
}

void FormEvaluationMethod::closeEditor()
{
    if (!closed_) {
        closed_ = true;
        EnableMainWindow();
    }
    close();
}

void FormEvaluationMethod::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        Command2->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FormEvaluationMethod::closeEvent(QCloseEvent* event)
{
    // The window frame is ｷｬﾝｾﾙ.
    if (!closed_) {
        closed_ = true;
        EnableMainWindow();
    }
    event->accept();
}

} // namespace miravel
