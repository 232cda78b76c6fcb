#include "editors/criteria/CriteriaRules.h"

#include "core/TextRules.h"

#include <cmath>
#include <cstdio>

namespace miravel {

double CountValue(std::string_view text) { return LeadingNumber(text); }

std::string CountText(double value)
{
    if (value == std::floor(value) && std::fabs(value) < 1e9)
        return Str(static_cast<long>(value));
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.15g", value);
    return value < 0 ? std::string(digits) : " " + std::string(digits);
}

CountCheck CheckCount(double changed, double other, int enrolled, CountSource source)
{
    const bool notSet = source == CountSource::Stored && changed == kCountNotSet;
    if (changed < 0 && !notSet)
        return CountCheck::Negative;
    return enrolled - changed - other < 0 ? CountCheck::TooLarge : CountCheck::Fits;
}

bool ViewpointNamesOverlap(const std::array<std::string, kViewpoints>& names)
{
    return names[0] == names[1] || names[0] == names[2] || names[1] == names[2];
}

bool SubjectNameTaken(const GradeBook& book, int subject, const std::string& name)
{
    if (name.empty())
        return true;
    for (int other = 0; other < kSubjects; ++other)
        if (other != subject && book.SubjectTable[other][0] == name)
            return true;
    return false;
}

} // namespace miravel
