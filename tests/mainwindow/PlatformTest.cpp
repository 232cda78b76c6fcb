// The desktop layer: file filters, twips, settings kept per user, the input
// method switch, Japanese fonts and the placement rules.

#include "mainwindow/WindowPlacement.h"
#include "platform/QtTranslations.h"
#include "platform/DateFormat.h"
#include "platform/FileFilter.h"
#include "platform/InputMode.h"
#include "platform/JapaneseFonts.h"
#include "platform/QtPlatform.h"
#include "platform/ScriptedPlatform.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace miravel::test {
namespace {

TEST(FileFilter, ANameTypedWithoutExtensionGetsTheFiltersOne)
{
    const QString txt = QString::fromUtf8("ﾃｷｽﾄﾌｧｲﾙ (*.txt)|*.txt");
    const struct { const char* typed; const char* filter; const char* saved; } cases[] = {
        {"/d/abc", "", "/d/abc.txt"},
        {"/d/3年1組", "", "/d/3年1組.txt"},
        {"/d/abc.txt", "", "/d/abc.txt"},
        {"/d/abc.csv", "", "/d/abc.csv"},           // another extension is the teacher's choice
        {"/my.docs/abc", "", "/my.docs/abc.txt"},   // a dot in a folder is no extension
        {"/d/.grades", "", "/d/.grades.txt"},       // nor a leading dot
        {"/d/abc", "表 (*.csv)|*.csv", "/d/abc.csv"},
        {"/d/abc", "すべて (*)|*", "/d/abc"},
    };
    for (const auto& c : cases) {
        const QString filter = *c.filter ? QString::fromUtf8(c.filter) : txt;
        EXPECT_EQ(WithDefaultSuffix(QString::fromUtf8(c.typed), filter), QString::fromUtf8(c.saved)) << c.typed;
    }
}

TEST(FileFilter, DescriptionPatternPairsBecomeQtFilters)
{
    EXPECT_EQ(QtFileFilter(QString::fromUtf8("ﾃｷｽﾄﾌｧｲﾙ (*.txt)|*.txt")), QString::fromUtf8("ﾃｷｽﾄﾌｧｲﾙ (*.txt)"));
    EXPECT_EQ(QtFileFilter(QStringLiteral("Names|*.csv;*.txt")), QStringLiteral("Names (*.csv *.txt)"));
    EXPECT_EQ(QtFileFilter(QStringLiteral("Text (txt)|*.txt|All|*.*")),
              QStringLiteral("Text (txt) (*.txt);;All (*.*)"));
}

TEST(Twips, ConvertAtTheGivenDpi)
{
    EXPECT_EQ(TwipsToPixels(1440, 96), 96);
    EXPECT_EQ(TwipsToPixels(13000, 96), 867);
    EXPECT_EQ(TwipsToPixels(1440, 144), 144);
    EXPECT_EQ(PixelsToTwips(867, 96), 13005);
    EXPECT_EQ(PixelsToTwips(96, 96), 1440);
}

TEST(DateFormat, TestDatesAreWrittenTheJapaneseWayUnlessTheSystemIsJapanese)
{
    const QDate date(2025, 4, 9);
    const struct {
        QLocale system;
        QString written;
    } cases[] = {
        {QLocale::c(), QStringLiteral("2025/04/09")},
        {QLocale(QLocale::English, QLocale::UnitedStates), QStringLiteral("2025/04/09")},
        {QLocale(QLocale::German, QLocale::Germany), QStringLiteral("2025/04/09")},
        {QLocale(QLocale::Japanese, QLocale::Japan), QLocale(QLocale::Japanese).toString(date, QLocale::ShortFormat)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(date.toString(JapaneseShortDateFormat(c.system)), c.written) << c.system.name().toStdString();
}

// The system's own store: on Windows the registry (which has no test
// folder, so a key of its own, never the teacher's), an INI file elsewhere.
TEST(QtPlatformSettings, ValuesLiveUnderApplicationAndSection)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
#ifdef _WIN32
    const QString application = QStringLiteral("MiravelTest");
    const QString key = QStringLiteral("HKEY_CURRENT_USER\\Software\\MiravelTest");
    QSettings(key, QSettings::NativeFormat).remove(QString());
#else
    const QString application = QStringLiteral("Miravel");
#endif
    QtPlatform platform;
    EXPECT_EQ(platform.GetSetting(application, "Settings", "MainLeft", "1000"), QStringLiteral("1000"));
    platform.SaveSetting(application, "Settings", "MainLeft", "2500");
    EXPECT_EQ(platform.GetSetting(application, "Settings", "MainLeft", "1000"), QStringLiteral("2500"));
    EXPECT_EQ(platform.GetSetting(application, "Other", "MainLeft", "7"), QStringLiteral("7"));
#ifdef _WIN32
    QSettings stored(key, QSettings::NativeFormat);
    EXPECT_EQ(stored.value("Settings/MainLeft").toString(), QStringLiteral("2500"));
    stored.remove(QString());
#else
    QSettings stored("Miravel", "Miravel");
    EXPECT_TRUE(stored.fileName().startsWith(dir.path())) << stored.fileName().toStdString();
    EXPECT_EQ(stored.value("Settings/MainLeft").toString(), QStringLiteral("2500"));
#endif
}

TEST(InputModes, HiraganaEnablesTheInputMethodOffAndDisabledDoNot)
{
    QLineEdit box;
    SetInputMode(&box, InputMode::Off);
    EXPECT_FALSE(box.testAttribute(Qt::WA_InputMethodEnabled));
    SetInputMode(&box, InputMode::Hiragana);
    EXPECT_TRUE(box.testAttribute(Qt::WA_InputMethodEnabled));
    SetInputMode(&box, InputMode::Disabled);
    EXPECT_FALSE(box.testAttribute(Qt::WA_InputMethodEnabled));
}

TEST(Fonts, OldJapaneseFontNamesMapToInstalledOnes)
{
    if (!QFontDatabase::families().contains(QStringLiteral("IPAMincho")))
        GTEST_SKIP() << "IPA fonts are not installed";
    InstallJapaneseFonts(*qApp);
    EXPECT_EQ(QFont::substitute(QString::fromUtf8("ＭＳ 明朝")).toLower(), QStringLiteral("ipamincho"));
    EXPECT_EQ(QFont::substitute(QString::fromUtf8("ＭＳ ゴシック")).toLower(), QStringLiteral("ipagothic"));
    QFont mincho(QString::fromUtf8("ＭＳ 明朝"));
    EXPECT_EQ(QFontInfo(mincho).family(), QStringLiteral("IPAMincho"));
    EXPECT_EQ(QApplication::font().family(), QStringLiteral("IPAPGothic"));
}

TEST(QtTexts, DialogButtonsSpeakJapanese)
{
    ASSERT_TRUE(InstallJapaneseQtTexts(*QCoreApplication::instance()));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
}

// Esc and the close box leave a Yes/No question unanswered; the buttons
// answer as they say.
TEST(QtPlatformMessages, EscAndTheCloseBoxGiveNoAnswer)
{
    using Act = void (*)(QMessageBox*);
    const std::pair<Act, MessageAnswer> cases[] = {
        {[](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }, MessageAnswer::Cancel},
        {[](QMessageBox* box) { box->close(); }, MessageAnswer::Cancel},
        {[](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); }, MessageAnswer::Yes},
        {[](QMessageBox* box) { box->button(QMessageBox::No)->click(); }, MessageAnswer::No},
    };
    QtPlatform platform;
    for (const auto& [act, answer] : cases) {
        bool hiddenCancel = false;
        QTimer::singleShot(0, [act = act, &hiddenCancel] {
            QMessageBox* box = nullptr;
            for (QWidget* shown : QApplication::topLevelWidgets())
                if (auto* candidate = qobject_cast<QMessageBox*>(shown); candidate && candidate->isVisible())
                    box = candidate;
            if (!box)
                return;
            hiddenCancel = box->button(QMessageBox::Cancel) && !box->button(QMessageBox::Cancel)->isVisible();
            act(box);
        });
        EXPECT_EQ(platform.ShowMessage(nullptr, QStringLiteral("保存しますか？"), QStringLiteral("Miravel"),
                                       MessageButtons::YesNo, MessageIcon::None),
                  answer);
        EXPECT_TRUE(hiddenCancel);  // the box still shows only Yes and No
    }
}

TEST(QtPlatformMessages, ClosedBoxHandsTheKeyboardBackToItsWindow)
{
    QtPlatform platform;
    for (MessageButtons buttons : {MessageButtons::Ok, MessageButtons::YesNo}) {
        QWidget window;
        QLineEdit field(&window);
        window.show();
        QTimer::singleShot(0, [] {
            for (QWidget* shown : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(shown); box && box->isVisible())
                    QTest::keyClick(box, Qt::Key_Escape);
        });
        platform.ShowMessage(&field, QStringLiteral("得点に数字以外の文字があります。"), QStringLiteral("Miravel"),
                             buttons, MessageIcon::None);
        QTest::qWait(20);
        EXPECT_TRUE(window.isActiveWindow()) << static_cast<int>(buttons);
    }
}

TEST(StoredPlacement, MissingAndBrokenValuesGiveDefaults)
{
    ScriptedPlatform platform;
    EXPECT_EQ(ReadPlacement(platform), (TwipsRect{1000, 1000, 13000, 10000}));
    WritePlacement(platform, {-300, 200, 9000, 7000});
    EXPECT_EQ(ReadPlacement(platform), (TwipsRect{-300, 200, 9000, 7000}));
    platform.settings.insert(ScriptedPlatform::SettingPath("Miravel", "Settings", "MainHeight"), "");
    platform.settings.insert(ScriptedPlatform::SettingPath("Miravel", "Settings", "MainWidth"), "0");
    EXPECT_EQ(ReadPlacement(platform), (TwipsRect{-300, 200, 13000, 10000}));
}

TEST(KeepOnScreens, KeepsAWindowOnAnyScreenAndRescuesOneOffAll)
{
    const QRect left(0, 0, 1600, 1000);
    const QRect right(1600, 0, 1280, 1024);
    const QPoint offset(67, 67);
    const QRect onRight(2000, 100, 800, 600);
    EXPECT_EQ(KeepOnScreens(onRight, {left, right}, left, offset), onRight);
    // Half off the left edge, title bar still reachable.
    const QRect straddling(-400, 50, 800, 600);
    EXPECT_EQ(KeepOnScreens(straddling, {left, right}, left, offset), straddling);

    const QRect gone(5000, 3000, 800, 600);
    EXPECT_EQ(KeepOnScreens(gone, {left, right}, left, offset), QRect(67, 67, 800, 600));
    // Title bar above every screen: the window cannot be grabbed.
    const QRect tooHigh(100, -700, 800, 600);
    EXPECT_EQ(KeepOnScreens(tooHigh, {left}, left, offset).topLeft(), QPoint(67, 67));
    const QRect huge(-9000, -9000, 4000, 3000);
    EXPECT_EQ(KeepOnScreens(huge, {left}, left, offset), left);
}

} // namespace
} // namespace miravel::test
