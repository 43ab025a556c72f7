"""The database's tables as the stand-in sees them: read from PostgreSQL's catalogue at start.

Tables, their columns with types, and their single-column foreign keys come from pg_catalog and
information_schema. What the schema does not say comes from a description file that the database
initialiser writes: joined display fields (values a list shows from a referenced table, such as
a user's group name; not columns) and the columns that get a fresh UUID on insert:
  {"tables": {"users": {"joined": {"group_name": {"table": "user_groups", "column": "name",
                                                 "join": ""}}},
              "companies": {"uuid": ["uuid_company"]}}}
"join" names the column that holds the referenced row's id ("cars.rst_id_car_brands") when the
table is not referenced by the table itself.
"""

import json
import re

from psycopg2 import sql

INTEGER_TYPES = {"smallint", "integer", "bigint"}
REAL_TYPES = {"real", "double precision", "numeric"}
TEXT_TYPES = {"text", "character varying", "character"}

_INTEGER = re.compile(r"^[+-]?\d+$")


class InputError(Exception):
    """A request that cannot be served as sent; the message says why."""


class Column:
    def __init__(self, name, data_type, nullable, has_default):
        self.name = name
        self.data_type = data_type
        self.nullable = nullable
        self.has_default = has_default

    def convert(self, value, what=None, allow_null=False):
        """The protocol's text value as the Python value to bind for this column.

        With allow_null an empty text is NULL in a nullable column that does not hold text."""
        what = what or "column '%s'" % self.name
        if not isinstance(value, str):
            raise InputError("%s takes a text value, got %s" % (what, type(value).__name__))
        if allow_null and value == "" and self.nullable and self.data_type not in TEXT_TYPES:
            return None
        if self.data_type in INTEGER_TYPES:
            if not _INTEGER.match(value):
                raise InputError("%s takes an integer, got %r" % (what, value))
            number = int(value)
            limit = 2 ** 63 if self.data_type == "bigint" else 2 ** 31
            if not -limit <= number < limit:
                raise InputError("%s: %s is out of range" % (what, value))
            return number
        if self.data_type in REAL_TYPES:
            try:
                return float(value)
            except ValueError:
                raise InputError("%s takes a number, got %r" % (what, value)) from None
        if self.data_type == "boolean":
            if value.lower() in ("1", "true"):
                return True
            if value.lower() in ("0", "false"):
                return False
            raise InputError("%s takes 1 or 0, got %r" % (what, value))
        return value


class Joined:
    """A display field: column of a referenced table, reached from the list's table."""

    def __init__(self, name, table, column, join):
        self.name = name
        self.table = table
        self.column = column
        self.join = join


class Table:
    def __init__(self, name):
        self.name = name
        self.columns = {}
        self.references = {}
        self.joined = {}
        self.uuid_columns = set()

    def has(self, column):
        return column in self.columns


class Schema:
    def __init__(self, tables, warnings):
        self.tables = tables
        self.warnings = warnings

    def table(self, name):
        return self.tables.get(name)


def load(connection, description=None):
    """Reads the public schema over a psycopg2 connection; description is the joins file's dict."""
    tables = {}
    with connection.cursor() as cursor:
        cursor.execute(
            "SELECT table_name, column_name, data_type, is_nullable = 'YES', column_default IS NOT NULL"
            " FROM information_schema.columns c"
            " WHERE table_schema = 'public'"
            " AND EXISTS (SELECT 1 FROM information_schema.tables t WHERE t.table_schema = 'public'"
            "             AND t.table_name = c.table_name AND t.table_type = 'BASE TABLE')"
            " ORDER BY table_name, ordinal_position")
        for table, column, data_type, nullable, has_default in cursor.fetchall():
            tables.setdefault(table, Table(table)).columns[column] = Column(column, data_type, nullable, has_default)
        cursor.execute(
            "SELECT cl.relname, a.attname, rcl.relname, ra.attname"
            " FROM pg_constraint c"
            " JOIN pg_class cl ON cl.oid = c.conrelid"
            " JOIN pg_class rcl ON rcl.oid = c.confrelid"
            " JOIN pg_attribute a ON a.attrelid = c.conrelid AND a.attnum = c.conkey[1]"
            " JOIN pg_attribute ra ON ra.attrelid = c.confrelid AND ra.attnum = c.confkey[1]"
            " WHERE c.contype = 'f' AND cardinality(c.conkey) = 1"
            " AND c.connamespace = 'public'::regnamespace")
        for table, column, ref_table, ref_column in cursor.fetchall():
            if table in tables:
                tables[table].references[column] = (ref_table, ref_column)
    connection.rollback()
    warnings = []
    for table_name, described in ((description or {}).get("tables") or {}).items():
        table = tables.get(table_name)
        if table is None:
            warnings.append("description of a missing table %s" % table_name)
            continue
        for name in described.get("uuid", []):
            if name in table.columns:
                table.uuid_columns.add(name)
            else:
                warnings.append("UUID column %s.%s is missing" % (table_name, name))
        for name, detail in described.get("joined", {}).items():
            joined = Joined(name, detail.get("table", ""), detail.get("column", ""), detail.get("join", ""))
            problem = _check_joined(tables, table, joined)
            if problem:
                warnings.append("%s.%s left out: %s" % (table_name, name, problem))
            elif name not in table.columns:
                table.joined[name] = joined
    return Schema(tables, warnings)


