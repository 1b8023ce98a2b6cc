#include "results/RichText.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <cctype>

namespace results {
namespace {

int ColorIndex(std::vector<quint32>& table, quint32 color) {
    for (size_t k = 0; k < table.size(); ++k) {
        if (table[k] == color)
            return int(k) + 1;
    }
    table.push_back(color);
    return int(table.size());
}

QByteArray Escaped(const QString& text) {
    QByteArray out;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n')
            out += "\\par\n";
        else if (u == u'\t')
            out += "\\tab ";
        else if (u == u'\\' || u == u'{' || u == u'}')
            out += QByteArray("\\") + char(u);
        else if (u >= 0x20 && u < 0x80)
            out += char(u);
        else if (u >= 0x20)
            out += "\\u" + QByteArray::number(qint16(u)) + '?';
    }
    return out;
}

// Reads one RTF control word or symbol after its backslash; pos ends past it.
struct Control {
    QByteArray word;
    bool hasNumber = false;
    int number = 0;
};

Control ReadControl(const QByteArray& rtf, qsizetype& pos) {
    Control control;
    if (pos < rtf.size() && !std::isalpha(uchar(rtf[pos]))) {
        control.word = rtf.mid(pos, 1);
        ++pos;
        return control;
    }
    while (pos < rtf.size() && std::isalpha(uchar(rtf[pos])))
        control.word += rtf[pos++];
    const qsizetype start = pos;
    if (pos < rtf.size() && rtf[pos] == '-')
        ++pos;
    while (pos < rtf.size() && std::isdigit(uchar(rtf[pos])))
        ++pos;
    if (pos > start) {
        control.hasNumber = true;
        control.number = rtf.mid(start, pos - start).toInt();
    }
    if (pos < rtf.size() && rtf[pos] == ' ')
        ++pos;
    return control;
}

class RtfReader {
public:
    explicit RtfReader(const QByteArray& rtf) : rtf_(rtf) {}
    std::vector<RichRun> read();

private:
    struct State {
        bool bold = false;
        int color = 0;
        bool skip = false;
    };
    void append(const QString& text);
    void control(const Control& c, qsizetype& pos);
    void colorTable(qsizetype& pos);

    const QByteArray& rtf_;
    std::vector<RichRun> runs_;
    std::vector<quint32> colors_{0};
    std::vector<State> stack_{State{}};
};

void RtfReader::append(const QString& text) {
    const State& state = stack_.back();
    if (state.skip || text.isEmpty())
        return;
    const quint32 color = colors_[size_t(state.color) < colors_.size() ? size_t(state.color) : 0];
    if (!runs_.empty() && runs_.back().bold == state.bold && runs_.back().color == color)
        runs_.back().text += text;
    else
        runs_.push_back({text, state.bold, color});
}

void RtfReader::colorTable(qsizetype& pos) {
    colors_.clear();
    quint32 color = 0;
    while (pos < rtf_.size() && rtf_[pos] != '}') {
        if (rtf_[pos] == ';') {
            colors_.push_back(color);
            color = 0;
            ++pos;
        } else if (rtf_[pos] == '\\') {
            ++pos;
            const Control c = ReadControl(rtf_, pos);
            const int shift = c.word == "red" ? 16 : c.word == "green" ? 8 : 0;
            color |= quint32(c.number & 0xff) << shift;
        } else {
            ++pos;
        }
    }
    if (colors_.empty())
        colors_.push_back(0);
}

void RtfReader::control(const Control& c, qsizetype& pos) {
    State& state = stack_.back();
    if (c.word == "par" || c.word == "line")
        append(QStringLiteral("\n"));
    else if (c.word == "tab")
        append(QStringLiteral("\t"));
    else if (c.word == "b")
        state.bold = !c.hasNumber || c.number != 0;
    else if (c.word == "cf")
        state.color = c.number;
    else if (c.word == "plain") {
        state.bold = false;
        state.color = 0;
    } else if (c.word == "u") {
        append(QChar(char16_t(c.number)));
        if (pos < rtf_.size() && rtf_[pos] != '\\' && rtf_[pos] != '{' && rtf_[pos] != '}')
            ++pos; // the ANSI stand-in after \uN
    } else if (c.word == "'") {
        const char byte = char(rtf_.mid(pos, 2).toInt(nullptr, 16));
        pos += 2;
        append(QStringDecoder(QStringDecoder::Latin1).decode(QByteArray(1, byte)));
    } else if (c.word == "\\" || c.word == "{" || c.word == "}")
        append(QString::fromLatin1(c.word));
    else if (c.word == "colortbl")
        colorTable(pos);
    else if (c.word == "*" || c.word == "fonttbl" || c.word == "stylesheet" || c.word == "info" ||
             c.word == "pict")
        state.skip = true;
}

std::vector<RichRun> RtfReader::read() {
    qsizetype pos = 0;
    while (pos < rtf_.size()) {
        const char ch = rtf_[pos];
        if (ch == '{') {
            stack_.push_back(stack_.back());
            ++pos;
        } else if (ch == '}') {
            if (stack_.size() > 1)
                stack_.pop_back();
            ++pos;
        } else if (ch == '\\') {
            ++pos;
            control(ReadControl(rtf_, pos), pos);
        } else {
            const qsizetype start = pos;
            while (pos < rtf_.size() && rtf_[pos] != '{' && rtf_[pos] != '}' && rtf_[pos] != '\\')
                ++pos;
            QByteArray plain = rtf_.mid(start, pos - start);
            plain.replace("\r", "").replace("\n", "");
            append(QString::fromLatin1(plain));
        }
    }
    return runs_;
}

} // namespace

QByteArray WriteRtf(const std::vector<RichRun>& runs, const QString& fontName) {
    std::vector<quint32> colors;
    QByteArray body;
    for (const RichRun& run : runs) {
        body += run.bold ? "\\b" : "\\b0";
        body += "\\cf" + QByteArray::number(ColorIndex(colors, run.color)) + ' ';
        body += Escaped(run.text);
    }
    QByteArray table = "{\\colortbl ;";
    for (quint32 color : colors) {
        table += "\\red" + QByteArray::number((color >> 16) & 0xff) + "\\green" +
                 QByteArray::number((color >> 8) & 0xff) + "\\blue" +
                 QByteArray::number(color & 0xff) + ';';
    }
    table += '}';
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 " + Escaped(fontName) + ";}}" + table +
           "\n\\f0 " + body + "}\n";
}

std::vector<RichRun> ReadRtf(const QByteArray& rtf) {
    return RtfReader(rtf).read();
}

bool LooksLikeRtf(const QByteArray& bytes) {
    return bytes.startsWith("{\\rtf");
}

bool IsRtfName(const QString& fileName) {
    return fileName.endsWith(QStringLiteral(".rtf"), Qt::CaseInsensitive);
}

QString ReferenceKeyOfLine(const QStringList& lines, int index) {
    static const QRegularExpression verse(QStringLiteral("^(\\d+):(\\d+)"));
    static const QRegularExpression book(QStringLiteral("^(.+) (\\d+)$"));
    if (index < 1 || index >= lines.size())
        return {};
    const QRegularExpressionMatch v = verse.match(lines[index]);
    const QRegularExpressionMatch b = book.match(lines[index - 1]);
    if (!v.hasMatch() || !b.hasMatch() || v.captured(1) != b.captured(2))
        return {};
    return b.captured(1) + u'#' + v.captured(1) + u':' + v.captured(2);
}

} // namespace results
