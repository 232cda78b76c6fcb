#include "platform/FileFilter.h"

#include <QFileInfo>
#include <QStringList>

namespace miravel {

QString QtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        const QString bracketed = QLatin1Char('(') + patterns + QLatin1Char(')');
        if (description.endsWith(bracketed))
            entries << description;
        else if (description.isEmpty())
            entries << bracketed;
        else
            entries << description + QLatin1Char(' ') + bracketed;
    }
    return entries.join(QStringLiteral(";;"));
}

QString DefaultSuffix(const QString& filter)
{
    const QString pattern = filter.section(QLatin1Char('|'), 1, 1).section(QLatin1Char(';'), 0, 0).trimmed();
    const QString suffix = pattern.mid(2);
    if (!pattern.startsWith(QLatin1String("*.")) || suffix.contains(QLatin1Char('*')))
        return QString();
    return suffix;
}

QString WithDefaultSuffix(const QString& path, const QString& filter)
{
    const QString suffix = DefaultSuffix(filter);
    const QString name = QFileInfo(path).fileName();
    // Leading dots (".grades") do not start an extension.
    if (suffix.isEmpty() || name.isEmpty() || name.lastIndexOf(QLatin1Char('.')) > 0)
        return path;
    return path + QLatin1Char('.') + suffix;
}

} // namespace miravel
