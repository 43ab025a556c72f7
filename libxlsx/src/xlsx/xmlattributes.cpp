#include "xlsx/xmlattributes.h"

#include <algorithm>

namespace Xlsx {

const QString *XmlAttributes::find(const XmlNode::Attributes &attributes, const QString &name)
{
    for (const auto &attribute : attributes) {
        if (attribute.first == name)
            return &attribute.second;
    }
    return nullptr;
}

QString XmlAttributes::value(const XmlNode::Attributes &attributes, const QString &name)
{
    const QString *found = find(attributes, name);
    return found ? *found : QString();
}

void XmlAttributes::set(XmlNode::Attributes &attributes, const QString &name, const QString &value)
{
    for (int i = 0; i < attributes.size(); ++i) {
        if (attributes[i].first == name) {
            if (value.isEmpty())
                attributes.remove(i);
            else
                attributes[i].second = value;
            return;
        }
    }
    if (!value.isEmpty())
        attributes.append({name, value});
}

QString XmlAttributes::sortedText(XmlNode::Attributes attributes)
{
    std::sort(attributes.begin(), attributes.end());
    QString text;
    for (const auto &attribute : attributes)
        text += attribute.first + QLatin1Char('=') + attribute.second + QLatin1Char(';');
    return text;
}

} // namespace Xlsx
