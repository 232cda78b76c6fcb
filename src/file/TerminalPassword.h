#pragma once
// Passwords for the command line: typed at the terminal without echo, or the
// first line of standard input. Never an argument or an environment
// variable, which other users' process lists and shells can see.

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>

namespace miravel {

// Longer input is refused: the readers make room for this much at once, so
// no shorter copy of a password is left behind by a growing string.
constexpr std::size_t kMostPasswordBytes = 1024;

// Shows `prompt` on the terminal and reads one line without echoing it.
// False when there is no terminal to ask.
bool ReadPasswordFromTerminal(const std::string& prompt, std::string& password);

#ifndef _WIN32
// The same on an open terminal. Echo comes back whatever ends the reading:
// the line, an error, Ctrl+C, a kill or Ctrl+Z (and goes off again after fg).
// False, with nothing kept, when the terminal cannot be made quiet or restored.
bool ReadPasswordFromTty(int tty, const std::string& prompt, std::string& password);
#endif

// The first line of `in`, without its line end (LF or CR LF). False at the
// end of the input before any character or line end, for a line longer
// than kMostPasswordBytes, and when reading fails (what was read is wiped).
bool ReadPasswordLine(std::FILE* in, std::string& password);

// One line typed at a console, without CR and LF: `next` gives 1 and a
// character, 0 at the end of the input (which ends the line), -1 when
// reading fails or past kMostPasswordBytes, which makes this false with
// what was read wiped.
bool ReadTypedLine(const std::function<int(wchar_t&)>& next, std::wstring& line);

} // namespace miravel
