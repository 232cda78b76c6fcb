#include "file/TerminalPassword.h"

namespace miravel {

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
    if (!password.empty() && password.back() == '\r')
        password.pop_back();
    return any;
}

} // namespace miravel
