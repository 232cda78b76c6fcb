// Tables from other programs: which encoding, which columns, where each
// roster row goes.

#include "file/RosterTable.h"
#include "support/Books.h"
#include <gtest/gtest.h>

namespace miravel {
namespace {

TEST(TableImport, EncodingToldApartByTheBytes)
{
    const struct { std::string bytes; bool read; TextEncoding encoding; } cases[] = {
        {"\xEF\xBB\xBF" "氏名\r\n山田", true, TextEncoding::Utf8Bom}, {"氏名,山田", true, TextEncoding::Utf8},
        {"\x8E\x81\x96\xBC,\x8E\x52\x93\x63", true, TextEncoding::Cp932},  // 氏名,山田
        {"\xEF\xBB\xBF\x8E\x81", false, {}},  // BOM but no UTF-8
#ifndef _WIN32  // Windows' code page 932 reads these bytes (ED A0 is an IBM extension there, 80 a byte of its own)
        {"\xED\xA0\x80", false, {}},  // a surrogate
#endif
    };
    for (const auto& c : cases) {
        DecodedText decoded;
        EXPECT_EQ(!DecodeTextBytes(c.bytes, decoded), c.read) << c.bytes;
        if (c.read) {
            EXPECT_EQ(std::make_pair(decoded.encoding, decoded.text.substr(0, 6)), std::make_pair(c.encoding, std::string("氏名")));
        }
    }
    DecodedText kana;  // C3 leads a UTF-8 character but DE cannot follow it: code page 932's ﾃﾞ
    EXPECT_EQ(std::make_tuple(!DecodeTextBytes("\xC3\xDE", kana), kana.encoding, kana.text),
              std::make_tuple(true, TextEncoding::Cp932, std::string("ﾃﾞ")));
}

TEST(TableImport, ColumnsFromTheHeaderOrTheCells)
{
    const std::pair<const char*, ColumnKind> cases[] = {
        {"氏名", ColumnKind::Name},     {"名前", ColumnKind::Name},     {"氏名かな", ColumnKind::Other},
        {"出席番号", ColumnKind::Number}, {" 番号 ", ColumnKind::Number}, {"児童番号", ColumnKind::Code},
        {"メールアドレス", ColumnKind::Account}, {"ID", ColumnKind::Other}, {"学年", ColumnKind::Grade},
        {"組", ColumnKind::ClassRoom}, {"クラス", ColumnKind::ClassRoom}, {"保護者氏名", ColumnKind::Name}};
    for (const auto& [cell, kind] : cases)
        EXPECT_EQ(HeaderKind(cell), kind) << cell;
    // The first column of a kind is the one taken: the child's name, not the guardian's.
    const ImportColumns named = DetectColumns(ParseCsv("出席番号,氏名,保護者氏名,学年,組,アカウント,メール\n", ','));
    EXPECT_EQ((std::array{named.number, named.name, named.grade, named.classRoom, named.account, named.code}),
              (std::array{0, 1, 3, 4, 5, -1}));
    for (const auto& [cell, number] : {std::pair{"０７", 7}, {"10", 10}, {"23", 23}, {"40", 40}, {"41", 0}, {"100", 0}, {"7番", 0}})
        EXPECT_EQ(AttendanceNumberOf(cell), number) << cell;
    const auto rows = ParseCsv("1,1,\"山田,太郎\",a@x.jp\n1,2,田中,b@x.jp\n", ',');
    const ImportColumns guessed = DetectColumns(rows);
    EXPECT_EQ(rows[0][2], "山田,太郎");
    EXPECT_EQ((std::array{guessed.header, guessed.number == 1, guessed.name == 2, guessed.account == 3}),
              (std::array{false, true, true, true}));  // column 0 repeats its number
    EXPECT_TRUE(IsRosterTable(rows));
    EXPECT_FALSE(IsRosterTable(ParseCsv("山田,田中\n佐藤,鈴木\n", ',')));
}

TEST(TableImport, RosterRowsGoToTheirNumbersWithGapsAndRefusals)
{
    const auto rows = ParseCsv("学年,出席番号,氏名,氏名かな,児童コード\n1,2,山田　太郎,,S2\n1,4,𠮷田,,S4\n"
                               "1,5,佐?木,,S5\n1,2,田中,,S9\n1,41,鈴木,,S41\n1,6,,,S6\n1,3,辻,,S3\n", ',');
    auto book = test::FreshBook();
    const RosterPlan plan = PlanRoster(rows, DetectColumns(rows), true, *book, false);
    const struct { int number; RosterRowState state; const char* note; } expected[] = {
        {2, RosterRowState::Stored, ""}, {4, RosterRowState::Refused, "「𠮷」（U+20BB7）はファイルに保存できない文字です"
                                                                      "（「吉」なら保存できます）。児童コードとアカウントはこの番号に入れます"},
        {5, RosterRowState::Stored, "文字が失われている可能性があります"},
        {2, RosterRowState::Refused, "出席番号 2が重なっています"},
        {0, RosterRowState::Refused, "出席番号が1から40の数ではありません"}, {0, RosterRowState::Skipped, "氏名がありません"},
        {3, RosterRowState::Stored, ""}};  // out of order: the class still runs to number 5
    ASSERT_EQ(plan.rows.size(), std::size(expected));
    for (std::size_t i = 0; i < plan.rows.size(); ++i)
        EXPECT_EQ(std::tie(plan.rows[i].number, plan.rows[i].state, plan.rows[i].note),
                  std::tie(expected[i].number, expected[i].state, expected[i].note)) << i;
    ApplyRosterPlan(*book, plan);
    EXPECT_EQ(std::tie(book->StudentCount, book->StudentNames[1], book->StudentNames[3], book->Evaluation.StudentCodes[1],
                       book->Evaluation.StudentCodes[3]),
              std::make_tuple(Integer{5}, std::string("山田　太郎"), std::string(), std::string("S2"), std::string("S4")));

    // Into a roster with names: only empty numbers; a known name keeps its number.
    auto named = test::ClassBook({"山田 太郎", "", "佐藤"});
    const RosterPlan gaps =
        PlanRoster(ParseCsv("氏名\n佐藤\n鈴木\n山田太郎\n", ','), {0, -1, -1, -1, true}, true, *named, true);
    EXPECT_EQ(std::make_tuple(gaps.rows[0].state, gaps.rows[1].number, gaps.rows[2].number),
              std::make_tuple(RosterRowState::Kept, 2, 1));
    // A kept row only fills a code or account the book lacks.
    std::tie(named->Evaluation.StudentCodes[0], named->Evaluation.StudentAccounts[2]) = std::tuple("OLD1", "old3");
    ApplyRosterPlan(*named, PlanRoster(ParseCsv("氏名,コード,ID\n山田太郎,NEW1,new1\n佐藤,NEW3,new3\n", ','), {0, -1, 2, 1},
                                       true, *named, true));
    const auto& ids = named->Evaluation;
    EXPECT_EQ((std::array{ids.StudentCodes[0], ids.StudentAccounts[0], ids.StudentCodes[2], ids.StudentAccounts[2]}),
              (std::array<std::string, 4>{"OLD1", "new1", "NEW3", "old3"}));
}

TEST(TableImport, ClassFieldsOfARoster)
{
    for (const auto& [file, fields] : {std::pair{"学年,組,氏名\n5,2,山田\n５年,２組,田中\n,,林\n", "5年|2組"},  // blanks agree
                                       {"学年,クラス,氏名\n5,2,山田\n5,3,田中\n", "5年|"},  // two classes: none offered
                                       {"学年,組,氏名\n第5学年,𠮷,山田\n", "第5学年|"}}) {      // not storable
        const auto rows = ParseCsv(file, ',');
        const RosterClassFields found = ClassFieldsOfRoster(rows, DetectColumns(rows), true);
        EXPECT_EQ(found.gradeLevel + "|" + found.className, fields) << file;
    }
}

TEST(TableImport, PreviewCountsEachKindOfChange)
{
    auto book = test::ClassBook({"山田", "田中"});  // 2 has its account too; 10 and 40 are new
    book->Evaluation.StudentAccounts[1] = "b";
    const auto rows = ParseCsv("番号,氏名,コード,アカウント\n40,林,C40,z\n1,山田,C1,a\n2,田中,C2,b\n10,森,,\n", ',');
    RosterPlan plan = PlanRoster(rows, DetectColumns(rows), true, *book, false);
    const auto summary = [&] { return RosterChangesText(CountRosterChanges(*book, plan), plan.classFields); };
    EXPECT_EQ(summary(), "入れるもの：氏名 2人、児童コード 3人、アカウント 2人。");
    plan.classFields = {"2026年（令和8年）", "5年", "2組"};
    EXPECT_EQ(summary(), "入れるもの：氏名 2人、児童コード 3人、アカウント 2人、学級（2026年（令和8年） 5年2組）。");
    ApplyRosterPlan(*book, plan);  // counted on a copy, stored now
    EXPECT_EQ(summary(), "入れるものはありません。");
}

} // namespace
} // namespace miravel
