#include "xlsx/package.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>

#include <private/qzipreader_p.h>
#include <private/qzipwriter_p.h>

#include <zlib.h>

namespace Xlsx {

namespace {

quint32 checksum(const QByteArray &data)
{
    return quint32(::crc32(0, reinterpret_cast<const Bytef *>(data.constData()), uInt(data.size())));
}

} // namespace

bool Package::open(const QString &fileName, QString *error)
{
    const QFileInfo info(fileName);
    if (!info.exists()) {
        *error = QStringLiteral("the file does not exist");
        return false;
    }
    if (!info.isFile() || !info.isReadable()) {
        *error = QStringLiteral("the file cannot be read");
        return false;
    }
    QZipReader reader(fileName);
    if (!reader.isReadable()) {
        *error = QStringLiteral("the file cannot be read");
        return false;
    }
    const QVector<QZipReader::FileInfo> entries = reader.fileInfoList();
    if (reader.status() != QZipReader::NoError || entries.isEmpty()) {
        *error = QStringLiteral("the file is not a zip archive");
        return false;
    }
    Parts parts;
    for (const QZipReader::FileInfo &entry : entries) {
        if (!entry.isFile)
            continue;
        const QByteArray data = reader.fileData(entry.filePath);
        if (reader.status() != QZipReader::NoError || data.size() != entry.size || checksum(data) != entry.crc) {
            *error = QStringLiteral("the archive entry %1 is damaged").arg(entry.filePath);
            return false;
        }
        parts.append({entry.filePath, data});
    }
    setParts(parts);
    return true;
}

void Package::setParts(const Parts &parts)
{
    m_parts = parts;
    m_index.clear();
    for (int i = 0; i < m_parts.size(); ++i)
        m_index.insert(m_parts[i].first.toLower(), i);
}

QString Package::find(const QString &name) const
{
    const int index = m_index.value(name.toLower(), -1);
    return index < 0 ? QString() : m_parts[index].first;
}

QByteArray Package::part(const QString &name) const
{
    const int index = m_index.value(name.toLower(), -1);
    return index < 0 ? QByteArray() : m_parts[index].second;
}

bool Package::write(const QString &fileName, const Parts &parts, QString *error)
{
    QByteArray archive;
    {
        QBuffer buffer(&archive);
        buffer.open(QIODevice::WriteOnly);
        QZipWriter writer(&buffer);
        writer.setCompressionPolicy(QZipWriter::AlwaysCompress);
        for (const auto &part : parts)
            writer.addFile(part.first, part.second);
        writer.close();
        if (writer.status() != QZipWriter::NoError) {
            *error = QStringLiteral("the archive could not be built");
            return false;
        }
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (file.write(archive) != archive.size()) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace Xlsx
