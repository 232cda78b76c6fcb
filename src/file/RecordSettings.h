#pragma once
// The records' part of the companion file: [subject.N] for subjects 7..10,
// [record.S.P.K] for each record, [weights] for 記録の割合, and the cuts
// s7v1 .. s10v3 under [criterion].

#include "core/EvaluationSettings.h"
#include "file/FileError.h"

#include <map>
#include <optional>
#include <string>
#include <tuple>

namespace miravel {

// True for the sections the records own.
bool IsRecordSection(const std::string& section);

// Collects the records' keys while the file is read; Finish puts them in
// place once every key is known (a record's kind may follow its values).
class RecordSettingsReader {
public:
    // The result of reading the key when it is the records' own, nullopt
    // when it is not (the caller reads or keeps it).
    std::optional<FileResult> Entry(const std::string& section, const std::string& key, const std::string& value,
                                    int line, EvaluationSettings& settings);
    FileResult Finish(EvaluationSettings& settings);

private:
    struct Pending {
        ClassRecord record;
        bool mark = true;
        std::string full, values;
        int fullLine = 0, valuesLine = 0;
    };
    std::map<std::tuple<int, int, int>, Pending> records_;  // subject, period, number
};

// The s7v1 .. lines under [criterion]: only for subjects in use or cuts
// changed, so a file without the new subjects keeps its old lines.
std::string ExtraCutLines(const EvaluationSettings& settings);

// The records' sections, each preceded by a blank line; empty for none.
std::string RecordSettingsText(const ClassRecords& records);

} // namespace miravel
