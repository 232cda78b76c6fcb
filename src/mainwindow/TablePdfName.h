#pragma once
// The name a printed table is offered as a PDF file: the class and the table
// shown, "3年1組-国語-一学期", so every table gets a name of its own instead of
// the one printed last.

#include "core/GradeBook.h"

#include <string>

namespace miravel {

// Without the ".pdf"; characters a file name cannot hold become "_".
std::string TablePdfName(const GradeBook& book);

} // namespace miravel
