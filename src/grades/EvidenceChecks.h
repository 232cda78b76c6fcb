#pragma once
// Letters that rest on too little: one test or record where the class had
// two or more for the viewpoint and period, or less than a third of the full
// points the class was given for it (根拠が少ない評価).

#include "core/GradeBook.h"
#include "grades/GradeChecks.h"

#include <string>
#include <vector>

namespace miravel {

struct ThinEvidence {
    int student = 0;    // attendance number
    int subject = 0;    // 0..9
    int viewpoint = 0;  // 0..2
    int period = 0;     // 0..2, 3 通年
    int count = 0;      // tests and records the letter rests on
    int classCount = 0; // tests and records the class had
    double fullPoints = 0;
    double classFullPoints = 0;
    bool operator==(const ThinEvidence& o) const
    {
        return student == o.student && subject == o.subject && viewpoint == o.viewpoint && period == o.period &&
               count == o.count && classCount == o.classCount && fullPoints == o.fullPoints &&
               classFullPoints == o.classFullPoints;
    }
};

// Whether a letter resting on `count` items of `fullPoints` is thin beside
// the class's `classCount` items of `classFullPoints`.
bool IsThinEvidence(int count, double fullPoints, int classCount, double classFullPoints);

// Every shown letter of every named student that is thin, by period,
// subject, viewpoint and student. In relative mode the book's six subjects
// rest on their tests only; the records are not counted there.
std::vector<ThinEvidence> FindThinEvidence(const GradeBook& book);

// The findings of 入力の確認: 「根拠が少ない評価」 naming the student, the
// subject and the viewpoint.
std::vector<GradeFinding> CheckThinEvidence(const GradeBook& book);

// For each subject 7..10 in use and each shown period with records: the
// named students left without any letter, absent from every record of it
// (すべて欠席) or not yet recorded (記録なし).
std::vector<GradeFinding> CheckUnevaluatedRecordSubjects(const GradeBook& book);

} // namespace miravel
