#include "wizard/rtfreader.h"

#include <QColor>
#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <map>
#include <vector>

namespace {
constexpr int kMaxDepth = 256;     // deeper groups share the state of the deepest one
constexpr int kMaxWordLength = 32; // longer control words are read but never match
constexpr int kMaxTableEntries = 1024;
constexpr int kDefaultCodePage = 1252;

enum class Dest { Text, Skip, FontTable, ColorTable };

struct CharState {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int HalfPoints = 0; // 0: the document's own size
    int Color = 0;      // index into the colour table; 0 is the automatic colour
    int Font = -1;      // -1: the default font
};

struct GroupState {
    CharState Char;
    Qt::Alignment Align = Qt::AlignLeft;
    int UcSkip = 1;
    Dest Destination = Dest::Text;
};

struct TableColor {
    int Red = -1, Green = -1, Blue = -1; // -1: not given (an empty entry is the automatic colour)
};

// Groups whose content is never text on the page.
bool isSkippedDestination(const QByteArray& w) {
    static const QByteArray kSkipped =
        " stylesheet info pict object header headerl headerr headerf footer footerl footerr footerf footnote"
        " fldinst xe tc nonshppict themedata colorschememapping datastore latentstyles listtable"
        " listoverridetable rsidtbl generator filetbl revtbl pgdsctbl objdata annotation atnid atnauthor"
        " bkmkstart bkmkend template userprops docvar xmlnstbl mmathPr falt ";
    return !w.isEmpty() && kSkipped.contains(" " + w + " ");
}

int charsetCodePage(int charset) {
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0; // ANSI, default or symbol: the document's code page
    }
}

class CRtfReader {
public:
    CRtfReader(const QByteArray& data, QTextDocument& doc) : m_data(data), m_cursor(&doc) {
        m_cursor.movePosition(QTextCursor::End);
        m_groups.push_back(GroupState{});
        SetCodePage(kDefaultCodePage);
    }

    void Run() {
        // Blanks and a byte-order mark in front of the document are not part of it.
        if (m_data.startsWith("\xEF\xBB\xBF")) m_pos = 3;
        while (m_pos < m_data.size() && IsBlank(m_data.at(m_pos)))
            ++m_pos;
        while (m_pos < m_data.size()) {
            const char c = m_data.at(m_pos++);
            switch (c) {
            case '{':
                OpenGroup();
                break;
            case '}':
                CloseGroup();
                break;
            case '\\':
                ControlSequence();
                break;
            case '\r':
            case '\n':
                break;
            default:
                Text(static_cast<unsigned char>(c));
                break;
            }
        }
        FlushRun();
        ApplyParagraph();
    }

private:
    GroupState& State() { return m_groups.back(); }
    bool Skipping() const { return m_groups.back().Destination != Dest::Text; }

    void OpenGroup() {
        FlushRun();
        m_ucPending = 0;
        if (static_cast<int>(m_groups.size()) >= kMaxDepth) {
            ++m_overflow;
            return;
        }
        m_groups.push_back(m_groups.back());
    }

    void CloseGroup() {
        FlushRun();
        m_ucPending = 0;
        if (m_overflow > 0) {
            --m_overflow;
            return;
        }
        if (m_groups.size() <= 1) return; // a stray closing brace
        const Dest closed = m_groups.back().Destination;
        m_groups.pop_back();
        if (closed == Dest::FontTable) EndFontEntry(); // an entry without its closing semicolon
        SetCodePage(CurrentCodePage());                // the outer group's font, or the font table just read
    }

    // One character of the document: text bytes, \'hh and control symbols count towards the \uN skip.
    bool ConsumedByUnicodeSkip() {
        if (m_ucPending <= 0) return false;
        --m_ucPending;
        return true;
    }

    void Text(unsigned char b) {
        if (ConsumedByUnicodeSkip()) return;
        switch (State().Destination) {
        case Dest::Skip:
            return;
        case Dest::FontTable:
            if (b == ';') EndFontEntry();
            return;
        case Dest::ColorTable:
            if (b == ';') EndColorEntry();
            return;
        case Dest::Text:
            break;
        }
        if (b < 0x20 && b != '\t') return;
        m_bytes.append(static_cast<char>(b));
    }

