#include "file/FieldText.h"

#include "file/Cp932.h"

#include <cstdio>

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

// Well-known characters of names that code page 932 lacks, with the form
// that schools' lists use instead; each left side is refused and each
// right side stored (a test checks both).
constexpr Kin kSubstitutes[] = {
    {"𠮷", "吉"}, {"𡈽", "土"}, {"𥔎", "崎"}, {"𣘺", "橋"}, {"𠮟", "叱"},
    {"剝", "剥"}, {"頰", "頬"}, {"塡", "填"}, {"鷗", "鴎"},
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

std::string CodePointText(std::string_view utf8)
{
    if (utf8.empty())
        return std::string();
    const auto lead = static_cast<unsigned char>(utf8[0]);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length && i < static_cast<int>(utf8.size()); ++i)
        point = point << 6 | (static_cast<unsigned char>(utf8[static_cast<std::size_t>(i)]) & 0x3F);
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(point));
    return text;
}

std::optional<std::string> CommonSubstitute(std::string_view character)
{
    for (const Kin& pair : kSubstitutes)
        if (pair.typed == character)
            return std::string(pair.stored);
    return std::nullopt;
}

std::string UnstorableCharacterText(const std::string& character)
{
    std::string text = "「" + character + "」（" + CodePointText(character) + "）はファイルに保存できない文字です";
    if (const auto substitute = CommonSubstitute(character))
        text += "（「" + *substitute + "」なら保存できます）";
    return text;
}

} // namespace miravel
