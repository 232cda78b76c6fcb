// One save of a book and its settings file, and the versions it keeps.

#include "file/BookSave.h"
#include "file/CompanionFile.h"
#include "file/SavedVersions.h"
#include "FileTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace miravel;
using namespace miravel::test;
namespace fs = std::filesystem;

namespace {

const std::string kOld = "[evaluation]\nmode=criterion\n", kNew = "[evaluation]\nmode=relative\n";

TEST(BookNames, SettingsAndBackupNamesSaveOnlyThroughSaveAs)
{
    const struct { const char* path; bool settings, onlySaveAs; } cases[] = {
        {"/成績/x.miravel", true, true}, {"/成績/X.MIRAVEL", true, true}, {"/成績/x.bak", false, true},
        {"/成績/x.txt", false, false},   {"/成績/miravel", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsSettingsFileName(c.path), c.settings) << c.path;
        EXPECT_EQ(SavesOnlyThroughSaveAs(c.path), c.onlySaveAs) << c.path;
    }
    TempDir dir;
    writeBytes(dir.file("x.miravel"), "book");
    EXPECT_EQ(SaveBook({dir.file("x.miravel"), "new", kNew, "", "", ""}).step, SaveStep::Failed);
    EXPECT_EQ(readBytes(dir.file("x.miravel")), "book");
}

// The second replace fails: the book is saved, its settings keep the old
// bytes and no temporary is left behind.
TEST(BookSave, SettingsThatCannotReplaceTheirFileAreReported)
{
#ifdef _WIN32
    GTEST_SKIP() << "on Windows the folder put in the settings file's place afterwards is refused (File exists)";
#endif
    TempDir dir;
    const std::string book = dir.file("3年1組.txt");
    writeBytes(book, "old");
    writeBytes(CompanionPath(book), kOld);
    static SystemCalls faulty = RealSystemCalls();
    faulty.replace = [](const char* from, const char* to) {
        return std::strstr(to, ".miravel") ? (errno = ENOSPC, -1) : RealSystemCalls().replace(from, to);
    };
    BookSaveResult result;
    {
        ScopedSystemCalls seam(faulty);
        result = SaveBook({book, "new", kNew, dir.file("versions"), "", ""});
    }
    EXPECT_EQ(result.step, SaveStep::SettingsFailed);
    EXPECT_EQ(readBytes(book), "new");
    EXPECT_EQ(result.stamp, StampOf(book));
    EXPECT_EQ(readBytes(CompanionPath(book)), kOld);
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::u8path(dir.file(""))), fs::directory_iterator()), 4); // book, .bak, settings, versions
    // A folder in the settings file's place stops the save before the book changes.
    fs::remove(CompanionPath(book));
    fs::create_directory(fs::u8path(CompanionPath(book)));
    EXPECT_EQ(SaveBook({book, "newer", kNew, "", "", ""}).step, SaveStep::Failed);
    EXPECT_EQ(readBytes(book), "new");
}

TEST(BookSave, ChangedOnDiskMeansOtherBytesAndDamagedSettingsAreKept)
{
    TempDir dir;
    const std::string book = dir.file("3年1組.txt");
    writeBytes(book, "abc");
    const DiskStamp opened = StampOf(book);
    writeBytes(book, "abd"); // same size, rewritten in place
    EXPECT_EQ(SaveBook({book, "new", std::nullopt, "", "", "", &opened}).step, SaveStep::ChangedOnDisk);
    writeBytes(CompanionPath(book), "not settings");
    const DiskStamp now = StampOf(book);
    EXPECT_TRUE(SaveBook({book, "new", kNew, "", "", "", &now}).damagedSettingsKept);
    EXPECT_EQ(readBytes(DamagedSettingsPath(CompanionPath(book))), "not settings");
    EXPECT_EQ(readBytes(CompanionPath(book)), kNew);
}

TEST(VersionOrder, ByCountNotByClockAndNeverTwiceTheSame)
{
    TempDir dir;
    const std::string folder = dir.file("versions"), book = dir.file("3年1組.txt");
    const std::pair<const char*, const char*> kept[] = {
        {"a", "2025/04/07 10:00:00"}, {"b", "2025/04/07 09:00:00"}, {"b", "2025/04/07 09:30:00"},
        {"c", "2025/04/06 08:00:00"}, // the clock went back
    };
    for (const auto& [content, time] : kept)
        ASSERT_FALSE(KeepVersion(folder, {content, std::nullopt}, time, content, 0, 2));
    EXPECT_EQ(VersionLines(ListVersions(folder)), "2025/04/07 09:00:00\t1\tb\n不明\t1\t（記録がありません）\n");
    writeBytes(book, "d");
    fs::permissions(fs::u8path(book), fs::perms::owner_read);
    EXPECT_EQ(SaveBook({book, "e", std::nullopt, folder, "", ""}).step, SaveStep::Failed);
    EXPECT_EQ(ListVersions(folder).size(), 2u); // a failed save keeps nothing
    ASSERT_FALSE(DeleteVersions(folder));
    EXPECT_FALSE(fs::exists(fs::u8path(folder)));
}

#ifndef _WIN32 // Windows has no permission bits to take
TEST(BookSave, FilesMadeForTheBookTakeItsBitsThroughALink)
{
    TempDir dir;
    fs::create_directory(fs::u8path(dir.file("real")));
    const std::string real = dir.file("real/3年1組.txt"), link = dir.file("link.txt"), folder = dir.file("v");
    writeBytes(real, "old");
    fs::permissions(fs::u8path(real), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(fs::u8path(real), fs::u8path(link));
    writeBytes(CompanionPath(real), kNew);  // the same settings, more open than the book
    fs::permissions(fs::u8path(CompanionPath(real)), fs::perms(0644));
    ASSERT_EQ(SaveBook({link, "new", kNew, folder, "", ""}).step, SaveStep::Saved);
    auto bits = [](const std::string& path) { return static_cast<unsigned>(fs::status(fs::u8path(path)).permissions()); };
    EXPECT_EQ(bits(CompanionPath(real)), 0600u);
    EXPECT_FALSE(fs::exists(fs::u8path(CompanionPath(link))));
    EXPECT_EQ(bits(folder), 0700u);
    EXPECT_EQ(bits(ListVersions(folder).at(0).path), 0600u);
    fs::permissions(fs::u8path(CompanionPath(real)), fs::perms(0644));
    EXPECT_FALSE(WriteCompanion(real, EvaluationSettings{}));
    EXPECT_EQ(bits(CompanionPath(real)), 0600u);
    fs::permissions(fs::u8path(real), fs::perms(0440));
    EXPECT_EQ(BookFileMode(link), 0640u);  // the book's bits, not the link's, and always writable by its owner
}
#endif

} // namespace
