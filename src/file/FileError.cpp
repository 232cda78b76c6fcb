#include "file/FileError.h"

namespace miravel {

std::string FileError::Message() const
{
    return line > 0 ? std::to_string(line) + "行目: " + reason : reason;
}

} // namespace miravel
