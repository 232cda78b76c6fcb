#include "file/Cp932Codec.h"

#include <cerrno>
#include <iconv.h>

namespace miravel {

namespace {

// One iconv descriptor per direction, opened once: opening one costs more
// than converting a whole line.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (ok())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Appends the conversion of `input` to `output`. On an invalid or
    // unconvertible sequence it stops and reports the input offset.
    bool convert(std::string_view input, std::string& output, std::size_t& failedAt)
    {
        if (!ok())
            return failedAt = 0, false;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr); // a fresh start
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char buffer[4096];
        bool converted = true;
        while (inLeft > 0) {
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(cd_, &in, &inLeft, &out, &outLeft);
            output.append(buffer, static_cast<std::size_t>(out - buffer));
            // Without //TRANSLIT or //IGNORE iconv stops at every character it
            // cannot convert, so nothing is ever replaced silently.
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
                converted = false;
                break;
            }
        }
        failedAt = input.size() - inLeft;
        return converted;
    }

private:
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t cd_;
};

Converter& toCp932()
{
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

Converter& fromCp932()
{
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

} // namespace

bool ConvertUtf8ToCp932(std::string_view utf8, std::string& output, std::size_t& failedAt)
{
    return toCp932().convert(utf8, output, failedAt);
}

bool ConvertCp932ToUtf8(std::string_view bytes, std::string& output, std::size_t& failedAt)
{
    return fromCp932().convert(bytes, output, failedAt);
}

} // namespace miravel
