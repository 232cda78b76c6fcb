#pragma once
// The built-in vocabulary of a fresh grade book.

#include "core/GradeBook.h"

#include <optional>
#include <string>
#include <vector>

namespace miravel {

// Keys of the tree pictures shown beside subject and semester nodes.
extern const char* const SubjectKeys[kSubjects];
extern const char* const SemesterKeys[kSemesters];

// Puts the document back to an empty class with the default subjects,
// catalogues, semester names and test titles. Leaves the file path, the
// saved flag, EditAccepted and the selected node alone.
void InitDefaults(GradeBook& book);

// The viewpoint names a new class starts with: the three of the current
// course of study for every subject, or the old per-subject set that
// InitDefaults gives (kept for books made before).
enum class ViewpointSet { Current, Old };
void ApplyViewpointSet(GradeDocument& book, ViewpointSet set);

// The set whose names every subject of the book holds, if any.
std::optional<ViewpointSet> HeldViewpointSet(const GradeDocument& book);

// The school year a date belongs to: it starts in April, so January to
// March count to the year before.
int SchoolYearOf(int year, int month);

// "2026年（令和8年）", as the class editor's year list writes a year; the
// first year of an era is 元年.
std::string SchoolYearText(int year);

// The years offered for a class on a date: five before its school year to
// one after, oldest first; `current` is the index of its own year.
struct SchoolYearChoices {
    std::vector<std::string> years;
    int current = 0;
};
SchoolYearChoices SchoolYearsAround(int year, int month);

} // namespace miravel
