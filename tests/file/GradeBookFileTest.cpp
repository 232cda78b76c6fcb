#include "core/TextRules.h"
#include "file/Cp932.h"
#include "file/GradeBookFile.h"
#include "file/SafeWrite.h"
#include "FileTestSupport.h"

#include <csignal>
#include <random>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

using namespace miravel;
using namespace miravel::test;

namespace {

std::vector<std::string> linesOf(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find("\r\n", start);
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string encode(const GradeDocument& document)
{
    std::string bytes;
    const auto error = EncodeGradeBook(document, bytes);
    EXPECT_FALSE(error) << error->Message();
    return bytes;
}

std::string sjis(const std::string& utf8) { return *Utf8ToCp932(utf8); }

// The first `count` lines of the fresh book's file, line `number` (1-based)
// replaced by `bytes`.
std::string freshFileWithRawLine(int number, const std::string& bytes, int count = 1655)
{
    auto lines = linesOf(dataFile("fresh_book.txt"));
    if (number > 0)
        lines[number - 1] = bytes;
    std::string file;
    for (int i = 0; i < count; ++i)
        file += lines[i] + "\r\n";
    return file;
}

std::string freshFileWithLine(int number, const std::string& utf8Line)
{
    return freshFileWithRawLine(number, sjis(utf8Line));
}

FileResult parse(const std::string& bytes, GradeDocument& document) { return ParseGradeBook(bytes, document); }

} // namespace

TEST(GradeBookFile, FreshBookAfterNewMatchesTheExpectedFile)
{
    auto book = FreshBook();
    book->SchoolYear = "未登録です";
    EXPECT_EQ(encode(*book), dataFile("fresh_book.txt"));
}

TEST(GradeBookFile, SmallRosterLines)
{
    auto book = FreshBook();
    book->StudentCount = 3;
    book->StudentNames[0] = "山田";
    book->StudentNames[1] = "田中";
    book->StudentNames[2] = "佐藤";
    const auto lines = linesOf(encode(*book));
    ASSERT_EQ(lines.size(), 1655u);
    EXPECT_EQ(lines[4], " 3");
    EXPECT_EQ(lines[5], sjis("山田;田中;佐藤;") + std::string(37, ';'));
}

TEST(GradeBookFile, PopulatedBookRoundTripsByteForByte)
{
    const auto book = populatedBook();
    const std::string bytes = encode(*book);
    auto read = FreshBook();
    ASSERT_FALSE(parse(bytes, *read));
    EXPECT_TRUE(static_cast<GradeDocument&>(*read) == static_cast<GradeDocument&>(*book));
    EXPECT_EQ(encode(*read), bytes);

    const auto lines = linesOf(bytes);
    EXPECT_EQ(lines[0], sjis("令和8年度;前期")); // a header line may hold ";"
    EXPECT_EQ(lines[6].substr(0, 9), " 0; 1; 2;");
    EXPECT_NE(lines[23].find("-2.0;10072.5;"), std::string::npos);
}

TEST(GradeBookFile, ScoresAreStoredWithOneDecimal)
{
    auto book = FreshBook();
    book->Scores[0][0] = 72.25f;  // exact half: to the even digit
    book->Scores[0][1] = 72.34f;
    book->Scores[0][2] = 0.5f;
    book->Scores[0][3] = 10072.5f;
    const auto lines = linesOf(encode(*book));
    EXPECT_EQ(lines[23].substr(0, 26), "72.2;72.3;0.5;10072.5;-1.0");
    auto read = FreshBook();
    ASSERT_FALSE(parse(encode(*book), *read));
    EXPECT_FLOAT_EQ(read->Scores[0][1], 72.3f);
}

TEST(GradeBookFile, ReadingFollowsTheNumberRule)
{
    auto line24 = std::string("85;;  7 2.5;abc;") + std::string(41, ';');
    auto read = FreshBook();
    ASSERT_FALSE(parse(freshFileWithLine(24, line24), *read));
    EXPECT_EQ(read->Scores[0][0], 85.0f);
    EXPECT_EQ(read->Scores[0][1], 0.0f); // an empty field is 0, not -1
    EXPECT_EQ(read->Scores[0][2], 72.5f);
    EXPECT_EQ(read->Scores[0][3], 0.0f);

    ASSERT_FALSE(parse(freshFileWithLine(7, " 2.5;3.5;-1;" + std::string(15, ';')), *read));
    EXPECT_EQ(read->RankCountA[0][0], 2); // halves to even
    EXPECT_EQ(read->RankCountA[0][1], 4);
    EXPECT_EQ(read->RankCountA[0][2], -1);
}

// The writer and reader take quick ways for the usual numbers; whatever
// the number, the file holds what OneDecimal writes and reads back what the
// leading-number rule reads.
TEST(GradeBookFile, EveryScoreIsWrittenAsOneDecimalAndReadByTheNumberRule)
{
    std::mt19937 random(7);
    std::vector<float> values = {0.25f,  0.35f,  -0.04f, -0.05f, -0.06f, 2.5f,   -2.5f,   99.95f, 1e14f,   1e15f,
                                 -1e16f, 3.4e38f, -0.0f,  1e-30f, 12.75f, 7.45f,  10072.5f, -1.0f,  -2.0f,  100.0f};
    for (int i = 0; values.size() < kColumns * 40u; ++i) {
        const float tenths = static_cast<float>(static_cast<int>(random() % 2000000) - 20000);
        values.push_back(i % 2 ? tenths / 10.0f : tenths / 40.0f); // ties (x.x5) among them
    }
    auto book = FreshBook();
    for (std::size_t i = 0; i < values.size(); ++i)
        book->Scores[i / kColumns][i % kColumns] = values[i];
    const auto lines = linesOf(encode(*book));
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string& line = lines[23 + i / kColumns];
        std::size_t start = 0;
        for (std::size_t f = 0; f < i % kColumns; ++f)
            start = line.find(';', start) + 1;
        ASSERT_EQ(line.substr(start, line.find(';', start) - start), OneDecimal(values[i])) << values[i];
    }

