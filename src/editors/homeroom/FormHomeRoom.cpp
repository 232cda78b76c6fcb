#include "editors/homeroom/FormHomeRoom.h"

#include "core/Defaults.h"
#include "core/GradeBook.h"
#include "core/TextRules.h"
#include "editors/EditorKeys.h"
#include "editors/homeroom/HomeRoomRules.h"
#include "editors/homeroom/StudentIds.h"
#include "mainwindow/GridMirror.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/frmMain.h"
#include "platform/InputMode.h"
#include "platform/Platform.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace miravel {

namespace {

const char kCaption[] = "学級の編集";
const char kAskTransferOut[] =
    "この生徒のデータが失われますがいいですか？（注意：転出以前に登録した試験の平均点は変わりません）";

const char kCurrentViewpoints[] = "現行（知識・技能／思考・判断・表現／主体的に学習に取り組む態度）";
const char kOldViewpoints[] = "以前の観点（国語 表現・理解・言語、算数 思考・表・処・知・理 など）";

constexpr int kGridWidth = 7400;  // twips: number, name, code, account
constexpr int kCodeWidth = 1300;
constexpr int kAccountWidth = 2700;
constexpr int kGridHeight = 5400; // twips

QString U(const char* text) { return QString::fromUtf8(text); }
QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QString& text) { return text.toStdString(); }

QComboBox* SuggestionCombo(const QStringList& suggestions)
{
    auto* combo = new QComboBox;
    combo->setEditable(true);
    // The typed text is what is stored; it never becomes a list entry.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(suggestions);
    return combo;
}

QStringList Numbered(int first, int last, const char* suffix)
{
    QStringList list;
    for (int n = first; n <= last; ++n)
        list << QString::number(n) + U(suffix);
    return list;
}

// A label that names `field` for the teacher and for screen readers.
QLabel* LabelFor(const char* text, QWidget* field)
{
    auto* label = new QLabel(U(text));
    label->setBuddy(field);
    return label;
}

} // namespace

