// The printed table as laid out: column edges, rules, header lines, padding,
// colours, and the pages of a table taller than the paper.

#include "print/TablePage.h"

#include "grades/GradeViews.h"
#include "grades/TreeNodes.h"
#include "grades/ViewTestBook.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace miravel {
namespace {

// A4 landscape less a quarter inch all round.
constexpr PrintArea kA4Landscape{16118, 11186};

std::vector<PageText> TextsOf(const Page& page)
{
    std::vector<PageText> texts;
    for (const PageItem& item : page.items)
        if (const auto* text = std::get_if<PageText>(&item))
            texts.push_back(*text);
    return texts;
}

std::vector<PageLine> LinesOf(const Page& page, bool vertical)
{
    std::vector<PageLine> lines;
    for (const PageItem& item : page.items)
        if (const auto* line = std::get_if<PageLine>(&item); line && (line->x1 == line->x2) == vertical)
            lines.push_back(*line);
    return lines;
}

std::vector<PageRect> FramesOf(const Page& page)
{
    std::vector<PageRect> frames;
    for (const PageItem& item : page.items)
        if (const auto* rect = std::get_if<PageRect>(&item); rect && !rect->filled)
            frames.push_back(*rect);
    return frames;
}

const PageText* FindText(const Page& page, const std::string& text)
{
    for (const PageItem& item : page.items)
        if (const auto* found = std::get_if<PageText>(&item); found && found->text == text)
            return found;
    return nullptr;
}

// The table of a tree node of `book`, as the window draws it.
struct ShownTable {
    TablePane pane;
    std::string key;
    int columns = 0;

    ShownTable(GradeBook& book, const std::string& nodeKey) : key(nodeKey)
    {
        MSFlexGrid1_init(book, pane.Grid);
        if (key == "HomeRoom")
            ShowRosterView(book, pane);
        else
            ShowNodeView(book, pane, SelectNodeIndexes(book, key));
        columns = book.ShownColumnCount;
    }

    PageDocument print(PrintArea area = kA4Landscape) const
    {
        return LayoutTablePages({pane.Grid, pane.Caption, columns, key, "2025/04/07"}, area);
    }
};

TEST(TablePage, SemesterTableHasItsColumnEdgesAndGroupRules)
{
    auto book = testing::SemesterTableBook();
    const ShownTable table(*book, SemesterNodeKey(0, 0));
    ASSERT_EQ(table.columns, 13);
    const PageDocument pages = table.print();
    ASSERT_EQ(pages.size(), 1u);

    std::vector<int> edges, thick;
    for (const PageLine& line : LinesOf(pages[0], true)) {
        edges.push_back(line.x1);
        if (line.width == 4)
            thick.push_back(line.x1);
        EXPECT_EQ(line.y1, 600);
    }
    EXPECT_EQ(edges, (std::vector<int>{1900, 3800, 4700, 5600, 6500, 7400, 8300, 9200, 10100, 11000, 11900, 12800}));
    EXPECT_EQ(thick, (std::vector<int>{1900, 3800, 6500, 9200, 11900}));
    const auto frames = FramesOf(pages[0]);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].x1, 1000);
    EXPECT_EQ(frames[0].x2, 13700);
    EXPECT_EQ(frames[0].width, 6);
    for (const PageLine& rule : LinesOf(pages[0], false)) {
        EXPECT_EQ(rule.x1, 1000);
        EXPECT_EQ(rule.x2, 13700);
    }
}

TEST(TablePage, VerticalRuleWidthsByViewKind)
{
    struct Case {
        int kind;
        std::vector<int> thick;
    };
    for (const Case& c : {Case{0, {1, 2, 5, 8, 11}}, Case{1, {1, 2, 5, 8, 11}}, Case{2, {1, 2, 5}}, Case{3, {1, 2, 12}}}) {
        for (int col = 1; col < 15; ++col) {
            const bool expectThick = std::count(c.thick.begin(), c.thick.end(), col) > 0;
            EXPECT_EQ(VerticalRuleWidth(col, c.kind), expectThick ? 4 : 1) << "kind " << c.kind << " column " << col;
        }
    }
    EXPECT_EQ(ViewKindOfKey("HomeRoom"), 0);
    EXPECT_EQ(ViewKindOfKey("3 1 0 2 1"), 3);
}

TEST(TablePage, HeaderTextsBreakIntoAtMostThreeLines)
{
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"表現\r 平均点", {"表現", "平均点"}},
        {"一二三四五六七八九十壱弐", {"一二三四五", "六七八九十", "壱弐"}},
        {"  No.", {"No."}},
        {"", {}},
        {"abcdefghijklmn", {"abcdefghij", "klmn"}},
        {"漢字\r小テスト\r\r2025/04/12", {"漢字", "小テスト", "2025/04/12"}},
        {"a b c d", {"a", "b", "c"}},           // the fourth line is dropped
        {"ｶﾀｶﾅｶﾀｶﾅ", {"ｶﾀｶﾅｶ", "ﾀｶﾅ"}},      // half-width katakana counts 2
        {"順位abcdefghi", {"順位abcdef", "ghi"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BreakHeaderText(c.text), c.lines) << c.text;
}

