#include "platform/FileFilter.h"

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

} // namespace miravel
