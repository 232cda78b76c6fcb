// The profile editor's controls reach the file it saves: the order of the
// columns, a fixed text, a column's header, the symbols, the encoding and how
// the report notes' line breaks and ○ are written.

#include "WindowTestSupport.h"

#include "mainwindow/HandoffProfileEditor.h"
#include "platform/FileLayerPath.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace miravel::test {
namespace {

using HandoffEditor = WindowTest;

TEST_F(HandoffEditor, SavesTheProfileAsItsControlsShowIt)
{
    const auto book = ClassBook({"青木"});
    HandoffProfileEditor editor(nullptr, platform, *book, HandoffProfile{});
    editor.NewColumn->setCurrentIndex(4);  // 氏名
    editor.Add->click();
    editor.NewColumn->setCurrentIndex(editor.NewColumn->count() - 1);
    editor.FixedText->setText(U("前期"));
    editor.Add->click();
    editor.Up->click();  // the fixed text first
    editor.Columns->setCurrentRow(1);
    QTest::keyClicks(editor.ColumnHeader, QStringLiteral("Name"));
    editor.Symbols[0]->setText(U("◎"));
    editor.Encoding->setCurrentIndex(2);
    editor.Header->setChecked(false);
    editor.Newline->setCurrentIndex(2);
    editor.NewlineText->setText(U("／"));
    editor.Mark->setText(U("●"));
    const QString file = path(U("学校.miravel-profile"));
    platform.fileAnswers.push_back(file);
    editor.Save->click();

    EXPECT_EQ(editor.SavedPath(), file);
    HandoffProfile saved;
    ASSERT_FALSE(ReadHandoffProfile(FileLayerPath(file), saved));
    HandoffProfile expected;
    expected.encoding = HandoffEncoding::Cp932;
    expected.header = false;
    expected.letters[0] = "◎";
    expected.newline = HandoffNewline::Replace, expected.newlineText = "／", expected.mark = "●";
    expected.columns = {{HandoffField::Fixed, 0, 0, "前期", ""}, {HandoffField::Name, 0, 0, "", "Name"}};
    EXPECT_EQ(saved, expected);
}

} // namespace
} // namespace miravel::test
