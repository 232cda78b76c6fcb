#pragma once
// Win32 refuses a path of MAX_PATH characters or more unless it is written
// in the extended form "\\?\C:\..." ("\\?\UNC\server\share\..."), which it
// takes as it is: absolute, with "\" only, no "." or "..". A book deep in a
// OneDrive folder needs it; every path the file layer gives Win32 goes
// through here. Plain text work, so it is tested on every system.

#include <cstddef>
#include <string>

namespace miravel {

// From this length on a path takes the extended form: MAX_PATH (260) less
// the 12 characters of an 8.3 name, the limit for making a folder.
constexpr std::size_t kLongPathFrom = 248;

// `path` as Win32 takes it: a shorter one unchanged; a longer one absolute
// (a relative one completed by `currentFolder()`, called only then),
// "/" turned into "\", empty and "." parts dropped, ".." taking the part
// before it, and prefixed. One already in the extended form is unchanged.
std::wstring ExtendedLengthPath(const std::wstring& path, std::wstring (*currentFolder)());

} // namespace miravel
