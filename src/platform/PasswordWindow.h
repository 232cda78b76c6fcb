#pragma once
// パスワードの設定: gives a plain book a password, or changes or removes the
// password of a protected one. The window checks what was typed (the
// current password given, the new one at least 8 characters and typed the
// same twice) and hands the answer back; the main window does the rest.

#include "platform/Platform.h"

#include <QDialog>

#include <string>

class QFormLayout;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace miravel {

// Wipes a password once it has served: its whole buffer, then empties it.
// A QString is written through only when no other copy shares it, so the
// field it came from is cleared first.
void WipeSecret(std::string& secret);
void WipeSecret(QString& secret);

class PasswordWindow : public QDialog {
public:
    explicit PasswordWindow(bool isProtected, QWidget* parent = nullptr);

    PasswordAnswer Answer() const;
    // Once the answer is taken: the fields hold no copy of a password.
    void ClearFields();

    QRadioButton* optChange = nullptr;  // protected books only
    QRadioButton* optRemove = nullptr;
    QLineEdit* txtCurrent = nullptr;    // protected books only
    QLineEdit* txtNew = nullptr;
    QLineEdit* txtAgain = nullptr;

    void accept() override;

private:
    void showChoice();
    QLineEdit* addField(QFormLayout* form, const QString& caption, const QString& name);

    bool protected_;
    QLabel* lblNote_ = nullptr;
};

} // namespace miravel
