#include "file/TerminalPassword.h"

#include "file/ProtectedBook.h"

namespace miravel {

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
    if (!password.empty() && password.back() == '\r')
        password.pop_back();
    if (!fits)
        WipePassword(password);
    return any && fits;
}

} // namespace miravel
