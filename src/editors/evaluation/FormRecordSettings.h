#pragma once
// 記録の割合と教科 7〜10, opened from 評価の方法: how much the records weigh
// against the tests in each subject and viewpoint, and the subjects without
// tests (name, three viewpoint names, their A/C cuts). OK hands the entries
// back to 評価の方法, whose 登録 registers everything as one step.

#include "core/GradeBook.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace miravel {

class Platform;

class FormRecordSettings : public QDialog {
    Q_OBJECT

public:
    FormRecordSettings(Platform& platform, const EvaluationSettings& settings, QWidget* parent);

    // `settings` given at the opening with the entries in place.
    EvaluationSettings Entered() const;

    std::array<QSpinBox*, kRecordSubjects * kRecordViewpoints> spnWeight{};  // [subject*3 + viewpoint]
    std::array<QLabel*, kExtraSubjects> lblWeightSubject{};
    std::array<QComboBox*, kExtraSubjects> cboName{};
    std::array<QLineEdit*, kExtraSubjects * kRecordViewpoints> txtViewpoint{};  // [(subject-6)*3 + viewpoint]
    std::array<QSpinBox*, kExtraSubjects * kRecordViewpoints> spnA{};
    std::array<QSpinBox*, kExtraSubjects * kRecordViewpoints> spnC{};
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;

    void accept() override;

private:
    void showNames();

    Platform& platform_;
    EvaluationSettings settings_;
};

} // namespace miravel
