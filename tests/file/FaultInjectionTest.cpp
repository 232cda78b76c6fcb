// Every system call of a save fails in turn, with a full disk and with an
// I/O error; after each the file and its backup are in one of the allowed
// states and the next save leaves no stray file behind.

#include "core/TextGrid.h"
#include "file/CsvExport.h"
#include "file/GradeBookFile.h"
#include "file/SafeWrite.h"
#include "file/SystemCalls.h"
#include "FileTestSupport.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>

using namespace miravel;
using namespace miravel::test;

namespace {

// Which call fails and how; calls are counted from 1.
struct FaultPlan {
    int failAt = 0;
    int error = 0;
    int calls = 0;
};
FaultPlan plan;
// False for a file system without hard links (the backup is then a copy).
bool hardLinks = true;

bool failNow(int error = 0)
{
    if (++plan.calls != plan.failAt)
        return false;
    errno = error ? error : plan.error;
    return true;
}

const SystemCalls kFaulty = {
    [](const char* path, OpenFor purpose) { return failNow() ? -1 : RealSystemCalls().open(path, purpose); },
    [](char* pattern) { return failNow() ? -1 : RealSystemCalls().mkstemp(pattern); },
    [](int fd, void* buffer, size_t size) -> ssize_t {
        return failNow() ? -1 : RealSystemCalls().read(fd, buffer, size);
    },
    [](int fd, const void* data, size_t size) -> ssize_t {
        if (!failNow())
            return RealSystemCalls().write(fd, data, size);
        // A full disk usually takes part of the data first.
        if (plan.error == ENOSPC && size > 1) {
            RealSystemCalls().write(fd, data, size / 2);
            errno = ENOSPC;
        }
        return -1;
    },
    [](int fd, FileStatus* info) { return failNow() ? -1 : RealSystemCalls().fstat(fd, info); },
    [](int fd, unsigned mode) { return failNow() ? -1 : RealSystemCalls().fchmod(fd, mode); },
    [](int fd, unsigned owner, unsigned group) { return failNow() ? -1 : RealSystemCalls().fchown(fd, owner, group); },
    // Durability is not what is tested here; skipping the flush keeps the test quick.
    [](int) { return failNow() ? -1 : 0; },
    // close releases the descriptor even when it reports an error.
    [](int fd) { return failNow() ? (RealSystemCalls().close(fd), -1) : RealSystemCalls().close(fd); },
    [](const char* from, const char* to) {
        if (failNow())
            return -1;
        return hardLinks ? RealSystemCalls().link(from, to) : (errno = EPERM, -1);
    },
    [](const char* from, const char* to) { return failNow() ? -1 : RealSystemCalls().rename(from, to); },
    [](const char* path) { return failNow() ? -1 : RealSystemCalls().unlink(path); },
    [](const char* from, const char* to) { return failNow() ? -1 : RealSystemCalls().replace(from, to); },
};

std::vector<std::string> namesIn(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().u8string());
    std::sort(names.begin(), names.end());
    return names;
}

struct Outcome {
    FileResult error;
    SaveReport report;
};

// Runs `save` once for every call it makes, failing that call, from a
// folder holding `file` (content `before`, or none) and `backup` (content
// `older`, or none). Checks the end states after each; gives the number of
// fault points tried.
int tryEveryFault(const std::string& fileName, const std::string& backupName, const std::string* before,
                  const std::string* older, const std::string& after,
                  const std::function<Outcome(const std::string&)>& save)
{
    auto prepare = [&](const TempDir& dir) {
        if (before)
            writeBytes(dir.file(fileName), *before);
        if (older)
            writeBytes(dir.file(backupName), *older);
    };
    int calls = 0;
    {
        TempDir dir;
        prepare(dir);
        ScopedSystemCalls counting(kFaulty);
        plan = FaultPlan{};
        EXPECT_FALSE(save(dir.file(fileName)).error);
        calls = plan.calls;
    }
    EXPECT_GT(calls, 3);
    int tried = 0;
    for (int error : {ENOSPC, EIO}) {
        for (int at = 1; at <= calls; ++at) {
            const std::string where = fileName + ": call " + std::to_string(at) + " fails with " +
                                      (error == EIO ? "EIO" : "ENOSPC");
            TempDir dir;
            prepare(dir);
            Outcome outcome;
            {
                ScopedSystemCalls faulty(kFaulty);
                plan = FaultPlan{at, error, 0};
                outcome = save(dir.file(fileName));
            }
            ++tried;
            const std::string file = readBytes(dir.file(fileName));
            const bool backupThere = std::filesystem::exists(std::filesystem::u8path(dir.file(backupName)));
            const std::string backup = readBytes(dir.file(backupName));
            if (outcome.error) {
                EXPECT_FALSE(outcome.error->reason.empty()) << where;
                EXPECT_EQ(file, before ? *before : "") << where;
                const bool fileThere = std::filesystem::exists(std::filesystem::u8path(dir.file(fileName)));
                EXPECT_EQ(fileThere, before != nullptr) << where;
            } else {
                EXPECT_EQ(file, after) << where;
                if (before && !outcome.report.BackupMissing()) {
                    EXPECT_EQ(backup, *before) << where;
                }
            }
            // The backup is as it was or holds the previous content, never partial.
            const bool asItWas = older ? backupThere && backup == *older : !backupThere;
            const bool previous = before && backupThere && backup == *before;
            EXPECT_TRUE(asItWas || previous) << where;
            EXPECT_EQ(outcome.report.BackupMissing(), before && !previous && !outcome.error) << where;

            // The next save cleans up whatever this one left.
            {
                ScopedSystemCalls unflushed(kFaulty);
                plan = FaultPlan{};
                EXPECT_FALSE(save(dir.file(fileName)).error) << where;
            }
            const auto names = namesIn(dir.file(""));
            for (const auto& name : names)
                EXPECT_TRUE(name == fileName || name == backupName) << where << ": stray " << name;
        }
    }
    return tried;
}

} // namespace

