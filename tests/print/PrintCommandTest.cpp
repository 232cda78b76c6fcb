// The print commands of the main window: the printer dialog, page setup, the
// printed table, the sheet chooser, and what a teacher sees when printing
// cannot be done.

#include "mainwindow/StudentSheetPrintCommand.h"
#include "mainwindow/TablePrintCommand.h"

#include "mainwindow/WindowTestSupport.h"
#include "platform/JapaneseFonts.h"
#include "print/PdfText.h"

#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QPrinter>
#include <QTimer>

#include <regex>

namespace miravel::test {
namespace {

class PrintCommandTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        InstallFontSubstitutions();
    }

    // A class with the given names opened in a window that can print.
    void startWithClass(const std::vector<std::string>& names)
    {
        start();
        RegisterTablePrinting(*window);
        open(writeBook(U("3年1組.txt"), names));
    }

    QPrinter& printer() { return platform.Printer(); }
    std::string pdfPath = path(U("表.pdf")).toStdString();
};

TEST_F(PrintCommandTest, CancelledPrinterDialogPrintsNothingAndSaysNothing)
{
    startWithClass({"青木", "井上"});
    printer().setOutputFileName(QString::fromStdString(pdfPath));
    // Also after a cancelled page setup.
    platform.dialogAnswers = {false, false, false};
    platform.dialogs.clear();
    window->mnuFilePrint->trigger();
    window->mnuFilePageSetup->trigger();
    button(texts::kKeyPrint)->trigger();
    ASSERT_EQ(platform.dialogs.size(), 3u);
    EXPECT_EQ(platform.dialogs[0].kind, DialogKind::Print);
    EXPECT_EQ(platform.dialogs[1].kind, DialogKind::PageSetup);
    EXPECT_EQ(platform.dialogs[2].kind, DialogKind::Print);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(pdfPath)));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(PrintCommandTest, PrintsTheShownTableWithTodaysDate)
{
    startWithClass({"青木", "井上", "ｳｴﾀﾞ"});
    clickKey("1 0 0");
    printer().setOutputFileName(QString::fromStdString(pdfPath));
    platform.dialogAnswers = {true};
    window->mnuFilePrint->trigger();
    EXPECT_EQ(platform.dialogs.back().pdfName, U("3年1組-国語-一学期"));  // a name of its own, not the last one
    EXPECT_TRUE(platform.messages.empty()) << lastMessage().toStdString();
    const std::string text = Squeezed(PdfText(pdfPath));
    for (const char* expected : {"2025/04/07", "2024 3年1組 山田 生徒数（ 3名）", "国語", "一学期", "青木", "井上", "ｳｴﾀﾞ",
                                 "表現", "平均点", "クラスの平均点"})
        EXPECT_NE(text.find(Squeezed(expected)), std::string::npos) << expected;
    EXPECT_EQ(printer().pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer().pageLayout().pageSize().id(), QPageSize::A4);
}

// The sheet chooser offers the latest period with tests; the student and the
// period chosen there are the ones printed.
TEST_F(PrintCommandTest, SheetsOfTheChosenStudentUpToTheChosenPeriod)
{
    startWithClass({"青木", "井上", "ｳｴﾀﾞ"});
    RegisterSheetPrinting(*window);
    for (int period : {0, 1}) {  // 井上 has 31 points in the first semester, 47 in the second
        auto& slot = Book().Scores[TestSlot(period, 0, 0, 0)];
        slot[1] = period == 0 ? 31.0f : 47.0f;
        slot[kFullMarksColumn] = 50;
        slot[kAverageColumn] = slot[1];
    }
    printer().setOutputFileName(QString::fromStdString(pdfPath));
    platform.dialogAnswers = {true};
    QTimer::singleShot(0, [] {
        const ClosesDialog closes;
        auto* chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        auto* students = chooser->findChild<QComboBox*>(QStringLiteral("Students"));
        auto* periods = chooser->findChild<QComboBox*>(QStringLiteral("Periods"));
        EXPECT_EQ(periods->currentText(), U("二学期まで"));
        students->setCurrentIndex(students->findData(2));
        periods->setCurrentIndex(periods->findData(0));
        chooser->accept();
    });
    window->mnuFilePrintSheets->trigger();
    const std::string text = PdfText(pdfPath);
    EXPECT_EQ(PageCount(text), 1);
    const std::string sheet = Squeezed(text);
    EXPECT_NE(sheet.find("井上"), std::string::npos) << text;
    EXPECT_EQ(sheet.find("青木"), std::string::npos);
    EXPECT_NE(sheet.find("31"), std::string::npos);
    EXPECT_EQ(sheet.find("47"), std::string::npos);
}

