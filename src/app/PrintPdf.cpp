#include "app/PrintPdf.h"

#include "core/EvaluationRules.h"
#include "core/TextRules.h"
#include "editors/criteria/CriteriaGraphPages.h"
#include "mainwindow/MainWindowTexts.h"
#include "grades/GridBase.h"
#include "grades/StudentSheets.h"
#include "platform/OffscreenFonts.h"
#include "print/PrintFonts.h"
#include "platform/DateFormat.h"
#include "platform/JapaneseFonts.h"
#include "file/BookSave.h"
#include "print/PdfFile.h"
#include "print/StudentSheetPage.h"
#include "print/TablePage.h"

#include <QDate>
#include <QGuiApplication>
#include <QLocale>

#include <cstring>
#include <iostream>
#include <memory>

namespace miravel {

namespace {

constexpr const char kGraphsPrefix[] = "graphs:";

constexpr const char kStudentPrefix[] = "student:";
constexpr const char kAllStudentsView[] = "students";

bool IsGraphsView(const std::string& view) { return view.rfind(kGraphsPrefix, 0) == 0; }
bool IsStudentsView(const std::string& view)
{
    return view == kAllStudentsView || view.rfind(std::string(kAllStudentsView) + ":", 0) == 0 ||
           view.rfind(kStudentPrefix, 0) == 0;
}

// "graphs:S" is the year-round graph page of subject S, "graphs:S,M" the one
// of semester M; numbers count from 1. `semester` is -1 for the year.
bool ParseGraphsView(const std::string& view, int& subject, int& semester, std::string& err)
{
    const std::string numbers = view.substr(std::strlen(kGraphsPrefix));
    auto number = [](const std::string& text, int limit) {
        return text.size() == 1 && text[0] >= '1' && text[0] <= '0' + limit ? text[0] - '1' : -1;
    };
    const auto comma = numbers.find(',');
    subject = number(numbers.substr(0, comma), kSubjects);
    semester = comma == std::string::npos ? -1 : number(numbers.substr(comma + 1), kSemesters);
    if (subject < 0 || (comma != std::string::npos && semester < 0)) {
        err += "表 " + view + " の番号が正しくありません（科目は1から" + std::to_string(kSubjects) + "、学期は1から" +
               std::to_string(kSemesters) + "まで）。\n";
        return false;
    }
    return true;
}

// The page of the criteria editors' ｸﾞﾗﾌを印刷, A4 portrait.
bool GraphPages(const CommandLine& command, const std::string& dateText, GradeBook& book, PageDocument& pages,
                QPageLayout& paper, std::string& err)
{
    int subject = 0, semester = 0;
    if (!ParseGraphsView(command.view, subject, semester, err) || !OpenCommandBook(command, book, err))
        return false;
    if (book.CountEnrolledStudents() == 0) {
        err += std::string(texts::kNoStudentsYet) + "\n";
        return false;
    }
    paper = PdfPageLayout(false);
    const int width = PrintAreaOf(paper).width;
    pages = {semester < 0 ? YearRoundGraphPage(book, subject, dateText, width)
                          : SemesterGraphPage(book, subject, semester, dateText, width)};
    return true;
}

// The period P of "students:P" and "student:N,P" (`text` after the
// separator, or nothing without one): 1 to 3 a semester, 4 通年, as in
// "evaluations:M". Without one, the latest with data.
bool ParseSheetPeriod(const std::string& view, std::size_t separator, const GradeBook& book, int& period,
                      std::string& err)
{
    period = kLatestSheetPeriod;
    if (separator == std::string::npos)
        return true;
    const std::string text = view.substr(separator + 1);
    if (text.size() != 1 || text[0] < '1' || text[0] > '4') {
        err += "表 " + view + " の期間が正しくありません（1から3は学期、4は通年）。\n";
        return false;
    }
    period = text[0] - '1';
    if (period >= ShownSemesters(book) && period < kYearRoundPeriod) {
        err += "この学級は2学期制です。期間は 1、2（前期、後期）か 4（通年）です。\n";
        return false;
    }
    return true;
}

// "student:N[,P]" is the sheet of attendance number N, "students[:P]" one
// sheet per named student in number order, each up to period P.
bool ParseStudentsView(const std::string& view, const GradeBook& book, std::vector<int>& numbers, int& period,
                       std::string& err)
{
    if (view.rfind(kStudentPrefix, 0) != 0) {  // "students" or "students:P"
        numbers = NamedStudents(book);
        return ParseSheetPeriod(view, view.find(':'), book, period, err);
    }
    const std::size_t comma = view.find(',');
    const std::string number = view.substr(0, comma).substr(std::strlen(kStudentPrefix));
    const bool digits = !number.empty() && number.size() <= 2 && number.find_first_not_of("0123456789") == std::string::npos;
    const int n = digits ? std::stoi(number) : 0;
    if (n < 1 || n > kStudents) {
        err += "表 " + view + " の出席番号が正しくありません（1から" + std::to_string(kStudents) + "まで）。\n";
        return false;
    }
    if (n > book.StudentCount || book.StudentNames[n - 1].empty()) {
        err += "出席番号" + Str(n) + " の生徒は登録されていません。\n";
        return false;
    }
    numbers = {n};
    return ParseSheetPeriod(view, comma, book, period, err);
}

// The printed date of a sheet, in the era when it reads as a date.
std::string SheetDate(const std::string& dateText)
{
    QDate date = QDate::fromString(QString::fromStdString(dateText), JapaneseShortDateFormat(QLocale::system()));
    if (!date.isValid())
        date = QDate::fromString(QString::fromStdString(dateText), QStringLiteral("yyyy/MM/dd"));
    return date.isValid() ? EraDate(date.year(), date.month(), date.day()) : dateText;
}

// The per-student sheets, A4 portrait.
bool SheetPages(const CommandLine& command, const std::string& dateText, GradeBook& book, PageDocument& pages,
                QPageLayout& paper, std::string& err)
{
    if (!OpenCommandBook(command, book, err))
        return false;
    if (book.CountEnrolledStudents() == 0) {
        err += std::string(texts::kNoStudentsYet) + "\n";
        return false;
    }
    std::vector<int> numbers;
    int period = kLatestSheetPeriod;
    if (!ParseStudentsView(command.view, book, numbers, period, err))
        return false;
    paper = PdfPageLayout(false);
    pages = LayoutStudentSheets(GatherStudentSheets(book, numbers, period), SheetDate(dateText), PrintAreaOf(paper));
    return true;
}

// The page(s) of the print command for a table, A4 landscape.
bool TablePages(const CommandLine& command, const std::string& dateText, GradeBook& book, PageDocument& pages,
                QPageLayout& paper, std::string& err)
{
    auto pane = std::make_unique<TablePane>();
    if (!DrawCommandView(command, book, *pane, err))
        return false;
    paper = PdfPageLayout(true);
    pages = LayoutTablePages({pane->Grid, pane->Caption, book.ShownColumnCount, book.CurrentNodeKey, dateText},
                             PrintAreaOf(paper));
    return true;
}

} // namespace

int RunPrintPdf(const CommandLine& command, const std::string& dateText, std::string&, std::string& err)
{
    if (RefuseOutputOntoBook(command, err))
        return 1;
    // Before the book is opened (and its password asked): no PDF without its text.
    if (!SystemPrintFonts().Found()) {
        err += std::string(kNoPrintFont) + "\n";
        return 1;
    }
    auto book = std::make_unique<GradeBook>();
    PageDocument pages;
    QPageLayout paper;
    const bool drawn = IsGraphsView(command.view)     ? GraphPages(command, dateText, *book, pages, paper, err)
                       : IsStudentsView(command.view) ? SheetPages(command, dateText, *book, pages, paper, err)
                                                      : TablePages(command, dateText, *book, pages, paper, err);
    if (!drawn)
        return 1;
    SaveReport report;
    if (const FileResult error = WritePdfFile(command.output, pages, paper, CaptionLine(*book), report,
                                                 BookFileMode(command.file))) {
        err += "PDFファイルに保存できません。" + command.output + ": " + error->Message() + "\n";
        return 1;
    }
    err += BackupMissingNote(command.output, report.BackupMissing());
    return 0;
}

namespace {

// The command speaks for itself on stderr; Qt's notes about the desktop it
// runs without (no runtime folder, no display) are not for the teacher.
void KeepSeriousMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << "\n";
}

} // namespace

int PrintPdfWithoutDisplay(int& argc, char** argv, const CommandLine& command)
{
    // Nothing is shown, so no display is needed or used.
    qInstallMessageHandler(KeepSeriousMessages);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    UseSystemFontsOffscreen();
    QGuiApplication app(argc, argv);
    InstallFontSubstitutions();
    const QString today = QDate::currentDate().toString(JapaneseShortDateFormat(QLocale::system()));
    std::string out, err;
    const int code = RunPrintPdf(command, today.toStdString(), out, err);
    std::cout << out;
    std::cerr << err;
    return code;
}

} // namespace miravel
