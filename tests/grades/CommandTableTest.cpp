// The one table of enabled commands, state by state as the window passes
// through them.

#include "grades/CommandTable.h"

#include <gtest/gtest.h>

#include <string>

namespace miravel {
namespace {

// New, Open, Close, Save, Save As, button "上書き保存", edit, roster import, print,
// the sheets, the check.
std::string Flags(const EnabledCommands& on)
{
    std::string flags;
    for (bool item : {on.fileNew, on.fileOpen, on.fileClose, on.fileSave, on.fileSaveAs, on.saveButton, on.edit,
                      on.nameBook, on.print, on.printSheets, on.check})
        flags += item ? '1' : '0';
    return flags;
}

TEST(CommandTable, FollowsTheDocumentFromLoadToClose)
{
    struct Case {
        const char* when;
        CommandState state;
        const char* flags;
    };
    //                                     open   named  checked enrolled viewpoint class read-only
    const Case cases[] = {
        {"load, and again after Close", {false, false, false, false, false}, "11000000000"},
        {"first activation at start", {false, false, true, false, false}, "11000001000"},
        {"New", {true, false, true, false, false}, "00101111000"},
        {"New, then a saved name", {true, true, true, false, false}, "00111111000"},
        {"Open of a class without students", {true, true, true, false, false}, "00111111000"},
        {"Open of a class with students", {true, true, true, true, false}, "00111111101"},
        {"roster imported after New", {true, false, true, true, false}, "00101111101"},
        {"viewpoint table shown", {true, true, true, true, true}, "00111101101"},
        {"class node with students", {true, true, true, true, false, true}, "00111111111"},
        {"class node without students", {true, true, true, false, false, true}, "00111111000"},
        {"opened read-only", {true, true, true, true, false, false, true}, "00101111101"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Flags(CommandsFor(c.state)), c.flags) << c.when;
}

} // namespace
} // namespace miravel
