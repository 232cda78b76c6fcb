#pragma once
// The application object of the window program. An index outside the grade
// book's tables stops the operation with an exception; this keeps such an
// exception from ending the program (and losing unsaved work): the event is
// dropped, the teacher is told, and the program goes on.

#include <QApplication>

#include <functional>
#include <string>

namespace miravel {

class GuardedApplication : public QApplication {
public:
    // Tells the user that an operation was stopped; a message box by default.
    using ErrorReporter = std::function<void(const std::string& what)>;

    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
    void SetErrorReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }

private:
    ErrorReporter reporter_;
};

} // namespace miravel
