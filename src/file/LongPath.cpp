#include "file/LongPath.h"

#include <vector>

namespace miravel {

namespace {

bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool isDriveLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

// "C:" then a separator.
bool driveAbsolute(const std::wstring& path)
{
    return path.size() >= 3 && isDriveLetter(path[0]) && path[1] == L':' && isSeparator(path[2]);
}

bool uncPath(const std::wstring& path) { return path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1]); }

// The path made absolute against the current folder.
std::wstring absolute(const std::wstring& path, std::wstring (*currentFolder)())
{
    if (driveAbsolute(path) || uncPath(path))
        return path;
    const std::wstring folder = currentFolder();
    if (!path.empty() && isSeparator(path[0])) // the root of the current drive
        return folder.substr(0, uncPath(folder) ? folder.size() : 2) + path;
    if (path.size() >= 2 && isDriveLetter(path[0]) && path[1] == L':') // "C:name": rare, taken from the root
        return path.substr(0, 2) + L"\\" + path.substr(2);
    return folder + L"\\" + path;
}

} // namespace

std::wstring ExtendedLengthPath(const std::wstring& path, std::wstring (*currentFolder)())
{
    if (path.size() < kLongPathFrom || path.rfind(L"\\\\?\\", 0) == 0 || path.rfind(L"\\\\.\\", 0) == 0)
        return path;
    const std::wstring whole = absolute(path, currentFolder);
    std::wstring root;
    std::size_t at = 0;
    if (uncPath(whole)) {
        // \\server\share: both names stay, whatever follows is resolved.
        root = L"\\\\?\\UNC";
        at = 2;
        for (int name = 0; name < 2; ++name) {
            const std::size_t end = whole.find_first_of(L"\\/", at);
            root += L"\\" + whole.substr(at, end == std::wstring::npos ? std::wstring::npos : end - at);
            at = end == std::wstring::npos ? whole.size() : end + 1;
        }
    } else {
        root = L"\\\\?\\" + whole.substr(0, 2);
        at = 3;
    }
    std::vector<std::wstring> parts;
    while (at <= whole.size()) {
        std::size_t end = whole.find_first_of(L"\\/", at);
        if (end == std::wstring::npos)
            end = whole.size();
        const std::wstring part = whole.substr(at, end - at);
        if (part == L"..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != L".") {
            parts.push_back(part);
        }
        at = end + 1;
    }
    std::wstring result = root;
    for (const auto& part : parts)
        result += L"\\" + part;
    if (parts.empty())
        result += L"\\";
    return result;
}

} // namespace miravel
