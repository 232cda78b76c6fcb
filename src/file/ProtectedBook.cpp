#include "file/ProtectedBook.h"

#include "file/CompanionFile.h"
#include "file/GradeBookFile.h"

#include <sodium.h>

#include <cstring>
#include <ctime>
#include <stdexcept>

namespace miravel {

const char kWrongPasswordText[] = "パスワードが違います。";
const char kDamagedProtectedText[] = "ファイルが壊れているか、書き換えられています。";
const char kTamperedHintText[] = "正しいパスワードでも開けないときは、ファイルが書き換えられているか壊れています。"
                                 "以前の版（.bak や保存した版）を開いてください。";

namespace {

constexpr char kMagic[] = "Miravel protected book\n";
constexpr std::size_t kMagicSize = sizeof kMagic - 1;
constexpr unsigned char kVersion = 2;        // written
constexpr unsigned char kFirstVersion = 1;   // still read: no counter
constexpr unsigned char kArgon2id = 1;
constexpr std::size_t kSaltSize = crypto_pwhash_SALTBYTES;
constexpr std::size_t kNonceSize = crypto_aead_xchacha20poly1305_ietf_NPUBBYTES;
constexpr std::size_t kCheckSize = 16;
constexpr std::size_t kSumSize = 16;
constexpr std::size_t kKeySize = crypto_aead_xchacha20poly1305_ietf_KEYBYTES;
constexpr std::size_t kTagSize = crypto_aead_xchacha20poly1305_ietf_ABYTES;

// Offsets in the header.
constexpr std::size_t kVersionAt = kMagicSize;
constexpr std::size_t kAlgorithmAt = kVersionAt + 1;
constexpr std::size_t kOperationsAt = kAlgorithmAt + 1;
constexpr std::size_t kMemoryAt = kOperationsAt + 4;
constexpr std::size_t kSaltAt = kMemoryAt + 8;
constexpr std::size_t kNonceAt = kSaltAt + kSaltSize;
constexpr std::size_t kCheckAt = kNonceAt + kNonceSize;
constexpr std::size_t kSumAt = kCheckAt + kCheckSize;
constexpr std::size_t kHeaderSize = kSumAt + kSumSize;

// Subkeys of the derived key: one encrypts, one makes the key check.
constexpr char kSubkeyContext[crypto_kdf_CONTEXTBYTES + 1] = "MrvlBook";
constexpr std::uint64_t kEncryptionSubkey = 1;
constexpr std::uint64_t kCheckSubkey = 2;

// The save's counter and time before the book's length, from version 2.
constexpr std::size_t kStampSize = 16;
// A magic line with at most this many bytes changed is a damaged one.
constexpr int kMostDamagedMagicBytes = 4;
// Room above the default for stronger settings later; no more.
constexpr std::uint64_t kCostHeadroom = 4;

FileError damaged() { return FileError{0, kDamagedProtectedText}; }
FileError wrongPassword() { return FileError{0, kWrongPasswordText}; }

void ensureSodium()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw std::runtime_error("libsodium could not be initialised");
}

void putLittle(unsigned char* at, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        at[i] = static_cast<unsigned char>(value >> (8 * i));
}

std::uint64_t getLittle(const unsigned char* at, int bytes)
{
    std::uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | at[i];
    return value;
}

const unsigned char* bytesOf(std::string_view text) { return reinterpret_cast<const unsigned char*>(text.data()); }

// A subkey in locked memory, wiped when it goes.
class Subkey {
public:
    Subkey(const unsigned char* master, std::uint64_t id)
        : key_(static_cast<unsigned char*>(sodium_malloc(kKeySize)))
    {
        if (!key_)
            throw std::bad_alloc();
        crypto_kdf_derive_from_key(key_, kKeySize, id, kSubkeyContext, master);
    }
    ~Subkey()
    {
        sodium_memzero(key_, kKeySize);
        sodium_free(key_);
    }
    Subkey(const Subkey&) = delete;
    Subkey& operator=(const Subkey&) = delete;
    const unsigned char* get() const { return key_; }

private:
    unsigned char* key_;
};

} // namespace

