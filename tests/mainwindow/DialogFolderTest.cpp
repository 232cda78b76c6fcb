// Where the file dialogs open: never in the program's folder.

#include "platform/DialogFolder.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace miravel::test {

TEST(DialogFolder, TheLastFolderWhileItExistsElseDocumentsElseHome)
{
    const QString last = QStringLiteral("C:/成績"), docs = QStringLiteral("C:/Documents"), home = QStringLiteral("C:/");
    const std::tuple<QString, QStringList, QString> cases[] = {
        {last, {last, docs}, last}, {QString(), {docs}, docs}, {last, {docs}, docs}, {QString(), {}, home}};
    for (const auto& [previous, existing, start] : cases) {
        const QStringList& folders = existing;  // a lambda cannot name a structured binding in C++17
        EXPECT_EQ(DialogStartFolder(previous, docs, home, [&folders](const QString& f) { return folders.contains(f); }),
                  start);
    }
}

} // namespace miravel::test
