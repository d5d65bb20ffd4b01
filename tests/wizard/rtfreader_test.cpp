#include "support/tempdir.h"
#include "wizard/licensetext.h"
#include "wizard/rtfreader.h"

#include <QColor>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <string>

namespace {
QString Read(const QByteArray& rtf) {
    QTextDocument doc;
    ReadRtf(rtf, doc);
    return doc.toPlainText();
}

QByteArray Bytes(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

// The format of the first character of `text` in the document.
QTextCharFormat FormatOf(const QTextDocument& doc, const QString& text) {
    const QTextCursor found = doc.find(text, 0, QTextDocument::FindCaseSensitively);
    EXPECT_FALSE(found.isNull()) << text.toStdString();
    QTextCursor c(const_cast<QTextDocument*>(&doc));
    c.setPosition(found.selectionStart() + 1);
    return c.charFormat();
}
} // namespace

TEST(RtfReader, TextEscapesAndCodePages) {
    struct Case {
        const char* Name;
        std::string Rtf;
        QString Text;
    };
    const Case cases[] = {
        {"paragraphs", R"({\rtf1 one\par two\par\pard three})", QStringLiteral("one\ntwo\nthree")},
        {"line breaks in the file are not text", "{\\rtf1 a\r\nb\nc}", QStringLiteral("abc")},
        {"windows-1252 escapes", R"({\rtf1\ansi\ansicpg1252 caf\'e9 \'93q\'94})", QStringLiteral("café “q”")},
        {"the document's Big5 code page", R"({\rtf1\ansi\ansicpg950 \'a4\'a4\'a4\'e5})",
         QStringLiteral("中文")},
        {"a Big5 font in a Western document",
         R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\fnil\fcharset136 PMingLiU;}}A{\f1 \'a4\'a4}\'e9})",
         QStringLiteral("A中é")},
        {"unknown code page falls back to windows-1252", R"({\rtf1\ansicpg99999 caf\'e9})",
         QStringLiteral("café")},
        {"unicode with one fallback character", R"({\rtf1 \u20013?\u-10179?\u-8704?!})",
         QStringLiteral("中😀!")},
        {"unicode with two fallback bytes", R"({\rtf1\ansicpg950\uc2 \u20013\'a4\'a4 end})",
         QStringLiteral("中 end")},
        {"no fallback", R"({\rtf1\uc0 \u20013 x})", QStringLiteral("中x")},
        {"fallback count is scoped to its group", R"({\rtf1{\uc2 \u20013??}\u20013?a})",
         QStringLiteral("中中a")},
        {"non-text groups are passed over",
         R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red1\green2\blue3;}{\stylesheet{\s0 Normal;}}{\info{\title T}})"
         R"({\*\generator G;}{\pict\pngblip 89504e47}{\*\unknown x\par}A{\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}B})",
         QStringLiteral("AlinkB")},
        {"binary data may hold braces", "{\\rtf1 a{\\pict\\bin4 }}{{}b}", QStringLiteral("ab")},
        {"control symbols", R"({\rtf1 \{x\} a\\b c\~d e\-f g\_h\tab i\line j})",
         QStringLiteral("{x} a\\b c d ef g\u2011h\ti\nj")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Read(Bytes(c.Rtf)), c.Text);
    }
}

TEST(RtfReader, CharacterAndParagraphFormats) {
    QTextDocument doc;
    ReadRtf(
        R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green0\blue255;})"
        R"(Plain \b Bold\b0  \i Ital\i0  \ul Under\ulnone  \fs40 Big\fs24  \cf1 Red\cf0  {\b\cf2 Group} After\par)"
        R"(\qc Centre\par\pard Left})",
        doc);
    struct Case {
        const char* Word;
        bool Bold, Italic, Underline;
        double Points; // 0: the document's own size
        QColor Color;  // invalid: the automatic colour
    };
    const Case cases[] = {
        {"Plain", false, false, false, 0, {}},
        {"Bold", true, false, false, 0, {}},
        {"Ital", false, true, false, 0, {}},
        {"Under", false, false, true, 0, {}},
        {"Big", false, false, false, 20, {}},
        {"Red", false, false, false, 12, QColor(255, 0, 0)},
        {"Group", true, false, false, 12, QColor(0, 0, 255)},
        {"After", false, false, false, 12, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Word);
        const QTextCharFormat f = FormatOf(doc, QString::fromLatin1(c.Word));
        EXPECT_EQ(f.fontWeight() >= QFont::Bold, c.Bold);
        EXPECT_EQ(f.fontItalic(), c.Italic);
        EXPECT_EQ(f.fontUnderline(), c.Underline);
        EXPECT_EQ(f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : 0.0, c.Points);
        EXPECT_EQ(f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : QColor(), c.Color);
    }
    EXPECT_EQ(doc.blockCount(), 3);
    EXPECT_TRUE(doc.findBlockByNumber(0).blockFormat().alignment() & Qt::AlignLeft);
    EXPECT_EQ(doc.findBlockByNumber(1).text(), QStringLiteral("Centre"));
    EXPECT_TRUE(doc.findBlockByNumber(1).blockFormat().alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(doc.findBlockByNumber(2).blockFormat().alignment() & Qt::AlignLeft);
}

