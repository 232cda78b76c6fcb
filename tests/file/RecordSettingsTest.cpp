#include "file/CompanionFile.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

// The keys as a teacher's file holds them read into the model, and the
// model written reads back to itself.
TEST(RecordSettings, KeysReadIntoTheModelAndRoundTrip)
{
    const std::string text = "[criterion]\ns7v2=90/40\n"
                             "[subject.7]\nname=音楽\nviewpoints=歌唱,器楽,態度\n"
                             "[record.7.2.1]\ntitle=リコーダー #2\ndate=2026/10/12\nviewpoint=2\nkind=points\n"
                             "full=10\nvalues=10,*,,7.5\n"
                             "[record.1.1.3]\nvalues=◎,○,,△,*\nkind=mark\ntitle=ノート\nviewpoint=3\n"
                             "[weights]\ns1v3=80\ns10v1=0\n";
    EvaluationSettings read;
    ASSERT_FALSE(ParseEvaluationSettings(text, read));

    EvaluationSettings expected;
    expected.CutOf(6, 1) = {90, 40};
    expected.Records.extra[0].name = "音楽";
    expected.Records.extra[0].viewpoints[0] = "歌唱";
    expected.Records.extra[0].viewpoints[1] = "器楽";
    expected.Records.extra[0].viewpoints[2] = "態度";
    ClassRecord recorder;
    recorder.title = "リコーダー";  // " #" starts a comment in the file
    recorder.date = "2026/10/12";
    recorder.viewpoint = 1;
    recorder.kind = RecordKind::Points;
    recorder.full = 10;
    recorder.values[0] = 10;
    recorder.values[1] = kRecordAbsent;
    recorder.values[3] = 7.5;
    expected.Records.Of(6, 1) = {recorder};
    ClassRecord note;  // the kind came after the values
    note.title = "ノート";
    note.viewpoint = 2;
    note.values[0] = 3;
    note.values[1] = 2;
    note.values[3] = 1;
    note.values[4] = kRecordAbsent;
    expected.Records.Of(0, 0) = {note};
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

TEST(RecordSettings, AFileWithoutRecordsIsWrittenAsBefore)
{
    EvaluationSettings settings;
    settings.Mode = EvaluationMode::Criterion;
    const std::string text = EvaluationSettingsText(settings);
    EXPECT_EQ(text, "[evaluation]\nmode=criterion\nterms=3\n\n[criterion]\n" + [] {
        std::string cuts;
        for (int s = 1; s <= 6; ++s)
            for (int v = 1; v <= 3; ++v)
                cuts += "s" + std::to_string(s) + "v" + std::to_string(v) + "=80/50\n";
        return cuts;
    }() + "\n[grade]\na3=2.5\nc1=1.5\n");
}

TEST(RecordSettings, BadValuesAreRefusedWithTheirLine)
{
    struct Case {
        const char* text;
        int line;
        const char* reason;
    };
    const Case cases[] = {
        {"[record.1.1.21]\ntitle=x\n", 2, "[record.1.1.21] の番号は record.教科(1〜10).期(1〜3).番号(1〜20) です。"},
        {"[record.11.1.1]\ntitle=x\n", 2, "[record.11.1.1] の番号は record.教科(1〜10).期(1〜3).番号(1〜20) です。"},
        {"[record.1.4.1]\ntitle=x\n", 2, "[record.1.4.1] の番号は record.教科(1〜10).期(1〜3).番号(1〜20) です。"},
        {"[record.1.1.1]\nviewpoint=4\n", 2, "record.1.1.1 の viewpoint は 1 から 3 までです。"},
        {"[record.1.1.1]\nkind=stars\n", 2, "record.1.1.1 の kind は mark か points です。"},
        {"[record.1.1.1]\ndate=5月12日\n", 2, "record.1.1.1 の date は 2026/05/12 の形の日付です。"},
        {"[record.1.1.1]\nkind=mark\nfull=5\n", 3, "record.1.1.1 の full は記号なら 3 です。"},
        {"[record.1.1.1]\nkind=points\n", 0, "record.1.1.1 の full は満点（1〜1000 の数）です。"},
        {"[record.2.1.1]\nvalues=◎,x\n", 2, "record.2.1.1 の values の 2番目「x」は◎、○、△、*（欠席）か空です。"},
        {"[record.2.1.1]\nvalues=11\nkind=points\nfull=10\n", 2,
         "record.2.1.1 の values の 1番目「11」は0 から満点までの数、*（欠席）か空です。"},
        {"[record.1.1.1]\nvalues=,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,\n", 2,
         "record.1.1.1 の values は出席番号 40 までです。"},
        {"[weights]\ns1v1=101\n", 2, "weights の s1v1 は記録の割合（0〜100 の百分率）です。"},
        {"[subject.8]\nviewpoints=a,b\n", 2,
         "subject.8 の viewpoints は観点の名前三つをコンマで区切ったものです。"},
        {"[subject.8]\nviewpoints=a,b,c,d\n", 2,
         "subject.8 の viewpoints は観点の名前三つをコンマで区切ったものです。"},
        {"[criterion]\ns10v3=50/50\n", 2, "s10v3 は A/C の百分率（0〜100、A が C より大きい）です。"},
    };
    for (const Case& c : cases) {
        EvaluationSettings settings;
        const FileResult error = ParseEvaluationSettings(c.text, settings);
        ASSERT_TRUE(error) << c.text;
        EXPECT_EQ(error->line, c.line) << c.text;
        EXPECT_EQ(error->reason, c.reason) << c.text;
        EXPECT_TRUE(settings.IsDefault());
    }
}

TEST(RecordSettings, TheirOwnUnknownKeysAndTheSubjectsOfTheBookAreKept)
{
    EvaluationSettings settings;
    ASSERT_FALSE(ParseEvaluationSettings("[subject.3]\nname=x\n[weights]\ns11v1=5\n", settings));
    EXPECT_EQ(settings.OtherSettings, "\n[subject.3]\nname=x\n\n[weights]\ns11v1=5\n");
    EXPECT_EQ(settings.Records, ClassRecords{});
}

} // namespace
} // namespace miravel
