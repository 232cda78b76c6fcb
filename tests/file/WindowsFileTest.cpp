#ifdef _WIN32

#include "file/GradeBookFile.h"
#include "file/windows/Win32Path.h"
#include "FileTestSupport.h"

#include <gtest/gtest.h>
#include <windows.h>

using namespace miravel;
using namespace miravel::test;

namespace {

DWORD attributesOf(const std::string& path) { return ::GetFileAttributesW(Win32Path(path).c_str()); }

// A save over a book with these attributes (none: no book yet), open in
// another program that shares this with others (Excel: reading) or free.
TEST(WindowsSave, HiddenStaysReadOnlyIsRefusedAHeldFileIsKeptAndTemporariesAreHidden)
{
    constexpr DWORD kNone = INVALID_FILE_ATTRIBUTES, kFree = ~DWORD{0}, kLook = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY;
    const std::string held = "ほかのプログラム（Excel など）がこのファイルを開いています。閉じてからもう一度保存してください。";
    const std::tuple<DWORD, DWORD, std::string> cases[] = {
        {kNone, kFree, ""}, {FILE_ATTRIBUTE_HIDDEN, kFree, ""},
        {kLook, kFree, "読み取り専用のファイルです。上書きせずに、別の名前で保存してください。"},
        {FILE_ATTRIBUTE_NORMAL, FILE_SHARE_READ, held}, {FILE_ATTRIBUTE_NORMAL, 0, held},
    };
    for (const auto& [before, share, refusal] : cases) {
        TempDir dir;
        const std::string path = dir.file("3年1組.txt");
        if (before != kNone)
            writeBytes(path, "old"), ::SetFileAttributesW(Win32Path(path).c_str(), before);
        const HANDLE other = share == kFree ? INVALID_HANDLE_VALUE
                                            : ::CreateFileW(Win32Path(path).c_str(), GENERIC_READ, share, nullptr,
                                                            OPEN_EXISTING, 0, nullptr);
        PreparedFile prepared;
        SaveReport report;
        FileResult error = PrepareReplacement(path, "new", 0, prepared);
        EXPECT_TRUE(error || (attributesOf(prepared.temporary) & FILE_ATTRIBUTE_HIDDEN)) << before;
        if (!error)
            error = CommitReplacement(prepared, BackupPath, report);
        ::CloseHandle(other);
        EXPECT_EQ(error.value_or(FileError{}).reason, refusal) << before;
        EXPECT_EQ(readBytes(path), refusal.empty() ? "new" : "old") << before;
        EXPECT_EQ(attributesOf(path) & kLook, before == kNone ? 0 : before & kLook) << before;
        ::SetFileAttributesW(Win32Path(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST(WindowsSave, ABookPastMaxPathSavesWithItsBackupAndReopens)
{
    TempDir dir;
    std::string folder = dir.file("");
    for (char depth = 'a'; depth < 'f'; ++depth) // five folders of 60 characters
        ASSERT_TRUE(::CreateDirectoryW(Win32Path(folder += "/" + std::string(58, depth) + "成績").c_str(), nullptr));
    const auto book = populatedBook();
    auto reopened = FreshBook();
    SaveReport report;
    std::string written, read;
    EXPECT_FALSE(WriteGradeBook(folder + "/3年1組.txt", *book) || WriteGradeBook(folder + "/3年1組.txt", *book, report) ||
                 ReadGradeBook(folder + "/3年1組.txt", *reopened));
    EXPECT_TRUE(report.backupMade);
    EXPECT_FALSE(EncodeGradeBook(*book, written) || EncodeGradeBook(*reopened, read));
    EXPECT_EQ(read, written);
}

} // namespace

#endif
