#include "file/FieldText.h"

#include "file/Cp932.h"

namespace miravel {

namespace {

struct Kin {
    std::string_view typed;  // as Linux input methods give it
    std::string_view stored; // the code page 932 form
};

constexpr Kin kKin[] = {
    {"\xE3\x80\x9C", "\xEF\xBD\x9E"}, // 〜 -> ～
    {"\xE2\x88\x92", "\xEF\xBC\x8D"}, // − -> －
    {"\xE2\x80\x96", "\xE2\x88\xA5"}, // ‖ -> ∥
    {"\xC2\xA2", "\xEF\xBF\xA0"},     // ¢ -> ￠
    {"\xC2\xA3", "\xEF\xBF\xA1"},     // £ -> ￡
    {"\xC2\xAC", "\xEF\xBF\xA2"},     // ¬ -> ￢
};

// C0 controls and DEL are single bytes in UTF-8, never part of a longer
// character, so they can be dropped byte by byte.
bool isControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

} // namespace

std::string WithCp932Forms(std::string_view utf8)
{
    std::string text;
    text.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const Kin* found = nullptr;
        for (const Kin& kin : kKin)
            if (utf8.compare(at, kin.typed.size(), kin.typed) == 0)
                found = &kin;
        if (found) {
            text += found->stored;
            at += found->typed.size();
        } else {
            text += utf8[at++];
        }
    }
    return text;
}

std::string StorableFieldText(std::string_view utf8)
{
    std::string text;
    text.reserve(utf8.size());
    for (char c : utf8) {
        if (c == ';')
            text += "\xEF\xBC\x9B"; // ；
        else if (!isControl(c))
            text += c;
    }
    // Mapped last: a control character removed between the bytes of a
    // damaged text may join them into one that is mapped.
    return WithCp932Forms(text);
}

std::optional<std::string> UnstorableCharacter(std::string_view utf8)
{
    std::string offending;
    if (Utf8ToCp932(WithCp932Forms(utf8), &offending))
        return std::nullopt;
    return offending;
}

} // namespace miravel
