#include "grades/HandoffCheck.h"

#include "grades/LetterChecks.h"
#include "grades/NoteChecks.h"

#include <algorithm>

namespace miravel {

namespace {

const char* const kClassKey = "HomeRoom";  // codes are kept with the class

} // namespace

std::vector<GradeFinding> CheckBeforeHandoff(GradeBook& book, const HandoffProfile& profile)
{
    // The same checks 入力の確認 shows.
    std::vector<GradeFinding> findings = CheckGrades(book);
    const bool codeColumn = std::any_of(profile.columns.begin(), profile.columns.end(),
                                        [](const HandoffColumn& c) { return c.field == HandoffField::Code; });
    for (int n = 1; codeColumn && n <= book.StudentCount; ++n)
        if (!book.StudentNames[n - 1].empty() && book.Evaluation.StudentCodes[n - 1].empty())
            findings.push_back({kClassKey, "出席番号 " + std::to_string(n) + " " + book.StudentNames[n - 1] +
                                               "：コードがありません（書式にコードの列があります）"});
    if (profile.encoding == HandoffEncoding::Cp932) {
        const std::vector<GradeFinding> notes = CheckNotesForCp932(book);
        findings.insert(findings.end(), notes.begin(), notes.end());
    }
    return findings;
}

std::string HandoffQuestion(std::size_t findings)
{
    return "確認で " + std::to_string(findings) + " 件の問題があります。このまま書き出しますか？";
}

} // namespace miravel
