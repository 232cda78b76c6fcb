#include "file/TerminalPassword.h"

#include "file/windows/Utf16.h"

#include <windows.h>

namespace miravel {

bool ReadPasswordFromTerminal(const std::string& prompt, std::string& password)
{
    // The console itself, so a password never comes from a redirected input.
    const HANDLE input = ::CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
    const HANDLE output = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, 0, nullptr);
    if (input == INVALID_HANDLE_VALUE || output == INVALID_HANDLE_VALUE) {
        if (input != INVALID_HANDLE_VALUE)
            ::CloseHandle(input);
        if (output != INVALID_HANDLE_VALUE)
            ::CloseHandle(output);
        return false;
    }
    DWORD saved = 0;
    bool ok = ::GetConsoleMode(input, &saved) != 0;
    if (ok)
        ::SetConsoleMode(input, (saved & ~ENABLE_ECHO_INPUT) | ENABLE_LINE_INPUT);
    const std::wstring wide = Utf16Of(prompt);
    DWORD done = 0;
    ok = ok && ::WriteConsoleW(output, wide.data(), static_cast<DWORD>(wide.size()), &done, nullptr);
    std::wstring typed;
    ok = ok && ReadTypedLine(
                   [input](wchar_t& c) {
                       DWORD got = 0;
                       return ::ReadConsoleW(input, &c, 1, &got, nullptr) ? static_cast<int>(got) : -1;
                   },
                   typed);
    ::SetConsoleMode(input, saved);
    ::WriteConsoleW(output, L"\r\n", 2, &done, nullptr);
    ::CloseHandle(input);
    ::CloseHandle(output);
    password = ok ? Utf8Of(typed) : std::string();
    ::SecureZeroMemory(typed.data(), typed.size() * sizeof(wchar_t));
    return ok;
}

} // namespace miravel
