// Fuzz target: arbitrary bytes as a workbook. Opening either fails with a reason or gives sheets
// whose cells can be read, written and saved. Input that starts with "@@" holds the parts as
// text ("@@name" lines, each followed by the part's bytes), packed into an honest archive here, so
// that mutations reach the parts' XML instead of failing the archive's checksums.
#include "hostilezip.h"
#include "xlsx/document.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QByteArray archiveOf(const QByteArray &input)
{
    if (!input.startsWith("@@"))
        return input;
    QList<HostileZip::Entry> entries;
    const QByteArray text = QByteArray(1, '\n') + input;
    for (int at = 0; at >= 0;) {
        const int nameStart = at + 3;
        const int nameEnd = text.indexOf('\n', nameStart);
        if (nameEnd < 0)
            break;
        const int next = text.indexOf("\n@@", nameEnd);
        entries.append(HostileZip::stored(text.mid(nameStart, nameEnd - nameStart),
                                          text.mid(nameEnd + 1, next < 0 ? -1 : next - nameEnd - 1)));
        at = next;
    }
    return HostileZip::archive(entries);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir sandbox(QDir::tempPath() + QStringLiteral("/fuzz_xlsx-XXXXXX"));
    const QString input = sandbox.filePath(QStringLiteral("input.xlsx"));
    const QByteArray bytes = archiveOf(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    QFile file(input);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        abort();
    file.close();

    Xlsx::Document xlsx(input);
    if (!xlsx.isLoadPackage()) {
        if (xlsx.errorString().isEmpty() || xlsx.currentWorksheet())
            abort();
        return 0;
    }
    const QStringList names = xlsx.sheetNames();
    for (int i = 0; i < names.size(); ++i) {
        if (!xlsx.selectSheet(i))
            continue;
        const Xlsx::CellRange used = xlsx.dimension();
        for (int row = used.firstRow(); row <= qMin(used.lastRow(), used.firstRow() + 20); ++row) {
            for (int column = used.firstColumn(); column <= qMin(used.lastColumn(), used.firstColumn() + 20); ++column) {
                xlsx.read(row, column);
                xlsx.cellAt(row, column).format();
            }
        }
        xlsx.rowHeight(1);
        xlsx.columnWidth(1);
    }
    xlsx.write(2, 2, QStringLiteral("fuzz"));
    xlsx.mergeCells(Xlsx::CellRange(QStringLiteral("C3:D4")));
    const QString output = sandbox.filePath(QStringLiteral("output.xlsx"));
    if (xlsx.saveAs(output)) {
        Xlsx::Document again(output);
        if (!again.isLoadPackage()) { // what was saved must open again
            fprintf(stderr, "saved, but not opened again: %s\n", qPrintable(again.errorString()));
            abort();
        }
    }
    return 0;
}
