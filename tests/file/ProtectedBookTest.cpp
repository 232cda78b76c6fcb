#include "file/ClassSettingsRecord.h"
#include "file/CompanionFile.h"
#include "file/Cp932.h"
#include "file/FileTestSupport.h"
#include "file/ProtectedBook.h"

#include <gtest/gtest.h>

namespace miravel::test {
namespace {

constexpr char kPassword[] = "正しいpassword";

std::unique_ptr<GradeBook> SettledBook()
{
    auto book = ClassBook({"山田 花子", "田中 一郎"});
    book->Evaluation.Mode = EvaluationMode::Criterion;
    book->Evaluation.Terms = 2;
    book->Evaluation.StudentCodes[0] = "S20250101";
    return book;
}

struct Sealed : ::testing::Test {
    void SetUp() override
    {
        FileResult error;
        key = BookKey::Create(kPassword, LowestKdfCost(), error);
        ASSERT_TRUE(key);
        SaveReport report;
        ASSERT_FALSE(WriteProtectedBook(path, *book, *key, report));
        bytes = readBytes(path);
    }
    TempDir dir;
    std::string path = dir.file("3年1組.mrvl");
    std::unique_ptr<GradeBook> book = SettledBook();
    std::unique_ptr<BookKey> key;
    std::string bytes;
};

TEST_F(Sealed, BookAndSettingsComeBackWithThePasswordOnly)
{
    EXPECT_TRUE(IsProtectedBook(bytes));
    for (const std::string& name : {std::string("山田 花子"), *Utf8ToCp932("山田 花子"), std::string("S20250101")})
        EXPECT_EQ(bytes.find(name), std::string::npos) << name;
    auto read = FreshBook();
    std::unique_ptr<BookKey> opened;
    EXPECT_TRUE(IsWrongPassword(ReadProtectedBook(path, "正しいpasswore", *read, opened)));
    EXPECT_FALSE(opened);
    ASSERT_FALSE(ReadProtectedBook(path, kPassword, *read, opened));
    EXPECT_EQ(static_cast<GradeDocument&>(*read), static_cast<GradeDocument&>(*book));
    // The key found at open seals the next save under the same password.
    SaveReport report;
    book->StudentNames[2] = "佐藤";
    ASSERT_FALSE(WriteProtectedBook(path, *book, *opened, report));
    EXPECT_TRUE(report.backupMade);
    EXPECT_FALSE(ReadProtectedBook(path, kPassword, *read, opened));
    EXPECT_EQ(read->StudentNames[2], "佐藤");
}

TEST_F(Sealed, EveryAlteredRegionAndEveryCutIsRefused)
{
    // Header: magic 0-22, version 23, algorithm 24, operations 25-28,
    // memory 29-36, salt 37-52, nonce 53-76, key check 77-92, sum 93-108.
    const std::size_t tag = bytes.size() - 1;
    for (std::size_t at : {std::size_t(3), std::size_t(23), std::size_t(24), std::size_t(26), std::size_t(30),
                           std::size_t(40), std::size_t(60), std::size_t(80), std::size_t(100), std::size_t(109),
                           bytes.size() / 2, tag}) {
        std::string altered = bytes;
        altered[at] ^= 0x01;
        writeBytes(path, altered);
        auto read = FreshBook();
        std::unique_ptr<BookKey> opened;
        const FileResult error = ReadProtectedBook(path, kPassword, *read, opened);
        ASSERT_TRUE(error) << at;
        EXPECT_FALSE(IsWrongPassword(error)) << at;
        EXPECT_FALSE(opened) << at;
        EXPECT_EQ(static_cast<GradeDocument&>(*read), static_cast<GradeDocument&>(*FreshBook())) << at;
    }
    for (std::size_t size : {std::size_t(60), std::size_t(109), std::size_t(125), bytes.size() - 1}) {
        writeBytes(path, bytes.substr(0, size));
        std::unique_ptr<BookKey> opened;
        const FileResult error = ReadProtectedBook(path, kPassword, *FreshBook(), opened);
        EXPECT_EQ(error ? error->reason : "", kDamagedProtectedText) << size;
    }
}

TEST(ClassSettingsRecord, AsksForTheSettingsLastSavedForTheSameClass)
{
    TempDir data;
    const auto book = SettledBook();
    ASSERT_FALSE(WriteClassRecord(data.file(""), *book, "2025/04/07 09:30"));
    EXPECT_EQ(readBytes(ClassRecordPath(data.file(""), *book)).find("S20250101"), std::string::npos);
    const MissingSettingsAdvice advice = AdviseMissingSettings(data.file(""), "copy.txt", *book);
    EXPECT_EQ(advice.kind, MissingSettingsAdvice::Kind::OfferRecord);
    EXPECT_EQ(advice.text, "この成績ファイルの評価の方法（目標準拠評価、2学期制）が見つかりません。"
                           "2025/04/07 09:30 に保存したときの設定を使いますか？");
    EXPECT_TRUE(advice.settings.Criterion());
    EXPECT_EQ(advice.settings.Terms, 2);
    // Another teacher's class has no record; one named 前期 and 後期 is told its file is missing.
    auto other = ClassBook({"山田 花子"}, {"2024", "3年", "1組", "佐藤"});
    EXPECT_EQ(AdviseMissingSettings(data.file(""), "copy.txt", *other).kind, MissingSettingsAdvice::Kind::None);
    other->SemesterNames[0] = "前期";
    other->SemesterNames[1] = "後期";
    const MissingSettingsAdvice missing = AdviseMissingSettings(data.file(""), "copy.txt", *other);
    EXPECT_EQ(missing.kind, MissingSettingsAdvice::Kind::SayMissing);
    EXPECT_NE(missing.text.find("copy.miravel"), std::string::npos);
}

} // namespace
} // namespace miravel::test
