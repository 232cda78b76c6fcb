#include "core/Defaults.h"

#include "core/TextRules.h"

namespace miravel {

const char* const SubjectKeys[kSubjects] = {"LANGUAGE", "ARITHMETIC", "SCIENCE", "SOCIETY", "HOMEMAKE", "PHYSICAL"};
const char* const SemesterKeys[kSemesters] = {"SPRING", "AUTUMN", "WINTER"};

namespace {

const char* const kSubjectCatalogue[] = {"国語", "算数", "理科", "社会", "家庭", "体育"};
const char* const kViewpointCatalogue[] = {"表現", "理解", "知識",   "思考", "観察",   "資料",
                                           "観・資", "観・実", "知・理", "工夫", "言語", "表・処"};
const char* const kSubjectTable[kSubjects][4] = {
    {"国語", "表現", "理解", "言語"},   {"算数", "思考", "表・処", "知・理"}, {"理科", "思考", "観・実", "知・理"},
    {"社会", "思考", "観・資", "知・理"}, {"家庭", "観点1", "観点2", "観点3"}, {"体育", "知識", "工夫", "観点3"},
};
const char* const kCurrentViewpoints[3] = {"知識・技能", "思考・判断・表現", "主体的に学習に取り組む態度"};
const char* const kSemesterNames[kSemesters] = {"一学期", "二学期", "三学期"};

} // namespace

void InitDefaults(GradeBook& book)
{
    book.SchoolYear.clear();
    book.GradeLevel.clear();
    book.ClassName.clear();
    book.TeacherName.clear();
    book.StudentCount = 0;
    book.StudentNames.fill(std::string());

    for (auto& slot : book.Scores)
        slot.fill(kNoValue);

    book.SubjectCatalogue.fill(std::string());
    book.ViewpointCatalogue.fill(std::string());
    for (int i = 0; i < 6; ++i)
        book.SubjectCatalogue[i] = kSubjectCatalogue[i];
    for (int i = 0; i < 12; ++i)
        book.ViewpointCatalogue[i] = kViewpointCatalogue[i];

    for (int m = 0; m < kSemesters; ++m)
        book.SemesterNames[m] = kSemesterNames[m];
    for (int s = 0; s < kSubjects; ++s)
        for (int k = 0; k < 4; ++k)
            book.SubjectTable[s][k] = kSubjectTable[s][k];

    // Only the viewpoint parts of real tests carry titles.
    for (auto& titles : book.SlotTitles)
        titles.fill(std::string());
    for (int s = 0; s < kSubjects; ++s)
        for (int m = 0; m < kSemesters; ++m)
            for (int t = 0; t < kTests; ++t)
                for (int p = 0; p < kViewpoints; ++p) {
                    const int slot = TestSlot(m, s, t, p);
                    book.SlotTitles[slot][0] = book.SemesterNames[m];
                    book.SlotTitles[slot][1] = Str(t + 1) + "回目試験";
                }

    for (int p = 0; p < kPeriods; ++p) {
        book.RankCountA[p].fill(kCountNotSet);
        book.RankCountC[p].fill(kCountNotSet);
    }

    book.Evaluation = EvaluationSettings{};

    book.CurrentSubject = 0;
    book.CurrentSemester = 0;
    book.CurrentTest = 0;
    book.CurrentViewpoint = 0;
}

void ApplyViewpointSet(GradeDocument& book, ViewpointSet set)
{
    for (int s = 0; s < kSubjects; ++s)
        for (int k = 1; k < 4; ++k)
            book.SubjectTable[s][k] = set == ViewpointSet::Current ? kCurrentViewpoints[k - 1] : kSubjectTable[s][k];
    // The suggestions of the criteria editor: the current names come first.
    book.ViewpointCatalogue.fill(std::string());
    int at = 0;
    if (set == ViewpointSet::Current)
        for (const char* name : kCurrentViewpoints)
            book.ViewpointCatalogue[at++] = name;
    for (const char* name : kViewpointCatalogue)
        book.ViewpointCatalogue[at++] = name;
}

std::optional<ViewpointSet> HeldViewpointSet(const GradeDocument& book)
{
    for (ViewpointSet set : {ViewpointSet::Current, ViewpointSet::Old}) {
        bool held = true;
        for (int s = 0; s < kSubjects; ++s)
            for (int k = 1; k < 4; ++k)
                held = held && book.SubjectTable[s][k] == (set == ViewpointSet::Current ? kCurrentViewpoints[k - 1]
                                                                                         : kSubjectTable[s][k]);
        if (held)
            return set;
    }
    return std::nullopt;
}

int SchoolYearOf(int year, int month) { return month >= 4 ? year : year - 1; }

std::string SchoolYearText(int year)
{
    // School years by the era their April falls in (2019 is 令和元年度).
    struct Era { int first; const char* name; };
    static const Era kEras[] = {{2019, "令和"}, {1989, "平成"}, {1926, "昭和"}};
    std::string text = std::to_string(year) + "年";
    for (const Era& era : kEras)
        if (year >= era.first) {
            const int n = year - era.first + 1;
            return text + "（" + era.name + (n == 1 ? std::string("元") : std::to_string(n)) + "年）";
        }
    return text;
}

SchoolYearChoices SchoolYearsAround(int year, int month)
{
    const int current = SchoolYearOf(year, month);
    SchoolYearChoices choices;
    for (int y = current - 5; y <= current + 1; ++y)
        choices.years.push_back(SchoolYearText(y));
    choices.current = 5;
    return choices;
}

} // namespace miravel
