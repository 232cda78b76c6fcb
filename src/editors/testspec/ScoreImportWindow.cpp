#include "editors/testspec/ScoreImportWindow.h"

#include "core/TextRules.h"
#include "mainwindow/ImportPreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace miravel {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

const QColor kRefusedColour(255, 220, 220);
const QColor kChangedColour(220, 240, 255);
// number, name, the tick of the row taken of a student's several, note,
// before and after per viewpoint
constexpr int kTakeColumn = 2, kNoteColumn = 3, kFirstPointColumn = 4;

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
    StampColumn = ColumnChooser(file.rows, true);
    ChooseColumn(StampColumn, found.stamp);
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
    QStringList headers = {QStringLiteral("出席番号"), QStringLiteral("生徒氏名"), QStringLiteral("取り込む"),
                           QStringLiteral("注意")};
    for (int k = 0; k < kViewpoints; ++k) {
        PointColumns[k] = ColumnChooser(file.rows, true);
        ChooseColumn(PointColumns[k], found.points[k]);
        PointColumns[k]->setEnabled(checks[k]);
        choices->addRow(Q(names[k + 1]) + QStringLiteral("の得点の列"), PointColumns[k]);
        PointColumns[k]->setAccessibleName(Q(names[k + 1]) + QStringLiteral("の得点の列"));
        headers << Q(names[k + 1]) + QStringLiteral("（前）") << Q(names[k + 1]) + QStringLiteral("（新）");
    }
    choices->addRow(QStringLiteral("提出時刻の列（同じ児童の行は最新を取り込みます）(&T)"), StampColumn);
    choices->addRow(QString(), HeaderRow);
    choices->addRow(QString(), TakeFullMarks);
    choices->addRow(QString(), KeepAccounts);

    Rows = new QTableView;
    Rows->setAccessibleName(QStringLiteral("ファイルの行"));
    Rows->setSelectionMode(QAbstractItemView::NoSelection);
    RowsShown = ShowFileRows(Rows, file.rows, headers);
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

    // Ticking another row of a student takes that one instead.
    connect(RowsShown, &PreviewRows::Ticked, this, [this](int r, int column, bool checked) {
        if (column != kTakeColumn)
            return;
        for (const ScoreImportRow& row : plan_.rows)
            if (row.fileRow == r + 1 && checked)
                picked_[row.number] = row.fileRow;
        // After the click is done; an unticked row comes back ticked: one
        // row of each student is taken.
        QMetaObject::invokeMethod(this, [this] { Refresh(); }, Qt::QueuedConnection);
    });
    for (QComboBox* chooser : {NumberColumn, NameColumn, AccountColumn, StampColumn, PointColumns[0], PointColumns[1],
                               PointColumns[2]})
        connect(chooser, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] { Refresh(); });
    for (QCheckBox* box : {HeaderRow, TakeFullMarks, KeepAccounts})
        connect(box, &QCheckBox::toggled, this, [this] { Refresh(); });
    Refresh();
}

bool ScoreImportWindow::StoreAccounts() const { return KeepAccounts->isChecked(); }

QString ScoreImportWindow::WithoutRows() const { return Q(WithoutRowsText(book_, plan_.withoutRows)); }

void ScoreImportWindow::Refresh()
{
    ScoreColumns columns;
    columns.number = ChosenColumn(NumberColumn);
    columns.name = ChosenColumn(NameColumn);
    columns.account = ChosenColumn(AccountColumn);
    for (int k = 0; k < kViewpoints; ++k)
        columns.points[k] = checks_[k] ? ChosenColumn(PointColumns[k]) : -1;
    columns.stamp = ChosenColumn(StampColumn);
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
    plan_ = PlanScoreImport(book_, grid_, file_.rows, columns, checks_, fullMarks_, picked_);

    int newAccounts = 0;
    RowsShown->ClearOwn();
    if (columns.header && RowsShown->rowCount() > 0)
        RowsShown->SetText(0, kNoteColumn, QStringLiteral("見出し"));
    for (const ScoreImportRow& row : plan_.rows) {
        const int r = row.fileRow - 1;
        newAccounts += !row.newAccount.empty() && row.refusal.empty();
        RowsShown->SetText(r, 0, row.number ? Q(Str(row.number)) : QString());
        RowsShown->SetText(r, 1, row.number ? Q(book_.StudentNames[row.number - 1]) : QStringLiteral("該当なし"));
        QStringList notes;
        if (!row.refusal.empty())
            notes << Q(row.refusal);
        else if (row.chosen)
            notes << (picked_.count(row.number) ? QStringLiteral("選んだ行を取り込みます")
                                                : QStringLiteral("いちばん新しい提出を取り込みます"));
        if (row.refusal.empty() && !row.newAccount.empty())
            notes << QStringLiteral("新しいアカウント ") + Q(row.newAccount);
        const QString note = notes.join(QStringLiteral("　"));
        RowsShown->SetText(r, kNoteColumn, note);
        if (row.sameStudent)
            RowsShown->SetCheck(r, kTakeColumn, row.chosen, QStringLiteral("この行を取り込む"));
        for (int k = 0; k < kViewpoints; ++k) {
            RowsShown->SetText(r, kFirstPointColumn + 2 * k, Q(row.before[k]), true);
            RowsShown->SetText(r, kFirstPointColumn + 1 + 2 * k, Q(row.after[k]), true);
            if (row.refusal.empty() && row.after[k] != row.before[k])
                RowsShown->SetBackground(r, kFirstPointColumn + 1 + 2 * k, kChangedColour);
        }
        if (!row.refusal.empty())
            for (int c : {0, 1, kNoteColumn})
                RowsShown->SetBackground(r, c, kRefusedColour);
        // An earlier submission stays in sight, struck through.
        if (row.passedOver)
            RowsShown->Strike(r, kNoteColumn);
    }
    RowsShown->Shown();
    Rows->resizeColumnsToContents();
    KeepAccounts->setText(QStringLiteral("新しいアカウントを名簿に記録する（") + QString::number(newAccounts) +
                          QStringLiteral("件、登録のとき）"));
    KeepAccounts->setEnabled(newAccounts > 0);

    const bool several = std::any_of(plan_.rows.begin(), plan_.rows.end(),
                                     [](const ScoreImportRow& row) { return row.sameStudent; });
    const int refused = static_cast<int>(std::count_if(plan_.rows.begin(), plan_.rows.end(),
                                                       [](const ScoreImportRow& row) { return !row.refusal.empty(); }));
    Summary->setText(QString::number(plan_.taken) + QStringLiteral("人の得点を取り込みます。取り込まない行：") +
                     QString::number(refused) + QStringLiteral("行。取り込んだ得点は「登録」を押すまで成績ファイルには入りません。") +
                     (several ? QStringLiteral("\n同じ児童の行が複数あるときは「取り込む」に印を付けた行を取り込みます。") : QString()) +
                     (plan_.withoutRows.empty() ? QString() : QStringLiteral("\n") + WithoutRows()));
    Take->setEnabled(plan_.taken > 0);
}

} // namespace miravel