def load_description(path):
    with open(path, encoding="utf-8") as f:
        return json.load(f)


def _check_joined(tables, table, joined):
    source = tables.get(joined.table)
    if source is None or joined.column not in source.columns:
        return "no column %s.%s" % (joined.table, joined.column)
    if joined.join:
        holder, _, column = joined.join.partition(".")
        if holder not in tables or column not in tables[holder].columns:
            return "no column %s" % joined.join
        if holder != table.name and _reference_to(table, holder) is None:
            return "%s is not referenced by %s" % (holder, table.name)
    elif _reference_to(table, joined.table) is None:
        return "%s does not reference %s" % (table.name, joined.table)
    return None


def _reference_to(table, ref_table):
    """The table's column that references ref_table (the first by name), or None."""
    for column in sorted(table.references):
        if table.references[column][0] == ref_table:
            return column
    return None


class Select:
    """SELECT of a table's columns and joined fields; tables joined under aliases j0, j1 ..."""

    def __init__(self, schema, table, hidden=()):
        self.table = table
        self.aliases = {}
        self.joins = []
        self.sources = {}
        for name in table.columns:
            if name not in hidden:
                self.sources[name] = ("t", table.columns[name])
        for name, joined in sorted(table.joined.items()):
            alias = self._join_for(schema, joined)
            self.sources[name] = (alias, schema.table(joined.table).columns[joined.column])
        self.source_columns = {name: column for name, (alias, column) in self.sources.items()}

    def _join_for(self, schema, joined):
        if joined.join:
            holder, _, column = joined.join.partition(".")
            holder_alias = "t" if holder == self.table.name else self._alias_by_reference(holder)
            key = (holder_alias, column, joined.table)
        else:
            key = ("t", _reference_to(self.table, joined.table), joined.table)
        return self._alias(key)

    def _alias_by_reference(self, ref_table):
        return self._alias(("t", _reference_to(self.table, ref_table), ref_table))

    def _alias(self, key):
        if key not in self.aliases:
            alias = "j%d" % len(self.aliases)
            self.aliases[key] = alias
            holder_alias, column, ref_table = key
            self.joins.append(sql.SQL(" LEFT JOIN {} AS {} ON {}.{} = {}.id").format(
                sql.Identifier(ref_table), sql.Identifier(alias),
                sql.Identifier(holder_alias), sql.Identifier(column), sql.Identifier(alias)))
        return self.aliases[key]

    def expression(self, name):
        """The SQL expression of a selected field, or None for a name that is not one."""
        if name not in self.sources:
            return None
        alias, column = self.sources[name]
        return sql.SQL("{}.{}").format(sql.Identifier(alias), sql.Identifier(column.name))

    def head(self):
        """SELECT ... FROM ... with the joins; the caller adds WHERE and the rest."""
        fields = sql.SQL(", ").join(
            sql.SQL("{} AS {}").format(self.expression(name), sql.Identifier(name)) for name in self.sources)
        return sql.SQL("SELECT {} FROM {} AS t").format(fields, sql.Identifier(self.table.name)) \
            + sql.Composed(self.joins)
