#include "editors/records/RecordSheet.h"

#include "editors/testspec/TestDate.h"

#include <tuple>

namespace miravel {

namespace {

constexpr int kMarkFull = 3;
constexpr int kHighestFull = 1000;
const char kDateFormat[] = "yyyy/MM/dd";

// The heading as stored: the date in one spelling, 記号 out of 3.
RecordHeading Normal(RecordHeading heading)
{
    if (!heading.date.empty())
        heading.date = DateOfText(QString::fromStdString(heading.date), QString::fromLatin1(kDateFormat))
                           .toString(QString::fromLatin1(kDateFormat))
                           .toStdString();
    if (!heading.points)
        heading.full = kMarkFull;
    return heading;
}

bool HasValues(const RecordColumn& column)
{
    for (const std::string& value : column.values)
        if (!value.empty())
            return true;
    return false;
}

bool IsNumber(const std::string& value) { return !value.empty() && value[0] >= '0' && value[0] <= '9'; }

} // namespace

bool RecordHeading::operator==(const RecordHeading& o) const
{
    return std::tie(title, date, viewpoint, points, full) == std::tie(o.title, o.date, o.viewpoint, o.points, o.full);
}

HeadingCheck CheckHeading(const RecordHeading& heading)
{
    if (heading.title.find_first_not_of(" \t　") == std::string::npos)
        return {HeadingField::Title, "記録の名前を入力してください（例：ノート、発表）。"};
    if (heading.title.find_first_of("\r\n") != std::string::npos)
        return {HeadingField::Title, "記録の名前に改行は入れられません。"};
    if (!heading.date.empty() &&
        !DateOfText(QString::fromStdString(heading.date), QString::fromLatin1(kDateFormat)).isValid())
        return {HeadingField::Date, "日付は 2026/05/12 のように入力してください。"};
    if (heading.points && (heading.full < 1 || heading.full > kHighestFull))
        return {HeadingField::Full, "満点は 1 から 1000 までの数で入力してください。"};
    return {};
}

HeadingCheck AddRecord(RecordSheet& sheet, const RecordHeading& heading, int students)
{
    if (static_cast<int>(sheet.columns.size()) >= kMaxRecords)
        return {HeadingField::None, "平常の記録は 1 つの教科・学期に 20 までです。新しく加えるには、使わない記録を削除してください。"};
    HeadingCheck check = CheckHeading(heading);
    if (check.field != HeadingField::None)
        return check;
    sheet.columns.push_back({Normal(heading), std::vector<std::string>(static_cast<std::size_t>(students))});
    return {};
}

HeadingCheck ChangeHeading(RecordSheet& sheet, int column, const RecordHeading& heading)
{
    HeadingCheck check = CheckHeading(heading);
    if (check.field != HeadingField::None)
        return check;
    RecordColumn& target = sheet.columns.at(static_cast<std::size_t>(column));
    if (heading.points != target.heading.points && HasValues(target))
        return {HeadingField::Kind, "記録が入っているので、記号と点数を切り替えられません。"
                                    "記録を消すか、新しい記録として加えてください。"};
    for (std::size_t i = 0; i < target.values.size(); ++i)
        if (heading.points && IsNumber(target.values[i]) && std::stod(target.values[i]) > heading.full)
            return {HeadingField::Full, "出席番号 " + std::to_string(i + 1) + " の点数 " + target.values[i] +
                                            " が満点を超えます。"};
    target.heading = Normal(heading);
    return {};
}

void RemoveRecord(RecordSheet& sheet, int column)
{
    sheet.columns.erase(sheet.columns.begin() + column);
}

std::string ColumnCaption(const RecordHeading& heading, const std::string& viewpointName)
{
    const std::string kind = heading.points ? std::to_string(heading.full) + "点満点" : std::string("記号");
    return heading.title + "\n" + (heading.date.empty() ? std::string("（日付なし）") : heading.date) + "\n" +
           viewpointName + "\n" + kind;
}

} // namespace miravel
