// The page description and its renderer, built and linked without any widget.
#include "MediuTest.h"
#include "platform/ImprimantaInregistrata.h"
#include "printing/Milimetri.h"
#include "printing/RandarePagina.h"
#include "printing/UMachetaVardolin.h"
#include "printing/UParticularizare.h"

#include <QtTest>

using Fel = ImprimantaInregistrata::Inregistrare::Fel;

class TestPaginaFormular : public QObject {
    Q_OBJECT
private slots:
    void faraFerestre();
    void descriereDinMacheta();
    void particularizariAplicate();
    void potrivire_data();
    void potrivire();
    void potrivireaCaPasCuPas_data();
    void potrivireaCaPasCuPas();
    void randare_data();
    void randare();
};

void TestPaginaFormular::faraFerestre() {
    QVERIFY(!QCoreApplication::instance()->inherits("QApplication"));
}

void TestPaginaFormular::descriereDinMacheta() {
    const MachetaVardolin macheta = MachetaVardolin::citeste();
    for (const PaginaMacheta& p : macheta.pagini) {
        const PaginaFormular d = macheta.descriere(p);
        QCOMPARE(d.numeFormular, QString("PrintVardolin"));
        QCOMPARE(d.arii.size(), p.arii.size());
        for (size_t i = 0; i < p.arii.size(); ++i) {
            QCOMPARE(d.arii[i].nume, p.arii[i].nume);
            QCOMPARE(d.arii[i].sus, p.arii[i]._Top);
            QCOMPARE(d.arii[i].font.has_value(), macheta.font(p.arii[i].Font) != nullptr);
        }
    }
}

void TestPaginaFormular::particularizariAplicate() {
    MediuTest mediu;
    const MachetaVardolin macheta = MachetaVardolin::citeste();
    PaginaFormular pagina = macheta.descriere(macheta.pagini.front());
    const QString numeArie = pagina.arii.front().nume;
    pagina.arii.front().text = "Popescu";

    TListaParticularizareTextArea lista(mediu.cale("licenta.lic"));
    auto* rec = lista.CautaParticularizare("PrintVardolin", numeArie, true);
    rec->Aliniere = 3;
    rec->DeplasareOrizontala = -1;
    rec->NumeFont = "Dreapta";
    rec->StilBold = 1;
    rec->TextRedefinit = "Ionescu";
    // The same area under another form's name must not apply.
    lista.CautaParticularizare("AltaFereastra", pagina.arii[1].nume, true)->TextRedefinit = "X";

    macheta.aplicaParticularizarile(pagina, lista);
    const StilArie stil = StilEfectiv(pagina.arii.front());
    QCOMPARE(stil.text, QString("Ionescu"));
    QCOMPARE(stil.aliniere, AliniereArie::Dreapta);
    QCOMPARE(stil.nudgeX, -0.5);
    QVERIFY(stil.font);
    QCOMPARE(stil.font->inaltimeMm, macheta.font("Dreapta")->inaltimeMm);
    QVERIFY(stil.font->bold);
    QVERIFY(!pagina.arii[1].ajustare);
}

void TestPaginaFormular::potrivire_data() {
    QTest::addColumn<int>("pornire");
    QTest::addColumn<int>("incapeLa");
    QTest::addColumn<int>("asteptat");
    QTest::newRow("incape din prima") << 20 << 25 << 20;
    QTest::newRow("se micsoreaza") << 20 << 15 << 15;
    QTest::newRow("nu incape nici la 2") << 20 << 0 << 2;
    QTest::newRow("pornire de 1") << 1 << 0 << 1;
}

void TestPaginaFormular::potrivire() {
    QFETCH(int, pornire);
    QFETCH(int, incapeLa);
    QFETCH(int, asteptat);
    // A text ten pixels wide per pixel of cell height, in a span that holds incapeLa.
    QCOMPARE(PotrivesteInaltimea(pornire, incapeLa * 10, [](int h) { return h * 10; }), asteptat);
}

// Every area of the certificate, with a short and a long text, fits at the height that
// shrinking one pixel at a time finds, on paper and on screen.
void TestPaginaFormular::potrivireaCaPasCuPas_data() {
    QTest::addColumn<int>("dpi");
    QTest::newRow("hartie") << 600;
    QTest::newRow("ecran") << 96;
}

void TestPaginaFormular::potrivireaCaPasCuPas() {
    QFETCH(int, dpi);
    const MachetaVardolin macheta = MachetaVardolin::citeste();
    auto imprimanta = ImprimantaInregistrata::a4(dpi, QPageLayout::Landscape);
    for (const PaginaMacheta& p : macheta.pagini)
        for (const AriePagina& arie : macheta.descriere(p).arii) {
            if (!arie.font) continue;
            for (const QString& text : {arie.nume, "Alexandrescu-Popovici Ion " + arie.nume}) {
                const auto latime = [&](int h) {
                    imprimanta.creeazaFont(StilEfectiv(arie).cerere(h));
                    return imprimanta.masoaraText(text).width();
                };
                const int pornire = InaltimeDePornire(arie.font->inaltimeMm, dpi, arie.inaltime);
                const int loc = MmToPixels(arie.latime, dpi);
                int pas = pornire;
                while (latime(pas) > loc && pas > 2)
                    --pas;
                QCOMPARE(PotrivesteInaltimea(pornire, loc, latime), pas);
            }
        }
}

void TestPaginaFormular::randare_data() {
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("T");
    QTest::addColumn<bool>("rotit");
    QTest::addColumn<QRect>("taiere");
    // 600 dpi, hardware margins of 50 and 40 pixels; the area is one inch in from the corner,
    // two inches wide, a third of an inch high, and the page adds 2,54 mm at the left.
    QTest::newRow("fara margini") << 0.0 << 0.0 << false << QRect(QPoint(610, 560), QPoint(1809, 759));
    QTest::newRow("margini") << 2.54 << 1.27 << false << QRect(QPoint(670, 590), QPoint(1869, 789));
    // Turned half round about the sheet's centre: 7015 x 4960 pixels less the margins twice.
    QTest::newRow("rotit") << 0.0 << 0.0 << true << QRect(QPoint(5105, 4120), QPoint(6304, 4319));
}

void TestPaginaFormular::randare() {
    QFETCH(double, L);
    QFETCH(double, T);
    QFETCH(bool, rotit);
    QFETCH(QRect, taiere);
    PaginaFormular pagina;
    pagina.deltaStanga = 2.54;
    AriePagina arie;
    arie.nume = "FormularTextArea1";
    arie.stanga = 25.4;
    arie.sus = 25.4;
    arie.latime = 50.8;
    arie.inaltime = 25.4 / 3;
    arie.font = FontPagina{"Liberation Sans", 3.0, false, false, 238};
    arie.text = "Popescu";
    pagina.arii.push_back(arie);
    pagina.arii.push_back(AriePagina{}); // without a font: nothing is printed

    auto imprimanta = ImprimantaInregistrata::a4(600, QPageLayout::Landscape, 50, 40);
    imprimanta.incepeLucrare("test");
    PrintPage(pagina, imprimanta, rotit, L, T);
    const auto texte = imprimanta.doar(Fel::Text);
    QCOMPARE(int(texte.size()), 1);
    QCOMPARE(texte.front().dreptunghi, taiere);
    QCOMPARE(texte.front().font.inclinare, rotit ? 1800 : 0);
    // 3 mm at 600 dpi, the font's whole cell.
    QCOMPARE(texte.front().font.inaltime, 70);
}

QTEST_MAIN(TestPaginaFormular)
#include "tst_PaginaFormular.moc"
