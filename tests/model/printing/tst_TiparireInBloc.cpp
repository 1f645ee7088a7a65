// A side printed for many students in one job, without any widget.
#include "CutiiPdf.h"
#include "MediuTest.h"
#include "platform/Eroare.h"
#include "platform/ImprimantaInregistrata.h"
#include "platform/ImprimantaSistem.h"
#include "printing/RandarePagina.h"
#include "printing/TiparireInBloc.h"

#include <QDir>
#include <QtTest>

using Inreg = ImprimantaInregistrata::Inregistrare;

namespace {

// A landscape page with the student's name in one area and a fixed word, nudged one half
// millimetre right by its adjustment, in another.
PaginaFormular sablon() {
    PaginaFormular p;
    p.numeFormular = "PrintVardolin";
    p.latime = 297;
    p.inaltime = 210;
    AriePagina nume;
    nume.nume = "FormularTextArea1";
    nume.stanga = 40;
    nume.sus = 30;
    nume.latime = 120;
    nume.inaltime = 8;
    nume.font = FontPagina{"Liberation Sans", 5.0, false, false, 238};
    p.arii.push_back(nume);
    AriePagina fix = nume;
    fix.nume = "FormularTextArea2";
    fix.sus = 120;
    fix.text = "Fix";
    fix.ajustare = AjustarePagina{};
    fix.ajustare->DeplasareOrizontala = 1;
    p.arii.push_back(fix);
    return p;
}

// Student 3 has a grade that is not a number.
void umple(PaginaFormular& p, int id) {
    if (id == 3) throw Eroare("Nota \"noua\" nu este un numar.");
    p.arii[0].text = QStringLiteral("Elev%1").arg(id);
}

std::vector<const PaginaFormular*> adrese(const std::vector<PaginaFormular>& pagini) {
    std::vector<const PaginaFormular*> r;
    for (const PaginaFormular& p : pagini)
        r.push_back(&p);
    return r;
}

// The records of each page of a job: what lies between its start, page breaks and end.
std::vector<std::vector<Inreg>> paginiInregistrate(const ImprimantaInregistrata& d) {
    std::vector<std::vector<Inreg>> pagini(1);
    for (const Inreg& i : d.inregistrari()) {
        if (i.fel == Inreg::Pagina) pagini.emplace_back();
        if (i.fel == Inreg::Text) pagini.back().push_back(i);
    }
    return pagini;
}

ImprimantaSistem& imprimantaPdf() {
    auto& sistem = ImprimantaSistem::instanta();
    sistem.selecteaza(sistem.indexImprimantaPdf());
    sistem.pregatesteSetari(SetariDispozitiv{});
    return sistem;
}

} // namespace

class TestTiparireInBloc : public QObject {
    Q_OBJECT
private slots:
    void ordineaVersourilor_data();
    void ordineaVersourilor();
    void eleviiNetiparibiliLaoParte();
    void lotPeInregistrare_data();
    void lotPeInregistrare();
    void oprireLaJumatate();
    void lotPdf_data();
    void lotPdf();
    void oprireFaraFisierPdf();
};

void TestTiparireInBloc::ordineaVersourilor_data() {
    QTest::addColumn<int>("feedMode");
    QTest::addColumn<bool>("opus");
    QTest::addColumn<bool>("inversa");
    // Rear feed, printed on the face seen in the tray, out face up with the last on top: the
    // pile is turned over to show the backs, so the first front is taken first.
    QTest::newRow("sus, aceeasi parte") << 1 << false << false;
    QTest::newRow("sus, partea opusa") << 1 << true << true;
    // Front tray turning the sheet: printed on the hidden face, out face up; the pile goes
    // back as it came out and the last front is taken first.
    QTest::newRow("frontala, partea opusa") << 2 << true << true;
    QTest::newRow("frontala, aceeasi parte") << 2 << false << false;
    // Internal tray: out face down; printed on the hidden face, so the pile is turned over.
    QTest::newRow("interna rasturnata, partea opusa") << 3 << true << false;
    QTest::newRow("interna normala, partea opusa") << 4 << true << false;
    QTest::newRow("interna normala, aceeasi parte") << 4 << false << true;
}

