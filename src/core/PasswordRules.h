#pragma once
// What a new password for a book must be.

#include <cstddef>
#include <string>

namespace miravel {

constexpr std::size_t kMinimumPasswordLength = 8;

// Why `password`, typed twice (`again`), cannot be a book's password; empty
// when it can. Characters are counted, not bytes (UTF-8).
std::string NewPasswordProblem(const std::string& password, const std::string& again);

} // namespace miravel
