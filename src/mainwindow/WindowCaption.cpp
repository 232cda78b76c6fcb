#include "mainwindow/WindowCaption.h"

#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/TablePdfName.h"

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

QString NewBookFileName(const std::string& schoolYear, const std::string& grade, const std::string& className)
{
    // "2026年（令和8年）" and "2026" both give 2026: the digits it starts with.
    const QString year = QString::fromStdString(schoolYear).trimmed();
    qsizetype digits = 0;
    while (digits < year.size() && year[digits].isDigit())
        ++digits;
    QString name = QString::fromStdString(grade + className).trimmed();
    if (digits > 0)
        name = name.isEmpty() ? year.left(digits) : year.left(digits) + QLatin1Char('_') + name;
    if (name.isEmpty())
        return QString();
    return QString::fromStdString(FileNameSafe(name.toStdString())) + QStringLiteral(".txt");
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
