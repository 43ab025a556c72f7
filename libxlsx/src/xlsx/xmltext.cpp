#include "xlsx/xmltext.h"

#include <QRegularExpression>
#include <QTextCodec>

#include <charconv>
#include <cmath>

namespace Xlsx {

namespace {

const char hexDigits[] = "0123456789ABCDEF";

void appendEscapeCode(QByteArray &out, ushort code)
{
    char buffer[7] = {'_', 'x', hexDigits[(code >> 12) & 0xF], hexDigits[(code >> 8) & 0xF],
                      hexDigits[(code >> 4) & 0xF], hexDigits[code & 0xF], '_'};
    out.append(buffer, 7);
}

bool isHex(QChar ch)
{
    const ushort u = ch.unicode();
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

// "_xHHHH_" at position i.
bool isEscapeAt(QStringView text, int i)
{
    return i + 6 < text.size() && text[i] == QLatin1Char('_') && text[i + 1] == QLatin1Char('x')
        && isHex(text[i + 2]) && isHex(text[i + 3]) && isHex(text[i + 4]) && isHex(text[i + 5])
        && text[i + 6] == QLatin1Char('_');
}

void appendEscaped(QByteArray &out, QStringView text, bool attribute)
{
    const int n = text.size();
    const QChar *data = text.data();
    for (int i = 0; i < n; ++i) {
        const ushort u = data[i].unicode();
        if (u < 0x80) {
            switch (u) {
            case '&': out.append("&amp;", 5); break;
            case '<': out.append("&lt;", 4); break;
            case '>': out.append("&gt;", 4); break;
            case '"':
                if (attribute)
                    out.append("&quot;", 6);
                else
                    out.append('"');
                break;
            case '\t':
                if (attribute)
                    out.append("&#9;", 4);
                else
                    out.append('\t');
                break;
            case '\n':
                if (attribute)
                    out.append("&#10;", 5);
                else
                    out.append('\n');
                break;
            case '_':
                if (isEscapeAt(text, i))
                    out.append("_x005F", 6);
                out.append('_');
                break;
            default:
                if (u < 0x20)
                    appendEscapeCode(out, u);
                else
                    out.append(char(u));
            }
        } else if (u < 0x800) {
            out.append(char(0xC0 | (u >> 6)));
            out.append(char(0x80 | (u & 0x3F)));
        } else if (QChar::isHighSurrogate(u) && i + 1 < n && data[i + 1].isLowSurrogate()) {
            const uint code = QChar::surrogateToUcs4(u, data[i + 1].unicode());
            ++i;
            out.append(char(0xF0 | (code >> 18)));
            out.append(char(0x80 | ((code >> 12) & 0x3F)));
            out.append(char(0x80 | ((code >> 6) & 0x3F)));
            out.append(char(0x80 | (code & 0x3F)));
        } else if (QChar::isSurrogate(u) || u == 0xFFFE || u == 0xFFFF) {
            appendEscapeCode(out, u);
        } else {
            out.append(char(0xE0 | (u >> 12)));
            out.append(char(0x80 | ((u >> 6) & 0x3F)));
            out.append(char(0x80 | (u & 0x3F)));
        }
    }
}

} // namespace

void XmlText::appendText(QByteArray &out, QStringView text)
{
    appendEscaped(out, text, false);
}

void XmlText::appendAttribute(QByteArray &out, QStringView text)
{
    appendEscaped(out, text, true);
}

QString XmlText::escapedText(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() + 16);
    appendEscaped(out, text, false);
    return QString::fromUtf8(out);
}

QString XmlText::escapedAttribute(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() + 16);
    appendEscaped(out, text, true);
    return QString::fromUtf8(out);
}

bool XmlText::needsSpacePreserve(QStringView text)
{
    if (text.isEmpty())
        return false;
    auto space = [](QChar ch) {
        return ch == QLatin1Char(' ') || ch == QLatin1Char('\t') || ch == QLatin1Char('\n')
            || ch == QLatin1Char('\r');
    };
    return space(text.front()) || space(text.back());
}

void XmlText::appendStringItem(QByteArray &out, const QByteArray &prefix, const char *element, QStringView text)
{
    out += '<' + prefix + element + "><" + prefix + 't';
    if (needsSpacePreserve(text))
        out += " xml:space=\"preserve\"";
    out += '>';
    appendText(out, text);
    out += "</" + prefix + "t></" + prefix + element + '>';
}

QString XmlText::decodeEscapes(const QString &text)
{
    if (!text.contains(QLatin1String("_x")))
        return text;
    QString result;
    result.reserve(text.size());
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        if (isEscapeAt(text, i)) {
            result += QChar(ushort(text.midRef(i + 2, 4).toUInt(nullptr, 16)));
            i += 6;
        } else {
            result += text[i];
        }
    }
    return result;
}

bool XmlText::isTrue(QStringView text)
{
    return text == QLatin1String("1") || text == QLatin1String("true");
}

void XmlText::appendNumber(QByteArray &out, double value)
{
    if (value == 0) {
        out.append('0');
        return;
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, int(result.ptr - buffer));
}

void XmlText::appendInteger(QByteArray &out, qint64 value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, int(result.ptr - buffer));
}

QString XmlText::numberText(double value)
{
    QByteArray out;
    appendNumber(out, value);
    return QString::fromLatin1(out);
}

void XmlText::appendCellName(QByteArray &out, int row, int column)
{
    char letters[3];
    int count = 0;
    while (column > 0 && count < 3) {
        letters[count++] = char('A' + (column - 1) % 26);
        column = (column - 1) / 26;
    }
    while (count > 0)
        out.append(letters[--count]);
    appendInteger(out, row);
}

QString XmlText::decode(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QString text = QTextCodec::codecForUtfText(bytes)->toUnicode(bytes);
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        return text;
    }
    return QString::fromUtf8(bytes);
}

QByteArray XmlText::encode(const QString &xml)
{
    if (!xml.startsWith(QLatin1String("<?xml")))
        return xml.toUtf8();
    const int end = xml.indexOf(QLatin1String("?>"));
    if (end < 0)
        return xml.toUtf8();
    QString declaration = xml.left(end);
    static const QRegularExpression encoding(QStringLiteral("encoding\\s*=\\s*([\"'])[^\"']*\\1"));
    declaration.replace(encoding, QStringLiteral("encoding=\"UTF-8\""));
    return declaration.toUtf8() + xml.midRef(end).toUtf8();
}

} // namespace Xlsx
