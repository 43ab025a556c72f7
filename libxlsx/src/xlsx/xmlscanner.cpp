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

XmlScanner::XmlScanner(Source source)
    : m_data(nullptr)
    , m_pos(0)
    , m_end(0)
    , m_begin(0)
    , m_source(std::move(source))
    , m_sourceDone(false)
{
}

int XmlScanner::lineAt(int position) const
{
    int line = 1 + m_linesBefore;
    if (!m_data)
        return line;
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

bool XmlScanner::incomplete(const QString &reason)
{
    if (m_sourceDone)
        return fail(reason);
    m_short = true;
    return false;
}

bool XmlScanner::refill()
{
    constexpr int chunk = 256 * 1024;
    const int keep = m_tokenStart;
    m_linesBefore = lineAt(keep) - 1;
    if (keep > 0) {
        memmove(m_buffer.data(), m_buffer.constData() + keep, size_t(m_end - keep));
        m_base += keep;
        m_pos -= keep;
        m_end -= keep;
        m_tokenStart = 0;
        m_tokenEnd = qMax(0, m_tokenEnd - keep);
    }
    // At least as much again as is held, so that a long token is read in linear time.
    const int want = qMax(chunk, m_end);
    if (qint64(m_end) + want > qint64(MaxToken) + chunk) {
        m_data = m_buffer.constData();
        return fail(QStringLiteral("a tag, text or comment is longer than %1 MiB").arg(MaxToken >> 20));
    }
    m_buffer.resize(m_end + want);
    qint64 got = 0;
    while (got < want) {
        const qint64 n = m_source(m_buffer.data() + m_end + got, want - got);
        if (n < 0) {
            m_data = m_buffer.constData();
            m_sourceDone = true;
            return fail(QStringLiteral("the data are damaged"));
        }
        if (n == 0) {
            m_sourceDone = true;
            break;
        }
        got += n;
    }
    m_end += int(got);
    m_data = m_buffer.constData();
    return true;
}

void XmlScanner::pushOpen(const char *name, int size)
{
    m_openStarts.append(m_openNames.size());
    m_openNames.append(name, size);
}

QByteArray XmlScanner::lastOpen() const
{
    const int start = m_openStarts.last();
    return QByteArray::fromRawData(m_openNames.constData() + start, m_openNames.size() - start);
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
        m_openNames.truncate(m_openStarts.last());
        m_openStarts.removeLast();
        m_tokenStart = m_tokenEnd;
        return m_token = EndElement;
    }
    for (;;) {
        m_tokenStart = m_pos;
        const Token token = scan();
        if (!m_short)
            return token;
        // The token goes on past the bytes in hand: read it again with more.
        m_short = false;
        m_pos = m_tokenStart;
        if (!refill())
            return Invalid;
    }
}

XmlScanner::Token XmlScanner::scan()
{
    for (;;) {
        m_tokenStart = m_pos;
        // Enough in hand to tell a comment, CDATA or declaration from a tag.
        if (m_end - m_pos < 9 && !m_sourceDone) {
            m_short = true;
            return m_token;
        }
        if (m_pos >= m_end) {
            if (!m_openStarts.isEmpty()) {
                fail(QStringLiteral("the element %1 is not closed").arg(QString::fromUtf8(lastOpen())));
                return Invalid;
            }
            return m_token = EndOfData;
        }
        const char *at = m_data + m_pos;
        if (*at != '<') {
            if (!characters())
                return m_short ? m_token : Invalid;
            return m_token = Characters;
        }
        const char *end = m_data + m_end;
        if (end - at >= 4 && memcmp(at, "<!--", 4) == 0) {
            if (!skipPast(at + 4, "-->", "a comment"))
                return m_short ? m_token : Invalid;
            continue;
        }
        if (end - at >= 9 && memcmp(at, "<![CDATA[", 9) == 0) {
            if (!characters())
                return m_short ? m_token : Invalid;
            return m_token = Characters;
        }
        if (end - at >= 2 && at[1] == '?') {
            if (!skipPast(at + 2, "?>", "a processing instruction"))
                return m_short ? m_token : Invalid;
            continue;
        }
        if (end - at >= 2 && at[1] == '!' && m_openStarts.isEmpty()) {
            // A document type declaration before the root: passed over.
            if (!skipPast(at + 2, ">", "a declaration"))
                return m_short ? m_token : Invalid;
            continue;
        }
        if (end - at >= 2 && at[1] == '/') {
            if (!endTag())
                return m_short ? m_token : Invalid;
            return m_token = EndElement;
        }
        if (!startTag())
            return m_short ? m_token : Invalid;
        return m_token = StartElement;
    }
}