struct BookKeyAccess {
    // Derives the key for `password` with the given salt and cost; null when
    // the memory for it cannot be had.
    static std::unique_ptr<BookKey> Derive(std::string_view password, const unsigned char* salt, const KdfCost& cost)
    {
        ensureSodium();
        std::unique_ptr<BookKey> key(new BookKey);
        key->key_ = static_cast<unsigned char*>(sodium_malloc(kKeySize));
        if (!key->key_)
            return nullptr;
        std::memcpy(key->salt_, salt, kSaltSize);
        key->cost_ = cost;
        if (crypto_pwhash(key->key_, kKeySize, password.data(), password.size(), salt, cost.operations,
                          static_cast<std::size_t>(cost.memoryBytes), crypto_pwhash_ALG_ARGON2ID13) != 0)
            return nullptr;
        return key;
    }
    static const unsigned char* Master(const BookKey& key) { return key.key_; }
    static void Sealed(const BookKey& key, const SealStamp& stamp) { key.lastSeal_ = stamp; }
    static const unsigned char* Salt(const BookKey& key) { return key.salt_; }

    // The key check: a keyed hash of the salt, under a subkey of its own.
    static void Check(const BookKey& key, unsigned char* check)
    {
        const Subkey checkKey(key.key_, kCheckSubkey);
        crypto_generichash(check, kCheckSize, key.salt_, kSaltSize, checkKey.get(), kKeySize);
    }
};

// Measured here: about 0.36 s of one core (Argon2id, 4 passes over 128 MiB).
KdfCost DefaultKdfCost() { return KdfCost{4, std::uint64_t(128) << 20}; }

KdfCost LowestKdfCost() { return KdfCost{crypto_pwhash_OPSLIMIT_MIN, crypto_pwhash_MEMLIMIT_MIN}; }

bool KdfCostAllowed(const KdfCost& cost)
{
    const KdfCost most = DefaultKdfCost();
    return cost.operations >= crypto_pwhash_OPSLIMIT_MIN && cost.operations <= kCostHeadroom * most.operations &&
           cost.memoryBytes >= crypto_pwhash_MEMLIMIT_MIN && cost.memoryBytes <= kCostHeadroom * most.memoryBytes;
}

std::string WrongPasswordNotice(int wrongSoFar)
{
    return wrongSoFar < 2 ? std::string(kWrongPasswordText) : std::string(kWrongPasswordText) + "\n" + kTamperedHintText;
}

bool IsWrongPassword(const FileResult& result) { return result && result->reason == kWrongPasswordText; }

std::unique_ptr<BookKey> BookKey::Create(std::string_view password, const KdfCost& cost, FileResult& error)
{
    ensureSodium();
    unsigned char salt[kSaltSize];
    randombytes_buf(salt, sizeof salt);
    auto key = BookKeyAccess::Derive(password, salt, cost);
    if (!key)
        error = FileError{0, "鍵を作るためのメモリーが足りません。ほかのプログラムを閉じてから、もう一度試してください。"};
    return key;
}

std::unique_ptr<BookKey> BookKey::Copy(const BookKey& key)
{
    std::unique_ptr<BookKey> copy(new BookKey);
    copy->key_ = static_cast<unsigned char*>(sodium_malloc(kKeySize));
    if (!copy->key_)
        return nullptr;
    std::memcpy(copy->key_, key.key_, kKeySize);
    std::memcpy(copy->salt_, key.salt_, kSaltSize);
    copy->cost_ = key.cost_;
    return copy;
}

BookKey::~BookKey()
{
    if (key_) {
        sodium_memzero(key_, kKeySize);
        sodium_free(key_);
    }
}

bool PasswordMatches(const BookKey& key, std::string_view password)
{
    const auto again = BookKeyAccess::Derive(password, BookKeyAccess::Salt(key), key.Cost());
    return again && sodium_memcmp(BookKeyAccess::Master(*again), BookKeyAccess::Master(key), kKeySize) == 0;
}

