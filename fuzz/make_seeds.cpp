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
        std::cerr << "usage: make_seeds SEEDS_DIR (with gradebook/ roster/ fieldtext/ recovery/ settings/ versions/ in it)\n";
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
    return 0;
}
