#pragma once
// A desktop for tests and benchmarks: message boxes and dialogs are answered
// from queues filled beforehand, and everything shown is recorded. Settings
// live in memory; the date is fixed.

#include "platform/Platform.h"

#include <QMap>

#include <deque>
#include <memory>
#include <vector>

namespace miravel {

enum class DialogKind { Open, Save, PageSetup, Print };

struct ShownMessage {
    QString text;
    QString title;
    MessageButtons buttons;
    MessageIcon icon;
};

struct ShownDialog {
    DialogKind kind;
    QString title;
    QString filter;  // file dialogs only, as the window passed it
    QString pdfName; // the name offered: the printer dialog's PDF, the save dialog's file
};

class ScriptedPlatform : public Platform {
public:
    ScriptedPlatform();
    ~ScriptedPlatform() override;

    // Answers, used front first. An empty queue answers a Yes/No box with No
    // and an OK box with OK, cancels every dialog, and counts as unscripted.
    std::deque<MessageAnswer> messageAnswers;
    std::deque<QString> fileAnswers;     // an empty text cancels the dialog
    std::deque<bool> dialogAnswers;      // page setup and printer dialogs
    std::deque<QString> passwordAnswers; // an empty text cancels the prompt
    std::deque<PasswordAnswer> passwordSettingsAnswers;
    QStringList passwordPrompts;         // the texts the password prompts said
    QStringList suggestedNames;          // the names save dialogs offered
    bool printerPresent = true;          // false: a computer without any printer

    std::vector<ShownMessage> messages;
    std::vector<ShownDialog> dialogs;
    int unscriptedAnswers = 0;

    QMap<QString, QString> settings;     // "application/section/key" -> value
    QString helpFile;
    QString helpError;                   // when set, opening help fails with it; else the help window opens
    QStringList helpShown;
    QDate today{2025, 4, 7};
    QDateTime now{QDate(2025, 4, 7), QTime(9, 30)};
    QString dataFolder;                  // empty: no recovery copies
    QString shortDateFormat{QStringLiteral("yyyy/MM/dd")};

    static QString SettingPath(const QString& application, const QString& section, const QString& key);

    MessageAnswer ShowMessage(QWidget* parent, const QString& text, const QString& title, MessageButtons buttons,
                              MessageIcon icon) override;
    QString GetOpenFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString GetSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                            const QString& name = QString()) override;
    QString AskPassword(QWidget* parent, const QString& text) override;
    PasswordAnswer AskPasswordSettings(QWidget* parent, bool isProtected) override;
    QPrinter& Printer() override;
    bool HasPrinter() override { return printerPresent; }
    bool ShowPageSetup(QWidget* parent, const QString& title) override;
    bool ShowPrintDialog(QWidget* parent, const QString& title, const QString& pdfName = QString()) override;
    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue) override;
    void SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value) override;
    QString HelpFile() const override;
    bool ShowHelpContents(QWidget* parent, const QString& helpFile, QString& error) override;
    QDate Today() const override;
    QString ShortDateFormat() const override;
    QDateTime Now() const override;
    QString DataFolder() const override;

private:
    QString nextFile(DialogKind kind, const QString& title, const QString& filter);
    bool nextDialog(DialogKind kind, const QString& title);

    std::unique_ptr<QPrinter> printer_;
};

} // namespace miravel
