#pragma once
// The text of a PDF as pdftotext reads it back.

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QThread>

#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

// Under Wine the Linux pdftotext is started by its whole path.
#ifndef MIRAVEL_PDFTOTEXT
#define MIRAVEL_PDFTOTEXT "pdftotext"
#endif

namespace miravel::test {

// The Linux pdftotext that Wine starts knows nothing of drive letters: it is
// given the file's Linux name, which Wine's kernel32 tells.
inline QString PdfToTextPath(const QString& path)
{
#ifdef _WIN32
    using UnixFileName = char*(CDECL*)(LPCWSTR);
    const auto unixFileName = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* name = unixFileName ? unixFileName(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(path).utf16()))
                              : nullptr;
    if (name) {
        const QString unixPath = QString::fromUtf8(name);
        HeapFree(GetProcessHeap(), 0, name);
        return unixPath;
    }
#endif
    return path;
}

// Page breaks come out as form feeds. Empty when pdftotext fails.
inline std::string PdfText(const std::string& path)
{
    const QString pdf = QString::fromStdString(path);
    QProcess process;
#ifdef _WIN32
    // Under Wine a Linux program's output reaches no pipe, and its end cannot
    // be waited for: a shell writes the text beside the PDF under a name it
    // takes only when complete.
    const QString text = pdf + QStringLiteral(".txt");
    QFile::remove(text);
    process.start(QStringLiteral("Z:/bin/sh"),
                  {QStringLiteral("-c"), QStringLiteral("\"$0\" -raw -enc UTF-8 \"$1\" \"$2.part\" && mv \"$2.part\" \"$2\""),
                   PdfToTextPath(QStringLiteral(MIRAVEL_PDFTOTEXT)), PdfToTextPath(pdf), PdfToTextPath(text)});
    const QDeadlineTimer deadline(30000);
    while (!QFile::exists(text) && !deadline.hasExpired())
        QThread::msleep(20);
    QFile file(text);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
#else
    process.start(QStringLiteral(MIRAVEL_PDFTOTEXT),
                  {QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished() || process.exitCode() != 0)
        return std::string();
    return process.readAllStandardOutput().toStdString();
#endif
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
