#include "editors/testspec/ScoreImportWindow.h"

#include "core/TextRules.h"
#include "mainwindow/ImportPreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace miravel {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

const QColor kRefusedColour(255, 220, 220);
const QColor kChangedColour(220, 240, 255);
constexpr int kOwnColumns = 3 + 2 * kViewpoints;  // number, name, note, before and after per viewpoint

} // namespace

ScoreImportWindow::ScoreImportWindow(const CsvTableFile& file, const QString& path, const GradeBook& book,
                                     const TextGrid& grid, const ViewpointChecks& checks,
                                     const ViewpointTexts& fullMarks, QWidget* parent)
    : QDialog(parent), file_(file), book_(book), grid_(grid), checks_(checks), typedFullMarks_(fullMarks),
      fullMarks_(fullMarks)
{
    setWindowTitle(QStringLiteral("得点の読み込み"));
    setAccessibleName(windowTitle());
    const ScoreColumns found = DetectScoreColumns(file.rows, checks);
    NumberColumn = ColumnChooser(file.rows, true);
    NameColumn = ColumnChooser(file.rows, true);
    AccountColumn = ColumnChooser(file.rows, true);
    ChooseColumn(NumberColumn, found.number);
    ChooseColumn(NameColumn, found.name);
    ChooseColumn(AccountColumn, found.account);
    HeaderRow = new QCheckBox(QStringLiteral("1行目は見出し（読み込まない）(&H)"));
    HeaderRow->setChecked(found.header);
    TakeFullMarks = new QCheckBox;
    TakeFullMarks->setChecked(true);
    KeepAccounts = new QCheckBox;
    KeepAccounts->setChecked(true);

    auto* choices = new QFormLayout;
    choices->addRow(new QLabel(QStringLiteral("生徒を見分ける列（アカウント、出席番号、氏名の順に照らし合わせます）")));
    choices->addRow(QStringLiteral("アカウント（IDかメール）の列(&A)"), AccountColumn);
    choices->addRow(QStringLiteral("出席番号の列(&B)"), NumberColumn);
    choices->addRow(QStringLiteral("氏名の列(&N)"), NameColumn);
    const auto& names = book.SubjectTable[book.CurrentSubject];
    QStringList headers = {QStringLiteral("出席番号"), QStringLiteral("生徒氏名"), QStringLiteral("注意")};
    for (int k = 0; k < kViewpoints; ++k) {
        PointColumns[k] = ColumnChooser(file.rows, true);
        ChooseColumn(PointColumns[k], found.points[k]);
        PointColumns[k]->setEnabled(checks[k]);
        choices->addRow(Q(names[k + 1]) + QStringLiteral("の得点の列"), PointColumns[k]);
        PointColumns[k]->setAccessibleName(Q(names[k + 1]) + QStringLiteral("の得点の列"));
        headers << Q(names[k + 1]) + QStringLiteral("（前）") << Q(names[k + 1]) + QStringLiteral("（新）");
    }
    choices->addRow(QString(), HeaderRow);
    choices->addRow(QString(), TakeFullMarks);
    choices->addRow(QString(), KeepAccounts);

    Rows = new QTableWidget;
    Rows->setAccessibleName(QStringLiteral("ファイルの行"));
    Rows->setSelectionMode(QAbstractItemView::NoSelection);
    ShowFileRows(Rows, file.rows, kOwnColumns, headers);
    Rows->setMinimumSize(820, 340);

    Summary = new QLabel;
    Summary->setWordWrap(true);
    auto* buttons = new QDialogButtonBox;
    Take = buttons->addButton(QStringLiteral("取り込む"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* page = new QVBoxLayout(this);
    page->addWidget(new QLabel(FileLine(path, file.encoding)));
    page->addLayout(choices);
    page->addWidget(Rows, 1);
    page->addWidget(Summary);
    page->addWidget(buttons);

    for (QComboBox* chooser : {NumberColumn, NameColumn, AccountColumn, PointColumns[0], PointColumns[1], PointColumns[2]})
        connect(chooser, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] { Refresh(); });
    for (QCheckBox* box : {HeaderRow, TakeFullMarks, KeepAccounts})
        connect(box, &QCheckBox::toggled, this, [this] { Refresh(); });
    Refresh();
}

bool ScoreImportWindow::StoreAccounts() const { return KeepAccounts->isChecked(); }

void ScoreImportWindow::Refresh()
{
    ScoreColumns columns;
    columns.number = ChosenColumn(NumberColumn);
    columns.name = ChosenColumn(NameColumn);
    columns.account = ChosenColumn(AccountColumn);
    for (int k = 0; k < kViewpoints; ++k)
        columns.points[k] = checks_[k] ? ChosenColumn(PointColumns[k]) : -1;
    columns.header = HeaderRow->isChecked();

    // The offers come from the file as the editor's fields stand; taken, the
    // scores are checked against them.
    const ScoreImportPlan offers = PlanScoreImport(book_, grid_, file_.rows, columns, checks_, typedFullMarks_);
    fullMarks_ = typedFullMarks_;
    QStringList offered;
    const auto& names = book_.SubjectTable[book_.CurrentSubject];
    for (int k = 0; k < kViewpoints; ++k) {
        if (!offers.offeredFullMarks[k])
            continue;
        offered << Q(names[k + 1]) + QStringLiteral(" ") + QString::number(*offers.offeredFullMarks[k]) +
                       QStringLiteral("点");
        if (TakeFullMarks->isChecked())
            fullMarks_[k] = Str(*offers.offeredFullMarks[k]);
    }
    TakeFullMarks->setText(QStringLiteral("ファイルの配点を入れる：") +
                           (offered.isEmpty() ? QStringLiteral("なし") : offered.join(QStringLiteral("、"))));
    TakeFullMarks->setEnabled(!offered.isEmpty());
    plan_ = PlanScoreImport(book_, grid_, file_.rows, columns, checks_, fullMarks_);

    int newAccounts = 0;
    for (int r = 0; r < Rows->rowCount(); ++r)
        for (int c = 0; c < kOwnColumns; ++c)
            Rows->setItem(r, c, new QTableWidgetItem);
    if (columns.header && Rows->rowCount() > 0)
        Rows->item(0, 2)->setText(QStringLiteral("見出し"));
    for (const ScoreImportRow& row : plan_.rows) {
        const int r = row.fileRow - 1;
        newAccounts += !row.newAccount.empty() && row.refusal.empty();
        Rows->item(r, 0)->setText(row.number ? Q(Str(row.number)) : QString());
        Rows->item(r, 1)->setText(row.number ? Q(book_.StudentNames[row.number - 1]) : QStringLiteral("該当なし"));
        QString note = Q(row.refusal);
        if (row.refusal.empty() && !row.newAccount.empty())
            note = QStringLiteral("新しいアカウント ") + Q(row.newAccount);
        Rows->item(r, 2)->setText(note);
        for (int k = 0; k < kViewpoints; ++k) {
            Rows->item(r, 3 + 2 * k)->setText(Q(row.before[k]));
            Rows->item(r, 4 + 2 * k)->setText(Q(row.after[k]));
            Rows->item(r, 3 + 2 * k)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Rows->item(r, 4 + 2 * k)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (row.refusal.empty() && row.after[k] != row.before[k])
                Rows->item(r, 4 + 2 * k)->setBackground(kChangedColour);
        }
        if (!row.refusal.empty())
            for (int c = 0; c < 3; ++c)
                Rows->item(r, c)->setBackground(kRefusedColour);
    }
    Rows->resizeColumnsToContents();
    KeepAccounts->setText(QStringLiteral("新しいアカウントを名簿に記録する（") + QString::number(newAccounts) +
                          QStringLiteral("件、登録のとき）"));
    KeepAccounts->setEnabled(newAccounts > 0);

    const int refused = static_cast<int>(std::count_if(plan_.rows.begin(), plan_.rows.end(),
                                                       [](const ScoreImportRow& row) { return !row.refusal.empty(); }));
    Summary->setText(QString::number(plan_.taken) + QStringLiteral("人の得点を取り込みます。取り込まない行：") +
                     QString::number(refused) + QStringLiteral("行。取り込んだ得点は「登録」を押すまで成績ファイルには入りません。"));
    Take->setEnabled(plan_.taken > 0);
}

} // namespace miravel
