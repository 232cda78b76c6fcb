#include "file/LongPath.h"

#include <gtest/gtest.h>

using namespace miravel;

TEST(ExtendedLengthPath, LongPathsTakeTheExtendedFormShortOnesStayAsTheyAre)
{
    const std::wstring at = L"C:\\" + std::wstring(kLongPathFrom - 3, L'a'), part(60, L'成');
    const std::wstring deep = part + L"\\" + part + L"\\" + part + L"\\" + part + L"\\" + part; // 304 characters
    const std::pair<std::wstring, std::wstring> cases[] = {
        {at.substr(0, kLongPathFrom - 1), at.substr(0, kLongPathFrom - 1)},
        {at, L"\\\\?\\" + at},
        {L"C:/" + deep + L"/./x/..//a.txt", L"\\\\?\\C:\\" + deep + L"\\a.txt"},
        {L"//server/share/" + deep + L"/../a", L"\\\\?\\UNC\\server\\share\\" + deep.substr(0, 243) + L"\\a"},
        {L"C:\\..\\" + deep, L"\\\\?\\C:\\" + deep},
        {deep, L"\\\\?\\D:\\作業\\" + deep},
        {L"\\\\?\\C:\\" + deep, L"\\\\?\\C:\\" + deep},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(ExtendedLengthPath(path, [] { return std::wstring(L"D:\\作業"); }), expected) << path.size();
}
