// Draws the window's pictures once; the PNGs it writes are committed beside
// it and bundled by pictures.qrc. Every picture also comes at twice its size
// ("@2x") for scaled screens. The application icon goes to the desktop's
// icon theme folders (share/icons/hicolor) as SVG and PNG 16 to 256; the
// window bundles those PNGs too. Build and run from this folder:
//
//   g++ -std=c++17 -fPIC make_pictures.cpp -o /tmp/make_pictures $(pkg-config --cflags --libs Qt6Gui Qt6Svg)
//   QT_QPA_PLATFORM=offscreen /tmp/make_pictures . ../../../share/icons/hicolor
//
// The subject pictures carry a kanji and need a Japanese font (IPAGothic); the
// SVG needs Qt's SVG module (Debian: qt6-svg-dev).

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <cmath>
#include <functional>

namespace {

QString outDir;

using Drawing = std::function<void(QPainter&)>;

void SaveFile(const QString& file, int size, const Drawing& draw)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 32.0, size / 32.0);  // every picture is drawn on a 32 x 32 canvas
    draw(p);
    p.end();
    image.save(file);
}

// name.png at `size` and name@2x.png at twice that, which QIcon picks by itself
// on a scaled screen.
void Save(const QString& folder, const QString& name, int size, const Drawing& draw)
{
    QDir().mkpath(outDir + "/" + folder);
    SaveFile(outDir + "/" + folder + "/" + name + ".png", size, draw);
    SaveFile(outDir + "/" + folder + "/" + name + "@2x.png", 2 * size, draw);
}

// The icon theme's layout: NxN/apps/miravel.png and scalable/apps/miravel.svg.
void SaveApplicationIcon(const QString& themeDir, const Drawing& draw)
{
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(themeDir).arg(size);
        QDir().mkpath(folder);
        SaveFile(folder + "/miravel.png", size, draw);
    }
    const QString folder = themeDir + "/scalable/apps";
    QDir().mkpath(folder);
    QSvgGenerator svg;
    svg.setFileName(folder + "/miravel.svg");
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Miravel"));
    svg.setDescription(QStringLiteral("Miravel grade book"));
    QPainter p(&svg);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(8, 8);
    draw(p);
}

QPen Outline(const QColor& colour, double width = 1.6) { return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// ---- tree ----

void School(QPainter& p)
{
    p.setPen(Outline(QColor(120, 60, 30)));
    p.setBrush(QColor(250, 235, 200));
    p.drawRect(QRectF(5, 13, 22, 15));
    p.setBrush(QColor(220, 60, 50));
    p.drawPolygon(QPolygonF({QPointF(2, 14), QPointF(16, 3), QPointF(30, 14)}));
    p.setBrush(QColor(90, 160, 220));
    p.drawRect(QRectF(8, 17, 5, 4));
    p.drawRect(QRectF(19, 17, 5, 4));
    p.setBrush(QColor(150, 90, 40));
    p.drawRect(QRectF(13.5, 20, 5, 8));
    p.setBrush(QColor(255, 210, 40));
    p.drawEllipse(QPointF(16, 10), 2.2, 2.2);
}

void Bulb(QPainter& p, bool lit)
{
    if (lit) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 240, 120, 140));
        p.drawEllipse(QPointF(16, 12), 15, 12);
    }
    p.setPen(Outline(lit ? QColor(200, 130, 0) : QColor(110, 110, 110)));
    p.setBrush(lit ? QColor(255, 220, 40) : QColor(205, 205, 205));
    QPainterPath glass;
    glass.addEllipse(QPointF(16, 12), 9, 9);
    p.drawPath(glass);
    p.setBrush(QColor(150, 150, 160));
    p.setPen(Outline(QColor(90, 90, 100)));
    p.drawRoundedRect(QRectF(11.5, 20, 9, 8), 1.5, 1.5);
    p.drawLine(QPointF(12, 23), QPointF(20, 23));
    p.drawLine(QPointF(12, 25.5), QPointF(20, 25.5));
    if (lit) {
        p.setPen(Outline(QColor(255, 255, 255), 2));
        p.drawArc(QRectF(10, 6, 8, 8), 100 * 16, 70 * 16);
    }
}

