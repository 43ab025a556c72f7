#pragma once

#include "xlsx/cellformula.h"
#include "xlsx/xmlnode.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace Xlsx {

class PartCopier;
class XmlScanner;

// The rows and cells of one worksheet (its sheetData), ordered by row and column whatever the
// order they were written in. Rows and cells read from a file keep their original text until
// they change: what is kept is where that text stands in the part, which is read again when the
// sheet is saved. Rows cost some 128 bytes and cells 24 (see MaxKeptBytes).
class CellStore
{
public:
    enum class Kind : quint8 { Blank, Number, Integer, SharedString, Text, InlineText, Boolean, Error, IsoDate };

    struct Cell
    {
        int column = 0;
        int style = -1;   // cell style entry, -1 for none
        int formula = -1; // index into formulas()
        Kind kind = Kind::Blank;
        // Read with a reference and unchanged since: written back as its row's text holds it.
        bool original = false;
        union {
            double number;
            qint64 integer;
            int index; // shared string, or text of texts()
            bool boolean;
        };
        Cell()
            : integer(0)
        {
        }
    };

    struct Row
    {
        // Ordered by column, except while cells come in out of order: then they are appended and
        // found through the index, and ordered again when the row is next read in order.
        mutable std::vector<Cell> cells;
        mutable std::unique_ptr<QHash<int, int>> unordered; // column -> position in cells
        XmlNode::Attributes attributes; // other than r and spans
        qint64 source = -1;   // where the row's text stands in the part read, -1 for none
        int sourceLength = 0;
        bool whole = false;   // unchanged since read, and its text can be copied as it stands
    };

    struct Formula
    {
        CellFormula::FormulaType type = CellFormula::NormalType;
        QString text; // empty for the later cells of a shared formula
        CellRange reference;
        int sharedIndex = -1;
        bool computed = false; // its cached result is worked out when the sheet is saved
    };

    // What the rows, cells, texts and formulas that the sheets of one workbook hold when read may
    // take: a blank cell is 4 bytes of XML and 24 once read. A million rows of ten cells take
    // some 370 MiB.
    static constexpr qint64 MaxKeptBytes = qint64(512) << 20;

    CellStore() = default;
    CellStore(const CellStore &) = delete;
    CellStore &operator=(const CellStore &) = delete;

    // Reads the rows of a cell table from the scanner standing on its start, up to its end. What
    // they take is taken from keptLeft (see MaxKeptBytes): a table that takes more is refused.
    bool parse(XmlScanner &scanner, int sharedStrings, qint64 *keptLeft, QString *error);
    // Writes sheetData; counts the cells that refer to shared strings. Unchanged rows and cells
    // are copied from source, the part they were read from, standing at the table's start. With
    // flush, out is handed to it whenever it has grown large, between rows.
    void write(QByteArray &out, const QString &prefix, qint64 *sharedStringCells, PartCopier *source,
               const std::function<void(QByteArray &)> &flush = {}) const;

    const Cell *find(int row, int column) const;
    Cell *find(int row, int column);
    const Row *findRow(int row) const;
    Row &row(int row);
    // Stores the cell (replacing one in the same column) and returns it.
    Cell &put(int row, const Cell &cell);
    // Removes the cell, if there is one.
    void erase(int row, int column);
    // Marks a row as changed, so that it is written from its cells.
    void touch(Row &row) { row.whole = false; }

    int addText(const QString &text);
    const QString &text(int index) const { return m_texts[size_t(index)]; }
    int addFormula(const Formula &formula);
    const Formula &formula(int index) const { return m_formulas[size_t(index)]; }
    int nextSharedIndex() { return m_nextSharedIndex++; }
    // Position of the first cell of a shared formula.
    bool sharedMaster(int sharedIndex, int *row, int *column) const;
    void setSharedMaster(int sharedIndex, int row, int column);
    void removeSharedMaster(int sharedIndex) { m_masters.remove(sharedIndex); }

    // (first row, first column, last row, last column) of the cells, all 0 when there are none.
    void bounds(int *firstRow, int *firstColumn, int *lastRow, int *lastColumn) const;
    const std::map<int, Row> &rows() const { return m_rows; }
    qint64 sharedStringCells() const;

private:
    // The row's cells ordered by column, for reading them in order.
    static const std::vector<Cell> &ordered(const Row &row);
    static Cell &place(Row &row, const Cell &cell);
    bool parseRow(XmlScanner &scanner, int rowNumber, int sharedStrings, QString *error);
    bool parseCell(XmlScanner &scanner, std::vector<Cell> &cells, int rowNumber, int *lastColumn, int sharedStrings,
                   QString *error);

    // The steps of reading a cell element.
    struct CellContent;
    static bool readCellPlace(XmlScanner &scanner, int rowNumber, int lastColumn, Cell *cell, QString *error);
    static bool readCellContent(XmlScanner &scanner, CellContent *content);
    static bool readFormula(XmlScanner &scanner, Formula *formula);
    enum class TypeName : quint8;
    static TypeName typeName(const XmlScanner &scanner);
    bool setCellValue(TypeName type, const CellContent &content, int rowNumber, Cell *cell, int sharedStrings,
                      QString *error);
    static bool setCellNumber(const QString &value, int rowNumber, Cell *cell, QString *error);
    int addReadFormula(const Formula &formula, int rowNumber, int column);

    // The steps of writing the cell table; writeRow returns the row's shared string cells.
    struct Tags;
    bool hasRowsToWrite() const;
    qint64 writeRow(QByteArray &out, const Tags &tags, int number, const Row &row, PartCopier *source) const;
    // The texts of a row's unchanged cells, by column, read again from source.
    static QHash<int, QByteArray> originalCells(const Row &row, PartCopier *source);
    void writeCell(QByteArray &out, const Tags &tags, int rowNumber, const Cell &cell) const;
    static void writeFormula(QByteArray &out, const Tags &tags, const Formula &formula);
    void writeValue(QByteArray &out, const Tags &tags, const Cell &cell) const;

    qint64 m_kept = 0; // what the rows, cells, texts and formulas read take
    std::vector<Cell> m_rowCells; // the cells of the row being read
    std::map<int, Row> m_rows;
    std::map<int, Row>::iterator m_last = m_rows.end();
    std::vector<QString> m_texts;
    std::vector<Formula> m_formulas;
    QHash<int, QPair<int, int>> m_masters;
    int m_nextSharedIndex = 0;
};

} // namespace Xlsx
