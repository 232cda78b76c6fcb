#include "editors/notes/NotesSettingsDialog.h"

#include "editors/notes/NotesRules.h"
#include "editors/notes/NotesTexts.h"
#include "mainwindow/MainWindowTexts.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace miravel {

namespace {

namespace nt = notes_texts;

QString U(const char* text) { return QString::fromUtf8(text); }
QString Q(const std::string& text) { return QString::fromStdString(text); }

constexpr int kMaxLimit = 2000;
constexpr int kMaxDays = 366;

QLabel* LabelFor(const QString& text, QWidget* field)
{
    auto* label = new QLabel(text);
    label->setBuddy(field);
    field->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return label;
}

} // namespace

NotesSettingsDialog::NotesSettingsDialog(Platform& platform, const ReportNotes& notes,
                                         const std::vector<std::string>& periods, QWidget* parent)
    : QDialog(parent), platform_(platform), notes_(notes)
{
    setWindowTitle(U(nt::kSettingsCaption));
    setAccessibleName(windowTitle());
    QList<QWidget*> order;

    auto* days = new QGroupBox(U("授業日数"));
    auto* daysGrid = new QGridLayout(days);
    for (std::size_t p = 0; p < periods.size() && p < kNotePeriods; ++p) {
        auto* box = new QSpinBox;
        box->setRange(-1, kMaxDays);
        box->setSpecialValueText(U(nt::kNotEntered));  // -1: not entered yet
        box->setSuffix(U("日"));
        const std::optional<int>& held = notes.Periods[static_cast<int>(p)].SchoolDays;
        box->setValue(held ? *held : -1);
        SchoolDays[p] = box;
        daysGrid->addWidget(LabelFor(Q(periods[p]) + U("の授業日数"), box), 0, static_cast<int>(2 * p));
        daysGrid->addWidget(box, 0, static_cast<int>(2 * p + 1));
        order << box;
    }

    auto* texts = new QGroupBox(U("書く文と字数の上限"));
    auto* textGrid = new QGridLayout(texts);
    const NoteText all[] = {NoteText::Remarks, NoteText::Moral, NoteText::Integrated, NoteText::Foreign};
    for (NoteText t : all) {
        const int i = static_cast<int>(t);
        const QString name = U(NoteTextName(t));
        if (t != NoteText::Remarks) {
            Uses[i] = new QCheckBox(name + U("を書く"));
            Uses[i]->setChecked(notes.Used(t));
            textGrid->addWidget(Uses[i], i, 0);
            order << Uses[i];
        } else {
            textGrid->addWidget(new QLabel(name + U("（いつも書きます）")), i, 0);
        }
        Limits[i] = new QSpinBox;
        Limits[i]->setRange(1, kMaxLimit);
        Limits[i]->setSuffix(U("字まで"));
        Limits[i]->setValue(notes.Limit(t));
        textGrid->addWidget(LabelFor(name + U("の上限"), Limits[i]), i, 1);
        textGrid->addWidget(Limits[i], i, 2);
        order << Limits[i];
    }

    auto* items = new QGroupBox(U("行動の記録の項目"));
    auto* itemGrid = new QGridLayout(items);
    for (int i = 0; i < kConductItems; ++i) {
        Items[i] = new QLineEdit(Q(notes.ConductItems[i]));
        const int row = i % 5, col = (i / 5) * 2;
        itemGrid->addWidget(LabelFor(QString::number(i + 1), Items[i]), row, col);
        Items[i]->setAccessibleName(U("行動の記録の項目 ") + QString::number(i + 1));
        itemGrid->addWidget(Items[i], row, col + 1);
    }
    for (int i = 0; i < kConductItems; ++i)  // down the first column, then the second
        order << Items[i];

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(U(nt::kCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    order << buttons->button(QDialogButtonBox::Ok) << buttons->button(QDialogButtonBox::Cancel);

    auto* page = new QVBoxLayout(this);
    page->addWidget(days);
    page->addWidget(texts);
    page->addWidget(items);
    page->addWidget(new QLabel(U("ここでの設定は、所見と出欠の「登録」で成績ファイルに入ります。")));
    page->addWidget(buttons);
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

ReportNotes NotesSettingsDialog::Entered() const
{
    ReportNotes notes = notes_;
    for (int p = 0; p < kNotePeriods; ++p)
        if (SchoolDays[p])
            notes.Periods[p].SchoolDays =
                SchoolDays[p]->value() < 0 ? std::nullopt : std::optional<int>(SchoolDays[p]->value());
    for (int i = 0; i < kNoteTexts; ++i) {
        notes.Limits[i] = Limits[i]->value();
        if (Uses[i])
            notes.Uses[i] = Uses[i]->isChecked();
    }
    for (int i = 0; i < kConductItems; ++i)
        notes.ConductItems[i] = Items[i]->text().trimmed().toStdString();
    return notes;
}

void NotesSettingsDialog::accept()
{
    const std::string problem = ClassSettingsProblem(Entered());
    if (!problem.empty()) {
        platform_.ShowMessage(this, Q(problem), U(texts::kProgramTitle), MessageButtons::Ok, MessageIcon::None);
        return;
    }
    QDialog::accept();
}

} // namespace miravel
