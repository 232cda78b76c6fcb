#pragma once
// 学級の設定 of the notes editor: the character limits, which written
// subjects the class uses, the names of the ten 行動 items and the 授業日数
// of each period. OK hands the settings back to the editor's working copy;
// they reach the book with its 登録.

#include "core/ReportNotes.h"

#include <QDialog>

#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace miravel {

class Platform;

class NotesSettingsDialog : public QDialog {
    Q_OBJECT

public:
    // `periods`: the names of the periods the book shows.
    NotesSettingsDialog(Platform& platform, const ReportNotes& notes, const std::vector<std::string>& periods,
                        QWidget* parent = nullptr);

    // The settings as entered, the rest of `notes` as it was.
    ReportNotes Entered() const;

    std::array<QSpinBox*, kNoteTexts> Limits{};
    std::array<QCheckBox*, kNoteTexts> Uses{};  // [Remarks] stays null: 所見 is always written
    std::array<QLineEdit*, kConductItems> Items{};
    std::array<QSpinBox*, kNotePeriods> SchoolDays{};  // null past the book's periods

    void accept() override;

private:
    Platform& platform_;
    ReportNotes notes_;
};

} // namespace miravel
