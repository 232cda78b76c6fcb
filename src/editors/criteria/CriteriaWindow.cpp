#include "editors/criteria/CriteriaWindow.h"

#include "core/TextRules.h"
#include "editors/criteria/CriteriaGraphPages.h"
#include "editors/criteria/CriteriaRules.h"
#include "editors/criteria/CriteriaTexts.h"
#include "editors/criteria/DistributionGraph.h"
#include "editors/criteria/UpDown.h"
#include "editors/EditorKeys.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/PrintTarget.h"
#include "platform/InputMode.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "print/PagePainter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QKeyEvent>

#include <algorithm>

namespace miravel {

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }
QString U(const std::string& text) { return QString::fromStdString(text); }

// Geometry of the window, in twips.
constexpr int kFrameLeft = 120;
constexpr int kFrameWidth = 3735;
constexpr int kFrameHeight = 1560;
constexpr int kRowTops[] = {300, 700, 1100};
constexpr int kRowHeight = 330;
constexpr int kRowLabelLeft = 150;
constexpr int kBoxLeft = 1200;
constexpr int kBoxWidth = 900;
constexpr int kSpinWidth = 270;
constexpr int kPersonsLeft = 2450;
constexpr int kWindowWidth = 7900;
constexpr int kButtonWidth = 1170;
constexpr int kButtonHeight = 400;

} // namespace

CriteriaWindow::CriteriaWindow(Platform& platform, int period, int subject)
    : QWidget(nullptr), platform_(platform), period_(period), subject_(subject)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The graphs' screen texts use the window's font at the desktop's usual size.
    QFont surfaceFont = font();
    surfaceFont.setPointSize(9);
    setFont(surfaceFont);
}

int CriteriaWindow::px(int twips) const { return TwipsToPixels(twips, LogicalDpiX(this)); }
int CriteriaWindow::py(int twips) const { return TwipsToPixels(twips, LogicalDpiY(this)); }

void CriteriaWindow::buildCounts(const std::array<int, kViewpoints>& frameTops, int buttonTop, int windowHeight)
{
    auto place = [this](QWidget* widget, int left, int top, int width, int height) {
        widget->setGeometry(px(left), py(top), px(width), py(height));
    };
    for (int v = 0; v < kViewpoints; ++v) {
        ViewpointCounts& row = counts_[v];
        row.frame = new QGroupBox(this);
        place(row.frame, kFrameLeft, frameTops[v], kFrameWidth, kFrameHeight);
        const char* rankTexts[] = {criteria_texts::kRankA, criteria_texts::kRankB, criteria_texts::kRankC};
        for (int r = 0; r < 3; ++r) {
            auto* rank = new QLabel(U(rankTexts[r]), row.frame);
            place(rank, kRowLabelLeft, kRowTops[r], kBoxLeft - kRowLabelLeft, kRowHeight);
            auto* persons = new QLabel(U(criteria_texts::kPersons), row.frame);
            place(persons, kPersonsLeft, kRowTops[r], 400, kRowHeight);
        }
        row.countA = new QLineEdit(row.frame);
        row.countC = new QLineEdit(row.frame);
        row.countB = new QLabel(row.frame);
        row.countB->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        place(row.countA, kBoxLeft, kRowTops[0], kBoxWidth, kRowHeight);
        place(row.countB, kBoxLeft, kRowTops[1], kBoxWidth, kRowHeight);
        place(row.countC, kBoxLeft, kRowTops[2], kBoxWidth, kRowHeight);
        row.upA = new UpDown(row.countA, row.frame);
        row.upC = new UpDown(row.countC, row.frame);
        place(row.upA, kBoxLeft + kBoxWidth, kRowTops[0], kSpinWidth, kRowHeight);
        place(row.upC, kBoxLeft + kBoxWidth, kRowTops[2], kSpinWidth, kRowHeight);
        for (QLineEdit* box : {row.countA, row.countC}) {
            SetInputMode(box, InputMode::Off);
            connect(box, &QLineEdit::textChanged, this, [this, v, box] { changeRule(v, box); });
        }
    }
    // Grading by the criteria gives the letters without counts: the boxes
    // stay for the relative mode but take no input.
    if (Book().Evaluation.Criterion()) {
        for (ViewpointCounts& row : counts_)
            for (QWidget* control : std::initializer_list<QWidget*>{row.countA, row.countC, row.upA, row.upC})
                control->setEnabled(false);
        auto* note = new QLabel(U(criteria_texts::kCountsUnused), this);
        note->setObjectName(QStringLiteral("lblCountsUnused"));
        place(note, kFrameLeft, buttonTop - 360, kFrameWidth, kRowHeight);
    }
    Command1 = new QPushButton(U(criteria_texts::kRegister), this);
    Command2 = new QPushButton(U(criteria_texts::kCancel), this);
    Command3 = new QPushButton(U(criteria_texts::kPrintGraphs), this);
    const int gap = (kFrameWidth - 3 * kButtonWidth) / 2;
    place(Command1, kFrameLeft, buttonTop, kButtonWidth, kButtonHeight);
    place(Command2, kFrameLeft + kButtonWidth + gap, buttonTop, kButtonWidth, kButtonHeight);
    place(Command3, kFrameLeft + 2 * (kButtonWidth + gap), buttonTop, kButtonWidth, kButtonHeight);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, &CriteriaWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &CriteriaWindow::Command3_Click);
    AddRegisterShortcut(Command1);
    setFixedSize(px(kWindowWidth), py(windowHeight));
}

