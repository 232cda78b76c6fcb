#include "platform/ScriptedPlatform.h"

#include "platform/FileFilter.h"
#include "platform/HelpViewer.h"

#include <QPrinter>

namespace miravel {

ScriptedPlatform::ScriptedPlatform() = default;
ScriptedPlatform::~ScriptedPlatform() = default;

QString ScriptedPlatform::SettingPath(const QString& application, const QString& section, const QString& key)
{
    return application + QLatin1Char('/') + section + QLatin1Char('/') + key;
}

MessageAnswer ScriptedPlatform::ShowMessage(QWidget*, const QString& text, const QString& title,
                                            MessageButtons buttons, MessageIcon icon)
{
    messages.push_back({text, title, buttons, icon});
    if (messageAnswers.empty()) {
        ++unscriptedAnswers;
        if (buttons == MessageButtons::ReadOnlyUnlockCancel || buttons == MessageButtons::OpenCancel ||
            buttons == MessageButtons::SavePdfCancel)
            return MessageAnswer::Cancel;
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }
    const MessageAnswer answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

QString ScriptedPlatform::nextFile(DialogKind kind, const QString& title, const QString& filter)
{
    dialogs.push_back({kind, title, filter, QString()});
    if (fileAnswers.empty()) {
        ++unscriptedAnswers;
        return QString();
    }
    const QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

bool ScriptedPlatform::nextDialog(DialogKind kind, const QString& title)
{
    dialogs.push_back({kind, title, QString(), QString()});
    if (dialogAnswers.empty()) {
        ++unscriptedAnswers;
        return false;
    }
    const bool answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
}

QString ScriptedPlatform::AskPassword(QWidget*, const QString& text)
{
    passwordPrompts << text;
    if (passwordAnswers.empty()) {
        ++unscriptedAnswers;
        return QString();
    }
    const QString answer = passwordAnswers.front();
    passwordAnswers.pop_front();
    return answer;
}

PasswordAnswer ScriptedPlatform::AskPasswordSettings(QWidget*, bool)
{
    if (passwordSettingsAnswers.empty()) {
        ++unscriptedAnswers;
        return PasswordAnswer{};
    }
    const PasswordAnswer answer = passwordSettingsAnswers.front();
    passwordSettingsAnswers.pop_front();
    return answer;
}

QString ScriptedPlatform::GetOpenFileName(QWidget*, const QString& title, const QString& filter)
{
    return nextFile(DialogKind::Open, title, filter);
}

QString ScriptedPlatform::GetSaveFileName(QWidget*, const QString& title, const QString& filter, const QString& name)
{
    suggestedNames << name;
    // As the desktop's dialog does, a name without an extension gets the filter's.
    const QString path = nextFile(DialogKind::Save, title, filter);
    dialogs.back().pdfName = name;
    return path.isEmpty() ? path : WithDefaultSuffix(path, filter);
}

QPrinter& ScriptedPlatform::Printer()
{
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>();
        printer_->setOutputFormat(QPrinter::PdfFormat);  // never reaches a real printer
    }
    return *printer_;
}

bool ScriptedPlatform::ShowPageSetup(QWidget*, const QString& title) { return nextDialog(DialogKind::PageSetup, title); }

bool ScriptedPlatform::ShowPrintDialog(QWidget*, const QString& title, const QString& pdfName)
{
    const bool answer = nextDialog(DialogKind::Print, title);
    dialogs.back().pdfName = pdfName;
    return answer;
}

QString ScriptedPlatform::GetSetting(const QString& application, const QString& section, const QString& key,
                                     const QString& defaultValue)
{
    return settings.value(SettingPath(application, section, key), defaultValue);
}

void ScriptedPlatform::SaveSetting(const QString& application, const QString& section, const QString& key,
                                   const QString& value)
{
    settings.insert(SettingPath(application, section, key), value);
}

QString ScriptedPlatform::HelpFile() const { return helpFile; }

bool ScriptedPlatform::ShowHelpContents(QWidget* parent, const QString& file, QString& error)
{
    helpShown << file;
    if (!helpError.isEmpty()) {
        error = helpError;
        return false;
    }
    // The real help window: it asks nothing, so tests can look into it.
    return ShowHelpViewer(parent, file, error);
}

QDate ScriptedPlatform::Today() const { return today; }

QString ScriptedPlatform::ShortDateFormat() const { return shortDateFormat; }

QDateTime ScriptedPlatform::Now() const { return now; }

QString ScriptedPlatform::DataFolder() const { return dataFolder; }

} // namespace miravel
