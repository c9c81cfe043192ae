-- The settings database that ships with the program (config\data\config.qxdata), built from
-- this script at build time. One row per key; the program only reads and updates values.
CREATE TABLE tbl_setting (
    set_key   TEXT NOT NULL,
    set_value TEXT
);
INSERT INTO tbl_setting (set_key, set_value) VALUES ('startpage', 'https://www.baidu.com/');
INSERT INTO tbl_setting (set_key, set_value) VALUES ('defaultengine', 'baidu');
