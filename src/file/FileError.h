#pragma once
// Why a file could not be read or written. The file layer never shows a
// dialog; windows and the command line decide how to show this.

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

} // namespace miravel