void CriteriaWindow::nameViewpoints()
{
    const GradeBook& book = Book();
    for (int v = 0; v < kViewpoints; ++v) {
        const QString name = U(book.SubjectTable[subject_][v + 1]);
        ViewpointCounts& row = counts_[v];
        row.frame->setTitle(name + U(criteria_texts::kViewpointFrame));
        row.countA->setAccessibleName(name + U(criteria_texts::kCountAName));
        row.countC->setAccessibleName(name + U(criteria_texts::kCountCName));
        row.upA->SetBuddyName(row.countA->accessibleName());
        row.upC->SetBuddyName(row.countC->accessibleName());
    }
    // Long names would run a graph's title off the window's right edge.
    int width = px(kWindowWidth);
    for (int v = 0; v < kViewpoints; ++v) {
        const int titleWidth = fontMetrics().horizontalAdvance(U(ScreenGraphTitle(book, subject_, v)));
        width = std::max(width, px(kScreenGraphLeft + ScreenGraphTitleOffset() + kFrameLeft) + titleWidth);
    }
    setFixedSize(width, height());
}

void CriteriaWindow::fillBox(QLineEdit* box, Integer stored)
{
    const QString text = U(Str(stored));
    filling_ = true;
    if (box->text() == text) {
        // Unchanged text raises no change; the rule still runs.
        for (int v = 0; v < kViewpoints; ++v)
            if (box == counts_[v].countA || box == counts_[v].countC)
                changeRule(v, box);
    } else {
        box->setText(text);
    }
    filling_ = false;
}

double CriteriaWindow::countB(int viewpoint) const
{
    const ViewpointCounts& row = counts_[viewpoint];
    return Book().CountEnrolledStudents() - CountValue(row.countA->text().toStdString()) -
           CountValue(row.countC->text().toStdString());
}

void CriteriaWindow::showCountB(int viewpoint)
{
    counts_[viewpoint].countB->setText(U(CountText(countB(viewpoint))));
}

void CriteriaWindow::changeRule(int viewpoint, QLineEdit* changed)
{
    const ViewpointCounts& row = counts_[viewpoint];
    QLineEdit* other = changed == row.countA ? row.countC : row.countA;
    const double value = CountValue(changed->text().toStdString());
    const double otherValue = CountValue(other->text().toStdString());
    const CountSource source = filling_ ? CountSource::Stored : CountSource::Typed;
    if (CheckCount(value, otherValue, Book().CountEnrolledStudents(), source) != CountCheck::Fits) {
        inform(criteria_texts::kBadCount);
        // Emptying the box runs the rule again, with 0.
        changed->clear();
        changed->setFocus();
        return;
    }
    showCountB(viewpoint);
    const double a = CountValue(row.countA->text().toStdString());
    const double c = CountValue(row.countC->text().toStdString());
    drawGraph(viewpoint, RoundToInteger(a), RoundToInteger(c));
}

