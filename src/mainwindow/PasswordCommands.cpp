// Password-protected books in the window: the password prompt at open, the
// password window (set, change, remove), the question before a plain export,
// and the settings of a plain book that opened without its settings file.

#include "mainwindow/frmMain.h"

#include "core/GradeBook.h"
#include "file/ClassSettingsRecord.h"
#include "file/CompanionFile.h"
#include "file/ProtectedBook.h"
#include "file/SafeWrite.h"
#include "file/SavedVersions.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/ProtectionTexts.h"
#include "mainwindow/RecoveryKeeper.h"
#include "platform/Platform.h"
#include "platform/FileLayerPath.h"
#include "platform/PasswordWindow.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QThread>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace miravel {

namespace fs = std::filesystem;

namespace {

// A password taken from a text field, as UTF-8 bytes wiped after use.
std::string PasswordBytes(const QString& password) { return password.toStdString(); }

// Wiped on every way out of the function that holds it.
struct WipedAtEnd {
    std::string& password;
    ~WipedAtEnd() { WipePassword(password); }
};

} // namespace

void frmMain::setKey(std::unique_ptr<BookKey> key)
{
    key_ = std::move(key);  // the old key is wiped as it goes
    recovery_->SetKey(key_.get());
    exportConfirmed_ = false;
    UpdateCaption();
}

void frmMain::runAside(const std::function<void()>& work)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QEventLoop loop;
    std::unique_ptr<QThread> thread(QThread::create(work));
    connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    thread->wait();
    QApplication::restoreOverrideCursor();
}

namespace {

// The backup of a sealed file, else its newest saved version (its time in
// `when`); empty: neither.
std::string olderCopyOf(const std::string& file, const std::string& versionFolder, std::string& when)
{
    const std::string backup = ProtectedBackupPath(FinalTarget(file));
    std::error_code missing;
    if (fs::is_regular_file(fs::u8path(backup), missing))
        return backup;
    const std::vector<SavedVersion> versions =
        versionFolder.empty() ? std::vector<SavedVersion>() : ListVersions(versionFolder);
    if (versions.empty())
        return std::string();
    when = versions.front().time;
    return versions.front().path;
}

} // namespace

bool frmMain::readProtected(const std::string& file, const QString& shown, GradeDocument& document,
                            std::unique_ptr<BookKey>& key, bool offerOlder)
{
    auto refuse = [&](const FileError& error) {
        const QString reason = error.reason == kDamagedProtectedText
                                   ? message(texts::kDamagedProtected)
                                   : message(texts::kNotAGradeBook) + QString::fromStdString(error.Message());
        inform(shown + QStringLiteral("\n") + reason);
        return false;
    };
    // A damaged header or a cost no book asks for: said before anyone types.
    std::string bytes;
    FileResult header = ReadWholeFile(file, bytes);
    if (!header)
        header = CheckSealedHeader(bytes);
    if (header)
        return refuse(*header);
    const QString prompt = message(texts::kAskPassword).arg(QFileInfo(shown).fileName());
    for (int wrong = 0;;) {
        QString typed = platform_.AskPassword(this, prompt);
        if (typed.isEmpty())
            return false;
        std::string password = PasswordBytes(typed);
        WipeSecret(typed);
        FileResult error;
        runAside([&] { error = ReadProtectedBook(file, password, document, key); });
        WipePassword(password);
        if (!error)
            return true;
        if (!IsWrongPassword(error))
            return refuse(*error);
        inform(QString::fromStdString(WrongPasswordNotice(++wrong)));
        if (!offerOlder || wrong != kWrongPasswordsBeforeOlderCopy)
            continue;
        std::string when;
        const std::string older = olderCopyOf(file, versionFolderOf(file), when);
        if (older.empty())
            continue;
        const QString question = when.empty() ? message(texts::kOfferBackup).arg(DisplayPath(older))
                                              : message(texts::kOfferVersion).arg(QString::fromStdString(when));
        if (platform_.ShowMessage(this, question, message(texts::kProgramTitle), MessageButtons::YesNo,
                                  MessageIcon::None) == MessageAnswer::Yes) {
            olderCopy_ = QtPath(older);
            return false;
        }
    }
}

bool frmMain::acceptSealStamp(const GradeDocument& document, const BookKey& key)
{
    const QString data = platform_.DataFolder();
    if (data.isEmpty())
        return true;
    const SealStamp seen = SeenSealStamp(FileLayerPath(data), document);
    const std::string notice = RollbackNotice(seen, key.LastSeal());
    if (!notice.empty() &&
        platform_.ShowMessage(this, QString::fromStdString(notice), message(texts::kProgramTitle),
                              MessageButtons::OpenCancel, MessageIcon::None) != MessageAnswer::Yes)
        return false;
    // The next save goes above every save seen here.
    key.ContinueFrom(seen.counter);
    noteSealStamp(document, key);
    return true;
}

void frmMain::noteSealStamp(const GradeDocument& document, const BookKey& key)
{
    const QString data = platform_.DataFolder();
    if (!data.isEmpty())
        NoteSealStamp(FileLayerPath(data), document, key.LastSeal());  // best effort: a notice, not a lock
}

