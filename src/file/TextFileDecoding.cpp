#include "file/TextFileDecoding.h"

#include "file/Cp932.h"
#include "file/SafeWrite.h"

namespace miravel {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

int LineOf(std::string_view bytes, std::size_t at)
{
    int line = 1;
    for (std::size_t i = 0; i < at && i < bytes.size(); ++i)
        line += bytes[i] == '\n';
    return line;
}

// Offset of the first byte that is not well-formed UTF-8, or npos.
std::size_t FirstBadUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int trail = 0;
        unsigned char low = 0x80, high = 0xBF;  // bounds of the first trail byte
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            trail = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            trail = 2;
            low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
            high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            trail = 3;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing above U+10FFFF
        } else {
            return i;
        }
        if (i + static_cast<std::size_t>(trail) >= bytes.size())
            return i;  // cut off at the end
        for (int t = 1; t <= trail; ++t) {
            const auto byte = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(t)]);
            if (byte < (t == 1 ? low : 0x80) || byte > (t == 1 ? high : 0xBF))
                return i;
        }
        i += static_cast<std::size_t>(trail) + 1;
    }
    return std::string_view::npos;
}

} // namespace

const char* EncodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8Bom:
        return "UTF-8（BOM付き）";
    case TextEncoding::Utf8:
        return "UTF-8";
    case TextEncoding::Cp932:
        return "シフトJIS";
    }
    return "";
}

bool IsValidUtf8(std::string_view bytes) { return FirstBadUtf8(bytes) == std::string_view::npos; }

FileResult DecodeTextBytes(std::string_view bytes, DecodedText& decoded)
{
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        const std::string_view body = bytes.substr(kByteOrderMark.size());
        if (const std::size_t bad = FirstBadUtf8(body); bad != std::string_view::npos)
            return FileError{LineOf(body, bad), "UTF-8の文字として読めないバイトがあります。"};
        decoded = {std::string(body), TextEncoding::Utf8Bom};
        return std::nullopt;
    }
    if (IsValidUtf8(bytes)) {
        decoded = {std::string(bytes), TextEncoding::Utf8};
        return std::nullopt;
    }
    std::string text;
    if (auto error = DecodeCp932File(bytes, text))
        return FileError{error->line, "UTF-8としてもシフトJISとしても読めないバイトがあります。"};
    decoded = {std::move(text), TextEncoding::Cp932};
    return std::nullopt;
}

FileResult ReadTextFile(const std::string& path, DecodedText& decoded)
{
    std::string bytes;
    if (auto error = ReadWholeFile(path, bytes))
        return error;
    return DecodeTextBytes(bytes, decoded);
}

} // namespace miravel
