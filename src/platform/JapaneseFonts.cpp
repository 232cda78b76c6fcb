#include "platform/JapaneseFonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace miravel {

namespace {

const QStringList kMincho = {QStringLiteral("IPAMincho"), QStringLiteral("IPAexMincho"),
                             QStringLiteral("Noto Serif CJK JP")};
const QStringList kPMincho = {QStringLiteral("IPAPMincho"), QStringLiteral("IPAMincho"),
                              QStringLiteral("Noto Serif CJK JP")};
const QStringList kGothic = {QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic"),
                             QStringLiteral("Noto Sans CJK JP")};
const QStringList kPGothic = {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                              QStringLiteral("Noto Sans CJK JP")};

constexpr int kUiPointSize = 9;

} // namespace

void InstallFontSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"), kMincho);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐ明朝"), kPMincho);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), kGothic);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), kPGothic);
    QFont::insertSubstitutions(QStringLiteral("MS Mincho"), kMincho);
    QFont::insertSubstitutions(QStringLiteral("MS Gothic"), kGothic);
}

void InstallJapaneseFonts(QApplication& app)
{
    InstallFontSubstitutions();

    const QStringList installed = QFontDatabase::families();
    for (const QString& family : kPGothic) {
        if (installed.contains(family)) {
            QFont font(family, kUiPointSize);
            app.setFont(font);
            return;
        }
    }
}

} // namespace miravel