    void Unicode(int value) {
        m_ucPending = State().UcSkip;
        if (Skipping()) return;
        if (value < 0) value += 65536;
        if (value < 0 || value > 0xFFFF) value = QChar::ReplacementCharacter;
        if (value < 0x20 && value != '\t') return;
        DecodeBytes();
        m_run.append(QChar(static_cast<char16_t>(value)));
    }

    void ControlSequence() {
        if (m_pos >= m_data.size()) return; // a lone backslash at the end
        const char c = m_data.at(m_pos);
        if (!IsLetter(c)) {
            ++m_pos;
            ControlSymbol(c);
            return;
        }
        QByteArray word;
        while (m_pos < m_data.size() && IsLetter(m_data.at(m_pos))) {
            if (word.size() < kMaxWordLength) word.append(m_data.at(m_pos));
            ++m_pos;
        }
        bool hasParam = false;
        long long param = 0;
        bool negative = false;
        if (m_pos < m_data.size() && m_data.at(m_pos) == '-' && m_pos + 1 < m_data.size() &&
            IsDigit(m_data.at(m_pos + 1))) {
            negative = true;
            ++m_pos;
        }
        while (m_pos < m_data.size() && IsDigit(m_data.at(m_pos))) {
            hasParam = true;
            if (param < 100000000000LL) param = param * 10 + (m_data.at(m_pos) - '0');
            ++m_pos;
        }
        if (m_pos < m_data.size() && m_data.at(m_pos) == ' ') ++m_pos; // the delimiting blank
        if (negative) param = -param;
        param = std::clamp<long long>(param, -2147483647LL, 2147483647LL);
        ControlWord(word, hasParam, static_cast<int>(param));
    }

    void ControlSymbol(char c) {
        switch (c) {
        case '\'': {
            int value = -1;
            if (m_pos + 1 < m_data.size()) value = HexPair(m_data.at(m_pos), m_data.at(m_pos + 1));
            if (value < 0) return; // truncated or not hexadecimal: dropped
            m_pos += 2;
            Text(static_cast<unsigned char>(value));
            return;
        }
        case '*':
            MarkSkippedUnlessKnown();
            return;
        case '\\':
        case '{':
        case '}':
            Text(static_cast<unsigned char>(c));
            return;
        case '~':
            Literal(QChar(0x00A0));
            return;
        case '_':
            Literal(QChar(0x2011));
            return;
        case '-':
            ConsumedByUnicodeSkip();
            return; // optional hyphen
        case '\r':
        case '\n':
            if (!ConsumedByUnicodeSkip()) Paragraph();
            return;
        case '\t':
            Text('\t');
            return;
        default:
            ConsumedByUnicodeSkip();
            return;
        }
    }

    // {\*\word ...}: a group the reader may ignore when it does not know the word.
    void MarkSkippedUnlessKnown() {
        if (State().Destination == Dest::Text || State().Destination == Dest::FontTable)
            State().Destination = Dest::Skip;
    }

    void Literal(QChar ch) {
        if (ConsumedByUnicodeSkip() || Skipping()) return;
        DecodeBytes();
        m_run.append(ch);
    }

    void ControlWord(const QByteArray& w, bool hasParam, int param) {
        if (w == "bin") {
            // Binary data: its bytes are not RTF and may hold braces.
            const qsizetype n = hasParam && param > 0 ? param : 0;
            m_pos = std::min(m_data.size(), m_pos + n);
            ConsumedByUnicodeSkip();
            return;
        }
        if (w == "u") {
            if (hasParam) Unicode(param);
            return;
        }
        if (ConsumedByUnicodeSkip()) return;
        const Dest dest = State().Destination;
        if (dest == Dest::Skip) return;
        if (dest == Dest::FontTable) return FontTableWord(w, hasParam, param);
        if (dest == Dest::ColorTable) return ColorTableWord(w, param);
        if (isSkippedDestination(w)) {
            FlushRun();
            State().Destination = Dest::Skip;
            return;
        }
        if (w == "fonttbl") {
            FlushRun();
            State().Destination = Dest::FontTable;
            m_fontNumber = -1;
            m_fontCharset = -1;
            return;
        }
        if (w == "colortbl") {
            FlushRun();
            State().Destination = Dest::ColorTable;
            m_color = TableColor{};
            return;
        }
        TextWord(w, hasParam, param);
    }

