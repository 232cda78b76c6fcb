#include "file/CompanionFile.h"
#include "support/Records.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

// The keys as a file holds them read into the model; written, it reads back.
TEST(RecordSettings, KeysReadIntoTheModelAndRoundTrip)
{
    const std::string text = "[criterion]\ns7v2=90/40\n"
                             "[subject.7]\nname=音楽\nviewpoints=歌唱,器楽,態度\n"
                             "[record.7.2.1]\ntitle=リコーダー #2\ndate=2026/10/12\nviewpoint=2\nkind=points\n"
                             "full=10\nvalues=10,*,,7.5\n"
                             "[record.1.1.3]\nvalues=◎,○,,△,*\nkind=mark\ntitle=ノート\nviewpoint=3\n"
                             "[weights]\ns1v3=80\ns10v1=0\ns11v1=5\n[subject.3]\nname=x\n";
    EvaluationSettings read;
    ASSERT_FALSE(ParseEvaluationSettings(text, read));

    EvaluationSettings expected;
    expected.OtherSettings = "\n[weights]\ns11v1=5\n\n[subject.3]\nname=x\n";  // not ours: kept
    expected.CutOf(6, 1) = {90, 40};
    ExtraSubject& music = expected.Records.extra[0];
    music.name = "音楽";
    music.viewpoints[0] = "歌唱", music.viewpoints[1] = "器楽", music.viewpoints[2] = "態度";
    // " #" starts a comment in the file; the kind may come after the values.
    const double absent = kRecordAbsent, empty = kRecordEmpty;
    expected.Records.Of(6, 1) = {test::Marks(1, {10, absent, empty, 7.5}, RecordKind::Points, 10, "リコーダー")};
    expected.Records.Of(6, 1)[0].date = "2026/10/12";
    expected.Records.Of(0, 0) = {test::Marks(2, {3, 2, empty, 1, absent}, RecordKind::Mark, 3, "ノート")};
    expected.Records.Weight(0, 2) = 80;
    expected.Records.Weight(9, 0) = 0;
    EXPECT_EQ(read, expected);

    // A title with " #" keeps its sign, in full width.
    read.Records.Of(6, 1)[0].title = "曲 #2";
    const std::string written = EvaluationSettingsText(read);
    EXPECT_NE(written.find("\n[record.1.1.1]\ntitle=ノート\ndate=\nviewpoint=3\nkind=mark\nfull=3\nvalues=◎,○,,△,*\n"),
              std::string::npos);
    EXPECT_NE(written.find("title=曲 ＃2\n"), std::string::npos);
    EXPECT_NE(written.find("\n[weights]\ns1v3=80\ns10v1=0\n"), std::string::npos);
    // Subject 7 is in use: its cuts are written; 8..10 are not.
    EXPECT_NE(written.find("s7v1=80/50\ns7v2=90/40\ns7v3=80/50\n\n"), std::string::npos);
    EXPECT_EQ(written.find("s8v1"), std::string::npos);
    EvaluationSettings again;
    ASSERT_FALSE(ParseEvaluationSettings(written, again));
    read.Records.Of(6, 1)[0].title = "曲 ＃2";
    EXPECT_EQ(again, read);
}

TEST(RecordSettings, BadValuesAreRefusedWithTheirLine)
{
    const struct { const char* text; int line; const char* reason; } cases[] = {
        {"[record.1.4.1]\ntitle=x\n", 2, "[record.1.4.1] の番号は record.教科(1〜10).期(1〜3).番号(1〜20) です。"},
        {"[record.1.1.1]\ndate=5月12日\n", 2, "record.1.1.1 の date は 2026/05/12 の形の日付です。"},
        {"[record.1.1.1]\nkind=mark\nfull=5\n", 3, "record.1.1.1 の full は記号なら 3 です。"},
        {"[subject.8]\nviewpoints=a,b\n", 2, "subject.8 の viewpoints は観点の名前三つをコンマで区切ったものです。"},
        {"[criterion]\ns10v3=50/50\n", 2, "s10v3 は A/C の百分率（0〜100、A が C より大きい）です。"},
    };
    for (const auto& c : cases) {
        EvaluationSettings settings;
        const FileResult error = ParseEvaluationSettings(c.text, settings);
        ASSERT_TRUE(error) << c.text;
        EXPECT_EQ(error->line, c.line) << c.text;
        EXPECT_EQ(error->reason, c.reason) << c.text;
        EXPECT_TRUE(settings.IsDefault());
    }
}

} // namespace
} // namespace miravel
