#include "abstractmodel.h"

#include "modeltablecreator.h"
#include "nosuchfieldexception.h"

#include "common/core/db/dao.h"
#include "common/core/exception/exception.h"
#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"

#include <QObject>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

namespace Model {

namespace {

const QString kId = QStringLiteral("id");

} // namespace

AbstractModel::AbstractModel()
{
    declare(kId, Field(PRIMARY_KEY | SYNC_TAX).setType(SQL_BIGINTEGER, true).setTitle(QObject::tr("Id")));
    declare(QStringLiteral("rst_id_user_locked"),
            Field(NON_UPDATABLE).setType(SQL_BIGINTEGER, false, 1).setTitle(QObject::tr("User locked")));
    declare(QStringLiteral("dt_utc_last_update"),
            Field(UPDATE_TIMESTAMP).setType(SQL_BIGINTEGER, true, 0).setTitle(QObject::tr("Update time")));
    declare(QStringLiteral("dt_utc_insert"),
            Field(INSERT_TIMESTAMP).setType(SQL_BIGINTEGER, true, 0).setTitle(QObject::tr("Insert time")));
    addIndex({QStringLiteral("rst_id_user_locked")});
}

AbstractModel::~AbstractModel() = default;

bool AbstractModel::createTable(Common::Db *db)
{
    return ModelTableCreator().createTable(this, db);
}

bool AbstractModel::createSystemRecords(Common::Db *db)
{
    try {
        Common::Dao dao(this, db);
        dao.setReloadAfterWrite(false);
        dao.setLoggerId(m_loggerId);
        setId(1);
        if (dao.selectById(QString()))
            return true;
        // A failed look-up is not a missing row: inserting now could make a second default row.
        if (dao.failed())
            return false;
        resetValues();
        populateDefault();
        setId(1);
        return dao.insertWithId(COMMON_LOCATION);
    } catch (const Exception &e) {
        Logger::instance(m_loggerId)->warning(Common::warningLine(COMMON_LOCATION, e.message()));
    }
    return false;
}

void AbstractModel::populateDefault()
{
    try {
        setId(1);
        for (auto it = m_fields.begin(); it != m_fields.end(); ++it) {
            Field &f = it.value();
            if (f.has(NotAColumn | PRIMARY_KEY))
                continue;
            if (!f.refTable.isEmpty())
                f.value = QStringLiteral("1");
            if (f.defaultValue.isValid())
                f.value = f.defaultValue.toString();
            else if (f.required)
                f.value = (f.type >= SQL_INTEGER && f.type <= SQL_TEXT) ? QStringLiteral("value absent")
                                                                       : QStringLiteral("0");
        }
    } catch (const Exception &e) {
        Logger::instance(m_loggerId)->warning(Common::warningLine(COMMON_LOCATION, e.message()));
    }
}

Field &AbstractModel::declare(const QString &name, const Field &field)
{
    m_fillStatement.clear();
    Field &stored = m_fields[name];
    stored = field;
    return stored;
}

Field &AbstractModel::declareColumn(const QString &name, qint32 type, bool required, const QVariant &defaultValue,
                                    const QString &title, quint64 flags)
{
    return declare(name, Field(flags).setType(type, required, defaultValue).setTitle(title));
}

Field &AbstractModel::declareReference(const QString &name, const QString &refTable, const QString &title,
                                       quint64 flags)
{
    return declare(name, Field::referenceTo(refTable, FK_CASCADE, flags).setTitle(title));
}

Field &AbstractModel::declareAttached(const QString &name, const QString &refTable, const QString &attachedColumn,
                                      const QString &title, const QString &attachedJoin)
{
    return declare(name, Field(ATTACHED, refTable, attachedColumn, attachedJoin).setTitle(title));
}

Field &AbstractModel::declareDisplay(const QString &name, const QString &title)
{
    return declare(name, Field(CUSTOM).setTitle(title));
}

void AbstractModel::addIndex(const QStringList &index)
{
    m_indexes.append(index);
}

Field &AbstractModel::field(const QString &name)
{
    auto it = m_fields.find(name);
    if (it == m_fields.end())
        throw NoSuchFieldException(name, tableName());
    return it.value();
}

const Field &AbstractModel::field(const QString &name) const
{
    auto it = m_fields.constFind(name);
    if (it == m_fields.cend())
        throw NoSuchFieldException(name, tableName());
    return it.value();
}

QVariant AbstractModel::value(const QString &name) const
{
    return field(name).value;
}

void AbstractModel::setValue(const QString &name, const QVariant &value)
{
    field(name).value = value;
}

qint64 AbstractModel::id() const
{
    return field(kId).value.toLongLong();
}

void AbstractModel::setId(qint64 id)
{
    field(kId).value = id;
}

void AbstractModel::setFieldFlags(const QString &name, quint64 flags)
{
    field(name).flags = flags;
}

AbstractModel &AbstractModel::clearFieldFlags(const QString &name, quint64 mask)
{
    field(name).clearFlags(mask);
    return *this;
}

void AbstractModel::renameField(const QString &oldName, const QString &newName)
{
    const Field moved = field(oldName);
    m_fillStatement.clear();
    m_fields.remove(oldName);
    m_fields.insert(newName, moved);
}

QStringList AbstractModel::fieldNamesBySerial() const
{
    QStringList names = m_fields.keys();
    std::sort(names.begin(), names.end(), [this](const QString &a, const QString &b) {
        return m_fields.value(a).serial < m_fields.value(b).serial;
    });
    return names;
}

int AbstractModel::columnCount() const
{
    int count = 0;
    for (const Field &field : m_fields)
        count += field.isColumn() ? 1 : 0;
    return count;
}

void AbstractModel::bindValues(QVariantMap &binds) const
{
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it)
        binds.insert(QLatin1Char(':') + it.key(), it.value().bindValue());
}