BookShape ShapeOf(std::string_view bytes)
{
    const std::string_view front = bytes.substr(0, kMagicSize);
    if (front == kMagic)
        return BookShape::Sealed;
    if (front.size() == kMagicSize) {
        int changed = 0;
        for (std::size_t i = 0; i < kMagicSize; ++i)
            changed += front[i] != kMagic[i];
        if (changed <= kMostDamagedMagicBytes)
            return BookShape::Damaged;
    }
    // A book's first line is its school year in text; control bytes there,
    // in a file the size of a sealed one, are a magic line damaged beyond
    // recognition.
    if (bytes.size() < kHeaderSize + kTagSize)
        return BookShape::Plain;
    for (unsigned char c : front.substr(0, front.find('\n'))) {
        if ((c < 0x20 && c != '\t' && c != '\r') || c == 0x7F)
            return BookShape::Damaged;
    }
    return BookShape::Plain;
}

bool IsProtectedBook(std::string_view bytes) { return ShapeOf(bytes) != BookShape::Plain; }

bool IsProtectedBookFile(const std::string& path)
{
    std::string bytes;
    return !ReadWholeFile(path, bytes) && IsProtectedBook(bytes);
}

FileResult SealBook(const BookKey& key, std::string_view book, std::string_view settings, std::string& sealed)
{
    ensureSodium();
    const SealStamp stamp{key.LastSeal().counter + 1, static_cast<std::int64_t>(std::time(nullptr))};
    std::string plain(kStampSize + 4, '\0');
    auto* front = reinterpret_cast<unsigned char*>(plain.data());
    putLittle(front, stamp.counter, 8);
    putLittle(front + 8, static_cast<std::uint64_t>(stamp.time), 8);
    putLittle(front + kStampSize, book.size(), 4);
    plain.append(book);
    plain.append(settings);

    std::string out(kHeaderSize + plain.size() + kTagSize, '\0');
    auto* header = reinterpret_cast<unsigned char*>(out.data());
    std::memcpy(header, kMagic, kMagicSize);
    header[kVersionAt] = kVersion;
    header[kAlgorithmAt] = kArgon2id;
    putLittle(header + kOperationsAt, key.Cost().operations, 4);
    putLittle(header + kMemoryAt, key.Cost().memoryBytes, 8);
    std::memcpy(header + kSaltAt, BookKeyAccess::Salt(key), kSaltSize);
    randombytes_buf(header + kNonceAt, kNonceSize);
    BookKeyAccess::Check(key, header + kCheckAt);
    crypto_generichash(header + kSumAt, kSumSize, header, kSumAt, nullptr, 0);

    const Subkey encryption(BookKeyAccess::Master(key), kEncryptionSubkey);
    unsigned long long written = 0;
    crypto_aead_xchacha20poly1305_ietf_encrypt(header + kHeaderSize, &written, bytesOf(plain), plain.size(), header,
                                               kHeaderSize, nullptr, header + kNonceAt, encryption.get());
    sodium_memzero(plain.data(), plain.size());
    out.resize(kHeaderSize + static_cast<std::size_t>(written));
    sealed.swap(out);
    BookKeyAccess::Sealed(key, stamp);
    return std::nullopt;
}