void TestPaper(QPainter& p)
{
    p.setPen(Outline(QColor(90, 90, 110)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 3, 20, 26));
    p.setPen(Outline(QColor(150, 170, 210), 1.4));
    for (int y = 10; y <= 24; y += 5)
        p.drawLine(QPointF(9, y), QPointF(23, y));
    p.setPen(QPen(QColor(230, 40, 40), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(11, 15), QPointF(15, 20), QPointF(24, 7)}));
}

void Subject(QPainter& p, const QColor& colour, const QString& kanji)
{
    p.setPen(Outline(colour.darker(140)));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 8, 8);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(22);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, kanji);
}

void Spring(QPainter& p)
{
    p.setPen(Outline(QColor(210, 90, 130), 1.2));
    p.setBrush(QColor(255, 190, 210));
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(16, 16);
        p.rotate(i * 72.0);
        QPainterPath petal;
        petal.moveTo(0, 0);
        petal.cubicTo(-8, -6, -6, -14, -1.5, -14);
        petal.lineTo(0, -12);
        petal.lineTo(1.5, -14);
        petal.cubicTo(6, -14, 8, -6, 0, 0);
        p.drawPath(petal);
        p.restore();
    }
    p.setBrush(QColor(255, 220, 90));
    p.drawEllipse(QPointF(16, 16), 3, 3);
}

// A five-pointed star (or maple leaf) around `centre`, first point up.
QPolygonF Star(QPointF centre, double outer, double inner)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double radius = i % 2 == 0 ? outer : inner;
        star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return star;
}

void Autumn(QPainter& p)
{
    p.setPen(Outline(QColor(170, 60, 10), 1.2));
    p.setBrush(QColor(240, 110, 30));
    p.drawPolygon(Star(QPointF(16, 15), 13, 6));
    p.setPen(Outline(QColor(140, 60, 20), 1.8));
    p.drawLine(QPointF(16, 15), QPointF(16, 30));
}

void Winter(QPainter& p)
{
    p.setPen(Outline(QColor(60, 130, 210), 2.2));
    p.translate(16, 16);
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.rotate(i * 60.0);
        p.drawLine(QPointF(0, 0), QPointF(0, -13));
        p.drawLine(QPointF(0, -8), QPointF(-4, -11));
        p.drawLine(QPointF(0, -8), QPointF(4, -11));
        p.restore();
    }
}

// ---- toolbar ----

void Page(QPainter& p)
{
    p.setPen(Outline(QColor(90, 90, 110)));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(6, 2), QPointF(20, 2), QPointF(26, 8), QPointF(26, 30), QPointF(6, 30)}));
    p.setBrush(QColor(220, 220, 230));
    p.drawPolygon(QPolygonF({QPointF(20, 2), QPointF(20, 8), QPointF(26, 8)}));
}

void New(QPainter& p)
{
    Page(p);
    p.setPen(Outline(QColor(210, 150, 0), 1.2));
    p.setBrush(QColor(255, 215, 40));
    p.drawPolygon(Star(QPointF(20, 21), 8, 3.5));
}

void Open(QPainter& p)
{
    p.setPen(Outline(QColor(170, 120, 20)));
    p.setBrush(QColor(240, 190, 60));
    p.drawPolygon(QPolygonF({QPointF(2, 7), QPointF(11, 7), QPointF(14, 10), QPointF(27, 10), QPointF(27, 27),
                             QPointF(2, 27)}));
    p.setBrush(QColor(255, 220, 110));
    p.drawPolygon(QPolygonF({QPointF(6, 14), QPointF(31, 14), QPointF(27, 27), QPointF(2, 27)}));
}

void SaveDisk(QPainter& p)
{
    p.setPen(Outline(QColor(30, 60, 120)));
    p.setBrush(QColor(60, 110, 200));
    p.drawRoundedRect(QRectF(3, 3, 26, 26), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 3, 16, 10));
    p.setBrush(QColor(200, 210, 230));
    p.drawRect(QRectF(8, 18, 16, 11));
    p.setBrush(QColor(30, 60, 120));
    p.drawRect(QRectF(18, 5, 3, 6));
}

void Print(QPainter& p)
{
    p.setPen(Outline(QColor(90, 90, 110)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(170, 175, 190));
    p.drawRoundedRect(QRectF(3, 12, 26, 12), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 20, 14, 10));
    p.setPen(Outline(QColor(150, 170, 210), 1.2));
    p.drawLine(QPointF(11, 24), QPointF(21, 24));
    p.drawLine(QPointF(11, 27), QPointF(19, 27));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 200, 90));
    p.drawEllipse(QPointF(25, 16), 1.6, 1.6);
}

