#pragma once
// The name the table shown is offered under, as a printed PDF or a CSV
// file: the class and the table, "3年1組-国語-一学期", "3年2組-評価の一覧-前期",
// so every table gets a name of its own instead of the one saved last.

#include "core/GradeBook.h"

#include <string>

namespace miravel {

// Without the ".pdf"; characters a file name cannot hold become "_".
std::string TablePdfName(const GradeBook& book);

// `name` with "_" for each character a file name cannot hold (UTF-8 kept).
std::string FileNameSafe(std::string name);

} // namespace miravel
