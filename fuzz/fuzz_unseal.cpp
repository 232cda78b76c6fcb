// libFuzzer target: opening a protected book. A fixed key (derived once, at
// the lowest cost) lets the fuzzer past the header: the first byte chooses
// between a file as it comes (the header's checks) and a book sealed with
// the key and then changed at one place (the header's fields with their sum
// made good, or the ciphertext), whose plain text goes on to the book and
// settings readers.

#include "file/ProtectedBook.h"

#include <sodium.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace miravel;
    static const std::unique_ptr<BookKey> key = [] {
        FileResult error;
        return BookKey::Create("fuzzing password", LowestKdfCost(), error);
    }();
    if (!key)
        std::abort();
    if (size < 4)
        return 0;
    const std::string rest(reinterpret_cast<const char*>(data + 4), size - 4);
    std::string book, settings;
    auto document = std::make_unique<GradeDocument>();
    if ((data[0] & 1) == 0) {
        ShapeOf(rest);
        CheckSealedHeader(rest);
        UnsealBookWithKey(rest, *key, book, settings);
        DecodeProtectedBook(rest, *key, *document);
        return 0;
    }
    // The book and its settings split where the second byte says.
    const std::size_t split = rest.empty() ? 0 : data[1] * rest.size() / 256;
    std::string sealed;
    if (SealBook(*key, rest.substr(0, split), rest.substr(split), sealed))
        std::abort();
    const bool change = (data[0] & 2) != 0;
    if (change) {
        const std::size_t at = (std::size_t(data[2]) << 8 | data[3]) % sealed.size();
        sealed[at] = static_cast<char>(sealed[at] ^ (data[1] | 1));
        if (at < 93) {  // a header field: its sum made good, as one who rewrites it would
            auto* header = reinterpret_cast<unsigned char*>(sealed.data());
            crypto_generichash(header + 93, 16, header, 93, nullptr, 0);
        }
    }
    const FileResult error = UnsealBookWithKey(sealed, *key, book, settings);
    if (!change && (error || book != rest.substr(0, split) || settings != rest.substr(split)))
        std::abort();
    if (change && !error)
        std::abort();  // no byte of a sealed file changes unnoticed
    DecodeProtectedBook(sealed, *key, *document);
    return 0;
}
