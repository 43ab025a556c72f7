#include "xlsx/workbook.h"

#include "xlsx/partreader.h"
#include "xlsx/xmledit.h"
#include "xlsx/xmltext.h"

#include <QXmlStreamReader>

namespace Xlsx {

namespace {

const char relationshipsNamespace[] = "relationships";

// Elements that follow calcPr in a workbook.
bool followsCalculation(const QStringRef &name)
{
    for (const char *element : {"oleSize", "customWorkbookViews", "pivotCaches", "smartTagPr", "smartTagTypes",
                                "webPublishing", "fileRecoveryPr", "webPublishObjects", "extLst"}) {
        if (name == QLatin1String(element))
            return true;
    }
    return false;
}

} // namespace

bool Workbook::load(const QByteArray &bytes, QString *error)
{
    m_xml = XmlText::decode(bytes);
    PartReader::openEmptyRoot(m_xml);
    QXmlStreamReader reader(m_xml);
    if (!PartReader::openRoot(reader, QLatin1String("workbook"),
                              QStringLiteral("the part is not a workbook"), &m_prefix, error))
        return false;
    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        const int start = XmlEdit::tagStart(m_xml, reader.characterOffset());
        if (name == QLatin1String("workbookPr")) {
            m_date1904 = XmlText::isTrue(reader.attributes().value(QLatin1String("date1904")));
            reader.skipCurrentElement();
        } else if (name == QLatin1String("sheets")) {
            while (reader.readNextStartElement()) {
                if (reader.name() == QLatin1String("sheet")) {
                    Sheet sheet;
                    for (const QXmlStreamAttribute &attribute : reader.attributes()) {
                        if (attribute.name() == QLatin1String("name"))
                            sheet.name = attribute.value().toString();
                        else if (attribute.name() == QLatin1String("state"))
                            sheet.state = attribute.value().toString();
                        else if (attribute.name() == QLatin1String("id")
                                 && attribute.namespaceUri().contains(QLatin1String(relationshipsNamespace)))
                            sheet.relationshipId = attribute.value().toString();
                    }
                    m_sheets.append(sheet);
                }
                reader.skipCurrentElement();
            }
        } else if (name == QLatin1String("calcPr")) {
            m_calcStart = start;
            m_calcStartEnd = int(reader.characterOffset());
            reader.skipCurrentElement();
        } else {
            if (m_calcInsert < 0 && followsCalculation(name))
                m_calcInsert = start;
            reader.skipCurrentElement();
        }
    }
    int rootEnd = -1;
    if (!PartReader::finish(reader, m_xml, &rootEnd, error))
        return false;
    if (m_calcInsert < 0)
        m_calcInsert = rootEnd;
    return true;
}

QByteArray Workbook::saveWithFullCalculation() const
{
    XmlEdit edit;
    if (m_calcStart >= 0) {
        const QString tag = m_xml.mid(m_calcStart, m_calcStartEnd - m_calcStart);
        edit.replace(m_calcStart, m_calcStartEnd,
                     XmlEdit::withAttribute(tag, QStringLiteral("fullCalcOnLoad"), QStringLiteral("1")).toUtf8());
    } else {
        edit.insert(m_calcInsert, QStringLiteral("<%1calcPr fullCalcOnLoad=\"1\"/>").arg(m_prefix).toUtf8());
    }
    return edit.apply(m_xml);
}

} // namespace Xlsx