void CriteriaWindow::drawGraph(int viewpoint, int countA, int countC)
{
    graphs_[viewpoint] = ScreenGraph(Book(), period_, subject_, viewpoint, countA, countC);
    update();
}

void CriteriaWindow::clearGraphs()
{
    for (Page& graph : graphs_)
        graph.items.clear();
    update();
}

void CriteriaWindow::drawStoredGraphs()
{
    clearGraphs();
    const GradeBook& book = Book();
    for (int v = 0; v < kViewpoints; ++v) {
        const int k = subject_ * kViewpoints + v;
        drawGraph(v, book.RankCountA[period_][k], book.RankCountC[period_][k]);
    }
}

void CriteriaWindow::storeCounts()
{
    GradeBook& book = Book();
    for (int v = 0; v < kViewpoints; ++v) {
        const int k = subject_ * kViewpoints + v;
        book.RankCountA[period_][k] = RoundToInteger(CountValue(counts_[v].countA->text().toStdString()));
        book.RankCountC[period_][k] = RoundToInteger(CountValue(counts_[v].countC->text().toStdString()));
    }
}

void CriteriaWindow::inform(const QString& text)
{
    platform_.ShowMessage(this, text, U(texts::kProgramTitle), MessageButtons::Ok, MessageIcon::None);
}

void CriteriaWindow::inform(const char* text) { inform(U(text)); }

void CriteriaWindow::closeEditor()
{
    if (!closed_) {
        closed_ = true;
        EnableMainWindow();
    }
    close();
}

bool CriteriaWindow::HasPendingChanges() const
{
    const GradeBook& book = Book();
    for (int v = 0; v < kViewpoints; ++v) {
        const int k = subject_ * kViewpoints + v;
        // As registering would store them.
        const auto stored = [](const QLineEdit* box) { return RoundToInteger(CountValue(box->text().toStdString())); };
        if (stored(counts_[v].countA) != book.RankCountA[period_][k] ||
            stored(counts_[v].countC) != book.RankCountC[period_][k])
            return true;
    }
    return false;
}

void CriteriaWindow::Command2_Click()
{
    if (MayDropEntries(platform_, this, HasPendingChanges()))
        closeEditor();
}

void CriteriaWindow::Command3_Click()
{
    // A cancelled dialog or a failing printer leaves the window as it was,
    // without a message (a missing font or printer is said before).
    if ((printCheck_ && !printCheck_()) || !ChoosePrintTarget(platform_, this, U(criteria_texts::kPrintGraphs)))
        return;
    QPrinter& printer = platform_.Printer();
    printer.setPageOrientation(QPageLayout::Portrait);
    const int pageWidth = static_cast<int>(printer.pageLayout().paintRectPoints().width() * 20);
    const std::string date = platform_.Today().toString(platform_.ShortDateFormat()).toStdString();
    PrintDocument(printer, {CriteriaGraphPage(Book(), period_, subject_, date, pageWidth)});
}

void CriteriaWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (const Page& graph : graphs_)
        PaintPage(painter, graph, logicalDpiX(), logicalDpiY());
}

void CriteriaWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        Form_Activate();
    }
}

void CriteriaWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow()) {
        if (leftForProgramWindow_) {
            leftForProgramWindow_ = false;
            Form_Activate();
        }
        return;
    }
    // Message boxes and the printer dialog belong to this window's own work;
    // another application's window is not the program's.
    QWidget* now = QApplication::activeWindow();
    leftForProgramWindow_ = now && now != this && !qobject_cast<QDialog*>(now);
}

void CriteriaWindow::keyPressEvent(QKeyEvent* event)
{
    // ｷｬﾝｾﾙ is the window's cancel button.
    if (event->key() == Qt::Key_Escape) {
        Command2->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CriteriaWindow::closeEvent(QCloseEvent* event)
{
    // Closing by the window frame is ｷｬﾝｾﾙ, with its question; the main
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

} // namespace miravel
