#include "editors/notes/FormNotes.h"

#include "core/GradeBook.h"
#include "editors/EditorKeys.h"
#include "editors/homeroom/HomeRoomRules.h"
#include "editors/notes/NotesRules.h"
#include "editors/notes/NotesTexts.h"
#include "mainwindow/MainWindowTexts.h"
#include "platform/InputMode.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace miravel {

namespace {

namespace nt = notes_texts;

QString U(const char* text) { return QString::fromUtf8(text); }
QString Q(const std::string& text) { return QString::fromStdString(text); }

constexpr int kMaxDays = 366;
const NoteText kAllTexts[kNoteTexts] = {NoteText::Remarks, NoteText::Moral, NoteText::Integrated, NoteText::Foreign};
const char* const kTextCaptions[kNoteTexts] = {nt::kRemarksLabel, nt::kMoralLabel, nt::kIntegratedLabel,
                                               nt::kForeignLabel};

QLabel* LabelFor(const char* text, QWidget* field)
{
    auto* label = new QLabel(U(text));
    label->setBuddy(field);
    field->setAccessibleName(label->text().remove(QLatin1Char('&')));
    return label;
}

// A box for a text of `characters` characters, a line of 25 at most.
QPlainTextEdit* TextBox(int characters)
{
    auto* box = new QPlainTextEdit;
    box->setTabChangesFocus(true);
    SetInputMode(box, InputMode::Hiragana);
    const QFontMetrics metrics(box->font());
    const int perLine = 25;
    const int lines = (characters + perLine - 1) / perLine + 1;
    const int frame = 2 * box->frameWidth() + 12;
    box->setMinimumSize(metrics.horizontalAdvance(U("あ")) * perLine + frame, metrics.lineSpacing() * lines + frame);
    return box;
}

} // namespace

