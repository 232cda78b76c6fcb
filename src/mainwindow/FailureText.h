#pragma once
// The words of a failed file command: what failed, the file, and why.

#include "file/FileError.h"

#include <QDir>
#include <QString>

namespace miravel {

inline QString FailureText(const char* what, const QString& path, const FileError& error)
{
    return QString::fromUtf8(what) + QLatin1Char('\n') + QDir::toNativeSeparators(path) + QLatin1Char('\n') +
           QString::fromStdString(error.Message());
}

} // namespace miravel
