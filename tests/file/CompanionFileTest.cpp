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
    settings.OtherSettings = "\n[future]\nkey=kept\n";  // a newer Miravel's
    ASSERT_FALSE(WriteCompanion(dir.file("book.txt"), settings));
    EvaluationSettings read;
    EXPECT_FALSE(ReadCompanion(dir.file("book.txt"), read));
    EXPECT_EQ(read, settings);
    const std::string text = test::readBytes(dir.file("book.miravel"));
    EXPECT_EQ(text.substr(0, 49), "[evaluation]\nmode=criterion\nterms=2\n\n[criterion]\n");
    EXPECT_NE(text.find("\ns6v3=90/30\n\n[grade]\na3=2.75\nc1=1.5\n"), std::string::npos);
    EXPECT_NE(text.find("\n[students]\ncode7=S20250107\naccount40=s40@example.jp\n\n[future]\nkey=kept\n"), std::string::npos);
    // A book named as a settings file would be its own: it has none and never gets one.
    test::writeBytes(dir.file("x.miravel"), "2024\r\n");
    EXPECT_FALSE(ReadCompanion(dir.file("x.miravel"), read) || SettingsFileBytes(dir.file("x.miravel"), settings));
    EXPECT_TRUE(read.IsDefault());
}

TEST(CompanionFile, PartialTakesTheDefaultsForMissingKeys)
{
    EvaluationSettings settings;
    ASSERT_FALSE(ParseEvaluationSettings("\xEF\xBB\xBF# made by hand\ntop=1\n[evaluation]\nmode = criterion   # mine\n"
                                         "[criterion]\ns2v3=70/40\ns11v1=1/0\n[other]\nkey=kept\n[grade]\nc1=1.25\n",
                                         settings));
    // What this version does not read is kept, and written back where it was.
    EXPECT_EQ(settings.OtherSettings, "top=1\n\n[criterion]\ns11v1=1/0\n\n[other]\nkey=kept\n");
    EvaluationSettings again;
    EXPECT_FALSE(ParseEvaluationSettings(EvaluationSettingsText(settings), again) || again != settings);
    EXPECT_TRUE(settings.Criterion());
    EXPECT_EQ(settings.Terms, 3);
    EXPECT_EQ(settings.Cuts[5], (CriterionCut{70, 40}));
    EXPECT_EQ(settings.Cuts[4], (CriterionCut{80, 50}));
    EXPECT_EQ(settings.GradeA3, 250);
    EXPECT_EQ(settings.GradeC1, 125);
}

// Hand-edited oddities the reader passes over are kept as they read: each
// written text reads back to itself.
TEST(CompanionFile, UnreadLinesOfEveryShapeReadBackToThemselves)
{
    const std::pair<const char*, const char*> cases[] = {
        {"[half=1\n[x]\na=1\n", "[half=1\n\n[x]\na=1\n"},  // a key that starts like a section, before any
        {"[x]\n[]\nk=v\n", "\n[x]\n\n[]\nk=v\n"},           // a section without a name is no top line
        {"[check]\n5=AB\n[x]\n[check]\nz=1\n", "\n[check]\n5=AB\n\n[x]\n\n[check]\nz=1\n"},
        {"\n\xEF\xBB\xBF#=2\ntop=1\n", "top=1\n"},  // written first, it would read back as the file's mark
    };
    for (const auto& [text, kept] : cases) {
        EvaluationSettings read, again;
        ASSERT_FALSE(ParseEvaluationSettings(text, read)) << text;
        EXPECT_EQ(read.OtherSettings, kept) << text;
        const std::string written = EvaluationSettingsText(read);
        EXPECT_FALSE(ParseEvaluationSettings(written, again));
        EXPECT_EQ(EvaluationSettingsText(again), written) << text;
    }
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

} // namespace
} // namespace miravel
