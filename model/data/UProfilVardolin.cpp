#include "data/UProfilVardolin.h"

TListaLiniiProfilVardolin::TListaLiniiProfilVardolin() {
    // Every line: form "Vardolin", visible, no formula; the similar-with keys are complete keys.
    const auto linie = [this](const QString& pagina, const QString& camp, const QString& eticheta,
                              const QString& tip, const QString& asociatCu, const QString& similarCu,
                              int latime, const QString& codLinie) {
        AdaugaLinie(QStringLiteral("Vardolin"), pagina, camp, eticheta, QString(), QStringLiteral("DA"), tip,
                    asociatCu, similarCu, latime, codLinie);
    };
    linie("FATA", "C_ABREVIERE", "[Candidat]Abreviere{cotor}", "TEXT", "ELEVI", "", 64, "L55");
    linie("FATA", "C_NUME_L1", "[Candidat]Nume (linia 1, cotor){cotor}", "TEXT", "ELEVI", "", 0, "");
    linie("FATA", "C_NUME_L2", "[Candidat]Nume (linia 2, cotor){cotor}", "TEXT", "ELEVI", "", 0, "");
    linie("FATA", "C_NIVEL_INVATAMANT", "[Scoala]Nivelul de invatamant absolvit{cotor}", "TEXT", "SCOALA", "",
          0, "");
    linie("FATA", "C_DURATA_CURSURI", "[Scoala]Cu durata de{cotor}", "TEXT", "SCOALA", "", 0, "");
    linie("FATA", "C_AN_ABSOLVIRE", "[Scoala]Anul absolvirii{cotor}", "TEXT", "SCOALA", "", 0, "");
    linie("FATA", "C_SCOALA_PROVENIENTA_L1", "[Scoala] Scoala provenienta (linia 1, cotor){cotor}", "TEXT",
          "SCOALA", "", 0, "");
    linie("FATA", "C_SCOALA_PROVENIENTA_L2", "[Scoala]Scoala provenienta (linia 2, cotor){cotor}", "TEXT",
          "SCOALA", "", 0, "");
    linie("FATA", "C_COD_SIRUES", "[Scoala]Cod SIRUES{cotor}", "SIRUES", "SCOALA", "", 0, "");
    linie("FATA", "C_LOCALITATEA", "[Scoala]Localitatea (scoala provenienta){cotor}", "TEXT", "SCOALA", "", 0,
          "");
    linie("FATA", "C_JUDETUL", "[Scoala]Judetul (scoala provenienta){cotor}", "TEXT", "SCOALA", "", 0, "");
    linie("FATA", "C_CNP", "[Candidat]CNP{cotor}", "CNP", "ELEVI", "", 0, "");
    linie("FATA", "C_FORMA_ABSOLVIRE_L1", "[Scoala]Forma absolvire(linia 1, cotor) {cotor}", "TEXT", "SCOALA",
          "", 0, "");
    linie("FATA", "C_FORMA_ABSOLVIRE_L2", "[Scoala]Forma absolvire(linia 2, cotor){cotor}", "TEXT", "SCOALA",
          "", 0, "");
    linie("FATA", "C_SESIUNEA", "[Scoala]Din sesiunea{cotor}", "TEXT", "SCOALA", "", 0, "");
    linie("FATA", "C_ANUL_SESIUNII", "[Scoala]Anul sesiunii{cotor}", "TEXT", "SCOALA", "", 0, "");
    linie("FATA", "C_SCOALA_ORGANIZATOARE_L1", "[Scoala]Organizat la (linia 1, cotor){cotor}", "TEXT",
          "SCOALA", "", 0, "");
    linie("FATA", "C_SCOALA_ORGANIZATOARE_L2", "[Scoala]Organizat la (linia 2, cotor){cotor}", "TEXT",
          "SCOALA", "", 0, "");
    linie("FATA", "C_LOCALITATEA_SCOALA_ORGANIZATOARE", "[Scoala]Localitatea (Scoala organizatoare) {cotor}",
          "TEXT", "SCOALA", "", 0, "");
    linie("FATA", "C_JUDETUL_SCOALA_ORGANIZATOARE", "[Scoala]Judetul (Scoala organizatoare){cotor}", "TEXT",
          "SCOALA", "", 0, "");
    linie("FATA", "C_ARTICOL", "[Candidat]Articol (cotor){cotor}", "TEXT", "ELEVI", "", 0, "");
    linie("FATA", "C_CALIFICARE", "[Scoala]Fiind declarat{cotor}", "TEXT", "SCOALA", "", 0, "");
    linie("FATA", "C_DOMENIUL", "[Scoala]Domeniul{cotor}", "TEXT", "SCOALA", "", 0, "");
    linie("FATA", "C_PRESEDINTE_COMISIE", "[Scoala]Presedintele comisiei{cotor}", "TEXT", "SCOALA", "", 0,
          "");
    linie("FATA", "D_ABREVIERE", "[Candidat]Abreviere{certificat}", "TEXT", "ELEVI",
          "Vardolin.FATA.C_ABREVIERE", 0, "");
    linie("FATA", "D_NUME", "[Candidat]Nume{certificat}", "TEXT", "ELEVI", "", 256, "L55");
    linie("FATA", "D_NIVEL_INVATAMANT", "[Scoala]Unitatea Scolara {certificat}", "TEXT", "SCOALA",
          "Vardolin.FATA.C_NIVEL_INVATAMANT", 0, "");
    linie("FATA", "D_DURATA_CURSURI", "[Scoala]Cu durata de {certificat}", "TEXT", "SCOALA",
          "Vardolin.FATA.C_DURATA_CURSURI", 0, "");
    linie("FATA", "D_AN_ABSOLVIRE", "[Candidat]Anul absolvirii{certificat}", "TEXT", "ELEVI",
          "Vardolin.FATA.C_AN_ABSOLVIRE", 0, "");
    linie("FATA", "D_UNITATEA_SCOLARA", "[Scoala]Scoala provenienta{certificat}", "TEXT", "SCOALA", "", 0,
          "");
    linie("FATA", "D_COD_SIRUES", "[Scoala]cod SIRUES(certificat}", "SIRUES", "SCOALA",
          "Vardolin.FATA.C_COD_SIRUES", 0, "");
    linie("FATA", "D_LOCALITATEA_L1", "[Scoala]Din localitatea (linia 1, certificat){certificat}", "TEXT",
          "SCOALA", "", 0, "");
    linie("FATA", "D_LOCALITATEA_L2", "[Scoala]Din localitatea (linia 2, certificat){certificat}", "TEXT",
          "SCOALA", "", 0, "");
    linie("FATA", "D_JUDETUL", "[Scoala]Din judetul(certificat}", "TEXT", "SCOALA", "Vardolin.FATA.C_JUDETUL",
          0, "");
    linie("FATA", "D_CNP", "[Candidat]CNP(certificat}", "CNP", "ELEVI", "Vardolin.FATA.C_CNP", 0, "");
    linie("FATA", "D_FORMA_ABSOLVIRE", "[Scoala]Forma absolvire{certificat}", "TEXT", "SCOALA", "", 0, "");
    linie("FATA", "D_SESIUNEA", "[Scoala]Din sesiunea(certificat}", "TEXT", "SCOALA",
          "Vardolin.FATA.C_SESIUNEA", 0, "");
    linie("FATA", "D_ANUL_SESIUNII", "[Scoala]Anul sesiunii(certificat}", "TEXT", "SCOALA",
          "Vardolin.FATA.C_ANUL_SESIUNII", 0, "");
    linie("FATA", "D_UNITATEA_SCOLARA_3_L1", "[Scoala]Organizat la (linia 1, certificat)(certificat}", "TEXT",
          "SCOALA", "Vardolin.FATA.C_SCOALA_ORGANIZATOARE_L1", 0, "");
    linie("FATA", "D_UNITATEA_SCOLARA_3_L2", "[Scoala]Organizat la (linia 2, certificat)(certificat}", "TEXT",
          "SCOALA", "Vardolin.FATA.C_SCOALA_ORGANIZATOARE_L2", 0, "");
    linie("FATA", "D_LOCALITATEA_SCOALA_ORGANIZATOARE",
          "[Scoala]Localitatea (Scoala organizatoare){certificat}", "TEXT", "SCOALA",
          "Vardolin.FATA.C_LOCALITATEA_SCOALA_ORGANIZATOARE", 0, "");
    linie("FATA", "D_JUDETUL_SCOALA_ORGANIZATOARE", "[Scoala]Judetul (Scoala organizatoare){certificat}",
          "TEXT", "SCOALA", "Vardolin.FATA.C_JUDETUL_SCOALA_ORGANIZATOARE", 0, "");
    linie("FATA", "D_ARTICOL", "[Candidat]Articol{certificat}", "TEXT", "ELEVI", "Vardolin.FATA.C_ARTICOL", 0,
          "");
    linie("FATA", "D_CALIFICARE_L1", "[Scoala]Fiind declarat(linia 1, certificat){certificat}", "TEXT",
          "SCOALA", "", 0, "");
    linie("FATA", "D_CALIFICARE_L2", "[Scoala]Fiind declarat(linia 2, certificat){certificat}", "TEXT",
          "SCOALA", "", 0, "");
    linie("FATA", "D_DOMENIUL", "[Scoala]Domeniul{certificat}", "TEXT", "SCOALA", "Vardolin.FATA.C_DOMENIUL",
          0, "");
    linie("FATA", "D_PRESEDINTE_COMISIE", "[Scoala]Presedintele comisiei{certificat}", "TEXT", "SCOALA",
          "Vardolin.FATA.C_PRESEDINTE_COMISIE", 0, "");
    linie("SPATE", "D_FORMA_ABSOLVIRE", "[Scoala] Forma absolvire (certificat) {certificat}", "TEXT",
          "SCOALA", "", 0, "");
    linie("SPATE", "D_SCOALA_ORGANIZATOARE", "[Scoala] Scoala organizatoare {certificat}", "TEXT", "SCOALA",
          "", 0, "");
    linie("SPATE", "D_LOCALITATEA_SCOALA_ORGANIZATOARE",
          "[Scoala] Localitatea  (Scoala organizatoare){certificat}", "TEXT", "SCOALA",
          "Vardolin.FATA.C_LOCALITATEA_SCOALA_ORGANIZATOARE", 0, "");
    linie("SPATE", "D_JUDETUL_SCOALA_ORGANIZATOARE", "[Scoala] Judetul (Scoala organizatoare) {certificat}",
          "TEXT", "SCOALA", "Vardolin.FATA.C_JUDETUL_SCOALA_ORGANIZATOARE", 0, "");
    linie("SPATE", "D_SESIUNEA", "[Scoala] Sesiunea {certificat}", "TEXT", "SCOALA",
          "Vardolin.FATA.C_SESIUNEA", 0, "");
    linie("SPATE", "D_ANUL", "[Scoala] Anul {certificat}", "TEXT", "SCOALA", "Vardolin.FATA.C_ANUL_SESIUNII",
          0, "");
    linie("SPATE", "D_PROBA_1", "[Vardolin]Proba 1 {certificat}", "TEXT", "ELEVI", "", 128, "L13");
    linie("SPATE", "D_NOTA_1", "[Vardolin]Nota obtinuta {certificat}", "NOTA", "ELEVI", "", 20, "L13");
    linie("SPATE", "D_PROBA_2", "[Vardolin]Proba 2 {certificat}", "TEXT", "ELEVI", "", 128, "L14");
    linie("SPATE", "D_NOTA_2", "[Vardolin]Nota obtinuta {certificat}", "NOTA", "ELEVI", "", 20, "L14");
    linie("SPATE", "D_PROBA_3", "[Vardolin]Proba 3 {certificat}", "TEXT", "ELEVI", "", 128, "L28");
    linie("SPATE", "D_NOTA_3", "[Vardolin]Nota obtinuta {certificat}", "NOTA", "ELEVI", "", 20, "L28");
    linie("SPATE", "D_MEDIA_ABSOLVIRE", "[Vardolin]Media de absolvire{cotor}", "NOTA", "ELEVI", "", 0, "");
    linie("SPATE", "D_CALIFICARE_PROFESIONALA",
          "[Vardolin]Calificare profesionala (o linie, certificat-spate) {certificat}", "TEXT", "ELEVI", "",
          0, "");
    for (int n = 1; n <= 20; ++n)
        linie("SPATE", QStringLiteral("D_COMPETENTA_PROFESIONALA_L%1").arg(n),
              QStringLiteral("[Vardolin]Competenta profesionala %1{certificat}").arg(n), "TEXT", "ELEVI", "",
              256, QStringLiteral("L%1").arg(16 + (n - 1) / 2));
    linie("SPATE", "D_PRESEDINTE_COMISIE", "[Scoala]Presedinte comisie{certificat}", "TEXT", "SCOALA",
          "Vardolin.FATA.C_PRESEDINTE_COMISIE", 0, "");
    linie("SPATE", "D_SECRETAR_COMISIE", "[Scoala]Secretar comisie {certificat}", "TEXT", "SCOALA", "", 256,
          "L27");
    linie("SPATE", "C_FORMA_ABSOLVIRE", "[Scoala] Forma de absolvire {certificat}", "TEXT", "SCOALA",
          "Vardolin.SPATE.D_FORMA_ABSOLVIRE", 0, "");
    linie("SPATE", "C_SCOALA_ORGANIZATOARE", "[Scoala] Scoala organizatoare {certificat}", "TEXT", "SCOALA",
          "Vardolin.SPATE.D_SCOALA_ORGANIZATOARE", 0, "");
    linie("SPATE", "C_LOCALITATEA_SCOALA_ORGANIZATOARE",
          "[Scoala] Localitatea (scoala organizatoare) {certificat}", "TEXT", "SCOALA",
          "Vardolin.FATA.C_LOCALITATEA_SCOALA_ORGANIZATOARE", 0, "");
    linie("SPATE", "C_JUDETUL_SCOALA_ORGANIZATOARE", "[Scoala] Judetul (Scoala organizatoare) {certificat}",
          "TEXT", "SCOALA", "Vardolin.FATA.C_JUDETUL_SCOALA_ORGANIZATOARE", 0, "");
    linie("SPATE", "C_SESIUNEA", "[Scoala] Sesiunea {cotor}", "TEXT", "SCOALA", "Vardolin.FATA.C_SESIUNEA", 0,
          "");
    linie("SPATE", "C_ANUL", "[Scoala] Anul {certificat}", "TEXT", "SCOALA", "Vardolin.SPATE.D_ANUL", 0, "");
    linie("SPATE", "C_PROBA_1", "[Vardolin]Proba 1 {cotor}", "TEXT", "ELEVI", "Vardolin.SPATE.D_PROBA_1", 256,
          "L13");
    linie("SPATE", "C_NOTA_1", "[Vardolin]Nota obtinuta {cotor}", "NOTA", "ELEVI", "Vardolin.SPATE.D_NOTA_1",
          20, "L13");
    linie("SPATE", "C_PROBA_2", "[Vardolin]Proba 2 {cotor}", "TEXT", "ELEVI", "Vardolin.SPATE.D_PROBA_2", 256,
          "L14");
    linie("SPATE", "C_NOTA_2", "[Vardolin]Nota obtinuta {cotor}", "NOTA", "ELEVI", "Vardolin.SPATE.D_NOTA_2",
          20, "L14");
    linie("SPATE", "C_PROBA_3", "[Vardolin]Proba 3 {cotor}", "TEXT", "ELEVI", "Vardolin.SPATE.D_PROBA_3", 256,
          "L30");
    linie("SPATE", "C_NOTA_3", "[Vardolin]Nota obtinuta {cotor}", "NOTA", "ELEVI", "Vardolin.SPATE.D_NOTA_3",
          20, "L30");
    linie("SPATE", "C_MEDIA_ABSOLVIRE", "[Vardolin]Media de absolvire{cotor}", "NOTA", "ELEVI",
          "Vardolin.SPATE.D_MEDIA_ABSOLVIRE", 0, "");
    linie("SPATE", "C_CALIFICARE_PROFESIONALA_L1",
          "[Vardolin]Calificare profesionala (linia 1, cotor spate) {cotor}", "TEXT", "ELEVI", "", 0, "");
    linie("SPATE", "C_CALIFICARE_PROFESIONALA_L2",
          "[Vardolin]Calificare profesionala (linia 2, cotor spate) {cotor}", "TEXT", "ELEVI", "", 0, "");
    for (int n = 1; n <= 20; ++n)
        linie("SPATE", QStringLiteral("C_COMPETENTA_PROFESIONALA_L%1").arg(n),
              QStringLiteral("[Vardolin]Competenta profesionala %1{cotor}").arg(n), "TEXT", "ELEVI",
              QStringLiteral("Vardolin.SPATE.D_COMPETENTA_PROFESIONALA_L%1").arg(n), 256,
              QStringLiteral("L%1").arg(40 + (n - 1) / 2));
    linie("SPATE", "C_PRESEDINTE_COMISIE", "[Scoala]Presedinte comisie {cotor}", "TEXT", "SCOALA",
          "Vardolin.FATA.D_PRESEDINTE_COMISIE", 0, "");
    linie("SPATE", "C_SECRETAR_COMISIE", "[Scoala]Secretar comisie{cotor}", "TEXT", "SCOALA",
          "Vardolin.SPATE.D_SECRETAR_COMISIE", 0, "");
}