TEST_F(PrintCommandTest, PageSetupChoicesApplyToPrinting)
{
    std::vector<std::string> names;
    for (int n = 1; n <= 40; ++n)
        names.push_back("生徒" + std::to_string(n));
    startWithClass(names);
    clickKey("1 0 0");
    printer().setOutputFileName(QString::fromStdString(pdfPath));
    platform.dialogAnswers = {true, true};
    window->mnuFilePageSetup->trigger();
    // What the teacher chose there: wide margins on the one printer.
    printer().setPageMargins(QMarginsF(30, 30, 30, 30), QPageLayout::Millimeter);
    window->mnuFilePrint->trigger();
    // The table no longer fits on one sheet: it goes on, header and all.
    const std::string text = PdfText(pdfPath);
    ASSERT_EQ(PageCount(text), 2);
    const std::string secondPage = Squeezed(text.substr(text.find('\f')));
    EXPECT_NE(secondPage.find("生徒氏名"), std::string::npos);
    EXPECT_NE(secondPage.find("クラスの平均点"), std::string::npos);
    for (const std::string& name : names)
        EXPECT_TRUE(std::regex_search(text, std::regex(name + "(?![0-9])"))) << name;
}

TEST_F(PrintCommandTest, FailuresAreReportedAndLeaveNoFile)
{
    startWithClass({"青木"});
    struct Case {
        QString output;
        const char* message;
    };
    const QByteArray book = readAll(path(U("3年1組.txt")));
    const Case cases[] = {
        {path(U("無い/表.pdf")), "PDFファイルを保存できません。"},
        {QString(), "印刷できません。"},  // a printer that cannot start
        {path(U("3年1組.txt")), "成績ファイル（またはそのバックアップ）には印刷できません。"},
        {path(U("3年1組.bak")), "成績ファイル（またはそのバックアップ）には印刷できません。"},
    };
    for (const Case& c : cases) {
        printer().setOutputFileName(c.output);
        platform.dialogAnswers = {true};
        platform.messages.clear();
        window->mnuFilePrint->trigger();
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_TRUE(platform.messages[0].text.startsWith(U(c.message))) << platform.messages[0].text.toStdString();
        EXPECT_EQ(platform.messages[0].title, U("Miravel"));
    }
    EXPECT_FALSE(QFileInfo::exists(path(U("無い"))));
    EXPECT_EQ(readAll(path(U("3年1組.txt"))), book);
    EXPECT_FALSE(QFileInfo::exists(path(U("3年1組.bak"))));
}

// A computer without any printer: the teacher is told and offered a PDF of
// the same pages, under a name of their choosing (or nothing, cancelled).
TEST_F(PrintCommandTest, WithoutAPrinterTheSamePagesGoToAPdfTheTeacherNames)
{
    startWithClass({"青木", "井上"});
    platform.printerPresent = false;
    const QString chosen = path(U("一覧"));  // typed without ".pdf"
    const std::tuple<MessageAnswer, QString, bool> cases[] = {
        {MessageAnswer::Cancel, chosen, false}, {MessageAnswer::Yes, QString(), false}, {MessageAnswer::Yes, chosen, true}};
    for (const auto& [answer, file, written] : cases) {
        platform.messageAnswers = {answer};
        platform.fileAnswers = {file};
        platform.messages.clear();
        platform.dialogs.clear();
        window->mnuFilePrint->trigger();
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_TRUE(platform.messages[0].text == U("プリンターが見つかりません。") &&
                    platform.messages[0].buttons == MessageButtons::SavePdfCancel);
        EXPECT_EQ(platform.dialogs.size(), answer == MessageAnswer::Yes ? 1u : 0u);  // a file's, never Qt's print dialog
        EXPECT_EQ(QFileInfo::exists(chosen + U(".pdf")), written);
    }
    EXPECT_EQ(platform.dialogs.back().pdfName, U("3年1組-名簿"));
    EXPECT_EQ(Squeezed(PdfText(chosen.toStdString() + ".pdf")), Squeezed("2025/04/07 2024 3年1組 山田 生徒数（ 2名）"));
}

} // namespace
} // namespace miravel::test
