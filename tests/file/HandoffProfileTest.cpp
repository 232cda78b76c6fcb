#include "file/Cp932.h"
#include "file/HandoffFile.h"
#include "file/HandoffProfile.h"

#include <gtest/gtest.h>

using namespace miravel;

namespace {

const std::string kSymbols = "[symbols]\nA=◎\nB=○\nC=△\nnone=\n3=3\n2=2\n1=1\n";

TEST(HandoffProfile, RefusesDamagedLinesWithTheirNumber)
{
    const std::string head = "[profile]\nencoding=utf-8\nheader=no\n" + kSymbols + "[columns]\n1=氏名\n";  // 13 lines
    const struct { std::string text; int line; const char* says; } cases[] = {
        {head + "2=s1v4\n", 14, "s1v4"},
        {head + "2=名前\n", 14, "名前"},
        {head + "2=\"前期\n", 14, "前期"},
        {head + "1=組\n", 14, "二度"},
        {head + "3=組\n", 0, "列 2 がありません"},
        {head + "氏名\n", 14, "キー=値"},
        {head + "[heads]\n", 14, "[heads]"},
        {head + "[headers]\n2=国語\n", 15, "2 という列"},
        {head + "\xff\n", 14, "UTF-8"},
        {"[profile]\nencoding=sjis\n", 2, "sjis"},
        {"[profile]\nencoding=utf-8\n" + kSymbols + "[columns]\n1=氏名\n", 0, "header がありません"},
        {"[profile]\ncolor=red\n", 2, "color"},
        {"[profile]\nencoding=utf-8\nheader=no\n[symbols]\nA=A\nB=B\n3=3\n2=2\n1=1\n[columns]\n1=氏名\n", 0, "C の記号"},
    };
    for (const auto& c : cases) {
        HandoffProfile profile;
        const FileResult error = ParseHandoffProfile(c.text, profile);
        ASSERT_TRUE(error) << c.text;
        EXPECT_EQ(error->line, c.line) << c.text;
        EXPECT_NE(error->reason.find(c.says), std::string::npos) << error->reason;
        EXPECT_EQ(profile, HandoffProfile{});
    }
}

// What the editor saves reads back as it was: every setting off its default,
// quotes in a fixed text, the last column number there may be.
TEST(HandoffProfile, SavedTextReadsBackTheSame)
{
    HandoffProfile saved;
    saved.name = "学校の書式";
    saved.encoding = HandoffEncoding::Cp932;
    saved.header = false;
    saved.letters = {"◎", "○", "△"};
    saved.none = "－";
    saved.columns.assign(200, {HandoffField::Letter, 5, 2, "", ""});
    saved.columns[0] = {HandoffField::Fixed, 0, 0, "前期,\"A\"", "学期"};
    HandoffProfile read;
    ASSERT_FALSE(ParseHandoffProfile(HandoffProfileText(saved), read));
    EXPECT_EQ(read, saved);
}

TEST(HandoffFile, AWaveDashTypedOnLinuxIsCodePage932s)
{
    std::string bytes;
    ASSERT_FALSE(EncodeHandoffRows({{"4月〜7月", "A"}}, HandoffEncoding::Cp932, bytes));
    EXPECT_EQ(bytes, *Utf8ToCp932("4月～7月,A\r\n"));
}

} // namespace
