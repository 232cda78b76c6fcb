#include "file/DiskStamp.h"
#include "file/FileTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

// A book another program rewrote in place to the same size is still changed.
TEST(DiskStamp, SameSizeRewrittenInPlaceIsAnotherStamp)
{
    miravel::test::TempDir dir;
    const std::string book = dir.file("3年1組.txt");
    miravel::test::writeBytes(book, "2025\r\n");
    const miravel::DiskStamp before = miravel::StampOf(book);
    miravel::test::writeBytes(book, "2026\r\n");
    const auto path = std::filesystem::u8path(book);
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(5));
    EXPECT_NE(miravel::StampOf(book), before);
}
