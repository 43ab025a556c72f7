#include "xlsx/xmlnode.h"

#include "xlsx/xmlattributes.h"
#include "xlsx/xmltext.h"

namespace Xlsx {

XmlNode XmlNode::read(QXmlStreamReader &reader)
{
    return read(reader, 0);
}

XmlNode XmlNode::read(QXmlStreamReader &reader, int depth)
{
    XmlNode node(reader.name().toString());
    const QStringRef namespaceUri = reader.namespaceUri();
    const QString ownNamespace = namespaceUri.toString();
    for (const QXmlStreamAttribute &attribute : reader.attributes()) {
        if (attribute.prefix().isEmpty())
            node.m_attributes.append({attribute.name().toString(), attribute.value().toString()});
    }
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (depth == MaxDepth)
                reader.raiseError(QStringLiteral("elements nest deeper than %1 levels").arg(MaxDepth));
            else if (reader.namespaceUri() == ownNamespace)
                node.m_children.append(read(reader, depth + 1));
            else
                reader.skipCurrentElement();
        } else if (token == QXmlStreamReader::Characters && !reader.isWhitespace()) {
            node.m_text += reader.text();
        } else if (token == QXmlStreamReader::EndElement) {
            break;
        }
    }
    return node;
}

QString XmlNode::attribute(const QString &name) const
{
    return XmlAttributes::value(m_attributes, name);
}

bool XmlNode::hasAttribute(const QString &name) const
{
    return XmlAttributes::find(m_attributes, name) != nullptr;
}

void XmlNode::setAttribute(const QString &name, const QString &value)
{
    for (auto &attribute : m_attributes) {
        if (attribute.first == name) {
            attribute.second = value;
            return;
        }
    }
    m_attributes.append({name, value});
}

void XmlNode::removeAttribute(const QString &name)
{
    for (int i = m_attributes.size() - 1; i >= 0; --i) {
        if (m_attributes[i].first == name)
            m_attributes.remove(i);
    }
}

const XmlNode *XmlNode::child(const QString &name) const
{
    for (const XmlNode &node : m_children) {
        if (node.m_name == name)
            return &node;
    }
    return nullptr;
}

// Not the const lookup cast: this loop detaches the shared children, so the node returned is
// this tree's own and changing it leaves the copies alone.
XmlNode *XmlNode::child(const QString &name)
{
    for (XmlNode &node : m_children) {
        if (node.m_name == name)
            return &node;
    }
    return nullptr;
}

XmlNode &XmlNode::ensureChild(const QString &name)
{
    if (XmlNode *existing = child(name))
        return *existing;
    m_children.append(XmlNode(name));
    return m_children.last();
}

void XmlNode::removeChild(const QString &name)
{
    for (int i = m_children.size() - 1; i >= 0; --i) {
        if (m_children[i].m_name == name)
            m_children.remove(i);
    }
}

QString XmlNode::toXml(const QString &prefix) const
{
    QString xml = QLatin1Char('<') + prefix + m_name;
    for (const auto &attribute : m_attributes)
        xml += QStringLiteral(" %1=\"%2\"").arg(attribute.first, XmlText::escapedAttribute(attribute.second));
    if (m_children.isEmpty() && m_text.isEmpty())
        return xml + QStringLiteral("/>");
    xml += QLatin1Char('>');
    xml += XmlText::escapedText(m_text);
    for (const XmlNode &node : m_children)
        xml += node.toXml(prefix);
    return xml + QStringLiteral("</") + prefix + m_name + QLatin1Char('>');
}

} // namespace Xlsx
