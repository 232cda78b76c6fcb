#include "core/GradeBook.h"
#include "mainwindow/GuardedApplication.h"

#include <QEvent>
#include <QObject>
#include <gtest/gtest.h>

using namespace miravel;

namespace {

// Reads a score outside the tables when it receives an event.
class FaultyHandler : public QObject {
public:
    bool event(QEvent*) override
    {
        volatile int slot = kSlots;
        return Book().Scores[slot][0] > 0;
    }
};

} // namespace

TEST(GuardedApplication, AnOutOfRangeIndexStopsTheOperationNotTheProgram)
{
    auto* app = static_cast<GuardedApplication*>(qApp);
    std::string reported;
    app->SetErrorReporter([&reported](const std::string& what) { reported = what; });

    FaultyHandler handler;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&handler, &event));
    EXPECT_NE(reported.find("816"), std::string::npos) << reported;

    // From here on an exception escaping any window test is a failure.
    app->SetErrorReporter([](const std::string& what) { ADD_FAILURE() << "exception in an event: " << what; });
}