bool XmlScanner::skipPast(const char *from, const char *marker, const char *construct)
{
    const char *close = search(from, m_data + m_end, marker);
    if (!close)
        return incomplete(QStringLiteral("%1 is not closed").arg(QLatin1String(construct)));
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
    if (at == end)
        return incomplete(QStringLiteral("a tag is malformed"));
    if (!isName(name, int(at - name)))
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
        if (at == end || (*at == '/' && at + 1 == end))
            return incomplete(QStringLiteral("a tag is not closed"));
        if (*at == '>' || (*at == '/' && at[1] == '>'))
            break;
        if (at == before)
            return fail(QStringLiteral("attributes must be separated by white space"));
        Attribute attribute;
        attribute.name = at;
        while (at < end && !isNameEnd(*at))
            ++at;
        if (at == end)
            return incomplete(QStringLiteral("an attribute has no value"));
        attribute.nameSize = int(at - attribute.name);
        if (!isName(attribute.name, attribute.nameSize))
            return fail(QStringLiteral("an attribute name is malformed"));
        while (at < end && isSpace(*at))
            ++at;
        if (at == end)
            return incomplete(QStringLiteral("an attribute has no value"));
        if (*at != '=')
            return fail(QStringLiteral("an attribute has no value"));
        ++at;
        while (at < end && isSpace(*at))
            ++at;
        if (at == end)
            return incomplete(QStringLiteral("an attribute value is not quoted"));
        if (*at != '"' && *at != '\'')
            return fail(QStringLiteral("an attribute value is not quoted"));
        const char quote = *at++;
        attribute.value = at;
        const char *close = static_cast<const char *>(memchr(at, quote, size_t(end - at)));
        if (!close)
            return incomplete(QStringLiteral("an attribute value is not closed"));
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
    pushOpen(m_name, m_nameSize);
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
    if (at == end)
        return incomplete(QStringLiteral("an end tag is malformed"));
    if (*at != '>' || !isName(name, size))
        return fail(QStringLiteral("an end tag is malformed"));
    if (m_openStarts.isEmpty() || lastOpen() != QByteArray::fromRawData(name, size))
        return fail(QStringLiteral("the end tag %1 closes no open element of its name").arg(QString::fromUtf8(name, size)));
    m_openNames.truncate(m_openStarts.last());
    m_openStarts.removeLast();
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
        if (at >= end) {
            if (!m_sourceDone)
                return incomplete(QString());
            break;
        }
        if (*at == '<' && end - at < 9 && !m_sourceDone)
            return incomplete(QString());
        if (end - at >= 9 && memcmp(at, "<![CDATA[", 9) == 0) {
            const char *close = search(at + 9, end, "]]>");
            if (!close)
                return incomplete(QStringLiteral("a CDATA section is not closed"));
            if (forbidden(at + 9, int(close - at - 9)))
                return fail(QStringLiteral("a CDATA section holds a control character"));
            m_text += QString::fromUtf8(at + 9, int(close - at - 9));
            m_pos = int(close + 3 - m_data);
            continue;
        }
        if (*at == '<')
            break;
        const char *next = static_cast<const char *>(memchr(at, '<', size_t(end - at)));
        if (!next && !m_sourceDone)
            return incomplete(QString());
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
