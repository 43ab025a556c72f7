#pragma once

#include "common/core/db/sqltypes.h"

#include <QObject>

namespace Client {

// The field flags and SQL type codes of the catalogues under the names QML pages use
// (ClientEnums.PRIMARY_KEY, ClientEnums.SQL_TEXT); the values are the catalogues' own.
class ClientEnums : public QObject
{
    Q_OBJECT

public:
    enum FieldProprties : quint32 {
        ORDINARY = Common::Sql::ORDINARY,
        PRIMARY_KEY = Common::Sql::PRIMARY_KEY,
        REFERENCE = Common::Sql::REFERENCE,
        UPDATE_TIMESTAMP = Common::Sql::UPDATE_TIMESTAMP,
        INSERT_TIMESTAMP = Common::Sql::INSERT_TIMESTAMP,
        UNIQUE = Common::Sql::UNIQUE,
        ATTACHED = Common::Sql::ATTACHED,
        FORM_CRC = Common::Sql::FORM_CRC,
        IS_UUID = Common::Sql::IS_UUID,
        NON_UPDATABLE = Common::Sql::NON_UPDATABLE,
        HIDDEN = Common::Sql::HIDDEN,
        UNIQUE_DUPLICATE = Common::Sql::UNIQUE_DUPLICATE,
        UTC_OFFSET = Common::Sql::UTC_OFFSET,
        CUSTOM = Common::Sql::CUSTOM,
        SYNC_TAX = Common::Sql::SYNC_TAX,
        API = Common::Sql::API,
        DURATION = Common::Sql::DURATION,
        HOUR_DURATION = Common::Sql::HOUR_DURATION,
        SYNC_ORLEM = Common::Sql::SYNC_ORLEM,
        ALL = 0xFFFFFFFFu,
    };
    Q_ENUM(FieldProprties)

    enum SqlFldType : qint32 {
        SQL_UNDEFINED = Common::Sql::SQL_UNDEFINED,
        SQL_INTEGER = Common::Sql::SQL_INTEGER,
        SQL_BIGINTEGER = Common::Sql::SQL_BIGINTEGER,
        SQL_REAL = Common::Sql::SQL_REAL,
        SQL_DOUBLE = Common::Sql::SQL_DOUBLE,
        SQL_VARCHAR = Common::Sql::SQL_VARCHAR,
        SQL_TEXT = Common::Sql::SQL_TEXT,
    };
    Q_ENUM(SqlFldType)

    explicit ClientEnums(QObject *parent = nullptr);
    ~ClientEnums() override;
};

} // namespace Client
