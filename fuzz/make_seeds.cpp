// Writes the seed files of the fuzz targets into the folders given: whole
// grade books written by the program's own writer (a fresh one and a full
// one), cut at the lines where the file's sections change and in the middle
// of a line and of a two-byte character; a few name books, typed texts and
// recovery records. Each target's seeds go into the folder of its name.

#include "file/CompanionFile.h"
#include "core/Defaults.h"
#include "core/GradeBook.h"
#include "file/Cp932.h"
#include "file/GradeBookFile.h"

#include <fstream>
#include <iterator>
#include <iostream>
#include <memory>
#include <string>

namespace {

using namespace miravel;

void save(const std::string& folder, const std::string& name, const std::string& bytes)
{
    std::ofstream(folder + "/" + name, std::ios::binary) << bytes;
}

std::unique_ptr<GradeBook> fullBook()
{
    auto book = std::make_unique<GradeBook>();
    InitDefaults(*book);
    book->SchoolYear = "2026";
    book->GradeLevel = "5年";
    book->ClassName = "1組";
    book->TeacherName = "山田 花子";
    book->StudentCount = kStudents;
    for (int i = 0; i < kStudents; ++i)
        book->StudentNames[i] = i == 7 ? "" : "ｶﾀｶﾅ生徒" + std::to_string(i + 1);
    for (int slot = 0; slot < kSlots; ++slot) {
        for (int i = 0; i < kStudents; ++i)
            book->Scores[slot][i] = static_cast<float>((slot * 7 + i * 13) % 101);
        book->Scores[slot][5] = kAbsent;
        book->Scores[slot][6] = 10072.5f;
        book->Scores[slot][kAverageColumn] = 61.7f;
        book->SlotTitles[slot][0] = "7/" + std::to_string(slot % 28 + 1);
    }
    for (auto& period : book->RankCountA)
        period.fill(12);
    return book;
}

// The first `lines` lines of a file.
std::string firstLines(const std::string& bytes, int lines)
{
    std::size_t end = 0;
    for (int i = 0; i < lines && end != std::string::npos; ++i) {
        end = bytes.find('\n', end);
        if (end != std::string::npos)
            ++end;
    }
    return bytes.substr(0, end);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_seeds SEEDS_DIR (with gradebook/ roster/ ... unseal/ in it)\n";
        return 2;
    }
    const std::string seeds = argv[1];
    const std::string books = seeds + "/gradebook", rosters = seeds + "/roster";
    const std::string texts = seeds + "/fieldtext", records = seeds + "/recovery";
    auto fresh = std::make_unique<GradeBook>();
    InitDefaults(*fresh);
    std::string freshBytes, fullBytes;
    if (EncodeGradeBook(*fresh, freshBytes) || EncodeGradeBook(*fullBook(), fullBytes))
        return 1;
    save(books, "fresh.txt", freshBytes);
    save(books, "full.txt", fullBytes);
    for (int lines : {1, 5, 6, 14, 23, 24, 100, 839, 840, 1654})
        save(books, "full-" + std::to_string(lines) + "-lines.txt", firstLines(fullBytes, lines));
    save(books, "full-cut-in-a-line.txt", firstLines(fullBytes, 30) + "12.5;-1.0;8");
    const std::size_t name = fullBytes.find(*Utf8ToCp932("生徒"));
    save(books, "cut-in-a-character.txt", fullBytes.substr(0, name + 1));

    save(rosters, "commas.csv", *Utf8ToCp932("山田,田中,佐藤\r\n"));
    save(rosters, "mixed.csv", *Utf8ToCp932("山田,田中;佐藤\r\n;;鈴木\r\n\r\n ｶﾀｶﾅ\r\n"));
    save(rosters, "lines.csv", *Utf8ToCp932("山田\n田中\r佐藤\r\n"));
    save(rosters, "controls.csv", *Utf8ToCp932("山田\t一郎,\x1b田中;\x7f\r\n"));

    save(texts, "name.txt", "山田;太郎\r\n");
    save(texts, "kin.txt", "4月〜7月 −5 ‖ ¢£¬");
    save(texts, "controls.txt", std::string("a\0b\tc\x1b\x7f", 7));
    save(texts, "unstorable.txt", "鷗外😀\xff");

