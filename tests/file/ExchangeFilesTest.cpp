// The CSV export of a table and the roster import.

#include "file/Cp932.h"
#include "file/CsvExport.h"
#include "file/RosterImport.h"
#include "file/SafeWrite.h"
#include "FileTestSupport.h"

#include <gtest/gtest.h>

using namespace miravel;
using namespace miravel::test;

TEST(CsvExport, EveryCellIsFollowedByACommaAndCrBecomesABlank)
{
    TextGrid grid(3, 3);
    grid.SetTextMatrix(0, 0, "No.");
    grid.SetTextMatrix(0, 1, "表現\r 平均点");
    grid.SetTextMatrix(1, 2, "a\r\nb");
    grid.SetTextMatrix(2, 1, "15");
    EXPECT_EQ(GridToCsvText(grid), "No.,表現  平均点,,\r\n,,a \nb,\r\n,15,,\r\n");
}

TEST(CsvExport, CellsWithACommaOrAQuoteAreQuoted)
{
    const struct {
        const char* cell;
        const char* line;
    } cases[] = {
        {"山田,太郎", "\"山田,太郎\",\r\n"},
        {"\"太\"郎", "\"\"\"太\"\"郎\",\r\n"},
        {" 72.5", " 72.5,\r\n"},
    };
    for (const auto& c : cases) {
        TextGrid grid(1, 1);
        grid.SetTextMatrix(0, 0, c.cell);
        EXPECT_EQ(GridToCsvText(grid), c.line) << c.cell;
    }
}

TEST(CsvExport, WritesCodePage932WithABackup)
{
    TempDir dir;
    const std::string path = dir.file("3年1組.csv");
    TextGrid grid(1, 2);
    grid.SetTextMatrix(0, 1, "生徒氏名");
    writeBytes(path, "old");
    ASSERT_FALSE(WriteGridCsv(path, grid));
    EXPECT_EQ(readBytes(path), ",\x90\xb6\x93\x6b\x8e\x81\x96\xbc,\r\n");
    EXPECT_EQ(readBytes(dir.file("3年1組.bak")), "old");
}

TEST(CsvExport, AWriteErrorLeavesTheOldFile)
{
    TempDir dir;
    TextGrid grid(1, 1);
    grid.SetTextMatrix(0, 0, "鷗外😀");
    const std::string path = dir.file("out.csv");
    writeBytes(path, "old");
    const auto error = WriteGridCsv(path, grid);
    ASSERT_TRUE(error);
    EXPECT_NE(error->reason.find("「鷗」"), std::string::npos); // the first one that cannot be stored
    EXPECT_EQ(readBytes(path), "old");
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.bak")));
}

TEST(RosterImport, SplitsAtSemicolonsFirstThenCommas)
{
    using Names = std::vector<std::string>;
    EXPECT_EQ(ParseRosterNames("山田,田中,佐藤"), (Names{"山田", "田中", "佐藤"}));
    EXPECT_EQ(ParseRosterNames("山田\r\n田中\r\n佐藤\r\n"), (Names{"山田", "田中", "佐藤"}));
    EXPECT_EQ(ParseRosterNames("山田,田中;佐藤"), (Names{"山田,田中", "佐藤"}));
    EXPECT_EQ(ParseRosterNames("佐藤;山田,田中"), (Names{"佐藤", "山田", "田中"}));
    EXPECT_EQ(ParseRosterNames("山田;;田中\r\n\r\n,,\r\n;"), (Names{"山田", "田中"}));
    EXPECT_EQ(ParseRosterNames(" 山田, \"田中\""), (Names{" 山田", " \"田中\""}));
    EXPECT_EQ(ParseRosterNames("山田\r田中\n佐藤"), (Names{"山田", "田中", "佐藤"}));
    // A quoted field is one name, as the export writes it.
    EXPECT_EQ(ParseRosterNames(" 1,\"山田,太郎\",\"\"\"太\"\"郎\"\r\n\"佐藤\r\n\"a;b\""),
              (Names{" 1", "山田,太郎", "\"太\"郎", "\"佐藤", "a；b"}));
    EXPECT_TRUE(ParseRosterNames("").empty());
}

TEST(RosterImport, FillsTheRosterFromNumberOneAndLeavesOutPastForty)
{
    struct Case {
        int names;
        int count;
        std::size_t leftOut;
        bool changed;
    };
    const Case cases[] = {{0, 0, 0, false}, {3, 3, 0, true}, {40, 40, 0, true}, {43, 40, 3, true}};
    for (const Case& c : cases) {
        auto book = std::make_unique<GradeBook>();
        book->StudentNames[39] = "前の名前";
        std::vector<std::string> names;
        for (int i = 1; i <= c.names; ++i)
            names.push_back("生徒" + std::to_string(i));
        const RosterImportResult result = ImportRoster(*book, names);
        EXPECT_EQ(result.imported, c.count) << c.names;
        EXPECT_EQ(result.leftOut, c.leftOut) << c.names;
        EXPECT_EQ(book->StudentCount, c.count) << c.names;
        EXPECT_EQ(book->SavedState, c.changed) << c.names;
        if (c.count > 0) {
            EXPECT_EQ(book->StudentNames[c.count - 1], names[static_cast<std::size_t>(c.count - 1)]);
        }
        if (c.count < 40) {
            EXPECT_EQ(book->StudentNames[39], "前の名前") << "a name past the imported ones stays";
        }
    }
}

TEST(RosterImport, SameRosterAgainIsNoChange)
{
    auto book = std::make_unique<GradeBook>();
    ImportRoster(*book, {"山田", "田中"});
    book->SavedState = false;
    ImportRoster(*book, {"山田", "田中"});
    EXPECT_FALSE(book->SavedState);
}

TEST(RosterImport, ReadsACodePage932File)
{
    TempDir dir;
    const std::string path = dir.file("名簿.csv");
    writeBytes(path, *Utf8ToCp932("ｱｲｳ 太郎,山田\r\n"));
    std::vector<std::string> names;
    ASSERT_FALSE(ReadRosterFile(path, names));
    EXPECT_EQ(names, (std::vector<std::string>{"ｱｲｳ 太郎", "山田"}));

    writeBytes(path, "ok\r\n\x81");
    const auto error = ReadRosterFile(path, names);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 2);
}
