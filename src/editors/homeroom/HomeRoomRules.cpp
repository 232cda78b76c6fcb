#include "editors/homeroom/HomeRoomRules.h"

#include "core/Defaults.h"
#include "core/StepNames.h"
#include "core/TextRules.h"
#include "file/FieldText.h"
#include "file/ImportColumns.h"
#include "mainwindow/MainWindowTexts.h"

#include <algorithm>

namespace miravel {

void ForgetUnregisteredMarker(GradeBook& book)
{
    if (book.SchoolYear == texts::kNotRegisteredYet)
        book.SchoolYear.clear();
}

void FillRosterGrid(const GradeBook& book, TextGrid& grid, int nameColumnWidth)
{
    grid.SetCols(kRosterCols);
    grid.SetRows(kRosterRows);
    grid.SetColWidth(0, kRosterNumberWidth);
    grid.SetColWidth(1, nameColumnWidth);
    grid.SetTextMatrix(0, 0, "No.");
    grid.SetTextMatrix(0, 1, texts::kStudentNameHeading);
    for (int r = 1; r < kRosterRows; ++r) {
        for (int c = 0; c < kRosterCols; ++c)
            grid.SetCellBackColour(r, c, kRosterCellColour);
        grid.SetTextMatrix(r, 0, Str(r));
        grid.SetTextMatrix(r, 1, book.StudentNames[r - 1]);
    }
}

int AttendanceNumberFromText(std::string_view text)
{
    const double number = std::clamp(LeadingNumber(text), 1.0, double(kStudents));
    return static_cast<int>(RoundHalfEven(number));
}

int NextAttendanceNumber(int studentNo) { return std::min(studentNo + 1, kStudents); }

int PreviousAttendanceNumber(int studentNo) { return std::max(studentNo - 1, 1); }

std::array<std::string, kStudents> RosterNames(const TextGrid& grid)
{
    std::array<std::string, kStudents> names;
    for (int r = 1; r < kRosterRows && r < grid.Rows(); ++r)
        names[r - 1] = grid.TextMatrix(r, 1);
    return names;
}

std::string UnstorableEntryMessage(const UnstorableEntry& entry)
{
    std::string where;
    switch (entry.field) {
    case HomeRoomField::SchoolYear:
        where = "年度";
        break;
    case HomeRoomField::GradeLevel:
        where = "学年";
        break;
    case HomeRoomField::ClassName:
        where = "学級";
        break;
    case HomeRoomField::TeacherName:
        where = "担任の氏名";
        break;
    case HomeRoomField::StudentName:
        where = "出席番号" + Str(entry.studentNo) + "の生徒の氏名";
        break;
    }
    return where + "の" + UnstorableCharacterText(entry.character) + "。別の文字に直してください。";
}

Integer DefaultRankCountA(int enrolled) { return static_cast<Integer>(RoundHalfEven(enrolled * 3 / 10.0)); }

Integer DefaultRankCountC(int enrolled) { return static_cast<Integer>(RoundHalfEven(enrolled / 10.0)); }

namespace {

// The entries as the file will hold them.
HomeRoomEntries Storable(const HomeRoomEntries& entries)
{
    HomeRoomEntries stored;
    stored.SchoolYear = StorableFieldText(entries.SchoolYear);
    stored.GradeLevel = StorableFieldText(entries.GradeLevel);
    stored.ClassName = StorableFieldText(entries.ClassName);
    stored.TeacherName = StorableFieldText(entries.TeacherName);
    for (int i = 0; i < kStudents; ++i)
        stored.Names[i] = StorableFieldText(entries.Names[i]);
    return stored;
}

std::optional<UnstorableEntry> FirstUnstorable(const HomeRoomEntries& entries)
{
    const std::pair<HomeRoomField, const std::string*> header[] = {
        {HomeRoomField::SchoolYear, &entries.SchoolYear},
        {HomeRoomField::GradeLevel, &entries.GradeLevel},
        {HomeRoomField::ClassName, &entries.ClassName},
        {HomeRoomField::TeacherName, &entries.TeacherName},
    };
    for (const auto& [field, text] : header)
        if (auto character = UnstorableCharacter(*text))
            return UnstorableEntry{field, 0, *character};
    for (int i = 0; i < kStudents; ++i)
        if (auto character = UnstorableCharacter(entries.Names[i]))
            return UnstorableEntry{HomeRoomField::StudentName, i + 1, *character};
    return std::nullopt;
}

} // namespace

std::optional<UnstorableEntry> RegisterHomeRoom(GradeBook& book, const HomeRoomEntries& entries)
{
    HomeRoomEntries stored = Storable(entries);
    if (auto refused = FirstUnstorable(stored))
        return refused;

    const int enrolledBefore = book.CountEnrolledStudents();
    book.SchoolYear = std::move(stored.SchoolYear);
    book.GradeLevel = std::move(stored.GradeLevel);
    book.ClassName = std::move(stored.ClassName);
    book.TeacherName = std::move(stored.TeacherName);
    for (int i = 0; i < kStudents; ++i) {
        if (entries.Codes)
            book.Evaluation.StudentCodes[i] = StorableId((*entries.Codes)[i]);
        if (entries.Accounts)
            book.Evaluation.StudentAccounts[i] = StorableId((*entries.Accounts)[i]);
    }
    if (entries.Viewpoints)
        ApplyViewpointSet(book, *entries.Viewpoints);
    book.StudentCount = 0;
    for (int i = 0; i < kStudents; ++i) {
        book.StudentNames[i] = std::move(stored.Names[i]);
        if (!book.StudentNames[i].empty())
            book.StudentCount = static_cast<Integer>(i + 1);
    }

    // A student came or went: the counts set in the criteria editors give
    // way to the defaults of the new roster. With the same class size they
    // stay, and only counts never set take the defaults.
    const int enrolled = book.CountEnrolledStudents();
    if (enrolled > 0) {
        const bool sizeChanged = enrolled != enrolledBefore;
        for (int p = 0; p < kPeriods; ++p) {
            for (int k = 0; k < kSubjectViewpoints; ++k) {
                if (sizeChanged || book.RankCountA[p][k] == kCountNotSet)
                    book.RankCountA[p][k] = DefaultRankCountA(enrolled);
                if (sizeChanged || book.RankCountC[p][k] == kCountNotSet)
                    book.RankCountC[p][k] = DefaultRankCountC(enrolled);
            }
        }
    }
    book.MarkChanged(ClassRegistrationStep());
    return std::nullopt;
}

void TransferOut(GradeBook& book, int studentNo)
{
    if (studentNo < 1 || studentNo > kStudents)
        return;
    const int column = studentNo - 1;
    book.StudentNames[column].clear();
    book.Evaluation.StudentCodes[column].clear();
    book.Evaluation.StudentAccounts[column].clear();
    for (int slot = 0; slot < kSlots; ++slot)
        book.Scores[slot][column] = kNoValue;
    book.MarkChanged(TransferOutStep(studentNo));
}

} // namespace miravel
