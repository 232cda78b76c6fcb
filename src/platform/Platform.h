#pragma once
// What the windows need from the desktop: message boxes, file dialogs, the
// printer, per-user settings, help and today's date. Windows reach the
// desktop only through this interface, so tests can answer every dialog from
// a script and keep the user's settings untouched.

#include <QDate>
#include <QDateTime>
#include <QString>

class QPrinter;
class QWidget;

namespace miravel {

// YesNoDefaultNo: いいえ is the default button, and Esc or the close box answer No.
// ReadOnlyUnlockCancel: 読み取り専用で開く (answers Yes), ロックを解除して開く
// (No) and キャンセル (Cancel, also Esc and the close box).
// OpenCancel: 開く (answers Yes) and キャンセル (Cancel, the default, also Esc).
// SavePdfCancel: PDFに保存 (answers Yes) and キャンセル (Cancel, also Esc).
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo, ReadOnlyUnlockCancel, OpenCancel, SavePdfCancel };
enum class MessageIcon { None, Information };
// Cancel: a Yes/No box closed by Esc or by its close box, without an answer.
enum class MessageAnswer { Ok, Yes, No, Cancel };

// What the password window (パスワードの設定) was told to do: a plain book
// gets a password; a protected one changes it or has it removed, after its
// current password was typed.
enum class PasswordAction { Cancel, Set, Change, Remove };
struct PasswordAnswer {
    PasswordAction action = PasswordAction::Cancel;
    QString current;  // Change and Remove
    QString next;     // Set and Change, typed twice and checked already
};

class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box; gives the button pressed, or Cancel when a Yes/No
    // box is left by Esc or its close box.
    virtual MessageAnswer ShowMessage(QWidget* parent, const QString& text, const QString& title,
                                      MessageButtons buttons, MessageIcon icon) = 0;

    // File dialogs. `filter` is written "description|pattern|description|...".
    // The save dialog adds the first pattern's extension to a name typed
    // without one and asks before replacing a file that exists; it offers
    // `name` (without extension) when one is given. Empty when the user
    // cancels.
    virtual QString GetOpenFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    // `name`, when given, is the name the save dialog offers (the filter's
    // extension is added when it has none).
    virtual QString GetSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& name = QString()) = 0;

    // Asks for the password of a protected book, saying `text` (which names
    // the file); empty when the user cancels. Never echoed.
    virtual QString AskPassword(QWidget* parent, const QString& text) = 0;
    // The password window, for a plain book (`isProtected` false) or a protected one.
    virtual PasswordAnswer AskPasswordSettings(QWidget* parent, bool isProtected) = 0;

    // The one printer of the program: page setup chooses its paper and
    // orientation, printing draws on it.
    virtual QPrinter& Printer() = 0;
    // False when the system knows no printer at all.
    virtual bool HasPrinter() = 0;
    // False when the user cancels or the dialog fails.
    virtual bool ShowPageSetup(QWidget* parent, const QString& title) = 0;
    // `pdfName` (without ".pdf"), when given, is the name offered for
    // printing to a PDF file, in the folder of the last one.
    virtual bool ShowPrintDialog(QWidget* parent, const QString& title, const QString& pdfName = QString()) = 0;

    // Per-user settings: one text value per application, section and key.
    virtual QString GetSetting(const QString& application, const QString& section, const QString& key,
                               const QString& defaultValue) = 0;
    virtual void SaveSetting(const QString& application, const QString& section, const QString& key,
                             const QString& value) = 0;

    // The help file to show, empty while no help viewer is configured.
    virtual QString HelpFile() const = 0;
    // Opens the help file at its contents page; on failure gives false and
    // puts a description into `error`.
    virtual bool ShowHelpContents(QWidget* parent, const QString& helpFile, QString& error) = 0;

    virtual QDate Today() const = 0;
    virtual QDateTime Now() const = 0;
    // The user's short date format, in QDate::toString() notation.
    virtual QString ShortDateFormat() const = 0;

    // The per-user folder for the program's own files (recovery copies);
    // empty when there is none.
    virtual QString DataFolder() const = 0;
};

} // namespace miravel
