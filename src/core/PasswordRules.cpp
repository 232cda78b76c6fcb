#include "core/PasswordRules.h"

namespace miravel {

std::size_t PasswordCharacters(const std::string& password)
{
    std::size_t characters = 0;
    for (unsigned char c : password)
        characters += (c & 0xC0) != 0x80;
    return characters;
}

std::string NewPasswordProblem(const std::string& password, const std::string& again)
{
    if (PasswordCharacters(password) < kMinimumPasswordLength)
        return "パスワードは8文字以上にしてください。";
    if (password != again)
        return "二つのパスワードが一致しません。もう一度入力してください。";
    return std::string();
}

} // namespace miravel