namespace {

// The header as far as it can be trusted without a key: its sum, version and cost.
FileResult readHeader(std::string_view sealed, KdfCost& cost)
{
    const BookShape shape = ShapeOf(sealed);
    if (shape == BookShape::Plain)
        return FileError{0, "パスワード付き成績ファイルではありません。"};
    if (shape == BookShape::Damaged || sealed.size() < kHeaderSize + kTagSize + 4)
        return damaged();
    const unsigned char* header = bytesOf(sealed);
    unsigned char sum[kSumSize];
    crypto_generichash(sum, kSumSize, header, kSumAt, nullptr, 0);
    if (sodium_memcmp(sum, header + kSumAt, kSumSize) != 0)
        return damaged();
    if (header[kVersionAt] < kFirstVersion || header[kVersionAt] > kVersion || header[kAlgorithmAt] != kArgon2id)
        return FileError{0, "新しい版の Miravel で保存されたファイルです。Miravel を新しくしてから開いてください。"};
    cost.operations = static_cast<std::uint32_t>(getLittle(header + kOperationsAt, 4));
    cost.memoryBytes = getLittle(header + kMemoryAt, 8);
    if (!KdfCostAllowed(cost))
        return damaged();
    return std::nullopt;
}

FileResult decrypt(std::string_view sealed, const BookKey& key, std::string& book, std::string& settings,
                   SealStamp* stamp = nullptr)
{
    const unsigned char* header = bytesOf(sealed);
    unsigned char check[kCheckSize];
    BookKeyAccess::Check(key, check);
    if (sodium_memcmp(check, header + kCheckAt, kCheckSize) != 0)
        return wrongPassword();
    const Subkey encryption(BookKeyAccess::Master(key), kEncryptionSubkey);
    std::string plain(sealed.size() - kHeaderSize - kTagSize, '\0');
    unsigned long long length = 0;
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(reinterpret_cast<unsigned char*>(plain.data()), &length, nullptr,
                                                   header + kHeaderSize, sealed.size() - kHeaderSize, header,
                                                   kHeaderSize, header + kNonceAt, encryption.get()) != 0)
        return damaged();
    const std::size_t at = header[kVersionAt] == kFirstVersion ? 0 : kStampSize;
    if (length < at + 4) {
        sodium_memzero(plain.data(), plain.size());
        return damaged();
    }
    const std::uint64_t bookSize = getLittle(bytesOf(plain) + at, 4);
    if (bookSize > length - at - 4) {
        sodium_memzero(plain.data(), plain.size());
        return damaged();
    }
    if (stamp && at)
        *stamp = SealStamp{getLittle(bytesOf(plain), 8), static_cast<std::int64_t>(getLittle(bytesOf(plain) + 8, 8))};
    book.assign(plain, at + 4, static_cast<std::size_t>(bookSize));
    settings.assign(plain, at + 4 + static_cast<std::size_t>(bookSize), std::string::npos);
    sodium_memzero(plain.data(), plain.size());
    return std::nullopt;
}

} // namespace

FileResult UnsealBook(std::string_view sealed, std::string_view password, std::unique_ptr<BookKey>& key,
                      std::string& book, std::string& settings)
{
    KdfCost cost;
    if (auto error = readHeader(sealed, cost))
        return error;
    auto derived = BookKeyAccess::Derive(password, bytesOf(sealed) + kSaltAt, cost);
    if (!derived)
        return FileError{0, "鍵を作るためのメモリーが足りません。ほかのプログラムを閉じてから、もう一度試してください。"};
    SealStamp stamp;
    if (auto error = decrypt(sealed, *derived, book, settings, &stamp))
        return error;
    BookKeyAccess::Sealed(*derived, stamp);
    key = std::move(derived);
    return std::nullopt;
}

FileResult CheckSealedHeader(std::string_view sealed)
{
    KdfCost cost;
    return readHeader(sealed, cost);
}

FileResult UnsealBookWithKey(std::string_view sealed, const BookKey& key, std::string& book, std::string& settings)
{
    KdfCost cost;
    if (auto error = readHeader(sealed, cost))
        return error;
    // Another salt or cost is another password (an older version's).
    if (cost.operations != key.Cost().operations || cost.memoryBytes != key.Cost().memoryBytes ||
        std::memcmp(bytesOf(sealed) + kSaltAt, BookKeyAccess::Salt(key), kSaltSize) != 0)
        return wrongPassword();
    return decrypt(sealed, key, book, settings);
}

FileResult EncodeProtectedBook(const GradeDocument& document, const BookKey& key, std::string& bytes)
{
    std::string book;
    if (auto error = EncodeGradeBook(document, book))
        return error;
    return SealBook(key, book, EvaluationSettingsText(document.Evaluation), bytes);
}

