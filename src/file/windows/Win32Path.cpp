#include "file/windows/Win32Path.h"

#include "file/LongPath.h"
#include "file/windows/Utf16.h"

#include <windows.h>

namespace miravel {

namespace {

// Asked for its length first: the current folder may itself be long.
std::wstring currentFolder()
{
    std::wstring folder(::GetCurrentDirectoryW(0, nullptr), L'\0');
    const DWORD length = ::GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
    folder.resize(length < folder.size() ? length : 0);
    return folder;
}

} // namespace

std::wstring Win32Path(std::string_view utf8) { return ExtendedLengthPath(Utf16Of(utf8), currentFolder); }

} // namespace miravel
