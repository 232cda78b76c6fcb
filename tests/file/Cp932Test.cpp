// The converter of each system (iconv on Linux, Win32 on Windows) reads
// every two-byte code as the list made once on Linux says, and stores each
// character as the same code.

#include "file/Cp932.h"
#include "file/Cp932Characters.h"
#include "file/Cp932Codec.h"
#include "FileTestSupport.h"

#include <gtest/gtest.h>
#include <map>

using namespace miravel;
using namespace miravel::test;

TEST(Cp932, EveryTwoByteCodeReadsAndIsStoredAsTheListSays)
{
    std::map<std::string, std::pair<std::string, std::string>> listed; // code -> character, stored code
    std::istringstream lines(dataFile("cp932_two_byte.txt"));
    for (std::string line; std::getline(lines, line);) {
        const auto tab = line.find('\t'), second = line.find('\t', tab + 1);
        const std::string code = line.substr(0, tab);
        const std::string stored = second == std::string::npos ? code : line.substr(second + 1);
        listed[code] = {line.substr(tab + 1, second - tab - 1), stored};
    }
    ASSERT_EQ(listed.size(), 9604u);
    auto hex = [](const std::string& bytes) {
        std::string text;
        for (unsigned char c : bytes)
            text += "0123456789ABCDEF"[c >> 4], text += "0123456789ABCDEF"[c & 15];
        return text;
    };
    std::vector<std::string> differences;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead >= 0xA0 && lead < 0xE0) // single-byte katakana, no lead bytes
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
            const auto found = listed.find(hex(code));
            const std::string expected = found == listed.end() ? "(refused)" : found->second.first;
            const auto text = Cp932ToUtf8(code);
            const auto stored = text ? Utf8ToCp932(*text) : std::nullopt;
            if (text.value_or("(refused)") != expected || (text && hex(stored.value_or("")) != found->second.second))
                differences.push_back(hex(code) + " reads " + text.value_or("(refused)") + ", stored as " +
                                      hex(stored.value_or("")));
        }
    }
    EXPECT_TRUE(differences.empty()) << differences.size() << " codes differ, first " << differences.front();
}

// A whole file, converted from the answers kept per character, comes out as
// the system's converter gives it: every listed code among ASCII runs.
TEST(Cp932, CharacterwiseConversionOfAWholeTextMatchesTheSystemsConverter)
{
    std::string bytes = dataFile("fresh_book.txt") + "\xB1\xDD\xDF;"; // half-width katakana too
    std::istringstream lines(dataFile("cp932_two_byte.txt"));
    for (std::string line; std::getline(lines, line);) {
        const int code = std::stoi(line.substr(0, 4), nullptr, 16);
        bytes += std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)} + (code % 3 ? "" : ";\r\n");
    }
    for (int pass = 0; pass < 2; ++pass) { // asking the system, then from what is kept
        std::string quick, system, quickBack, systemBack;
        std::size_t failedAt = 0;
        ASSERT_TRUE(CharacterwiseCp932ToUtf8(bytes, quick) && ConvertCp932ToUtf8(bytes, system, failedAt));
        EXPECT_EQ(quick, system);
        ASSERT_TRUE(CharacterwiseUtf8ToCp932(quick, quickBack) && ConvertUtf8ToCp932(quick, systemBack, failedAt));
        EXPECT_EQ(quickBack, systemBack);
    }
}
