#include "file/FieldText.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

TEST(FieldText, SeparatorsAndLineBreaksCannotReachTheFile)
{
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {
        {"山田;太郎", "山田；太郎"},
        {"a;;b", "a；；b"},
        {"一行目\r\n二行目\n", "一行目二行目"},
        {"そのまま", "そのまま"},
        {"", ""},
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
}

} // namespace
} // namespace miravel
