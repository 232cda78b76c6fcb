#pragma once
// The window's pictures: tree pictures by image key, toolbar pictures by
// picture key (the desktop theme's where it has one) and the decorative
// animals. All of them are drawn by us and bundled as resources.

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace miravel {

// "root", "lighton", "lightoff", "test", the subject keys and the semester keys.
QIcon TreePicture(const QString& imageKey);
// "New", "Open", "Save", "Print", "Edit".
QIcon ToolbarPicture(const QString& pictureKey);
// "pictHorse", "pictRabbit", "pictDuck", "pictPenguin", "pictHito".
QPixmap DecorativePicture(const QString& name);

// Every image key the tree uses, for checks that none is missing.
QStringList TreePictureKeys();

} // namespace miravel
