#pragma once

#include "support/Books.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#ifdef _WIN32
#include <windows.h>
#include <tlhelp32.h>
#else
#include <unistd.h>
#endif

namespace miravel::test {

// A folder of its own for one test, removed afterwards. Paths are UTF-8
// strings, as in the program (u8path: also on Windows).
class TempDir {
public:
    TempDir()
    {
        std::mt19937 random(std::random_device{}());
        const auto base = std::filesystem::temp_directory_path();
        std::error_code error;
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = base / ("miravel-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(path_, error))
                break;
        }
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    std::string file(const std::string& name) const { return (path_ / std::filesystem::u8path(name)).u8string(); }

private:
    std::filesystem::path path_;
};

inline std::string readBytes(const std::string& path)
{
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(std::filesystem::u8path(path), std::ios::binary) << bytes;
}

// A process other than this one that runs as long as the test does.
inline long otherRunningProcess()
{
#ifdef _WIN32
    long other = 0;
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more && !other; more = ::Process32NextW(snapshot, &entry))
        if (entry.th32ProcessID != 0 && entry.th32ProcessID != ::GetCurrentProcessId())
            other = static_cast<long>(entry.th32ProcessID);
    ::CloseHandle(snapshot);
    return other;
#else
    return static_cast<long>(::getppid());
#endif
}

inline std::string dataFile(const std::string& name) { return readBytes(std::string(MIRAVEL_TEST_DATA) + "/" + name); }

// Every member set to something other than its default.
inline std::unique_ptr<GradeBook> populatedBook()
{
    auto book = FreshBook();
    book->SchoolYear = "令和8年度;前期";
    book->GradeLevel = "4年";
    book->ClassName = "2組";
    book->TeacherName = "山田 花子";
    book->StudentCount = 40;
    for (int i = 0; i < kStudents; ++i)
        book->StudentNames[i] = i == 6 ? "" : "ｶﾀｶﾅ生徒" + std::to_string(i + 1);
    for (int p = 0; p < kPeriods; ++p)
        for (int k = 0; k < kSubjectViewpoints; ++k) {
            book->RankCountA[p][k] = static_cast<Integer>(p * 3 + k % 5);
            book->RankCountC[p][k] = static_cast<Integer>(k == 17 ? -1 : k % 4);
        }
    book->SemesterNames[0] = "前期";
    book->SubjectTable[4][1] = "技能";
    book->SubjectCatalogue[7] = "生活";
    book->ViewpointCatalogue[19] = "関心・意欲";
    for (int slot = 0; slot < kSlots; ++slot) {
        for (int c = 0; c < kColumns; ++c)
            book->Scores[slot][c] = static_cast<float>((slot * 31 + c * 17) % 1001) / 10.0f;
        book->Scores[slot][5] = kAbsent;
        book->Scores[slot][6] = 10072.5f;
        book->SlotTitles[slot][0] = "7/" + std::to_string(slot % 30 + 1);
    }
    book->SlotTitles[0][1] = "漢字テスト 第1回";
    return book;
}

} // namespace miravel::test
