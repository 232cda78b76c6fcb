// Whether the writer of a lock or a recovery copy still runs.

#include "file/ProcessIdentity.h"

#include <gtest/gtest.h>

namespace miravel::test {
namespace {

TEST(ProcessIdentity, WriterEndedUnlessItsNumberStillNamesTheSameProcess)
{
    constexpr long kOwn = 32, kOther = 48;
    const struct {
        const char* what;
        WriterProcess writer;
        ProcessNow now;
        bool ended;
    } cases[] = {
        {"our own number, no start recorded: a crashed program before us had it", {kOwn, ""}, {true, "200"}, true},
        {"another program still running", {kOther, "100"}, {true, "100"}, false},
        {"a running program of an older version", {kOther, ""}, {true, "100"}, false},
        {"the system cannot tell when it started", {kOther, "100"}, {true, ""}, false},
        {"no process has the number", {kOther, "100"}, {false, ""}, true},
        {"the number handed to a program started later", {kOther, "100"}, {true, "300"}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WriterEnded(c.writer, kOwn, c.now), c.ended) << c.what;
}

} // namespace
} // namespace miravel::test
