#pragma once
// The checks of the report notes (所見, the written subjects, 出欠): what a
// parent or the school's system would otherwise find first. Each finding
// names the student by attendance number and name.

#include "core/GradeBook.h"
#include "grades/GradeChecks.h"

#include <string>
#include <string_view>
#include <vector>

namespace miravel {

// A sentence this long or longer in two students' 所見 of one period is
// reported as a copy left over from another student.
constexpr int kSharedSentenceLength = 15;

// A period is checked once anything was entered in it (授業日数 or any
// student's note) and the book's term system shows it: an untouched later
// term is not yet "missing" everything.
bool NotesStarted(const GradeBook& book, int period);

// The sentences of a text: split after 。．！？!? and at line breaks, blanks
// at both ends and the closing mark left out; empty ones dropped.
std::vector<std::string> NoteSentences(std::string_view text);

// The politeness of a text's sentence endings.
enum class WritingStyle { None, Polite, Plain, Mixed };  // です・ます / である
WritingStyle StyleOf(std::string_view text);

// The parts of a name a 所見 could mention: family and given name split at a
// blank (half or full width), or the whole name; parts shorter than two
// characters are left out, they stand inside too many ordinary words.
std::vector<std::string> NameParts(const std::string& name);

// Per started period 1..3, in this order: named students without 所見; texts
// (and the 出欠の備考) over their limit; 授業日数 missing, or 停止等 and 欠席
// beyond it; a sentence in two students' 所見; です・ます and である in one
// 所見; another student's name in a 所見.
std::vector<GradeFinding> CheckNotes(const GradeBook& book);

// The characters a code page 932 hand-off file cannot hold, per text.
std::vector<GradeFinding> CheckNotesForCp932(const GradeBook& book);

} // namespace miravel
