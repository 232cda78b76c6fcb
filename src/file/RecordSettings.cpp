#include "file/RecordSettings.h"

namespace miravel {

namespace {

FileError Refused(int line, const std::string& reason) { return FileError{line, reason}; }

// A whole number made of 1..3 digits, without a leading zero unless it is 0.
bool ReadNumber(const std::string& text, int& value)
{
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos ||
        (text.size() > 1 && text[0] == '0'))
        return false;
    value = std::stoi(text);
    return true;
}

// "s7v1": subject 0..9 and viewpoint 0..2 from `firstSubject` on.
bool ReadSubjectViewpoint(const std::string& key, int firstSubject, int& subject, int& viewpoint)
{
    const auto v = key.find('v');
    if (key.size() < 4 || key[0] != 's' || v == std::string::npos || !ReadNumber(key.substr(1, v - 1), subject) ||
        !ReadNumber(key.substr(v + 1), viewpoint))
        return false;
    --subject;
    --viewpoint;
    return subject >= firstSubject && subject < kRecordSubjects && viewpoint >= 0 && viewpoint < kRecordViewpoints;
}

// "a.b.c" after `prefix`, each part a number.
bool ReadNumbers(const std::string& text, int* numbers, int count)
{
    std::size_t at = 0;
    for (int i = 0; i < count; ++i) {
        const auto end = i + 1 < count ? text.find('.', at) : text.size();
        if (end == std::string::npos || !ReadNumber(text.substr(at, end - at), numbers[i]))
            return false;
        at = end + 1;
    }
    return true;
}

bool PrintableLine(const std::string& text)
{
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F)
            return false;
    return true;
}

// A date as typed in the grid: empty or year/month/day in digits.
bool ReadableDate(const std::string& text)
{
    if (text.empty())
        return true;
    int parts[3] = {0, 0, 0};
    std::size_t at = 0;
    for (int i = 0; i < 3; ++i) {
        const auto end = i < 2 ? text.find('/', at) : text.size();
        const std::string part = end == std::string::npos ? std::string() : text.substr(at, end - at);
        if (part.empty() || part.size() > (i == 0 ? 4u : 2u) || part.find_first_not_of("0123456789") != std::string::npos)
            return false;
        parts[i] = std::stoi(part);
        at = end + 1;
    }
    return parts[1] >= 1 && parts[1] <= 12 && parts[2] >= 1 && parts[2] <= 31;
}

// The reader cuts a value at " #": written so, a title keeps its sign.
std::string Kept(const std::string& text)
{
    std::string out = text;
    for (auto at = out.find(" #"); at != std::string::npos; at = out.find(" #", at))
        out.replace(at + 1, 1, "＃");
    return out;
}

std::optional<FileResult> ReadSubject(int subject, const std::string& key, const std::string& value, int line,
                                      EvaluationSettings& s)
{
    ExtraSubject& extra = s.Records.extra[subject - kBookSubjects];
    const std::string where = "subject." + std::to_string(subject + 1) + " の ";
    if (key == "name") {
        if (!PrintableLine(value))
            return FileResult(Refused(line, where + "name に使えない文字があります。"));
        extra.name = value;
        return FileResult();
    }
    if (key != "viewpoints")
        return std::nullopt;
    std::string names[kRecordViewpoints];
    std::size_t at = 0;
    int count = 0;
    for (; count < kRecordViewpoints + 1 && at <= value.size(); ++count) {
        const auto comma = std::min(value.find(',', at), value.size());
        if (count < kRecordViewpoints)
            names[count] = value.substr(at, comma - at);
        at = comma + 1;
    }
    bool ok = count == kRecordViewpoints && PrintableLine(value);
    for (const std::string& name : names)
        ok = ok && !name.empty();
    if (!ok)
        return FileResult(Refused(line, where + "viewpoints は観点の名前三つをコンマで区切ったものです。"));
    for (int v = 0; v < kRecordViewpoints; ++v)
        extra.viewpoints[v] = names[v];
    return FileResult();
}

} // namespace

