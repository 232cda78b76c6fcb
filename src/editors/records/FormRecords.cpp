#include "editors/records/FormRecords.h"

#include "core/GradeBook.h"
#include "editors/EditorKeys.h"
#include "editors/records/RecordBook.h"
#include "editors/records/RecordHeadingDialog.h"
#include "editors/records/RecordKeys.h"
#include "editors/records/RecordPaste.h"
#include "editors/testspec/ScorePaste.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/frmMain.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace miravel {

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }
QString U(const std::string& text) { return QString::fromStdString(text); }

constexpr int kFirstRecordColumn = 2;
const QColor kTypingColour(0xFF, 0xF4, 0xC0);
const QColor kStripeColour(0xFF, 0xFF, 0xE0);

// A key as the cell rules know it; false for keys that are not the cell's.
bool ToGridKey(const QKeyEvent* event, bool typing, GridKey& key)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (event->key()) {
    case Qt::Key_Delete: key = {GridKeyName::Delete, ""}; return true;
    case Qt::Key_Backspace: key = {GridKeyName::Backspace, ""}; return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: key = {GridKeyName::Enter, ""}; return true;
    case Qt::Key_Tab: key = {GridKeyName::Tab, ""}; return true;
    case Qt::Key_Backtab: key = {GridKeyName::Backtab, ""}; return true;
    case Qt::Key_Up: key = {GridKeyName::Up, ""}; return true;
    case Qt::Key_Down: key = {GridKeyName::Down, ""}; return true;
    // Left and right move as the table does, unless digits wait to be entered.
    case Qt::Key_Right: key = {GridKeyName::Tab, ""}; return typing;
    case Qt::Key_Left: key = {GridKeyName::Backtab, ""}; return typing;
    case Qt::Key_Escape: key = {GridKeyName::Escape, ""}; return true;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    key = {GridKeyName::Text, text.toStdString()};
    return true;
}

} // namespace

FormRecords::FormRecords(Platform& platform, RecordsPlace place, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), platform_(platform),
      place_(place)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(U("平常の記録"));
    setAccessibleName(windowTitle());
    sheet_ = opened_ = SheetOf(Book().Evaluation.Records, place_.subject, place_.period);
    createControls();
    AddRegisterShortcut(cmdRegister);
    showSheet();
    moveTo(0, kFirstRecordColumn);
    tblRecords->setFocus();
}

