#pragma once
// A password-protected book: one file that carries the book's exact bytes
// and its settings text, encrypted and authenticated with a key derived from
// the teacher's password (libsodium: Argon2id, XChaCha20-Poly1305).
//
//   "Miravel protected book\n"      the magic line (23 bytes)
//   version                         1 byte
//   key derivation                  algorithm (1 byte), operations (4, little-endian),
//                                   memory in bytes (8, little-endian)
//   salt                            16 bytes
//   nonce                           24 bytes, fresh for every write
//   key check                       16 bytes: tells a wrong password from a damaged file
//   header sum                      16 bytes, unkeyed: tells a damaged header from a wrong password
//   ciphertext and tag              of [book length (4, little-endian)][book][settings text];
//                                   from version 2 preceded by the save's counter (8) and
//                                   time (8, seconds since 1970), both little-endian
//
// The whole header is the associated data, so no byte of the file can change
// unnoticed. The derivation's cost is in the header: stronger settings later
// still open older files.

#include "core/EvaluationSettings.h"
#include "core/GradeBook.h"
#include "core/PasswordRules.h"
#include "file/FileError.h"
#include "file/SafeWrite.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace miravel {

struct KdfCost {
    std::uint32_t operations = 0;
    std::uint64_t memoryBytes = 0;
};

// Tuned so deriving a key takes 0.3 to 0.7 s on a school's laptop.
KdfCost DefaultKdfCost();
// The cheapest the derivation allows: for tests and benchmarks only.
KdfCost LowestKdfCost();
// The header's checksum is unkeyed, so anyone can ask for any cost: more than
// four times the default in passes or memory is refused before deriving.
bool KdfCostAllowed(const KdfCost& cost);

// The texts whose meaning callers act on.
extern const char kWrongPasswordText[];   // "パスワードが違います。"
extern const char kDamagedProtectedText[]; // "ファイルが壊れているか、書き換えられています。"
// Said with a wrong password: a rewritten header cannot be told from one.
extern const char kTamperedHintText[];
bool IsWrongPassword(const FileResult& result);

// What the window says after the `wrongSoFar`-th wrong password (from 1):
// from the second on, a rewritten file is named as well.
std::string WrongPasswordNotice(int wrongSoFar);
// After this many, the window offers the backup or a saved version instead.
constexpr int kWrongPasswordsBeforeOlderCopy = 3;

// Which save a sealed file is: its counter rises with every seal of the
// book, so an older copy can be told from the newest seen.
struct SealStamp {
    std::uint64_t counter = 0;  // 0: a file from before the counter
    std::int64_t time = 0;      // seconds since 1970, UTC
    bool operator==(const SealStamp& o) const { return counter == o.counter && time == o.time; }
};

// The derived key, in locked memory that is wiped when the key goes. Derived
// once when a book is opened or protected; every copy of the book (the book
// itself, its backup, recovery copies) is sealed with it.
class BookKey {
public:
    // A key for a new password: a fresh salt. Null with `error` set when the
    // memory for the derivation cannot be had.
    static std::unique_ptr<BookKey> Create(std::string_view password, const KdfCost& cost, FileResult& error);
    // The same key in locked memory of its own (null when none can be had).
    static std::unique_ptr<BookKey> Copy(const BookKey& key);
    ~BookKey();
    BookKey(const BookKey&) = delete;
    BookKey& operator=(const BookKey&) = delete;

    const KdfCost& Cost() const { return cost_; }
    // The stamp of the file this key opened or last sealed; each seal takes
    // the next counter.
    const SealStamp& LastSeal() const { return lastSeal_; }
    void ContinueFrom(std::uint64_t counter) const { lastSeal_.counter = std::max(lastSeal_.counter, counter); }

private:
    friend struct BookKeyAccess;
    BookKey() = default;

    unsigned char* key_ = nullptr;  // sodium_malloc'd
    unsigned char salt_[16] = {};
    KdfCost cost_;
    mutable SealStamp lastSeal_;  // advanced by sealing, which leaves the key itself alone
};

// True when `password` gives this key (checked by deriving it again).
bool PasswordMatches(const BookKey& key, std::string_view password);

// What the first bytes of a file say it is. Damaged: the magic with a few
// bytes changed, or binary bytes where a book has its first line of text.
enum class BookShape { Plain, Sealed, Damaged };
BookShape ShapeOf(std::string_view bytes);

// True when the bytes begin as a protected book does (damaged or not),
// whatever the file's name.
bool IsProtectedBook(std::string_view bytes);

// What can be told of a sealed file before a password is asked: its sum,
// version and cost. A damaged file is refused before anyone types.
FileResult CheckSealedHeader(std::string_view sealed);
bool IsProtectedBookFile(const std::string& path);

// The sealed form of a book's bytes and its settings text, with a fresh nonce.
FileResult SealBook(const BookKey& key, std::string_view book, std::string_view settings, std::string& sealed);

// Opens a sealed file with a password: derives the key from the file's own
// salt and cost and, on success, hands it over in `key` for later saves.
FileResult UnsealBook(std::string_view sealed, std::string_view password, std::unique_ptr<BookKey>& key,
                      std::string& book, std::string& settings);
// With a key held: a file sealed under another password is a wrong password.
FileResult UnsealBookWithKey(std::string_view sealed, const BookKey& key, std::string& book, std::string& settings);

// A whole document (its settings included) as a sealed file, and back.
FileResult EncodeProtectedBook(const GradeDocument& document, const BookKey& key, std::string& bytes);
FileResult DecodeProtectedBook(std::string_view bytes, const BookKey& key, GradeDocument& document);

// True when the file at `path` is sealed with `key` and holds exactly this
// document (its settings included).
bool ProtectedFileHolds(const std::string& path, const BookKey& key, const GradeDocument& document);

// Writes the document as one protected file through the safe write (the
// previous file, protected as well, becomes the backup). Nothing is written
// when the file already holds the same book and settings.
FileResult WriteProtectedBook(const std::string& path, const GradeDocument& document, const BookKey& key,
                              SaveReport& report);

// Reads a protected book with a password; on failure `document` and `key`
// are left as they were.
FileResult ReadProtectedBook(const std::string& path, std::string_view password, GradeDocument& document,
                             std::unique_ptr<BookKey>& key);

// Any book file with the key held (null: none): a protected one is opened
// with the key, a plain one is read with the settings file beside it.
FileResult ReadBookWithKey(const std::string& path, const BookKey* key, GradeDocument& document);

// Wipes a password once it has served (best effort: the string's buffer).
void WipePassword(std::string& password);

} // namespace miravel