bool IsRecordSection(const std::string& section)
{
    int numbers[3];
    if (section == "weights" || section.rfind("record.", 0) == 0)
        return true;
    return section.rfind("subject.", 0) == 0 && ReadNumbers(section.substr(8), numbers, 1) &&
           numbers[0] > kBookSubjects && numbers[0] <= kRecordSubjects;
}

std::optional<FileResult> RecordSettingsReader::Entry(const std::string& section, const std::string& key,
                                                      const std::string& value, int line, EvaluationSettings& s)
{
    int subject = 0, viewpoint = 0;
    if (section == "criterion") {
        if (!ReadSubjectViewpoint(key, kBookSubjects, subject, viewpoint))
            return std::nullopt;
        const auto slash = value.find('/');
        CriterionCut cut;
        if (slash == std::string::npos || !ReadNumber(value.substr(0, slash), cut.a) ||
            !ReadNumber(value.substr(slash + 1), cut.c) || cut.a > 100 || cut.a <= cut.c)
            return FileResult(Refused(line, key + " は A/C の百分率（0〜100、A が C より大きい）です。"));
        s.CutOf(subject, viewpoint) = cut;
        return FileResult();
    }
    if (section == "weights") {
        int percent = 0;
        if (!ReadSubjectViewpoint(key, 0, subject, viewpoint))
            return std::nullopt;
        if (!ReadNumber(value, percent) || percent > 100)
            return FileResult(Refused(line, "weights の " + key + " は記録の割合（0〜100 の百分率）です。"));
        s.Records.Weight(subject, viewpoint) = percent;
        return FileResult();
    }
    int numbers[3];
    if (section.rfind("subject.", 0) == 0 && IsRecordSection(section) && ReadNumbers(section.substr(8), numbers, 1))
        return ReadSubject(numbers[0] - 1, key, value, line, s);
    if (section.rfind("record.", 0) != 0)
        return std::nullopt;
    if (!ReadNumbers(section.substr(7), numbers, 3) || numbers[0] < 1 || numbers[0] > kRecordSubjects ||
        numbers[1] < 1 || numbers[1] > kRecordPeriods || numbers[2] < 1 || numbers[2] > kRecordsPerPeriod)
        return FileResult(Refused(line, "[" + section + "] の番号は record.教科(1〜10).期(1〜3).番号(1〜20) です。"));
    Pending& pending = records_[{numbers[0] - 1, numbers[1] - 1, numbers[2]}];
    ClassRecord& record = pending.record;
    const std::string where = section + " の ";
    if (key == "title" || key == "date") {
        if (!PrintableLine(value) || (key == "date" && !ReadableDate(value)))
            return FileResult(Refused(line, where + key +
                                                 (key == "date" ? " は 2026/05/12 の形の日付です。"
                                                                : " に使えない文字があります。")));
        (key == "title" ? record.title : record.date) = value;
    } else if (key == "viewpoint") {
        if (value.size() != 1 || value[0] < '1' || value[0] > '3')
            return FileResult(Refused(line, where + "viewpoint は 1 から 3 までです。"));
        record.viewpoint = value[0] - '1';
    } else if (key == "kind") {
        if (value != "mark" && value != "points")
            return FileResult(Refused(line, where + "kind は mark か points です。"));
        pending.mark = value == "mark";
    } else if (key == "full") {
        pending.full = value;
        pending.fullLine = line;
    } else if (key == "values") {
        pending.values = value;
        pending.valuesLine = line;
    } else {
        return std::nullopt;
    }
    return FileResult();
}

