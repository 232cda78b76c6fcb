#pragma once
// The real desktop: Qt's message boxes, file, printer and page-setup dialogs,
// QSettings, the system locale, and the manual in the help window.

#include "platform/Platform.h"

#include <memory>

namespace miravel {

// The per-user folder for the program's own files under the application
// name "Miravel" (also for the command line, which has no QtPlatform).
QString StandardDataFolder();

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    MessageAnswer ShowMessage(QWidget* parent, const QString& text, const QString& title, MessageButtons buttons,
                              MessageIcon icon) override;
    QString GetOpenFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString GetSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                            const QString& name = QString()) override;
    QString AskPassword(QWidget* parent, const QString& text) override;
    PasswordAnswer AskPasswordSettings(QWidget* parent, bool isProtected) override;

    QPrinter& Printer() override;
    bool HasPrinter() override;
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
    void rememberFolder(const QString& path);

    std::unique_ptr<QPrinter> printer_;  // made on first use: finding printers is slow
};

} // namespace miravel
