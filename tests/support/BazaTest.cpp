#include "BazaTest.h"

#include "data/UProfilDiploma.h"
#include "data/UProfilVardolin.h"
#include "data/UTabele.h"

void AsiguraProfilulInregistrat() {
    if (!ProfilInregistrat()) InregistreazaProfil(std::make_unique<TClasaProfilVardolin>());
    if (!ListaTabeleInregistrata())
        InregistreazaListaTabele(std::make_unique<ClasaListaTabele<TListaLiniiTabelVardolin>>(
            QStringLiteral("TListaLiniiTabelVardolin")));
}

BazaTest::BazaTest() {
    Porneste();
}

BazaTest::~BazaTest() {
    Opreste();
}

void BazaTest::Porneste() {
    AsiguraProfilulInregistrat();
    TDM::seteazaEcranePornire(nullptr);
    dm_ = std::make_unique<TDM>();
    dm_->DataModuleCreate();
}

void BazaTest::Opreste() {
    dm_.reset();
}

void BazaTest::executa(const QString& sql) {
    GardaTranzactie garda;
    Q6().seteazaSql(sql);
    Q6().executa();
    garda.Commit();
}

QVariant BazaTest::valoare(const QString& sql) {
    const QVariantList r = coloana(sql);
    return r.isEmpty() ? QVariant() : r.front();
}

QVariantList BazaTest::coloana(const QString& sql) {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    Q6().seteazaSql(sql);
    Q6().deschide();
    QVariantList r;
    for (; !Q6().eof(); Q6().urmator())
        r << Q6().camp(Q6().numeCamp(0));
    Q6().inchide();
    return r;
}

QString NumerePanaLa10000() {
    return QStringLiteral(
        "with c(x) as (select 0 from rdb$database union all select 1 from rdb$database union all select 2 "
        "from rdb$database union all select 3 from rdb$database union all select 4 from rdb$database union "
        "all select 5 from rdb$database union all select 6 from rdb$database union all select 7 from "
        "rdb$database union all select 8 from rdb$database union all select 9 from rdb$database), "
        "n(i) as (select a.x + 10 * b.x + 100 * c.x + 1000 * d.x + 1 from c a, c b, c c, c d) ");
}
