// A save killed at any moment: a child process saves in a loop and is
// killed after a seeded random delay. The file always holds one whole
// book, the backup one whole book or nothing, and the next save removes
// whatever the killed one left behind.
// MIRAVEL_KILL_ITERATIONS sets the number of kills (scripts/kill_soak.sh).

#include "file/GradeBookFile.h"
#include "file/SafeWrite.h"
#include "FileTestSupport.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace miravel;
using namespace miravel::test;

TEST(KillPoint, AKilledSaveLeavesWholeFilesOnly)
{
    const char* setting = std::getenv("MIRAVEL_KILL_ITERATIONS");
    const int iterations = setting ? std::atoi(setting) : 200;
    TempDir dir;
    const std::string path = dir.file("3年1組.txt");
    const std::string backup = dir.file("3年1組.bak");
    std::string books[2];
    auto book = populatedBook();
    ASSERT_FALSE(EncodeGradeBook(*book, books[0]));
    book->TeacherName = "鈴木 一郎";
    ASSERT_FALSE(EncodeGradeBook(*book, books[1]));
    ASSERT_FALSE(WriteFileWithBackup(path, books[0]));

    std::mt19937 random(20261207);
    int leftovers = 0;
    for (int i = 0; i < iterations; ++i) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (unsigned k = 0;; ++k)
                WriteFileWithBackup(path, books[k % 2]);
        }
        ::usleep(static_cast<useconds_t>(random() % 15000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);

        const std::string file = readBytes(path);
        EXPECT_TRUE(file == books[0] || file == books[1]) << "kill " << i << ": the file is not whole";
        if (std::filesystem::exists(backup)) {
            const std::string kept = readBytes(backup);
            EXPECT_TRUE(kept == books[0] || kept == books[1]) << "kill " << i << ": the backup is not whole";
        }
        const auto names = std::distance(std::filesystem::directory_iterator(dir.file("")), {});
        leftovers += names > 2;

        ASSERT_FALSE(WriteFileWithBackup(path, books[i % 2]));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.file("")), {}), 2)
            << "kill " << i << ": a stray file survived the next save";
        if (HasFailure())
            break;
    }
    std::cout << "kills: " << iterations << ", killed in the middle of a save (temporaries left): " << leftovers
              << "\n";
}