void Edit(QPainter& p)
{
    Page(p);
    p.save();
    p.translate(17, 19);
    p.rotate(45);
    p.setPen(Outline(QColor(120, 80, 20), 1.2));
    p.setBrush(QColor(250, 200, 50));
    p.drawRect(QRectF(-3, -14, 6, 18));
    p.setBrush(QColor(250, 150, 160));
    p.drawRect(QRectF(-3, -17, 6, 3));
    p.setBrush(QColor(245, 220, 180));
    p.drawPolygon(QPolygonF({QPointF(-3, 4), QPointF(3, 4), QPointF(0, 10)}));
    p.restore();
}

// ---- decorative animals ----

void Eye(QPainter& p, double x, double y, double r = 1.4)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QPointF(x, y), r, r);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(x + r * 0.35, y - r * 0.35), r * 0.35, r * 0.35);
}

void Cheek(QPainter& p, double x, double y)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 140, 160, 150));
    p.drawEllipse(QPointF(x, y), 2, 1.3);
}

void Horse(QPainter& p)
{
    const QColor coat(190, 120, 60);
    p.setPen(Outline(coat.darker(150)));
    p.setBrush(coat);
    p.drawPolygon(QPolygonF({QPointF(9, 8), QPointF(11, 1), QPointF(14, 7)}));
    p.drawPolygon(QPolygonF({QPointF(18, 7), QPointF(21, 1), QPointF(23, 8)}));
    p.drawRoundedRect(QRectF(7, 5, 18, 25), 9, 9);
    p.setBrush(QColor(240, 200, 160));
    p.drawEllipse(QRectF(9, 19, 14, 10));
    p.setBrush(QColor(90, 50, 20));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(12, 3, 8, 7));
    p.drawEllipse(QPointF(13, 24), 1, 1.4);
    p.drawEllipse(QPointF(19, 24), 1, 1.4);
    Eye(p, 12, 14);
    Eye(p, 20, 14);
}

void Rabbit(QPainter& p)
{
    p.setPen(Outline(QColor(160, 160, 170)));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(8, 0, 6, 17));
    p.drawEllipse(QRectF(18, 0, 6, 17));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 180, 200));
    p.drawEllipse(QRectF(9.8, 3, 2.4, 11));
    p.drawEllipse(QRectF(19.8, 3, 2.4, 11));
    p.setPen(Outline(QColor(160, 160, 170)));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(5, 12, 22, 19));
    Eye(p, 12, 20);
    Eye(p, 20, 20);
    Cheek(p, 9.5, 24);
    Cheek(p, 22.5, 24);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 120, 150));
    p.drawEllipse(QPointF(16, 23.5), 1.4, 1);
}

void Duck(QPainter& p)
{
    p.setPen(Outline(QColor(200, 150, 0)));
    p.setBrush(QColor(255, 220, 50));
    p.drawEllipse(QRectF(4, 15, 24, 15));
    p.drawEllipse(QRectF(8, 3, 15, 15));
    p.setBrush(QColor(250, 140, 30));
    p.setPen(Outline(QColor(200, 100, 10)));
    p.drawEllipse(QRectF(20, 10, 9, 5));
    Eye(p, 17.5, 9);
    Cheek(p, 13, 13);
    p.setPen(Outline(QColor(200, 150, 0)));
    p.setBrush(QColor(245, 200, 40));
    p.drawEllipse(QRectF(8, 19, 11, 7));
}

