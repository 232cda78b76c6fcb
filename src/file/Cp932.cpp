#include "file/Cp932.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace miravel {

namespace {

// One conversion through iconv. On an invalid or unconvertible sequence it
// stops and reports the input offset where it happened.
bool convert(const char* to, const char* from, std::string_view input, std::string& output, std::size_t& failedAt)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return failedAt = 0, false;
    output.clear();
    output.reserve(input.size() * 2);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char buffer[4096];
    bool ok = true;
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer, out - buffer);
        // Without //TRANSLIT or //IGNORE iconv stops at every character it
        // cannot convert, so nothing is ever replaced silently.
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            ok = false;
            break;
        }
    }
    iconv_close(cd);
    failedAt = input.size() - inLeft;
    return ok;
}

// The UTF-8 character starting at `offset`.
std::string characterAt(std::string_view utf8, std::size_t offset)
{
    std::size_t end = offset + 1;
    while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
        ++end;
    return std::string(utf8.substr(offset, end - offset));
}

} // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8, std::string* offending)
{
    std::string out;
    std::size_t failedAt = 0;
    if (convert("CP932", "UTF-8", utf8, out, failedAt)) {
        // iconv quietly stores some characters as look-alikes (¥ as "\",
        // 〜 as ～, − as －); such a text would not read back as written.
        std::string back;
        std::size_t ignored = 0;
        if (convert("UTF-8", "CP932", out, back, ignored) && back == utf8)
            return out;
        failedAt = static_cast<std::size_t>(
            std::mismatch(utf8.begin(), utf8.end(), back.begin(), back.end()).first - utf8.begin());
        while (failedAt > 0 && failedAt < utf8.size() && (static_cast<unsigned char>(utf8[failedAt]) & 0xC0) == 0x80)
            --failedAt;
    }
    if (offending)
        *offending = failedAt < utf8.size() ? characterAt(utf8, failedAt) : std::string();
    return std::nullopt;
}

std::optional<std::string> Cp932ToUtf8(std::string_view bytes, std::size_t* failedAt)
{
    std::string out;
    std::size_t failure = 0;
    if (convert("UTF-8", "CP932", bytes, out, failure))
        return out;
    if (failedAt)
        *failedAt = failure;
    return std::nullopt;
}

FileResult DecodeCp932File(std::string_view bytes, std::string& text)
{
    std::size_t failedAt = 0;
    auto decoded = Cp932ToUtf8(bytes, &failedAt);
    if (!decoded) {
        int line = 1;
        for (std::size_t i = 0; i < failedAt && i < bytes.size(); ++i)
            line += bytes[i] == '\n';
        return FileError{line, "シフトJISの文字として読めないバイトがあります。"};
    }
    text = std::move(*decoded);
    return std::nullopt;
}

} // namespace miravel
