#include "platform/QtPlatform.h"

#include "platform/DateFormat.h"
#include "platform/DialogFolder.h"
#include "platform/FileFilter.h"
#include "platform/PasswordWindow.h"
#include "platform/HelpViewer.h"
#include "platform/ManualLocation.h"
#include "platform/UserSettings.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QPushButton>

namespace miravel {

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

namespace {

// A closed box or dialog hands the keyboard back to the window it came from;
// without a window manager to do it, typing would go nowhere.
void GiveBackFocus(QWidget* parent)
{
    if (parent && parent->window()->isVisible())
        parent->window()->activateWindow();
}

} // namespace

MessageAnswer QtPlatform::ShowMessage(QWidget* parent, const QString& text, const QString& title,
                                      MessageButtons buttons, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon, title, text,
                    buttons == MessageButtons::Ok ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No, parent);
    if (buttons == MessageButtons::Ok) {
        box.exec();
        GiveBackFocus(parent);
        return MessageAnswer::Ok;
    }
    if (buttons == MessageButtons::ReadOnlyUnlockCancel) {
        box.setStandardButtons(QMessageBox::NoButton);
        QAbstractButton* readOnly = box.addButton(QStringLiteral("読み取り専用で開く"), QMessageBox::AcceptRole);
        QAbstractButton* unlock = box.addButton(QStringLiteral("ロックを解除して開く"), QMessageBox::DestructiveRole);
        QAbstractButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
        box.setDefaultButton(static_cast<QPushButton*>(readOnly));
        box.setEscapeButton(cancel);
        box.exec();
        GiveBackFocus(parent);
        return box.clickedButton() == readOnly ? MessageAnswer::Yes
               : box.clickedButton() == unlock ? MessageAnswer::No
                                               : MessageAnswer::Cancel;
    }
    if (buttons == MessageButtons::OpenCancel) {
        box.setStandardButtons(QMessageBox::NoButton);
        QAbstractButton* open = box.addButton(QStringLiteral("開く"), QMessageBox::AcceptRole);
        QAbstractButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
        box.setDefaultButton(static_cast<QPushButton*>(cancel));
        box.setEscapeButton(cancel);
        box.exec();
        GiveBackFocus(parent);
        return box.clickedButton() == open ? MessageAnswer::Yes : MessageAnswer::Cancel;
    }
    if (buttons == MessageButtons::SavePdfCancel) {
        box.setStandardButtons(QMessageBox::NoButton);
        QAbstractButton* save = box.addButton(QStringLiteral("PDFに保存"), QMessageBox::AcceptRole);
        QAbstractButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
        box.setDefaultButton(static_cast<QPushButton*>(save));
        box.setEscapeButton(cancel);
        box.exec();
        GiveBackFocus(parent);
        return box.clickedButton() == save ? MessageAnswer::Yes : MessageAnswer::Cancel;
    }
    if (buttons == MessageButtons::YesNoDefaultNo) {
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        box.exec();
        GiveBackFocus(parent);
        return box.clickedButton() == box.button(QMessageBox::Yes) ? MessageAnswer::Yes : MessageAnswer::No;
    }
    // Esc and the close box would otherwise press No; they answer nothing.
    QAbstractButton* cancel = box.addButton(QMessageBox::Cancel);
    cancel->hide();
    box.setEscapeButton(cancel);
    box.exec();
    GiveBackFocus(parent);
    if (box.clickedButton() == box.button(QMessageBox::Yes))
        return MessageAnswer::Yes;
    if (box.clickedButton() == box.button(QMessageBox::No))
        return MessageAnswer::No;
    return MessageAnswer::Cancel;
}

QString QtPlatform::GetOpenFileName(QWidget* parent, const QString& title, const QString& filter)
{
    const QString path = QFileDialog::getOpenFileName(parent, title, DialogStartFolder(), QtFileFilter(filter));
    GiveBackFocus(parent);
    rememberFolder(path);
    return path;
}

QString QtPlatform::GetSaveFileName(QWidget* parent, const QString& title, const QString& filter, const QString& name)
{
    // The dialog adds the extension to a name typed without one, and asks
    // before replacing a file that exists under the name it then has.
    QFileDialog dialog(parent, title, DialogStartFolder(), QtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(DefaultSuffix(filter));
    const QString suffix = QLatin1Char('.') + DefaultSuffix(filter);
    if (!name.isEmpty())
        dialog.selectFile(name.endsWith(suffix, Qt::CaseInsensitive) ? name : name + suffix);
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    // A desktop's own dialog may not add it: the name is made whole here too.
    const QString path = chosen ? WithDefaultSuffix(dialog.selectedFiles().constFirst(), filter) : QString();
    GiveBackFocus(parent);
    rememberFolder(path);
    return path;
}

QString QtPlatform::AskPassword(QWidget* parent, const QString& text)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Miravel"));
    dialog.setLabelText(text);
    dialog.setTextEchoMode(QLineEdit::Password);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("ｷｬﾝｾﾙ"));
    QString password = dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
    dialog.setTextValue(QString());  // the field's copy goes; the caller wipes this one
    GiveBackFocus(parent);
    return password;
}

PasswordAnswer QtPlatform::AskPasswordSettings(QWidget* parent, bool isProtected)
{
    PasswordWindow window(isProtected, parent);
    const PasswordAnswer answer = window.exec() == QDialog::Accepted ? window.Answer() : PasswordAnswer{};
    window.ClearFields();  // the caller wipes the answer
    GiveBackFocus(parent);
    return answer;
}

void QtPlatform::rememberFolder(const QString& path) { RememberDialogFolder(path); }

QPrinter& QtPlatform::Printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool QtPlatform::HasPrinter() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

bool QtPlatform::ShowPageSetup(QWidget* parent, const QString& title)
{
    QPageSetupDialog dialog(&Printer(), parent);
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPlatform::ShowPrintDialog(QWidget* parent, const QString& title, const QString& pdfName)
{
    QPrinter& printer = Printer();
    if (!pdfName.isEmpty()) {
        // The dialog offers the document's name as the file when none is set,
        // and the last file when one is: that is replaced by this name.
        printer.setDocName(pdfName);
        const QString last = printer.outputFileName();
        if (!last.isEmpty())
            printer.setOutputFileName(QFileInfo(last).absoluteDir().filePath(pdfName + QStringLiteral(".pdf")));
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

QString QtPlatform::GetSetting(const QString& application, const QString& section, const QString& key,
                               const QString& defaultValue)
{
    const auto settings = UserSettings(application);
    settings->beginGroup(section);
    return settings->value(key, defaultValue).toString();
}

void QtPlatform::SaveSetting(const QString& application, const QString& section, const QString& key,
                             const QString& value)
{
    const auto settings = UserSettings(application);
    settings->beginGroup(section);
    settings->setValue(key, value);
}

QString QtPlatform::HelpFile() const
{
    return FindManual(ManualFolders(QCoreApplication::applicationDirPath()));
}

bool QtPlatform::ShowHelpContents(QWidget* parent, const QString& helpFile, QString& error)
{
    return ShowHelpViewer(parent, helpFile, error);
}

QDate QtPlatform::Today() const { return QDate::currentDate(); }

QString QtPlatform::ShortDateFormat() const { return JapaneseShortDateFormat(QLocale::system()); }

QDateTime QtPlatform::Now() const { return QDateTime::currentDateTime(); }

QString StandardDataFolder()
{
    if (QCoreApplication::applicationName().isEmpty())
        QCoreApplication::setApplicationName(QStringLiteral("Miravel"));
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString QtPlatform::DataFolder() const { return StandardDataFolder(); }

} // namespace miravel
