#pragma once
// Grade books the tests start from.

#include "core/Defaults.h"
#include "core/GradeBook.h"

#include <memory>
#include <string>
#include <vector>

namespace miravel::test {

// A book at its defaults, as after start-up.
inline std::unique_ptr<GradeBook> FreshBook()
{
    auto book = std::make_unique<GradeBook>();
    InitDefaults(*book);
    return book;
}

struct ClassHeader {
    std::string year = "2024", grade = "3年", name = "1組", teacher = "山田";
};

// A registered class whose attendance numbers 1.. carry `names` ("" for a
// number whose student transferred out).
inline std::unique_ptr<GradeBook> ClassBook(const std::vector<std::string>& names, const ClassHeader& header = {})
{
    auto book = FreshBook();
    book->SchoolYear = header.year;
    book->GradeLevel = header.grade;
    book->ClassName = header.name;
    book->TeacherName = header.teacher;
    book->StudentCount = static_cast<Integer>(names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        book->StudentNames[static_cast<long>(i)] = names[i];
    return book;
}

} // namespace miravel::test