QString TClasaProfilVardolin::ListaCampuriElev() const {
    return QStringLiteral("{Vardolin.FATA.C_NUME_L1} {Vardolin.FATA.C_NUME_L2} / {Vardolin.FATA.C_NUME_L1} "
                          "{Vardolin.FATA.C_NUME_L2} ({Vardolin.FATA.C_CNP})");
}

QString TClasaProfilVardolin::ListaCampuriGeneric() const {
    return QStringLiteral("{Vardolin.FATA.C_SCOALA_PROVENIENTA_L1} {Vardolin.FATA.C_SCOALA_PROVENIENTA_L2} / "
                          "{Vardolin.FATA.C_LOCALITATEA} ({Vardolin.FATA.C_COD_SIRUES})");
}

TListaLiniiTabelVardolin::TListaLiniiTabelVardolin() {
    AdaugaTabel(QStringLiteral("ELEVI"), QString());
    AdaugaTabel(QStringLiteral("SCOALA"), QString());
}

void InregistreazaProfilVardolin() {
    InregistreazaProfil(std::make_unique<TClasaProfilVardolin>());
    InregistreazaListaTabele(std::make_unique<ClasaListaTabele<TListaLiniiTabelVardolin>>(
        QStringLiteral("TListaLiniiTabelVardolin")));
}
