#include "file/FieldText.h"

#include "file/Cp932.h"

namespace miravel {

std::string StorableFieldText(std::string_view utf8)
{
    std::string text;
    text.reserve(utf8.size());
    for (char c : utf8) {
        if (c == ';')
            text += "\xEF\xBC\x9B"; // ；
        else if (c != '\r' && c != '\n')
            text += c;
    }
    return text;
}

std::optional<std::string> UnstorableCharacter(std::string_view utf8)
{
    std::string offending;
    if (Utf8ToCp932(utf8, &offending))
        return std::nullopt;
    return offending;
}

} // namespace miravel
