#pragma once

#include "model/base/abstractmodel.h"

#include <QObject>

// Catalogues of the SQL tests.
namespace TestCatalogue {

using namespace Model;

// Referenced by AllTypes.
class Parent : public AbstractModel
{
public:
    Parent()
    {
        declareColumn("name", SQL_TEXT, true, "n/a", QObject::tr("Name"));
        declareColumn("code", SQL_TEXT, true, "n/a", QObject::tr("Code"), UNIQUE | NON_UPDATABLE);
    }
    QString tableName() const override { return QStringLiteral("parents"); }
};

// All six types, every DDL flag, a re-declared column and a unique index over two columns.
class AllTypes : public AbstractModel
{
public:
    AllTypes()
    {
        declareColumn("amount", SQL_TEXT, false, QVariant(), QObject::tr("Amount"));
        declareColumn("title", SQL_TEXT, true, "it's \"quoted\"", QObject::tr("Title"));
        declareColumn("code", SQL_TEXT, true, "n/a", QObject::tr("Code"), UNIQUE);
        declare("short_name", Field(ORDINARY).setType(SQL_VARCHAR, false, "abc").setLength(12));
        declareColumn("big", SQL_BIGINTEGER, false, QVariant(), QObject::tr("Big"));
        declareColumn("ratio", SQL_REAL, true, 0.5, QObject::tr("Ratio"));
        declareColumn("precise", SQL_DOUBLE, true, 0.1234567890123456789, QObject::tr("Precise"));
        declareReference("rst_id_parent", "parents", QObject::tr("Parent"));
        declare("rst_id_other", Field(REFERENCE, "parents")
                                    .setReference(FK_SET_NULL, FK_NONE, SQL_BIGINTEGER, false)
                                    .setTitle(QObject::tr("Other parent")));
        declareAttached("parent_name", "parents", "name", QObject::tr("Parent"));
        declareDisplay("title_string", QObject::tr("Title"));
        // Re-declared: the column moves to this place and becomes an integer.
        declareColumn("amount", SQL_INTEGER, true, 7, QObject::tr("Amount"));
        addIndex({"UNIQUE", "code", "amount"});
    }
    QString tableName() const override { return QStringLiteral("all_types"); }
};

class CarBrand : public AbstractModel
{
public:
    CarBrand() { declareColumn("name", SQL_TEXT, true, "n/a", QObject::tr("Name"), UNIQUE); }
    QString tableName() const override { return QStringLiteral("car_brands"); }
};

class Car : public AbstractModel
{
public:
    Car()
    {
        declareReference("rst_id_car_brands", "car_brands", QObject::tr("Brand"));
        declareColumn("model", SQL_TEXT, true, "n/a", QObject::tr("Model"));
    }
    QString tableName() const override { return QStringLiteral("cars"); }
};

// Joined values through a reference and through a joined table, secrets, a UUID key, an insert
// default and a display field.
class Driver : public AbstractModel
{
public:
    Driver()
    {
        declareReference("rst_id_car", "cars", QObject::tr("Car"));
        declareAttached("car_model", "cars", "model", QObject::tr("Car model"));
        declareAttached("brand_name", "car_brands", "name", QObject::tr("Brand"), "cars.rst_id_car_brands");
        declareColumn("sign", SQL_TEXT, true, "n/a", QObject::tr("Sign"), UNIQUE);
        declareColumn("name", SQL_TEXT, false, QVariant(), QObject::tr("Name"));
        declareColumn("phone", SQL_TEXT, false, QVariant(), QObject::tr("Phone"));
        declareColumn("rating", SQL_DOUBLE, false, QVariant(), QObject::tr("Rating"));
        declareColumn("orders", SQL_INTEGER, false, QVariant(), QObject::tr("Orders"));
        declareColumn("note", SQL_TEXT, false, QVariant(), QObject::tr("Note"), HIDDEN);
        declareColumn("password", SQL_TEXT, false, QVariant(), QObject::tr("Password"));
        declareColumn("uuid", SQL_TEXT, true, "n/a", QObject::tr("UUID"), IS_UUID | UNIQUE);
        declareColumn("is_del", SQL_INTEGER, true, 0, QObject::tr("Deleted"), INSERT_DEFAULT);
        declareDisplay("sign_string", QObject::tr("Sign"));
    }
    QString tableName() const override { return QStringLiteral("drivers"); }
};

} // namespace TestCatalogue
