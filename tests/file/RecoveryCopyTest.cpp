// The recovery copy on disk: the copy and its side record, finding the ones a
// program left behind, keeping a declined one under a dated name.

#include "file/GradeBookFile.h"
#include "file/ProtectedBook.h"
#include "file/RecoveryCopy.h"

#include "FileTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>

namespace miravel::test {
namespace {

namespace fs = std::filesystem;

// A copy as a program that has since ended would have left it.
RecoveryRecord leaveCopy(const std::string& folder, const std::string& original, const std::string& time,
                         const GradeDocument& document, long processId = 0)
{
    RecoveryRecord record = RecoveryFilesFor(folder, original, processId);
    record.time = time;
    EXPECT_FALSE(WriteRecoveryCopy(record, document).has_value());
    return record;
}

TEST(RecoveryCopy, CopyHoldsTheBytesSaveWritesAndTheRecordNamesTheFile)
{
    TempDir dir;
    const auto book = populatedBook();
    const std::string folder = dir.file("data/recovery");  // made on first use
    const RecoveryRecord record = leaveCopy(folder, "C:/Users/先生/3年1組.txt", "2025/04/07 09:30:15", *book);
#ifdef _WIN32
    const std::string shown = "C:\\Users\\先生\\3年1組.txt";  // as Explorer shows it
#else
    const std::string shown = "C:/Users/先生/3年1組.txt";
#endif

    std::string expected;
    ASSERT_FALSE(EncodeGradeBook(*book, expected).has_value());
    EXPECT_EQ(readBytes(record.copyPath), expected);
    EXPECT_EQ(readBytes(record.recordPath),
              "Miravel recovery copy\ntime=2025/04/07 09:30:15\npid=0\npath=" + shown + "\n");
    EXPECT_EQ(fs::path(record.copyPath).parent_path(), fs::path(folder));

    RemoveRecoveryCopy(record);
    EXPECT_FALSE(fs::exists(record.copyPath));
    EXPECT_FALSE(fs::exists(record.recordPath));
    RemoveRecoveryCopy(record);  // gone already: nothing to do
}

TEST(RecoveryCopy, RecordsReadBackAndDamagedOnesAreRefused)
{
    for (const std::string path : {"", "/x/名簿 (1);2.txt", "C:/成績/3年1組.txt", "/tmp/a=b"}) {
        RecoveryRecord written;
        written.originalPath = path;
        written.time = "2025/12/31 23:59:59";
        written.processId = 4321;
        written.started = path.empty() ? "" : "8f3e:123456";  // none: as an older version wrote it
        RecoveryRecord read;
        ASSERT_TRUE(ParseRecoveryRecord(RecoveryRecordText(written), read)) << path;
        EXPECT_EQ(read.originalPath, path);
        EXPECT_EQ(read.time, written.time);
        EXPECT_EQ(read.processId, 4321);
        EXPECT_EQ(read.started, written.started);
    }
    for (const std::string damaged :
         {"", "Miravel recovery copy\n", "Miravel recovery copy\ntime=1\npid=2\n",
          "Miravel recovery copy\ntime=1\npid=2\npath=/a.txt",  // cut short while written
          "something else\ntime=1\npid=2\npath=/a.txt\n", "Miravel recovery copy\npid=2\ntime=1\npath=/a.txt\n",
          "Miravel recovery copy\ntime=1\npid=2\nstart=3"}) {
        RecoveryRecord read;
        EXPECT_FALSE(ParseRecoveryRecord(damaged, read)) << damaged;
    }
}

TEST(RecoveryCopy, FindsCopiesLeftBehindNewestFirst)
{
    TempDir dir;
    const std::string folder = dir.file("recovery");
    const auto book = FreshBook();
    leaveCopy(folder, "/a/old.txt", "2025/04/06 18:00:00", *book);
    leaveCopy(folder, "", "2025/04/07 08:00:00", *book, 999999999);  // no such process
    leaveCopy(folder, "/a/new.txt", "2025/04/07 09:00:00", *book);
    // A program still running keeps its copy to itself.
    leaveCopy(folder, "/a/busy.txt", "2025/04/07 10:00:00", *book, otherRunningProcess());
    // A record whose copy is missing, and one that is damaged, are passed over.
    const RecoveryRecord lost = leaveCopy(folder, "/a/lost.txt", "2025/04/07 11:00:00", *book);
    fs::remove(lost.copyPath);
    writeBytes(dir.file("recovery/0000.recovery"), "garbage");

    std::vector<std::string> found;
    for (const RecoveryRecord& record : FindRecoveryCopies(folder))
        found.push_back(record.originalPath);
    EXPECT_EQ(found, (std::vector<std::string>{"/a/new.txt", "", "/a/old.txt"}));

    RecoveryRecord record;
    EXPECT_TRUE(FindRecoveryCopyOf(folder, "/a/old.txt", record));
    EXPECT_EQ(record.time, "2025/04/06 18:00:00");
    EXPECT_FALSE(FindRecoveryCopyOf(folder, "/a/busy.txt", record));
    EXPECT_TRUE(FindRecoveryCopies(dir.file("nowhere")).empty());
}

TEST(RecoveryCopy, CopyIsOfferedUnlessTheFileWasSavedLater)
{
    TempDir dir;
    const std::string original = dir.file("1組.txt");
    writeBytes(original, "saved");
    const RecoveryRecord record = leaveCopy(dir.file("recovery"), original, "2025/04/07 09:00:00", *FreshBook());
    const auto copyTime = fs::last_write_time(record.copyPath);

    fs::last_write_time(fs::u8path(original), copyTime - std::chrono::minutes(5));
    EXPECT_TRUE(CopyIsNotOlderThanOriginal(record));
    fs::last_write_time(fs::u8path(original), copyTime);
    EXPECT_TRUE(CopyIsNotOlderThanOriginal(record));
    fs::last_write_time(fs::u8path(original), copyTime + std::chrono::minutes(5));  // saved again later
    EXPECT_FALSE(CopyIsNotOlderThanOriginal(record));
    fs::remove(fs::u8path(original));
    EXPECT_TRUE(CopyIsNotOlderThanOriginal(record));
}

TEST(RecoveryCopy, DeclinedCopyIsKeptUnderADatedName)
{
    TempDir dir;
    const std::string folder = dir.file("recovery");
    const auto book = FreshBook();
    std::string bytes;
    ASSERT_FALSE(EncodeGradeBook(*book, bytes).has_value());
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/a/3年1組.txt", "3年1組-20250407-093015.txt"},
        {"/a/3年1組.txt", "3年1組-20250407-093015-2.txt"},  // same second again
        {"/a/class", "class-20250407-093015.txt"},
        {"", "新規-20250407-093015.txt"},
    };
    for (const auto& [original, keptName] : cases) {
        const RecoveryRecord record = leaveCopy(folder, original, "2025/04/07 09:30:15", *book);
        std::string kept;
        ASSERT_FALSE(KeepDatedCopy(record, kept).has_value());
        EXPECT_EQ(fs::u8path(kept).filename().u8string(), keptName);
        EXPECT_EQ(readBytes(kept), bytes);
        EXPECT_TRUE(fs::exists(fs::u8path(kept).replace_extension(".info")));
        EXPECT_FALSE(fs::exists(record.copyPath));
    }
    EXPECT_TRUE(FindRecoveryCopies(folder).empty());
}

// A sealed copy carries a protected book's extension, however it is found
// or kept: never a .txt that looks readable.
TEST(RecoveryCopy, SealedCopyTakesTheBooksOwnExtension)
{
    TempDir dir;
    FileResult error;
    const auto key = BookKey::Create("pass", LowestKdfCost(), error);
    const RecoveryRecord record = RecoveryFilesFor(dir.file("recovery"), "/a/5年2組.mrvl", 0, true);
    ASSERT_TRUE(key && !WriteRecoveryCopy(record, *FreshBook(), 0, key.get()).has_value());
    RecoveryRecord found;
    ASSERT_TRUE(FindRecoveryCopyOf(dir.file("recovery"), "/a/5年2組.mrvl", found));
    EXPECT_EQ(fs::u8path(found.copyPath).filename().u8string(), PathKey("/a/5年2組.mrvl") + "-0.mrvl");
    std::string kept;
    ASSERT_FALSE(KeepDatedCopy(found, kept).has_value());
    EXPECT_EQ(fs::u8path(kept).filename().u8string(), "5年2組-undated.mrvl");
}

TEST(RecoveryCopy, FolderThatCannotBeMadeIsReported)
{
    TempDir dir;
    writeBytes(dir.file("data"), "a file where the folder should be");
    RecoveryRecord record = RecoveryFilesFor(dir.file("data/recovery"), "/a/1組.txt", 0);
    record.time = "2025/04/07 09:00:00";
    const FileResult error = WriteRecoveryCopy(record, *FreshBook());
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(error->reason.empty());
}

} // namespace
} // namespace miravel::test
