#pragma once
// The text of a PDF as pdftotext reads it back.

#include <QProcess>
#include <QString>

#include <string>

// Under Wine the Linux pdftotext is started by its whole path.
#ifndef MIRAVEL_PDFTOTEXT
#define MIRAVEL_PDFTOTEXT "pdftotext"
#endif

namespace miravel::test {

// Page breaks come out as form feeds. Empty when pdftotext fails.
inline std::string PdfText(const std::string& path)
{
    QProcess process;
    process.start(QStringLiteral(MIRAVEL_PDFTOTEXT), {QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                                 QString::fromStdString(path), QStringLiteral("-")});
    if (!process.waitForFinished() || process.exitCode() != 0)
        return std::string();
    return process.readAllStandardOutput().toStdString();
}

// Without blanks and line breaks, so a name or caption can be found however
// the extraction spaced it.
inline std::string Squeezed(const std::string& text)
{
    QString squeezed = QString::fromStdString(text);
    squeezed.remove(QChar(u' ')).remove(QChar(u'\n')).remove(QChar(u'\f')).remove(QChar(0x3000));
    return squeezed.toStdString();
}

inline int PageCount(const std::string& pdfText)
{
    int pages = 0;
    for (char c : pdfText)
        pages += c == '\f';
    return pages;
}

} // namespace miravel::test