FormNotes::FormNotes(Platform& platform) : platform_(platform), working_(Book().Evaluation.Notes)
{
    setObjectName(QStringLiteral("FormNotes"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(U(nt::kWindowCaption));
    createControls();
    wire();
    AddRegisterShortcut(Command1);
    const GradeBook& book = Book();
    period_ = OpeningPeriod(book);
    Period->setCurrentIndex(period_ - 1);
    showTextsInUse();
    ShowStudent(FirstNamedStudent(book));
}

FormNotes::~FormNotes()
{
    // The controls go after the working copy; nothing they signal may reach it.
    for (QObject* control : findChildren<QObject*>())
        disconnect(control, nullptr, this, nullptr);
}

void FormNotes::createControls()
{
    Period = new QComboBox;
    for (const std::string& name : PeriodNames(Book()))
        Period->addItem(Q(name));
    auto* top = new QHBoxLayout;
    top->addWidget(LabelFor(nt::kPeriodLabel, Period));
    top->addWidget(Period);
    top->addStretch(1);

    Tabs = new QTabWidget;
    Tabs->setAccessibleName(U("所見と出欠の表示"));
    Tabs->addTab(createStudentPage(), U(nt::kStudentTab));
    Tabs->addTab(createListPage(), U(nt::kListTab));

    SettingsButton = new QPushButton(U(nt::kClassSettings));
    Command1 = new QPushButton(U(nt::kRegister));
    Command2 = new QPushButton(U(nt::kCancel));
    auto* closing = new QHBoxLayout;
    closing->addWidget(SettingsButton);
    closing->addStretch(1);
    closing->addWidget(Command1);
    closing->addWidget(Command2);

    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(Tabs, 1);
    page->addLayout(closing);

    QList<QWidget*> order = {Period, Tabs, Number, Previous, Next};
    for (QPlainTextEdit* box : Texts)
        order << box;
    order << Excused << Absent << AttendanceNote;
    for (QCheckBox* box : Conduct)
        order << box;
    order << List << PasteButton << ImportButton << SettingsButton << Command1 << Command2;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QWidget* FormNotes::createStudentPage()
{
    auto* page = new QWidget;
    Number = new QComboBox;
    Number->setEditable(true);
    Number->setInsertPolicy(QComboBox::NoInsert);
    for (int n = 1; n <= kStudents; ++n)
        Number->addItem(QString::number(n));
    SelectNumberOnClick(Number);
    StudentName = new QLabel;
    StudentName->setMinimumWidth(160);
    Previous = new QPushButton(U(nt::kPrevious));
    Next = new QPushButton(U(nt::kNext));
    auto* who = new QHBoxLayout;
    who->addWidget(LabelFor(nt::kNumberLabel, Number));
    who->addWidget(Number);
    who->addWidget(StudentName);
    who->addStretch(1);
    who->addWidget(Previous);
    who->addWidget(Next);

    auto* texts = new QGridLayout;
    for (int t = 0; t < kNoteTexts; ++t) {
        Texts[t] = TextBox(t == 0 ? 200 : 100);
        TextLabels[t] = LabelFor(kTextCaptions[t], Texts[t]);
        Counts[t] = new QLabel;
        Counts[t]->setAccessibleName(TextLabels[t]->text().remove(QLatin1Char('&')) + U("の字数"));
        Counts[t]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        texts->addWidget(TextLabels[t], 2 * t, 0);
        texts->addWidget(Counts[t], 2 * t, 1);
        texts->addWidget(Texts[t], 2 * t + 1, 0, 1, 2);
    }
    texts->setRowStretch(1, 2);  // 所見 gets twice the room of the others
    for (int t = 1; t < kNoteTexts; ++t)
        texts->setRowStretch(2 * t + 1, 1);

    auto* attendance = new QGroupBox(U(nt::kAttendanceFrame));
    SchoolDays = new QLabel;
    Excused = new QSpinBox;
    Absent = new QSpinBox;
    for (QSpinBox* box : {Excused, Absent}) {
        box->setRange(0, kMaxDays);
        box->setSuffix(U("日"));
    }
    AttendanceNote = new QLineEdit;
    AttendanceNote->setMaxLength(kAttendanceNoteLimit);
    SetInputMode(AttendanceNote, InputMode::Hiragana);
    DerivedDays = new QLabel;
    DerivedDays->setWordWrap(true);
    auto* days = new QGridLayout(attendance);
    days->addWidget(SchoolDays, 0, 0, 1, 2);
    days->addWidget(LabelFor(nt::kExcusedLabel, Excused), 1, 0);
    days->addWidget(Excused, 1, 1);
    days->addWidget(LabelFor(nt::kAbsentLabel, Absent), 2, 0);
    days->addWidget(Absent, 2, 1);
    days->addWidget(LabelFor(nt::kAttendanceNoteLabel, AttendanceNote), 3, 0);
    days->addWidget(AttendanceNote, 3, 1);
    days->addWidget(DerivedDays, 4, 0, 1, 2);

    auto* conduct = new QGroupBox(U(nt::kConductFrame));
    auto* marks = new QVBoxLayout(conduct);
    for (int i = 0; i < kConductItems; ++i) {
        Conduct[i] = new QCheckBox;
        marks->addWidget(Conduct[i]);
    }

    auto* side = new QVBoxLayout;
    side->addWidget(attendance);
    side->addWidget(conduct);
    side->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addLayout(texts, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(who);
    layout->addLayout(body, 1);
    return page;
}

void FormNotes::wire()
{
    connect(Period, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int i) { ChoosePeriod(i + 1); });
    connect(Number, &QComboBox::editTextChanged, this,
            [this](const QString& text) { ShowStudent(AttendanceNumberFromText(text.toStdString())); });
    // Enter in the number box goes to the 所見 of the number typed.
    connect(Number->lineEdit(), &QLineEdit::returnPressed, this, [this] { Texts[0]->setFocus(); });
    connect(Previous, &QPushButton::clicked, this, [this] { ShowStudent(NextNamedStudent(Book(), number_, -1)); });
    connect(Next, &QPushButton::clicked, this, [this] { ShowStudent(NextNamedStudent(Book(), number_, +1)); });
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this);
    connect(next, &QShortcut::activated, Next, &QPushButton::click);
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this);
    connect(previous, &QShortcut::activated, Previous, &QPushButton::click);
    for (int t = 0; t < kNoteTexts; ++t)
        connect(Texts[t], &QPlainTextEdit::textChanged, this, [this, t] { textChanged(t); });
    connect(Excused, qOverload<int>(&QSpinBox::valueChanged), this, [this](int days) {
        if (!loading_)
            student().Excused = days, showDays();
    });
    connect(Absent, qOverload<int>(&QSpinBox::valueChanged), this, [this](int days) {
        if (!loading_)
            student().Absent = days, showDays();
    });
    connect(AttendanceNote, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!loading_)
            student().AttendanceNote = text.toStdString();
    });
    for (int i = 0; i < kConductItems; ++i)
        connect(Conduct[i], &QCheckBox::toggled, this, [this, i](bool on) {
            if (!loading_)
                student().Conduct[i] = on;
        });
    connect(Tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == 1)
            ShowList();
    });
    connect(List, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        ShowStudent(row + 1);
        Tabs->setCurrentIndex(0);
        Texts[0]->setFocus();
    });
    auto* paste = new QShortcut(QKeySequence::Paste, List, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(paste, &QShortcut::activated, this, &FormNotes::PasteRemarks);
    connect(PasteButton, &QPushButton::clicked, this, &FormNotes::PasteRemarks);
    connect(ImportButton, &QPushButton::clicked, this, &FormNotes::ImportRemarks);
    connect(SettingsButton, &QPushButton::clicked, this, &FormNotes::EditClassSettings);
    connect(Command1, &QPushButton::clicked, this, &FormNotes::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FormNotes::Command2_Click);
}