// Broken files read as far as they make sense and never crash or hang (the sanitizers watch).
TEST(RtfReader, MalformedInput) {
    std::string deep = "{\\rtf1 ";
    deep += std::string(100000, '{') + "deep" + std::string(100000, '}') + "}";
    std::string colours = "{\\rtf1{\\colortbl";
    for (int i = 0; i < 5000; ++i)
        colours += "\\red1;";
    colours += "}\\cf4000 c\\cf-5 d}";
    std::string fonts = "{\\rtf1{\\fonttbl";
    for (int i = 0; i < 3000; ++i)
        fonts += "{\\f" + std::to_string(i) + "\\fcharset136 x;}";
    fonts += "}\\f2999 e}";
    struct Case {
        const char* Name;
        std::string Rtf;
        QString Text;
    };
    const Case cases[] = {
        {"stray closing braces", "{\\rtf1 a}}}}b", QStringLiteral("ab")},
        {"groups never closed", "{\\rtf1 {{{a", QStringLiteral("a")},
        {"backslash at the end", "{\\rtf1 x\\", QStringLiteral("x")},
        {"hex escape cut short", "{\\rtf1 x\\'", QStringLiteral("x")},
        {"hex escape with one digit", "{\\rtf1 x\\'4", QStringLiteral("x4")},
        {"hex escape with no digits", "{\\rtf1 x\\'zzy}", QStringLiteral("xzzy")},
        {"unicode escape without a number", "{\\rtf1 x\\u", QStringLiteral("x")},
        {"unicode escape with a bare sign", "{\\rtf1 x\\u-}", QStringLiteral("x-")},
        {"absurd numbers", "{\\rtf1 \\fs99999999999999999999 x\\u99999999999 y\\uc99999 \\u65 zz}",
         QStringLiteral("x\uFFFDA")}, // out of range: a replacement; the fallbacks skipped
        {"binary longer than the file", "{\\rtf1 x\\bin999999999 yz}", QStringLiteral("x")},
        {"negative binary length", "{\\rtf1 \\bin-5 x}", QStringLiteral("x")},
        {"endless control word", "{\\rtf1 \\" + std::string(5000, 'q') + " z}", QStringLiteral("z")},
        {"NUL and control bytes", std::string("{\\rtf1 a\0\x01\x7f", 11) + "b}",
         QStringLiteral("a\x7f"
                        "b")},
        {"deep nesting", deep, QStringLiteral("deep")},
        {"huge colour table", colours, QStringLiteral("cd")},
        {"huge font table", fonts, QStringLiteral("e")},
        {"not rich text at all", "plain words", QStringLiteral("plain words")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Read(Bytes(c.Rtf)), c.Text);
    }
}

TEST(LicenseText, PlainTextIsUtf8OrElseBig5) {
    struct Case {
        const char* Name;
        std::string Bytes;
        QString Text;
    };
    const Case cases[] = {
        {"UTF-8",
         "Gr\xc3\xbc\xc3\x9f"
         "e \xe4\xb8\xad",
         QStringLiteral("Grüße 中")},
        {"UTF-8 with its mark", "\xef\xbb\xbfok", QStringLiteral("ok")},
        {"not UTF-8: Big5", "\xa4\xa4\xa4\xe5 OK", QStringLiteral("中文 OK")},
        {"UTF-16 with its mark", std::string("\xff\xfeo\0k\0", 6), QStringLiteral("ok")},
        {"a character cut at the end stays UTF-8", "abc\xe4\xb8", QStringLiteral("abc")},
        {"empty", "", QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(DecodePlainText(Bytes(c.Bytes)), c.Text);
    }
}

TEST(LicenseText, FilesByKindAndSize) {
    TestDir dir;
    dir.Write("a.rtf", "  \r\n{\\rtf1 \\b Terms\\b0\\par more}");
    dir.Write("a.txt", "{\\b not rich text}\nline two");
    // Larger than the limit: the part that fits is shown.
    std::string big;
    while (big.size() < static_cast<size_t>(kMaxLicenseBytes) + 100000)
        big += std::string(99, 'x') + "\n";
    dir.Write("big.txt", big);

    QTextDocument doc;
    ASSERT_TRUE(LoadLicenseText(dir.Path("a.rtf"), doc));
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("Terms\nmore"));
    EXPECT_TRUE(FormatOf(doc, QStringLiteral("Terms")).fontWeight() >= QFont::Bold);
    ASSERT_TRUE(LoadLicenseText(dir.Path("a.txt"), doc));
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("{\\b not rich text}\nline two"));
    ASSERT_TRUE(LoadLicenseText(dir.Path("big.txt"), doc));
    EXPECT_EQ(doc.characterCount() - 1, kMaxLicenseBytes); // the document adds one paragraph end
    EXPECT_FALSE(LoadLicenseText(dir.Path("missing.txt"), doc));
}
