#include "xlsx/xmlscanner.h"

#include <cstring>

namespace Xlsx {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isNameEnd(char c)
{
    return isSpace(c) || c == '/' || c == '>' || c == '=';
}

// A name of ASCII letters, digits, "_", ":", "." and "-" (not first), or other Unicode characters.
bool isName(const char *name, int size)
{
    for (int i = 0; i < size; ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        const bool start = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || c >= 0x80;
        if (!start && (i == 0 || !((c >= '0' && c <= '9') || c == '.' || c == '-')))
            return false;
    }
    return size > 0;
}

// The first character that XML text may not hold (controls other than tab and line ends), or null.
const char *forbidden(const char *from, int size)
{
    for (const char *at = from; at < from + size; ++at) {
        const unsigned char c = static_cast<unsigned char>(*at);
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
            return at;
    }
    return nullptr;
}

const char *search(const char *from, const char *end, const char *what)
{
    const size_t size = strlen(what);
    for (const char *at = from; at + size <= end; ++at) {
        at = static_cast<const char *>(memchr(at, what[0], size_t(end - at)));
        if (!at || at + size > end)
            return nullptr;
        if (memcmp(at, what, size) == 0)
            return at;
    }
    return nullptr;
}

} // namespace

XmlScanner::XmlScanner(const QByteArray &bytes, int begin, int end)
    : m_data(bytes.constData())
    , m_pos(begin)
    , m_end(end)
    , m_begin(begin)
{
}

int XmlScanner::lineAt(int position) const
{
    int line = 1;
    for (const char *at = m_data + m_begin; (at = static_cast<const char *>(memchr(at, '\n', size_t(m_data + position - at))));
         ++at)
        ++line;
    return line;
}

bool XmlScanner::fail(const QString &reason)
{
    if (m_error.isEmpty())
        m_error = QStringLiteral("%1 (line %2)").arg(reason).arg(lineAt(qMin(m_pos, m_end)));
    m_token = Invalid;
    return false;
}

bool XmlScanner::isNamed(const char *localName) const
{
    const int size = m_nameSize - m_localStart;
    return int(strlen(localName)) == size && memcmp(m_name + m_localStart, localName, size_t(size)) == 0;
}

const XmlScanner::Attribute *XmlScanner::find(const char *name) const
{
    const int size = int(strlen(name));
    for (const Attribute &attribute : m_attributes) {
        if (attribute.nameSize == size && memcmp(attribute.name, name, size_t(size)) == 0)
            return &attribute;
    }
    return nullptr;
}

bool XmlScanner::value(const Attribute &attribute, QString *text)
{
    return resolve(attribute.value, attribute.valueSize, text);
}

XmlScanner::Token XmlScanner::next()
{
    if (m_token == Invalid)
        return Invalid;
    if (m_pendingEnd) {
        m_pendingEnd = false;
        m_open.removeLast();
        m_tokenStart = m_tokenEnd;
        return m_token = EndElement;
    }
    for (;;) {
        if (m_pos >= m_end) {
            if (!m_open.isEmpty()) {
                fail(QStringLiteral("the element %1 is not closed").arg(QString::fromUtf8(m_open.last())));
                return Invalid;
            }
            return m_token = EndOfData;
        }
        m_tokenStart = m_pos;
        const char *at = m_data + m_pos;
        if (*at != '<') {
            if (!characters())
                return Invalid;
            return m_token = Characters;
        }
        const char *end = m_data + m_end;
        if (end - at >= 4 && memcmp(at, "<!--", 4) == 0) {
            if (!skipPast(at + 4, "-->", "a comment"))
                return Invalid;
            continue;
        }
        if (end - at >= 9 && memcmp(at, "<![CDATA[", 9) == 0) {
            if (!characters())
                return Invalid;
            return m_token = Characters;
        }
        if (end - at >= 2 && at[1] == '?') {
            if (!skipPast(at + 2, "?>", "a processing instruction"))
                return Invalid;
            continue;
        }
        if (end - at >= 2 && at[1] == '!' && m_open.isEmpty()) {
            // A document type declaration before the root: passed over.
            if (!skipPast(at + 2, ">", "a declaration"))
                return Invalid;
            continue;
        }
        if (end - at >= 2 && at[1] == '/') {
            if (!endTag())
                return Invalid;
            return m_token = EndElement;
        }
        if (!startTag())
            return Invalid;
        return m_token = StartElement;
    }
}

