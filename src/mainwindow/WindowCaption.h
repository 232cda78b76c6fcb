#pragma once
// The main window's caption names the open file, as every desktop program's
// does: "3年1組.txt - Miravel Ver1.2.2", with "*" after the name while there
// are unsaved changes; the program's name alone when the book has no file.

#include <QString>

namespace miravel {

// The caption for Qt's window title: "[*]" marks where the "*" goes;
// `mark` follows the file name ("（保護）" for a protected book).
QString WindowCaption(const QString& filePath, const QString& mark = QString());

// The caption as the teacher reads it: "[*]" as "*" or as nothing.
QString ShownCaption(const QString& caption, bool modified);

} // namespace miravel