QString AbstractModel::debugString(const QStringList &names) const
{
    QString text;
    for (const QString &name : names) {
        auto it = m_fields.constFind(name);
        QString shown;
        if (it != m_fields.cend())
            shown = Common::Catalogue::isSecret(name, it.value()) ? QStringLiteral("***") : it.value().value.toString();
        text += QStringLiteral("'%1'='%2', ").arg(name, shown);
    }
    text.chop(2);
    return text;
}

void AbstractModel::fillFromQuery(const QSqlQuery &query)
{
    // Which column feeds which field depends only on the statement, so it is worked out once per
    // statement text instead of once per row.
    const QString statement = query.lastQuery();
    if (statement.isEmpty() || statement != m_fillStatement || m_fillColumns.size() != m_fields.size()) {
        const QSqlRecord record = query.record();
        m_fillColumns.clear();
        m_fillColumns.reserve(m_fields.size());
        for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it)
            m_fillColumns.append(it.value().has(CUSTOM) ? -1 : record.indexOf(it.key()));
        m_fillStatement = statement;
    }
    int i = 0;
    for (auto it = m_fields.begin(); it != m_fields.end(); ++it, ++i) {
        const int column = m_fillColumns.at(i);
        if (column >= 0)
            it.value().value = query.value(column);
    }
}

void AbstractModel::resetValues()
{
    for (auto it = m_fields.begin(); it != m_fields.end(); ++it)
        it.value().value = QVariant(QStringLiteral(""));
}

QString AbstractModel::queryOption(const QString &key) const
{
    return m_queryOptions.value(key);
}

void AbstractModel::applyRequestOptions(const QVariantMap &params)
{
    for (const QString &key : {QStringLiteral("dt_utc_insert_start"), QStringLiteral("dt_utc_insert_end")}) {
        if (!params.contains(key))
            continue;
        bool ok = false;
        const qint64 bound = params.value(key).toString().trimmed().toLongLong(&ok);
        if (ok)
            m_queryOptions.insert(key, QString::number(bound));
        else
            m_queryOptions.remove(key);
    }
}

void AbstractModel::visitFields(const FieldVisitor &visit) const
{
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it)
        visit(it.key(), it.value());
}

const Common::FieldDescriptor *AbstractModel::findField(const QString &name) const
{
    auto it = m_fields.constFind(name);
    return it == m_fields.cend() ? nullptr : &it.value();
}

} // namespace Model