bool XmlScanner::skipPast(const char *from, const char *marker, const char *construct)
{
    const char *close = search(from, m_data + m_end, marker);
    if (!close)
        return fail(QStringLiteral("%1 is not closed").arg(QLatin1String(construct)));
    m_pos = int(close + strlen(marker) - m_data);
    return true;
}

bool XmlScanner::startTag()
{
    const char *end = m_data + m_end;
    const char *at = m_data + m_pos + 1;
    const char *name = at;
    while (at < end && !isNameEnd(*at))
        ++at;
    if (at == end || !isName(name, int(at - name)))
        return fail(QStringLiteral("a tag is malformed"));
    m_name = name;
    m_nameSize = int(at - name);
    const char *colon = static_cast<const char *>(memchr(name, ':', size_t(m_nameSize)));
    m_localStart = colon ? int(colon + 1 - name) : 0;
    m_attributes.clear();
    for (;;) {
        const char *before = at;
        while (at < end && isSpace(*at))
            ++at;
        if (at == end)
            return fail(QStringLiteral("a tag is not closed"));
        if (*at == '>' || (*at == '/' && at + 1 < end && at[1] == '>'))
            break;
        if (at == before)
            return fail(QStringLiteral("attributes must be separated by white space"));
        Attribute attribute;
        attribute.name = at;
        while (at < end && !isNameEnd(*at))
            ++at;
        attribute.nameSize = int(at - attribute.name);
        if (!isName(attribute.name, attribute.nameSize))
            return fail(QStringLiteral("an attribute name is malformed"));
        while (at < end && isSpace(*at))
            ++at;
        if (at == end || *at != '=')
            return fail(QStringLiteral("an attribute has no value"));
        ++at;
        while (at < end && isSpace(*at))
            ++at;
        if (at == end || (*at != '"' && *at != '\''))
            return fail(QStringLiteral("an attribute value is not quoted"));
        const char quote = *at++;
        attribute.value = at;
        const char *close = static_cast<const char *>(memchr(at, quote, size_t(end - at)));
        if (!close)
            return fail(QStringLiteral("an attribute value is not closed"));
        if (memchr(at, '<', size_t(close - at)))
            return fail(QStringLiteral("an attribute value holds '<'"));
        if (forbidden(at, int(close - at)))
            return fail(QStringLiteral("an attribute value holds a control character"));
        attribute.valueSize = int(close - at);
        for (const Attribute &other : qAsConst(m_attributes)) {
            if (other.nameSize == attribute.nameSize && memcmp(other.name, attribute.name, size_t(other.nameSize)) == 0)
                return fail(QStringLiteral("an attribute is repeated"));
        }
        m_attributes.append(attribute);
        at = close + 1;
    }
    m_open.append(QByteArray::fromRawData(m_name, m_nameSize));
    m_pendingEnd = *at == '/';
    m_pos = int(at - m_data) + (m_pendingEnd ? 2 : 1);
    m_tokenEnd = m_pos;
    return true;
}

bool XmlScanner::endTag()
{
    const char *end = m_data + m_end;
    const char *name = m_data + m_pos + 2;
    const char *at = name;
    while (at < end && !isNameEnd(*at))
        ++at;
    const int size = int(at - name);
    while (at < end && isSpace(*at))
        ++at;
    if (at == end || *at != '>' || !isName(name, size))
        return fail(QStringLiteral("an end tag is malformed"));
    if (m_open.isEmpty() || m_open.last().size() != size || memcmp(m_open.last().constData(), name, size_t(size)) != 0)
        return fail(QStringLiteral("the end tag %1 closes no open element of its name").arg(QString::fromUtf8(name, size)));
    m_open.removeLast();
    m_name = name;
    m_nameSize = size;
    const char *colon = static_cast<const char *>(memchr(name, ':', size_t(size)));
    m_localStart = colon ? int(colon + 1 - name) : 0;
    m_pos = int(at + 1 - m_data);
    m_tokenEnd = m_pos;
    return true;
}

