-- The draw database of the workbench: lotteries, the draws of the two lottery kinds,
-- the public numbers that precede every history in the track table, and the chart help texts.
CREATE TABLE IF NOT EXISTS Table_LeiBie (
    Cp_name    TEXT    NOT NULL,
    Cp_LeiBie  TEXT    NOT NULL,
    Cp_only_ID INTEGER NOT NULL,
    Cp_hmGeshu INTEGER NOT NULL DEFAULT 3
);
CREATE UNIQUE INDEX IF NOT EXISTS Table_LeiBie_name ON Table_LeiBie (Cp_name);
CREATE UNIQUE INDEX IF NOT EXISTS Table_LeiBie_id ON Table_LeiBie (Cp_only_ID);

CREATE TABLE IF NOT EXISTS FuCai_Table (
    Cp_QHao    INTEGER NOT NULL CHECK (typeof(Cp_QHao) = 'integer'),
    Cp_Hm      TEXT    NOT NULL,
    Cp_only_ID INTEGER NOT NULL
);
-- A period is stored at most once per lottery.
CREATE UNIQUE INDEX IF NOT EXISTS FuCai_Table_period ON FuCai_Table (Cp_only_ID, Cp_QHao);

CREATE TABLE IF NOT EXISTS TiCai_Table (
    Cp_QHao    INTEGER NOT NULL CHECK (typeof(Cp_QHao) = 'integer'),
    Cp_Hm      TEXT    NOT NULL,
    Cp_only_ID INTEGER NOT NULL
);
-- A period is stored at most once per lottery.
CREATE UNIQUE INDEX IF NOT EXISTS TiCai_Table_period ON TiCai_Table (Cp_only_ID, Cp_QHao);

CREATE TABLE IF NOT EXISTS Delault_Table (
    Public_Hm TEXT NOT NULL
);

CREATE TABLE IF NOT EXISTS TuBiao_Table (
    Cmd_name  TEXT NOT NULL,
    Cmd_title TEXT,
    Cmd_help  TEXT
);