StudentNotes& FormNotes::student() { return working_.Student(period_, number_); }

bool FormNotes::HasPendingChanges() const { return working_ != Book().Evaluation.Notes; }

void FormNotes::ShowStudent(int number)
{
    number_ = number < 1 || number > kStudents ? 1 : number;
    const GradeBook& book = Book();
    loading_ = true;
    if (Number->currentText() != QString::number(number_)) {
        const QSignalBlocker quiet(Number);
        Number->setEditText(QString::number(number_));
    }
    // A number without a name has no report card to write.
    const bool named = !book.StudentNames[number_ - 1].empty();
    StudentName->setText(named ? Q(book.StudentNames[number_ - 1]) : U("（名前のない出席番号です）"));
    for (QWidget* field : std::initializer_list<QWidget*>{Texts[0], Texts[1], Texts[2], Texts[3], Excused, Absent,
                                                          AttendanceNote})
        field->setEnabled(named);
    for (QCheckBox* box : Conduct)
        box->setEnabled(named);
    const StudentNotes& held = student();
    for (int t = 0; t < kNoteTexts; ++t) {
        const QString text = Q(held.Texts[t]);
        if (Texts[t]->toPlainText() != text)
            Texts[t]->setPlainText(text);
        showCount(t);
    }
    Excused->setValue(held.Excused);
    Absent->setValue(held.Absent);
    AttendanceNote->setText(Q(held.AttendanceNote));
    for (int i = 0; i < kConductItems; ++i)
        Conduct[i]->setChecked(held.Conduct[i]);
    loading_ = false;
    showDays();
}

void FormNotes::ChoosePeriod(int period)
{
    period_ = period;
    ShowStudent(number_);
    if (Tabs->currentIndex() == 1)
        ShowList();
}

void FormNotes::textChanged(int t)
{
    if (loading_)
        return;
    student().Texts[t] = Texts[t]->toPlainText().toStdString();
    showCount(t);
}

void FormNotes::showCount(int t)
{
    const int count = NoteCharacterCount(student().Texts[t]);
    const int limit = working_.Limits[t];
    Counts[t]->setText(Q(CountCaption(count, limit)));
    const bool over = CountOverLimit(count, limit);
    QPalette colours = Counts[t]->palette();
    colours.setColor(QPalette::WindowText, over ? QColor(Qt::red) : palette().color(QPalette::WindowText));
    Counts[t]->setPalette(colours);
    Counts[t]->setToolTip(over ? U("字数の上限を超えています") : QString());
}

void FormNotes::showDays()
{
    const PeriodNotes& period = working_.Periods[period_ - 1];
    SchoolDays->setText(U(nt::kSchoolDays) + U("　") +
                        (period.SchoolDays ? QString::number(*period.SchoolDays) + U("日") : U(nt::kNotEntered)));
    DerivedDays->setText(Q(DerivedDaysCaption(period, student())));
}

void FormNotes::showTextsInUse()
{
    for (int t = 1; t < kNoteTexts; ++t) {
        const bool used = working_.Uses[t];
        TextLabels[t]->setVisible(used);
        Texts[t]->setVisible(used);
        Counts[t]->setVisible(used);
    }
    for (int i = 0; i < kConductItems; ++i) {
        Conduct[i]->setText(Q(working_.ConductItems[i]));
        Conduct[i]->setAccessibleName(U("行動の記録 ") + Q(working_.ConductItems[i]));
    }
}

void FormNotes::inform(const QString& text)
{
    platform_.ShowMessage(this, text, U(texts::kProgramTitle), MessageButtons::Ok, MessageIcon::None);
}

void FormNotes::Command1_Click()
{
    RegisterNotes(Book(), working_);
    leave();
}

void FormNotes::Command2_Click()
{
    if (MayDropEntries(platform_, this, HasPendingChanges()))
        leave();
}

void FormNotes::leave()
{
    closed_ = true;
    EnableMainWindow();
    close();
}

void FormNotes::closeEvent(QCloseEvent* event)
{
    // The window frame is ｷｬﾝｾﾙ, with its question; the main window closing
    // its editors at exit does not ask.
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

void FormNotes::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        Command2->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace miravel
