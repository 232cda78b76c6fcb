#include "editors/records/RecordPaste.h"

#include "editors/records/RecordKeys.h"
#include "editors/testspec/ScoreEntry.h"

namespace miravel {

namespace {

constexpr std::size_t kListedRefusals = 12;

} // namespace

RecordValue RecordValueOf(const RecordHeading& heading, const std::string& text)
{
    if (IsAbsentMark(text))
        return {"*", ""};
    if (!heading.points) {
        const std::string mark = MarkOfText(text);
        if (mark.empty())
            return {"", "記号は 3・2・1、a・b・c か ◎・○・△ です"};
        return {mark, ""};
    }
    const PointsCheck check = CheckPoints(text, heading.full);
    if (!check.refusal.empty())
        return {"", "点数は 0 から " + std::to_string(heading.full) + " までの数です"};
    return {check.value, ""};
}

RecordPastePlan PlanRecordPaste(const RecordSheet& sheet, const std::vector<std::vector<std::string>>& block,
                                int first, int firstColumn, const std::vector<bool>& named)
{
    RecordPastePlan plan;
    const int columns = static_cast<int>(sheet.columns.size());
    for (std::size_t i = 0; i < block.size(); ++i) {
        const int n = first + static_cast<int>(i);
        const bool inRoster = n >= 1 && n <= static_cast<int>(named.size());
        for (std::size_t j = 0; j < block[i].size(); ++j) {
            const std::string& text = block[i][j];
            if (text.empty())
                continue;
            const int column = firstColumn + static_cast<int>(j);
            const auto refuse = [&](int at, std::string reason) {
                plan.refused.push_back({n, at, text, std::move(reason)});
            };
            if (column >= columns) {
                refuse(-1, "貼り付ける記録の列がありません");
            } else if (!inRoster) {
                refuse(column, "名簿にない出席番号です");
            } else if (!named[static_cast<std::size_t>(n - 1)]) {
                refuse(column, "名前のない出席番号です");
            } else {
                const RecordValue value = RecordValueOf(sheet.columns[static_cast<std::size_t>(column)].heading, text);
                if (value.reason.empty())
                    plan.cells.push_back({n, column, value.value});
                else
                    refuse(column, value.reason);
            }
        }
    }
    return plan;
}

void ApplyRecordPaste(RecordSheet& sheet, const RecordPastePlan& plan)
{
    for (const RecordCell& cell : plan.cells) {
        std::vector<std::string>& values = sheet.columns.at(static_cast<std::size_t>(cell.column)).values;
        if (values.size() < static_cast<std::size_t>(cell.number))
            values.resize(static_cast<std::size_t>(cell.number));
        values[static_cast<std::size_t>(cell.number - 1)] = cell.value;
    }
}

std::string RecordPasteSummary(const RecordSheet& sheet, const RecordPastePlan& plan)
{
    std::string text = std::to_string(plan.cells.size()) + " 個の記録を貼り付けました。";
    if (!plan.refused.empty()) {
        text += "\n貼り付けなかったセルが " + std::to_string(plan.refused.size()) + " 個あります：";
        for (std::size_t i = 0; i < plan.refused.size() && i < kListedRefusals; ++i) {
            const RecordRefusal& cell = plan.refused[i];
            text += "\n出席番号 " + std::to_string(cell.number);
            if (cell.column >= 0)
                text += "（" + sheet.columns[static_cast<std::size_t>(cell.column)].heading.title + "）";
            text += "「" + cell.text + "」：" + cell.reason;
        }
        if (plan.refused.size() > kListedRefusals)
            text += "\nほか " + std::to_string(plan.refused.size() - kListedRefusals) + " 個";
    }
    return text + "\n「登録」を押すまで成績ファイルには入りません。";
}

} // namespace miravel
