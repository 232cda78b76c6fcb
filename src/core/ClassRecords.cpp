#include "core/ClassRecords.h"

#include <cmath>

namespace miravel {

const char* const kDefaultViewpointNames[kRecordViewpoints] = {"知識・技能", "思考・判断・表現",
                                                               "主体的に学習に取り組む態度"};

namespace {

const char* const kMarks[kMarkFullPoints] = {"△", "○", "◎"};  // 1, 2, 3

std::string Trimmed(const std::string& text)
{
    const char* const spaces = " \t\r\n";
    const auto first = text.find_first_not_of(spaces);
    if (first == std::string::npos)
        return std::string();
    std::string t = text.substr(first, text.find_last_not_of(spaces) - first + 1);
    // A full-width space around a pasted cell is still only space.
    while (t.compare(0, 3, "\xE3\x80\x80") == 0)
        t.erase(0, 3);
    while (t.size() >= 3 && t.compare(t.size() - 3, 3, "\xE3\x80\x80") == 0)
        t.erase(t.size() - 3);
    return t;
}

// "12", "7.5", "7.25": digits with at most two decimals; no locale involved.
bool ReadPoints(const std::string& text, double& value)
{
    const auto dot = text.find('.');
    const std::string whole = text.substr(0, dot);
    const std::string fraction = dot == std::string::npos ? std::string() : text.substr(dot + 1);
    if (whole.empty() || whole.size() > 4 || whole.find_first_not_of("0123456789") != std::string::npos)
        return false;
    if (dot != std::string::npos &&
        (fraction.empty() || fraction.size() > 2 || fraction.find_first_not_of("0123456789") != std::string::npos))
        return false;
    int hundredths = std::stoi(whole) * 100;
    if (!fraction.empty())
        hundredths += std::stoi(fraction) * (fraction.size() == 1 ? 10 : 1);
    value = hundredths / 100.0;
    return true;
}

} // namespace

ExtraSubject::ExtraSubject()
{
    for (int v = 0; v < kRecordViewpoints; ++v)
        viewpoints[v] = kDefaultViewpointNames[v];
}

bool ExtraSubject::operator==(const ExtraSubject& o) const
{
    for (int v = 0; v < kRecordViewpoints; ++v)
        if (viewpoints[v] != o.viewpoints[v])
            return false;
    return name == o.name;
}

bool RecordSubjectInUse(const ClassRecords& records, int subject)
{
    if (subject < kBookSubjects)
        return subject >= 0;
    return subject < kRecordSubjects && records.extra[subject - kBookSubjects].InUse();
}

double RecordPoints(const ClassRecord& record, int student) { return record.values[student - 1]; }

RecordSums RecordTotals(const ClassRecords& records, int student, int subject, int viewpoint, int period)
{
    const int first = period >= kRecordPeriods ? 0 : period;
    const int last = period >= kRecordPeriods ? kRecordPeriods - 1 : period;
    RecordSums sums;
    for (int p = first; p <= last; ++p)
        for (const ClassRecord& record : records.Of(subject, p)) {
            if (record.viewpoint != viewpoint || !(record.full > 0))
                continue;
            const double x = RecordPoints(record, student);
            sums.absent = sums.absent || x == kRecordAbsent;
            if (!RecordValueCounts(x))
                continue;
            sums.points += x;
            sums.fullPoints += record.full;
            ++sums.count;
        }
    return sums;
}

std::string RecordValueText(RecordKind kind, double value)
{
    if (value == kRecordAbsent)
        return "*";
    if (!RecordValueCounts(value))
        return std::string();
    if (kind == RecordKind::Mark) {
        const int mark = static_cast<int>(value);
        return mark >= 1 && mark <= kMarkFullPoints ? kMarks[mark - 1] : std::to_string(mark);
    }
    const long hundredths = std::lround(value * 100);
    std::string text = std::to_string(hundredths / 100);
    if (hundredths % 100) {
        text += "." + std::to_string(hundredths / 10 % 10);
        if (hundredths % 10)
            text += std::to_string(hundredths % 10);
    }
    return text;
}

bool ReadRecordValue(RecordKind kind, double full, const std::string& typed, double& value)
{
    const std::string text = Trimmed(typed);
    if (text.empty()) {
        value = kRecordEmpty;
        return true;
    }
    if (text == "*" || text == "\xEF\xBC\x8A" /* ＊ */ || text == "欠") {
        value = kRecordAbsent;
        return true;
    }
    if (kind == RecordKind::Mark) {
        static const char* const forms[kMarkFullPoints][5] = {
            {"△", "1", "c", "C", "１"}, {"○", "2", "b", "B", "２"}, {"◎", "3", "a", "A", "３"}};
        for (int mark = 0; mark < kMarkFullPoints; ++mark)
            for (const char* form : forms[mark])
                if (text == form) {
                    value = mark + 1;
                    return true;
                }
        return false;
    }
    double points = 0;
    if (!ReadPoints(text, points) || points > full)
        return false;
    value = points;
    return true;
}

} // namespace miravel