TEST(FaultInjection, GradeBookSaveSurvivesEveryFailingCall)
{
    std::string older, before, after;
    ASSERT_FALSE(EncodeGradeBook(*FreshBook(), older));
    auto book = populatedBook();
    ASSERT_FALSE(EncodeGradeBook(*book, before));
    book->TeacherName = "鈴木 一郎";
    ASSERT_FALSE(EncodeGradeBook(*book, after));
    auto save = [&](const std::string& path) {
        Outcome outcome;
        outcome.error = WriteGradeBook(path, *book, outcome.report);
        return outcome;
    };
    int tried = 0;
    for (bool links : {true, false}) {
        hardLinks = links;
        tried += tryEveryFault("3年1組.txt", "3年1組.bak", &before, &older, after, save); // the usual save
        tried += tryEveryFault("3年1組.txt", "3年1組.bak", &before, nullptr, after, save); // the second save
        tried += tryEveryFault("3年1組.txt", "3年1組.bak", nullptr, nullptr, after, save); // the first save
    }
    hardLinks = true;
    std::cout << "fault points tried on grade-book saves: " << tried << "\n";
}

TEST(FaultInjection, CsvExportSurvivesEveryFailingCall)
{
    TextGrid grid;
    grid.SetRows(4);
    grid.SetCols(3);
    grid.SetTextMatrix(1, 1, "山田");
    std::string before = "古い表\r\n", older = "もっと古い表\r\n";
    auto save = [&](const std::string& path) {
        Outcome outcome;
        outcome.error = WriteGridCsv(path, grid, outcome.report);
        return outcome;
    };
    std::string after;
    {
        TempDir dir;
        ASSERT_FALSE(WriteGridCsv(dir.file("x.csv"), grid));
        after = readBytes(dir.file("x.csv"));
    }
    int tried = 0;
    for (bool links : {true, false}) {
        hardLinks = links;
        tried += tryEveryFault("名簿.csv", "名簿.csv.bak", &before, &older, after, save);
    }
    hardLinks = true;
    std::cout << "fault points tried on CSV exports: " << tried << "\n";
}

TEST(FaultInjection, AFailingReadNeverReplacesTheDocument)
{
    TempDir dir;
    const std::string path = dir.file("class.txt");
    ASSERT_FALSE(WriteGradeBook(path, *populatedBook()));
    auto document = FreshBook();
    const auto untouched = FreshBook();
    int calls = 0;
    {
        ScopedSystemCalls counting(kFaulty);
        plan = FaultPlan{};
        ASSERT_FALSE(ReadGradeBook(path, *FreshBook()));
        calls = plan.calls;
    }
    for (int at = 1; at <= calls; ++at) {
        ScopedSystemCalls faulty(kFaulty);
        plan = FaultPlan{at, EIO, 0};
        const auto error = ReadGradeBook(path, *document);
        ASSERT_TRUE(error) << "call " << at;
        EXPECT_NE(error->reason.find("入出力エラー"), std::string::npos) << error->reason;
        EXPECT_EQ(document->TeacherName, untouched->TeacherName);
        EXPECT_EQ(document->StudentCount, untouched->StudentCount);
    }
}
