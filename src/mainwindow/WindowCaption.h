#pragma once
// The main window's caption names the open file, as every desktop program's
// does: "3年1組.txt - Miravel Ver1.2.2", with "*" after the name while there
// are unsaved changes; the program's name alone when the book has no file.

#include <QString>

#include <string>

namespace miravel {

// The caption for Qt's window title: "[*]" marks where the "*" goes;
// `mark` follows the file name ("（保護）" for a protected book).
QString WindowCaption(const QString& filePath, const QString& mark = QString());

// The name Save As offers a book without a file: "2026_5年2組.txt" from the
// year's digits, the grade and the class; what is missing is left out,
// nothing at all when none is known. Characters a file name cannot hold
// become "_".
QString NewBookFileName(const std::string& schoolYear, const std::string& grade, const std::string& className);

// The caption as the teacher reads it: "[*]" as "*" or as nothing.
QString ShownCaption(const QString& caption, bool modified);

} // namespace miravel
