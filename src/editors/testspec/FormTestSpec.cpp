#include "editors/testspec/FormTestSpec.h"

#include "core/GradeBook.h"
#include "core/TextRules.h"
#include "editors/EditorKeys.h"
#include "editors/testspec/ScorePaste.h"
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

QString Q(const char* text) { return QString::fromUtf8(text); }
QString Q(const std::string& text) { return QString::fromStdString(text); }

// Full marks as the field shows them: " 50", or " 50.5" for a part mark.
QString FullMarksText(Single value)
{
    if (value == static_cast<Single>(static_cast<long>(value)))
        return Q(Str(static_cast<long>(value)));
    return QLatin1Char(' ') + QString::number(static_cast<double>(value));
}

} // namespace

FormTestSpec::FormTestSpec(Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), platform_(platform)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Q(ts::kWindowCaption));
    setAccessibleName(windowTitle());
    createControls();
    wireImport();
    setTabOrder();
    AddRegisterShortcut(Command1);
    Form_Load();
}

FormTestSpec::~FormTestSpec() = default;

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
    opened_ = held();
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

// ---- What closing would lose -------------------------------------------------------

bool FormTestSpec::Held::operator==(const Held& other) const
{
    return title == other.title && date == other.date && checks == other.checks && fullMarks == other.fullMarks &&
           rows == other.rows;
}

FormTestSpec::Held FormTestSpec::held() const
{
    Held now{Text1->text().toStdString(), Text2->text().toStdString(), checks(), fullMarksTexts(), {}};
    for (int n = 1; n <= kStudents; ++n)
        now.rows[n - 1] = RowEntries(grid_, n);
    return now;
}

bool FormTestSpec::HasPendingChanges() const
{
    const int n = Book().CurrentStudentNo;
    const bool typed = n >= 1 && n <= kStudents && entryTexts() != RowEntries(grid_, n);
    return typed || !(held() == opened_);
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
    Combo2->setEditText(Q(Str(n)));  // " 5", also when typing left another number there
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

void FormTestSpec::Combo2_Typed(bool entered)
{
    const GradeBook& book = Book();
    const int n = static_cast<int>(LeadingNumber(Combo2->currentText().toStdString()));
    const bool inRoster = n >= 1 && n <= book.StudentCount;
    // Only Enter reloads the student already shown (and goes to the scores).
    if (inRoster && (entered || n != book.CurrentStudentNo)) {
        Combo2_Click(n - 1);
        return;
    }
    if (!inRoster || n != book.CurrentStudentNo)
        Combo2->setEditText(Q(Str(book.CurrentStudentNo)));
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
    if (Combo2 && watched == Combo2) {
        // A typed number waits for Enter or for the box to be left.
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                Combo2_Typed(true);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Not when the list opens or another program takes the keyboard.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                Combo2_Typed(false);
        }
        return QDialog::eventFilter(watched, event);
    }
    if (watched == Text1 && event->type() == QEvent::MouseButtonRelease) {
        Text1_Click();
        return false;
    }
    for (int k = 0; k < kViewpoints; ++k) {
        if (watched != Entries[k])
            continue;
        if (event->type() == QEvent::FocusIn)
            entryGotFocus(k, static_cast<QFocusEvent*>(event)->reason());
        else if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) &&
                 ClipboardHoldsBlock()) {
            PasteScores(k);
            return true;
        }
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

bool FormTestSpec::askYes(const std::string& question)
{
    return platform_.ShowMessage(this, Q(question), Q(texts::kProgramTitle), MessageButtons::YesNo,
                                 MessageIcon::None) == MessageAnswer::Yes;
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
    // Blanks beside filled viewpoints would count as nothing in 合計点 and 順位.
    if (const auto blanks = PartlyBlankStudents(Book(), grid_, checks()); !blanks.empty()) {
        if (!askYes(BlankEntriesQuestion(Book(), blanks))) {
            loadStudent(blanks[0].number);
            focusEntry(blanks[0].viewpoints[0]);
            return;
        }
    }
    // A ticked viewpoint without full marks would be graded out of 100.
    if (const auto missing = ViewpointsWithoutFullMarks(Book(), grid_, definition, checks()); !missing.empty()) {
        if (!askYes(FullMarksQuestion(Book(), missing))) {
            FullMarks[missing[0]]->setFocus(Qt::OtherFocusReason);
            return;
        }
        for (int k : missing)
            definition.fullMarks[k] = ts::kAssumedFullMarks;
    }
    // The tree shows the test by its date and title: a title typed after
    // reaching the field by Tab, or a date picked on the calendar, must
    // reach it as well as a title that was clicked into.
    GradeBook& book = Book();
    const auto& stored = book.SlotTitles[TestSlot(book.CurrentSemester, book.CurrentSubject, book.CurrentTest, 0)];
    const std::string oldTitle = stored[1], oldDate = stored[0];
    // Accounts met in a score file join the same undo step as the scores.
    for (const auto& [n, account] : newAccounts_)
        book.Evaluation.StudentAccounts[n - 1] = account;
    RegisterTest(book, grid_, definition);
    const bool renamed = stored[1] != oldTitle || stored[0] != oldDate;
    leave(true, titleTouched_ || renamed);
}

void FormTestSpec::Command2_Click()
{
    if (!MayDropEntries(platform_, this, HasPendingChanges()))
        return;
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
        // Closed by the window manager (Alt+F4): as ｷｬﾝｾﾙ, asking the same
        // question. The main window closing its editors at exit does not ask.
        if (event->spontaneous() && !MayDropEntries(platform_, this, HasPendingChanges())) {
            event->ignore();
            return;
        }
        leaving_ = true;
        Book().EditAccepted = false;
        EnableMainWindow();
    }
    event->accept();
}

} // namespace miravel
