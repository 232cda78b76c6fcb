#pragma once
// The year-round criteria editor of the subject CurrentSubject: renames the
// subject and its three viewpoints, sets the year-round A and C counts of
// each viewpoint with its graph beside it, and prints the three graphs.

#include "editors/criteria/CriteriaWindow.h"

class QComboBox;

namespace miravel {

class FormSubjectSpec : public CriteriaWindow {
    Q_OBJECT

public:
    // Loads the window for Book().CurrentSubject.
    explicit FormSubjectSpec(Platform& platform);

    QGroupBox* Frame1 = nullptr;  // 科目と観点の名前の変更
    QComboBox* Combo1 = nullptr;  // subject name
    QComboBox* Combo2 = nullptr;  // viewpoint names 1..3
    QComboBox* Combo3 = nullptr;
    QComboBox* Combo4 = nullptr;
    QGroupBox* Frame2 = nullptr;  // viewpoint 1: Text1 (A), Text2 (C)
    QGroupBox* Frame3 = nullptr;  // viewpoint 2: Text4 (A), Text3 (C)
    QGroupBox* Frame4 = nullptr;  // viewpoint 3: Text5 (A), Text6 (C)
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;
    UpDown* UpDown1 = nullptr;    // UpDown1 -> Text1, 2 -> Text2, 3 -> Text4, 4 -> Text3, 5 -> Text5, 6 -> Text6
    UpDown* UpDown2 = nullptr;
    UpDown* UpDown3 = nullptr;
    UpDown* UpDown4 = nullptr;
    UpDown* UpDown5 = nullptr;
    UpDown* UpDown6 = nullptr;
    QLabel* Label8 = nullptr;     // B counts of viewpoints 1, 2, 3
    QLabel* Label14 = nullptr;
    QLabel* Label21 = nullptr;

    void Form_Activate() override;
    void Command1_Click() override;
    bool HasPendingChanges() const override;

private:
    void buildNames();
    void Form_Load();
    // True, after a message, when the combo holds a character the file
    // cannot store.
    bool refuseUnstorable(QComboBox* combo, const char* label);
};

} // namespace miravel
