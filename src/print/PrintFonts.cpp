#include "print/PrintFonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QRawFont>

namespace miravel {

const char kNoPrintFont[] = "日本語の印刷用フォントが見つかりません（ＭＳ 明朝など）。";

QStringList MinchoCandidates()
{
    return {QStringLiteral("ＭＳ 明朝"),    QStringLiteral("MS Mincho"),   QStringLiteral("游明朝"),
            QStringLiteral("Yu Mincho"),    QStringLiteral("BIZ UD明朝"),  QStringLiteral("BIZ UDMincho"),
            QStringLiteral("メイリオ"),     QStringLiteral("Meiryo"),      QStringLiteral("IPAMincho"),
            QStringLiteral("IPAexMincho"),  QStringLiteral("IPAPMincho"),  QStringLiteral("Noto Serif CJK JP")};
}

QStringList GothicCandidates()
{
    return {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),   QStringLiteral("游ゴシック"),
            QStringLiteral("Yu Gothic"),     QStringLiteral("BIZ UDゴシック"), QStringLiteral("BIZ UDGothic"),
            QStringLiteral("メイリオ"),      QStringLiteral("Meiryo"),      QStringLiteral("IPAGothic"),
            QStringLiteral("IPAexGothic"),   QStringLiteral("IPAPGothic"),  QStringLiteral("Noto Sans CJK JP")};
}

namespace {

QString firstOf(const QStringList& candidates, const QStringList& usable)
{
    for (const QString& family : candidates)
        if (usable.contains(family))
            return family;
    return QString();
}

// OS/2 fsType: 2 is "restricted license embedding", which Qt honours by
// leaving the font out of the PDF.
bool embeddingAllowed(const QRawFont& font)
{
    const QByteArray os2 = font.fontTable("OS/2");
    if (os2.size() < 10)
        return true;  // no table: no restriction
    const int fsType = (static_cast<unsigned char>(os2[8]) << 8) | static_cast<unsigned char>(os2[9]);
    return (fsType & 0x000F) != 0x0002;
}

} // namespace

PrintFonts ChoosePrintFonts(const QStringList& usable)
{
    PrintFonts fonts{firstOf(MinchoCandidates(), usable), firstOf(GothicCandidates(), usable)};
    if (fonts.mincho.isEmpty())
        fonts.mincho = fonts.gothic;
    if (fonts.gothic.isEmpty())
        fonts.gothic = fonts.mincho;
    return fonts;
}

bool FontCanCarryJapanese(const QString& family)
{
    if (!QFontDatabase::families().contains(family, Qt::CaseInsensitive))
        return false;  // a request for it would get some other font
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::Japanese);
    if (!raw.isValid() || !embeddingAllowed(raw))
        return false;
    // The outlines themselves: TrueType or CFF data that can be read.
    if (raw.fontTable("glyf").isEmpty() && raw.fontTable("CFF ").isEmpty())
        return false;
    for (const char16_t c : {u'あ', u'ア', u'成', u'績', u'組'})
        if (!raw.supportsCharacter(QChar(c)))
            return false;
    return true;
}

PrintFonts SystemPrintFonts()
{
    QStringList usable;
    for (const QStringList& candidates : {MinchoCandidates(), GothicCandidates()})
        for (const QString& family : candidates)
            if (!usable.contains(family) && FontCanCarryJapanese(family))
                usable.push_back(family);
    return ChoosePrintFonts(usable);
}

QString PrintFamilyFor(const std::string& pageFont, const PrintFonts& fonts)
{
    const QString name = QString::fromStdString(pageFont);
    return name.contains(QStringLiteral("明朝")) || name.contains(QStringLiteral("Mincho"), Qt::CaseInsensitive)
               ? fonts.mincho
               : fonts.gothic;
}

} // namespace miravel
