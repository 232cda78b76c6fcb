#pragma once
// Keeps the recovery copy of the grade book up to date while it has unsaved
// changes: soon after every change (at most once per 250 ms however fast
// changes come) and every 2 minutes while changes are pending; at once
// after a registration. Writing it never stops the teacher's work: a failure
// is noted once through `note`, and the copy left from before is marked as
// missing the later changes.

#include "file/RecoveryCopy.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

namespace miravel {

class RecoveryKeeper : public QObject {
public:
    static constexpr int kShortestGapMs = 250;
    static constexpr int kRefreshMs = 2 * 60 * 1000;

    // `folder` empty: no copies are kept. `now` gives the time written into
    // the side record.
    RecoveryKeeper(const QString& folder, std::function<QString()> now, std::function<void(const QString&)> note,
                   QObject* parent = nullptr);

    const QString& Folder() const { return folder_; }

    // The book changed: a copy is written soon.
    void DocumentChanged();
    // A registration, transfer-out or import: the copy is written now.
    void WriteAtOnce();
    // Writes the copy now when changes are pending.
    void WriteNow();
    // The work is saved, or the teacher chose to drop it: the copy goes.
    void Forget();
    // The key of a protected book (null for a plain one): its copies are
    // sealed with it. The key must outlive its use here.
    void SetKey(const BookKey* key) { key_ = key; }
    // A restored copy becomes this program's own, and changes are pending.
    void Adopt(const RecoveryRecord& restored);

    bool Pending() const { return pending_; }
    int CopiesWritten() const { return copiesWritten_; }

private:
    void schedule();

    QString folder_;
    std::function<QString()> now_;
    std::function<void(const QString&)> note_;
    QTimer soon_;
    QTimer refresh_;
    QElapsedTimer sinceLastCopy_;
    bool pending_ = false;
    bool failureNoted_ = false;
    bool haveCopy_ = false;
    const BookKey* key_ = nullptr;
    RecoveryRecord lastCopy_;  // what is on disk now, to remove or replace
    int copiesWritten_ = 0;
};

} // namespace miravel
