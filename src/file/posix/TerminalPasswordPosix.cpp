#include "file/TerminalPassword.h"

#include "file/ProtectedBook.h"

#include <fcntl.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

namespace miravel {

namespace {

// The terminal as it was, for the signal handlers: Ctrl+C, a kill or Ctrl+Z
// while echo is off must not leave the teacher's terminal silent.
volatile sig_atomic_t quietTty = -1;
termios savedMode{};
termios quietMode{};
const int kSignals[] = {SIGINT, SIGTERM, SIGTSTP, SIGCONT};
struct sigaction previousActions[4];

extern "C" void onSignal(int signal)
{
    const int tty = quietTty;
    if (tty < 0)
        return;
    if (signal == SIGCONT) {
        // Back from Ctrl+Z, still asking: quiet again.
        ::tcsetattr(tty, TCSAFLUSH, &quietMode);
        struct sigaction again {};
        again.sa_handler = onSignal;
        ::sigaction(SIGTSTP, &again, nullptr);
        return;
    }
    ::tcsetattr(tty, TCSAFLUSH, &savedMode);
    // Then what the signal would have done: stop or end the program.
    struct sigaction usual {};
    usual.sa_handler = SIG_DFL;
    ::sigaction(signal, &usual, nullptr);
    ::raise(signal);
}

void watchSignals(bool on)
{
    for (int i = 0; i < 4; ++i) {
        if (on) {
            struct sigaction action {};
            action.sa_handler = onSignal;
            ::sigemptyset(&action.sa_mask);
            ::sigaction(kSignals[i], &action, &previousActions[i]);
        } else {
            ::sigaction(kSignals[i], &previousActions[i], nullptr);
        }
    }
}

} // namespace

bool ReadPasswordFromTty(int tty, const std::string& prompt, std::string& password)
{
    WipePassword(password);
    if (::tcgetattr(tty, &savedMode) != 0)
        return false;
    quietMode = savedMode;
    quietMode.c_lflag &= static_cast<tcflag_t>(~ECHO);
    quietMode.c_lflag |= ECHONL;
    quietTty = tty;
    watchSignals(true);
    // Never asked with echo on.
    bool ok = ::tcsetattr(tty, TCSAFLUSH, &quietMode) == 0 && ::write(tty, prompt.data(), prompt.size()) >= 0;
    // Room for the longest password at once: a growing string would leave
    // copies of the first characters behind.
    password.reserve(kMostPasswordBytes);
    char c = 0;
    ssize_t got = 0;
    while (ok && (got = ::read(tty, &c, 1)) == 1 && c != '\n') {
        if (password.size() == kMostPasswordBytes)
            ok = false;
        else
            password += c;
    }
    c = 0;
    ok = ok && got >= 0;
    const bool restored = ::tcsetattr(tty, TCSAFLUSH, &savedMode) == 0;
    quietTty = -1;
    watchSignals(false);
    if (!password.empty() && password.back() == '\r')
        password.pop_back();
    if (!ok || !restored)
        WipePassword(password);
    return ok && restored;
}

bool ReadPasswordFromTerminal(const std::string& prompt, std::string& password)
{
    // The terminal itself, so a password never comes from a redirected input.
    const int tty = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (tty < 0)
        return false;
    const bool ok = ReadPasswordFromTty(tty, prompt, password);
    ::close(tty);
    return ok;
}

} // namespace miravel
