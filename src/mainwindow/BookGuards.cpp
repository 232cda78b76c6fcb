// One book in one window, and a book changed on disk by another program:
// the lock taken at Open and the file's stamp compared at Save.

#include "mainwindow/frmMain.h"

#include "mainwindow/MainWindowTexts.h"
#include "platform/BookLock.h"
#include "platform/Platform.h"
#include "platform/FileLayerPath.h"

#include <QFileInfo>

namespace miravel {

namespace {

QString absolute(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

} // namespace

bool frmMain::takeBook(const QString& path)
{
    if (lockedPath_ == absolute(path))
        return true;
    if (lock_->Take(path) == BookLock::Outcome::HeldElsewhere) {
        const MessageAnswer answer = platform_.ShowMessage(this, message(texts::kOpenedElsewhere),
                                                           message(texts::kProgramTitle), MessageButtons::YesNo,
                                                           MessageIcon::None);
        if (answer != MessageAnswer::Yes)
            return false;
        lock_->Release();
        commands_.readOnly = true;
    } else {
        commands_.readOnly = false;
    }
    lockedPath_ = absolute(path);
    applyCommands();
    return true;
}

bool frmMain::takeBookForSaving(const QString& path)
{
    if (lockedPath_ == absolute(path) && !commands_.readOnly)
        return true;
    if (lock_->Take(path) == BookLock::Outcome::HeldElsewhere) {
        inform(message(texts::kSaveOntoOpenedElsewhere));
        return false;
    }
    lockedPath_ = absolute(path);
    commands_.readOnly = false;
    return true;
}

void frmMain::releaseBook()
{
    lock_->Release();
    lockedPath_.clear();
    commands_.readOnly = false;
    diskPath_.clear();
    diskStamp_ = DiskStamp();
}

void frmMain::noteDiskState(const std::string& path, const DiskStamp& stamp)
{
    diskPath_ = path;
    diskStamp_ = stamp;
}

bool frmMain::confirmOverwrite(const QString& path)
{
    const std::string file = FileLayerPath(path);
    if (file != diskPath_ || StampOf(file) == diskStamp_)
        return true;
    return platform_.ShowMessage(this, message(texts::kChangedOnDisk), message(texts::kProgramTitle),
                                 MessageButtons::YesNo, MessageIcon::None) == MessageAnswer::Yes;
}

} // namespace miravel