FileResult RecordSettingsReader::Finish(EvaluationSettings& s)
{
    for (auto& [key, pending] : records_) {
        const auto [subject, period, number] = key;
        ClassRecord& record = pending.record;
        const std::string where = "record." + std::to_string(subject + 1) + "." + std::to_string(period + 1) + "." +
                                  std::to_string(number) + " の ";
        record.kind = pending.mark ? RecordKind::Mark : RecordKind::Points;
        double full = kMarkFullPoints;
        if (!pending.full.empty() || !pending.mark) {
            if (!ReadRecordValue(RecordKind::Points, 1000, pending.full, full) || !(full > 0) ||
                (pending.mark && full != kMarkFullPoints))
                return Refused(pending.fullLine, where + (pending.mark ? "full は記号なら 3 です。"
                                                                       : "full は満点（1〜1000 の数）です。"));
        }
        record.full = full;
        std::size_t at = 0;
        for (int n = 0; at <= pending.values.size() && !pending.values.empty(); ++n) {
            const auto comma = std::min(pending.values.find(',', at), pending.values.size());
            if (n >= kRecordStudents)
                return Refused(pending.valuesLine, where + "values は出席番号 40 までです。");
            const std::string text = pending.values.substr(at, comma - at);
            double value = kRecordEmpty;
            if (!ReadRecordValue(record.kind, full, text, value))
                return Refused(pending.valuesLine,
                               where + "values の " + std::to_string(n + 1) + "番目「" + text + "」は" +
                                   (pending.mark ? "◎、○、△、*（欠席）か空です。"
                                                 : "0 から満点までの数、*（欠席）か空です。"));
            record.values[n] = value;
            at = comma + 1;
        }
        s.Records.Of(subject, period).push_back(record);
    }
    records_.clear();
    return std::nullopt;
}

std::string ExtraCutLines(const EvaluationSettings& s)
{
    std::string text;
    for (int subject = kBookSubjects; subject < kRecordSubjects; ++subject)
        for (int v = 0; v < kRecordViewpoints; ++v) {
            const CriterionCut& cut = s.CutOf(subject, v);
            if (RecordSubjectInUse(s.Records, subject) || cut != CriterionCut{})
                text += "s" + std::to_string(subject + 1) + "v" + std::to_string(v + 1) + "=" +
                        std::to_string(cut.a) + "/" + std::to_string(cut.c) + "\n";
        }
    return text;
}

std::string RecordSettingsText(const ClassRecords& records)
{
    std::string text;
    for (int e = 0; e < kExtraSubjects; ++e) {
        const ExtraSubject& extra = records.extra[e];
        if (extra == ExtraSubject{})
            continue;
        text += "\n[subject." + std::to_string(kBookSubjects + e + 1) + "]\nname=" + Kept(extra.name) +
                "\nviewpoints=" + Kept(extra.viewpoints[0] + "," + extra.viewpoints[1] + "," + extra.viewpoints[2]) +
                "\n";
    }
    for (int subject = 0; subject < kRecordSubjects; ++subject)
        for (int period = 0; period < kRecordPeriods; ++period) {
            const auto& list = records.Of(subject, period);
            for (std::size_t k = 0; k < list.size() && k < static_cast<std::size_t>(kRecordsPerPeriod); ++k) {
                const ClassRecord& r = list[k];
                const bool mark = r.kind == RecordKind::Mark;
                int last = kRecordStudents;
                while (last > 0 && r.values[last - 1] == kRecordEmpty)
                    --last;
                std::string values;
                for (int n = 0; n < last; ++n)
                    values += (n ? "," : "") + RecordValueText(r.kind, r.values[n]);
                text += "\n[record." + std::to_string(subject + 1) + "." + std::to_string(period + 1) + "." +
                        std::to_string(k + 1) + "]\ntitle=" + Kept(r.title) + "\ndate=" + r.date +
                        "\nviewpoint=" + std::to_string(r.viewpoint + 1) + "\nkind=" + (mark ? "mark" : "points") +
                        "\nfull=" + RecordValueText(RecordKind::Points, mark ? kMarkFullPoints : r.full) +
                        "\nvalues=" + values + "\n";
            }
        }
    std::string weights;
    for (int subject = 0; subject < kRecordSubjects; ++subject)
        for (int v = 0; v < kRecordViewpoints; ++v)
            if (records.Weight(subject, v) != kDefaultRecordWeight)
                weights += "s" + std::to_string(subject + 1) + "v" + std::to_string(v + 1) + "=" +
                           std::to_string(records.Weight(subject, v)) + "\n";
    if (!weights.empty())
        text += "\n[weights]\n" + weights;
    return text;
}

} // namespace miravel
