#pragma once
// Number <-> text rules shared by the file, the views and the editors.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace miravel {

// A number as the program writes it everywhere: one leading blank for zero
// and positive numbers (" 35"), the minus sign for negative ones ("-1").
std::string Str(long value);

// The leading-number rule: blanks anywhere are ignored, then an optional
// sign, digits, an optional "." and digits are read from the start up to the
// first character that cannot continue the number. No number gives 0.
double LeadingNumber(std::string_view text);

// True when the text (blanks ignored) starts with a number at all.
bool HasLeadingNumber(std::string_view text);

// Nearest integer, halves to the even neighbour (7.5 -> 8, 6.5 -> 6).
double RoundHalfEven(double value);

// RoundHalfEven into a 16-bit integer; nothing when it does not fit.
std::optional<std::int16_t> ToInt16(double value);

// RoundHalfEven clamped into the 16-bit range, for values already known to be
// small (scores and counts shown in a table).
std::int16_t RoundToInteger(double value);

// Exactly one decimal, "." as the point, leading "0", no grouping.
// Tie rule: the value is rounded from its exact binary value, and a value
// exactly halfway goes to the even last digit (72.25 -> "72.2",
// 72.75 -> "72.8"). A result of minus zero is written "0.0".
std::string OneDecimal(double value);

} // namespace miravel
