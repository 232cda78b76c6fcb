#include "file/Cp932Characters.h"

#include "file/Cp932Codec.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

namespace miravel {

namespace {

// What the system answered for each character. A code point maps to one
// byte (below 0x100) or to lead << 8 | trail; a code (a byte, or
// lead << 8 | trail) maps to its UTF-8 bytes, the length in the lowest byte.
constexpr std::uint16_t kCodeNotAsked = 0;
constexpr std::uint16_t kNoCode = 0xFFFF; // no trail byte is 0xFF
constexpr std::uint32_t kTextNotAsked = 0;
constexpr std::uint32_t kNoText = 0xFF;

struct Answers {
    std::array<std::uint16_t, 0x10000> codeOf{}; // by code point, the BMP only
    std::array<std::uint32_t, 0x10000> textOf{}; // by code
};

Answers& answers()
{
    thread_local const auto kept = std::make_unique<Answers>();
    return *kept;
}

std::uint16_t askCode(std::string_view character)
{
    std::string code, back;
    std::size_t ignored = 0;
    // A look-alike (¥ stored as "\") does not read back as the character.
    if (!ConvertUtf8ToCp932(character, code, ignored) || code.empty() || code.size() > 2 ||
        !ConvertCp932ToUtf8(code, back, ignored) || back != character)
        return kNoCode;
    const auto first = static_cast<unsigned char>(code[0]);
    return code.size() == 1 ? first : static_cast<std::uint16_t>(first << 8 | static_cast<unsigned char>(code[1]));
}

std::uint32_t askText(std::string_view code)
{
    std::string text;
    std::size_t ignored = 0;
    if (!ConvertCp932ToUtf8(code, text, ignored) || text.empty() || text.size() > 3)
        return kNoText;
    std::uint32_t packed = static_cast<std::uint32_t>(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        packed |= static_cast<std::uint32_t>(static_cast<unsigned char>(text[i])) << (8 * (i + 1));
    return packed;
}

// The offset of the first byte at or after `at` that is not ASCII, eight
// bytes at a time: most of a grade book is numbers.
std::size_t asciiEnd(std::string_view text, std::size_t at)
{
    for (std::uint64_t word; at + 8 <= text.size(); at += 8) {
        std::memcpy(&word, text.data() + at, 8);
        if (word & 0x8080808080808080ULL)
            break;
    }
    while (at < text.size() && static_cast<unsigned char>(text[at]) < 0x80)
        ++at;
    return at;
}

// Copies the ASCII run at `at` (the same bytes in both encodings) and gives
// where it ends.
std::size_t copyAscii(std::string_view input, std::size_t at, std::string& output)
{
    const std::size_t end = asciiEnd(input, at);
    output.append(input.data() + at, end - at);
    return end;
}

// The two- or three-byte UTF-8 character at `at`, or 0 for anything else
// (four bytes, a damaged sequence), which is left to the system.
std::size_t bmpCharacter(std::string_view utf8, std::size_t at, std::uint32_t& codePoint)
{
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[at + i]); };
    auto continues = [&](std::size_t i) { return at + i < utf8.size() && (byte(i) & 0xC0) == 0x80; };
    if (byte(0) >= 0xC2 && byte(0) < 0xE0 && continues(1)) {
        codePoint = (byte(0) & 0x1Fu) << 6 | (byte(1) & 0x3Fu);
        return 2;
    }
    if (byte(0) >= 0xE0 && byte(0) < 0xF0 && continues(1) && continues(2)) {
        codePoint = (byte(0) & 0x0Fu) << 12 | (byte(1) & 0x3Fu) << 6 | (byte(2) & 0x3Fu);
        const bool wellFormed = codePoint >= 0x800 && (codePoint < 0xD800 || codePoint >= 0xE000);
        return wellFormed ? 3 : 0;
    }
    return 0;
}

} // namespace

bool CharacterwiseUtf8ToCp932(std::string_view utf8, std::string& output)
{
    Answers& known = answers();
    for (std::size_t at = copyAscii(utf8, 0, output); at < utf8.size(); at = copyAscii(utf8, at, output)) {
        std::uint32_t codePoint = 0;
        const std::size_t length = bmpCharacter(utf8, at, codePoint);
        if (length == 0)
            return false;
        std::uint16_t& code = known.codeOf[codePoint];
        if (code == kCodeNotAsked)
            code = askCode(utf8.substr(at, length));
        if (code == kNoCode)
            return false;
        if (code >= 0x100)
            output += static_cast<char>(code >> 8);
        output += static_cast<char>(code & 0xFF);
        at += length;
    }
    return true;
}

bool CharacterwiseCp932ToUtf8(std::string_view bytes, std::string& output)
{
    Answers& known = answers();
    for (std::size_t at = copyAscii(bytes, 0, output); at < bytes.size(); at = copyAscii(bytes, at, output)) {
        // A byte that is no character alone is a lead byte, or nothing.
        std::size_t length = 1;
        const auto first = static_cast<unsigned char>(bytes[at]);
        std::uint32_t* text = &known.textOf[first];
        if (*text == kTextNotAsked)
            *text = askText(bytes.substr(at, 1));
        if (*text == kNoText) {
            if (at + 1 == bytes.size())
                return false;
            length = 2;
            text = &known.textOf[first << 8 | static_cast<unsigned char>(bytes[at + 1])];
            if (*text == kTextNotAsked)
                *text = askText(bytes.substr(at, 2));
            if (*text == kNoText)
                return false;
        }
        const char utf8[3] = {static_cast<char>(*text >> 8), static_cast<char>(*text >> 16),
                              static_cast<char>(*text >> 24)};
        output.append(utf8, *text & 0xFF);
        at += length;
    }
    return true;
}

} // namespace miravel
