#pragma once
// Why a file could not be read or written. The file layer never shows a
// dialog; windows and the command line decide how to show this.

#include <exception>
#include <optional>
#include <string>

namespace miravel {

struct FileError {
    int line = 0;        // 1-based line of the file, 0 when no line is concerned
    std::string reason;  // Japanese, one sentence

    // "12行目: …" or just the reason.
    std::string Message() const;
};

// Empty on success.
using FileResult = std::optional<FileError>;

// The operating system's error number in Japanese ("ファイル名が長すぎます"),
// never the system's own English text; an unknown one gives its number.
std::string SystemErrorText(int error);

// What an exception says, in Japanese where it comes from the system (out
// of memory, a failed system call); a program fault keeps its own detail.
std::string ExceptionText(const std::exception& error);

} // namespace miravel