namespace {

FileResult parsePlain(const std::string& book, const std::string& settings, GradeDocument& document)
{
    auto fresh = std::make_unique<GradeDocument>();
    if (auto error = ParseGradeBook(book, *fresh))
        return error;
    if (auto error = ParseEvaluationSettings(settings, fresh->Evaluation))
        return error;
    document = std::move(*fresh);
    return std::nullopt;
}

// Plain text of a book is wiped once parsed: only the document keeps it.
struct WipedOnExit {
    std::string& a;
    std::string& b;
    ~WipedOnExit()
    {
        sodium_memzero(a.data(), a.size());
        sodium_memzero(b.data(), b.size());
    }
};

} // namespace

FileResult DecodeProtectedBook(std::string_view bytes, const BookKey& key, GradeDocument& document)
{
    std::string book, settings;
    WipedOnExit wipe{book, settings};
    if (auto error = UnsealBookWithKey(bytes, key, book, settings))
        return error;
    return parsePlain(book, settings, document);
}

namespace {

// Compared as bytes: cheaper than parsing what the file holds.
bool sealedFileHolds(const std::string& path, const BookKey& key, const std::string& book,
                     const std::string& settings)
{
    std::string onDisk, heldBook, heldSettings;
    WipedOnExit wipe{heldBook, heldSettings};
    return !ReadWholeFile(path, onDisk) && IsProtectedBook(onDisk) &&
           !UnsealBookWithKey(onDisk, key, heldBook, heldSettings) && heldBook == book && heldSettings == settings;
}

} // namespace

bool ProtectedFileHolds(const std::string& path, const BookKey& key, const GradeDocument& document)
{
    std::string book, settings = EvaluationSettingsText(document.Evaluation);
    WipedOnExit wipe{book, settings};
    return !EncodeGradeBook(document, book) && sealedFileHolds(path, key, book, settings);
}

FileResult WriteProtectedBook(const std::string& path, const GradeDocument& document, const BookKey& key,
                              SaveReport& report)
{
    report = SaveReport{};
    std::string book, settings = EvaluationSettingsText(document.Evaluation);
    WipedOnExit wipe{book, settings};
    if (auto error = EncodeGradeBook(document, book))
        return error;
    // As for a plain book: saving what the file holds would turn the backup
    // into a second copy of it.
    if (sealedFileHolds(path, key, book, settings)) {
        report.unchanged = true;
        return std::nullopt;
    }
    std::string bytes;
    if (auto error = SealBook(key, book, settings, bytes))
        return error;
    PreparedFile prepared;
    if (auto error = PrepareReplacement(path, bytes, 0, prepared))
        return error;
    return CommitReplacement(prepared, ProtectedBackupPath, report);
}

FileResult ReadProtectedBook(const std::string& path, std::string_view password, GradeDocument& document,
                             std::unique_ptr<BookKey>& key)
{
    std::string bytes, book, settings;
    if (auto error = ReadWholeFile(path, bytes))
        return error;
    WipedOnExit wipe{book, settings};
    std::unique_ptr<BookKey> derived;
    if (auto error = UnsealBook(bytes, password, derived, book, settings))
        return error;
    if (auto error = parsePlain(book, settings, document))
        return error;
    key = std::move(derived);
    return std::nullopt;
}

FileResult ReadBookWithKey(const std::string& path, const BookKey* key, GradeDocument& document)
{
    std::string bytes;
    if (auto error = ReadWholeFile(path, bytes))
        return error;
    if (IsProtectedBook(bytes)) {
        if (auto error = CheckSealedHeader(bytes))
            return error;
        if (!key)
            return wrongPassword();
        return DecodeProtectedBook(bytes, *key, document);
    }
    auto fresh = std::make_unique<GradeDocument>();
    if (auto error = ParseGradeBook(bytes, *fresh))
        return error;
    if (auto error = ReadCompanion(path, fresh->Evaluation))
        return error;
    document = std::move(*fresh);
    return std::nullopt;
}

void WipePassword(std::string& password)
{
    // The whole buffer: a shortened password (its line end dropped) leaves
    // bytes beyond its size.
    password.resize(password.capacity());
    sodium_memzero(password.data(), password.size());
    password.clear();
}

} // namespace miravel
