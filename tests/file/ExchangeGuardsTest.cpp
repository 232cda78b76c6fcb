#include "file/CsvExport.h"
#include "file/CsvTable.h"
#include "file/FileTestSupport.h"
#include "file/HandoffFile.h"
#include "file/HandoffProfile.h"

#include <gtest/gtest.h>

namespace miravel::test {
namespace {

// The CSV export and the hand-off write a cell a spreadsheet would evaluate as text, unless formulas=allow.
TEST(FormulaSafe, ACellASpreadsheetWouldEvaluateIsWrittenAsText)
{
    const struct { const char* cell; const char* written; } cases[] = {
        {"=HYPERLINK(\"http://x\")", "'=HYPERLINK(\"http://x\")"}, {"+81 3", "'+81 3"}, {"-1+2", "'-1+2"},
        {"@SUM(A1)", "'@SUM(A1)"}, {"\tcmd", "'\tcmd"}, {"\rcmd", "'\rcmd"}, {"-", "-"}, {"--", "'--"}, {"-.5", "'-.5"},
        {"-3.", "'-3."}, {"-3", "-3"}, {"-12.5", "-12.5"}, {"+7", "+7"}, {"山田=花子", "山田=花子"}, {" =1", " =1"}, {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormulaSafe(c.cell), c.written) << c.cell;
    TextGrid grid(1, 1);
    grid.SetTextMatrix(0, 0, "=a,b");
    const std::string head = "[profile]\nname=x\nencoding=utf-8\nheader=no\n", rest = "[symbols]\nA=A\nB=B\nC=C\n3=3\n2=2\n1=1\n[columns]\n1=氏名\n";
    HandoffProfile plain, allowing;
    ASSERT_FALSE(ParseHandoffProfile(head + rest, plain));
    ASSERT_FALSE(ParseHandoffProfile(HandoffProfileText([&] { HandoffProfile p = plain; p.formulas = true; return p; }()), allowing));
    std::string guarded, raw;
    ASSERT_FALSE(EncodeHandoffRows({{"@名前", "-1"}}, HandoffEncoding::Utf8, guarded, plain.formulas) ||
                 EncodeHandoffRows({{"@名前", "-1"}}, HandoffEncoding::Utf8, raw, allowing.formulas));
    EXPECT_EQ(GridToCsvText(grid) + guarded + raw, "\"'=a,b\",\r\n'@名前,-1\r\n@名前,-1\r\n");
}

// A class fits; a bigger table is counted whole, kept not at all, and its size named.
TEST(ReadCsvTable, RefusesATableNoClassCouldBeNamingItsSize)
{
    auto table = [](std::size_t rows, std::size_t columns) {
        std::string line;
        for (std::size_t c = 0; c < columns; ++c)
            line += c ? ",x" : "x";
        std::string text;
        for (std::size_t r = 0; r < rows; ++r)
            text += line + "\r\n";
        return text;
    };
    TempDir dir;
    const struct { std::size_t rows, columns; std::string refusal; } cases[] = {
        {2000, 200, ""}, {2001, 3, "表が大きすぎます（2,001行、3列）。"}, {5, 201, "表が大きすぎます（5行、201列）。"},
        {3000, 1234, "表が大きすぎます（3,000行、1,234列）。"},
    };
    for (const auto& c : cases) {
        writeBytes(dir.file("t.csv"), table(c.rows, c.columns));
        CsvTableFile read;
        read.rows = {{"前のまま"}};
        const FileResult error = ReadCsvTable(dir.file("t.csv"), read);
        EXPECT_EQ(error ? error->reason : "", c.refusal.empty() ? "" : c.refusal + "読み込めるのは 2,000行、200列までです。");
        EXPECT_EQ(read.rows.size(), c.refusal.empty() ? c.rows : 1u);
    }
}

} // namespace
} // namespace miravel::test
