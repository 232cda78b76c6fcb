#pragma once
// The semester criteria editor of CurrentSubject in CurrentSemester: the A
// and C counts of the three viewpoints with their graphs, refilled from the
// book every time the window comes back from another window of the program.

#include "editors/criteria/CriteriaWindow.h"

namespace miravel {

class FormSemesterSpec : public CriteriaWindow {
    Q_OBJECT

public:
    explicit FormSemesterSpec(Platform& platform);

    QGroupBox* Frame1 = nullptr;  // viewpoints 1, 2, 3
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLineEdit* Text1 = nullptr;   // A and C of viewpoint 1
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;   // A and C of viewpoint 2
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;   // A and C of viewpoint 3
    QLineEdit* Text6 = nullptr;
    UpDown* UpDown1 = nullptr;    // UpDown k -> Text k
    UpDown* UpDown2 = nullptr;
    UpDown* UpDown3 = nullptr;
    UpDown* UpDown4 = nullptr;
    UpDown* UpDown5 = nullptr;
    UpDown* UpDown6 = nullptr;
    QLabel* Label4 = nullptr;     // B counts of viewpoints 1, 2, 3
    QLabel* Label11 = nullptr;
    QLabel* Label18 = nullptr;

    void Form_Activate() override;
    void Command1_Click() override;
};

} // namespace miravel
