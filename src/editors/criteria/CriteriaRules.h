#pragma once
// The rules of the criteria editors, apart from their windows: reading a
// count box, the B count, the name checks of a registration and the
// catalogue update.

#include "core/CheckedArray.h"
#include "core/GradeBook.h"

#include <array>
#include <string>
#include <string_view>

namespace miravel {

// A count box reads as its leading number; an empty box is 0.
double CountValue(std::string_view text);

// The B count n - a - c as a label shows it: one leading blank when not
// negative, a decimal part only when there is one (" 18.5").
std::string CountText(double value);

// What the change rule makes of a count box, with the other box of its
// viewpoint and n enrolled students. A negative count would break the
// evaluation; only -1 filled in from the book (a count never set) passes.
enum class CountCheck { Fits, TooLarge, Negative };
enum class CountSource { Typed, Stored };
CountCheck CheckCount(double changed, double other, int enrolled, CountSource source);

// Two of the three viewpoint names are equal (exactly; two empty names too).
bool ViewpointNamesOverlap(const std::array<std::string, kViewpoints>& names);

// The name is empty or belongs to another subject: it cannot name `subject`.
bool SubjectNameTaken(const GradeBook& book, int subject, const std::string& name);

// Puts `name` into the first empty entry unless an earlier entry already
// holds it; a full catalogue without the name stays as it is.
template <std::size_t N>
void AddToCatalogue(CheckedArray<std::string, N>& catalogue, const std::string& name)
{
    for (std::string& entry : catalogue) {
        if (entry.empty()) {
            entry = name;
            return;
        }
        if (entry == name)
            return;
    }
}

} // namespace miravel
