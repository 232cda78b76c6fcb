#pragma once
// The companion file of a grade book: its evaluation settings, beside the
// book under the book's name with the extension ".miravel", in UTF-8 INI
// form. The book's own file never changes for them.
//
//   [evaluation]
//   mode=relative        relative or criterion
//   terms=3              3 or 2
//   [criterion]
//   s1v1=80/50           A at or above 80 %, C below 50 % (s1v1 .. s6v3)
//   [grade]
//   a3=2.5               評定 3 at or above this mean letter (A=3, B=2, C=1)
//   c1=1.5               評定 1 below it
//   [check]
//   n5=AB-2...           the check list's record of student 5's letters and 評定
//   [students]
//   code7=S20250107      student 7's code in the school's system
//   account7=s7@example.jp  student 7's account (login ID or e-mail)
//   [remarks.1] [attendance.1] [conduct] [limits] …  the report notes
//                        (所見, 出欠, 行動), as ReportNotesSettings.h says
//
// Sections and keys this version does not read are kept as they came and
// written back after its own.

#include "core/EvaluationSettings.h"
#include "file/FileError.h"

#include <optional>
#include <string>

namespace miravel {

// 3年1組.txt -> 3年1組.miravel; a name without extension gets ".miravel".
std::string CompanionPath(const std::string& bookPath);

std::string EvaluationSettingsText(const EvaluationSettings& settings);

// Missing keys keep the defaults; unknown sections and keys are kept in
// OtherSettings. A value that is not understood refuses the whole text, and
// `settings` is then left as the defaults.
FileResult ParseEvaluationSettings(const std::string& text, EvaluationSettings& settings);

// The settings of the book at `bookPath`. No companion file gives the
// defaults and no error; a file that cannot be read or understood gives the
// defaults and the reason.
FileResult ReadCompanion(const std::string& bookPath, EvaluationSettings& settings);

// The companion's bytes for a save of the book at `bookPath`; none for a
// book that never had a companion and keeps the default settings, so it
// stays exactly as it was, nor for a book named like a settings file.
std::optional<std::string> SettingsFileBytes(const std::string& bookPath, const EvaluationSettings& settings);

// Written beside a copy of the book, atomically, with `mode` (0: the book's
// own, BookFileMode); the book itself is saved with its companion by SaveBook.
FileResult WriteCompanion(const std::string& bookPath, const EvaluationSettings& settings, unsigned mode = 0);

} // namespace miravel
