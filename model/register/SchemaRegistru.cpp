#include "register/SchemaRegistru.h"

// Every form received is one row of FORMULARE, so a number belongs to at most one receipt and a
// register entry can only name a form that was received: both kept by the keys themselves.
// Nothing is ever deleted, and an entry's form changes only while it waits for its check; the
// triggers refuse the rest, whichever program writes.
QStringList instructiuniSchemaRegistru() {
    return {
        QStringLiteral("CREATE TABLE FORMULARE_PRIMITE ("
                       " ID_PRIMIRE INTEGER NOT NULL,"
                       " SERIA VARCHAR(20) NOT NULL,"
                       " DE_LA INTEGER NOT NULL,"
                       " PANA_LA INTEGER NOT NULL,"
                       " DATA_PRIMIRII DATE NOT NULL,"
                       " DOCUMENT VARCHAR(200),"
                       " CONSTRAINT PK_FORMULARE_PRIMITE PRIMARY KEY (ID_PRIMIRE),"
                       " CONSTRAINT CK_FORMULARE_PRIMITE CHECK (DE_LA > 0 AND PANA_LA >= DE_LA AND "
                       "PANA_LA - DE_LA < 100000 AND SERIA > ''))"),
        QStringLiteral("CREATE TABLE FORMULARE ("
                       " SERIA VARCHAR(20) NOT NULL,"
                       " NUMARUL INTEGER NOT NULL,"
                       " ID_PRIMIRE INTEGER NOT NULL,"
                       " CONSTRAINT PK_FORMULARE PRIMARY KEY (SERIA, NUMARUL),"
                       " CONSTRAINT FK_FORMULARE_PRIMIRE FOREIGN KEY (ID_PRIMIRE) REFERENCES "
                       "FORMULARE_PRIMITE (ID_PRIMIRE))"),
        QStringLiteral(
            "CREATE TABLE REGISTRU ("
            " ID_REGISTRU INTEGER NOT NULL,"
            " AN SMALLINT NOT NULL,"
            " NR_INREGISTRARE INTEGER NOT NULL,"
            " DATA_TIPARIRII DATE NOT NULL,"
            " ID_ELEV INTEGER,"
            " NUME VARCHAR(200),"
            " CNP VARCHAR(20),"
            " CALIFICAREA VARCHAR(300),"
            " SERIA VARCHAR(20) NOT NULL,"
            " NUMARUL INTEGER NOT NULL,"
            " STAREA VARCHAR(12) NOT NULL,"
            " ID_ORIGINAL INTEGER,"
            " MOTIV_DUPLICAT VARCHAR(300),"
            " NR_APROBARE VARCHAR(50),"
            " DATA_APROBARII DATE,"
            " DATA_ELIBERARII DATE,"
            " PRIMITOR VARCHAR(200),"
            " ACT_IDENTITATE VARCHAR(100),"
            " PROCURA VARCHAR(100),"
            " MENTIUNI VARCHAR(500),"
            " DATA_ANULARII DATE,"
            " MOTIV_ANULARE VARCHAR(300),"
            " CONSTRAINT PK_REGISTRU PRIMARY KEY (ID_REGISTRU),"
            " CONSTRAINT UQ_REGISTRU_FORMULAR UNIQUE (SERIA, NUMARUL),"
            " CONSTRAINT UQ_REGISTRU_NR UNIQUE (AN, NR_INREGISTRARE),"
            " CONSTRAINT FK_REGISTRU_FORMULAR FOREIGN KEY (SERIA, NUMARUL) REFERENCES FORMULARE (SERIA, "
            "NUMARUL),"
            " CONSTRAINT FK_REGISTRU_ORIGINAL FOREIGN KEY (ID_ORIGINAL) REFERENCES REGISTRU (ID_REGISTRU),"
            " CONSTRAINT CK_REGISTRU_STAREA CHECK (STAREA IN ('neconfirmat', 'tiparit', 'eliberat', "
            "'anulat', 'duplicat')))"),
        // The next entry number of a year is read backwards from its end.
        QStringLiteral("CREATE DESCENDING INDEX IX_REGISTRU_NR_DESC ON REGISTRU (AN, NR_INREGISTRARE)"),
        QStringLiteral("CREATE INDEX IX_REGISTRU_ELEV ON REGISTRU (ID_ELEV)"),
        QStringLiteral("CREATE TABLE JURNAL_REGISTRU ("
                       " ID_JURNAL INTEGER NOT NULL,"
                       " MOMENT TIMESTAMP DEFAULT CURRENT_TIMESTAMP NOT NULL,"
                       " UTILIZATOR VARCHAR(100) NOT NULL,"
                       " CALCULATOR VARCHAR(100) NOT NULL,"
                       " ID_REGISTRU INTEGER,"
                       " ID_PRIMIRE INTEGER,"
                       " CE VARCHAR(1000) NOT NULL,"
                       " CONSTRAINT PK_JURNAL_REGISTRU PRIMARY KEY (ID_JURNAL))"),
        QStringLiteral("CREATE GENERATOR G_ID_PRIMIRE"),
        QStringLiteral("CREATE GENERATOR G_ID_REGISTRU"),
        QStringLiteral("CREATE GENERATOR G_ID_JURNAL"),
        QStringLiteral("CREATE EXCEPTION E_REGISTRU_NESCHIMBAT 'Registrul actelor de studii si stocul de "
                       "formulare nu se sterg si nu se rescriu; o greseala se indreapta prin anulare.'"),
        QStringLiteral("CREATE TRIGGER T_PRIMIRI_NESTERSE FOR FORMULARE_PRIMITE BEFORE UPDATE OR DELETE "
                       "AS BEGIN EXCEPTION E_REGISTRU_NESCHIMBAT; END"),
        QStringLiteral("CREATE TRIGGER T_FORMULARE_NESTERSE FOR FORMULARE BEFORE UPDATE OR DELETE "
                       "AS BEGIN EXCEPTION E_REGISTRU_NESCHIMBAT; END"),
        QStringLiteral("CREATE TRIGGER T_JURNAL_NESTERS FOR JURNAL_REGISTRU BEFORE UPDATE OR DELETE "
                       "AS BEGIN EXCEPTION E_REGISTRU_NESCHIMBAT; END"),
        QStringLiteral("CREATE TRIGGER T_REGISTRU_NESTERS FOR REGISTRU BEFORE DELETE "
                       "AS BEGIN EXCEPTION E_REGISTRU_NESCHIMBAT; END"),
        // What an entry says about whom and when stays as written; its form changes only while
        // the entry waits for the check after printing; a cancelled entry stays cancelled.
        QStringLiteral(
            "CREATE TRIGGER T_REGISTRU_ISTORIE FOR REGISTRU BEFORE UPDATE AS BEGIN "
            "IF (NEW.ID_REGISTRU <> OLD.ID_REGISTRU OR NEW.AN <> OLD.AN OR NEW.NR_INREGISTRARE <> "
            "OLD.NR_INREGISTRARE OR NEW.DATA_TIPARIRII <> OLD.DATA_TIPARIRII OR NEW.ID_ELEV IS DISTINCT FROM "
            "OLD.ID_ELEV OR NEW.NUME IS DISTINCT FROM OLD.NUME OR NEW.CNP IS DISTINCT FROM OLD.CNP OR "
            "NEW.CALIFICAREA IS DISTINCT FROM OLD.CALIFICAREA OR OLD.STAREA = 'anulat' OR "
            "((NEW.SERIA <> OLD.SERIA OR NEW.NUMARUL <> OLD.NUMARUL) AND OLD.STAREA <> 'neconfirmat')) "
            "THEN EXCEPTION E_REGISTRU_NESCHIMBAT; END"),
    };
}

