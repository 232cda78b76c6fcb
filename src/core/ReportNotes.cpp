#include "core/ReportNotes.h"

namespace miravel {

bool StudentNotes::operator==(const StudentNotes& o) const
{
    return Texts == o.Texts && Excused == o.Excused && Absent == o.Absent && AttendanceNote == o.AttendanceNote &&
           Conduct == o.Conduct;
}

ReportNotes::ReportNotes() : ConductItems(DefaultConductItems())
{
    Limits[static_cast<int>(NoteText::Remarks)] = 200;
    Limits[static_cast<int>(NoteText::Moral)] = 100;
    Limits[static_cast<int>(NoteText::Integrated)] = 100;
    Limits[static_cast<int>(NoteText::Foreign)] = 100;
    // 外国語活動 is taught in 3・4年 only at most schools: off until chosen.
    Uses[static_cast<int>(NoteText::Remarks)] = true;
    Uses[static_cast<int>(NoteText::Moral)] = true;
    Uses[static_cast<int>(NoteText::Integrated)] = true;
    Uses[static_cast<int>(NoteText::Foreign)] = false;
}

bool ReportNotes::operator==(const ReportNotes& o) const
{
    return Periods == o.Periods && ConductItems == o.ConductItems && Limits == o.Limits && Uses == o.Uses;
}

const CheckedArray<std::string, kConductItems>& DefaultConductItems()
{
    static const CheckedArray<std::string, kConductItems> items = [] {
        const char* names[kConductItems] = {"基本的な生活習慣", "健康・体力の向上", "自主・自律", "責任感",
                                            "創意工夫", "思いやり・協力", "生命尊重・自然愛護", "勤労・奉仕",
                                            "公正・公平", "公共心・公徳心"};
        CheckedArray<std::string, kConductItems> a;
        for (int i = 0; i < kConductItems; ++i)
            a[i] = names[i];
        return a;
    }();
    return items;
}

const char* NoteTextName(NoteText t)
{
    switch (t) {
    case NoteText::Remarks: return "所見";
    case NoteText::Moral: return "道徳";
    case NoteText::Integrated: return "総合";
    case NoteText::Foreign: return "外国語活動";
    }
    return "";
}

std::optional<int> DaysRequired(std::optional<int> schoolDays, int excused)
{
    if (!schoolDays)
        return std::nullopt;
    return *schoolDays - excused;
}

std::optional<int> DaysAttended(std::optional<int> schoolDays, int excused, int absent)
{
    const std::optional<int> required = DaysRequired(schoolDays, excused);
    if (!required)
        return std::nullopt;
    return *required - absent;
}

int NoteLength(std::string_view utf8)
{
    int count = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        std::size_t width = c < 0x80 ? 1 : c >= 0xF0 && c < 0xF8 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        if (c >= 0xF8)
            width = 1;
        for (std::size_t k = 1; k < width; ++k) {
            if (i + k >= utf8.size() || (static_cast<unsigned char>(utf8[i + k]) & 0xC0) != 0x80) {
                width = 1;  // a broken sequence: its first byte is one character
                break;
            }
        }
        if (c != '\n' && c != '\r')
            ++count;
        i += width;
    }
    return count;
}

} // namespace miravel