    save(records, "record.recovery", "Miravel recovery copy\ntime=2025/04/07 09:30:15\npid=123\npath=/成績/3年1組.txt\n");
    save(records, "behind.recovery", "Miravel recovery copy\ntime=2025/04/07 09:30:15\npid=1\nbehind=1\npath=\n");

    EvaluationSettings settings;
    settings.Mode = EvaluationMode::Criterion;
    settings.CheckedLetters.assign(kStudents, "AB-2");
    settings.StudentCodes[6] = "S20250107";
    settings.StudentAccounts[6] = "s7@example.jp";
    save(seeds + "/settings", "full.miravel", EvaluationSettingsText(settings));
    ReportNotes& notes = settings.Notes;
    notes.Periods[0].SchoolDays = 68;
    notes.Student(1, 1).Text(NoteText::Remarks) = " 元気です。\n\\ #1 ";
    notes.Student(1, 2).AttendanceNote = "かぜ, 2";
    notes.Student(2, 40).Conduct[3] = true;
    notes.ConductItems[0] = "a,b\\";
    notes.Limits[1] = 150;
    notes.Uses[3] = true;
    save(seeds + "/settings", "notes.miravel", EvaluationSettingsText(settings));
    save(seeds + "/settings", "comments.miravel", "\xEF\xBB\xBF# note\n[grade]\na3 = 2.5 # high\n; old\nc1=1\n");
    save(seeds + "/versions", "counted", "v000031-20250407-093015\nMiravel saved version\ntime=2025/04/07 09:30:15\n"
                                         "description=学級の登録\n");
    save(seeds + "/versions", "before-the-count", "20250407-093015-02\nMiravel saved version\ntime=\ndescription=\n");

    // Tables as a school's roster, a form's answers and a pasted block come;
    // the first byte of the roster and score seeds is the target's choices.
    const std::string roster = "出席番号,氏名,ふりがな,アカウント,学年,組\r\n1,山田 花子,やまだ,s1@example.jp,3年,1組\r\n"
                               "2,\"田中, 一郎\",たなか,,3年,1組\r\n,佐藤\r\n";
    save(seeds + "/csvtable", "roster.csv", roster);
    save(seeds + "/csvtable", "cp932.csv", *Utf8ToCp932("番号\t氏名\r\n1\t\"山\"\"田\"\n"));
    save(seeds + "/rostertable", "header.csv", "\x02" + roster);
    save(seeds + "/rostertable", "plain.csv", std::string("\x05") + "山田\n田中\n3,佐藤\n");
    const std::string form = "タイムスタンプ,名前,メールアドレス,スコア,ポイント,ポイント\r\n"
                             "2026/06/12 9:07:40,生徒2,s2@example.jp,7 / 10,3,4\r\n2026/06/12 9:07:02,生徒2,,6,欠,\r\n"
                             "2026/06/12 9:08:00,だれか,x@example.jp,120,,\r\n";
    save(seeds + "/scoreimport", "form.csv", "\x0f" + form);
    save(seeds + "/scoreimport", "numbers.csv", std::string("\x01") + "出席番号,得点\n1,8\n2,*\n9,5\n");
    save(seeds + "/scorepaste", "block.txt", std::string("\x01\x00", 2) + "30\t40\t9\r\n60\t\r\n欠\t120\n\t1\n\"7\"\n");
    std::ifstream shipped(std::string(MIRAVEL_SOURCE_DIR) + "/share/profiles/abc.miravel-profile", std::ios::binary);
    save(seeds + "/profile", "abc.miravel-profile", std::string(std::istreambuf_iterator<char>(shipped), {}));
    save(seeds + "/profile", "formulas.miravel-profile", "[profile]\nname=x\nencoding=cp932\nheader=yes\nformulas=allow\n"
                                                       "[symbols]\nA=◎\nB=○\nC=△\nnone=\n3=3\n2=2\n1=1\n"
                                                       "[columns]\n1=出席番号\n2=s1v1\n3=\"前\"\"期\"\n[headers]\n2=国語\n");
    save(seeds + "/unseal", "opened", std::string("\x01\x80\x00\x00", 4) + fullBytes.substr(0, 2000) + "[evaluation]\nmode=criterion\n");
    save(seeds + "/unseal", "header-changed", std::string("\x03\x40\x00\x1d", 4) + freshBytes.substr(0, 500));
    save(seeds + "/unseal", "as-it-comes", std::string(4, '\0') + "Miravel protected book\n\x02\x01" +
                                            std::string(120, '\x01'));
    return 0;
}
