#include "file/CompanionFile.h"
#include "file/FileTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace miravel {
namespace {

TEST(CompanionFile, NameBesideTheBook)
{
    EXPECT_EQ(CompanionPath("/k/3年1組.txt"), "/k/3年1組.miravel");
    EXPECT_EQ(CompanionPath("/k/a.b.txt"), "/k/a.b.miravel");
    EXPECT_EQ(CompanionPath("/k.d/book"), "/k.d/book.miravel");
    EXPECT_EQ(CompanionPath("/k/.book"), "/k/.book.miravel");
}

TEST(CompanionFile, MissingGivesTheDefaultsAndSettingsRoundTrip)
{
    test::TempDir dir;
    EvaluationSettings settings;
    settings.Terms = 2;
    EXPECT_FALSE(ReadCompanion(dir.file("book.txt"), settings));
    EXPECT_TRUE(settings.IsDefault());
    // A book at the defaults gets no companion; one with settings does.
    EXPECT_FALSE(WriteCompanion(dir.file("book.txt"), settings = EvaluationSettings{}));
    EXPECT_FALSE(std::filesystem::exists(dir.file("book.miravel")));
    settings.Mode = EvaluationMode::Criterion;
    settings.Cuts[17] = {90, 30};
    settings.GradeA3 = 275;
    settings.Terms = 2;
    settings.CheckedLetters.resize(kStudents);
    settings.CheckedLetters[4] = "AB-2";  // the check list's record of number 5
    settings.StudentCodes[6] = "S20250107";
    settings.StudentAccounts[39] = "s40@example.jp";
    ASSERT_FALSE(WriteCompanion(dir.file("book.txt"), settings));
    EvaluationSettings read;
    EXPECT_FALSE(ReadCompanion(dir.file("book.txt"), read));
    EXPECT_EQ(read, settings);
    const std::string text = test::readBytes(dir.file("book.miravel"));
    EXPECT_EQ(text.substr(0, 49), "[evaluation]\nmode=criterion\nterms=2\n\n[criterion]\n");
    EXPECT_NE(text.find("\ns6v3=90/30\n\n[grade]\na3=2.75\nc1=1.5\n"), std::string::npos);
    EXPECT_NE(text.find("\n[students]\ncode7=S20250107\naccount40=s40@example.jp\n"), std::string::npos);
}

TEST(CompanionFile, PartialTakesTheDefaultsForMissingKeys)
{
    EvaluationSettings settings;
    ASSERT_FALSE(ParseEvaluationSettings("\xEF\xBB\xBF# made by hand\n[evaluation]\nmode = criterion   # mine\n"
                                         "[criterion]\ns2v3=70/40\n[other]\nkey=kept\n[grade]\nc1=1.25\n",
                                         settings));
    EXPECT_TRUE(settings.Criterion());
    EXPECT_EQ(settings.Terms, 3);
    EXPECT_EQ(settings.Cuts[5], (CriterionCut{70, 40}));
    EXPECT_EQ(settings.Cuts[4], (CriterionCut{80, 50}));
    EXPECT_EQ(settings.GradeA3, 250);
    EXPECT_EQ(settings.GradeC1, 125);
}

TEST(CompanionFile, DamagedGivesTheDefaultsAndTheLine)
{
    const std::pair<const char*, int> damaged[] = {
        {"[evaluation]\nmode=quota\n", 2}, {"[evaluation]\nterms=4\n", 2}, {"[criterion]\ns1v1=50/50\n", 2},
        {"[criterion]\ns1v1=101/50\n", 2}, {"[criterion]\ns1v1=80\n", 2},  {"[grade]\na3=3.5\n", 2},
        {"[grade]\na3=2.123\n", 2},  {"[evaluation]\nmode=criterion\njunk\n", 3}, {"[grade]\na3=1.5\nc1=2.0\n", 0},
        {"[check]\nn41=AB\n", 2},          {"[check]\nn1=AX\n", 2},
        {"[students]\ncode41=X\n", 2},     {"[students]\naccount07=X\n", 2},
    };
    for (const auto& [text, line] : damaged) {
        EvaluationSettings settings;
        settings.Mode = EvaluationMode::Criterion;
        const FileResult error = ParseEvaluationSettings(text, settings);
        ASSERT_TRUE(error) << text;
        EXPECT_EQ(error->line, line) << text;
        EXPECT_TRUE(settings.IsDefault()) << text;
    }
}

TEST(CompanionFile, UnreadSectionsAndKeysAreWrittenBack)
{
    // What is read, and what the written text has before and after this version's own sections.
    const struct { const char* text; const char* before; const char* after; } cases[] = {
        {"[future]\nkey=kept\n[grade]\nc1=1.25\n", "", "\n[future]\nkey=kept\n"},
        {"top=1\n[evaluation]\nmode=criterion\ncolour=blue\n", "top=1\n\n", "\n[evaluation]\ncolour=blue\n"},
        {"[a]\nx=1\n[grade]\nzz=2\n[a]\ny=3\n[empty]\n", "", "\n[a]\nx=1\n\n[grade]\nzz=2\n\n[a]\ny=3\n\n[empty]\n"},
        {"[criterion]\ns7v1=90/10\n[students]\nname3=佐藤\ncode3=S3\n", "",
         "\n[criterion]\ns7v1=90/10\n\n[students]\nname3=佐藤\n"},
    };
    for (const auto& c : cases) {
        EvaluationSettings settings, again;
        ASSERT_FALSE(ParseEvaluationSettings(c.text, settings)) << c.text;
        EvaluationSettings own = settings;
        own.OtherSettings.clear();
        const std::string written = EvaluationSettingsText(settings);
        EXPECT_EQ(written, c.before + EvaluationSettingsText(own) + c.after) << c.text;
        ASSERT_FALSE(ParseEvaluationSettings(written, again));
        EXPECT_EQ(again, settings) << c.text;
    }
}

// x.miravel would be its own settings file: it has none and never gets one.
TEST(CompanionFile, ABookNamedAsASettingsFileHasNone)
{
    test::TempDir dir;
    EvaluationSettings settings;
    settings.Terms = 2;
    for (const char* name : {"x.miravel", "X.MIRAVEL"}) {
        test::writeBytes(dir.file(name), "2024\r\n");
        EXPECT_FALSE(ReadCompanion(dir.file(name), settings)) << name;
        EXPECT_TRUE(settings.IsDefault()) << name;
        settings.Terms = 2;
        EXPECT_FALSE(SettingsFileBytes(dir.file(name), settings)) << name;
        EXPECT_FALSE(WriteCompanion(dir.file(name), settings)) << name;
        EXPECT_EQ(test::readBytes(dir.file(name)), "2024\r\n") << name;
    }
}

} // namespace
} // namespace miravel
