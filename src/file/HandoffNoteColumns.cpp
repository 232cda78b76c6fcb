#include "file/HandoffNoteColumns.h"

namespace miravel {

namespace {

const char* const kNames[] = {"所見",     "道徳",     "総合",     "外国語活動",
                              "授業日数", "出席停止・忌引等の日数", "出席しなければならない日数",
                              "欠席日数", "出席日数", "出欠の備考"};
constexpr int kNamed = sizeof(kNames) / sizeof(kNames[0]);
static_assert(kNamed == static_cast<int>(NoteColumn::Conduct1), "one name per column before 行動1");

} // namespace

std::string NoteColumnName(int column)
{
    if (column < 0 || column >= kNoteColumns)
        return std::string();
    return column < kNamed ? kNames[column] : "行動" + std::to_string(column - kNamed + 1);
}

int NoteColumnIndex(const std::string& name)
{
    for (int c = 0; c < kNoteColumns; ++c)
        if (name == NoteColumnName(c))
            return c;
    return -1;
}

bool ParseHandoffNewline(const std::string& value, HandoffNewline& newline, std::string& replacement)
{
    replacement.clear();
    if (value.empty() || value == "remove") {
        newline = HandoffNewline::Remove;
        return true;
    }
    if (value == "keep") {
        newline = HandoffNewline::Keep;
        return true;
    }
    std::string text = value;
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        text = value.substr(1, value.size() - 2);
    if (text.empty() || text.find_first_of("\r\n") != std::string::npos)
        return false;
    newline = HandoffNewline::Replace;
    replacement = text;
    return true;
}

std::string HandoffNewlineValue(HandoffNewline newline, const std::string& replacement)
{
    switch (newline) {
    case HandoffNewline::Remove: return "remove";
    case HandoffNewline::Keep: return "keep";
    case HandoffNewline::Replace: break;
    }
    return "\"" + replacement + "\"";
}

std::string WithHandoffNewlines(const std::string& text, HandoffNewline newline, const std::string& replacement)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;  // the "\n" after it stands for the break
        if (text[i] != '\n' && text[i] != '\r')
            out += text[i];
        else if (newline == HandoffNewline::Keep)
            out += '\n';
        else if (newline == HandoffNewline::Replace)
            out += replacement;
    }
    return out;
}

} // namespace miravel
