#ifdef _WIN32

#include "file/SafeWrite.h"
#include "file/windows/Win32Path.h"
#include "FileTestSupport.h"

#include <gtest/gtest.h>
#include <windows.h>

using namespace miravel;
using namespace miravel::test;

namespace {

DWORD attributesOf(const std::string& path) { return ::GetFileAttributesW(Win32Path(path).c_str()); }

// A save over a book with these attributes (none: no book yet), open in
// another program that shares this with others (Excel: reading) or free,
// in a folder of its own or five folders of 60 characters deep.
TEST(WindowsSave, HiddenStaysReadOnlyIsRefusedAHeldFileIsKeptTemporariesAreHiddenLongPathsWork)
{
    constexpr DWORD kNone = INVALID_FILE_ATTRIBUTES, kFree = ~DWORD{0}, kLook = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY;
    const std::string held = "ほかのプログラム（Excel など）がこのファイルを開いています。閉じてからもう一度保存してください。";
    const std::tuple<DWORD, DWORD, bool, std::string> cases[] = {
        {kNone, kFree, false, ""}, {FILE_ATTRIBUTE_HIDDEN, kFree, false, ""},
        {kLook, kFree, false, "読み取り専用のファイルです。上書きせずに、別の名前で保存してください。"},
        {FILE_ATTRIBUTE_NORMAL, FILE_SHARE_READ, false, held}, {FILE_ATTRIBUTE_NORMAL, 0, false, held},
        {kNone, kFree, true, ""}, {FILE_ATTRIBUTE_HIDDEN, kFree, true, ""},
    };
    for (const auto& [before, share, deep, refusal] : cases) {
        TempDir dir;
        std::string path = dir.file("");
        for (char depth = 'a'; deep && depth < 'f'; ++depth)
            ASSERT_TRUE(::CreateDirectoryW(Win32Path(path += "/" + std::string(58, depth) + "成績").c_str(), nullptr));
        path += "/3年1組.txt";
        if (before != kNone && !WriteFileAtomically(path, "old"))
            ::SetFileAttributesW(Win32Path(path).c_str(), before);
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
        std::string bytes;
        EXPECT_EQ(error.value_or(FileError{}).reason, refusal) << before << deep;
        EXPECT_EQ(ReadWholeFile(path, bytes) ? "unreadable" : bytes, refusal.empty() ? "new" : "old") << before << deep;
        EXPECT_TRUE(!refusal.empty() || report.backupMade == (before != kNone)) << before << deep;
        EXPECT_EQ(attributesOf(path) & kLook, before == kNone ? 0 : before & kLook) << before << deep;
        ::SetFileAttributesW(Win32Path(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

} // namespace

#endif
