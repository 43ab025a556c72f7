#pragma once

#include "xlsx/xmlnode.h"

#include <QString>

namespace Xlsx {

// Lookups and changes on a list of attributes kept apart from its element (a row's, a column's,
// an alignment's).
class XmlAttributes
{
public:
    // The value of the attribute, or null when it is absent.
    static const QString *find(const XmlNode::Attributes &attributes, const QString &name);
    // The value of the attribute; empty when it is absent.
    static QString value(const XmlNode::Attributes &attributes, const QString &name);
    // Sets the attribute, replacing or appending it; an empty value removes it.
    static void set(XmlNode::Attributes &attributes, const QString &name, const QString &value);
    // The attributes as one text that does not depend on their order, for comparing.
    static QString sortedText(XmlNode::Attributes attributes);
};

} // namespace Xlsx
