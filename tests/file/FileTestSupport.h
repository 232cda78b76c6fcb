#pragma once

#include "support/Books.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace miravel::test {

// A folder of its own for one test, removed afterwards.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "miravel-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
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
