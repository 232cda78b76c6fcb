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
    for (const auto& [previous, existing, start] : cases)
        EXPECT_EQ(DialogStartFolder(previous, docs, home, [&](const QString& f) { return existing.contains(f); }), start);
}

} // namespace miravel::test
