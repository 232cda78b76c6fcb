#include "file/ClassSettingsRecord.h"
#include "file/Cp932.h"
#include "file/FileTestSupport.h"
#include "file/ProtectedBook.h"

#include <gtest/gtest.h>
#include <sodium.h>

namespace miravel::test {
namespace {

std::unique_ptr<GradeBook> SettledBook()
{
    auto book = ClassBook({"山田 花子", "田中 一郎"});
    book->Evaluation.Mode = EvaluationMode::Criterion;
    book->Evaluation.Terms = 2;
    book->Evaluation.StudentCodes[0] = "S20250101";
    book->Evaluation.OtherSettings = "\n[future]\nmemo=S20250101\n";  // sealed with the rest, never recorded
    book->Evaluation.Notes.Student(1, 2).Text(NoteText::Remarks) = "算数の文章題に粘り強く";
    return book;
}

// Reading `path` with `password`: the error, and the book and key only on success.
FileResult ReadBack(const std::string& path, const char* password, GradeDocument& read)
{
    std::unique_ptr<BookKey> key;
    const FileResult error = ReadProtectedBook(path, password, read, key);
    EXPECT_EQ(!key, error.has_value());
    return error;
}

TEST(ProtectedBook, ComesBackWholeWithItsPasswordAndRefusesEveryAlteredRegionOrCut)
{
    TempDir dir;
    const std::string path = dir.file("3年1組.mrvl");
    const auto book = SettledBook();
    FileResult error;
    const auto key = BookKey::Create("正しいpassword", LowestKdfCost(), error);
    SaveReport report;
    ASSERT_FALSE(WriteProtectedBook(path, *book, *key, report));
    const std::string bytes = readBytes(path);
    EXPECT_EQ(bytes.find(*Utf8ToCp932("山田 花子")), std::string::npos);
    EXPECT_EQ(bytes.find("粘り強く"), std::string::npos);
    auto read = FreshBook();
    EXPECT_TRUE(IsWrongPassword(ReadBack(path, "正しいpasswore", *read)));
    ASSERT_FALSE(ReadBack(path, "正しいpassword", *read));
    EXPECT_EQ(static_cast<GradeDocument&>(*read), static_cast<GradeDocument&>(*book));

    // Header: magic 0-22, version 23, algorithm 24, operations 25-28, memory
    // 29-36, salt 37-52, nonce 53-76, key check 77-92, sum 93-108; then the
    // ciphertext and its tag. Cuts: inside the header, after it, and the last byte.
    std::vector<std::string> spoilt;
    for (std::size_t at : {3, 23, 24, 26, 30, 40, 60, 80, 100, 109, 5000, static_cast<int>(bytes.size() - 1)})
        (spoilt.emplace_back(bytes))[at] ^= 0x01;  // the last: the tag's last byte
    for (std::size_t size : {60, 109, 125, static_cast<int>(bytes.size() - 1)})
        spoilt.push_back(bytes.substr(0, size));
    for (const std::string& altered : spoilt) {
        writeBytes(path, altered);
        auto untouched = FreshBook();
        const FileResult refused = ReadBack(path, "正しいpassword", *untouched);
        EXPECT_TRUE(refused && !IsWrongPassword(refused)) << altered.size();
        EXPECT_EQ(static_cast<GradeDocument&>(*untouched), static_cast<GradeDocument&>(*FreshBook()));
    }
}

// Sealed at the default cost, as every real book is; headers this version never writes, with their sums made good.
TEST(ProtectedBook, OpensAtTheDefaultCostAndRefusesWhatThisVersionNeverWrites)
{
    TempDir dir;
    const std::string path = dir.file("3年1組.mrvl");
    FileResult error;
    SaveReport report;
    ASSERT_FALSE(WriteProtectedBook(path, *SettledBook(), *BookKey::Create("pass", DefaultKdfCost(), error), report));
    const std::string bytes = readBytes(path), newer = "新しい版の Miravel で保存されたファイルです。Miravel を新しくしてから開いてください。";
    auto read = FreshBook();
    EXPECT_FALSE(ReadBack(path, "pass", *read));
    const struct { std::size_t at; std::uint64_t value; int size; std::string reason; } cases[] = {
        {23, 3, 1, newer}, {24, 2, 1, newer},  // the format's version, the derivation's algorithm
        {29, (std::uint64_t(1) << 30) + 1024, 8, kDamagedProtectedText},  // more memory than any book asks
    };
    for (const auto& c : cases) {
        std::string altered = bytes;
        for (int i = 0; i < c.size; ++i)
            altered[c.at + i] = static_cast<char>(c.value >> (8 * i));
        auto* header = reinterpret_cast<unsigned char*>(altered.data());
        crypto_generichash(header + 93, 16, header, 93, nullptr, 0);
        writeBytes(path, altered);
        EXPECT_EQ(ReadBack(path, "pass", *read).value_or(FileError{}).reason, c.reason) << c.at;
    }
}

TEST(ClassSettingsRecord, OffersTheSettingsLastSavedForTheSameClass)
{
    TempDir data;
    const auto book = SettledBook();
    ASSERT_FALSE(WriteClassRecord(data.file(""), *book, "2025/04/07 09:30"));
    EXPECT_EQ(readBytes(ClassRecordPath(data.file(""), *book)).find("S20250101"), std::string::npos);
    const MissingSettingsAdvice advice = AdviseMissingSettings(data.file(""), "copy.txt", *book);
    EXPECT_EQ(advice.text, "この成績ファイルの評価の方法（目標準拠評価、2学期制）が見つかりません。"
                           "2025/04/07 09:30 に保存したときの設定を使いますか？");
    EXPECT_TRUE(advice.settings.Criterion() && advice.settings.Terms == 2);
    // Another teacher's class has no record: with 前期 and 後期 it is told where its file should be.
    auto other = ClassBook({"山田 花子"}, {"2024", "3年", "1組", "佐藤"});
    other->SemesterNames[0] = "前期";
    other->SemesterNames[1] = "後期";
    EXPECT_NE(AdviseMissingSettings(data.file(""), "copy.txt", *other).text.find("copy.miravel"), std::string::npos);
}

} // namespace
} // namespace miravel::test
