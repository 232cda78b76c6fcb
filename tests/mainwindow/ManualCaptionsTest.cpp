// The manual names menus, buttons and messages as <span class="ui">...</span>;
// each of them must be a text the program really shows. The program's texts
// are read from the string literals of its sources, so the check follows
// every window, editors included, without a list to keep up.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace miravel::test {
namespace {

const QString kSourceDir = QStringLiteral(MIRAVEL_SOURCE_DIR);

QString ReadUtf8(const QString& file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? QString::fromUtf8(in.readAll()) : QString();
}

// How the teacher sees a caption: the "&" that marks the access key is not
// shown, and blanks padding a button caption at either end are not named.
QString AsShown(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    static const QRegularExpression padding(QStringLiteral("^[ \u3000]+|[ \u3000]+$"));
    return text.remove(padding);
}

// The string literals of one C++ source, comments left out.
QStringList Literals(const QString& code)
{
    QStringList literals;
    enum { Code, LineComment, BlockComment, String, Char } state = Code;
    QString current;
    for (int i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        const QChar next = i + 1 < code.size() ? code[i + 1] : QChar();
        switch (state) {
        case Code:
            if (c == '/' && next == '/') state = LineComment;
            else if (c == '/' && next == '*') state = BlockComment;
            else if (c == '"') { state = String; current.clear(); }
            else if (c == '\'') state = Char;
            break;
        case LineComment:
            if (c == '\n') state = Code;
            break;
        case BlockComment:
            if (c == '*' && next == '/') { state = Code; ++i; }
            break;
        case String:
            if (c == '\\') { current += next; ++i; }
            else if (c == '"') { literals << current; state = Code; }
            else current += c;
            break;
        case Char:
            if (c == '\\') ++i;
            else if (c == '\'') state = Code;
            break;
        }
    }
    return literals;
}

QSet<QString> ProgramTexts()
{
    QSet<QString> texts;
    QDirIterator files(kSourceDir + QStringLiteral("/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        files.next();
        if (files.fileName() == QStringLiteral("make_pictures.cpp"))
            continue;  // draws pictures, shows nothing
        for (const QString& literal : Literals(ReadUtf8(files.filePath())))
            texts.insert(AsShown(literal));
    }
    return texts;
}

// The manual writes captions with the five HTML escapes only (a rich-text
// reader would turn ideographic spaces into plain ones).
QString UnescapeHtml(QString text)
{
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\"")).replace(QStringLiteral("&#x27;"), QStringLiteral("'"));
    return text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

struct NamedCaption {
    QString page;
    QString caption;
};

std::vector<NamedCaption> ManualCaptions()
{
    std::vector<NamedCaption> captions;
    static const QRegularExpression ui(QStringLiteral("<span class=\"ui\">(.*?)</span>"),
                                       QRegularExpression::DotMatchesEverythingOption);
    const QDir manual(kSourceDir + QStringLiteral("/docs/manual"));
    for (const QString& page : manual.entryList({QStringLiteral("*.html")})) {
        auto match = ui.globalMatch(ReadUtf8(manual.filePath(page)));
        while (match.hasNext())
            captions.push_back({page, UnescapeHtml(match.next().captured(1))});
    }
    return captions;
}

TEST(ManualCaptions, LiteralsAreReadWithoutComments)
{
    const QStringList literals = Literals(QStringLiteral(
        "// \"comment\"\nconst char a[] = \"登録\"; /* \"block\" */ char q = '\"';\nf(\"say \\\"hi\\\"\");"));
    EXPECT_EQ(literals, (QStringList{QStringLiteral("登録"), QStringLiteral("say \"hi\"")}));
    EXPECT_EQ(AsShown(QStringLiteral("　　新　規　作　成　　")), QStringLiteral("新　規　作　成"));
    EXPECT_EQ(AsShown(QStringLiteral("開く(&O)...")), QStringLiteral("開く(O)..."));
}

TEST(ManualCaptions, EveryCaptionTheManualNamesIsTheProgramsOwn)
{
    const QSet<QString> texts = ProgramTexts();
    ASSERT_TRUE(texts.contains(QStringLiteral("ﾌｧｲﾙ(F)")));  // the sources were found
    const auto captions = ManualCaptions();
    EXPECT_GE(captions.size(), 40u);
    for (const NamedCaption& named : captions)
        EXPECT_TRUE(texts.contains(named.caption))
            << named.page.toStdString() << ": " << named.caption.toStdString();
}

} // namespace
} // namespace miravel::test