bool XmlScanner::characters()
{
    // Text and CDATA sections up to the next tag, comment or processing instruction.
    m_text.clear();
    const char *end = m_data + m_end;
    for (;;) {
        const char *at = m_data + m_pos;
        if (at >= end)
            break;
        if (end - at >= 9 && memcmp(at, "<![CDATA[", 9) == 0) {
            const char *close = search(at + 9, end, "]]>");
            if (!close)
                return fail(QStringLiteral("a CDATA section is not closed"));
            if (forbidden(at + 9, int(close - at - 9)))
                return fail(QStringLiteral("a CDATA section holds a control character"));
            m_text += QString::fromUtf8(at + 9, int(close - at - 9));
            m_pos = int(close + 3 - m_data);
            continue;
        }
        if (*at == '<')
            break;
        const char *next = static_cast<const char *>(memchr(at, '<', size_t(end - at)));
        const int size = int((next ? next : end) - at);
        if (const char *control = forbidden(at, size)) {
            m_pos = int(control - m_data);
            return fail(QStringLiteral("the text holds the control character 0x%1").arg(int(uchar(*control)), 2, 16, QLatin1Char('0')));
        }
        QString piece;
        if (!resolve(at, size, &piece))
            return false;
        m_text += piece;
        m_pos += size;
    }
    m_tokenEnd = m_pos;
    return true;
}

bool XmlScanner::resolve(const char *from, int size, QString *out)
{
    const char *amp = static_cast<const char *>(memchr(from, '&', size_t(size)));
    if (!amp) {
        *out = QString::fromUtf8(from, size);
        return true;
    }
    QByteArray text;
    text.reserve(size);
    const char *end = from + size;
    const char *at = from;
    while (amp) {
        text.append(at, int(amp - at));
        const char *semicolon = static_cast<const char *>(memchr(amp, ';', size_t(end - amp)));
        if (!semicolon)
            return fail(QStringLiteral("an entity is not closed"));
        const QByteArray entity = QByteArray::fromRawData(amp + 1, int(semicolon - amp - 1));
        if (entity == "lt") {
            text.append('<');
        } else if (entity == "gt") {
            text.append('>');
        } else if (entity == "amp") {
            text.append('&');
        } else if (entity == "quot") {
            text.append('"');
        } else if (entity == "apos") {
            text.append('\'');
        } else if (entity.startsWith('#')) {
            bool ok = false;
            const uint code = entity.startsWith("#x") ? entity.mid(2).toUInt(&ok, 16) : entity.mid(1).toUInt(&ok, 10);
            const bool allowed = code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF)
                              || (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
            if (!ok || !allowed)
                return fail(QStringLiteral("the character reference &%1; is not allowed").arg(QString::fromLatin1(entity)));
            const char32_t character = char32_t(code);
            text.append(QString::fromUcs4(&character, 1).toUtf8());
        } else {
            return fail(QStringLiteral("the entity &%1; is not defined").arg(QString::fromUtf8(entity)));
        }
        at = semicolon + 1;
        amp = static_cast<const char *>(memchr(at, '&', size_t(end - at)));
    }
    text.append(at, int(end - at));
    *out = QString::fromUtf8(text);
    return true;
}

bool XmlScanner::nextChild()
{
    for (;;) {
        switch (next()) {
        case StartElement: return true;
        case Characters: break;
        case EndOfData: return fail(QStringLiteral("the element is not closed"));
        default: return false;
        }
    }
}

bool XmlScanner::readElementText(QString *text)
{
    text->clear();
    for (int depth = 1; depth > 0;) {
        switch (next()) {
        case StartElement: ++depth; break;
        case EndElement: --depth; break;
        case Characters: *text += m_text; break;
        default: return fail(QStringLiteral("the element is not closed"));
        }
    }
    return true;
}

bool XmlScanner::skipElement()
{
    for (int depth = 1; depth > 0;) {
        switch (next()) {
        case StartElement: ++depth; break;
        case EndElement: --depth; break;
        case Characters: break;
        default: return fail(QStringLiteral("the element is not closed"));
        }
    }
    return true;
}

} // namespace Xlsx
