#pragma once
// ファイル → 提出用に書き出す: the period and the profile, a preview of the
// first rows as the school's system will read them, the findings of the
// check, and writing the file after asking about them.

#include "file/HandoffProfile.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace miravel {

class frmMain;

class HandoffWindow : public QDialog {
    Q_OBJECT
public:
    explicit HandoffWindow(frmMain& main);

    QComboBox* Period = nullptr;
    QComboBox* Profile = nullptr;
    QPushButton* OpenProfile = nullptr;
    QPushButton* EditProfile = nullptr;
    QLabel* Format = nullptr;
    QTableWidget* Preview = nullptr;
    QLabel* FindingsCaption = nullptr;
    QListWidget* Findings = nullptr;
    QPushButton* Write = nullptr;

    // Adds the profile at `path` to the choice (or chooses it when it is
    // there); false, after saying why, when it cannot be read.
    bool AddProfile(const QString& path);
    // Draws the preview and runs the check for the chosen period and profile.
    void Refresh();
    // Checks, asks, asks for a file name and writes it.
    void WriteFile();

private:
    void openProfile();
    void editProfile();
    const HandoffProfile* current() const;
    void say(const QString& text);

    frmMain& main_;
    std::vector<HandoffProfile> profiles_;  // one per entry of Profile
};

} // namespace miravel
