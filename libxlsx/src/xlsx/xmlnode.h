#pragma once

#include <QPair>
#include <QString>
#include <QVector>
#include <QXmlStreamReader>

namespace Xlsx {

// A small element tree (fonts, fills, borders of the style table), compared and written in a
// canonical form.
class XmlNode
{
public:
    using Attributes = QVector<QPair<QString, QString>>;

    XmlNode() = default;
    explicit XmlNode(const QString &name)
        : m_name(name)
    {
    }

    // Elements nested deeper below the one read are refused: the tree is copied, compared and
    // written by recursion.
    static constexpr int MaxDepth = 32;

    // Reads the element the reader stands on, up to its end. Child elements of other namespaces
    // (extensions) and prefixed attributes are left out: they need declarations of their own.
    // Elements nested deeper than MaxDepth raise an error on the reader, which then stops.
    static XmlNode read(QXmlStreamReader &reader);

    const QString &name() const { return m_name; }
    bool isNull() const { return m_name.isEmpty(); }

    QString attribute(const QString &name) const;
    bool hasAttribute(const QString &name) const;
    void setAttribute(const QString &name, const QString &value);
    void removeAttribute(const QString &name);
    const Attributes &attributes() const { return m_attributes; }

    const XmlNode *child(const QString &name) const;
    XmlNode *child(const QString &name);
    // The child of that name, appended when missing.
    XmlNode &ensureChild(const QString &name);
    void removeChild(const QString &name);
    const QVector<XmlNode> &children() const { return m_children; }
    void appendChild(const XmlNode &node) { m_children.append(node); }

    // The element as XML, every element name with the prefix ("x:" or "").
    QString toXml(const QString &prefix = QString()) const;

private:
    static XmlNode read(QXmlStreamReader &reader, int depth);

    QString m_name;
    Attributes m_attributes;
    QVector<XmlNode> m_children;
    QString m_text;
};

} // namespace Xlsx
