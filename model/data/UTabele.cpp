#include "data/UTabele.h"

#include "data/UDm.h"
#include "platform/Eroare.h"

#include <QRegularExpression>

namespace {
std::unique_ptr<TClasaListaTabele>& inregistrata() {
    static std::unique_ptr<TClasaListaTabele> c;
    return c;
}
} // namespace

void TListaLiniiTabel::AdaugaTabel(const QString& NUME_TABEL, const QString& EXP_DENUMIRE) {
    linii_.push_back({NUME_TABEL, EXP_DENUMIRE});
}

void InregistreazaListaTabele(std::unique_ptr<TClasaListaTabele> clasa) {
    if (inregistrata())
        throw Eroare(QStringLiteral("Am inregistrat deja un profil de diploma: ") +
                     inregistrata()->NumeClasa());
    inregistrata() = std::move(clasa);
}

const TClasaListaTabele* ListaTabeleInregistrata() {
    return inregistrata().get();
}

void AnuleazaInregistrareaListeiTabele() {
    inregistrata().reset();
}

void SincronizeazaTabele() {
    if (!inregistrata()) throw Eroare(QStringLiteral("Nu ai inclus nici o \"lista tabel\""));
    const auto lista = inregistrata()->Creeaza();
    GardaTranzactie garda;
    for (const TLinieTabel& linie : lista->linii()) {
        Q1().seteazaSql(QStringLiteral("select    * from    TABELE where    (NUME_TABEL = :NUME_TABEL)"));
        Q1().param(QStringLiteral("NUME_TABEL"), linie.NUME_TABEL);
        Q1().deschide();
        const bool exista = !Q1().eof();
        Q1().inchide();
        Q1().seteazaSql(
            exista ? QStringLiteral("update    TABELE set    NUME_TABEL = :NUME_TABEL, EXP_DENUMIRE = "
                                    ":EXP_DENUMIRE where    (NUME_TABEL = :NUME_TABEL)")
                   : QStringLiteral("insert into    TABELE    (NUME_TABEL, EXP_DENUMIRE) values    "
                                    "(:NUME_TABEL, :EXP_DENUMIRE)"));
        Q1().param(QStringLiteral("NUME_TABEL"), linie.NUME_TABEL);
        Q1().param(QStringLiteral("EXP_DENUMIRE"), linie.EXP_DENUMIRE);
        Q1().executa();
    }
    garda.Commit();
}

void VerificaNumeTabel(const QString& nume) {
    static const QRegularExpression identificator(QStringLiteral("^[A-Z][A-Z0-9_$]{0,26}$"));
    if (!identificator.match(nume).hasMatch())
        throw Eroare(QStringLiteral("Numele de tabel \"%1\" nu este valid").arg(nume));
}

void VerificaTabelEntitate(const QString& nume) {
    VerificaNumeTabel(nume);
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    Q4().seteazaSql(QStringLiteral("select NUME_TABEL from TABELE where NUME_TABEL = :NUME_TABEL"));
    Q4().param(QStringLiteral("NUME_TABEL"), nume);
    Q4().deschide();
    const bool exista = !Q4().eof();
    Q4().inchide();
    if (!exista)
        throw Eroare(QStringLiteral("Tabelul \"%1\" nu este un tabel de entitati cunoscut").arg(nume));
}
