#include "workbook.h"

#include <QDir>
#include <QFile>

namespace Report {

namespace {

// How many numbered names are tried after the plain one.
constexpr int maxNameSuffix = 999;
constexpr int maxFileNameLength = 80;

} // namespace

Workbook::Workbook() = default;
Workbook::~Workbook() = default;

bool Workbook::open(const QString &templatePath, const QString &folder, const QString &baseName)
{
    m_document.reset();
    m_fileName.clear();
    QFile source(templatePath);
    if (!source.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("Cannot read the report template %1: %2").arg(templatePath, source.errorString());
        return false;
    }
    const QByteArray data = source.readAll();
    const QDir dir(folder);
    for (int suffix = 1; suffix <= maxNameSuffix + 1 && m_fileName.isEmpty(); ++suffix) {
        const QString name = suffix == 1 ? baseName : QStringLiteral("%1-%2").arg(baseName).arg(suffix);
        const QString path = dir.filePath(name + QLatin1String(".xlsx"));
        if (copyTemplate(data, path))
            m_fileName = path;
        else if (!QFile::exists(path))
            return false;
    }
    if (m_fileName.isEmpty()) {
        m_error = QStringLiteral("No free file name for %1 in %2").arg(baseName, folder);
        return false;
    }
    m_document = std::make_unique<Xlsx::Document>(m_fileName);
    if (!m_document->isLoadPackage()) {
        m_error = QStringLiteral("The report template %1 is not a workbook: %2")
                      .arg(templatePath, m_document->errorString());
        m_document.reset();
        QFile::remove(m_fileName);
        return false;
    }
    return true;
}

// Creates path only when no file has that name (the system guarantees it), so a workbook that
// exists is never replaced, even by a report written at the same moment.
bool Workbook::copyTemplate(const QByteArray &data, const QString &path)
{
    QFile copy(path);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        m_error = QStringLiteral("Cannot create %1: %2").arg(path, copy.errorString());
        return false;
    }
    if (copy.write(data) != data.size() || !copy.flush()) {
        m_error = QStringLiteral("Cannot write %1: %2").arg(path, copy.errorString());
        copy.close();
        copy.remove();
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
    if (m_document->save())
        return true;
    m_error = QStringLiteral("Cannot save %1: %2").arg(m_fileName, m_document->errorString());
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
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    QString name;
    name.reserve(text.size());
    for (const QChar c : text)
        name += (c.unicode() < 0x20 || c.unicode() == 0x7f || refused.contains(c)) ? QLatin1Char('_') : c;
    int first = 0;
    int last = name.size();
    while (first < last && (name.at(first).isSpace() || name.at(first) == QLatin1Char('.')))
        ++first;
    while (last > first && (name.at(last - 1).isSpace() || name.at(last - 1) == QLatin1Char('.')))
        --last;
    name = name.mid(first, qMin(last - first, maxFileNameLength));
    return name.isEmpty() ? QStringLiteral("_") : name;
}

} // namespace Report
