// The time stamps of web-form exports: which of a student's submissions is the latest.

#include "file/SubmissionTime.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

TEST(SubmissionTime, FormsOwnFormatsReadAndOrdered)
{
    // Each pair: the same moment (0) or the first one earlier (-1).
    const struct { const char* a; const char* b; int order; } cases[] = {
        {"2026/06/12 9:05:31", "2026/6/12 09:05:31", 0},        {"6/12/26 9:05:31", "2026-06-12 9:05:31", 0},
        {"2026/6/12 9:05", "2026/06/12 9:05:00", 0},             {"2026/06/12 9:05:31 午後 GMT+9", "2026/06/12 21:05:31", 0},
        {"6/12/2026 12:05:31 AM", "2026/06/12 0:05:31", 0},     {"2026/06/12 9:05:59", "2026/06/12 9:06:00", -1},
        {"2026/06/30 23:59:59", "2026/07/01 0:00:00", -1},      {"2026/12/31 23:59:59", "2027/1/1 0:00", -1},
        {"6/11/26 23:59:00", "2026/06/12 9:05:31", -1},         {"2026/06/12 11:00:00 午前", "2026/06/12 1:00:00 午後", -1},
    };
    for (const auto& c : cases) {
        const auto a = SubmissionTime(c.a), b = SubmissionTime(c.b);
        ASSERT_TRUE(a && b) << c.a << " / " << c.b;
        EXPECT_EQ(*a < *b ? -1 : *a == *b ? 0 : 1, c.order) << c.a << " / " << c.b;
    }
    for (const char* unreadable : {"", "2026/06/12", "昨日 9:05", "2026/13/01 9:00", "2026/06/12 24:00",
                                   "2026/06/12 9時05分", "12/6 9:00", "2026/06/12 13:00 午後"})
        EXPECT_EQ(SubmissionTime(unreadable), std::nullopt) << unreadable;
}

TEST(SubmissionTime, LatestOfAStudentsRows)
{
    const struct { std::vector<std::string> stamps; int latest; } cases[] = {
        {{"2026/06/12 9:05:31", "2026/06/12 10:00:00"}, 1},
        {{"2026/06/12 10:00:00", "2026/06/12 9:05:31"}, 0},  // out of order in the file
        {{"2026/06/12 9:05:50", "2026/06/12 9:05:10"}, 0},   // the same minute
        {{"2026/6/12 9:05", "2026/06/12 9:05:00"}, 1},       // a tie: the later row
        {{"6/12/26 9:05:31", "6/11/26 23:59:00", "6/12/26 8:00:00"}, 0},
        {{"2026/06/12 9:05:31", "不明"}, -1},
        {{}, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LatestSubmission(c.stamps), c.latest) << c.stamps.size();
}

} // namespace
} // namespace miravel
