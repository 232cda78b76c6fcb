#include "editors/testspec/FormTestSpec.h"

#include "core/GradeBook.h"
#include "core/TextRules.h"
#include "editors/testspec/ScoreTable.h"
#include "editors/testspec/TestDate.h"
#include "editors/testspec/TestRegistration.h"
#include "editors/testspec/TestSpecTexts.h"
#include "mainwindow/GridMirror.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/frmMain.h"
#include "platform/InputMode.h"
#include "platform/Platform.h"
#include "platform/Twips.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <iterator>

namespace miravel {

namespace ts = testspec_texts;

namespace {

// The score table's width in twips; its columns are shared out from it.
constexpr int kTableWidth = 7800;

QString Q(const char* text) { return QString::fromUtf8(text); }
QString Q(const std::string& text) { return QString::fromStdString(text); }

// Full marks as the field shows them: " 50", or " 50.5" for a part mark.
QString FullMarksText(Single value)
{
    if (value == static_cast<Single>(static_cast<long>(value)))
        return Q(Str(static_cast<long>(value)));
    return QLatin1Char(' ') + QString::number(static_cast<double>(value));
}

QLabel* Caption(const char* text, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(Q(text));
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

} // namespace

FormTestSpec::FormTestSpec(Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), platform_(platform)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Q(ts::kWindowCaption));
    setAccessibleName(windowTitle());
    createControls();
    setTabOrder();
    Form_Load();
}

FormTestSpec::~FormTestSpec() = default;

// ---- Controls ---------------------------------------------------------------

