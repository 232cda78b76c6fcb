// --print-pdf: every kind of table as a PDF, read back; bad arguments write nothing.

#include "app/PrintPdf.h"

#include "file/FileTestSupport.h"
#include "file/GradeBookFile.h"
#include "platform/JapaneseFonts.h"
#include "print/PdfText.h"
#include "support/Books.h"

#include <gtest/gtest.h>

#include <memory>

namespace miravel::test {
namespace {

class PrintPdfTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string bookPath = dir.file("3年1組.txt");
    std::string pdfPath = dir.file("表.pdf");
    std::vector<std::string> names = {"青木 一郎", "井上", "", "ｳｴﾀﾞ", "大野"};
    std::string out, err;

    void SetUp() override
    {
        InstallFontSubstitutions();
        auto book = ClassBook(names);
        book->Scores[SemesterSummarySlot(0, 0, 0)][0] = 80;
        book->SlotTitles[TestSlot(0, 0, 0, 0)][1] = "漢字";
        ASSERT_FALSE(WriteGradeBook(bookPath, *book));
    }

    int run(const std::vector<std::string>& args) { return RunPrintPdf(ParseCommandLine(args), "2025/04/07", out, err); }

    // The caption the window shows above that table.
    std::string captionOf(const std::string& view)
    {
        auto book = std::make_unique<GradeBook>();
        auto pane = std::make_unique<TablePane>();
        std::string ignored;
        EXPECT_TRUE(DrawCommandView(ParseCommandLine({"--print-pdf", pdfPath, "--view", view, bookPath}), *book, *pane,
                                    ignored));
        return pane->Caption;
    }
};

TEST_F(PrintPdfTest, EveryViewKindPrintsItsCaptionAndEveryName)
{
    for (const char* view : {"class", "subject:1", "semester:1,2", "test:1,1,1", "viewpoint:1,1,1,3"}) {
        ASSERT_EQ(run({"--print-pdf", pdfPath, "--view", view, bookPath}), 0) << view << ": " << err;
        const std::string text = Squeezed(PdfText(pdfPath));
        EXPECT_NE(text.find(Squeezed(captionOf(view))), std::string::npos) << view << "\n" << text;
        EXPECT_NE(text.find("2025/04/07"), std::string::npos) << view;
        for (const std::string& name : names)
            EXPECT_NE(text.find(Squeezed(name)), std::string::npos) << view << " " << name;
    }
    EXPECT_EQ(err, "");
}

TEST_F(PrintPdfTest, GraphViewsPrintTheCriteriaGraphPages)
{
    struct Case {
        const char* view;
        const char* title;
    };
    for (const Case& c : {Case{"graphs:1", "国語通年の集計グラフ"}, Case{"graphs:2,3", "算数三学期の集計グラフ"}}) {
        ASSERT_EQ(run({"--print-pdf", pdfPath, "--view", c.view, bookPath}), 0) << c.view << ": " << err;
        const std::string text = Squeezed(PdfText(pdfPath));
        for (const std::string& expected : {Squeezed(captionOf("class")), std::string(c.title), std::string("2025/04/07")})
            EXPECT_NE(text.find(expected), std::string::npos) << c.view << " " << expected << "\n" << text;
    }
}

TEST_F(PrintPdfTest, StudentSheetsOnePagePerNamedStudent)
{
    ASSERT_EQ(run({"--print-pdf", pdfPath, "--view", "students", bookPath}), 0) << err;
    const std::string text = PdfText(pdfPath);
    EXPECT_EQ(PageCount(text), 4);
    // The name's words may come out apart: the header is read in columns.
    for (const std::string& name : names)
        for (const std::string& word : {name.substr(0, name.find(' ')), name.substr(name.find(' ') + 1)})
            EXPECT_NE(Squeezed(text).find(Squeezed(word)), std::string::npos) << name;
    ASSERT_EQ(run({"--print-pdf", pdfPath, "--view", "student:4", bookPath}), 0) << err;
    EXPECT_EQ(PageCount(PdfText(pdfPath)), 1);
    EXPECT_NE(Squeezed(PdfText(pdfPath)).find("ｳｴﾀﾞ"), std::string::npos);
    EXPECT_NE(Squeezed(PdfText(pdfPath)).find("令和7年4月7日"), std::string::npos);
    ASSERT_EQ(run({"--print-pdf", pdfPath, "--view", "students:1", bookPath}), 0) << err;
    EXPECT_NE(Squeezed(PdfText(pdfPath)).find("個人成績表（一学期まで）"), std::string::npos);
}

TEST_F(PrintPdfTest, NeverWritesOverTheBookOrItsBackup)
{
    const std::string book = readBytes(bookPath);
    writeBytes(dir.file("3年1組.bak"), "backup");
    for (const std::string& output : {bookPath, dir.file("3年1組.bak")}) {
        err.clear();
        EXPECT_EQ(run({"--print-pdf", output, "--view", "class", bookPath}), 1);
        EXPECT_NE(err.find("同じファイル"), std::string::npos) << err;
    }
    EXPECT_EQ(readBytes(bookPath), book);
    EXPECT_EQ(readBytes(dir.file("3年1組.bak")), "backup");
}

TEST_F(PrintPdfTest, BadArgumentsWriteNothing)
{
    writeBytes(pdfPath, "earlier");
    writeBytes(dir.file("壊れた.txt"), "2026\r\n");
    const std::vector<std::vector<std::string>> cases = {
        {"--print-pdf", pdfPath, "--view", "semester:7,1", bookPath},
        {"--print-pdf", pdfPath, "--view", "table", bookPath},
        {"--print-pdf", pdfPath, "--view", "graphs:1,4", bookPath},
        {"--print-pdf", pdfPath, "--view", "graphs:", bookPath},
        {"--print-pdf", pdfPath, "--view", "student:3", bookPath},  // transferred out
        {"--print-pdf", pdfPath, "--view", "student:41", bookPath},
        {"--print-pdf", pdfPath, "--view", "student:1,5", bookPath},
        {"--print-pdf", pdfPath, "--view", "students:", bookPath},
        {"--print-pdf", pdfPath, "--view", "class", dir.file("無い.txt")},
        {"--print-pdf", pdfPath, "--view", "class", dir.file("壊れた.txt")},
    };
    for (const auto& args : cases) {
        err.clear();
        EXPECT_EQ(run(args), 1) << args[3] << " " << args[4];
        EXPECT_FALSE(err.empty());
        EXPECT_EQ(readBytes(pdfPath), "earlier");
    }
    err.clear();
    EXPECT_EQ(run({"--print-pdf", dir.file("無い/表.pdf"), "--view", "class", bookPath}), 1);
    EXPECT_NE(err.find("PDFファイルに保存できません。"), std::string::npos) << err;
}

TEST_F(PrintPdfTest, TheViewIsRequired)
{
    EXPECT_EQ(ParseCommandLine({"--print-pdf", pdfPath, bookPath}).action, CommandLine::Action::Error);
    EXPECT_EQ(ParseCommandLine({"--print-pdf"}).action, CommandLine::Action::Error);
    const CommandLine command = ParseCommandLine({"--print-pdf", pdfPath, "--view", "class", bookPath});
    EXPECT_EQ(command.action, CommandLine::Action::PrintPdf);
    EXPECT_EQ(command.output, pdfPath);
}

} // namespace
} // namespace miravel::test
