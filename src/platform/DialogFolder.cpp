#include "platform/DialogFolder.h"

#include "platform/UserSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace miravel {

namespace {

// Beside the window placement, in the program's own settings.
const QString kApplication = QStringLiteral("Miravel");
const QString kKey = QStringLiteral("Dialogs/LastFolder");

} // namespace

QString DialogStartFolder(const QString& last, const QString& documents, const QString& home,
                          const std::function<bool(const QString&)>& folderExists)
{
    for (const QString& folder : {last, documents})
        if (!folder.isEmpty() && folderExists(folder))
            return folder;
    return home;
}

QString DialogStartFolder()
{
    const QString last = UserSettings(kApplication)->value(kKey).toString();
    return DialogStartFolder(last, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                             QDir::homePath(), [](const QString& folder) { return QFileInfo(folder).isDir(); });
}

void RememberDialogFolder(const QString& chosenFile)
{
    if (!chosenFile.isEmpty())
        UserSettings(kApplication)->setValue(kKey, QFileInfo(chosenFile).absolutePath());
}

} // namespace miravel
