#include "xlsx/document.h"

#include "xlsx/cellstore.h"
#include "xlsx/contenttypes.h"
#include "xlsx/package.h"
#include "xlsx/partdeflater.h"
#include "xlsx/relationships.h"
#include "xlsx/sharedstrings.h"
#include "xlsx/styles.h"
#include "xlsx/workbook.h"

#include <QHash>

#include <vector>

namespace Xlsx {

namespace {

const char transitionalRelationships[] = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
const char sharedStringsType[] = "application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml";
const char stylesType[] = "application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml";

Package::Parts newWorkbookParts()
{
    return {
        {QStringLiteral("[Content_Types].xml"),
         QByteArrayLiteral(
             "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
             "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
             "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
             "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
             "<Override PartName=\"/xl/workbook.xml\" "
             "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
             "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
             "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
             "<Override PartName=\"/xl/styles.xml\" "
             "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
             "</Types>")},
        {QStringLiteral("_rels/.rels"),
         QByteArrayLiteral(
             "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
             "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
             "<Relationship Id=\"rId1\" "
             "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
             "Target=\"xl/workbook.xml\"/>"
             "</Relationships>")},
        {QStringLiteral("xl/workbook.xml"),
         QByteArrayLiteral(
             "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
             "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
             "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
             "<bookViews><workbookView/></bookViews>"
             "<sheets><sheet name=\"Sheet1\" sheetId=\"1\" r:id=\"rId1\"/></sheets>"
             "</workbook>")},
        {QStringLiteral("xl/_rels/workbook.xml.rels"),
         QByteArrayLiteral(
             "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
             "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
             "<Relationship Id=\"rId1\" "
             "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
             "Target=\"worksheets/sheet1.xml\"/>"
             "<Relationship Id=\"rId2\" "
             "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
             "Target=\"styles.xml\"/>"
             "</Relationships>")},
        {QStringLiteral("xl/styles.xml"), Styles::defaultPart()},
        {QStringLiteral("xl/worksheets/sheet1.xml"),
         QByteArrayLiteral(
             "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
             "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
             "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
             "<dimension ref=\"A1\"/>"
             "<sheetViews><sheetView tabSelected=\"1\" workbookViewId=\"0\"/></sheetViews>"
             "<sheetFormatPr defaultRowHeight=\"15\"/>"
             "<sheetData/>"
             "<pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\" header=\"0.3\" footer=\"0.3\"/>"
             "</worksheet>")},
    };
}

// The message, then the detail when there is one.
QString withDetail(const QString &message, const QString &detail)
{
    return detail.isEmpty() ? message : QStringLiteral("%1: %2").arg(message, detail);
}

} // namespace

class Document::Private
{
public:
    struct Sheet
    {
        QString name;
        QString part;
        bool worksheet = false;
        std::unique_ptr<Worksheet> sheet;
    };

    QString fileName;
    QString error;
    QString openError;
    bool loaded = false;
    bool isNew = false;
    Package package;
    ContentTypes types;
    QString workbookPart;
    Workbook workbook;
    QString workbookRelationshipsPart;
    Relationships workbookRelationships;
    QString relationshipBase = QString::fromLatin1(transitionalRelationships);
    Styles styles;
    QString stylesPart;
    SharedStrings strings;
    QString stringsPart;
    QString calcChainPart;
    QString calcChainId;
    std::vector<Sheet> sheets;
    int current = -1;
    qint64 keptLeft = CellStore::MaxKeptBytes; // what the sheets still to read may take

