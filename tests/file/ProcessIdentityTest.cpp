// Which program wrote a lock or a recovery copy: the process number with the
// moment its process started, so a number handed on is not taken for the writer.

#include "file/ProcessIdentity.h"
#include "file/SystemCalls.h"

#include "FileTestSupport.h"

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
        {"our own number: a crashed program before us had it", {kOwn, "100"}, {true, "200"}, true},
        {"our own number, from an older version", {kOwn, ""}, {true, "200"}, true},
        {"another program still running", {kOther, "100"}, {true, "100"}, false},
        {"a running program of an older version", {kOther, ""}, {true, "100"}, false},
        {"the system cannot tell when it started", {kOther, "100"}, {true, ""}, false},
        {"no process has the number", {kOther, "100"}, {false, ""}, true},
        {"the number handed to a program started later", {kOther, "100"}, {true, "300"}, true},
        {"no number at all", {0, ""}, {true, "100"}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WriterEnded(c.writer, kOwn, c.now), c.ended) << c.what;
}

TEST(ProcessIdentity, TheSystemTellsAProcessFromAnotherWithTheSameNumber)
{
    const long own = CurrentProcessId(), other = otherRunningProcess();
    const std::string mine = ProcessStartMark(own);
    ASSERT_FALSE(mine.empty());
    EXPECT_EQ(ProcessStartMark(own), mine);  // the same process, asked again
    const std::string theirs = ProcessStartMark(other);
    ASSERT_FALSE(theirs.empty());
    EXPECT_NE(theirs, mine);
    EXPECT_FALSE(WriterEnded(WriterProcess{other, theirs}));
    // The other number as if a program had written it before the one that has it now started.
    EXPECT_TRUE(WriterEnded(WriterProcess{other, theirs + "0"}));
    EXPECT_TRUE(WriterEnded(WriterProcess{own, mine}));
    EXPECT_TRUE(ProcessStartMark(999999999).empty());
}

} // namespace
} // namespace miravel::test
