#include "mainwindow/WindowCaption.h"

#include "mainwindow/MainWindowTexts.h"

#include <QFileInfo>

namespace miravel {

QString WindowCaption(const QString& filePath, const QString& mark)
{
    const QString program = QString::fromUtf8(texts::kWindowCaption);
    if (filePath.isEmpty())
        return program;
    // A "[*]" inside the file name itself must stay as typed: Qt reads "[*][*]" as a literal "[*]".
    QString name = QFileInfo(filePath).fileName();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return name + mark + QStringLiteral("[*] - ") + program;
}

QString ShownCaption(const QString& caption, bool modified)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.mid(i, 6) == QLatin1String("[*][*]")) {
            shown += QLatin1String("[*]");
            i += 5;
        } else if (caption.mid(i, 3) == QLatin1String("[*]")) {
            if (modified)
                shown += QLatin1Char('*');
            i += 2;
        } else {
            shown += caption[i];
        }
    }
    return shown;
}

} // namespace miravel
