#include "file/TerminalPassword.h"

#include <gtest/gtest.h>

using namespace miravel;

// Each read: 1 and a character, 0 at the end of the input, -1 failed.
TEST(ReadTypedLine, TakesOneLineAndNothingOfAFailedRead)
{
    const std::tuple<std::vector<std::pair<int, wchar_t>>, bool, std::wstring> cases[] = {
        {{{1, L'秘'}, {1, L'密'}, {1, L'\r'}, {1, L'\n'}, {-1, 0}}, true, L"秘密"},
        {{{1, L'a'}, {0, 0}}, true, L"a"},
        {{{1, L'a'}, {1, L'b'}, {-1, 0}, {1, L'\n'}}, false, L""},
    };
    for (const auto& [console, ok, expected] : cases) {
        std::size_t at = 0;
        std::wstring line = L"前の内容";
        const auto& reads = console;
        EXPECT_EQ(ReadTypedLine([&](wchar_t& c) { return c = reads[at].second, reads[at++].first; }, line), ok);
        EXPECT_EQ(line, expected);
    }
}
