#pragma once

#include <QtGlobal>

// Flag bits, SQL type codes and foreign-key actions of field descriptors. The values are fixed:
// the client publishes them to QML.
namespace Common::Sql {

enum FieldProprties : quint64 {
    ORDINARY = 0,
    PRIMARY_KEY = 1,
    REFERENCE = 2,
    UPDATE_TIMESTAMP = 4,
    INSERT_TIMESTAMP = 8,
    UNIQUE = 16,
    ATTACHED = 32,
    FORM_CRC = 64,
    IS_UUID = 128,
    NON_UPDATABLE = 256,
    HIDDEN = 512,
    UNIQUE_DUPLICATE = 1024,
    UTC_OFFSET = 2048,
    CUSTOM = 4096,
    SYNC_TAX = 8192,
    API = 16384,
    DURATION = 32768,
    HOUR_DURATION = 65536,
    SYNC_ORLEM = 131072,
    // The insert writes the field's default instead of its value (not published to QML).
    INSERT_DEFAULT = 262144,
    // A credential (password digest, payment key): never logged, never a filter or sort key of a
    // request (not published to QML).
    SECRET = 524288,
    ALL = 4294967295u,
};

enum SqlFldType : qint32 {
    SQL_UNDEFINED = 0,
    SQL_INTEGER = 1,
    SQL_BIGINTEGER = 2,
    SQL_REAL = 3,
    SQL_DOUBLE = 4,
    SQL_VARCHAR = 5,
    SQL_TEXT = 6,
};

enum ForeignKeyAction : quint8 {
    FK_NONE = 0,
    FK_RESTRICT = 1,
    FK_NO_ACTION = 2,
    FK_CASCADE = 3,
    FK_SET_NULL = 4,
    FK_SET_DEFAULT = 5,
};

// Fields that are neither columns of the table nor written: joined and display values.
constexpr quint64 NotAColumn = ATTACHED | CUSTOM;

inline bool isNumericType(qint32 type)
{
    return type >= SQL_INTEGER && type <= SQL_DOUBLE;
}

} // namespace Common::Sql
