#include "mainwindow/Pictures.h"

#include "core/Defaults.h"

#include <QFile>
#include <QHash>

// The resources live in this static library; they must be registered by
// hand, outside any namespace.
static void RegisterPictureResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)registered;
}

namespace miravel {

namespace {

QIcon CachedIcon(const QString& path)
{
    static QHash<QString, QIcon> cache;
    auto found = cache.constFind(path);
    if (found != cache.constEnd())
        return *found;
    RegisterPictureResources();
    // Both drawings, whatever the screen at hand: QIcon would look for the
    // @2x one only when the first screen is already scaled.
    QIcon icon(path);
    const QString doubleSize = QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
    if (QFile::exists(doubleSize))
        icon.addFile(doubleSize);
    return *cache.insert(path, icon);
}

const QHash<QString, QString>& ThemeNames()
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("New"), QStringLiteral("document-new")},
        {QStringLiteral("Open"), QStringLiteral("document-open")},
        {QStringLiteral("Save"), QStringLiteral("document-save")},
        {QStringLiteral("Print"), QStringLiteral("document-print")},
        {QStringLiteral("Edit"), QStringLiteral("document-edit")},
    };
    return names;
}

} // namespace

QIcon TreePicture(const QString& imageKey)
{
    return CachedIcon(QStringLiteral(":/pictures/tree/%1.png").arg(imageKey));
}

QIcon ToolbarPicture(const QString& pictureKey)
{
    const QIcon ours = CachedIcon(QStringLiteral(":/pictures/toolbar/%1.png").arg(pictureKey));
    return QIcon::fromTheme(ThemeNames().value(pictureKey), ours);
}

QPixmap DecorativePicture(const QString& name, int size, qreal devicePixelRatio)
{
    // Through QIcon, which takes the @2x drawing on a scaled screen.
    return CachedIcon(QStringLiteral(":/pictures/decor/%1.png").arg(name)).pixmap(QSize(size, size), devicePixelRatio);
}

QIcon ApplicationIcon()
{
    static const QIcon icon = [] {
        RegisterPictureResources();
        QIcon sizes;
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            sizes.addFile(QStringLiteral(":/pictures/app/%1.png").arg(size), QSize(size, size));
        return sizes;
    }();
    return icon;
}

QStringList TreePictureKeys()
{
    QStringList keys = {QStringLiteral("root"), QStringLiteral("lighton"), QStringLiteral("lightoff"),
                        QStringLiteral("test")};
    for (const char* key : SubjectKeys)
        keys << QString::fromLatin1(key);
    for (const char* key : SemesterKeys)
        keys << QString::fromLatin1(key);
    return keys;
}

} // namespace miravel