// An entry whose sheet never came out of the printer ("netiparit") gives its form back, so that
// a later entry may take the same form. RESTITUIT is 0 while an entry holds its form and the
// entry's own id once it gave it back: the unique key over (SERIA, NUMARUL, RESTITUIT) still lets
// at most one entry hold a form, enforced by the engine for every computer at once. (A NULL there
// would not do: the engine treats two keys with NULL in the same place and equal other columns as
// equal, so a form could be given back only once.) A column added NOT NULL with its default gives
// every existing entry 0 without rewriting them.
QStringList instructiuniSchemaFormulareRestituite() {
    return {
        QStringLiteral("ALTER TABLE REGISTRU ADD RESTITUIT INTEGER DEFAULT 0 NOT NULL"),
        QStringLiteral("ALTER TABLE REGISTRU DROP CONSTRAINT UQ_REGISTRU_FORMULAR"),
        QStringLiteral("ALTER TABLE REGISTRU ADD CONSTRAINT UQ_REGISTRU_FORMULAR_OCUPAT UNIQUE (SERIA, "
                       "NUMARUL, RESTITUIT)"),
        QStringLiteral("ALTER TABLE REGISTRU DROP CONSTRAINT CK_REGISTRU_STAREA"),
        QStringLiteral("ALTER TABLE REGISTRU ADD CONSTRAINT CK_REGISTRU_STAREA CHECK (STAREA IN "
                       "('neconfirmat', 'tiparit', 'eliberat', 'anulat', 'duplicat', 'netiparit'))"),
        QStringLiteral(
            "ALTER TABLE REGISTRU ADD CONSTRAINT CK_REGISTRU_RESTITUIT CHECK ((STAREA = "
            "'netiparit' AND RESTITUIT = ID_REGISTRU) OR (STAREA <> 'netiparit' AND RESTITUIT = 0))"),
        // As before, and: only an entry waiting for its check becomes "netiparit", and such an
        // entry stays as it is, like a cancelled one.
        QStringLiteral(
            "ALTER TRIGGER T_REGISTRU_ISTORIE AS BEGIN "
            "IF (NEW.ID_REGISTRU <> OLD.ID_REGISTRU OR NEW.AN <> OLD.AN OR NEW.NR_INREGISTRARE <> "
            "OLD.NR_INREGISTRARE OR NEW.DATA_TIPARIRII <> OLD.DATA_TIPARIRII OR NEW.ID_ELEV IS DISTINCT FROM "
            "OLD.ID_ELEV OR NEW.NUME IS DISTINCT FROM OLD.NUME OR NEW.CNP IS DISTINCT FROM OLD.CNP OR "
            "NEW.CALIFICAREA IS DISTINCT FROM OLD.CALIFICAREA OR OLD.STAREA IN ('anulat', 'netiparit') OR "
            "(NEW.STAREA = 'netiparit' AND OLD.STAREA <> 'neconfirmat') OR "
            "((NEW.SERIA <> OLD.SERIA OR NEW.NUMARUL <> OLD.NUMARUL) AND OLD.STAREA <> 'neconfirmat')) "
            "THEN EXCEPTION E_REGISTRU_NESCHIMBAT; END"),
    };
}