void FormTestSpec::createControls()
{
    Label11 = new QLabel;
    QFont headingFont = Label11->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    headingFont.setBold(true);
    Label11->setFont(headingFont);

    Text1 = new QLineEdit;
    SetInputMode(Text1, InputMode::Hiragana);
    Text1->installEventFilter(this);
    Text2 = new QLineEdit;
    SetInputMode(Text2, InputMode::Disabled);
    MonthView1 = new QCalendarWidget;
    MonthView1->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    MonthView1->setSelectedDate(platform_.Today());
    MonthView1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    connect(Text2, &QLineEdit::textChanged, this, [this] { Text2_Change(); });
    connect(MonthView1, &QCalendarWidget::clicked, this, [this](const QDate& date) { MonthView1_DateClick(date); });
    connect(MonthView1, &QCalendarWidget::selectionChanged, this,
            [this] { MonthView1_DateClick(MonthView1->selectedDate()); });

    auto* definition = new QGridLayout;
    definition->addWidget(Caption(ts::kTitleLabel, Text1), 0, 0);
    definition->addWidget(Text1, 0, 1, 1, 2);
    definition->addWidget(Caption(ts::kDateLabel, Text2), 1, 0);
    definition->addWidget(Text2, 1, 1);
    definition->addWidget(MonthView1, 2, 1, 1, 2);

    auto* viewpoints = new QGridLayout;
    viewpoints->addWidget(Caption(ts::kViewpointsLabel), 0, 0, 1, 3);
    for (int k = 0; k < kViewpoints; ++k) {
        Checks[k] = new QCheckBox;
        Checks[k]->setChecked(true);
        ViewpointNames[k] = new QLabel;
        FullMarks[k] = new QLineEdit;
        FullMarks[k]->setMaximumWidth(80);
        FullMarks[k]->setAlignment(Qt::AlignRight);
        connect(Checks[k], &QCheckBox::toggled, this, [this, k] { Check_Click(k); });
        connect(FullMarks[k], &QLineEdit::textChanged, this, [this, k] { FullMarks_Change(k); });
        viewpoints->addWidget(Checks[k], k + 1, 0);
        viewpoints->addWidget(ViewpointNames[k], k + 1, 1);
        viewpoints->addWidget(FullMarks[k], k + 1, 2);
    }
    viewpoints->setColumnStretch(3, 1);

    // The entry frame: one student at a time.
    Frame1 = new QGroupBox(Q(ts::kEntryFrame));
    Combo2 = new QComboBox;
    for (int n = 1; n <= kStudents; ++n)
        Combo2->addItem(QString::number(n));
    // Editable so that it can show the loaded number with its leading blank
    // (" 5"), which is no item of the list; typed text would not be used.
    Combo2->setEditable(true);
    Combo2->lineEdit()->setReadOnly(true);
    SetInputMode(Combo2, InputMode::Disabled);
    connect(Combo2, qOverload<int>(&QComboBox::activated), this, [this](int index) { Combo2_Click(index); });
    Label3 = new QLabel;
    Label3->setMinimumWidth(160);
    Label3->setFrameShape(QFrame::Panel);
    Label3->setFrameShadow(QFrame::Sunken);
    auto* who = new QHBoxLayout;
    who->addWidget(Caption(ts::kNumberLabel, Combo2));
    who->addWidget(Combo2);
    who->addSpacing(16);
    who->addWidget(Caption(ts::kNameLabel));
    who->addWidget(Label3, 1);

    auto* fields = new QHBoxLayout;
    const char* hints[] = {ts::kTabHint, ts::kTabHint, ts::kEnterHint};
    for (int k = 0; k < kViewpoints; ++k) {
        Entries[k] = new QLineEdit;
        Entries[k]->setMaximumWidth(90);
        Entries[k]->setAlignment(Qt::AlignRight);
        SetInputMode(Entries[k], InputMode::Disabled);
        Entries[k]->installEventFilter(this);
        fields->addWidget(Entries[k]);
        fields->addWidget(new QLabel(Q(hints[k])));
    }
    fields->addStretch(1);

    Command3 = new QPushButton;
    Command3->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    Command4 = new QPushButton;
    Command4->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    Command5 = new QPushButton(Q(ts::kAbsentButton));
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    auto* moves = new QHBoxLayout;
    moves->addWidget(Command3);
    moves->addWidget(Caption(ts::kNext, Command3));
    moves->addSpacing(12);
    moves->addWidget(Command4);
    moves->addWidget(Caption(ts::kPrevious, Command4));
    moves->addStretch(1);
    moves->addWidget(Command5);

    auto* entry = new QVBoxLayout(Frame1);
    entry->addLayout(who);
    entry->addLayout(fields);
    entry->addLayout(moves);

    Command1 = new QPushButton(Q(ts::kRegister));
    Command2 = new QPushButton(Q(ts::kCancel));
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    // Enter is handled by keyPressEvent, not by whichever button was last focused.
    for (QPushButton* button : {Command1, Command2, Command3, Command4, Command5})
        button->setAutoDefault(false);
    Command3->setDefault(true);
    auto* closing = new QHBoxLayout;
    closing->addStretch(1);
    closing->addWidget(Command1);
    closing->addWidget(Command2);

    auto* left = new QVBoxLayout;
    left->addLayout(definition);
    left->addLayout(viewpoints);
    left->addWidget(Frame1);
    left->addStretch(1);
    left->addLayout(closing);

    MSFlexGrid1 = new QTableWidget;
    mirror_ = std::make_unique<GridMirror>(MSFlexGrid1);
    MSFlexGrid1->setFocusPolicy(Qt::NoFocus);
    MSFlexGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    MSFlexGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSFlexGrid1->setFixedWidth(TwipsToPixels(kTableWidth, LogicalDpiX(this)));
    // Every row in sight, the class averages included.
    MSFlexGrid1->setMinimumHeight(TwipsToPixels(TextGrid::kDefaultRowHeight, LogicalDpiY(this)) * kScoreTableRows +
                                  2 * MSFlexGrid1->frameWidth());
    connect(MSFlexGrid1, &QTableWidget::cellClicked, this, [this](int row, int col) { MSFlexGrid1_Click(row, col); });

    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addWidget(MSFlexGrid1, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(Label11);
    outer->addLayout(body, 1);
}

void FormTestSpec::setAccessibleNames()
{
    const auto& names = Book().SubjectTable[Book().CurrentSubject];
    for (int k = 0; k < kViewpoints; ++k) {
        const QString name = Q(names[k + 1]);
        Checks[k]->setAccessibleName(name);
        Entries[k]->setAccessibleName(name + Q(ts::kScoreSuffix));
        Entries[k]->setPlaceholderText(name);
        FullMarks[k]->setAccessibleName(name + Q(ts::kFullMarksSuffix));
    }
    MonthView1->setAccessibleName(Q(ts::kDateLabel));
    Command3->setAccessibleName(Q(ts::kNext));
    Command4->setAccessibleName(Q(ts::kPrevious));
    MSFlexGrid1->setAccessibleName(Q(ts::kScoreTable));
}

void FormTestSpec::setTabOrder()
{
    // Reading order: the definition, the viewpoints, the entry frame, the
    // closing buttons.
    QWidget* order[] = {Text1,       Text2,       MonthView1, Checks[0], FullMarks[0], Checks[1],
                        FullMarks[1], Checks[2],  FullMarks[2], Combo2,  Entries[0],  Entries[1],
                        Entries[2],  Command3,    Command4,   Command5,  Command1,     Command2};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// ---- Opening ------------------------------------------------------------------

void FormTestSpec::Form_Load()
{
    GradeBook& book = Book();
    const int base = TestSlot(book.CurrentSemester, book.CurrentSubject, book.CurrentTest, 0);
    titleTouched_ = false;
    for (int k = 0; k < kViewpoints; ++k)
        ViewpointNames[k]->setText(Q(book.SubjectTable[book.CurrentSubject][k + 1]));
    setAccessibleNames();

    for (QLineEdit* entry : Entries)
        entry->clear();
    Combo2->setCurrentIndex(0);
    book.CurrentStudentNo = 1;
    Label3->setText(Q(book.StudentNames[0]));
    for (int i = 0; i < kStudents; ++i) {
        book.TestEntryValues[i].clear();
        book.TestEntryTexts[i].clear();
    }

    Text1->setText(Q(book.SlotTitles[base][1]));
    openDate();
    Label11->setText(Q(book.SemesterNames[book.CurrentSemester] + " " + book.SubjectTable[book.CurrentSubject][0] +
                       " 第" + Str(book.CurrentTest + 1) + "回 試験  "));

    LayoutScoreTable(book, grid_, base, kTableWidth);
    const ViewpointTexts first = RowEntries(grid_, 1);
    for (int k = 0; k < kViewpoints; ++k)
        Entries[k]->setText(Q(first[k]));
    grid_.SetTextMatrix(ClassAverageRow(book), 1, ts::kClassAverage);
    // A stored score the check would refuse (a file from elsewhere) must not
    // leave the table without its averages and ranks.
    if (!CommitEntries(book, grid_, entryTexts(), fullMarksTexts()).accepted)
        RecomputeAveragesAndRanks(book, grid_);

    openViewpoints();
    for (int k = 0; k < kViewpoints; ++k)
        if (book.Scores[base + k][kFullMarksColumn] != kNoValue)
            FullMarks[k]->setText(FullMarksText(book.Scores[base + k][kFullMarksColumn]));
    showGrid();
    focusEntry(FocusAfterMove(checks()));
}

void FormTestSpec::openDate()
{
    const GradeBook& book = Book();
    const int base = TestSlot(book.CurrentSemester, book.CurrentSubject, book.CurrentTest, 0);
    const OpeningDate date = DateWhenOpening(Q(book.SlotTitles[base][0]), MonthView1->selectedDate(),
                                             platform_.Today(), platform_.ShortDateFormat());
    {
        const QSignalBlocker quiet(MonthView1);
        MonthView1->setSelectedDate(date.calendar);
    }
    const QSignalBlocker quiet(Text2);
    Text2->setText(date.text);
}

void FormTestSpec::openViewpoints()
{
    const GradeBook& book = Book();
    const int base = TestSlot(book.CurrentSemester, book.CurrentSubject, book.CurrentTest, 0);
    bool neverRegistered = true;
    for (int k = 0; k < kViewpoints; ++k)
        neverRegistered = neverRegistered && book.Scores[base + k][kAverageColumn] == kNoValue;
    if (neverRegistered)
        return; // a new test assesses all three viewpoints
    for (int k = 0; k < kViewpoints; ++k)
        if (book.Scores[base + k][kAverageColumn] == kNoValue)
            Checks[k]->setChecked(false); // runs Check_Click
}

// ---- Definition fields ----------------------------------------------------------

void FormTestSpec::Check_Click(int k)
{
    const ViewpointChecks boxes = checks();
    if (boxes[k] || (!boxes[(k + 1) % 3] && !boxes[(k + 2) % 3]))
        return; // the last assessed viewpoint keeps its column
    EmptyViewpointColumn(Book(), grid_, k);
    Entries[k]->clear();
    FullMarks[k]->clear();
    showGrid();
}

void FormTestSpec::FullMarks_Change(int k)
{
    // Full marks are never 0 and never a text without a number.
    const QString text = FullMarks[k]->text();
    if (!text.isEmpty() && LeadingNumber(text.toStdString()) == 0)
        FullMarks[k]->clear();
}

void FormTestSpec::Text1_Click()
{
    const int caret = Text1->cursorPosition();
    Text1->setSelection(caret, Text1->text().size());
    titleTouched_ = true;
}

void FormTestSpec::Text2_Change()
{
    const QDate date = DateOfText(Text2->text(), platform_.ShortDateFormat());
    if (!date.isValid())
        return;
    const QSignalBlocker quiet(MonthView1);
    MonthView1->setSelectedDate(date);
}

void FormTestSpec::MonthView1_DateClick(const QDate& date)
{
    Text2->setText(date.toString(platform_.ShortDateFormat()));
}

// ---- Entry ------------------------------------------------------------------------

ViewpointTexts FormTestSpec::entryTexts() const
{
    ViewpointTexts texts;
    for (int k = 0; k < kViewpoints; ++k)
        texts[k] = Entries[k]->text().toStdString();
    return texts;
}

ViewpointTexts FormTestSpec::fullMarksTexts() const
{
    ViewpointTexts texts;
    for (int k = 0; k < kViewpoints; ++k)
        texts[k] = FullMarks[k]->text().toStdString();
    return texts;
}

ViewpointChecks FormTestSpec::checks() const
{
    return {Checks[0]->isChecked(), Checks[1]->isChecked(), Checks[2]->isChecked()};
}

bool FormTestSpec::commit()
{
    const EntryCheck check = CommitEntries(Book(), grid_, entryTexts(), fullMarksTexts());
    showGrid();
    if (check.accepted)
        return true;
    inform(Q(check.message));
    Entries[check.field]->setFocus(Qt::OtherFocusReason);
    return false;
}

void FormTestSpec::loadStudent(int n)
{
    GradeBook& book = Book();
    book.CurrentStudentNo = static_cast<Integer>(n);
    Label3->setText(Q(book.StudentNames[n - 1]));
    Combo2->setCurrentIndex(n - 1);
    Combo2->setEditText(Q(Str(n)));
    const ViewpointTexts row = RowEntries(grid_, n);
    for (int k = 0; k < kViewpoints; ++k)
        Entries[k]->setText(Q(row[k]));
    focusEntry(FocusAfterMove(checks()));
}

void FormTestSpec::focusEntry(int k) { Entries[k]->setFocus(Qt::OtherFocusReason); }

void FormTestSpec::move(int (*target)(const GradeBook&, int))
{
    if (!commit())
        return; // the student and the rejected text stay
    loadStudent(target(Book(), Book().CurrentStudentNo));
}

void FormTestSpec::Command3_Click() { move(NextStudent); }
void FormTestSpec::Command4_Click() { move(PreviousStudent); }

void FormTestSpec::Command5_Click()
{
    const ViewpointTexts absent = AbsentEntries(checks());
    for (int k = 0; k < kViewpoints; ++k)
        Entries[k]->setText(Q(absent[k]));
    focusEntry(FocusAfterMove(checks()));
}

void FormTestSpec::Combo2_Click(int index)
{
    if (grid_.Rows() <= kStudents)
        return;
    commit(); // a rejected text is given up by the move
    loadStudent(index + 1);
}

void FormTestSpec::MSFlexGrid1_Click(int row, int col)
{
    if (row < 1 || row > Book().StudentCount)
        return; // header, gap, class averages and rows past the roster
    commit(); // a rejected text is given up by the move
    loadStudent(row);
    focusEntry(FocusAfterTableClick(checks(), col));
}

void FormTestSpec::entryGotFocus(int k, Qt::FocusReason reason)
{
    if (!Checks[k]->isChecked()) {
        // A viewpoint the test does not assess is passed over.
        QWidget* next = k + 1 < kViewpoints ? static_cast<QWidget*>(Entries[k + 1]) : Text1;
        next->setFocus(reason);
        return;
    }
    if (reason != Qt::MouseFocusReason)
        Entries[k]->selectAll();
}

bool FormTestSpec::entryKeyDown(int k, int key)
{
    switch (key) {
    case Qt::Key_Right:
        focusEntry((k + 1) % kViewpoints);
        return true;
    case Qt::Key_Left:
        focusEntry((k + 2) % kViewpoints);
        return true;
    case Qt::Key_Up:
        Command4_Click();
        focusEntry(k);
        return true;
    case Qt::Key_Down:
        Command3_Click();
        focusEntry(k);
        return true;
    default:
        return false;
    }
}

bool FormTestSpec::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Text1 && event->type() == QEvent::MouseButtonRelease) {
        Text1_Click();
        return false;
    }
    for (int k = 0; k < kViewpoints; ++k) {
        if (watched != Entries[k])
            continue;
        if (event->type() == QEvent::FocusIn)
            entryGotFocus(k, static_cast<QFocusEvent*>(event)->reason());
        else if (event->type() == QEvent::KeyPress && (static_cast<QKeyEvent*>(event)->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
            return entryKeyDown(k, static_cast<QKeyEvent*>(event)->key());
    }
    return QDialog::eventFilter(watched, event);
}

void FormTestSpec::showGrid() { mirror_->Sync(grid_); }

void FormTestSpec::inform(const QString& text)
{
    platform_.ShowMessage(this, text, Q(texts::kProgramTitle), MessageButtons::Ok, MessageIcon::None);
}

// ---- Closing ----------------------------------------------------------------------

void FormTestSpec::Command1_Click()
{
    if (!commit())
        return;
    TestDefinition definition{Text1->text().toStdString(), Text2->text().toStdString(), fullMarksTexts()};
    const DefinitionCheck check = CheckDefinition(definition);
    if (check.field != DefinitionField::None) {
        inform(Q(check.message));
        QLineEdit* fields[] = {nullptr, Text1, Text2, FullMarks[0], FullMarks[1], FullMarks[2]};
        fields[static_cast<int>(check.field)]->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The tree shows the test by its date and title: a title typed after
    // reaching the field by Tab, or a date picked on the calendar, must
    // reach it as well as a title that was clicked into.
    GradeBook& book = Book();
    const auto& stored = book.SlotTitles[TestSlot(book.CurrentSemester, book.CurrentSubject, book.CurrentTest, 0)];
    const std::string oldTitle = stored[1], oldDate = stored[0];
    RegisterTest(book, grid_, definition);
    const bool renamed = stored[1] != oldTitle || stored[0] != oldDate;
    leave(true, titleTouched_ || renamed);
}

void FormTestSpec::Command2_Click()
{
    Book().EditAccepted = false;
    leave(false, false);
}

void FormTestSpec::leave(bool registered, bool rebuildTree)
{
    leaving_ = true;
    EnableMainWindow();
    if (registered && rebuildTree) {
        if (frmMain* main = MainForm())
            main->TreeView1_refresh();
    }
    titleTouched_ = false;
    hide();
    close();
}

void FormTestSpec::reject() { Command2_Click(); }

void FormTestSpec::keyPressEvent(QKeyEvent* event)
{
    // Enter is the next student wherever the caret is; a button with the
    // focus takes it itself.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        else
            Command3->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FormTestSpec::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The teacher types at once, without clicking into the window first.
    activateWindow();
}

void FormTestSpec::closeEvent(QCloseEvent* event)
{
    if (!leaving_) {
        // Closed by the window manager (Alt+F4): as ｷｬﾝｾﾙ.
        leaving_ = true;
        Book().EditAccepted = false;
        EnableMainWindow();
    }
    event->accept();
}

} // namespace miravel
