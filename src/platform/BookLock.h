#pragma once
// One grade book, one window: a lock file beside the book while a program
// has it open. A lock left by a program that is no longer running is taken
// over; one held by a running program is not, nor one left by another
// computer (a book on a network share), which only the teacher can judge.
// The lock names the process that wrote it with the moment it started, so
// a lock whose number now belongs to a later program (or to this one, after
// a crash) is known to be left over.

#include "file/ProcessIdentity.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>

class QFile;

namespace miravel {

class BookLock {
public:
    enum class Outcome {
        Taken,          // this program now holds the book
        HeldElsewhere,  // another running program has it open
        HeldOnAnotherComputer, // a program on another computer has (or had) it open
        Unavailable,    // no lock can be made there (a read-only folder): nothing to guard
    };

    BookLock();
    ~BookLock();
    BookLock(const BookLock&) = delete;
    BookLock& operator=(const BookLock&) = delete;

    // Tries to take `bookPath`; once taken, the book held so far is let go
    // (kept when `bookPath` cannot be taken).
    Outcome Take(const QString& bookPath);
    // Removes the lock another computer left and takes the book.
    Outcome TakeOver(const QString& bookPath);
    // Lets the book go (Close, or opening it read-only).
    void Release();
    bool Holds(const QString& bookPath) const;

    // The lock file of a book: hidden, beside it (".3年1組.txt.lock").
    static QString LockPathOf(const QString& bookPath);

    // Who holds a book's lock: the computer's name and since when.
    struct Holder {
        QString host;
        QDateTime since;
    };
    static Holder HolderOf(const QString& bookPath);

    // What a lock file says: who wrote it, on which computer, since which boot.
    struct LockText {
        bool readable = false;
        WriterProcess writer;
        QString host;
        QByteArray boot;
    };
    static LockText ParseLock(const QByteArray& text);
    enum class Holding { Ended, Running, AnotherComputer };
    // Whether the writer of `lock` still holds it, seen from `computer`
    // running since `boot`; `anotherComputerOnly` asks only where it was written.
    static Holding JudgeLock(const LockText& lock, const QString& computer, const QByteArray& boot,
                             bool anotherComputerOnly = false);

private:
    std::unique_ptr<QFile> lock_;
};

} // namespace miravel
