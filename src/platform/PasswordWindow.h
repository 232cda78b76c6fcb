#pragma once
// パスワードの設定: gives a plain book a password, or changes or removes the
// password of a protected one. The window checks what was typed (the
// current password given, the new one at least 8 characters and typed the
// same twice) and hands the answer back; the main window does the rest.

#include "platform/Platform.h"

#include <QDialog>

class QFormLayout;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace miravel {

class PasswordWindow : public QDialog {
public:
    explicit PasswordWindow(bool isProtected, QWidget* parent = nullptr);

    PasswordAnswer Answer() const;

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
