#pragma once
// The 評価の方法 window: relative or criterion evaluation, the A and C
// percentages of the 18 subject viewpoints, the two 評定 cut points and the
// term system. 登録 applies them to the book and marks it changed; ｷｬﾝｾﾙ,
// Esc and the window frame drop them. Either way the main window comes back.

#include "core/GradeBook.h"

#include <QWidget>

#include <array>

class QDoubleSpinBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace miravel {

class Platform;

class FormEvaluationMethod : public QWidget {
    Q_OBJECT

public:
    explicit FormEvaluationMethod(Platform& platform);

    QRadioButton* optRelative = nullptr;
    QRadioButton* optCriterion = nullptr;
    QGroupBox* fraCriteria = nullptr;
    std::array<QSpinBox*, kSubjectViewpoints> spnA{};  // [subject*3 + viewpoint]
    std::array<QSpinBox*, kSubjectViewpoints> spnC{};
    QDoubleSpinBox* spnGradeA3 = nullptr;
    QDoubleSpinBox* spnGradeC1 = nullptr;
    QRadioButton* optThreeTerms = nullptr;
    QRadioButton* optTwoTerms = nullptr;
    QPushButton* cmdRecords = nullptr;  // 記録の割合と教科 7〜10
    QPushButton* Command1 = nullptr;  // 登録
    QPushButton* Command2 = nullptr;  // ｷｬﾝｾﾙ

    // The book's settings with the entries in place of the method.
    EvaluationSettings Entered() const;
    void Command1_Click();
    void Command2_Click();
    void RecordSettings_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fill(const EvaluationSettings& settings);
    void closeEditor();

    Platform& platform_;
    // The book's settings with what 記録の割合と教科 7〜10 took.
    EvaluationSettings pending_;
    bool closed_ = false;
};

} // namespace miravel
