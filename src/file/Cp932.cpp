#include "file/Cp932.h"

#include "file/Cp932Characters.h"
#include "file/Cp932Codec.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace miravel {

namespace {

// Eight bytes at a time: most lines of a grade book are numbers.
bool isAscii(std::string_view bytes)
{
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + i, 8);
        if (word & 0x8080808080808080ULL)
            return false;
    }
    for (; i < bytes.size(); ++i)
        if (static_cast<unsigned char>(bytes[i]) >= 0x80)
            return false;
    return true;
}

// Converts line by line: a line of plain ASCII is the same bytes in both
// encodings and is copied; each run of other lines goes through the
// system's converter at once. (A line feed byte never occurs inside a code
// page 932 or UTF-8 character, so cutting at line ends cuts no character.) `convertRun`
// appends a run's conversion or gives the offset where it failed.
template <class ConvertRun>
bool convertByLines(std::string_view input, std::string& output, std::size_t& failedAt, ConvertRun convertRun)
{
    output.clear();
    output.reserve(input.size() + input.size() / 4);
    std::size_t runStart = std::string_view::npos;
    auto flush = [&](std::size_t end) {
        if (runStart == std::string_view::npos)
            return true;
        std::size_t at = 0;
        const bool converted = convertRun(input.substr(runStart, end - runStart), output, at);
        if (!converted)
            failedAt = runStart + at;
        runStart = std::string_view::npos;
        return converted;
    };
    for (std::size_t start = 0; start < input.size();) {
        std::size_t end = input.find('\n', start);
        end = end == std::string_view::npos ? input.size() : end + 1;
        const std::string_view line = input.substr(start, end - start);
        if (isAscii(line)) {
            if (!flush(start))
                return false;
            output.append(line);
        } else if (runStart == std::string_view::npos) {
            runStart = start;
        }
        start = end;
    }
    return flush(input.size());
}

// The UTF-8 character starting at `offset`.
std::string characterAt(std::string_view utf8, std::size_t offset)
{
    std::size_t end = offset + 1;
    while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
        ++end;
    return std::string(utf8.substr(offset, end - offset));
}

// Converts a run to code page 932 and checks that it reads back as
// written: a converter may quietly stores some characters as look-alikes (¥ as "\",
// 〜 as ～, − as －); such a text would not read back as written.
bool encodeRun(std::string_view utf8, std::string& output, std::size_t& failedAt)
{
    const std::size_t start = output.size();
    if (!ConvertUtf8ToCp932(utf8, output, failedAt))
        return false;
    std::string back;
    std::size_t ignored = 0;
    if (ConvertCp932ToUtf8(std::string_view(output).substr(start), back, ignored) && back == utf8)
        return true;
    failedAt = static_cast<std::size_t>(
        std::mismatch(utf8.begin(), utf8.end(), back.begin(), back.end()).first - utf8.begin());
    while (failedAt > 0 && failedAt < utf8.size() && (static_cast<unsigned char>(utf8[failedAt]) & 0xC0) == 0x80)
        --failedAt;
    return false;
}

} // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8, std::string* offending)
{
    std::string out;
    out.reserve(utf8.size());
    if (CharacterwiseUtf8ToCp932(utf8, out))
        return out;
    // Refused: the system's converter names the character.
    std::size_t failedAt = 0;
    if (convertByLines(utf8, out, failedAt, encodeRun))
        return out;
    if (offending)
        *offending = failedAt < utf8.size() ? characterAt(utf8, failedAt) : std::string();
    return std::nullopt;
}

std::optional<std::string> Cp932ToUtf8(std::string_view bytes, std::size_t* failedAt)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    if (CharacterwiseCp932ToUtf8(bytes, out))
        return out;
    // Refused: the system's converter finds the place.
    std::size_t failure = 0;
    if (convertByLines(bytes, out, failure, ConvertCp932ToUtf8))
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