void FormRecords::createControls()
{
    const GradeBook& book = Book();
    auto* layout = new QVBoxLayout(this);
    lblHeading = new QLabel(U(RecordsPlaceName(book, place_.subject, place_.period)), this);
    layout->addWidget(lblHeading);

    tblRecords = new QTableWidget(this);
    tblRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    tblRecords->verticalHeader()->hide();
    tblRecords->setAccessibleName(U("平常の記録の表（行は児童、列は記録）"));
    tblRecords->installEventFilter(this);
    connect(tblRecords, &QTableWidget::currentCellChanged, this,
            [this](int, int, int previousRow, int previousColumn) { enterTyping(previousRow, previousColumn); });
    connect(tblRecords->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, [this](int column) {
        if (column >= kFirstRecordColumn) {
            tblRecords->setCurrentCell(std::max(tblRecords->currentRow(), 0), column);
            ChangeHeadingClick();
        }
    });
    layout->addWidget(tblRecords, 1);

    lblStatus = new QLabel(U("記号の列は 3・2・1（a・b・c）で ◎・○・△、* で欠席。点数の列は数字と Enter。"), this);
    lblStatus->setAccessibleName(U("入力の案内"));
    lblStatus->setWordWrap(true);
    layout->addWidget(lblStatus);

    auto* buttons = new QHBoxLayout;
    cmdAdd = new QPushButton(U("記録を加える(&A)..."), this);
    cmdHeading = new QPushButton(U("見出しの変更(&H)..."), this);
    cmdRemove = new QPushButton(U("記録を削除(&D)"), this);
    cmdPaste = new QPushButton(U("貼り付け(&P)"), this);
    cmdRegister = new QPushButton(U("登録"), this);
    cmdCancel = new QPushButton(U("ｷｬﾝｾﾙ"), this);
    for (QPushButton* button : {cmdAdd, cmdHeading, cmdRemove, cmdPaste}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    for (QPushButton* button : {cmdRegister, cmdCancel}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    cmdAdd->setAccessibleName(U("記録を加える"));
    cmdHeading->setAccessibleName(U("見出しの変更"));
    cmdRemove->setAccessibleName(U("記録を削除"));
    cmdPaste->setAccessibleName(U("貼り付け"));
    cmdRegister->setAccessibleName(U("登録"));
    cmdCancel->setAccessibleName(U("キャンセル"));
    lblHeading->setAccessibleName(lblHeading->text());

    connect(cmdAdd, &QPushButton::clicked, this, &FormRecords::AddRecordClick);
    connect(cmdHeading, &QPushButton::clicked, this, &FormRecords::ChangeHeadingClick);
    connect(cmdRemove, &QPushButton::clicked, this, &FormRecords::RemoveRecordClick);
    connect(cmdPaste, &QPushButton::clicked, this, &FormRecords::PasteClick);
    connect(cmdRegister, &QPushButton::clicked, this, &FormRecords::RegisterClick);
    connect(cmdCancel, &QPushButton::clicked, this, &FormRecords::CancelClick);
    // Tab moves between cells inside the table; reading order for the rest.
    setTabOrder(tblRecords, cmdAdd);
    setTabOrder(cmdAdd, cmdHeading);
    setTabOrder(cmdHeading, cmdRemove);
    setTabOrder(cmdRemove, cmdPaste);
    setTabOrder(cmdPaste, cmdRegister);
    setTabOrder(cmdRegister, cmdCancel);
    resize(900, 600);
}

// ---- Showing ------------------------------------------------------------------

bool FormRecords::named(int row) const { return !Book().StudentNames[row].empty(); }

void FormRecords::showSheet()
{
    const GradeBook& book = Book();
    const int rows = book.StudentCount;
    const int columns = kFirstRecordColumn + static_cast<int>(sheet_.columns.size());
    tblRecords->setRowCount(rows);
    tblRecords->setColumnCount(columns);
    QStringList headers{U("出席番号"), U("氏名")};
    for (const RecordColumn& column : sheet_.columns)
        headers << U(ColumnCaption(column.heading,
                                   RecordViewpointName(book, place_.subject, column.heading.viewpoint)));
    tblRecords->setHorizontalHeaderLabels(headers);
    for (int row = 0; row < rows; ++row) {
        auto* number = new QTableWidgetItem(QString::number(row + 1));
        auto* name = new QTableWidgetItem(U(book.StudentNames[row]));
        number->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        tblRecords->setItem(row, 0, number);
        tblRecords->setItem(row, 1, name);
        for (int column = kFirstRecordColumn; column < columns; ++column)
            showCell(row, column);
    }
    tblRecords->resizeColumnsToContents();
}

void FormRecords::showCell(int row, int column)
{
    QTableWidgetItem* item = tblRecords->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        // A number without a student takes no record.
        item->setFlags(named(row) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags);
        tblRecords->setItem(row, column, item);
    }
    const bool typing = row == typingRow_ && column == typingColumn_ && !typing_.empty();
    const auto& values = sheet_.columns[static_cast<std::size_t>(recordAt(column))].values;
    item->setText(U(typing ? typing_ : values[static_cast<std::size_t>(row)]));
    item->setBackground(typing ? kTypingColour : row % 2 == 0 ? kStripeColour : QColor(Qt::white));
}

// ---- Keys -----------------------------------------------------------------------

bool FormRecords::cellKey(const GridKey& key)
{
    const int row = tblRecords->currentRow(), column = tblRecords->currentColumn();
    if (row < 0 || column < kFirstRecordColumn || !named(row))
        return false;
    RecordColumn& record = sheet_.columns[static_cast<std::size_t>(recordAt(column))];
    const KeyOutcome outcome = CellKey(record.heading.points, record.heading.full, typing_, key);
    if (!outcome.handled)
        return false;
    typing_ = outcome.typing;
    typingRow_ = row;
    typingColumn_ = column;
    if (outcome.changed)
        record.values[static_cast<std::size_t>(row)] = outcome.value;
    lblStatus->setText(U(outcome.refusal));
    showCell(row, column);

    int nextRow = row, nextColumn = column;
    const int lastColumn = tblRecords->columnCount() - 1;
    switch (outcome.move) {
    case GridMove::Down:
        for (int r = row + 1; r < tblRecords->rowCount(); ++r)
            if (named(r)) {
                nextRow = r;
                break;
            }
        break;
    case GridMove::Up:
        for (int r = row - 1; r >= 0; --r)
            if (named(r)) {
                nextRow = r;
                break;
            }
        break;
    case GridMove::Right:
        nextColumn = std::min(column + 1, lastColumn);
        break;
    case GridMove::Left:
        nextColumn = std::max(column - 1, kFirstRecordColumn);
        break;
    case GridMove::Stay:
        break;
    }
    if (nextRow != row || nextColumn != column)
        moveTo(nextRow, nextColumn);
    return true;
}

void FormRecords::enterTyping(int row, int column)
{
    if (typing_.empty() || row != typingRow_ || column != typingColumn_)
        return;
    RecordColumn& record = sheet_.columns[static_cast<std::size_t>(recordAt(column))];
    const PointsCheck check = CheckPoints(typing_, record.heading.full);
    typing_.clear();
    if (check.refusal.empty())
        record.values[static_cast<std::size_t>(row)] = check.value;
    else
        lblStatus->setText(U("出席番号 " + std::to_string(row + 1) + " の入力を取り消しました：" + check.refusal));
    showCell(row, column);
}

void FormRecords::moveTo(int row, int column)
{
    if (tblRecords->rowCount() == 0 || column >= tblRecords->columnCount())
        return;
    while (row < tblRecords->rowCount() - 1 && !named(row))
        ++row;
    tblRecords->setCurrentCell(row, column);
}

bool FormRecords::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tblRecords && event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (keyEvent->matches(QKeySequence::Paste)) {
            PasteClick();
            return true;
        }
        GridKey key;
        if (ToGridKey(keyEvent, !typing_.empty(), key) && cellKey(key))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

// ---- Columns and paste --------------------------------------------------------------

void FormRecords::AddRecordClick()
{
    if (static_cast<int>(sheet_.columns.size()) >= kMaxRecords) {
        inform(AddRecord(sheet_, RecordHeading{}, kRecordStudents).message);
        return;
    }
    const GradeBook& book = Book();
    std::array<std::string, 3> names;
    for (int v = 0; v < 3; ++v)
        names[static_cast<std::size_t>(v)] = RecordViewpointName(book, place_.subject, v);
    RecordHeading initial;
    initial.date = platform_.Today().toString(QStringLiteral("yyyy/MM/dd")).toStdString();
    RecordHeadingDialog dialog(this, U("記録を加える"), names, initial, [this](const RecordHeading& heading) {
        return AddRecord(sheet_, heading, kRecordStudents);
    });
    if (dialog.exec() != QDialog::Accepted)
        return;
    showSheet();
    moveTo(0, tblRecords->columnCount() - 1);
    tblRecords->setFocus();
}

void FormRecords::ChangeHeadingClick()
{
    const int record = recordAt(tblRecords->currentColumn());
    if (record < 0) {
        inform("見出しを変える記録の列を選んでください。");
        return;
    }
    std::array<std::string, 3> names;
    for (int v = 0; v < 3; ++v)
        names[static_cast<std::size_t>(v)] = RecordViewpointName(Book(), place_.subject, v);
    RecordHeadingDialog dialog(this, U("見出しの変更"), names, sheet_.columns[static_cast<std::size_t>(record)].heading,
                               [this, record](const RecordHeading& heading) {
                                   return ChangeHeading(sheet_, record, heading);
                               });
    if (dialog.exec() == QDialog::Accepted)
        showSheet();
    tblRecords->setFocus();
}

void FormRecords::RemoveRecordClick()
{
    const int record = recordAt(tblRecords->currentColumn());
    if (record < 0) {
        inform("削除する記録の列を選んでください。");
        return;
    }
    const RecordColumn& column = sheet_.columns[static_cast<std::size_t>(record)];
    const std::string question = "記録「" + column.heading.title + "」を削除しますか？入力した値も消えます。";
    if (platform_.ShowMessage(this, U(question), U(texts::kProgramTitle), MessageButtons::YesNoDefaultNo,
                              MessageIcon::None) != MessageAnswer::Yes)
        return;
    typing_.clear();
    RemoveRecord(sheet_, record);
    const int at = tblRecords->currentColumn();
    showSheet();
    moveTo(std::max(tblRecords->currentRow(), 0), std::min(at, tblRecords->columnCount() - 1));
}

void FormRecords::PasteClick()
{
    const int row = std::max(tblRecords->currentRow(), 0);
    const int record = std::max(recordAt(tblRecords->currentColumn()), 0);
    if (sheet_.columns.empty()) {
        inform("先に「記録を加える」で記録の列を作ってください。");
        return;
    }
    const GradeBook& book = Book();
    std::vector<bool> names;
    for (int n = 1; n <= book.StudentCount; ++n)
        names.push_back(!book.StudentNames[n - 1].empty());
    const RecordPastePlan plan = PlanRecordPaste(
        sheet_, ClipboardBlock(QApplication::clipboard()->text().toStdString()), row + 1, record, names);
    typing_.clear();
    ApplyRecordPaste(sheet_, plan);
    showSheet();
    moveTo(row, kFirstRecordColumn + record);
    inform(RecordPasteSummary(sheet_, plan));
}

// ---- Closing ----------------------------------------------------------------------

void FormRecords::RegisterClick()
{
    if (!typing_.empty()) {
        const RecordColumn& record = sheet_.columns[static_cast<std::size_t>(recordAt(typingColumn_))];
        const PointsCheck check = CheckPoints(typing_, record.heading.full);
        if (!check.refusal.empty()) {
            inform("出席番号 " + std::to_string(typingRow_ + 1) + "：" + check.refusal);
            tblRecords->setFocus();
            return;
        }
        enterTyping(typingRow_, typingColumn_);
    }
    RegisterRecords(Book(), place_.subject, place_.period, sheet_);
    leave();
}

void FormRecords::CancelClick()
{
    if (!MayDropEntries(platform_, this, HasPendingChanges()))
        return;
    leave();
}

void FormRecords::reject() { CancelClick(); }

void FormRecords::inform(const std::string& text)
{
    platform_.ShowMessage(this, U(text), U(texts::kProgramTitle), MessageButtons::Ok, MessageIcon::None);
}

void FormRecords::leave()
{
    leaving_ = true;
    EnableMainWindow();
    hide();
    close();
}

void FormRecords::closeEvent(QCloseEvent* event)
{
    if (!leaving_) {
        // The window manager closing it is ｷｬﾝｾﾙ; the main window closing
        // its editors at exit does not ask.
        if (event->spontaneous() && !MayDropEntries(platform_, this, HasPendingChanges())) {
            event->ignore();
            return;
        }
        leaving_ = true;
        EnableMainWindow();
    }
    event->accept();
}

} // namespace miravel
