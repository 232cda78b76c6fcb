#include "mainwindow/StudentSheetPrintCommand.h"

#include "core/GradeBook.h"
#include "core/TextRules.h"
#include "mainwindow/FlexGrid.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/PrintTarget.h"
#include "mainwindow/frmMain.h"
#include "grades/EvaluationList.h"
#include "grades/StudentSheets.h"
#include "platform/Platform.h"
#include "print/PdfFile.h"
#include "print/StudentSheetPage.h"
#include "mainwindow/TablePdfName.h"
#include "mainwindow/TablePrintCommand.h"

#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace miravel {

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

// Whose sheets: the whole class or one student, and up to which period.
// The student whose row is current in the roster is offered first, and the
// latest period with data. False when cancelled.
bool ChooseStudents(frmMain& window, std::vector<int>& numbers, int& period)
{
    const GradeBook& book = Book();
    const std::vector<int> named = NamedStudents(book);

    QDialog dialog(&window);
    dialog.setWindowTitle(U("個人成績表の印刷"));
    dialog.setMinimumWidth(360);
    auto* label = new QLabel(U("印刷する生徒(&S)："), &dialog);
    auto* choice = new QComboBox(&dialog);
    choice->setObjectName(QStringLiteral("Students"));
    label->setBuddy(choice);
    choice->setAccessibleName(U("印刷する生徒"));
    choice->addItem(U("学級全員（") + QString::number(named.size()) + U("名）"), 0);
    for (int n : named)
        choice->addItem(QString::fromStdString(Str(n) + " " + book.StudentNames[n - 1]), n);
    const int row = window.MSFlexGrid1->currentRow();
    if (const int at = choice->findData(row); row >= 1 && at > 0)
        choice->setCurrentIndex(at);

    auto* periodLabel = new QLabel(U("印刷する期間(&T)："), &dialog);
    auto* periods = new QComboBox(&dialog);
    periods->setObjectName(QStringLiteral("Periods"));
    periodLabel->setBuddy(periods);
    periods->setAccessibleName(U("印刷する期間"));
    for (int p : SheetPeriods(book, kYearRoundPeriod))
        periods->addItem(QString::fromStdString(p == kYearRoundPeriod ? std::string("通年（1年間）")
                                                                       : PeriodName(book, p) + "まで"),
                         p);
    periods->setCurrentIndex(periods->findData(LatestSheetPeriod(book)));

    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(U("印刷(&P)..."), QDialogButtonBox::AcceptRole);
    buttons->addButton(U("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(choice);
    layout->addWidget(periodLabel);
    layout->addWidget(periods);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const int n = choice->currentData().toInt();
    numbers = n > 0 ? std::vector<int>{n} : named;
    period = periods->currentData().toInt();
    return true;
}

} // namespace

void RegisterSheetPrinting(frmMain& window) { window.SetSheetPrintHandler(PrintStudentSheets); }

void PrintStudentSheets(frmMain& window)
{
    std::vector<int> numbers;
    int period = kLatestSheetPeriod;
    if (!ChooseStudents(window, numbers, period))
        return;
    Platform& platform = window.platform();
    // Offered as "3年1組-個人成績表.pdf" (the command runs from the class node).
    std::string pdfName = TablePdfName(Book());
    const std::string roster = "-名簿";
    if (pdfName.size() > roster.size() && pdfName.compare(pdfName.size() - roster.size(), roster.size(), roster) == 0)
        pdfName.erase(pdfName.size() - roster.size());
    if (!ChoosePrintTarget(platform, &window, U("印刷"), QString::fromStdString(pdfName + "-個人成績表")))
        return;

    // One A4 portrait page per student, whatever page setup chose for tables.
    QPrinter& printer = platform.Printer();
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);

    GradeBook& book = Book();
    const QDate today = platform.Today();
    const ClassSheets sheets = GatherStudentSheets(book, numbers, period);
    const std::string date = EraDate(today.year(), today.month(), today.day());
    PrintOnChosenPrinter(window, LayoutStudentSheets(sheets, date, PrintAreaOf(printer.pageLayout())),
                         sheets.caption + "　個人成績表");
}

} // namespace miravel
