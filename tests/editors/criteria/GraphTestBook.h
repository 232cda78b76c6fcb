#pragma once
// A class whose year-round averages of subject 0 are given per student.

#include "core/GradeBook.h"
#include "support/Books.h"

#include <memory>
#include <string>
#include <vector>

namespace miravel::test {

inline std::vector<std::string> Names(int count)
{
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i)
        names.push_back("生徒" + std::to_string(i));
    return names;
}

// Students 1..values.size(), value i in `slot` for attendance number i + 1.
inline std::unique_ptr<GradeBook> BookWithValues(int slot, const std::vector<float>& values, float average = 60.0f)
{
    auto book = ClassBook(Names(static_cast<int>(values.size())));
    for (std::size_t i = 0; i < values.size(); ++i)
        book->Scores[slot][static_cast<long>(i)] = values[i];
    book->Scores[slot][kAverageColumn] = average;
    return book;
}

} // namespace miravel::test
