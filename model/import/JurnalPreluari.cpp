#include "import/JurnalPreluari.h"

#include "data/UDm.h"
#include "platform/Eroare.h"
#include "platform/Sistem.h"

#include <QCryptographicHash>
#include <algorithm>

// The journal writes on Q6 only: the import's value writes use Q1 to Q4.
namespace {

void parametriCheie(const CheieCamp& cheie) {
    Q6().param(QStringLiteral("COD_FORMULAR"), cheie.formular);
    Q6().param(QStringLiteral("COD_PAGINA"), cheie.pagina);
    Q6().param(QStringLiteral("COD_CAMP"), cheie.camp);
}

} // namespace

// The journal only grows; an undo marks its entry. Students and values are named by id and key
// without foreign keys: the students an entry names may be deleted later.
QStringList instructiuniSchemaJurnal() {
    return {
        QStringLiteral("CREATE TABLE PRELUARI ("
                       " ID_PRELUARE INTEGER NOT NULL,"
                       " MOMENT TIMESTAMP DEFAULT CURRENT_TIMESTAMP NOT NULL,"
                       " UTILIZATOR VARCHAR(100) NOT NULL,"
                       " CALCULATOR VARCHAR(100) NOT NULL,"
                       " FISIER VARCHAR(1000) NOT NULL,"
                       " FOAIA VARCHAR(200) NOT NULL,"
                       " RANDURI INTEGER DEFAULT 0 NOT NULL,"
                       " ADAUGATI INTEGER DEFAULT 0 NOT NULL,"
                       " ACTUALIZATI INTEGER DEFAULT 0 NOT NULL,"
                       " STAREA VARCHAR(12) DEFAULT 'in curs' NOT NULL,"
                       " MOMENT_ANULARII TIMESTAMP,"
                       " ANULATA_DE VARCHAR(200),"
                       " CONSTRAINT PK_PRELUARI PRIMARY KEY (ID_PRELUARE),"
                       " CONSTRAINT CK_PRELUARI_STAREA CHECK (STAREA IN ('in curs', 'incheiata', 'oprita', "
                       "'intrerupta', 'anulata')))"),
        QStringLiteral("CREATE TABLE PRELUARI_ELEVI ("
                       " ID_PRELUARE INTEGER NOT NULL,"
                       " ID_ELEV INTEGER NOT NULL,"
                       " AMPRENTA VARCHAR(40) NOT NULL,"
                       " CONSTRAINT PK_PRELUARI_ELEVI PRIMARY KEY (ID_PRELUARE, ID_ELEV),"
                       " CONSTRAINT FK_PRELUARI_ELEVI FOREIGN KEY (ID_PRELUARE) REFERENCES PRELUARI "
                       "(ID_PRELUARE))"),
        QStringLiteral("CREATE TABLE PRELUARI_VALORI ("
                       " ID_PRELUARE INTEGER NOT NULL,"
                       " ID_ELEV INTEGER NOT NULL,"
                       " COD_FORMULAR VARCHAR(64) NOT NULL,"
                       " COD_PAGINA VARCHAR(64) NOT NULL,"
                       " COD_CAMP VARCHAR(64) NOT NULL,"
                       " VALOARE_VECHE VARCHAR(256),"
                       " VALOARE_NOUA VARCHAR(256) NOT NULL,"
                       " CONSTRAINT PK_PRELUARI_VALORI PRIMARY KEY (ID_PRELUARE, ID_ELEV, COD_FORMULAR, "
                       "COD_PAGINA, COD_CAMP),"
                       " CONSTRAINT FK_PRELUARI_VALORI FOREIGN KEY (ID_PRELUARE) REFERENCES PRELUARI "
                       "(ID_PRELUARE))"),
        QStringLiteral("CREATE GENERATOR G_ID_PRELUARE"),
    };
}

QString AmprentaTextelor(const QHash<QString, QString>& texte) {
    QStringList chei;
    for (auto it = texte.begin(); it != texte.end(); ++it)
        if (!it.value().isEmpty()) chei << it.key();
    std::sort(chei.begin(), chei.end());
    QCryptographicHash h(QCryptographicHash::Sha1);
    for (const QString& cheie : chei) {
        h.addData((cheie + u'\x1f' + texte.value(cheie) + u'\x1e').toUtf8());
    }
    return QString::fromLatin1(h.result().toHex());
}

