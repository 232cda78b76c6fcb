#pragma once
// What the class editor does to the grade book: the roster grid it opens
// with, moving between attendance numbers, registering the class and its
// roster, and transferring one student out. No window here; FormHomeRoom
// only wires its controls to these.

#include "core/Defaults.h"
#include "core/GradeBook.h"
#include "core/TextGrid.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace miravel {

constexpr int kRosterRows = kStudents + 1;            // the header row and numbers 1..40
constexpr int kRosterCols = 2;                        // number, name
constexpr int kRosterNumberWidth = 400;               // twips
constexpr std::uint32_t kRosterCellColour = 0xFFFFE0; // RGB(255, 255, 224)

// Opening: the year "未登録です" of a class never registered becomes empty,
// in the grade book itself (it stays empty if the editor is cancelled).
void ForgetUnregisteredMarker(GradeBook& book);

// The roster grid as the editor opens: 41 rows x 2 columns, the headings,
// every attendance number with its name, rows 1..40 coloured.
void FillRosterGrid(const GradeBook& book, TextGrid& grid, int nameColumnWidth);

// The attendance number typed or chosen in the number box, rounded (halves
// to even) and kept inside 1..40; text without a number gives 1.
int AttendanceNumberFromText(std::string_view text);
int NextAttendanceNumber(int studentNo);
int PreviousAttendanceNumber(int studentNo);

// What the teacher typed: the header and the names of numbers 1..40.
struct HomeRoomEntries {
    std::string SchoolYear;
    std::string GradeLevel;
    std::string ClassName;
    std::string TeacherName;
    std::array<std::string, kStudents> Names;
    // Student codes and accounts of numbers 1..40; the book's stay when absent.
    std::optional<std::array<std::string, kStudents>> Codes, Accounts;
    // A new class's viewpoint names; a registered class keeps its own.
    std::optional<ViewpointSet> Viewpoints;
};

// The names of the roster grid's rows 1..40.
std::array<std::string, kStudents> RosterNames(const TextGrid& grid);

// An entry holding a character the file cannot store.
enum class HomeRoomField { SchoolYear, GradeLevel, ClassName, TeacherName, StudentName };
struct UnstorableEntry {
    HomeRoomField field;
    int studentNo = 0;     // for a student's name
    std::string character; // UTF-8
};

// The message that refuses the entry, naming the field or attendance number
// and the character.
std::string UnstorableEntryMessage(const UnstorableEntry& entry);

// Default A and C counts for n enrolled students: 30 % and 10 % of n,
// rounded with halves to even.
Integer DefaultRankCountA(int enrolled);
Integer DefaultRankCountC(int enrolled);

// Registration: header and names go into the book (";" stored as "；", line
// breaks dropped), StudentCount becomes the highest named number (gaps
// stay). When the number of enrolled students changed, every A/C count is
// reset to the defaults of the new number; otherwise only counts never set
// take them. Marks the document changed. When an entry holds a character
// the file cannot store, the book is left untouched and that entry returned.
std::optional<UnstorableEntry> RegisterHomeRoom(GradeBook& book, const HomeRoomEntries& entries);

// Transfer-out of one student: the name, code, account and every score of that number are
// gone at once. StudentCount, the other students, the A/C counts and the
// class averages stored with the tests stay as they are. Marks the document
// changed.
void TransferOut(GradeBook& book, int studentNo);

} // namespace miravel
