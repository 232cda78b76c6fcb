#include "file/HandoffNoteColumns.h"
#include "file/HandoffProfile.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace miravel;

namespace {

// What the breaks become in a file: HandoffNotesTest; a replacement with
// blanks reads back below.
TEST(HandoffNoteColumns, NewlineSettingsOfEachKind)
{
    const std::tuple<const char*, HandoffNewline, const char*> cases[] = {
        {"remove", HandoffNewline::Remove, ""}, {"", HandoffNewline::Remove, ""}, {"keep", HandoffNewline::Keep, ""},
        {"／", HandoffNewline::Replace, "／"}, {"\"keep\"", HandoffNewline::Replace, "keep"}};  // the word itself
    for (const auto& [value, expected, expectedText] : cases) {
        HandoffNewline newline = HandoffNewline::Remove;
        std::string text;
        EXPECT_TRUE(ParseHandoffNewline(value, newline, text) && newline == expected && text == expectedText) << value;
    }
    EXPECT_EQ(HandoffNewlineValue(HandoffNewline::Replace, "keep"), "\"keep\"");
}

TEST(HandoffNoteColumns, AProfileWithNoteColumnsReadsBackWhole)
{
    const std::string text = "[profile]\nname=通知表\nencoding=cp932\nheader=yes\nnewline=\" / \"\n\n[symbols]\nA=A\nB=B\n"
                             "C=C\nnone=\nmark=●\n3=3\n2=2\n1=1\n\n[columns]\n1=出席番号\n2=所見\n3=出席日数\n4=行動10\n"
                             "\n[headers]\n2=総合所見\n";
    HandoffProfile profile, expected;
    ASSERT_FALSE(ParseHandoffProfile(text, profile));
    expected.name = "通知表";
    expected.encoding = HandoffEncoding::Cp932;
    expected.newline = HandoffNewline::Replace;
    expected.newlineText = " / ";
    expected.mark = "●";
    expected.columns = {{HandoffField::Number, 0, 0, "", ""}, {HandoffField::Note, 0, 0, "", "総合所見", 0},
                        {HandoffField::Note, 0, 0, "", "", 8}, {HandoffField::Note, 0, 0, "", "", 19}};
    EXPECT_EQ(profile, expected);
    EXPECT_EQ(HandoffProfileText(profile), text);
    // The defaults are not written: a profile without notes stays as it was.
    const std::string plain = HandoffProfileText(HandoffProfile{});
    EXPECT_EQ(plain.find("mark="), plain.find("newline="));
    HandoffColumn column;
    for (const char* wrong : {"行動0", "行動11", "総合的な学習の時間"})
        EXPECT_FALSE(ParseHandoffColumn(wrong, column)) << wrong;
    EXPECT_EQ(ParseHandoffProfile("[profile]\nnewline=\"\"\n", profile).value_or(FileError{}).Message(),
              "2行目: newline は remove、keep か改行の代わりに書く文字です（「\"\"」は使えません）。");
}

} // namespace
