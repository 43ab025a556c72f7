// Fuzz target: arbitrary text as the filter groups of a list request ("JSON_WHERE"), then, after
// a line break, sort keys separated by commas. The statement is built from the driver catalogue;
// the harness aborts when anything of the request other than a catalogue name reaches the SQL
// text: every word must be a catalogue or table name or a fixed word, every bind a bound one.
#include "common/core/db/jsonwhere.h"
#include "common/core/db/querybuilder.h"
#include "common/core/exception/exception.h"
#include "common/core/utils/jsontext.h"
#include "model/orlem/driver/driver.h"

#include <QJsonDocument>
#include <QSet>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

bool isWordStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}

bool isWordPart(QChar c)
{
    return (c.isLetterOrNumber() && c.unicode() < 128) || c == QLatin1Char('_');
}

// The words a statement may hold: those of the catalogue and the builder's fixed ones.
QSet<QString> vocabulary(const Common::Catalogue &catalogue, const QString &baseline)
{
    QSet<QString> words{"AND", "OR", "NOT", "CAST", "AS", "TEXT", "LIKE", "ESCAPE", "ORDER", "BY", "ASC", "DESC", "LIMIT"};
    catalogue.visitFields([&words](const QString &name, const Common::FieldDescriptor &field) {
        words << name << field.refTable << field.attachedColumn;
    });
    QString word;
    for (const QChar c : baseline + QLatin1Char(' ')) {
        if (isWordPart(c)) {
            word += c;
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    return words;
}

[[noreturn]] void leaked(const QString &sql, int at)
{
    fprintf(stderr, "request text in the statement at %d: %s\n", at, qPrintable(sql));
    abort();
}

// Aborts unless the text is made of known words, numbers, bound names, "'!'" and operators.
void checkStatement(const Common::Statement &statement, const QSet<QString> &words)
{
    const QString &sql = statement.sql;
    for (int i = 0; i < sql.size();) {
        const QChar c = sql.at(i);
        if (c.isSpace() || QStringLiteral("(),.=<>!*").contains(c)) {
            ++i;
        } else if (c.isDigit()) {
            while (i < sql.size() && sql.at(i).isDigit())
                ++i;
        } else if (isWordStart(c) || c == QLatin1Char(':')) {
            const int start = i++;
            while (i < sql.size() && isWordPart(sql.at(i)))
                ++i;
            const QString word = sql.mid(start, i - start);
            if (c == QLatin1Char(':') ? !statement.binds.contains(word) : !words.contains(word))
                leaked(sql, start);
        } else if (sql.midRef(i, 3) == QLatin1String("'!'")) {
            i += 3;
        } else {
            leaked(sql, i);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Model::Orlem::Driver driver;
    static const Common::QueryBuilder builder(driver);
    static const QSet<QString> words = vocabulary(driver, builder.listSelect({}, {}, {}, 0, {}).sql);

    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    const int lineBreak = input.indexOf(QLatin1Char('\n'));
    const QString where = lineBreak < 0 ? input : input.left(lineBreak);
    Common::QueryBuilder::OrderBy orderBy;
    if (lineBreak >= 0) {
        const QStringList keys = input.mid(lineBreak + 1).split(QLatin1Char(','));
        for (int i = 0; i < keys.size() && i < 8; ++i)
            orderBy.append({keys.at(i), i % 2});
    }
    try {
        Common::JsonWhere::parse(where, driver);
    } catch (const Exception &) {
    }
    try {
        checkStatement(builder.listSelect({}, {}, orderBy, 10, Common::readJson(where.toUtf8())), words);
    } catch (const Exception &) {
    }
    return 0;
}
