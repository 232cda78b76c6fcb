#include "mainwindow/RosterImportWindow.h"

#include "core/TextRules.h"
#include "mainwindow/ImportPreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace miravel {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

const QColor kRefusedColour(255, 220, 220);
const QColor kDoubtColour(255, 245, 200);
const QColor kSkippedColour(235, 235, 235);

} // namespace

RosterImportWindow::RosterImportWindow(const CsvTableFile& file, const QString& path, const GradeDocument& book,
                                       bool onlyEmpty, const std::string& schoolYear, QWidget* parent)
    : QDialog(parent), file_(file), book_(book), onlyEmpty_(onlyEmpty), schoolYear_(schoolYear)
{
    setWindowTitle(QStringLiteral("名簿の読み込み"));
    setAccessibleName(windowTitle());
    const ImportColumns found = DetectColumns(file.rows);

    NameColumn = ColumnChooser(file.rows, false);
    NumberColumn = ColumnChooser(file.rows, true);
    AccountColumn = ColumnChooser(file.rows, true);
    CodeColumn = ColumnChooser(file.rows, true);
    ChooseColumn(NameColumn, std::max(found.name, 0));
    ChooseColumn(NumberColumn, found.number);
    ChooseColumn(AccountColumn, found.account);
    ChooseColumn(CodeColumn, found.code);
    HeaderRow = new QCheckBox(QStringLiteral("1行目は見出し（読み込まない）(&H)"));
    HeaderRow->setChecked(found.header);
    ClassFields = new QCheckBox;
    ClassFields->setChecked(true);

    auto* choices = new QFormLayout;
    choices->addRow(QStringLiteral("氏名の列(&N)"), NameColumn);
    choices->addRow(QStringLiteral("出席番号の列(&B)"), NumberColumn);
    choices->addRow(QStringLiteral("アカウント（IDかメール）の列(&A)"), AccountColumn);
    choices->addRow(QStringLiteral("児童コードの列(&C)"), CodeColumn);
    choices->addRow(QString(), HeaderRow);
    choices->addRow(QString(), ClassFields);

    Rows = new QTableView;
    Rows->setAccessibleName(QStringLiteral("ファイルの行"));
    Rows->setSelectionMode(QAbstractItemView::NoSelection);
    RowsShown = ShowFileRows(Rows, file.rows, {QStringLiteral("出席番号"), QStringLiteral("氏名"), QStringLiteral("注意")});
    Rows->setMinimumSize(720, 360);

    Summary = new QLabel;
    Summary->setWordWrap(true);
    auto* buttons = new QDialogButtonBox;
    Import = buttons->addButton(QStringLiteral("読み込む"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* page = new QVBoxLayout(this);
    page->addWidget(new QLabel(FileLine(path, file.encoding)));
    if (onlyEmpty)
        page->addWidget(new QLabel(QStringLiteral("名簿に名前があるので、空いている出席番号にだけ入れます。"
                                                  "名簿にある児童には、空いている児童コードとアカウントだけを加えます。")));
    page->addLayout(choices);
    page->addWidget(Rows, 1);
    page->addWidget(Summary);
    page->addWidget(buttons);

    for (QComboBox* chooser : {NameColumn, NumberColumn, AccountColumn, CodeColumn})
        connect(chooser, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] { Refresh(); });
    connect(HeaderRow, &QCheckBox::toggled, this, [this] { Refresh(); });
    connect(ClassFields, &QCheckBox::toggled, this, [this] { Refresh(); });
    Refresh();
}

void RosterImportWindow::Refresh()
{
    ImportColumns columns;
    columns.name = ChosenColumn(NameColumn);
    columns.number = ChosenColumn(NumberColumn);
    columns.account = ChosenColumn(AccountColumn);
    columns.code = ChosenColumn(CodeColumn);
    const bool header = HeaderRow->isChecked();
    plan_ = PlanRoster(file_.rows, columns, header, book_, onlyEmpty_);
    // The header's 学年 and 組 columns, for a class not registered yet.
    const ImportColumns found = DetectColumns(file_.rows);
    RosterClassFields fields = header && !schoolYear_.empty() ? ClassFieldsOfRoster(file_.rows, found, true)
                                                               : RosterClassFields{};
    fields.schoolYear = schoolYear_;
    ClassFields->setVisible(!fields.empty());
    ClassFields->setText(QStringLiteral("学級の年度・学年・組に入れる(&G)：") + Q(fields.schoolYear) + QLatin1Char(' ') +
                         Q(fields.gradeLevel + fields.className));
    if (!fields.empty() && ClassFields->isChecked())
        plan_.classFields = fields;

    RowsShown->ClearOwn();
    if (header && RowsShown->rowCount() > 0)
        RowsShown->SetText(0, 2, QStringLiteral("見出し"));
    QStringList refusals;
    for (const RosterRow& row : plan_.rows) {
        const int r = row.fileRow - 1;
        RowsShown->SetText(r, 0, row.number > 0 ? Q(Str(row.number)) : QString());
        RowsShown->SetText(r, 1, Q(row.name));
        RowsShown->SetText(r, 2, Q(row.note));
        QColor colour;
        if (row.state == RosterRowState::Refused) {
            colour = kRefusedColour;
            refusals << QString::number(row.fileRow) + QStringLiteral("行目：") + Q(row.note);
        } else if (row.state == RosterRowState::Skipped || row.state == RosterRowState::Kept) {
            colour = kSkippedColour;
        } else if (!row.note.empty()) {
            colour = kDoubtColour;
        }
        if (colour.isValid())
            for (int c = 0; c < 3; ++c)
                RowsShown->SetBackground(r, c, colour);
    }
    RowsShown->Shown();
    Rows->resizeColumnsToContents();

    const RosterChanges changes = CountRosterChanges(book_, plan_);
    QString text = Q(RosterChangesText(changes, plan_.classFields));
    text += RefusedRowsText(refusals);
    Summary->setText(text);
    Import->setEnabled(!(changes == RosterChanges{}) || plan_.stored > 0);
}

} // namespace miravel
