#include "workbook.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>
#include <QTextBoundaryFinder>

namespace Report {

namespace {

// How many numbered names are tried after the plain one.
constexpr int maxNameSuffix = 999;
constexpr int maxFileNameLength = 80;

// Path separators and what file systems refuse; control characters; the marks that reorder the
// text around them, so that a name would show another than it is; lone surrogates.
bool isRefusedInName(QChar c)
{
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    const ushort u = c.unicode();
    const bool direction = u == 0x061c || u == 0x200e || u == 0x200f || (u >= 0x202a && u <= 0x202e)
        || (u >= 0x2066 && u <= 0x2069);
    return u < 0x20 || u == 0x7f || (u >= 0x80 && u < 0xa0) || direction || c.isSurrogate()
        || c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph || refused.contains(c);
}

// Without leading and trailing blanks and dots.
QString trimmed(const QString &name)
{
    int first = 0;
    int last = name.size();
    while (first < last && (name.at(first).isSpace() || name.at(first) == QLatin1Char('.')))
        ++first;
    while (last > first && (name.at(last - 1).isSpace() || name.at(last - 1) == QLatin1Char('.')))
        --last;
    return name.mid(first, last - first);
}

} // namespace

Workbook::Workbook() = default;

Workbook::~Workbook()
{
    discard();
}

void Workbook::discard()
{
    m_document.reset();
    if (!m_saved && !m_fileName.isEmpty())
        QFile::remove(m_fileName);
    m_fileName.clear();
}

bool Workbook::open(const QString &templatePath, const QString &folder, const QString &baseName)
{
    discard();
    m_saved = false;
    m_folder = folder;
    m_baseName = baseName;
    QFile source(templatePath);
    if (!source.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("Cannot read the report template %1: %2").arg(templatePath, source.errorString());
        return false;
    }
    if (!copyTemplate(source.readAll()))
        return false;
    m_document = std::make_unique<Xlsx::Document>(m_fileName);
    if (!m_document->isLoadPackage()) {
        m_error = QStringLiteral("The report template %1 is not a workbook: %2")
                      .arg(templatePath, m_document->errorString());
        discard();
        return false;
    }
    return true;
}

// A hidden file beside the reports, so that naming it is a rename within one file system.
bool Workbook::copyTemplate(const QByteArray &data)
{
    QTemporaryFile copy(QDir(m_folder).filePath(QStringLiteral(".%1-XXXXXX.xlsx").arg(m_baseName)));
    copy.setAutoRemove(false);
    if (!copy.open()) {
        m_error = QStringLiteral("Cannot create a file in %1: %2").arg(m_folder, copy.errorString());
        return false;
    }
    m_fileName = copy.fileName();
    if (copy.write(data) != data.size() || !copy.flush()) {
        m_error = QStringLiteral("Cannot write %1: %2").arg(m_fileName, copy.errorString());
        copy.close();
        discard();
        return false;
    }
    copy.close();
    copy.setPermissions(QFileDevice::ReadUser | QFileDevice::WriteUser);
    return true;
}

bool Workbook::save()
{
    if (!m_document)
        return false;
    if (!m_document->save()) {
        m_error = QStringLiteral("Cannot save the report %1: %2")
                      .arg(QDir(m_folder).filePath(m_baseName + QLatin1String(".xlsx")), m_document->errorString());
        discard();
        return false;
    }
    if (!takeName()) {
        discard();
        return false;
    }
    m_saved = true;
    return true;
}

// The rename never replaces a file, so a workbook that exists is never overwritten, even by a
// report saved at the same moment.
bool Workbook::takeName()
{
    const QDir dir(m_folder);
    for (int suffix = 1; suffix <= maxNameSuffix + 1; ++suffix) {
        const QString name = suffix == 1 ? m_baseName : QStringLiteral("%1-%2").arg(m_baseName).arg(suffix);
        const QString path = dir.filePath(name + QLatin1String(".xlsx"));
        if (QFile::rename(m_fileName, path)) {
            m_fileName = path;
            return true;
        }
        if (!QFile::exists(path)) {
            m_error = QStringLiteral("Cannot name the report %1").arg(path);
            return false;
        }
    }
    m_error = QStringLiteral("No free file name for %1 in %2").arg(m_baseName, m_folder);
    return false;
}

Xlsx::Format Workbook::format(int row, int column) const
{
    return m_document ? m_document->cellAt(row, column).format() : Xlsx::Format();
}

QVector<Xlsx::Format> Workbook::rowFormats(int row, int lastColumn) const
{
    QVector<Xlsx::Format> formats(lastColumn + 1);
    for (int column = 1; column <= lastColumn; ++column)
        formats[column] = format(row, column);
    return formats;
}

Xlsx::Format Workbook::withNumberFormat(Xlsx::Format format, const QString &code)
{
    format.setNumberFormat(code);
    return format;
}

QString Workbook::safeFileName(const QString &text)
{
    QString name;
    name.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            name += c;
            name += text.at(++i);
        } else {
            name += isRefusedInName(c) ? QLatin1Char('_') : c;
        }
    }
    name = trimmed(name);
    if (name.size() > maxFileNameLength) {
        // The last boundary between whole characters (a pair of surrogates, a letter and its marks)
        // within the length.
        QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, name);
        characters.setPosition(maxFileNameLength);
        if (!characters.isAtBoundary())
            characters.toPreviousBoundary();
        name = trimmed(name.left(qMax(0, characters.position())));
    }
    return name.isEmpty() ? QStringLiteral("_") : name;
}

} // namespace Report
