#include "file/TerminalPassword.h"

#include <fcntl.h>
#include <sodium.h>
#include <termios.h>
#include <unistd.h>

namespace miravel {

bool ReadPasswordFromTerminal(const std::string& prompt, std::string& password)
{
    // The terminal itself, so a password never comes from a redirected input.
    const int tty = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (tty < 0)
        return false;
    termios saved{};
    if (::tcgetattr(tty, &saved) != 0) {
        ::close(tty);
        return false;
    }
    termios quiet = saved;
    quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
    quiet.c_lflag |= ECHONL;
    ::tcsetattr(tty, TCSAFLUSH, &quiet);
    bool ok = ::write(tty, prompt.data(), prompt.size()) >= 0;
    password.clear();
    char c = 0;
    ssize_t got = 0;
    while (ok && (got = ::read(tty, &c, 1)) == 1 && c != '\n')
        password += c;
    ok = ok && got >= 0;
    ::tcsetattr(tty, TCSAFLUSH, &saved);
    ::close(tty);
    if (!ok) { // nothing of a line read in part
        sodium_memzero(password.data(), password.size());
        password.clear();
    }
    if (!password.empty() && password.back() == '\r')
        password.pop_back();
    return ok;
}

} // namespace miravel
