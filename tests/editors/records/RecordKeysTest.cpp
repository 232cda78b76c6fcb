// The 平常の記録 grid's keys without a window: one row per key and cell kind,
// comparing the whole outcome.

#include "editors/records/RecordKeys.h"

#include <gtest/gtest.h>

#include <tuple>

namespace miravel::test {
namespace {

using K = GridKeyName;
using M = GridMove;

GridKey T(const char* text) { return {K::Text, text}; }
GridKey N(K name) { return {name, ""}; }

bool operator==(const KeyOutcome& a, const KeyOutcome& b)
{
    return std::tie(a.changed, a.value, a.typing, a.move, a.refusal, a.handled) ==
           std::tie(b.changed, b.value, b.typing, b.move, b.refusal, b.handled);
}

KeyOutcome Set(const char* value, M move) { return {true, value, "", move, "", true}; }
KeyOutcome Typing(const char* typing) { return {false, "", typing, M::Stay, "", true}; }
KeyOutcome Move(M move) { return {false, "", "", move, "", true}; }
KeyOutcome Refuse(const char* message, const char* typing = "") { return {false, "", typing, M::Stay, message, true}; }
KeyOutcome Pass() { return {false, "", "", M::Stay, "", false}; }

const char kMarkRefusal[] = "記号の欄には 3・2・1（a・b・c、◎・○・△）か、欠席の * を入力してください。";
const char kPointsRange[] = "点数は 0 から 10 までの数で入力してください。";
const char kPointsChars[] = "点数の欄には 0 から 10 までの数か、欠席の * を入力してください。";

TEST(RecordKeys, EachKeyInEachKindOfCell)
{
    struct Case {
        bool points;
        const char* typing;
        GridKey key;
        KeyOutcome expected;
    };
    const Case cases[] = {
        // 記号: the mark at once, then the next student.
        {false, "", T("3"), Set("◎", M::Down)},
        {false, "", T("2"), Set("○", M::Down)},
        {false, "", T("1"), Set("△", M::Down)},
        {false, "", T("a"), Set("◎", M::Down)},
        {false, "", T("B"), Set("○", M::Down)},
        {false, "", T("c"), Set("△", M::Down)},
        {false, "", T("◎"), Set("◎", M::Down)},
        {false, "", T("○"), Set("○", M::Down)},
        {false, "", T("△"), Set("△", M::Down)},
        {false, "", T("３"), Set("◎", M::Down)},   // input method on
        {false, "", T("ｂ"), Set("○", M::Down)},
        {false, "", T("*"), Set("*", M::Down)},
        {false, "", T("欠"), Set("*", M::Down)},
        {false, "", T("4"), Refuse(kMarkRefusal)},
        {false, "", T("0"), Refuse(kMarkRefusal)},
        {false, "", T("d"), Refuse(kMarkRefusal)},
        {false, "", N(K::Delete), Set("", M::Stay)},
        {false, "", N(K::Backspace), Set("", M::Stay)},
        {false, "", N(K::Enter), Move(M::Down)},
        {false, "", N(K::Tab), Move(M::Right)},
        {false, "", N(K::Backtab), Move(M::Left)},
        {false, "", N(K::Up), Move(M::Up)},
        {false, "", N(K::Escape), Pass()},
        // 点数 out of 10: digits gather until Enter or Tab.
        {true, "", T("7"), Typing("7")},
        {true, "1", T("0"), Typing("10")},
        {true, "", T("８"), Typing("8")},
        {true, "7", N(K::Enter), Set("7", M::Down)},
        {true, "10", N(K::Tab), Set("10", M::Right)},
        {true, "0", N(K::Enter), Set("0", M::Down)},
        {true, "007", N(K::Enter), Set("7", M::Down)},
        {true, "11", N(K::Enter), Refuse(kPointsRange)},
        {true, "999999", N(K::Tab), Refuse(kPointsRange)},
        {true, "", N(K::Enter), Move(M::Down)},
        {true, "", T("*"), Set("*", M::Down)},
        {true, "", T("＊"), Set("*", M::Down)},
        {true, "5", T("*"), Refuse("数字のあとに * は入力できません。", "5")},
        {true, "5", T("a"), Refuse(kPointsChars, "5")},
        {true, "", T("-"), Refuse(kPointsChars)},
        {true, "12", N(K::Backspace), Typing("1")},
        {true, "", N(K::Backspace), Set("", M::Stay)},
        {true, "12", N(K::Delete), Set("", M::Stay)},
        {true, "12", N(K::Escape), Typing("")},
        {true, "", N(K::Escape), Pass()},
        {true, "3", N(K::Up), Set("3", M::Up)},
    };
    for (const Case& c : cases) {
        const KeyOutcome got = CellKey(c.points, 10, c.typing, c.key);
        EXPECT_TRUE(got == c.expected) << (c.points ? "点数 " : "記号 ") << "typing '" << c.typing << "' key "
                                       << static_cast<int>(c.key.name) << " '" << c.key.text << "' gave changed "
                                       << got.changed << " value '" << got.value << "' typing '" << got.typing
                                       << "' move " << static_cast<int>(got.move) << " refusal '" << got.refusal
                                       << "' handled " << got.handled;
    }
}

} // namespace
} // namespace miravel::test
