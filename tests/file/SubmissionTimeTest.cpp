// The time stamps of web-form exports: which of a student's submissions is the latest.

#include "file/SubmissionTime.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

TEST(SubmissionTime, LatestOfAStudentsRows)
{
    const struct { std::vector<std::string> stamps; int latest; } cases[] = {
        {{"2026/06/12 10:00:00", "2026/06/12 9:05:31"}, 0}, {{"2026/06/12 9:05:50", "2026/6/12 9:05:10"}, 0},  // same minute
        {{"2026/6/12 9:05", "2026-06-12 09:05:00", "6/12/26 9:05"}, 2}, {{"6/12/26 9:05:31", "2026/07/01 9:00"}, 1},
        {{"2026/06/12 9:05:31 午後 GMT+9", "2026/06/12 20:00:00"}, 0}, {{"6/12/2026 12:05 AM", "2026/06/12 0:10"}, 1},
        {{"2026/06/30 23:59:59", "2026/07/01 0:00"}, 1}, {{"2026/12/31 23:59:59", "2027/1/1 0:00"}, 1},
        {{"2026/06/12 9:05:31", "不明"}, -1}, {{"2026/06/12", "2026/06/12 9:00"}, -1}, {{"2026/13/01 9:00"}, -1},
        {{"2026/06/12 24:00"}, -1}, {{"2026/06/12 13:00 午後"}, -1}, {{}, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(LatestSubmission(c.stamps), c.latest) << (c.stamps.empty() ? "" : c.stamps[0]);
}

} // namespace
} // namespace miravel
