#include "platform/PasswordWindow.h"

#include "core/PasswordRules.h"

#include <sodium.h>

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace miravel {

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

constexpr char kForgotten[] = "パスワードを忘れると、この成績ファイルは誰にも開けません。";
constexpr char kOlderCopies[] =
    "以前の版とバックアップ（.bak）は、古いパスワードのまま残ります。";
constexpr char kRemoved[] = "パスワードを外すと、成績ファイルと設定ファイルをパスワードなしで保存し直します。";

} // namespace

PasswordWindow::PasswordWindow(bool isProtected, QWidget* parent) : QDialog(parent), protected_(isProtected)
{
    setWindowTitle(U("パスワードの設定"));
    auto* layout = new QVBoxLayout(this);
    if (protected_) {
        optChange = new QRadioButton(U("パスワードを変更する(&C)"), this);
        optRemove = new QRadioButton(U("パスワードを外す(&R)"), this);
        optChange->setChecked(true);
        auto* group = new QButtonGroup(this);
        group->addButton(optChange);
        group->addButton(optRemove);
        layout->addWidget(optChange);
        layout->addWidget(optRemove);
        connect(optChange, &QRadioButton::toggled, this, &PasswordWindow::showChoice);
    }
    auto* form = new QFormLayout;
    layout->addLayout(form);
    if (protected_)
        txtCurrent = addField(form, U("今のパスワード(&P):"), U("今のパスワード"));
    txtNew = addField(form, U("新しいパスワード(&N):"), U("新しいパスワード"));
    txtAgain = addField(form, U("もう一度(&A):"), U("新しいパスワード（確認）"));
    auto* hint = new QLabel(U("8文字以上。英字、数字、記号、かなを使えます。"), this);
    layout->addWidget(hint);
    auto* warning = new QLabel(U(kForgotten), this);
    warning->setWordWrap(true);
    warning->setStyleSheet(QStringLiteral("font-weight: bold"));
    layout->addWidget(warning);
    lblNote_ = new QLabel(this);
    lblNote_->setWordWrap(true);
    layout->addWidget(lblNote_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(U("ｷｬﾝｾﾙ"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PasswordWindow::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PasswordWindow::reject);
    layout->addWidget(buttons);
    showChoice();
    setMinimumWidth(440);
}

QLineEdit* PasswordWindow::addField(QFormLayout* form, const QString& caption, const QString& name)
{
    auto* field = new QLineEdit(this);
    field->setEchoMode(QLineEdit::Password);
    field->setAccessibleName(name);
    auto* label = new QLabel(caption, this);
    label->setBuddy(field);
    form->addRow(label, field);
    return field;
}

void PasswordWindow::showChoice()
{
    const bool removing = optRemove && optRemove->isChecked();
    txtNew->setEnabled(!removing);
    txtAgain->setEnabled(!removing);
    lblNote_->setText(!protected_ ? QString() : U(removing ? kRemoved : kOlderCopies));
    lblNote_->setVisible(protected_);
}

void WipeSecret(std::string& secret)
{
    secret.resize(secret.capacity());
    sodium_memzero(secret.data(), secret.size());
    secret.clear();
}

void WipeSecret(QString& secret)
{
    // Written through only when this is the last holder; else data() would copy.
    if (secret.isDetached())
        sodium_memzero(secret.data(), static_cast<std::size_t>(secret.size()) * sizeof(QChar));
    secret.clear();
}

void PasswordWindow::ClearFields()
{
    for (QLineEdit* field : {txtCurrent, txtNew, txtAgain})
        if (field)
            field->setText(QString());
}

PasswordAnswer PasswordWindow::Answer() const
{
    PasswordAnswer answer;
    answer.action = !protected_ ? PasswordAction::Set
                    : optRemove->isChecked() ? PasswordAction::Remove
                                             : PasswordAction::Change;
    if (txtCurrent)
        answer.current = txtCurrent->text();
    if (answer.action != PasswordAction::Remove)
        answer.next = txtNew->text();
    return answer;
}

void PasswordWindow::accept()
{
    // A refused entry keeps the window open, with the focus where it was wrong.
    auto refuse = [this](const QString& text, QLineEdit* field) {
        QMessageBox::warning(this, QStringLiteral("Miravel"), text);
        field->selectAll();
        field->setFocus();
    };
    if (txtCurrent && txtCurrent->text().isEmpty())
        return refuse(U("今のパスワードを入力してください。"), txtCurrent);
    if (!(optRemove && optRemove->isChecked())) {
        std::string next = txtNew->text().toStdString(), again = txtAgain->text().toStdString();
        const std::string problem = NewPasswordProblem(next, again);
        const bool tooShort = PasswordCharacters(next) < kMinimumPasswordLength;
        WipeSecret(next);
        WipeSecret(again);
        if (!problem.empty())
            return refuse(QString::fromStdString(problem), tooShort ? txtNew : txtAgain);
    }
    QDialog::accept();
}

} // namespace miravel
