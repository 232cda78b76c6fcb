#include "editors/evaluation/FormRecordSettings.h"

#include "editors/evaluation/RecordSettingsRules.h"
#include "mainwindow/MainWindowTexts.h"
#include "platform/Platform.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace miravel {

namespace {

QString U(const std::string& text) { return QString::fromStdString(text); }
QString U(const char* text) { return QString::fromUtf8(text); }

QSpinBox* PercentBox(QWidget* parent, const std::string& name)
{
    auto* box = new QSpinBox(parent);
    box->setRange(0, 100);
    box->setSuffix(QStringLiteral(" %"));
    box->setAccessibleName(U(name));
    return box;
}

std::string SubjectLabel(int subject) { return "教科 " + std::to_string(subject + 1); }

} // namespace

FormRecordSettings::FormRecordSettings(Platform& platform, const EvaluationSettings& settings, QWidget* parent)
    : QDialog(parent), platform_(platform), settings_(settings)
{
    const GradeBook& book = Book();
    const ClassRecords& records = settings.Records;
    setWindowTitle(U("記録の割合と教科 7〜10"));
    setAccessibleName(windowTitle());
    auto* layout = new QVBoxLayout(this);

    auto* fraWeights = new QGroupBox(U("記録の割合（観点ごとに、平常の記録がテストと合わせて占める割合）"), this);
    auto* weights = new QGridLayout(fraWeights);
    for (int v = 0; v < kRecordViewpoints; ++v)
        weights->addWidget(new QLabel(U("観点" + std::to_string(v + 1)), fraWeights), 0, 1 + v);
    for (int s = 0; s < kRecordSubjects; ++s) {
        auto* label = new QLabel(U(s < kBookSubjects ? book.SubjectTable[s][0] : SubjectLabel(s)), fraWeights);
        if (s >= kBookSubjects)
            lblWeightSubject[static_cast<std::size_t>(s - kBookSubjects)] = label;
        weights->addWidget(label, 1 + s, 0);
        for (int v = 0; v < kRecordViewpoints; ++v) {
            QSpinBox*& box = spnWeight[static_cast<std::size_t>(s * kRecordViewpoints + v)];
            box = PercentBox(fraWeights, "");
            box->setValue(records.Weight(s, v));
            weights->addWidget(box, 1 + s, 1 + v);
        }
        label->setBuddy(spnWeight[static_cast<std::size_t>(s * kRecordViewpoints)]);
    }
    layout->addWidget(fraWeights);

    auto* fraExtra = new QGroupBox(U("教科 7〜10（テストのない教科。平常の記録だけで評価します）"), this);
    auto* extra = new QGridLayout(fraExtra);
    extra->addWidget(new QLabel(U("教科の名前"), fraExtra), 0, 1);
    for (int v = 0; v < kRecordViewpoints; ++v)
        extra->addWidget(new QLabel(U("観点" + std::to_string(v + 1) + "の名前　A 以上 / C 未満"), fraExtra), 0,
                         2 + 3 * v, 1, 3);
    for (int e = 0; e < kExtraSubjects; ++e) {
        const int s = kBookSubjects + e;
        auto* label = new QLabel(U(SubjectLabel(s)), fraExtra);
        QComboBox*& name = cboName[static_cast<std::size_t>(e)];
        name = new QComboBox(fraExtra);
        name->setEditable(true);
        name->addItem(QString());
        for (const char* choice : kExtraSubjectChoices)
            name->addItem(U(choice));
        name->setEditText(U(records.extra[e].name));
        name->setAccessibleName(U(SubjectLabel(s) + "の名前（空欄は使わない）"));
        label->setBuddy(name);
        extra->addWidget(label, 1 + e, 0);
        extra->addWidget(name, 1 + e, 1);
        for (int v = 0; v < kRecordViewpoints; ++v) {
            const auto k = static_cast<std::size_t>(e * kRecordViewpoints + v);
            txtViewpoint[k] = new QLineEdit(U(records.extra[e].viewpoints[v]), fraExtra);
            // Room for the longest default name, 主体的に学習に取り組む態度.
            txtViewpoint[k]->setMinimumWidth(fontMetrics().horizontalAdvance(U(kDefaultViewpointNames[2])) + 16);
            spnA[k] = PercentBox(fraExtra, "");
            spnC[k] = PercentBox(fraExtra, "");
            spnA[k]->setValue(settings.CutOf(s, v).a);
            spnC[k]->setValue(settings.CutOf(s, v).c);
            extra->addWidget(txtViewpoint[k], 1 + e, 2 + 3 * v);
            extra->addWidget(spnA[k], 1 + e, 3 + 3 * v);
            extra->addWidget(spnC[k], 1 + e, 4 + 3 * v);
        }
        connect(name, &QComboBox::editTextChanged, this, &FormRecordSettings::showNames);
    }
    layout->addWidget(fraExtra);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdOk = new QPushButton(U("OK"), this);
    cmdCancel = new QPushButton(U("ｷｬﾝｾﾙ"), this);
    cmdOk->setAccessibleName(U("OK"));
    cmdCancel->setAccessibleName(U("キャンセル"));
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
    connect(cmdOk, &QPushButton::clicked, this, &FormRecordSettings::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &FormRecordSettings::reject);

    // Reading order: the weights row by row, then each subject's row.
    QWidget* previous = nullptr;
    const auto chain = [this, &previous](QWidget* next) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    };
    for (QSpinBox* box : spnWeight)
        chain(box);
    for (int e = 0; e < kExtraSubjects; ++e) {
        chain(cboName[static_cast<std::size_t>(e)]);
        for (int v = 0; v < kRecordViewpoints; ++v) {
            const auto k = static_cast<std::size_t>(e * kRecordViewpoints + v);
            chain(txtViewpoint[k]);
            chain(spnA[k]);
            chain(spnC[k]);
        }
    }
    chain(cmdOk);
    chain(cmdCancel);
    showNames();
}