FormHomeRoom::FormHomeRoom(frmMain& mainForm) : mainForm_(mainForm), platform_(mainForm.platform())
{
    setObjectName(QStringLiteral("FormHomeRoom"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(U(kCaption));
    createControls();
    AddRegisterShortcut(Command1);
    Form_Load();
    // Over the middle of the main window it stands in for.
    adjustSize();
    move(mainForm.geometry().center() - rect().center());
}

FormHomeRoom::~FormHomeRoom()
{
    // The controls outlive the working roster; nothing they signal while
    // they go may reach it.
    for (QObject* control : findChildren<QObject*>())
        disconnect(control, nullptr, this, nullptr);
}

void FormHomeRoom::createControls()
{
    const QDate today = platform_.Now().date();
    QStringList years;
    for (const std::string& year : SchoolYearsAround(today.year(), today.month()).years)
        years << Q(year);
    Combo1[0] = SuggestionCombo(years);
    Combo1[1] = SuggestionCombo(Numbered(1, 6, "年"));
    Combo1[2] = SuggestionCombo(Numbered(1, 9, "組"));
    for (QComboBox* combo : {Combo1[1], Combo1[2]})
        combo->setMinimumContentsLength(4);
    Text1 = new QLineEdit;
    SetInputMode(Text1, InputMode::Hiragana);
    Viewpoints = new QComboBox;
    Viewpoints->addItem(U(kCurrentViewpoints), static_cast<int>(ViewpointSet::Current));
    Viewpoints->addItem(U(kOldViewpoints), static_cast<int>(ViewpointSet::Old));
    auto* viewpointsLabel = LabelFor("観点の初期値", Viewpoints);

    auto* header = new QGridLayout;
    header->addWidget(LabelFor("年度", Combo1[0]), 0, 0);
    header->addWidget(Combo1[0], 0, 1);
    header->addWidget(LabelFor("学年", Combo1[1]), 0, 2);
    header->addWidget(Combo1[1], 0, 3);
    header->addWidget(LabelFor("学級", Combo1[2]), 0, 4);
    header->addWidget(Combo1[2], 0, 5);
    header->addWidget(LabelFor("担任の氏名", Text1), 1, 0);
    header->addWidget(Text1, 1, 1, 1, 5);
    header->addWidget(viewpointsLabel, 2, 0);
    header->addWidget(Viewpoints, 2, 1, 1, 5);
    // Offered while the class has no file and holds one of the two sets.
    const bool offered = Book().CurrentFilePath.empty() && HeldViewpointSet(Book()).has_value();
    viewpointsLabel->setVisible(offered);
    Viewpoints->setVisible(offered);
    header->setColumnStretch(1, 1);

    const double dpiX = LogicalDpiX(this);
    const double dpiY = LogicalDpiY(this);
    MSFlexGrid1 = new QTableWidget;
    MSFlexGrid1->setAccessibleName(U("名簿"));
    MSFlexGrid1->setFixedSize(TwipsToPixels(kGridWidth, dpiX), TwipsToPixels(kGridHeight, dpiY));
    MSFlexGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MSFlexGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the grid instead of walking its cells.
    MSFlexGrid1->setTabKeyNavigation(false);
    mirror_ = std::make_unique<GridMirror>(MSFlexGrid1);

    Frame1 = new QGroupBox(U("名簿を作成"));
    Combo2 = SuggestionCombo(Numbered(1, kStudents, ""));
    Text2 = new QLineEdit;
    SetInputMode(Text2, InputMode::Hiragana);
    Text2->installEventFilter(this);
    MSFlexGrid1->installEventFilter(this);
    Text3 = new QLineEdit;
    Text4 = new QLineEdit;
    for (QLineEdit* id : {Text3, Text4}) {
        SetInputMode(id, InputMode::Disabled);
        id->installEventFilter(this);
    }
    Command3 = new QPushButton(style()->standardIcon(QStyle::SP_ArrowDown), QString());
    Command3->setAccessibleName(U("次の出席番号に"));
    Command3->setDefault(true);
    Command4 = new QPushButton(style()->standardIcon(QStyle::SP_ArrowUp), QString());
    Command4->setAccessibleName(U("前の出席番号に"));

    auto* entry = new QGridLayout(Frame1);
    entry->addWidget(LabelFor("出席番号", Combo2), 0, 0);
    entry->addWidget(Combo2, 0, 1, 1, 2);
    entry->addWidget(LabelFor("生徒の氏名", Text2), 1, 0);
    entry->addWidget(Text2, 1, 1, 1, 2);
    entry->addWidget(LabelFor("児童コード", Text3), 2, 0);
    entry->addWidget(Text3, 2, 1, 1, 2);
    entry->addWidget(LabelFor("アカウント", Text4), 3, 0);
    entry->addWidget(Text4, 3, 1, 1, 2);
    entry->addWidget(Command3, 4, 1);
    entry->addWidget(new QLabel(U("次の出席番号に\n[Enter]")), 4, 2);
    entry->addWidget(Command4, 5, 1);
    entry->addWidget(new QLabel(U("前の出席番号に")), 5, 2);
    entry->setColumnStretch(2, 1);

    Command5 = new QPushButton(U("転出"));
    Command1 = new QPushButton(U("登録"));
    Command2 = new QPushButton(U("ｷｬﾝｾﾙ"));
    // Enter on a button that has the focus presses that button.
    for (QPushButton* button : {Command4, Command5, Command1, Command2})
        button->setAutoDefault(true);

    auto* side = new QVBoxLayout;
    side->addWidget(Frame1);
    side->addWidget(Command5, 0, Qt::AlignLeft);
    side->addStretch(1);
    auto* closing = new QHBoxLayout;
    closing->addStretch(1);
    closing->addWidget(Command1);
    closing->addWidget(Command2);
    side->addLayout(closing);

    auto* body = new QHBoxLayout;
    body->addWidget(MSFlexGrid1);
    body->addLayout(side, 1);

    auto* page = new QVBoxLayout(this);
    page->addLayout(header);
    page->addLayout(body);

    QWidget* order[] = {Combo1[0], Combo1[1], Combo1[2], Text1, Viewpoints, MSFlexGrid1, Combo2,
                        Text2,     Text3,     Text4,     Command3, Command4,    Command5, Command1, Command2};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    Combo2->installEventFilter(this);
    SelectNumberOnClick(Combo2);
    connect(Combo2, &QComboBox::editTextChanged, this, &FormHomeRoom::Combo2_Change);
    // A number the teacher typed outside 1..40 is shown as the one used.
    connect(Combo2->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { showStudent(Book().CurrentStudentNo, true); });
    connect(MSFlexGrid1, &QTableWidget::cellClicked, this, &FormHomeRoom::MSFlexGrid1_Click);
    connect(Command3, &QPushButton::clicked, this, &FormHomeRoom::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &FormHomeRoom::Command4_Click);
    connect(Text2, &QLineEdit::textChanged, this, &FormHomeRoom::Text2_Change);
    connect(Text3, &QLineEdit::textChanged, this, [this] { Id_Change(kCodeColumn, Text3); });
    connect(Text4, &QLineEdit::textChanged, this, [this] { Id_Change(kAccountColumn, Text4); });
    connect(Command5, &QPushButton::clicked, this, &FormHomeRoom::Command5_Click);
    connect(Command1, &QPushButton::clicked, this, &FormHomeRoom::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FormHomeRoom::Command2_Click);
}

void FormHomeRoom::Form_Load()
{
    GradeBook& book = Book();
    const bool newClass = book.SchoolYear == texts::kNotRegisteredYet;
    ForgetUnregisteredMarker(book);
    // A new class starts in this school year.
    const QDate today = platform_.Now().date();
    const SchoolYearChoices years = SchoolYearsAround(today.year(), today.month());
    Combo1[0]->setEditText(Q(newClass ? years.years[static_cast<std::size_t>(years.current)] : book.SchoolYear));
    if (const auto held = HeldViewpointSet(book))
        Viewpoints->setCurrentIndex(Viewpoints->findData(static_cast<int>(*held)));
    Combo1[1]->setEditText(Q(book.GradeLevel));
    Combo1[2]->setEditText(Q(book.ClassName));
    Text1->setText(Q(book.TeacherName));

    const double dpiX = LogicalDpiX(this);
    const int frame = 2 * MSFlexGrid1->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int usable = PixelsToTwips(TwipsToPixels(kGridWidth, dpiX) - frame, dpiX);
    FillRosterGrid(book, roster_, usable - kRosterNumberWidth - kCodeWidth - kAccountWidth);
    AddStudentIdColumns(book, roster_, kCodeWidth, kAccountWidth);
    mirror_->Sync(roster_);

    // The box may already read "1" (its first entry), so the move is made here too.
    Combo2->setEditText(QStringLiteral("1"));
    showStudent(1, false);
    openedHeader_ = headerTexts();
    openedViewpoints_ = Viewpoints->currentIndex();
    openedNames_ = RosterNames(roster_);
    openedCodes_ = RosterColumn(roster_, kCodeColumn);
    openedAccounts_ = RosterColumn(roster_, kAccountColumn);
}

std::array<std::string, 4> FormHomeRoom::headerTexts() const
{
    return {S(Combo1[0]->currentText()), S(Combo1[1]->currentText()), S(Combo1[2]->currentText()),
            S(Text1->text())};
}

bool FormHomeRoom::HasPendingChanges() const
{
    return headerTexts() != openedHeader_ || Viewpoints->currentIndex() != openedViewpoints_ || RosterNames(roster_) != openedNames_ ||
           RosterColumn(roster_, kCodeColumn) != openedCodes_ || RosterColumn(roster_, kAccountColumn) != openedAccounts_;
}

void FormHomeRoom::showStudent(int studentNo, bool setNumberBox)
{
    Book().CurrentStudentNo = static_cast<Integer>(studentNo);
    if (setNumberBox) {
        const QSignalBlocker quiet(Combo2);
        Combo2->setEditText(Q(Str(studentNo)));
    }
    MSFlexGrid1->setCurrentCell(studentNo, 1);
    const QSignalBlocker quiet(Text2), quietCode(Text3), quietAccount(Text4);
    Text2->setText(Q(roster_.TextMatrix(studentNo, 1)));
    Text3->setText(Q(roster_.TextMatrix(studentNo, kCodeColumn)));
    Text4->setText(Q(roster_.TextMatrix(studentNo, kAccountColumn)));
}

void FormHomeRoom::Combo2_Change() { showStudent(AttendanceNumberFromText(S(Combo2->currentText())), false); }

void FormHomeRoom::MSFlexGrid1_Click(int row, int col)
{
    // Only a name, code or account cell chooses a student; the number
    // column and the headings leave the current one.
    if (col < 1 || row < 1 || row > kStudents) {
        MSFlexGrid1->setCurrentCell(Book().CurrentStudentNo, 1);
        return;
    }
    showStudent(row, true);
    (col == kCodeColumn ? Text3 : col == kAccountColumn ? Text4 : Text2)->setFocus();
}

void FormHomeRoom::Command3_Click()
{
    showStudent(NextAttendanceNumber(Book().CurrentStudentNo), true);
    Text2->setFocus();
}

void FormHomeRoom::Command4_Click()
{
    showStudent(PreviousAttendanceNumber(Book().CurrentStudentNo), true);
    Text2->setFocus();
}

void FormHomeRoom::Text2_Change()
{
    roster_.SetTextMatrix(Book().CurrentStudentNo, 1, S(Text2->text()));
    mirror_->Sync(roster_);
}

void FormHomeRoom::Id_Change(int col, const QLineEdit* field)
{
    roster_.SetTextMatrix(Book().CurrentStudentNo, col, S(field->text()));
    mirror_->Sync(roster_);
}

void FormHomeRoom::Command5_Click()
{
    const MessageAnswer answer = platform_.ShowMessage(this, U(kAskTransferOut), U(texts::kProgramTitle),
                                                       MessageButtons::YesNo, MessageIcon::None);
    if (answer != MessageAnswer::Yes)
        return;
    GradeBook& book = Book();
    for (int col : {1, kCodeColumn, kAccountColumn})
        roster_.SetTextMatrix(book.CurrentStudentNo, col, "");
    mirror_->Sync(roster_);
    TransferOut(book, book.CurrentStudentNo);
    openedNames_[book.CurrentStudentNo - 1].clear();
    openedCodes_[book.CurrentStudentNo - 1].clear();
    openedAccounts_[book.CurrentStudentNo - 1].clear();
}

void FormHomeRoom::Command1_Click()
{
    HomeRoomEntries entries;
    entries.SchoolYear = S(Combo1[0]->currentText());
    entries.GradeLevel = S(Combo1[1]->currentText());
    entries.ClassName = S(Combo1[2]->currentText());
    entries.TeacherName = S(Text1->text());
    entries.Names = RosterNames(roster_);
    entries.Codes = RosterColumn(roster_, kCodeColumn);
    entries.Accounts = RosterColumn(roster_, kAccountColumn);
    if (!Viewpoints->isHidden())
        entries.Viewpoints = static_cast<ViewpointSet>(Viewpoints->currentData().toInt());
    if (const auto refused = RegisterHomeRoom(Book(), entries)) {
        platform_.ShowMessage(this, Q(UnstorableEntryMessage(*refused)), U(texts::kProgramTitle),
                              MessageButtons::Ok, MessageIcon::None);
        switch (refused->field) {
        case HomeRoomField::SchoolYear:
            Combo1[0]->setFocus();
            break;
        case HomeRoomField::GradeLevel:
            Combo1[1]->setFocus();
            break;
        case HomeRoomField::ClassName:
            Combo1[2]->setFocus();
            break;
        case HomeRoomField::TeacherName:
            Text1->setFocus();
            break;
        case HomeRoomField::StudentName:
            showStudent(refused->studentNo, true);
            Text2->setFocus();
            break;
        }
        return;
    }
    closed_ = true;
    EnableMainWindow();
    mainForm_.MSFlexGrid1_init();
    close();
}

void FormHomeRoom::Command2_Click()
{
    if (MayDropEntries(platform_, this, HasPendingChanges()))
        leave();
}

void FormHomeRoom::leave()
{
    closed_ = true;
    EnableMainWindow();
    close();
}

void FormHomeRoom::closeEvent(QCloseEvent* event)
{
    // Closing by the window frame is a cancel, with its question; the main
    // window closing its editors at exit does not ask.
    if (!closed_ && event->spontaneous() && !MayDropEntries(platform_, this, HasPendingChanges())) {
        event->ignore();
        return;
    }
    if (!closed_) {
        closed_ = true;
        EnableMainWindow();
    }
    event->accept();
}

void FormHomeRoom::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Command3->click();
        return;
    case Qt::Key_Escape:
        Command2->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

bool FormHomeRoom::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Combo2 && event->type() == QEvent::KeyPress) {
        // Enter in the number box goes to the number typed there, as in the
        // test editor: never on to the next one, whose name would then be
        // overwritten by the correction meant for this one.
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            showStudent(AttendanceNumberFromText(S(Combo2->currentText())), true);
            Text2->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    if (watched == MSFlexGrid1 && event->type() == QEvent::KeyPress) {
        // A character typed on the roster goes into the name of its current row.
        auto* key = static_cast<QKeyEvent*>(event);
        const bool character = !key->text().isEmpty() && key->text().at(0).isPrint() &&
                               !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (!character)
            return QWidget::eventFilter(watched, event);
        const int row = MSFlexGrid1->currentRow();
        if (row >= 1 && row <= kStudents && row != Book().CurrentStudentNo)
            showStudent(row, true);
        const int col = MSFlexGrid1->currentColumn();
        QLineEdit* field = col == kCodeColumn ? Text3 : col == kAccountColumn ? Text4 : Text2;
        field->setFocus(Qt::OtherFocusReason);
        field->deselect();
        field->end(false);
        field->insert(key->text());
        return true;
    }
    if ((watched == Text3 || watched == Text4) && event->type() == QEvent::KeyPress) {
        // In a code or account the side arrows move the caret; up and down
        // go to the number before or after, staying in the same column.
        auto* field = static_cast<QLineEdit*>(watched);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Down && key != Qt::Key_Up && key != Qt::Key_Return && key != Qt::Key_Enter)
            return QWidget::eventFilter(watched, event);
        key == Qt::Key_Up ? Command4_Click() : Command3_Click();
        field->setFocus();
        field->selectAll();
        return true;
    }
    if (watched == Text2 && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            Command3_Click();
            return true;
        case Qt::Key_Left:
        case Qt::Key_Up:
            Command4_Click();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace miravel