TJurnalPreluare::TJurnalPreluare(const QString& fisier, const QString& foaie, int randuri) {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    {
        InchideLaIesire inchide(Q6());
        Q6().seteazaSql(QStringLiteral("SELECT GEN_ID(G_ID_PRELUARE, 1) AS ID FROM RDB$DATABASE"));
        Q6().deschide();
        id_ = int(Q6().intreg(QStringLiteral("ID")));
    }
    Q6().seteazaSql(
        QStringLiteral("INSERT INTO PRELUARI (ID_PRELUARE, UTILIZATOR, CALCULATOR, FISIER, FOAIA, "
                       "RANDURI) VALUES (:ID, :UTILIZATOR, :CALCULATOR, :FISIER, :FOAIA, :RANDURI)"));
    Q6().param(QStringLiteral("ID"), id_);
    Q6().param(QStringLiteral("UTILIZATOR"), UtilizatorulSistemului().left(100));
    Q6().param(QStringLiteral("CALCULATOR"), CalculatorulSistemului().left(100));
    Q6().param(QStringLiteral("FISIER"), fisier.right(1000));
    Q6().param(QStringLiteral("FOAIA"), foaie.left(200));
    Q6().param(QStringLiteral("RANDURI"), randuri);
    Q6().executa();
    garda.Commit();
}

void TJurnalPreluare::ElevCreat(int idElev, const QString& amprenta) {
    Q6().seteazaSql(QStringLiteral("UPDATE OR INSERT INTO PRELUARI_ELEVI (ID_PRELUARE, ID_ELEV, AMPRENTA) "
                                   "VALUES (:ID, :ELEV, :AMPRENTA) MATCHING (ID_PRELUARE, ID_ELEV)"));
    Q6().param(QStringLiteral("ID"), id_);
    Q6().param(QStringLiteral("ELEV"), idElev);
    Q6().param(QStringLiteral("AMPRENTA"), amprenta);
    Q6().executa();
}

void TJurnalPreluare::ValoareSchimbata(int idElev, const CheieCamp& cheie,
                                       const std::optional<QString>& veche, const QString& noua) {
    Q6().seteazaSql(QStringLiteral(
        "MERGE INTO PRELUARI_VALORI v USING RDB$DATABASE ON v.ID_PRELUARE = :ID AND v.ID_ELEV = :ELEV AND "
        "v.COD_FORMULAR = :COD_FORMULAR AND v.COD_PAGINA = :COD_PAGINA AND v.COD_CAMP = :COD_CAMP "
        "WHEN MATCHED THEN UPDATE SET VALOARE_NOUA = :NOUA "
        "WHEN NOT MATCHED THEN INSERT (ID_PRELUARE, ID_ELEV, COD_FORMULAR, COD_PAGINA, COD_CAMP, "
        "VALOARE_VECHE, VALOARE_NOUA) VALUES (:ID, :ELEV, :COD_FORMULAR, :COD_PAGINA, :COD_CAMP, :VECHE, "
        ":NOUA)"));
    Q6().param(QStringLiteral("ID"), id_);
    Q6().param(QStringLiteral("ELEV"), idElev);
    parametriCheie(cheie);
    Q6().param(QStringLiteral("VECHE"), veche ? QVariant(*veche) : QVariant());
    Q6().param(QStringLiteral("NOUA"), noua);
    Q6().executa();
}

void TJurnalPreluare::Numara(int adaugati, int actualizati, const QString& stare) {
    {
        InchideLaIesire inchide(Q6());
        Q6().seteazaSql(QStringLiteral("SELECT STAREA FROM PRELUARI WHERE ID_PRELUARE = :ID WITH LOCK"));
        Q6().param(QStringLiteral("ID"), id_);
        Q6().deschide();
        if (Q6().eof() || Q6().text(QStringLiteral("STAREA")) != StarePreluare::InCurs)
            throw Eroare(QStringLiteral("Preluarea a fost anulata de pe alt calculator in timp ce se scria; "
                                        "randurile ramase nu s-au mai scris."));
    }
    Q6().seteazaSql(QStringLiteral("UPDATE PRELUARI SET ADAUGATI = :ADAUGATI, ACTUALIZATI = :ACTUALIZATI, "
                                   "STAREA = :STAREA WHERE ID_PRELUARE = :ID"));
    Q6().param(QStringLiteral("ID"), id_);
    Q6().param(QStringLiteral("ADAUGATI"), adaugati);
    Q6().param(QStringLiteral("ACTUALIZATI"), actualizati);
    Q6().param(QStringLiteral("STAREA"), stare);
    Q6().executa();
}