TEST(TablePage, HeaderWiderThanItsCellShrinksToFit)
{
    struct Case {
        std::vector<std::string> lines;
        double points;
        int room;
        double fitted;
    };
    const Case cases[] = {
        {{"話す・聞く", "平均点"}, 12, 890, 8.5},  // 10 half-widths x 120 twips is 1200
        {{"表現", "平均点"}, 12, 890, 12},
        {{"ｶﾀｶﾅｶﾀｶﾅｶﾀ"}, 12, 890, 8.5},       // half-width katakana are half wide
        {{"一二三四"}, 12, 960, 12},            // exactly as wide as the cell
        {{"一二三四五"}, 12, 400, 6},           // never below 6 pt
        {{"一二三四五"}, 9, 890, 8.5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FittedHeaderPoints(c.lines, c.points, c.room), c.fitted) << c.lines.front();

    // On the page only that header shrinks; the next header keeps 12 pt.
    auto book = testing::SemesterTableBook();
    book->SubjectTable[0][1] = "話す・聞く";
    const Page page = ShownTable(*book, SemesterNodeKey(0, 0)).print().at(0);
    EXPECT_EQ(FindText(page, "話す・聞く")->points, 8.5);
    EXPECT_EQ(FindText(page, "理解")->points, 12);
}

TEST(TablePage, TwoLineHeaderPutsTheFirstStudentTwoLinesDown)
{
    auto book = testing::SemesterTableBook();
    const ShownTable table(*book, SemesterNodeKey(0, 0));
    const Page page = table.print().at(0);
    const PageText* top = FindText(page, "表現");
    const PageText* second = FindText(page, "平均点");
    ASSERT_TRUE(top && second);
    EXPECT_EQ(top->y, 605);
    EXPECT_EQ(top->x, 3805);
    EXPECT_EQ(second->y, 845);
    const PageText* firstStudent = FindText(page, "青木");
    ASSERT_NE(firstStudent, nullptr);
    EXPECT_EQ(firstStudent->y, 600 + 480 + 5);
    EXPECT_EQ(firstStudent->x, 1925);
    // Thick rule under the header, thin between students, thick above the class average.
    const auto rules = LinesOf(page, false);
    ASSERT_EQ(rules.size(), 7u);  // 8 rows: header, 5 numbers, blank, average
    EXPECT_EQ(rules.front().y1, 1080);
    EXPECT_EQ(rules.front().width, 4);
    EXPECT_EQ(rules[1].width, 1);
    EXPECT_EQ(rules.back().y1, 600 + 240 * 8);
    EXPECT_EQ(rules.back().width, 4);
    EXPECT_EQ(FramesOf(page).at(0).y2, 600 + 240 * 9);
}

TEST(TablePage, CellsArePaddedAndLettersBlackOnTheirTint)
{
    TextGrid grid(3, 6);
    const std::vector<std::string> header = {"No.", "生徒氏名", "a", "b", "c", "d"};
    const std::vector<std::string> first = {" 1", "青木", "B", "12.5", "*100.0", "A"};
    const std::vector<std::string> second = {"C", "井上", "", "欠席", "C", "1234567"};
    for (int c = 0; c < 6; ++c) {
        grid.SetTextMatrix(0, c, header[c]);
        grid.SetTextMatrix(1, c, first[c]);
        grid.SetTextMatrix(2, c, second[c]);
    }
    const Page page = LayoutTablePages({grid, "表", 6, "2 0 0 0", "2025/04/07"}, kA4Landscape).at(0);
    struct Expected {
        int x, y;
        std::string text;
        Rgb tint;  // 0: none
    };
    const Expected cells[] = {
        {1005, 845, "     1", 0},      {1925, 845, "青木", 0},   {3805, 845, "     B", kTintB},
        {4705, 845, "  12.5", 0},      {5605, 845, "*100.0", 0}, {6505, 845, "     A", kTintA},
        {1005, 1085, "     C", kTintC}, {1925, 1085, "井上", 0},   {3805, 1085, "      ", 0},
        {4705, 1085, "    欠席", 0},     {5605, 1085, "     C", kTintC}, {6505, 1085, "1234567", 0},
    };
    const std::vector<PageText> texts = TextsOf(page);
    for (const Expected& cell : cells) {
        const auto found = std::find_if(texts.begin(), texts.end(), [&](const PageText& t) {
            return t.x == cell.x && t.y == cell.y;
        });
        ASSERT_NE(found, texts.end()) << cell.text;
        EXPECT_EQ(found->text, cell.text);
        EXPECT_EQ(found->color, kButtonText) << cell.text;
        EXPECT_EQ(std::any_of(page.items.begin(), page.items.end(), [&](const PageItem& item) {
                      const auto* t = std::get_if<PageRect>(&item);
                      return t && t->filled && t->fill == cell.tint && t->x1 < cell.x && cell.x < t->x2 && t->y1 < cell.y && cell.y < t->y2;
                  }), cell.tint != 0) << cell.text;
        EXPECT_EQ(found->font, "ＭＳ 明朝");
        EXPECT_EQ(found->points, 12);
    }
}

TEST(TablePage, DateAndTitleHeadThePage)
{
    auto book = testing::MakeClassOfFive();
    const ShownTable table(*book, "HomeRoom");
    const std::vector<PageText> texts = TextsOf(table.print().at(0));
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0], (PageText{16118 - 1500, 0, "2025/04/07", "ＭＳ 明朝", 12, kButtonText}));
    EXPECT_EQ(texts[1], (PageText{1000, 200, "2024 5年2組 山田 生徒数（ 4名）", "ＭＳ 明朝", 14, kButtonText}));
}

