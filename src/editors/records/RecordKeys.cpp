#include "editors/records/RecordKeys.h"

#include "editors/testspec/ScoreEntry.h"

namespace miravel {

namespace {

// Full-width ASCII (an input method left on) read as the half-width letter.
std::string HalfWidth(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
        if (i + 2 < text.size() && byte(i) == 0xEF && (byte(i + 1) == 0xBC || byte(i + 1) == 0xBD) &&
            byte(i + 2) >= 0x80 && byte(i + 2) <= 0xBF) {
            const int base = byte(i + 1) == 0xBC ? 0x20 : 0x60;
            out += static_cast<char>(base + byte(i + 2) - 0x80);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool AllDigits(std::string_view text)
{
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return !text.empty();
}

KeyOutcome Refused(std::string message, const std::string& typing)
{
    KeyOutcome out;
    out.refusal = std::move(message);
    out.typing = typing;
    return out;
}

KeyOutcome Set(std::string value, GridMove move)
{
    KeyOutcome out;
    out.changed = true;
    out.value = std::move(value);
    out.move = move;
    return out;
}

KeyOutcome Moved(GridMove move)
{
    KeyOutcome out;
    out.move = move;
    return out;
}

GridMove MoveOf(GridKeyName name)
{
    switch (name) {
    case GridKeyName::Enter:
    case GridKeyName::Down:
        return GridMove::Down;
    case GridKeyName::Up:
        return GridMove::Up;
    case GridKeyName::Tab:
        return GridMove::Right;
    case GridKeyName::Backtab:
        return GridMove::Left;
    default:
        return GridMove::Stay;
    }
}

const char kMarkRefusal[] = "記号の欄には 3・2・1（a・b・c、◎・○・△）か、欠席の * を入力してください。";

KeyOutcome MarkKey(const GridKey& key)
{
    switch (key.name) {
    case GridKeyName::Text: {
        if (IsAbsentMark(HalfWidth(key.text)))
            return Set("*", GridMove::Down);
        const std::string mark = MarkOfText(key.text);
        if (mark.empty())
            return Refused(kMarkRefusal, "");
        return Set(mark, GridMove::Down);
    }
    case GridKeyName::Delete:
    case GridKeyName::Backspace:
        return Set("", GridMove::Stay);
    case GridKeyName::Escape: {
        KeyOutcome out;
        out.handled = false;
        return out;
    }
    default:
        return Moved(MoveOf(key.name));
    }
}

KeyOutcome PointsKey(int full, const std::string& typing, const GridKey& key)
{
    switch (key.name) {
    case GridKeyName::Text: {
        const std::string text = HalfWidth(key.text);
        if (IsAbsentMark(text)) {
            if (!typing.empty())
                return Refused("数字のあとに * は入力できません。", typing);
            return Set("*", GridMove::Down);
        }
        if (!AllDigits(text))
            return Refused("点数の欄には 0 から " + std::to_string(full) + " までの数か、欠席の * を入力してください。",
                           typing);
        KeyOutcome out;
        out.typing = typing + text;
        return out;
    }
    case GridKeyName::Backspace:
        if (!typing.empty()) {
            KeyOutcome out;
            out.typing = typing.substr(0, typing.size() - 1);
            return out;
        }
        return Set("", GridMove::Stay);
    case GridKeyName::Delete:
        return Set("", GridMove::Stay);
    case GridKeyName::Escape: {
        KeyOutcome out;
        out.handled = !typing.empty();  // drops what was typed; else the window's Esc
        return out;
    }
    default: {
        if (typing.empty())
            return Moved(MoveOf(key.name));
        const PointsCheck check = CheckPoints(typing, full);
        if (!check.refusal.empty())
            return Refused(check.refusal, "");
        return Set(check.value, MoveOf(key.name));
    }
    }
}

} // namespace

std::string MarkOfText(std::string_view text)
{
    const std::string half = HalfWidth(text);
    for (const char* three : {"3", "a", "A", "◎", "◯"})
        if (half == three)
            return "◎";
    for (const char* two : {"2", "b", "B", "○"})
        if (half == two)
            return "○";
    for (const char* one : {"1", "c", "C", "△"})
        if (half == one)
            return "△";
    return "";
}

PointsCheck CheckPoints(std::string_view digits, int full)
{
    const std::string half = HalfWidth(digits);
    std::size_t first = half.find_first_not_of('0');
    const std::string number = first == std::string::npos ? std::string("0") : half.substr(first);
    if (!AllDigits(half) || number.size() > 5 || std::stoi(number) > full)
        return {"", "点数は 0 から " + std::to_string(full) + " までの数で入力してください。"};
    return {number, ""};
}

KeyOutcome CellKey(bool points, int full, const std::string& typing, const GridKey& key)
{
    return points ? PointsKey(full, typing, key) : MarkKey(key);
}

} // namespace miravel
