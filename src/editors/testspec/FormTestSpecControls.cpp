// The test editor's controls: built, named for screen readers and put in
// reading order. The window's behaviour is in FormTestSpec.cpp.

#include "editors/testspec/FormTestSpec.h"

#include "core/GradeBook.h"
#include "editors/EditorKeys.h"
#include "editors/testspec/ScoreTable.h"
#include "editors/testspec/TestSpecTexts.h"
#include "mainwindow/GridMirror.h"
#include "platform/InputMode.h"
#include "platform/Platform.h"
#include "platform/Twips.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <iterator>

namespace miravel {

namespace ts = testspec_texts;

namespace {

QString Q(const char* text) { return QString::fromUtf8(text); }
QString Q(const std::string& text) { return QString::fromStdString(text); }

QLabel* Caption(const char* text, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(Q(text));
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

} // namespace

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
    // A number can be typed as a whole: no digit picks a student by itself.
    Combo2->setEditable(true);
    Combo2->setInsertPolicy(QComboBox::NoInsert);
    Combo2->setCompleter(nullptr);
    Combo2->lineEdit()->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9 ]{0,3}")), Combo2));
    Combo2->installEventFilter(this);
    SelectNumberOnClick(Combo2);
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
    Command6 = new QPushButton(Q(ts::kImportScores));
    Command6->setAutoDefault(false);
    auto* closing = new QHBoxLayout;
    closing->addWidget(Command6);
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
                        Entries[2],  Command3,    Command4,   Command5,  Command6,     Command1,  Command2};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace miravel
