#pragma once
// Passwords for the command line: typed at the terminal without echo, or the
// first line of standard input. Never an argument or an environment
// variable, which other users' process lists and shells can see.

#include <cstdio>
#include <functional>
#include <string>

namespace miravel {

// Shows `prompt` on the terminal and reads one line without echoing it.
// False when there is no terminal to ask.
bool ReadPasswordFromTerminal(const std::string& prompt, std::string& password);

// The first line of `in`, without its line end (LF or CR LF). False at the
// end of the input before any character or line end, and when reading
// fails (what was read is wiped).
bool ReadPasswordLine(std::FILE* in, std::string& password);

// One line typed at a console, without CR and LF: `next` gives 1 and a
// character, 0 at the end of the input (which ends the line), -1 when
// reading fails, which makes this false with what was read wiped.
bool ReadTypedLine(const std::function<int(wchar_t&)>& next, std::wstring& line);

} // namespace miravel
