#pragma once
// The built-in vocabulary of a fresh grade book.

#include "core/GradeBook.h"

namespace miravel {

// Keys of the tree pictures shown beside subject and semester nodes.
extern const char* const SubjectKeys[kSubjects];
extern const char* const SemesterKeys[kSemesters];

// Puts the document back to an empty class with the default subjects,
// catalogues, semester names and test titles. Leaves the file path, the
// saved flag, EditAccepted and the selected node alone.
void InitDefaults(GradeBook& book);

} // namespace miravel
