// The converter of each system (iconv on Linux, Win32 on Windows) reads
// every two-byte code as the list made once on Linux says, and stores each
// character as the same code.

#include "file/Cp932.h"
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
