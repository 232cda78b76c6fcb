#include "file/ImportColumns.h"

#include <cctype>
#include <set>

namespace miravel {

namespace {

constexpr std::string_view kFullWidthBlank = "\xE3\x80\x80";  // U+3000

bool Has(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

}  // namespace

// Full-width digits ０..９ are EF BC 90..99.
std::string HalfWidthDigits(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i + 2 < text.size() && static_cast<unsigned char>(text[i]) == 0xEF &&
            static_cast<unsigned char>(text[i + 1]) == 0xBC && static_cast<unsigned char>(text[i + 2]) >= 0x90 &&
            static_cast<unsigned char>(text[i + 2]) <= 0x99) {
            out += static_cast<char>('0' + (static_cast<unsigned char>(text[i + 2]) - 0x90));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

namespace {

bool LooksLikeAccount(std::string_view cell) { return Has(cell, "@") && !Has(cell, " "); }

} // namespace

ColumnKind HeaderKind(std::string_view cell)
{
    const std::string key = MatchKey(cell);
    // A reading in kana or roman letters is no name to store.
    for (std::string_view reading : {"かな", "カナ", "ｶﾅ", "ふりがな", "フリガナ", "よみ", "ローマ字"})
        if (Has(key, reading))
            return ColumnKind::Other;
    for (std::string_view word : {"出席番号", "番号", "no", "no.", "出席no", "出席no."})
        if (key == word)
            return ColumnKind::Number;
    for (std::string_view word : {"児童コード", "生徒コード", "学籍番号", "児童番号", "生徒番号", "コード", "個人番号"})
        if (key == word)
            return ColumnKind::Code;
    for (std::string_view word : {"学年"})
        if (key == word)
            return ColumnKind::Grade;
    for (std::string_view word : {"組", "クラス", "学級", "class"})
        if (key == word)
            return ColumnKind::ClassRoom;
    for (std::string_view word : {"メール", "アカウント", "ログインid", "ユーザーid", "ユーザー名", "email", "e-mail"})
        if (Has(key, word))
            return ColumnKind::Account;
    for (std::string_view word : {"氏名", "名前", "児童名", "生徒名", "name"})
        if (Has(key, word))
            return ColumnKind::Name;
    return ColumnKind::Other;
}

ImportColumns DetectColumns(const std::vector<CsvRow>& rows)
{
    ImportColumns found;
    if (rows.empty())
        return found;
    const int columns = static_cast<int>(ColumnCount(rows));
    for (int c = 0; c < columns; ++c) {
        int* slot = nullptr;
        switch (HeaderKind(CellOf(rows[0], c))) {
        case ColumnKind::Name: slot = &found.name; break;
        case ColumnKind::Number: slot = &found.number; break;
        case ColumnKind::Account: slot = &found.account; break;
        case ColumnKind::Code: slot = &found.code; break;
        case ColumnKind::Grade: slot = &found.grade; break;
        case ColumnKind::ClassRoom: slot = &found.classRoom; break;
        case ColumnKind::Other: break;
        }
        if (slot && *slot < 0) {
            *slot = c;
            found.header = true;
        }
    }
    if (found.header)
        return found;

    for (int c = 0; c < columns; ++c) {
        std::set<int> numbers;
        int accounts = 0, texts = 0;
        for (const CsvRow& row : rows) {
            const std::string cell = TrimBlanks(CellOf(row, c));
            if (const int n = AttendanceNumberOf(cell))
                numbers.insert(n);
            else if (LooksLikeAccount(cell))
                ++accounts;
            else if (!cell.empty() && !std::isdigit(static_cast<unsigned char>(cell[0])))
                ++texts;
        }
        const std::size_t count = rows.size();
        if (found.number < 0 && numbers.size() == count)
            found.number = c;
        else if (found.account < 0 && accounts * 2 > static_cast<int>(count))
            found.account = c;
        else if (found.name < 0 && texts * 2 > static_cast<int>(count))
            found.name = c;
    }
    return found;
}

std::string TrimBlanks(std::string_view text)
{
    for (;;) {
        if (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
            text.remove_prefix(1);
        else if (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
            text.remove_suffix(1);
        else if (text.substr(0, kFullWidthBlank.size()) == kFullWidthBlank)
            text.remove_prefix(kFullWidthBlank.size());
        else if (text.size() >= kFullWidthBlank.size() && text.substr(text.size() - kFullWidthBlank.size()) == kFullWidthBlank)
            text.remove_suffix(kFullWidthBlank.size());
        else
            return std::string(text);
    }
}

std::string MatchKey(std::string_view text)
{
    std::string key;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, kFullWidthBlank.size()) == kFullWidthBlank)
            i += kFullWidthBlank.size() - 1;
        else if (!std::isspace(static_cast<unsigned char>(text[i])))
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
    }
    return key;
}

std::string StorableId(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)
            out += c;
    return TrimBlanks(out);
}

int AttendanceNumberOf(std::string_view cell)
{
    const std::string digits = MatchKey(HalfWidthDigits(cell));
    if (digits.empty() || digits.size() > 2 || digits.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    const int n = std::stoi(digits);
    return n >= 1 && n <= 40 ? n : 0;
}

} // namespace miravel