// The names typed so far label the weights and the cells of each subject.
void FormRecordSettings::showNames()
{
    const GradeBook& book = Book();
    for (int s = 0; s < kRecordSubjects; ++s) {
        const bool extra = s >= kBookSubjects;
        const std::string typed =
            extra ? cboName[static_cast<std::size_t>(s - kBookSubjects)]->currentText().trimmed().toStdString()
                  : book.SubjectTable[s][0];
        const std::string subject = typed.empty() ? SubjectLabel(s) : typed;
        if (extra)
            lblWeightSubject[static_cast<std::size_t>(s - kBookSubjects)]->setText(U(subject));
        for (int v = 0; v < kRecordViewpoints; ++v) {
            const auto k = static_cast<std::size_t>(s * kRecordViewpoints + v);
            spnWeight[k]->setAccessibleName(U(subject + " 観点" + std::to_string(v + 1) + " 記録の割合"));
            spnWeight[k]->setEnabled(!extra || !typed.empty());
            if (!extra)
                continue;
            const auto e = static_cast<std::size_t>((s - kBookSubjects) * kRecordViewpoints + v);
            const std::string cell = subject + " 観点" + std::to_string(v + 1);
            txtViewpoint[e]->setAccessibleName(U(cell + "の名前"));
            spnA[e]->setAccessibleName(U(cell + " A の基準"));
            spnC[e]->setAccessibleName(U(cell + " C の基準"));
            for (QWidget* field : {static_cast<QWidget*>(txtViewpoint[e]), static_cast<QWidget*>(spnA[e]),
                                   static_cast<QWidget*>(spnC[e])})
                field->setEnabled(!typed.empty());
        }
    }
}

EvaluationSettings FormRecordSettings::Entered() const
{
    EvaluationSettings settings = settings_;
    ClassRecords& records = settings.Records;
    for (int s = 0; s < kRecordSubjects; ++s)
        for (int v = 0; v < kRecordViewpoints; ++v)
            records.Weight(s, v) = spnWeight[static_cast<std::size_t>(s * kRecordViewpoints + v)]->value();
    for (int e = 0; e < kExtraSubjects; ++e) {
        records.extra[e].name = cboName[static_cast<std::size_t>(e)]->currentText().trimmed().toStdString();
        for (int v = 0; v < kRecordViewpoints; ++v) {
            const auto k = static_cast<std::size_t>(e * kRecordViewpoints + v);
            records.extra[e].viewpoints[v] = txtViewpoint[k]->text().trimmed().toStdString();
            settings.CutOf(kBookSubjects + e, v) = CriterionCut{spnA[k]->value(), spnC[k]->value()};
        }
    }
    return settings;
}

void FormRecordSettings::accept()
{
    const RecordSettingsProblem problem = CheckRecordSettings(Book(), Entered());
    if (problem.message.empty()) {
        QDialog::accept();
        return;
    }
    platform_.ShowMessage(this, U(problem.message), U(texts::kProgramTitle), MessageButtons::Ok, MessageIcon::None);
    const auto k = static_cast<std::size_t>(std::max(problem.subject - kBookSubjects, 0) * kRecordViewpoints +
                                            std::max(problem.viewpoint, 0));
    switch (problem.field) {
    case RecordSettingsField::Weight:
        spnWeight[static_cast<std::size_t>(problem.subject * kRecordViewpoints + problem.viewpoint)]->setFocus();
        break;
    case RecordSettingsField::Name:
        cboName[static_cast<std::size_t>(problem.subject - kBookSubjects)]->setFocus();
        break;
    case RecordSettingsField::ViewpointName:
        txtViewpoint[k]->setFocus();
        break;
    case RecordSettingsField::Cut:
        spnA[k]->setFocus();
        break;
    case RecordSettingsField::None:
        break;
    }
}

} // namespace miravel