void TestTiparireInBloc::ordineaVersourilor() {
    QFETCH(int, feedMode);
    QFETCH(bool, opus);
    QFETCH(bool, inversa);
    QCOMPARE(OrdineaVersourilor(feedMode, opus), inversa ? OrdineLot::Inversa : OrdineLot::CaLista);
}

void TestTiparireInBloc::eleviiNetiparibiliLaoParte() {
    const PaginiLot lot = UmpleLotul(sablon(), {5, 3, 1}, umple);
    QCOMPARE(lot.elevi, std::vector<int>({5, 1}));
    QCOMPARE(lot.pagini.size(), size_t(2));
    QCOMPARE(lot.pagini[0].arii[0].text, QString("Elev5"));
    QCOMPARE(lot.pagini[1].arii[0].text, QString("Elev1"));
    QCOMPARE(lot.omisi.size(), size_t(1));
    QCOMPARE(lot.omisi[0].idElev, 3);
    QCOMPARE(lot.omisi[0].motiv, QString("Nota \"noua\" nu este un numar."));
}

void TestTiparireInBloc::lotPeInregistrare_data() {
    QTest::addColumn<bool>("rotit");
    QTest::addColumn<double>("stanga");
    QTest::addColumn<double>("sus");
    QTest::addColumn<bool>("inversa");
    QTest::newRow("fara margini") << false << 0.0 << 0.0 << false;
    QTest::newRow("margini, rotit, invers") << true << 3.5 << -2.0 << true;
}

void TestTiparireInBloc::lotPeInregistrare() {
    QFETCH(bool, rotit);
    QFETCH(double, stanga);
    QFETCH(double, sus);
    QFETCH(bool, inversa);
    const PaginiLot lot = UmpleLotul(sablon(), {1, 2, 4}, umple);
    std::vector<const PaginaFormular*> pagini;
    for (size_t i : PozitiiInOrdine(3, inversa ? OrdineLot::Inversa : OrdineLot::CaLista))
        pagini.push_back(&lot.pagini[i]);

    auto d = ImprimantaInregistrata::a4(600, QPageLayout::Landscape, 50, 40, 60, 70);
    const RezultatLot r = TiparesteLotul(pagini, d, {"Diploma - verso", rotit, stanga, sus});
    QCOMPARE(r.tiparite, 3);
    QVERIFY(!r.oprit);
    QCOMPARE(d.doar(Inreg::Inceput).size(), size_t(1));
    QCOMPARE(d.doar(Inreg::Inceput)[0].text, QString("Diploma - verso"));
    QCOMPARE(d.doar(Inreg::Sfarsit).size(), size_t(1));
    QCOMPARE(d.inregistrari().back().fel, Inreg::Sfarsit);

    // Every page is the page printed alone with the same margins and turn, in the order given.
    const auto tiparite = paginiInregistrate(d);
    QCOMPARE(tiparite.size(), size_t(3));
    for (size_t i = 0; i < 3; ++i) {
        auto singur = ImprimantaInregistrata::a4(600, QPageLayout::Landscape, 50, 40, 60, 70);
        singur.incepeLucrare("una");
        PrintPage(*pagini[i], singur, rotit, stanga, sus);
        const auto asteptat = singur.doar(Inreg::Text);
        QCOMPARE(tiparite[i].size(), asteptat.size());
        QCOMPARE(tiparite[i][0].text,
                 QString("Elev%1").arg(inversa ? std::vector{4, 2, 1}[i] : std::vector{1, 2, 4}[i]));
        for (size_t k = 0; k < asteptat.size(); ++k) {
            QCOMPARE(tiparite[i][k].punct, asteptat[k].punct);
            QCOMPARE(tiparite[i][k].dreptunghi, asteptat[k].dreptunghi);
            QCOMPARE(tiparite[i][k].font.inclinare, rotit ? 1800 : 0);
        }
        // The adjustment moves the fixed word half a millimetre (11.8 pixels, rounded either
        // way) on every page.
        PaginaFormular neajustata = *pagini[i];
        neajustata.arii[1].ajustare.reset();
        auto fara = ImprimantaInregistrata::a4(600, QPageLayout::Landscape, 50, 40, 60, 70);
        fara.incepeLucrare("fara");
        PrintPage(neajustata, fara, rotit, stanga, sus);
        const int deplasare = tiparite[i][1].dreptunghi.left() - fara.doar(Inreg::Text)[1].dreptunghi.left();
        QVERIFY(std::abs(std::abs(deplasare) - 11.8) < 1);
    }
}