    std::vector<std::string> fields = {"85",   "-0",     "5.",   ".5",    "-.5",  "1.2.3", "+4",  "--1",  " 7",
                                       "12345678901234567", "123456789012345", "0.1", "99.95", "1e3", "3-", "-"};
    for (int i = 0; fields.size() < kColumns; ++i)
        fields.push_back((i % 3 ? "-" : "") + std::to_string(random() % 100000) + "." + std::to_string(random() % 1000));
    std::string line24;
    for (const auto& field : fields)
        line24 += field + ";";
    auto read = FreshBook();
    ASSERT_FALSE(parse(freshFileWithLine(24, line24), *read));
    for (int c = 0; c < kColumns; ++c)
        EXPECT_EQ(read->Scores[0][c], static_cast<float>(LeadingNumber(fields[c]))) << fields[c];
}

TEST(GradeBookFile, ExtraFieldsAndLinesAreIgnored)
{
    std::string names;
    for (int i = 1; i <= 41; ++i)
        names += "生徒" + std::to_string(i) + ";";
    std::string bytes = freshFileWithLine(6, names) + "trailing line\r\nmore \x81\x20\x81\r\n";
    auto read = FreshBook();
    ASSERT_FALSE(parse(bytes, *read));
    EXPECT_EQ(read->StudentNames[39], "生徒40");

    // No final line break.
    bytes = dataFile("fresh_book.txt");
    bytes.resize(bytes.size() - 2);
    ASSERT_FALSE(parse(bytes, *read));
    EXPECT_EQ(read->SlotTitles[815][1], "");
}