    void FontTableWord(const QByteArray& w, bool hasParam, int param) {
        if (w == "f" && hasParam) {
            m_fontNumber = param;
            m_fontCharset = -1;
        } else if (w == "fcharset" && hasParam) {
            m_fontCharset = charsetCodePage(param);
        } else if (w == "cpg" && hasParam) {
            m_fontCharset = param;
        } else if (isSkippedDestination(w)) {
            State().Destination = Dest::Skip;
        }
    }

    void EndFontEntry() {
        if (m_fontNumber >= 0 && m_fontCharset > 0 &&
            (m_fontCodePages.size() < kMaxTableEntries || m_fontCodePages.count(m_fontNumber)))
            m_fontCodePages[m_fontNumber] = m_fontCharset;
        m_fontNumber = -1;
        m_fontCharset = -1;
    }

    void ColorTableWord(const QByteArray& w, int param) {
        const int v = std::clamp(param, 0, 255);
        if (w == "red")
            m_color.Red = v;
        else if (w == "green")
            m_color.Green = v;
        else if (w == "blue")
            m_color.Blue = v;
    }

    void EndColorEntry() {
        if (static_cast<int>(m_colors.size()) < kMaxTableEntries) m_colors.push_back(m_color);
        m_color = TableColor{};
    }

    void TextWord(const QByteArray& w, bool hasParam, int param) {
        CharState& ch = State().Char;
        const bool on = !hasParam || param != 0;
        if (w == "par" || w == "row" || w == "page" || w == "sect") return Paragraph();
        if (w == "line") return Literal(QChar(QChar::LineSeparator));
        if (w == "tab" || w == "cell") return Literal(QChar('\t'));
        if (w == "emdash") return Literal(QChar(0x2014));
        if (w == "endash") return Literal(QChar(0x2013));
        if (w == "bullet") return Literal(QChar(0x2022));
        if (w == "lquote") return Literal(QChar(0x2018));
        if (w == "rquote") return Literal(QChar(0x2019));
        if (w == "ldblquote") return Literal(QChar(0x201C));
        if (w == "rdblquote") return Literal(QChar(0x201D));
        if (w == "uc") {
            State().UcSkip = std::clamp(hasParam ? param : 1, 0, 16);
            return;
        }
        if (w == "ansicpg") {
            if (hasParam) m_docCodePage = param;
            return SetCodePage(CurrentCodePage());
        }
        if (w == "mac")
            m_docCodePage = 10000;
        else if (w == "pc")
            m_docCodePage = 437;
        else if (w == "pca")
            m_docCodePage = 850;
        else if (w == "deff" && hasParam)
            m_defaultFont = param;
        // Everything below changes the format of the text that follows.
        FlushRun();
        if (w == "b")
            ch.Bold = on;
        else if (w == "i")
            ch.Italic = on;
        else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "uldash" || w == "ulth")
            ch.Underline = on;
        else if (w == "ulnone")
            ch.Underline = false;
        else if (w == "fs")
            ch.HalfPoints = hasParam && param > 0 ? std::clamp(param, 2, 400) : 0;
        else if (w == "cf")
            ch.Color = hasParam ? std::max(param, 0) : 0;
        else if (w == "f")
            ch.Font = hasParam ? param : -1;
        else if (w == "plain")
            ch = CharState{};
        else if (w == "pard")
            State().Align = Qt::AlignLeft;
        else if (w == "ql")
            State().Align = Qt::AlignLeft;
        else if (w == "qr")
            State().Align = Qt::AlignRight;
        else if (w == "qc")
            State().Align = Qt::AlignHCenter;
        else if (w == "qj")
            State().Align = Qt::AlignJustify;
        SetCodePage(CurrentCodePage());
    }

    int CurrentCodePage() const {
        const int font = m_groups.back().Char.Font >= 0 ? m_groups.back().Char.Font : m_defaultFont;
        const auto it = m_fontCodePages.find(font);
        if (it != m_fontCodePages.end()) return it->second;
        return m_docCodePage;
    }

    void SetCodePage(int codePage) {
        if (codePage == m_codePage && m_decoder.isValid()) return;
        DecodeBytes();
        QString name = CodePageName(codePage);
        if (name.isEmpty()) name = CodePageName(kDefaultCodePage);
        m_decoder = QStringDecoder(name.toLatin1().constData(), QStringConverter::Flag::Stateless);
        if (!m_decoder.isValid()) m_decoder = QStringDecoder(QStringConverter::Latin1);
        m_codePage = codePage;
    }

    void DecodeBytes() {
        if (m_bytes.isEmpty()) return;
        m_run.append(QString(m_decoder.decode(m_bytes)));
        m_bytes.clear();
    }

    QTextCharFormat Format() const {
        const CharState& ch = m_groups.back().Char;
        QTextCharFormat f;
        if (ch.Bold) f.setFontWeight(QFont::Bold);
        if (ch.Italic) f.setFontItalic(true);
        if (ch.Underline) f.setFontUnderline(true);
        if (ch.HalfPoints > 0) f.setFontPointSize(ch.HalfPoints / 2.0);
        if (ch.Color > 0 && ch.Color < static_cast<int>(m_colors.size())) {
            const TableColor& c = m_colors[static_cast<size_t>(ch.Color)];
            if (c.Red >= 0 || c.Green >= 0 || c.Blue >= 0)
                f.setForeground(QColor(std::max(c.Red, 0), std::max(c.Green, 0), std::max(c.Blue, 0)));
        }
        return f;
    }

    void FlushRun() {
        DecodeBytes();
        if (m_run.isEmpty()) return;
        m_cursor.insertText(m_run, Format());
        m_run.clear();
    }

    void ApplyParagraph() {
        QTextBlockFormat block = m_cursor.blockFormat();
        block.setAlignment(State().Align);
        m_cursor.setBlockFormat(block);
    }

    void Paragraph() {
        if (Skipping()) return;
        FlushRun();
        ApplyParagraph();
        m_cursor.insertBlock();
    }

    static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static int HexDigit(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }
    static int HexPair(char hi, char lo) {
        const int h = HexDigit(hi), l = HexDigit(lo);
        return h < 0 || l < 0 ? -1 : h * 16 + l;
    }

    const QByteArray& m_data;
    qsizetype m_pos = 0;
    QTextCursor m_cursor;
    std::vector<GroupState> m_groups;
    int m_overflow = 0;
    int m_ucPending = 0;

    int m_docCodePage = kDefaultCodePage;
    int m_codePage = 0;
    QStringDecoder m_decoder;
    QByteArray m_bytes; // text bytes not yet decoded
    QString m_run;      // decoded text not yet inserted, all in the current format

    int m_defaultFont = 0;
    std::map<int, int> m_fontCodePages;
    int m_fontNumber = -1;
    int m_fontCharset = -1;
    std::vector<TableColor> m_colors;
    TableColor m_color;
};
} // namespace

bool IsRtfData(const QByteArray& data) {
    qsizetype i = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < data.size() &&
           (data.at(i) == ' ' || data.at(i) == '\t' || data.at(i) == '\r' || data.at(i) == '\n'))
        ++i;
    return data.mid(i, 5) == "{\\rtf";
}

void ReadRtf(const QByteArray& data, QTextDocument& document) {
    CRtfReader(data, document).Run();
}

QString CodePageName(int codePage) {
    if (codePage <= 0) return {};
    for (const QString& name :
         {QStringLiteral("windows-%1").arg(codePage), QStringLiteral("cp%1").arg(codePage)}) {
        if (QStringDecoder(name.toLatin1().constData()).isValid()) return name;
    }
    return {};
}
