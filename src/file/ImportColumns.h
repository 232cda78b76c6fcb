#pragma once
// What the columns of a table from another program hold, read from its
// header row or guessed from its cells; and the forms of a name or account
// that count as the same when rows are matched to students.

#include "file/CsvTable.h"

#include <string>
#include <string_view>

namespace miravel {

enum class ColumnKind { Other, Name, Number, Account, Code, Grade, ClassRoom };

// The kind a header cell names: 氏名/名前/児童名/生徒名 a name (not its
// reading in kana), 出席番号/番号 the attendance number, メール/アカウント/
// ログインID an account, 児童コード/学籍番号 a student code, 学年 the grade
// and 組/クラス/学級 the class.
ColumnKind HeaderKind(std::string_view cell);

// Columns of each kind, -1 when there is none.
struct ImportColumns {
    int name = -1;
    int number = -1;
    int account = -1;
    int code = -1;
    bool header = false;  // the first row names its columns
    int grade = -1;       // from a header only
    int classRoom = -1;
};

// From the first row when it is a header; else guessed from the cells: the
// number column holds distinct whole numbers 1..40, the account column
// e-mail addresses, the name column the first text that is neither.
ImportColumns DetectColumns(const std::vector<CsvRow>& rows);

// Full-width digits ０..９ as ASCII, the rest as it is.
std::string HalfWidthDigits(std::string_view text);

// Blanks (half- and full-width) and other white space off both ends.
std::string TrimBlanks(std::string_view text);

// A name or account as compared: every blank, half- or full-width, is
// dropped and ASCII letters are folded to lower case.
std::string MatchKey(std::string_view text);

// A student code or account as the settings file keeps it: control
// characters dropped, no blanks around it.
std::string StorableId(std::string_view text);

// An attendance number written in a cell: " 7", "7", "０７" give 7; anything
// else (or a number outside 1..40) gives 0.
int AttendanceNumberOf(std::string_view cell);

} // namespace miravel