void TestTiparireInBloc::oprireLaJumatate() {
    const PaginiLot lot = UmpleLotul(sablon(), {1, 2, 4, 5, 6}, umple);
    auto d = ImprimantaInregistrata::a4(600, QPageLayout::Landscape);
    QList<int> anuntate;
    const RezultatLot r = TiparesteLotul(adrese(lot.pagini), d, {"lot"}, [&](int i, int n) {
        anuntate << i;
        return !(i == 3 && n == 5);
    });
    QCOMPARE(anuntate, QList<int>({1, 2, 3}));
    QCOMPARE(r.tiparite, 2);
    QVERIFY(r.oprit);
    QVERIFY(!d.inLucru());
    QCOMPARE(d.inregistrari().back().fel, Inreg::Anulare);
    QVERIFY(d.doar(Inreg::Sfarsit).empty());
}

void TestTiparireInBloc::lotPdf_data() {
    QTest::addColumn<double>("stanga");
    QTest::addColumn<double>("sus");
    QTest::newRow("fara margini") << 0.0 << 0.0;
    QTest::newRow("margini") << 4.0 << 2.5;
}

void TestTiparireInBloc::lotPdf() {
    QFETCH(double, stanga);
    QFETCH(double, sus);
    MediuTest mediu;
    const PaginiLot lot = UmpleLotul(sablon(), {1, 2, 4}, umple);
    auto& pdf = imprimantaPdf();
    TiparesteLotul(adrese(lot.pagini), pdf, {"Diploma de examen national - fata", false, stanga, sus});
    const QString fisier = pdf.ultimulFisierPdf();
    QVERIFY(QFileInfo(fisier).fileName().startsWith("Diploma de examen national - fata "));
    QCOMPARE(numarPaginiPdf(fisier), 3);
    for (int i = 0; i < 3; ++i) {
        const PaginaPdf pagina = citestePdf(fisier, i + 1);
        const CuvantPdf* nume = pagina.cauta(QString("Elev%1").arg(lot.elevi[size_t(i)]));
        QVERIFY2(nume, qPrintable(QString("pagina %1").arg(i + 1)));
        // Left aligned in its area, the glyphs' bottom on the area's bottom less the descent.
        QVERIFY(std::abs(nume->xMin - (40 + stanga)) < 0.6);
        QVERIFY(nume->yMax <= 38 + sus + 0.1 && nume->yMax > 38 + sus - 2.0);
        const CuvantPdf* fix = pagina.cauta("Fix");
        QVERIFY(fix);
        QVERIFY(std::abs(fix->xMin - (40.5 + stanga)) < 0.6);
        QVERIFY(std::abs(fix->yMax - nume->yMax - 90) < 0.1);
    }
}

void TestTiparireInBloc::oprireFaraFisierPdf() {
    MediuTest mediu;
    const PaginiLot lot = UmpleLotul(sablon(), {1, 2, 4}, umple);
    auto& pdf = imprimantaPdf();
    const RezultatLot r =
        TiparesteLotul(adrese(lot.pagini), pdf, {"oprit"}, [](int i, int) { return i < 2; });
    QCOMPARE(r.tiparite, 1);
    QVERIFY(!pdf.inLucru());
    QVERIFY(QDir(ImprimantaSistem::dosarPdf()).entryList(QDir::Files).isEmpty());
}

QTEST_MAIN(TestTiparireInBloc)
#include "tst_TiparireInBloc.moc"
