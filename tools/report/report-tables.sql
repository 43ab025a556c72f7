-- Tables and columns of the dispatcher and gateway servers that the report SQL reads and that no
-- catalogue of the data-model library describes. Run after the database initialiser: it adds what
-- is missing (a table that the initialiser made as a stand-in keeps its rows) and changes nothing
-- else, so running it again is harmless. Every table has the platform's placeholder row 1.

-- Orders and what hangs on them.
CREATE TABLE IF NOT EXISTS orders (id BIGSERIAL PRIMARY KEY);
ALTER TABLE orders
    ADD COLUMN IF NOT EXISTS dt_utc_insert BIGINT NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS dt_complete BIGINT NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS rst_id_driver BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS rst_id_company BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS rst_id_ft BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS rst_id_cd BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS rst_id_user_order_created BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS is_completed INTEGER NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS completed_code INTEGER NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS order_status INTEGER NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS payment_type INTEGER NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS is_free INTEGER NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS sum_tip DOUBLE PRECISION NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS assumed_feed_way DOUBLE PRECISION NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS assumed_feed_time DOUBLE PRECISION NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS cd_num TEXT,
    ADD COLUMN IF NOT EXISTS identifier TEXT,
    ADD COLUMN IF NOT EXISTS client_name TEXT,
    ADD COLUMN IF NOT EXISTS user_sign_order_created TEXT,
    ADD COLUMN IF NOT EXISTS driver TEXT,
    ADD COLUMN IF NOT EXISTS note_order TEXT,
    ADD COLUMN IF NOT EXISTS note_drv TEXT;
CREATE INDEX IF NOT EXISTS orders_rst_id_driver_idx ON orders (rst_id_driver, dt_utc_insert);
CREATE INDEX IF NOT EXISTS orders_rst_id_company_idx ON orders (rst_id_company, dt_utc_insert);
CREATE INDEX IF NOT EXISTS orders_rst_id_cd_idx ON orders (rst_id_cd);
CREATE INDEX IF NOT EXISTS orders_rst_id_user_order_created_idx ON orders (rst_id_user_order_created);

CREATE TABLE IF NOT EXISTS order_status_logs (id BIGSERIAL PRIMARY KEY);
ALTER TABLE order_status_logs
    ADD COLUMN IF NOT EXISTS dt_utc_insert BIGINT NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS rst_id_order BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS rst_id_driver BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS status INTEGER NOT NULL DEFAULT 0;
CREATE INDEX IF NOT EXISTS order_status_logs_rst_id_order_idx ON order_status_logs (rst_id_order, status);
CREATE INDEX IF NOT EXISTS order_status_logs_rst_id_driver_idx ON order_status_logs (rst_id_driver, status);

CREATE TABLE IF NOT EXISTS order_way_points (id BIGSERIAL PRIMARY KEY);
ALTER TABLE order_way_points
    ADD COLUMN IF NOT EXISTS rst_id_order BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS order_point INTEGER NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS feed_city TEXT,
    ADD COLUMN IF NOT EXISTS feed_street TEXT,
    ADD COLUMN IF NOT EXISTS feed_num_house TEXT;
CREATE INDEX IF NOT EXISTS order_way_points_rst_id_order_idx ON order_way_points (rst_id_order);

-- First tariffs of orders.
CREATE TABLE IF NOT EXISTS first_tariffs (id BIGSERIAL PRIMARY KEY);
ALTER TABLE first_tariffs
    ADD COLUMN IF NOT EXISTS uuid_ft TEXT,
    ADD COLUMN IF NOT EXISTS name TEXT;
CREATE TABLE IF NOT EXISTS order_ft (id BIGSERIAL PRIMARY KEY);
ALTER TABLE order_ft
    ADD COLUMN IF NOT EXISTS uuid_ft TEXT;

-- Cards of card groups.
CREATE TABLE IF NOT EXISTS cards (id BIGSERIAL PRIMARY KEY);
ALTER TABLE cards
    ADD COLUMN IF NOT EXISTS rst_id_cg BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS num TEXT,
    ADD COLUMN IF NOT EXISTS description TEXT;

-- Telephony.
CREATE TABLE IF NOT EXISTS call_detail_records (id BIGSERIAL PRIMARY KEY);
ALTER TABLE call_detail_records
    ADD COLUMN IF NOT EXISTS dt_utc_insert BIGINT NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS rst_id_user BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS rst_id_order BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS rst_id_drv BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS rst_id_client BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS rst_id_company BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS coming_type INTEGER NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS billable_seconds INTEGER NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS source TEXT,
    ADD COLUMN IF NOT EXISTS destination TEXT,
    ADD COLUMN IF NOT EXISTS disposition TEXT,
    ADD COLUMN IF NOT EXISTS last_application TEXT;
CREATE INDEX IF NOT EXISTS call_detail_records_rst_id_user_idx ON call_detail_records (rst_id_user, dt_utc_insert);
CREATE INDEX IF NOT EXISTS call_detail_records_rst_id_company_idx ON call_detail_records (rst_id_company, dt_utc_insert);
CREATE INDEX IF NOT EXISTS call_detail_records_rst_id_order_idx ON call_detail_records (rst_id_order);

-- Money movements that no ledger catalogue describes.
CREATE TABLE IF NOT EXISTS client_bonus_logs (id BIGSERIAL PRIMARY KEY);
ALTER TABLE client_bonus_logs
    ADD COLUMN IF NOT EXISTS dt_utc_insert BIGINT NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS rst_id_order BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS value DOUBLE PRECISION NOT NULL DEFAULT 0;

