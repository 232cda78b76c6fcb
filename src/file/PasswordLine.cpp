#include "file/TerminalPassword.h"

#include <sodium.h>

namespace miravel {

namespace {

// Nothing of a password read in part stays in memory.
template <typename Text> void wipe(Text& text)
{
    if (!text.empty())
        sodium_memzero(text.data(), text.size() * sizeof text[0]);
    text.clear();
}

} // namespace

bool ReadPasswordLine(std::FILE* in, std::string& password)
{
    password.clear();
    int c;
    bool any = false;
    // Byte by byte: nothing after the first line is taken from the stream.
    while ((c = std::fgetc(in)) != EOF) {
        any = true;
        if (c == '\n')
            break;
        password += static_cast<char>(c);
    }
    // A read that failed is no shorter password.
    if (c == EOF && std::ferror(in)) {
        wipe(password);
        return false;
    }
    if (!password.empty() && password.back() == '\r')
        password.pop_back();
    return any;
}

bool ReadTypedLine(const std::function<int(wchar_t&)>& next, std::wstring& line)
{
    wipe(line);
    wchar_t c = 0;
    int got = 0;
    while ((got = next(c)) > 0 && c != L'\n')
        if (c != L'\r')
            line += c;
    c = 0;
    if (got < 0) {
        wipe(line);
        return false;
    }
    return true;
}

} // namespace miravel
