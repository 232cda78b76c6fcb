#pragma once
// The report notes' part of the settings file:
//
//   [remarks.P]          P = period 1..3; n<N> = student N's 所見
//   n1=…                 "\n" a line break, "\\" a backslash (more below)
//   [moral.P] [integrated.P] [foreign.P]   the same shape
//   [attendance.P]
//   days=68              授業日数; no key while not entered
//   n1=0,2,かぜ 2        停止等,欠席,備考; the 備考 is the rest of the line,
//                        commas included, so it needs no escape of its own
//   [conduct]
//   items=基本的な生活習慣,…   the ten item names; "\," a comma inside one
//   [conduct.P]
//   n1=1,0,1,1,0,0,1,0,0,1    1 = ○
//   [limits]
//   remarks=200          and moral=, integrated=, foreign= (characters)
//   [written]
//   uses=moral,integrated   the written subjects the class uses
//
// A text is one line: besides "\n" and "\\", "\t" is a tab, "\r" a carriage
// return, "\#" a "#" (" #" would start a comment) and "\s" a blank at the
// start or end (the reader trims blanks there). Only what differs from the
// defaults is written.

#include "core/ReportNotes.h"
#include "file/FileError.h"

#include <string>

namespace miravel {

// True for the sections above (periods 1..3 only).
bool IsNotesSection(const std::string& section);

// True when `key` of `section` is one of the notes' keys; others of these
// sections are kept as this version's unknown keys.
bool IsNotesKey(const std::string& section, const std::string& key);

// Reads one notes key into `notes`; a value that is not understood is
// refused with a Japanese reason naming the section and key.
FileResult ReadNotesSetting(int line, const std::string& section, const std::string& key, const std::string& value,
                            ReportNotes& notes);

// The sections for `notes`, each preceded by a blank line; empty at the defaults.
std::string ReportNotesText(const ReportNotes& notes);

// One line of text as a value, and back; nothing when an escape is unknown.
std::string EscapeNoteText(const std::string& text);
std::optional<std::string> UnescapeNoteText(const std::string& value);

} // namespace miravel
