#pragma once
// A hand-off profile (*.miravel-profile): how one school-affairs system wants
// a period's letters and 評定 in its import file. UTF-8 INI, written by hand
// or by the profile editor and shared between teachers as a file:
//
//   [profile]
//   name=◎○△ と評定
//   encoding=cp932        utf-8-bom, utf-8 or cp932
//   header=yes            yes or no: a header row first
//   [symbols]
//   A=◎                   the text of each letter (A, B, C), of 評定 3, 2, 1
//   none=                 and of no evaluation
//   [columns]
//   1=出席番号            学年, 組, 出席番号, コード, 氏名, s<S>v<V>,
//   2=s1v1                s<S>評定 or a fixed text in double quotes,
//   3="前期"              numbered from 1 without gaps
//   [headers]
//   2=国語 知識・技能     a column's header; else the book's own names
//
// A line starting with ";" or "#" is a comment.

#include "file/FileError.h"

#include <array>
#include <string>
#include <vector>

namespace miravel {

extern const char* const kHandoffProfileExtension;  // ".miravel-profile"

enum class HandoffEncoding { Utf8Bom, Utf8, Cp932 };

enum class HandoffField { GradeLevel, ClassName, Number, Code, Name, Letter, SubjectGrade, Fixed };

struct HandoffColumn {
    HandoffField field = HandoffField::Number;
    int subject = 0;     // 0..9: Letter and SubjectGrade
    int viewpoint = 0;   // 0..2: Letter
    std::string text;    // Fixed: what every row holds
    std::string header;  // empty: the book's own name

    bool operator==(const HandoffColumn& o) const
    {
        return field == o.field && subject == o.subject && viewpoint == o.viewpoint && text == o.text &&
               header == o.header;
    }
};

struct HandoffProfile {
    std::string name;
    HandoffEncoding encoding = HandoffEncoding::Utf8Bom;
    bool header = true;
    std::array<std::string, 3> letters{"A", "B", "C"};  // A, B, C
    std::array<std::string, 3> grades{"3", "2", "1"};   // 評定 3, 2, 1
    std::string none;                                   // no letter or 評定
    std::vector<HandoffColumn> columns;

    bool operator==(const HandoffProfile& o) const
    {
        return name == o.name && encoding == o.encoding && header == o.header && letters == o.letters &&
               grades == o.grades && none == o.none && columns == o.columns;
    }
};

// A column as the [columns] section writes it: "学年", "s2v3", "s2評定",
// "\"前期\"" (quotes inside doubled).
std::string HandoffColumnKey(const HandoffColumn& column);
// False for anything that is not one of those forms.
bool ParseHandoffColumn(const std::string& value, HandoffColumn& column);

// "utf-8-bom", "utf-8", "cp932".
const char* HandoffEncodingName(HandoffEncoding encoding);

// A section, key or value that is not understood, a line that is no
// "key=value", text that is not UTF-8, a missing symbol, column or setting:
// refused with its line (0 when no one line is at fault), and `profile`
// left untouched.
FileResult ParseHandoffProfile(const std::string& text, HandoffProfile& profile);

// What the profile editor saves; reads back as the same profile.
std::string HandoffProfileText(const HandoffProfile& profile);

FileResult ReadHandoffProfile(const std::string& path, HandoffProfile& profile);
FileResult WriteHandoffProfile(const std::string& path, const HandoffProfile& profile);

} // namespace miravel