    bool fail(const QString &message)
    {
        error = message;
        return false;
    }
    bool load(QString *why);
    // The content types, the package's relationships, the workbook and its relationships.
    bool loadWorkbook(QString *why);
    bool loadSheet(int index, QString *why);
    // False when a part read or written plays two roles, which saving would mix up or drop.
    bool partsHaveOneRole(QString *why) const;
    bool saveTo(const QString &target, QString *why) const;
    Worksheet *sheet()
    {
        if (current < 0) {
            error = QStringLiteral("no workbook is open: %1").arg(openError);
            return nullptr;
        }
        return sheets[size_t(current)].sheet.get();
    }
    bool done(Worksheet *sheet, bool ok)
    {
        if (!ok)
            error = sheet->errorString();
        return ok;
    }
};

bool Document::Private::loadWorkbook(QString *why)
{
    if (!package.contains(QStringLiteral("[Content_Types].xml"))) {
        *why = QStringLiteral("it is not an xlsx workbook: [Content_Types].xml is missing");
        return false;
    }
    QByteArray bytes;
    QString detail;
    if (!package.read(QStringLiteral("[Content_Types].xml"), &bytes, why))
        return false;
    if (!types.load(bytes, &detail)) {
        *why = QStringLiteral("[Content_Types].xml: %1").arg(detail);
        return false;
    }
    Relationships root;
    const QString rootPart = QStringLiteral("_rels/.rels");
    if (package.contains(rootPart) && !package.read(rootPart, &bytes, why))
        return false;
    if (!package.contains(rootPart) || !root.load(bytes, &detail)) {
        *why = withDetail(QStringLiteral("the package relationships (_rels/.rels) are missing or damaged"), detail);
        return false;
    }
    const Relationships::Relationship *office = root.findByKind(QStringLiteral("officeDocument"));
    if (!office) {
        *why = QStringLiteral("the package names no workbook");
        return false;
    }
    relationshipBase = office->type.left(office->type.lastIndexOf(QLatin1Char('/')) + 1);
    workbookPart = package.find(Relationships::resolve(QString(), office->target));
    if (workbookPart.isEmpty()) {
        *why = QStringLiteral("the workbook part %1 is missing").arg(office->target);
        return false;
    }
    if (!package.read(workbookPart, &bytes, why))
        return false;
    if (!workbook.load(bytes, &detail)) {
        *why = QStringLiteral("%1: %2").arg(workbookPart, detail);
        return false;
    }
    workbookRelationshipsPart = package.find(Relationships::partOf(workbookPart));
    if (!workbookRelationshipsPart.isEmpty() && !package.read(workbookRelationshipsPart, &bytes, why))
        return false;
    if (workbookRelationshipsPart.isEmpty() || !workbookRelationships.load(bytes, &detail)) {
        *why = withDetail(QStringLiteral("the workbook relationships are missing or damaged: %1")
                              .arg(Relationships::partOf(workbookPart)),
                          detail);
        return false;
    }
    return true;
}

bool Document::Private::load(QString *why)
{
    if (!loadWorkbook(why))
        return false;
    auto partOfKind = [this, why](const QString &kind, QString *part) {
        const Relationships::Relationship *relationship = workbookRelationships.findByKind(kind);
        if (!relationship)
            return true;
        *part = package.find(Relationships::resolve(workbookPart, relationship->target));
        if (part->isEmpty()) {
            *why = QStringLiteral("the %1 part %2 is missing").arg(kind, relationship->target);
            return false;
        }
        return true;
    };
    if (!partOfKind(QStringLiteral("styles"), &stylesPart) || !partOfKind(QStringLiteral("sharedStrings"), &stringsPart)
        || !partOfKind(QStringLiteral("calcChain"), &calcChainPart))
        return false;
    // Saving drops the chain by its relationship: another one would be left without its part.
    if (workbookRelationships.countOfKind(QStringLiteral("calcChain")) > 1) {
        *why = QStringLiteral("%1 lists more than one calculation chain").arg(workbookRelationshipsPart);
        return false;
    }
    QByteArray bytes = Styles::defaultPart();
    QString detail;
    if (!stylesPart.isEmpty() && !package.read(stylesPart, &bytes, why))
        return false;
    if (!styles.load(bytes, &detail)) {
        *why = QStringLiteral("%1: %2").arg(stylesPart, detail);
        return false;
    }
    if (!stringsPart.isEmpty()) {
        if (!strings.load(*package.part(stringsPart), &detail)) {
            *why = QStringLiteral("%1: %2").arg(stringsPart, detail);
            return false;
        }
        package.markChecked(stringsPart);
    }
    if (!calcChainPart.isEmpty())
        calcChainId = workbookRelationships.findByKind(QStringLiteral("calcChain"))->id;

    for (const Workbook::Sheet &entry : workbook.sheets()) {
        const Relationships::Relationship *relationship = workbookRelationships.findById(entry.relationshipId);
        if (!relationship) {
            *why = QStringLiteral("sheet \"%1\" has no relationship").arg(entry.name);
            return false;
        }
        Sheet sheet;
        sheet.name = entry.name;
        sheet.worksheet = Relationships::isKind(relationship->type, QStringLiteral("worksheet"));
        sheet.part = package.find(Relationships::resolve(workbookPart, relationship->target));
        if (sheet.worksheet && sheet.part.isEmpty()) {
            *why = QStringLiteral("sheet \"%1\" refers to the missing part %2").arg(entry.name, relationship->target);
            return false;
        }
        sheets.push_back(std::move(sheet));
    }
    if (!partsHaveOneRole(why))
        return false;
    for (size_t i = 0; i < sheets.size(); ++i) {
        if (sheets[i].worksheet) {
            if (!loadSheet(int(i), why))
                return false;
            current = int(i);
            return true;
        }
    }
    *why = QStringLiteral("the workbook has no worksheet");
    return false;
}

bool Document::Private::partsHaveOneRole(QString *why) const
{
    QHash<QString, QString> roles; // part: what it is
    auto claim = [&roles, why](const QString &part, const QString &role) {
        if (part.isEmpty())
            return true;
        const auto taken = roles.constFind(part);
        if (taken == roles.cend()) {
            roles.insert(part, role);
            return true;
        }
        *why = QStringLiteral("the part %1 is both %2 and %3").arg(part, *taken, role);
        return false;
    };
    bool ok = claim(package.find(QStringLiteral("[Content_Types].xml")), QStringLiteral("the content types"))
        && claim(package.find(QStringLiteral("_rels/.rels")), QStringLiteral("the package relationships"))
        && claim(workbookPart, QStringLiteral("the workbook"))
        && claim(workbookRelationshipsPart, QStringLiteral("the workbook relationships"))
        && claim(stylesPart, QStringLiteral("the styles")) && claim(stringsPart, QStringLiteral("the shared strings"))
        && claim(calcChainPart, QStringLiteral("the calculation chain"));
    for (size_t i = 0; ok && i < sheets.size(); ++i)
        ok = claim(sheets[i].part, QStringLiteral("sheet \"%1\"").arg(sheets[i].name));
    return ok;
}

bool Document::Private::loadSheet(int index, QString *why)
{
    Sheet &entry = sheets[size_t(index)];
    if (entry.sheet)
        return true;
    std::unique_ptr<Worksheet> sheet(new Worksheet(entry.name, &styles, &strings, workbook.isDate1904()));
    const Package::Part *part = package.part(entry.part);
    if (!part) {
        *why = QStringLiteral("the part %1 is missing").arg(entry.part);
        return false;
    }
    QString detail;
    if (!sheet->load(*part, &keptLeft, &detail)) {
        *why = QStringLiteral("sheet \"%1\" (%2): %3").arg(entry.name, entry.part, detail);
        return false;
    }
    // Read through to its end: its size and CRC were checked.
    package.markChecked(entry.part);
    entry.sheet = std::move(sheet);
    return true;
}

bool Document::Private::saveTo(const QString &target, QString *why) const
{
    Package::Parts parts = package.parts();
    auto setPart = [&parts](Package::Part part) {
        for (auto &existing : parts) {
            if (existing.name.compare(part.name, Qt::CaseInsensitive) == 0) {
                part.name = existing.name;
                existing = part;
                return;
            }
        }
        parts.append(part);
    };
    auto freeName = [&parts](const QString &wanted) {
        QString name = wanted;
        for (int n = 1;; ++n) {
            bool taken = false;
            for (const auto &part : parts)
                taken = taken || part.name.compare(name, Qt::CaseInsensitive) == 0;
            if (!taken)
                return name;
            name = wanted.left(wanted.size() - 4) + QString::number(n) + QStringLiteral(".xml");
        }
    };

    bool changed = false;
    bool formulas = false;
    qint64 stringDelta = 0;
    for (const Sheet &sheet : sheets) {
        if (!sheet.sheet || !sheet.sheet->isModified())
            continue;
        qint64 delta = 0;
        PartDeflater deflater;
        sheet.sheet->save(deflater, &delta);
        Package::Part part;
        part.name = sheet.part;
        if (!deflater.finish(&part)) {
            *why = QStringLiteral("sheet \"%1\" could not be compressed").arg(sheet.name);
            return false;
        }
        setPart(part);
        stringDelta += delta;
        changed = true;
        formulas = formulas || sheet.sheet->hasNewFormulas();
    }

    Relationships relationships = workbookRelationships;
    ContentTypes contentTypes = types;
    const QString folder = workbookPart.left(workbookPart.lastIndexOf(QLatin1Char('/')) + 1);
    auto addPart = [&](const QString &file, const QString &kind, const char *contentType, const QByteArray &bytes) {
        const QString name = freeName(folder + file);
        setPart({name, bytes});
        relationships.add(relationshipBase + kind, name.mid(folder.size()));
        contentTypes.addOverride(QLatin1Char('/') + name, QString::fromLatin1(contentType));
    };
    if (strings.isModified()) {
        if (stringsPart.isEmpty())
            addPart(QStringLiteral("sharedStrings.xml"), QStringLiteral("sharedStrings"), sharedStringsType,
                    strings.save(stringDelta));
        else
            setPart({stringsPart, strings.save(stringDelta)});
    }
    if (styles.isModified()) {
        if (stylesPart.isEmpty())
            addPart(QStringLiteral("styles.xml"), QStringLiteral("styles"), stylesType, styles.save());
        else
            setPart({stylesPart, styles.save()});
    }
    if (changed && !calcChainPart.isEmpty()) {
        // The chain lists formula cells; Excel rebuilds it, while a stale one makes it repair the file.
        for (int i = 0; i < parts.size(); ++i) {
            if (parts[i].name == calcChainPart) {
                parts.remove(i);
                break;
            }
        }
        relationships.remove(calcChainId);
        contentTypes.removeOverride(QLatin1Char('/') + calcChainPart);
    }
    if (formulas || (changed && !isNew))
        setPart({workbookPart, workbook.saveWithFullCalculation()});
    if (relationships.isModified())
        setPart({workbookRelationshipsPart, relationships.save()});
    if (contentTypes.isModified())
        setPart({QStringLiteral("[Content_Types].xml"), contentTypes.save()});
    return Package::write(target, parts, why);
}

Document::Document()
    : d(new Private)
{
    d->package.setParts(newWorkbookParts());
    d->isNew = true;
    QString why;
    d->loaded = d->load(&why);
    if (!d->loaded)
        d->error = d->openError = QStringLiteral("cannot create a workbook: %1").arg(why);
}

Document::Document(const QString &fileName)
    : d(new Private)
{
    d->fileName = fileName;
    QString why;
    // Parts the opening did not read are checked after it, so that none is decompressed twice.
    d->loaded = d->package.open(fileName, &why) && d->load(&why) && d->package.checkUnread(&why);
    if (!d->loaded) {
        d->error = d->openError = QStringLiteral("cannot open \"%1\": %2").arg(fileName, why);
        d->sheets.clear();
        d->current = -1;
    }
}

Document::~Document() = default;

bool Document::isLoadPackage() const
{
    return d->loaded;
}

QString Document::errorString() const
{
    return d->error;
}

QString Document::filePath() const
{
    return d->fileName;
}

QStringList Document::sheetNames() const
{
    QStringList names;
    for (const Private::Sheet &sheet : d->sheets)
        names.append(sheet.name);
    return names;
}

bool Document::selectSheet(const QString &name)
{
    for (size_t i = 0; i < d->sheets.size(); ++i) {
        if (d->sheets[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return selectSheet(int(i));
    }
    return d->fail(QStringLiteral("the workbook has no sheet \"%1\"").arg(name));
}

bool Document::selectSheet(int index)
{
    if (index < 0 || index >= int(d->sheets.size()))
        return d->fail(QStringLiteral("the workbook has no sheet number %1").arg(index));
    if (!d->sheets[size_t(index)].worksheet)
        return d->fail(QStringLiteral("sheet \"%1\" is not a worksheet").arg(d->sheets[size_t(index)].name));
    QString why;
    if (!d->loadSheet(index, &why))
        return d->fail(why);
    d->current = index;
    return true;
}

Worksheet *Document::currentWorksheet() const
{
    return d->current < 0 ? nullptr : d->sheets[size_t(d->current)].sheet.get();
}

bool Document::write(int row, int column, const QVariant &value, const Format &format)
{
    Worksheet *sheet = d->sheet();
    return sheet && d->done(sheet, sheet->write(row, column, value, format));
}

bool Document::write(const CellReference &cell, const QVariant &value, const Format &format)
{
    Worksheet *sheet = d->sheet();
    return sheet && d->done(sheet, sheet->write(cell, value, format));
}

QVariant Document::read(int row, int column) const
{
    const Worksheet *sheet = currentWorksheet();
    return sheet ? sheet->read(row, column) : QVariant();
}

QVariant Document::read(const CellReference &cell) const
{
    const Worksheet *sheet = currentWorksheet();
    return sheet ? sheet->read(cell) : QVariant();
}

Cell Document::cellAt(int row, int column) const
{
    const Worksheet *sheet = currentWorksheet();
    return sheet ? sheet->cellAt(row, column) : Cell();
}

Cell Document::cellAt(const CellReference &cell) const
{
    const Worksheet *sheet = currentWorksheet();
    return sheet ? sheet->cellAt(cell) : Cell();
}

bool Document::writeFormula(const CellReference &cell, const CellFormula &formula, const Format &format,
                            std::optional<double> result)
{
    Worksheet *sheet = d->sheet();
    return sheet && d->done(sheet, sheet->writeFormula(cell, formula, format, result));
}

double Document::rowHeight(int row) const
{
    const Worksheet *sheet = currentWorksheet();
    return sheet ? sheet->rowHeight(row) : 0;
}

bool Document::setRowHeight(int rowFirst, int rowLast, double height)
{
    Worksheet *sheet = d->sheet();
    return sheet && d->done(sheet, sheet->setRowHeight(rowFirst, rowLast, height));
}

double Document::columnWidth(int column) const
{
    const Worksheet *sheet = currentWorksheet();
    return sheet ? sheet->columnWidth(column) : 0;
}

bool Document::setColumnWidth(int columnFirst, int columnLast, double width)
{
    Worksheet *sheet = d->sheet();
    return sheet && d->done(sheet, sheet->setColumnWidth(columnFirst, columnLast, width));
}

bool Document::mergeCells(const CellRange &range, const Format &format)
{
    Worksheet *sheet = d->sheet();
    return sheet && d->done(sheet, sheet->mergeCells(range, format));
}

bool Document::unmergeCells(const CellRange &range)
{
    Worksheet *sheet = d->sheet();
    return sheet && d->done(sheet, sheet->unmergeCells(range));
}

CellRange Document::dimension() const
{
    const Worksheet *sheet = currentWorksheet();
    return sheet ? sheet->dimension() : CellRange();
}

bool Document::save()
{
    if (d->fileName.isEmpty())
        return d->fail(QStringLiteral("the workbook has no file name yet: save it with saveAs()"));
    return saveAs(d->fileName);
}

bool Document::saveAs(const QString &fileName)
{
    if (!d->loaded)
        return d->fail(QStringLiteral("nothing to save: %1").arg(d->openError));
    if (fileName.isEmpty())
        return d->fail(QStringLiteral("no file name to save to"));
    for (const Private::Sheet &sheet : d->sheets) {
        if (sheet.sheet && sheet.sheet->isModified())
            sheet.sheet->computeFormulaResults();
    }
    QString why;
    if (!d->saveTo(fileName, &why))
        return d->fail(QStringLiteral("cannot save \"%1\": %2").arg(fileName, why));
    d->fileName = fileName;
    return true;
}

} // namespace Xlsx