TEST(GradeBookFile, RefusedFilesNameTheLine)
{
    auto read = FreshBook();
    auto error = parse(freshFileWithRawLine(0, "", 1000), *read);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 1001);
    error = parse(freshFileWithRawLine(0, "", 1654), *read);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 1655);

    error = parse(freshFileWithLine(30, "1.0;2.0;"), *read);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 30);
    EXPECT_EQ(error->Message().rfind("30行目: ", 0), 0u);

    error = parse(freshFileWithLine(15, "一学期;二学期;三学期"), *read); // a field ends with its ";"
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 15);

    error = parse(freshFileWithLine(9, "32768;" + std::string(17, ';')), *read);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 9);

    error = parse(freshFileWithLine(5, " 41"), *read);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 5);
    EXPECT_TRUE(parse(freshFileWithLine(5, "-1"), *read));

    error = parse(freshFileWithLine(840, "一学期;漢字\r小テスト;"), *read);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 840);

    error = parse(freshFileWithRawLine(4, "\x81\x7f"), *read); // not a code page 932 character
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 4);
}

TEST(GradeBookFile, ARefusedFileLeavesTheDocumentUntouched)
{
    TempDir dir;
    const std::string path = dir.file("bad.txt");
    writeBytes(path, freshFileWithLine(100, "1;2;"));
    const auto before = populatedBook();
    auto book = populatedBook();
    ASSERT_TRUE(ReadGradeBook(path, *book));
    EXPECT_TRUE(static_cast<GradeDocument&>(*book) == static_cast<GradeDocument&>(*before));

    ASSERT_TRUE(ReadGradeBook(dir.file("missing.txt"), *book));
    EXPECT_TRUE(static_cast<GradeDocument&>(*book) == static_cast<GradeDocument&>(*before));
}

TEST(GradeBookFile, TextsTheFormatCannotCarryAreRefusedAndNothingIsWritten)
{
    TempDir dir;
    const std::string path = dir.file("class.txt");
    struct Case {
        void (*spoil)(GradeBook&);
        const char* mentions;
    } cases[] = {
        {[](GradeBook& b) { b.StudentNames[2] = "山田;太郎"; }, "出席番号3の氏名"},
        {[](GradeBook& b) { b.SlotTitles[TestSlot(0, 1, 2, 0)][1] = "小テスト\n2"; }, "算数 一学期 3回目の試験の題名"},
        {[](GradeBook& b) { b.TeacherName = "山田\r"; }, "担任の氏名"},
        {[](GradeBook& b) { b.SubjectTable[2][3] = "観察😀"; }, "😀"},
        {[](GradeBook& b) { b.SemesterNames[1] = "後期;"; }, "学期名"},
        // Stored as a look-alike, these would not read back as typed.
        {[](GradeBook& b) { b.SlotTitles[TestSlot(2, 0, 0, 0)][0] = "1/8〜1/9"; }, "「〜」"},
        {[](GradeBook& b) { b.StudentNames[0] = "¥山田"; }, "「¥」"},
    };
    for (const auto& c : cases) {
        auto book = FreshBook();
        c.spoil(*book);
        const auto error = WriteGradeBook(path, *book);
        ASSERT_TRUE(error) << c.mentions;
        EXPECT_NE(error->reason.find(c.mentions), std::string::npos) << error->reason;
        EXPECT_FALSE(std::filesystem::exists(path));
    }
    auto book = FreshBook();
    book->SchoolYear = "2026;年度"; // a whole-line text may hold ";"
    EXPECT_FALSE(WriteGradeBook(path, *book));
}