TEST(TablePage, RosterIsTwoColumnsWithOneThickRule)
{
    auto book = testing::MakeClassOfFive();
    ShownTable table(*book, "HomeRoom");
    ASSERT_EQ(table.columns, 2);
    const Page page = table.print().at(0);
    const auto verticals = LinesOf(page, true);
    ASSERT_EQ(verticals.size(), 1u);
    const int bottom = 600 + 240 * table.pane.Grid.Rows();  // one line per row
    EXPECT_EQ(verticals[0], (PageLine{1900, 600, 1900, bottom, 4, false, kBlack}));
    EXPECT_EQ(FramesOf(page)[0].y2, bottom);
    EXPECT_EQ(FramesOf(page)[0].x2, 3800);
    // Nothing of the table lies beyond the name column.
    for (const PageText& text : TextsOf(page)) {
        if (text.y >= 600) {
            EXPECT_LT(text.x, 3800) << text.text;
        }
    }
}

TEST(TablePage, TallTableContinuesWithTheHeaderAndWholeRows)
{
    auto book = testing::MakeClassOf(40);
    book->SlotTitles[TestSlot(0, 0, 0, 0)][0] = "2025/04/12";
    book->SlotTitles[TestSlot(0, 0, 0, 0)][1] = "漢字 小テスト";
    const ShownTable table(*book, ViewpointNodeKey(0, 0, 0, 0));
    ASSERT_EQ(table.pane.Grid.Rows(), 43);

    const PageDocument single = table.print(PrintArea{16838, 20000});
    ASSERT_EQ(single.size(), 1u);

    const PageDocument pages = table.print();
    ASSERT_EQ(pages.size(), 2u);
    int studentsPrinted = 0;
    for (const Page& page : pages) {
        EXPECT_TRUE(page.landscape);
        // The header comes again on each page, three lines high.
        for (const char* header : {"No.", "生徒氏名", "漢字", "小テスト", "2025/04/12", "平均点"})
            EXPECT_NE(FindText(page, header), nullptr) << header;
        EXPECT_EQ(FindText(page, "小テスト")->y, 845);
        EXPECT_EQ(FindText(page, "2025/04/12")->y, 1085);
        EXPECT_EQ(LinesOf(page, false).front().y1, 600 + 720);
        EXPECT_EQ(LinesOf(page, false).front().width, 4);
        // Every row lies inside its page's frame, and the frame inside the paper.
        const auto frames = FramesOf(page);
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_LE(frames[0].y2, kA4Landscape.height);
        for (const PageText& text : TextsOf(page))
            EXPECT_LE(text.y - 5 + 240, std::max(frames[0].y2, 600)) << text.text;
        for (const PageLine& rule : LinesOf(page, true))
            EXPECT_EQ(rule.y2, frames[0].y2);
        for (int n = 1; n <= 40; ++n)
            studentsPrinted += FindText(page, "生徒" + std::to_string(n)) != nullptr;
    }
    EXPECT_EQ(studentsPrinted, 40);
    // The class average closes the table on the last page, under a thick rule.
    const PageText* average = FindText(pages[1], "クラスの平均点");
    ASSERT_NE(average, nullptr);
    EXPECT_EQ(FindText(pages[0], "クラスの平均点"), nullptr);
    EXPECT_EQ(LinesOf(pages[1], false).back().width, 4);
    EXPECT_EQ(LinesOf(pages[1], false).back().y1, average->y - 5);
}

TEST(TablePage, ViewpointTableUsesSmallTypeForTheTestColumns)
{
    auto book = testing::MakeClassOfFive();
    book->SlotTitles[TestSlot(0, 0, 0, 0)][0] = "4/12";
    book->SlotTitles[TestSlot(0, 0, 0, 0)][1] = "漢字";
    const ShownTable table(*book, ViewpointNodeKey(0, 0, 0, 0));
    ASSERT_EQ(table.columns, 15);
    const Page page = table.print().at(0);
    EXPECT_EQ(FindText(page, "漢字")->points, 9);
    EXPECT_EQ(FindText(page, "平均点")->points, 12);
    EXPECT_EQ(FindText(page, "順位")->points, 12);
    EXPECT_EQ(FindText(page, "評定")->points, 9);
    // The size set for the last header cell stays for the rows below.
    EXPECT_EQ(FindText(page, "青木")->points, 9);
}

} // namespace
} // namespace miravel
