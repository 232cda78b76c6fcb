#include "file/HandoffNoteColumns.h"
#include "file/HandoffProfile.h"

#include <gtest/gtest.h>

using namespace miravel;

namespace {

TEST(HandoffNoteColumns, EveryNameReadsBackAsItsColumn)
{
    for (int c = 0; c < kNoteColumns; ++c)
        EXPECT_EQ(NoteColumnIndex(NoteColumnName(c)), c) << c;
    const std::pair<const char*, int> cases[] = {
        {"所見", 0},  {"外国語活動", 3}, {"授業日数", 4},  {"出席しなければならない日数", 6},
        {"出欠の備考", 9}, {"行動1", 10}, {"行動10", 19}, {"行動0", -1}, {"行動11", -1}, {"総合的な学習の時間", -1},
    };
    for (const auto& [name, column] : cases)
        EXPECT_EQ(NoteColumnIndex(name), column) << name;
}

TEST(HandoffNoteColumns, NewlineSettingAndWhatItMakesOfABreak)
{
    struct Case {
        const char* value;
        bool ok;
        HandoffNewline newline;
        const char* replacement;
        const char* written;  // of "一行目\r\n二行目\n"
    };
    const Case cases[] = {
        {"remove", true, HandoffNewline::Remove, "", "一行目二行目"},
        {"", true, HandoffNewline::Remove, "", "一行目二行目"},
        {"keep", true, HandoffNewline::Keep, "", "一行目\n二行目\n"},
        {"／", true, HandoffNewline::Replace, "／", "一行目／二行目／"},
        {"\" \"", true, HandoffNewline::Replace, " ", "一行目 二行目 "},
        {"\"keep\"", true, HandoffNewline::Replace, "keep", "一行目keep二行目keep"},
        {"\"\"", false, HandoffNewline::Remove, "", ""},
    };
    for (const Case& c : cases) {
        HandoffNewline newline = HandoffNewline::Remove;
        std::string replacement;
        ASSERT_EQ(ParseHandoffNewline(c.value, newline, replacement), c.ok) << c.value;
        if (!c.ok)
            continue;
        EXPECT_EQ(newline, c.newline) << c.value;
        EXPECT_EQ(replacement, c.replacement) << c.value;
        EXPECT_EQ(WithHandoffNewlines("一行目\r\n二行目\n", newline, replacement), c.written) << c.value;
        HandoffNewline again = HandoffNewline::Remove;
        std::string againText;
        ASSERT_TRUE(ParseHandoffNewline(HandoffNewlineValue(newline, replacement), again, againText));
        EXPECT_EQ(std::make_pair(again, againText), std::make_pair(newline, replacement)) << c.value;
    }
}

TEST(HandoffNoteColumns, AProfileWithNoteColumnsReadsBackWhole)
{
    const std::string text = "[profile]\nname=通知表\nencoding=cp932\nheader=yes\nnewline=\" / \"\n\n[symbols]\nA=A\nB=B\n"
                             "C=C\nnone=\nmark=●\n3=3\n2=2\n1=1\n\n[columns]\n1=出席番号\n2=所見\n3=出席日数\n4=行動10\n"
                             "\n[headers]\n2=総合所見\n";
    HandoffProfile profile;
    ASSERT_FALSE(ParseHandoffProfile(text, profile));
    HandoffProfile expected;
    expected.name = "通知表";
    expected.encoding = HandoffEncoding::Cp932;
    expected.newline = HandoffNewline::Replace;
    expected.newlineText = " / ";
    expected.mark = "●";
    expected.columns = {{HandoffField::Number, 0, 0, "", ""},
                        {HandoffField::Note, 0, 0, "", "総合所見", 0},
                        {HandoffField::Note, 0, 0, "", "", 8},
                        {HandoffField::Note, 0, 0, "", "", 19}};
    EXPECT_EQ(profile, expected);
    EXPECT_EQ(HandoffProfileText(profile), text);
    // The defaults are not written: a profile without notes stays as it was.
    expected.mark = "○";
    expected.newline = HandoffNewline::Remove;
    const std::string plain = HandoffProfileText(expected);
    EXPECT_EQ(plain.find("mark="), std::string::npos);
    EXPECT_EQ(plain.find("newline="), std::string::npos);
    const FileResult refused = ParseHandoffProfile("[profile]\nnewline=\"\"\n", profile);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->Message(), "2行目: newline は remove、keep か改行の代わりに書く文字です（「\"\"」は使えません）。");
}

} // namespace
