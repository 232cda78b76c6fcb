#include "file/SavedVersions.h"

#include "file/BookSave.h"
#include "file/CompanionFile.h"
#include "file/FileTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace miravel;
using namespace miravel::test;

namespace {

class SavedVersions : public ::testing::Test {
protected:
    TempDir dir;
    std::string book = dir.file("3年1組.txt");
    std::string folder = VersionFolderOf(VersionsRoot(dir.file("data")), book);

    // A save of `content` over the book, as the window makes it.
    void save(const std::string& content, const std::string& description, const std::string& time = "2025/04/07 09:30:15")
    {
        ASSERT_FALSE(SaveBook({book, content, std::nullopt, folder, time, description}).versionError);
    }
};

TEST_F(SavedVersions, EachSaveKeepsWhatItReplacesNewestFirst)
{
    save("first", "");  // nothing to replace yet
    save("second", "学級の登録", "2025/04/07 09:30:15");
    save("second", "");  // the same bytes: nothing is replaced
    save("seconds", "", "2025/04/07 10:00:00");  // a longer file and one differing in its last byte are kept
    save("secondz", "国語 一学期 第 1回 試験の登録、出席番号 5 の転出", "2025/04/07 11:00:00");
    save("third", "", "2025/04/08 08:00:00");
    EXPECT_EQ(VersionLines(ListVersions(folder)),
              "2025/04/07 11:00:00\t7\t国語 一学期 第 1回 試験の登録、出席番号 5 の転出\n"
              "2025/04/07 10:00:00\t7\t（変更の記録なし）\n"
              "2025/04/07 09:30:15\t6\t学級の登録\n"
              "不明\t5\t（記録がありません）\n");
}

TEST_F(SavedVersions, TheThirtyFirstDropsTheOldest)
{
    save("save 0", "");
    for (int n = 1; n <= 32; ++n)  // all in one second, and past 30: each keeps a number of its own
        save("save " + std::to_string(n), "step " + std::to_string(n));
    std::string kept, expected;
    for (const SavedVersion& version : ListVersions(folder))
        kept += readBytes(version.path) + ",";
    for (int n = 31; n >= 2; --n)  // "save 0" and "save 1" went
        expected += "save " + std::to_string(n) + ",";
    EXPECT_EQ(kept, expected);
}

TEST_F(SavedVersions, AVersionKeepsTheCompanionTheBookHadThen)
{
    save("first", "");
    writeBytes(CompanionPath(book), "[evaluation]\nmode=criterion\n");
    save("second", "評価の方法の登録");
    std::filesystem::remove(CompanionPath(book));
    save("third", "学級の登録");
    const auto versions = ListVersions(folder);
    ASSERT_EQ(versions.size(), 2u);
    EXPECT_EQ(readBytes(versions.back().path), "first");
    EXPECT_EQ(readBytes(CompanionPath(versions.back().path)), "[evaluation]\nmode=criterion\n");
    EXPECT_EQ(readBytes(versions.front().path), "second");
    EXPECT_FALSE(std::filesystem::exists(CompanionPath(versions.front().path)));
    // A settings file left from a protected book's plain days is no part of its versions.
    writeBytes(CompanionPath(book), "[evaluation]\nmode=criterion\n");
    save("Miravel protected book\n1", "");
    save("Miravel protected book\n2", "");
    EXPECT_FALSE(std::filesystem::exists(CompanionPath(ListVersions(folder).front().path)));
}

TEST(VersionFolder, OnePerBookNamedFromItsWholePath)
{
    EXPECT_NE(VersionFolderOf("/v", "/a/3年1組.txt"), VersionFolderOf("/v", "/b/3年1組.txt"));
    EXPECT_EQ(VersionFolderOf("/v", "/a/x/../3年1組.txt"), VersionFolderOf("/v", "/a/3年1組.txt"));
}

} // namespace
