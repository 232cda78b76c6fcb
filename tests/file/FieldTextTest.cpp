#include "file/FieldText.h"

#include "file/Cp932.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

using namespace std::string_view_literals;

TEST(FieldText, SeparatorsAndLineBreaksCannotReachTheFile)
{
    const struct {
        std::string_view typed;
        std::string_view stored;
    } cases[] = {
        {"山田;太郎", "山田；太郎"},
        {"a;;b", "a；；b"},
        {"一行目\r\n二行目\n", "一行目二行目"},
        {"そのまま", "そのまま"},
        {"", ""},
        {"山\0田\t太\x1b郎\x7f\x01"sv, "山田太郎"}, // control characters
        {"4月〜7月", "4月～7月"},                   // what Linux input methods type ...
        {"−5‖¢£¬", "－5∥￠￡￢"},                    // ... becomes what code page 932 keeps
        {"\xE3\x08\x80\x9C", "～"},                    // a damaged 〜 joined by removing a control
    };
    for (const auto& c : cases)
        EXPECT_EQ(StorableFieldText(c.typed), c.stored) << c.typed;
}

TEST(FieldText, NamesTheFirstCharacterCodePage932CannotStore)
{
    EXPECT_EQ(UnstorableCharacter("髙橋"), std::nullopt);
    EXPECT_EQ(UnstorableCharacter("ｶﾅ 漢字"), std::nullopt);
    EXPECT_EQ(UnstorableCharacter("山田😀花子"), std::optional<std::string>("😀"));
    EXPECT_EQ(UnstorableCharacter("𠮷野"), std::optional<std::string>("𠮷"));
    EXPECT_EQ(UnstorableCharacter("4月〜7月−‖¢£¬"), std::nullopt); // stored in their code page 932 forms
    EXPECT_EQ(Utf8ToCp932(StorableFieldText("〜−‖¢£¬")), "\x81\x60\x81\x7C\x81\x61\x81\x91\x81\x92\x81\xCA");
}

TEST(FieldText, RefusedCharacterNamedWithItsCodePointAndAStorableSubstitute)
{
    for (const auto& [character, text] : {std::pair{"𠮷", "「𠮷」（U+20BB7）はファイルに保存できない文字です（「吉」なら保存できます）"},
                                          {"剝", "「剝」（U+525D）はファイルに保存できない文字です（「剥」なら保存できます）"},
                                          {"é", "「é」（U+00E9）はファイルに保存できない文字です"}})
        EXPECT_EQ(UnstorableCharacterText(character), text);
    // Every pair offered: the left refused, the right stored.
    for (const char* left : {"𠮷", "𡈽", "𥔎", "𣘺", "𠮟", "剝", "頰", "塡", "鷗"})
        EXPECT_EQ(std::make_pair(UnstorableCharacter(left), UnstorableCharacter(CommonSubstitute(left).value_or("☒"))),
                  std::make_pair(std::optional<std::string>(left), std::optional<std::string>())) << left;
}

} // namespace
} // namespace miravel
