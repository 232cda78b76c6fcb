#pragma once
// When a web form says an answer was sent: the time stamp column of a
// Google Forms export (タイムスタンプ) or a Microsoft Forms one (完了時刻),
// so that of a student's several submissions the latest is the one taken.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace miravel {

// A time stamp as a number that orders stamps: "2026/06/12 9:05:31",
// "2026/6/12 9:05", "2026-06-12 09:05:31", Microsoft's "6/12/26 9:05:31"
// (month first), with 午前/午後 or AM/PM and a zone ("GMT+9") allowed;
// seconds default to 0. Nothing for anything else, or a date without a time.
std::optional<long long> SubmissionTime(std::string_view cell);

// Of one student's stamps (in file order), the index of the latest; on a
// tie the later row, as forms write submissions in order. -1 when a stamp
// cannot be read, for then the order is unknown.
int LatestSubmission(const std::vector<std::string>& stamps);

} // namespace miravel
