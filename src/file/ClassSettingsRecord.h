#pragma once
// A small record per class of how its book was last evaluated, kept in the
// user's data folder: a plain book copied or renamed without its settings
// file would otherwise open with the default settings and change every
// letter and 評定 without a word. Keyed by 年度, 学年, 組 and 担任; it holds
// the evaluation method only, nothing about a student.
//
//   [record]
//   saved=2025/04/07 09:30:15
//   [evaluation] ... as in the settings file

#include "core/GradeBook.h"
#include "file/FileError.h"
#include "file/ProtectedBook.h"

#include <string>

namespace miravel {

std::string ClassRecordPath(const std::string& dataFolder, const GradeDocument& book);

// After a plain book was saved: keeps its evaluation method when it differs
// from the defaults (and drops an older record when it no longer does).
FileResult WriteClassRecord(const std::string& dataFolder, const GradeDocument& book, const std::string& time);

// What to tell the teacher about a plain book that opened without its
// settings file.
struct MissingSettingsAdvice {
    enum class Kind { None, OfferRecord, SayMissing } kind = Kind::None;
    std::string text;             // the question or the notice
    EvaluationSettings settings;  // OfferRecord: the settings the record keeps
};

// Beside the record: the newest save of the class's protected book opened or
// saved here (its counter and time), so an older sealed copy is noticed.
//   counter=12
//   time=1775525415
std::string SealRecordPath(const std::string& dataFolder, const GradeDocument& book);
SealStamp SeenSealStamp(const std::string& dataFolder, const GradeDocument& book);
// Keeps `stamp` when it is newer than the one kept.
FileResult NoteSealStamp(const std::string& dataFolder, const GradeDocument& book, const SealStamp& stamp);
// The notice for a sealed file older than the newest seen here (empty when
// it is not): "このファイルは、このパソコンで前に開いたものより古い版です（保存日時 2025/04/07 09:30）。"
std::string RollbackNotice(const SealStamp& seen, const SealStamp& opened);

MissingSettingsAdvice AdviseMissingSettings(const std::string& dataFolder, const std::string& bookPath,
                                            const GradeDocument& book);

} // namespace miravel