CREATE TABLE IF NOT EXISTS payment_systems_drivers_payments_logs (id BIGSERIAL PRIMARY KEY);
ALTER TABLE payment_systems_drivers_payments_logs
    ADD COLUMN IF NOT EXISTS dt_utc_insert BIGINT NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS rst_id_owner BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS rst_id_payment_system BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS amount DOUBLE PRECISION NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS is_completed INTEGER NOT NULL DEFAULT 0;
-- The rest of the payment log's catalogue: the payment log pages list it.
ALTER TABLE payment_systems_drivers_payments_logs
    ADD COLUMN IF NOT EXISTS dt_utc_last_update BIGINT NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS rst_id_user_locked BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS rst_id_payments_system_acc_comp BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS rst_id_company BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS sign TEXT,
    ADD COLUMN IF NOT EXISTS ext_pay_id BIGINT,
    ADD COLUMN IF NOT EXISTS trn_key TEXT NOT NULL DEFAULT 'n/a',
    ADD COLUMN IF NOT EXISTS data TEXT,
    ADD COLUMN IF NOT EXISTS response TEXT,
    ADD COLUMN IF NOT EXISTS is_successfully INTEGER NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS dt_expired_date BIGINT NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS dt_last_status_check BIGINT NOT NULL DEFAULT 0;
CREATE INDEX IF NOT EXISTS payment_systems_drivers_payments_logs_company_idx
    ON payment_systems_drivers_payments_logs (rst_id_company, dt_utc_insert);
CREATE INDEX IF NOT EXISTS payment_systems_drivers_payments_logs_owner_idx
    ON payment_systems_drivers_payments_logs (rst_id_owner, dt_utc_insert);

CREATE TABLE IF NOT EXISTS driver_refill_balance_logs (id BIGSERIAL PRIMARY KEY);
ALTER TABLE driver_refill_balance_logs
    ADD COLUMN IF NOT EXISTS dt_utc_insert BIGINT NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS rst_id_driver BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS rst_id_user BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS sign_user TEXT,
    ADD COLUMN IF NOT EXISTS sign_drv TEXT,
    ADD COLUMN IF NOT EXISTS company_name TEXT,
    ADD COLUMN IF NOT EXISTS value DOUBLE PRECISION NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS trn_out_completed INTEGER,
    ADD COLUMN IF NOT EXISTS note TEXT;
CREATE INDEX IF NOT EXISTS driver_refill_balance_logs_driver_idx ON driver_refill_balance_logs (rst_id_driver, dt_utc_insert);
CREATE INDEX IF NOT EXISTS driver_refill_balance_logs_user_idx ON driver_refill_balance_logs (rst_id_user, dt_utc_insert);

-- Company ledger entries name their company; drivers of a car company carry its key.
ALTER TABLE company_balance_logs ADD COLUMN IF NOT EXISTS rst_id_company BIGINT NOT NULL DEFAULT 1;
ALTER TABLE drivers ADD COLUMN IF NOT EXISTS car_company_uuid TEXT;

-- Users' balance types, duties and duty plans.
CREATE TABLE IF NOT EXISTS user_balance_types (id BIGSERIAL PRIMARY KEY);
ALTER TABLE user_balance_types
    ADD COLUMN IF NOT EXISTS code TEXT,
    ADD COLUMN IF NOT EXISTS name TEXT;

CREATE TABLE IF NOT EXISTS user_duty_types (id BIGSERIAL PRIMARY KEY);
ALTER TABLE user_duty_types
    ADD COLUMN IF NOT EXISTS name TEXT,
    ADD COLUMN IF NOT EXISTS order_index INTEGER NOT NULL DEFAULT 0;

CREATE TABLE IF NOT EXISTS user_planing_duty_journals (id BIGSERIAL PRIMARY KEY);
ALTER TABLE user_planing_duty_journals
    ADD COLUMN IF NOT EXISTS dt_start BIGINT NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS rst_id_duty_type BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS units_amount INTEGER NOT NULL DEFAULT 0,
    ADD COLUMN IF NOT EXISTS hours_amount DOUBLE PRECISION NOT NULL DEFAULT 0;

CREATE TABLE IF NOT EXISTS user_duties (id BIGSERIAL PRIMARY KEY);
ALTER TABLE user_duties
    ADD COLUMN IF NOT EXISTS rst_id_owner BIGINT NOT NULL DEFAULT 1,
    ADD COLUMN IF NOT EXISTS rst_id_plan_duty_journal BIGINT NOT NULL DEFAULT 1;

-- The placeholder row 1 of every table above, and key sequences past it.
DO $$
DECLARE
    name TEXT;
BEGIN
    FOREACH name IN ARRAY ARRAY['orders', 'order_status_logs', 'order_way_points', 'first_tariffs', 'order_ft',
                                'cards', 'call_detail_records', 'client_bonus_logs',
                                'payment_systems_drivers_payments_logs', 'driver_refill_balance_logs',
                                'user_balance_types', 'user_duty_types', 'user_planing_duty_journals',
                                'user_duties']
    LOOP
        EXECUTE format('INSERT INTO %I (id) VALUES (1) ON CONFLICT DO NOTHING', name);
        EXECUTE format('SELECT setval(pg_get_serial_sequence(%L, ''id''), (SELECT max(id) FROM %I))', name, name);
    END LOOP;
END
$$;
