#include "grades/CellRules.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

TEST(WriteIntegerCell, WritesCodesAndNumbers)
{
    TextGrid grid(2, 2);
    const struct {
        Integer value;
        const char* text;
    } cases[] = {
        {85, " 85"}, {0, " 0"}, {-1, ""}, {-2, "*"}, {-3, "-3"},
        {9999, " 9999"}, {10072, "* 72"}, {10000, "* 0"},
    };
    for (const auto& c : cases) {
        grid.SetTextMatrix(1, 1, "old");
        WriteIntegerCell(grid, 1, 1, c.value);
        EXPECT_EQ(grid.TextMatrix(1, 1), c.text) << c.value;
    }
    // The same number again leaves the cell untouched.
    WriteIntegerCell(grid, 1, 1, 85);
    const auto revision = grid.Revision();
    WriteIntegerCell(grid, 1, 1, 85);
    EXPECT_EQ(grid.Revision(), revision);
}

TEST(WriteAverageCell, WritesOneDecimalAndCodes)
{
    TextGrid grid(2, 2);
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {72.5f, "72.5"}, {100.0f, "100.0"}, {0.5f, "0.5"}, {0.0f, "0.0"},
        {-1.0f, ""}, {-2.0f, "*"},
        {10072.5f, "*72.5"}, {10068.0f, "*68.0"}, {10072.3f, "*72.3"},
        // Never grouped: the CSV export copies this text.
        {1234.5f, "1234.5"}, {9999.9f, "9999.9"},
        {28.333334f, "28.3"}, {65.25f, "65.2"},
    };
    for (const auto& c : cases) {
        grid.SetTextMatrix(1, 1, "old");
        WriteAverageCell(grid, 1, 1, c.value);
        EXPECT_EQ(grid.TextMatrix(1, 1), c.text) << c.value;
    }
}

} // namespace
} // namespace miravel