bool frmMain::ConfirmPlainExport()
{
    if (!isProtected() || exportConfirmed_)
        return true;
    const MessageAnswer answer = platform_.ShowMessage(this, message(texts::kPlainExport),
                                                       message(texts::kProgramTitle), MessageButtons::YesNo,
                                                       MessageIcon::None);
    exportConfirmed_ = answer == MessageAnswer::Yes;
    return exportConfirmed_;
}

void frmMain::mnuFilePassword_Click()
{
    if (!mnuFilePassword->isEnabled())
        return;
    PasswordAnswer answer = platform_.AskPasswordSettings(this, isProtected());
    std::string current = PasswordBytes(answer.current), password = PasswordBytes(answer.next);
    const WipedAtEnd wipeCurrent{current}, wipeNext{password};
    WipeSecret(answer.current);
    WipeSecret(answer.next);
    if (answer.action == PasswordAction::Cancel)
        return;
    if (isProtected()) {
        bool matches = false;
        runAside([&] { matches = PasswordMatches(*key_, current); });
        if (!matches) {
            inform(message(texts::kWrongPassword));
            return;
        }
    }
    std::unique_ptr<BookKey> next;
    if (answer.action != PasswordAction::Remove) {
        FileResult error;
        runAside([&] { next = BookKey::Create(password, newKeyCost_, error); });
        // Its saves go on counting from the book's.
        if (next && key_)
            next->ContinueFrom(key_->LastSeal().counter);
        if (next && !platform_.DataFolder().isEmpty())
            next->ContinueFrom(SeenSealStamp(FileLayerPath(platform_.DataFolder()), Book()).counter);
        if (!next) {
            inform(message(texts::kCannotMakeKey) + QStringLiteral("\n") + QString::fromStdString(error->Message()));
            return;
        }
    }
    const std::string before = Book().CurrentFilePath;
    std::unique_ptr<BookKey> previous = std::move(key_);
    setKey(std::move(next));
    SaveOutcome outcome = SaveOutcome::Cancelled;
    switch (answer.action) {
    case PasswordAction::Set:
        outcome = saveAs(WithExtension(before, texts::kProtectedExtension));
        break;
    case PasswordAction::Change:
        // A new salt and key: the book is sealed again under the new password.
        outcome = saveDocument();
        break;
    case PasswordAction::Remove:
        outcome = saveAs(WithExtension(before, texts::kPlainExtension));
        break;
    case PasswordAction::Cancel:
        break;
    }
    if (outcome != SaveOutcome::Saved) {
        setKey(std::move(previous));
        return;
    }
    if (answer.action == PasswordAction::Set && !before.empty())
        offerToDeletePlainFiles(before);
    if (answer.action == PasswordAction::Change)
        inform(message(texts::kPasswordChanged));
}

void frmMain::offerToDeletePlainFiles(const std::string& plainBook)
{
    // Only what is still plain: after Save As under the same name the
    // settings file beside the protected book is the plain book's own.
    std::vector<std::string> files;
    for (const std::string& path : {plainBook, BackupPath(plainBook), CompanionPath(plainBook)}) {
        std::error_code missing;
        if (fs::is_regular_file(fs::u8path(path), missing) && !IsProtectedBookFile(path))
            files.push_back(path);
    }
    const QString data = platform_.DataFolder();
    const std::string versions =
        data.isEmpty() ? std::string() : VersionFolderOf(VersionsRoot(FileLayerPath(data)), plainBook);
    const std::size_t versionCount = versions.empty() ? 0 : ListVersions(versions).size();
    if (files.empty() && versionCount == 0)
        return;
    QString question = message(texts::kAskDeletePlain) + QStringLiteral("\n");
    for (const std::string& path : files)
        question += QStringLiteral("\n") + DisplayPath(path);
    if (versionCount > 0)
        question += QStringLiteral("\n") + message(texts::kPlainVersions).arg(versionCount).arg(DisplayPath(versions));
    if (platform_.ShowMessage(this, question, message(texts::kProgramTitle), MessageButtons::YesNoDefaultNo,
                              MessageIcon::None) != MessageAnswer::Yes)
        return;
    QStringList failed;
    for (const std::string& path : files) {
        std::error_code error;
        if (!fs::remove(fs::u8path(path), error) && error)
            failed << DisplayPath(path);
    }
    std::error_code error;
    if (versionCount > 0 && (fs::remove_all(fs::u8path(versions), error), error))
        failed << DisplayPath(versions);
    if (!failed.isEmpty())
        inform(message(texts::kCannotDelete) + QStringLiteral("\n") + failed.join(QLatin1Char('\n')));
}

void frmMain::adviseMissingSettings(const std::string& bookPath, GradeDocument& document)
{
    settingsFromRecord_ = false;
    std::error_code missing;
    if (fs::exists(fs::u8path(CompanionPath(bookPath)), missing))
        return;
    const MissingSettingsAdvice advice =
        AdviseMissingSettings(FileLayerPath(platform_.DataFolder()), bookPath, document);
    if (advice.kind == MissingSettingsAdvice::Kind::SayMissing) {
        inform(QString::fromStdString(advice.text));
    } else if (advice.kind == MissingSettingsAdvice::Kind::OfferRecord &&
               platform_.ShowMessage(this, QString::fromStdString(advice.text), message(texts::kProgramTitle),
                                     MessageButtons::YesNo, MessageIcon::None) == MessageAnswer::Yes) {
        document.Evaluation = advice.settings;
        settingsFromRecord_ = true;
    }
}

} // namespace miravel
