#include "grades/HandoffRows.h"

#include "core/EvaluationRules.h"
#include "core/RecordEvaluation.h"
#include "core/TextRules.h"
#include "grades/EvaluationList.h"

namespace miravel {

namespace {

// The value of the digit at `at` (ASCII or full-width EF BC 90..99) and its
// length in bytes; length 0 when there is none.
int DigitAt(const std::string& text, std::size_t at, int& length)
{
    const auto byte = [&](std::size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
    length = 0;
    if (byte(at) >= '0' && byte(at) <= '9')
        return length = 1, static_cast<int>(byte(at) - '0');
    if (byte(at) == 0xEF && byte(at + 1) == 0xBC && byte(at + 2) >= 0x90 && byte(at + 2) <= 0x99)
        return length = 3, static_cast<int>(byte(at + 2) - 0x90);
    return 0;
}

std::string Symbol(const std::string& value, const std::array<std::string, 3>& symbols, const char* names,
                   const std::string& none)
{
    for (int i = 0; i < 3; ++i)
        if (value.size() == 1 && value[0] == names[i])
            return symbols[i];
    return none;
}

std::string Field(const GradeBook& book, const HandoffProfile& profile, const HandoffColumn& column, int n,
                  const StudentEvaluation& student)
{
    switch (column.field) {
    case HandoffField::GradeLevel:
        return NumberInField(book.GradeLevel);
    case HandoffField::ClassName:
        return NumberInField(book.ClassName);
    case HandoffField::Number:
        return std::to_string(n);
    case HandoffField::Code:
        return book.Evaluation.StudentCodes[n - 1];
    case HandoffField::Name:
        return book.StudentNames[n - 1];
    case HandoffField::Letter:
        return Symbol(student.letters[column.subject][column.viewpoint], profile.letters, "ABC", profile.none);
    case HandoffField::SubjectGrade:
        return Symbol(student.grades[column.subject], profile.grades, "321", profile.none);
    case HandoffField::Fixed:
        break;
    }
    return column.text;
}

// A subject 7..10 not yet named is called by its number.
std::string SubjectTitle(const GradeBook& book, int subject)
{
    const std::string name = RecordSubjectName(book, subject);
    return name.empty() ? "教科" + std::to_string(subject + 1) : name;
}

} // namespace

std::string NumberInField(const std::string& field)
{
    std::string digits;
    for (std::size_t i = 0; i < field.size(); ++i) {
        int length = 0;
        const int digit = DigitAt(field, i, length);
        if (length == 0 && !digits.empty())
            break;
        if (length > 0) {
            if (digits == "0")
                digits.clear();  // no leading zero
            digits += static_cast<char>('0' + digit);
            i += length - 1;
        }
    }
    return digits.empty() ? field : digits;
}

std::string HandoffColumnTitle(const GradeBook& book, const HandoffColumn& column)
{
    if (!column.header.empty())
        return column.header;
    switch (column.field) {
    case HandoffField::Letter:
        return SubjectTitle(book, column.subject) + " " + RecordViewpointName(book, column.subject, column.viewpoint);
    case HandoffField::SubjectGrade:
        return SubjectTitle(book, column.subject) + " 評定";
    case HandoffField::Fixed:
        return std::string();
    default:
        return HandoffColumnKey(column);
    }
}

std::vector<int> HandoffPeriods(const GradeBook& book)
{
    std::vector<int> periods;
    for (int m = 0; m < ShownSemesters(book); ++m)
        periods.push_back(m);
    periods.push_back(kYearRoundPeriod);
    return periods;
}

HandoffTable HandoffRows(const GradeBook& book, int period, const HandoffProfile& profile)
{
    HandoffTable rows;
    if (profile.header) {
        rows.emplace_back();
        for (const HandoffColumn& column : profile.columns)
            rows.back().push_back(HandoffColumnTitle(book, column));
    }
    const std::vector<StudentEvaluation> list = EvaluatePeriod(book, period);
    for (int n = 1; n <= book.StudentCount; ++n) {
        if (book.StudentNames[n - 1].empty())
            continue;
        rows.emplace_back();
        for (const HandoffColumn& column : profile.columns)
            rows.back().push_back(Field(book, profile, column, n, list[n - 1]));
    }
    return rows;
}

} // namespace miravel