TEST(BackupPath, ReplacesTheExtensionOfTheName)
{
    EXPECT_EQ(BackupPath("/成績/3年1組.txt"), "/成績/3年1組.bak");
    EXPECT_EQ(BackupPath("/成績/class"), "/成績/class.bak");
    EXPECT_EQ(BackupPath("/home/my.docs/3年1組.txt"), "/home/my.docs/3年1組.bak");
    EXPECT_EQ(BackupPath("/a/b.c.d"), "/a/b.c.bak"); // more dots: only the last extension goes
    EXPECT_EQ(BackupPath("/成績/3年1組.1学期.txt"), "/成績/3年1組.1学期.bak");
    EXPECT_EQ(BackupPath("name.txt"), "name.bak");
    EXPECT_EQ(ExportBackupPath("/成績/3年1組.csv"), "/成績/3年1組.csv.bak"); // an export keeps its whole name
    EXPECT_EQ(ExportBackupPath("/成績/3年1組.pdf"), "/成績/3年1組.pdf.bak");
}

TEST(SaveGradeBook, KeepsThePreviousContentAsTheBackup)
{
    TempDir dir;
    const std::string path = dir.file("3年1組.txt");
    auto book = FreshBook();
    ASSERT_FALSE(WriteGradeBook(path, *book)); // first save: nothing to back up
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::u8path(dir.file("3年1組.bak"))));
    const std::string first = readBytes(path);

    book->TeacherName = "鈴木";
    ASSERT_FALSE(WriteGradeBook(path, *book));
    EXPECT_EQ(readBytes(dir.file("3年1組.bak")), first);
    EXPECT_EQ(readBytes(path), encode(*book));
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.file("")), {}), 2);

    // Saving the same again writes nothing: the backup keeps the version before.
    SaveReport report;
    ASSERT_FALSE(WriteGradeBook(path, *book, report));
    EXPECT_TRUE(report.unchanged);
    EXPECT_EQ(readBytes(dir.file("3年1組.bak")), first);
}

#ifndef _WIN32
// A file size limit (RLIMIT_FSIZE) stands for the full disk.
TEST(SaveGradeBook, AFailedSaveLeavesTheOldFileAndBackupUntouched)
{
    TempDir dir;
    const std::string path = dir.file("class.txt");
    ASSERT_FALSE(WriteGradeBook(path, *FreshBook()));
    auto changed = FreshBook();
    changed->TeacherName = "鈴木";  // a save of other bytes leaves a backup
    ASSERT_FALSE(WriteGradeBook(path, *changed));
    const std::string old = readBytes(path);
    const std::string oldBackup = readBytes(dir.file("class.bak"));

    // A disk that fills up: files may not grow beyond 64 KiB.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    const auto error = WriteGradeBook(path, *populatedBook());
    setrlimit(RLIMIT_FSIZE, &saved);

    ASSERT_TRUE(error);
    EXPECT_FALSE(error->reason.empty());
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(readBytes(dir.file("class.bak")), oldBackup);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.file("")), {}), 2);
}
#endif

TEST(SaveGradeBook, AMissingFolderIsReported)
{
    TempDir dir;
    const auto error = WriteGradeBook(dir.file("no/such/folder.txt"), *FreshBook());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->reason, "保存先のフォルダーが見つかりません。");
}

TEST(GradeBookFile, DamagedFilesAreRefusedOrReadNeverCrash)
{
    const std::string good = encode(*populatedBook());
    std::mt19937 random(20261207);
    auto document = FreshBook();
    int refused = 0;
    for (int round = 0; round < 100; ++round) {
        std::string bytes = good;
        const int damage = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < damage; ++i) {
            const std::size_t at = random() % bytes.size();
            switch (random() % 3) {
            case 0: bytes[at] = static_cast<char>(random() % 256); break;
            case 1: bytes.erase(at, random() % 64); break;
            default: bytes.insert(at, 1, "\n;\x81-9."[random() % 6]); break;
            }
        }
        const auto error = ParseGradeBook(bytes, *document);
        if (error) {
            ++refused;
            EXPECT_GE(error->line, 1);
            EXPECT_LE(error->line, kGradeBookLines);
            EXPECT_FALSE(error->reason.empty());
        } else {
            std::string again;
            EXPECT_FALSE(EncodeGradeBook(*document, again)) << "a file that was read can be written";
        }
    }
    EXPECT_GT(refused, 0);
}
