#include "file/TerminalPassword.h"

#include "file/ProtectedBook.h"

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
    WipePassword(password);
    password.reserve(kMostPasswordBytes);
    int c;
    bool any = false, fits = true;
    // Byte by byte: nothing after the first line is taken from the stream.
    while ((c = std::fgetc(in)) != EOF) {
        any = true;
        if (c == '\n')
            break;
        if (password.size() == kMostPasswordBytes)
            fits = false;
        else
            password += static_cast<char>(c);
    }
    // A read that failed is no shorter password.
    if (c == EOF && std::ferror(in)) {
        wipe(password);
        return false;
    }
    if (!password.empty() && password.back() == '\r')
        password.pop_back();
    if (!fits)
        WipePassword(password);
    return any && fits;
}

bool ReadTypedLine(const std::function<int(wchar_t&)>& next, std::wstring& line)
{
    wipe(line);
    line.reserve(kMostPasswordBytes);  // never regrown: no copy left behind
    wchar_t c = 0;
    int got = 0;
    bool fits = true;
    while ((got = next(c)) > 0 && c != L'\n') {
        if (c == L'\r')
            continue;
        if (line.size() == kMostPasswordBytes)
            fits = false;
        else
            line += c;
    }
    c = 0;
    if (got < 0 || !fits) {
        wipe(line);
        return false;
    }
    return true;
}

} // namespace miravel
