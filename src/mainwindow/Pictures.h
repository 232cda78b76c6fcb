#pragma once
// The window's pictures: tree pictures by image key, toolbar pictures by
// picture key (the desktop theme's where it has one), the decorative
// animals and the application icon. All of them are drawn by us and bundled
// as resources, each also at twice its size for scaled screens.

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace miravel {

// "root", "lighton", "lightoff", "test", the subject keys and the semester keys.
QIcon TreePicture(const QString& imageKey);
// "New", "Open", "Save", "Print", "Edit".
QIcon ToolbarPicture(const QString& pictureKey);
// "pictHorse", "pictRabbit", "pictDuck", "pictPenguin", "pictHito", `size`
// pixels square on a screen of the given device pixel ratio.
QPixmap DecorativePicture(const QString& name, int size, qreal devicePixelRatio);
// The program's icon, 16 to 256 pixels; the desktop entry names the same
// picture in the icon theme.
QIcon ApplicationIcon();

// Every image key the tree uses, for checks that none is missing.
QStringList TreePictureKeys();

} // namespace miravel
