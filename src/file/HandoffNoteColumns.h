#pragma once
// The hand-off profile's columns of the report notes (所見, the written
// subjects, 出欠, 行動1 … 行動10) and how a line break in a text is written:
//
//   [profile]
//   newline=remove       remove (the default), keep (inside the quoted
//                        field) or the text written instead, e.g. "／" (in
//                        double quotes when it has blanks at its ends)
//   [symbols]
//   mark=○               what a 行動 ○ is written as (empty when not given)

#include <string>

namespace miravel {

enum class NoteColumn {
    Remarks, Moral, Integrated, Foreign,  // the texts, in NoteText order
    SchoolDays, Excused, Required, Absent, Attended, AttendanceNote,
    Conduct1,  // 行動1; 行動N is Conduct1 + N - 1
};
constexpr int kNoteColumns = static_cast<int>(NoteColumn::Conduct1) + 10;

// "所見", "授業日数", "行動3", … for 0 .. kNoteColumns - 1.
std::string NoteColumnName(int column);
// The column of a name; -1 when it is none of them.
int NoteColumnIndex(const std::string& name);

enum class HandoffNewline { Remove, Keep, Replace };

// Reads the value of newline=; false when it cannot be one.
bool ParseHandoffNewline(const std::string& value, HandoffNewline& newline, std::string& replacement);
// The value written back; reads back as the same.
std::string HandoffNewlineValue(HandoffNewline newline, const std::string& replacement);

// `text` with its line breaks ("\n", "\r\n") as the profile wants them.
std::string WithHandoffNewlines(const std::string& text, HandoffNewline newline, const std::string& replacement);

} // namespace miravel
