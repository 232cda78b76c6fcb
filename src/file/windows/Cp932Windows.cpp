#include "file/Cp932Codec.h"
#include "file/windows/Utf16.h"

#include <windows.h>

namespace miravel {

namespace {

constexpr UINT kCp932 = 932;

bool toUtf16(UINT codePage, std::string_view bytes, std::wstring& wide)
{
    const int size = static_cast<int>(bytes.size());
    const int length = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return false;
    wide.resize(static_cast<std::size_t>(length));
    return ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), length) == length;
}

// Without best-fit look-alikes and without the default character: a
// character that has no code page 932 form of its own fails.
bool toCp932(std::wstring_view wide, std::string& bytes)
{
    const int size = static_cast<int>(wide.size());
    BOOL defaulted = FALSE;
    const int length =
        ::WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, &defaulted);
    if (length <= 0 || defaulted)
        return false;
    const std::size_t start = bytes.size();
    bytes.resize(start + static_cast<std::size_t>(length));
    return ::WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data() + start, length,
                                 nullptr, &defaulted) == length &&
           !defaulted;
}

std::size_t utf8Length(unsigned char lead)
{
    return lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

// The Win32 converters tell only that a text failed; the first character
// that fails alone is the place to report.
template <class Length, class Converts>
std::size_t firstFailure(std::string_view input, Length length, Converts converts)
{
    std::size_t at = 0;
    while (at < input.size()) {
        const std::size_t size = length(static_cast<unsigned char>(input[at]));
        if (at + size > input.size() || !converts(input.substr(at, size)))
            return at;
        at += size;
    }
    return at;
}

} // namespace

bool ConvertUtf8ToCp932(std::string_view utf8, std::string& output, std::size_t& failedAt)
{
    auto converts = [&output](std::string_view text) {
        std::wstring wide;
        const std::size_t size = output.size();
        const bool converted = toUtf16(CP_UTF8, text, wide) && toCp932(wide, output);
        if (!converted)
            output.resize(size);
        return converted;
    };
    if (utf8.empty() || converts(utf8))
        return true;
    std::string ignored;
    failedAt = firstFailure(utf8, utf8Length, [&](std::string_view character) {
        std::wstring wide;
        return toUtf16(CP_UTF8, character, wide) && toCp932(wide, ignored);
    });
    return false;
}

bool ConvertCp932ToUtf8(std::string_view bytes, std::string& output, std::size_t& failedAt)
{
    std::wstring wide;
    if (bytes.empty())
        return true;
    if (toUtf16(kCp932, bytes, wide)) {
        output += Utf8Of(wide);
        return true;
    }
    auto length = [](unsigned char lead) -> std::size_t { return ::IsDBCSLeadByteEx(kCp932, lead) ? 2 : 1; };
    failedAt = firstFailure(bytes, length, [](std::string_view character) {
        std::wstring ignored;
        return toUtf16(kCp932, character, ignored);
    });
    return false;
}

} // namespace miravel