void Penguin(QPainter& p)
{
    p.setPen(Outline(QColor(20, 30, 60)));
    p.setBrush(QColor(40, 55, 90));
    p.drawEllipse(QRectF(5, 2, 22, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(9, 8, 14, 21));
    Eye(p, 13, 13);
    Eye(p, 19, 13);
    p.setBrush(QColor(250, 160, 30));
    p.drawPolygon(QPolygonF({QPointF(14, 16), QPointF(18, 16), QPointF(16, 19)}));
    p.drawEllipse(QRectF(9, 28, 6, 3));
    p.drawEllipse(QRectF(17, 28, 6, 3));
    Cheek(p, 11, 18);
    Cheek(p, 21, 18);
}

void Hito(QPainter& p)
{
    p.setPen(Outline(QColor(40, 90, 160)));
    p.setBrush(QColor(90, 150, 230));
    p.drawRoundedRect(QRectF(8, 17, 16, 14), 6, 6);
    p.setPen(Outline(QColor(170, 120, 80)));
    p.setBrush(QColor(255, 220, 185));
    p.drawEllipse(QRectF(8, 2, 16, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 45, 30));
    p.drawChord(QRectF(8, 2, 16, 12), 0, 180 * 16);
    Eye(p, 13, 11, 1.2);
    Eye(p, 19, 11, 1.2);
    Cheek(p, 11, 14);
    Cheek(p, 21, 14);
    p.setPen(Outline(QColor(200, 80, 80), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(13.5, 11, 5, 4), 200 * 16, 140 * 16);
}

// ---- application icon ----

// A test sheet with a teacher's red flower circle (hanamaru) on a blackboard.
void ApplicationIcon(QPainter& p)
{
    p.setPen(Outline(QColor(20, 70, 45), 1.2));
    p.setBrush(QColor(40, 120, 80));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);

    p.setPen(Outline(QColor(110, 110, 130), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 4, 18, 24));
    p.setPen(Outline(QColor(140, 165, 215), 1.2));
    for (double y = 9; y <= 25; y += 4)
        p.drawLine(QPointF(10, y), QPointF(22, y));

    // Petals round the circle and a spiral inside.
    p.setPen(QPen(QColor(225, 35, 40), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF centre(17.5, 17);
    QPainterPath flower;
    for (int i = 0; i <= 7 * 24; ++i) {
        const double t = i * 2 * M_PI / (7 * 24);
        const double radius = 9 + 1.4 * std::cos(7 * t);
        const QPointF point = centre + QPointF(radius * std::cos(t), radius * std::sin(t));
        i == 0 ? flower.moveTo(point) : flower.lineTo(point);
    }
    for (int i = 0; i <= 60; ++i) {
        const double t = i * 4 * M_PI / 60;
        const double radius = 6 - i * 4.5 / 60;
        const QPointF point = centre + QPointF(radius * std::cos(t), radius * std::sin(t));
        i == 0 ? flower.moveTo(point) : flower.lineTo(point);
    }
    p.drawPath(flower);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString themeDir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : outDir + "/../../../share/icons/hicolor";
    SaveApplicationIcon(themeDir, ApplicationIcon);

    Save("tree", "root", 16, School);
    Save("tree", "lighton", 16, [](QPainter& p) { Bulb(p, true); });
    Save("tree", "lightoff", 16, [](QPainter& p) { Bulb(p, false); });
    Save("tree", "test", 16, TestPaper);
    Save("tree", "LANGUAGE", 16, [](QPainter& p) { Subject(p, QColor(220, 70, 70), QStringLiteral("国")); });
    Save("tree", "ARITHMETIC", 16, [](QPainter& p) { Subject(p, QColor(60, 120, 220), QStringLiteral("算")); });
    Save("tree", "SCIENCE", 16, [](QPainter& p) { Subject(p, QColor(40, 160, 90), QStringLiteral("理")); });
    Save("tree", "SOCIETY", 16, [](QPainter& p) { Subject(p, QColor(230, 140, 30), QStringLiteral("社")); });
    Save("tree", "HOMEMAKE", 16, [](QPainter& p) { Subject(p, QColor(220, 90, 170), QStringLiteral("家")); });
    Save("tree", "PHYSICAL", 16, [](QPainter& p) { Subject(p, QColor(20, 170, 190), QStringLiteral("体")); });
    Save("tree", "SPRING", 16, Spring);
    Save("tree", "AUTUMN", 16, Autumn);
    Save("tree", "WINTER", 16, Winter);

    Save("toolbar", "New", 32, New);
    Save("toolbar", "Open", 32, Open);
    Save("toolbar", "Save", 32, SaveDisk);
    Save("toolbar", "Print", 32, Print);
    Save("toolbar", "Edit", 32, Edit);

    Save("decor", "pictHorse", 32, Horse);
    Save("decor", "pictRabbit", 32, Rabbit);
    Save("decor", "pictDuck", 32, Duck);
    Save("decor", "pictPenguin", 32, Penguin);
    Save("decor", "pictHito", 32, Hito);
    return 0;
}
