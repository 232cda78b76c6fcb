#pragma once
// What a new password for a book must be.

#include <cstddef>
#include <string>

namespace miravel {

constexpr std::size_t kMinimumPasswordLength = 8;

// Characters, not bytes (UTF-8): as the rule counts them, so the window
// puts the focus where the rule found the fault.
std::size_t PasswordCharacters(const std::string& password);

// Why `password`, typed twice (`again`), cannot be a book's password; empty
// when it can. Characters are counted, not bytes (UTF-8).
std::string NewPasswordProblem(const std::string& password, const std::string& again);

} // namespace miravel
