#include "MediuTest.h"
#include "platform/Cai.h"
#include "platform/Eroare.h"
#include "platform/ImprimantaFont.h"
#include "platform/ImprimantaInregistrata.h"
#include "platform/ImprimantaSistem.h"
#include "CutiiPdf.h"

#include <QFontInfo>
#include <QImage>
#include <QSvgRenderer>
#include <QtTest>
#include <memory>

namespace {
constexpr double mmPePixel = 25.4 / ImprimantaSistem::rezolutiePdf;

ImprimantaSistem& imprimantaPdf(QPageLayout::Orientation orientare = QPageLayout::Landscape) {
    auto& sistem = ImprimantaSistem::instanta();
    sistem.selecteaza(sistem.indexImprimantaPdf());
    SetariDispozitiv setari;
    setari.orientare = orientare;
    sistem.pregatesteSetari(setari);
    return sistem;
}

// A page rendered by poppler, grey, at the given resolution.
QImage randeaza(const QString& pdf, int dpi) {
    QTemporaryDir dosar;
    const QString baza = dosar.filePath("pagina");
    QProcess::execute("pdftoppm", {"-gray", "-r", QString::number(dpi), "-singlefile", "-png", pdf, baza});
    return QImage(baza + ".png");
}
} // namespace

class TestImprimanta : public QObject {
    Q_OBJECT

private slots:
    void fontDupaCelula_data();
    void fontDupaCelula();
    void lista();
    void figurilePdf_data();
    void figurilePdf();
    void figurileInregistrate_data();
    void figurileInregistrate();
    void fisierePdf();
    void dosarPdfImposibil();
    void textInPdf_data();
    void textInPdf();
    void masurareaInregistrataEsteCeaReala();
    void imagineIntinsa();

private:
    std::unique_ptr<MediuTest> mediu_ = std::make_unique<MediuTest>();
};

void TestImprimanta::fontDupaCelula_data() {
    QTest::addColumn<QString>("nume");
    QTest::addColumn<int>("inaltime");
    QTest::addColumn<int>("greutate");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QString>("familie");
    for (int h : {2, 9, 17, 47, 118, 135})
        QTest::addRow("Arial %d", h) << "Arial" << h << 400 << false << "Liberation Sans";
    QTest::newRow("Arial bold") << "Arial" << 111 << 700 << false << "Liberation Sans";
    QTest::newRow("Arial italic") << "Arial" << 94 << 400 << true << "Liberation Sans";
    QTest::newRow("Times") << "Times New Roman" << 60 << 400 << false << "Liberation Serif";
}

void TestImprimanta::fontDupaCelula() {
    QFETCH(QString, nume);
    QFETCH(int, inaltime);
    QFETCH(int, greutate);
    QFETCH(bool, italic);
    QFETCH(QString, familie);
    const CerereFont cerere{nume, inaltime, greutate, italic, 238, 0};
    QImage ecran(10, 10, QImage::Format_RGB32);
    for (const QPaintDevice* dispozitiv :
         {static_cast<const QPaintDevice*>(nullptr), static_cast<const QPaintDevice*>(&ecran)}) {
        const QFont font = ::fontDupaCelula(cerere, dispozitiv);
        const QFontInfo info(font);
        QCOMPARE(info.family(), familie);
        QCOMPARE(info.bold(), greutate == 700);
        QCOMPARE(info.italic(), italic);
        // The tallest whole pixel size whose cell is not taller than asked.
        const QFontMetrics m(font);
        QVERIFY(m.ascent() + m.descent() <= inaltime);
        QFont mai_mare = font;
        mai_mare.setPixelSize(font.pixelSize() + 1);
        const QFontMetrics mm(mai_mare);
        QVERIFY(mm.ascent() + mm.descent() > inaltime || font.pixelSize() == 1);
    }
}

void TestImprimanta::lista() {
    auto& sistem = ImprimantaSistem::instanta();
    const QStringList nume = sistem.imprimante();
    QCOMPARE(nume.last(), QString("Fisier PDF"));
    QCOMPARE(sistem.indexImprimantaPdf(), nume.size() - 1);
    sistem.selecteaza(sistem.indexImprimantaPdf());
    for (int gresit : {-1, int(nume.size())}) {
        try {
            sistem.selecteaza(gresit);
            QFAIL("an index outside the list was accepted");
        } catch (const Eroare& e) {
            QCOMPARE(e.text(), QString("Imprimanta cu numarul %1 nu exista.").arg(gresit));
        }
        QCOMPARE(sistem.indexCurent(), sistem.indexImprimantaPdf());
    }
    QCOMPARE(&imprimanta(), static_cast<Imprimanta*>(&sistem));
    auto inregistrata = ImprimantaInregistrata::a4(300, QPageLayout::Portrait);
    instaleazaImprimanta(&inregistrata);
    QCOMPARE(&imprimanta(), static_cast<Imprimanta*>(&inregistrata));
    instaleazaImprimanta(nullptr);
    QCOMPARE(&imprimanta(), static_cast<Imprimanta*>(&sistem));
}

void TestImprimanta::figurilePdf_data() {
    QTest::addColumn<int>("orientare");
    QTest::addColumn<double>("latimeMm");
    QTest::addColumn<double>("inaltimeMm");
    QTest::newRow("landscape") << int(QPageLayout::Landscape) << 297.0 << 210.0;
    QTest::newRow("portrait") << int(QPageLayout::Portrait) << 210.0 << 297.0;
}

void TestImprimanta::figurilePdf() {
    QFETCH(int, orientare);
    QFETCH(double, latimeMm);
    QFETCH(double, inaltimeMm);
    auto& sistem = imprimantaPdf(QPageLayout::Orientation(orientare));
    const PaginaFizica foaie = sistem.paginaFizica();
    const ZonaTiparibila zona = sistem.zonaTiparibila();
    // The sheet within a point of A4, in the same units as the printable area.
    QVERIFY(std::abs(foaie.latime * mmPePixel - latimeMm) < 0.36);
    QVERIFY(std::abs(foaie.inaltime * mmPePixel - inaltimeMm) < 0.36);
    QCOMPARE(foaie.offsetX, 0);
    QCOMPARE(foaie.offsetY, 0);
    QCOMPARE(zona.horzRes, foaie.latime - foaie.offsetX);
    QCOMPARE(zona.vertRes, foaie.inaltime - foaie.offsetY);
    QCOMPARE(zona.horzRes / zona.horzSize, 600 / 25.4);
    QCOMPARE(zona.vertRes / zona.vertSize, 600 / 25.4);
    // The PDF page says the same.
    sistem.incepeLucrare("figuri");
    sistem.creeazaFont({"Arial", 100});
    sistem.scrieText({100, 100}, QRect(0, 0, foaie.latime, foaie.inaltime), "figuri");
    sistem.terminaLucrare();
    const PaginaPdf pdf = citestePdf(sistem.ultimulFisierPdf());
    QVERIFY(std::abs(pdf.latime - foaie.latime * mmPePixel) < 0.05);
    QVERIFY(std::abs(pdf.inaltime - foaie.inaltime * mmPePixel) < 0.05);
}

void TestImprimanta::figurileInregistrate_data() {
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("orientare");
    QTest::addColumn<QSize>("foaie");
    QTest::newRow("600 landscape") << 600 << int(QPageLayout::Landscape) << QSize(7015, 4960);
    QTest::newRow("600 portrait") << 600 << int(QPageLayout::Portrait) << QSize(4960, 7015);
    QTest::newRow("300 landscape") << 300 << int(QPageLayout::Landscape) << QSize(3507, 2480);
}

void TestImprimanta::figurileInregistrate() {
    QFETCH(int, dpi);
    QFETCH(int, orientare);
    QFETCH(QSize, foaie);
    const auto d = ImprimantaInregistrata::a4(dpi, QPageLayout::Orientation(orientare), 101, 99, 97, 130);
    QCOMPARE(QSize(d.paginaFizica().latime, d.paginaFizica().inaltime), foaie);
    QCOMPARE(d.zonaTiparibila().horzRes, foaie.width() - 101 - 97);
    QCOMPARE(d.zonaTiparibila().vertRes, foaie.height() - 99 - 130);
    QVERIFY(std::abs(d.zonaTiparibila().horzRes / d.zonaTiparibila().horzSize - dpi / 25.4) < 1e-9);
}

void TestImprimanta::fisierePdf() {
    auto& sistem = imprimantaPdf();
    QStringList fisiere;
    for (int i = 0; i < 2; ++i) {
        sistem.incepeLucrare("Diploma: fata/verso");
        QVERIFY(sistem.inLucru());
        sistem.terminaLucrare();
        QVERIFY(!sistem.inLucru());
        sistem.terminaLucrare(); // harmless without a job
        fisiere << sistem.ultimulFisierPdf();
    }
    QVERIFY(fisiere[0] != fisiere[1]);
    for (const QString& f : fisiere) {
        const QFileInfo info(f);
        QVERIFY2(info.exists() && info.size() > 0, qPrintable(f));
        QCOMPARE(info.absolutePath(), QFileInfo(Cai::inDosarDate("PDF")).absoluteFilePath());
        QVERIFY2(info.fileName().startsWith("Diploma_ fata_verso 20"), qPrintable(info.fileName()));
        QCOMPARE(info.suffix(), QString("pdf"));
    }
}

void TestImprimanta::dosarPdfImposibil() {
    auto& sistem = imprimantaPdf();
    // The data folder is a file: no PDF folder can be made in it.
    const QString fisier = mediu_->cale("nu-e-dosar");
    QFile(fisier).open(QIODevice::WriteOnly);
    const QByteArray vechi = qgetenv("VARDOLIN_DATA_DIR");
    qputenv("VARDOLIN_DATA_DIR", fisier.toUtf8());
    bool esuat = false;
    try {
        sistem.incepeLucrare("imposibil");
    } catch (const Eroare& e) {
        esuat = e.text().startsWith("Nu pot crea dosarul");
    }
    qputenv("VARDOLIN_DATA_DIR", vechi);
    QVERIFY(esuat);
    QVERIFY(!sistem.inLucru());
}

void TestImprimanta::textInPdf_data() {
    QTest::addColumn<int>("inclinare");
    QTest::addColumn<QPoint>("punct");
    QTest::newRow("drept") << 0 << QPoint(1200, 900);
    QTest::newRow("intors") << 1800 << QPoint(5000, 3000);
}

void TestImprimanta::textInPdf() {
    QFETCH(int, inclinare);
    QFETCH(QPoint, punct);
    auto& sistem = imprimantaPdf();
    sistem.incepeLucrare("text");
    sistem.creeazaFont({"Arial", 118, 400, false, 238, inclinare});
    const QSize masura = sistem.masoaraText("Vardolin");
    QVERIFY(masura.height() <= 118 && masura.height() >= 117);
    const QRect tot(0, 0, 8000, 6000);
    sistem.scrieText(punct, tot, "Vardolin");
    // Cut away completely by its rectangle: nothing of it shows.
    sistem.scrieText(punct + QPoint(0, 600), QRect(0, 0, 10, 10), "Ascuns");
    sistem.terminaLucrare();

    const PaginaPdf pdf = citestePdf(sistem.ultimulFisierPdf());
    const CuvantPdf* c = pdf.cauta("Vardolin");
    QVERIFY(c);
    // The cell from the point, rightwards and down; turned, leftwards and up.
    const QPointF p = QPointF(punct) * mmPePixel;
    const double w = masura.width() * mmPePixel, h = masura.height() * mmPePixel;
    const QRectF asteptat = inclinare == 0 ? QRectF(p.x(), p.y(), w, h) : QRectF(p.x() - w, p.y() - h, w, h);
    const QString unde = QString("%1,%2 - %3,%4").arg(c->xMin).arg(c->yMin).arg(c->xMax).arg(c->yMax);
    QVERIFY2(std::abs(c->xMin - asteptat.left()) < 0.1, qPrintable(unde));
    QVERIFY2(std::abs(c->xMax - asteptat.right()) < 0.1, qPrintable(unde));
    QVERIFY2(std::abs(c->yMin - asteptat.top()) < 0.1, qPrintable(unde));
    QVERIFY2(std::abs(c->yMax - asteptat.bottom()) < 0.1, qPrintable(unde));
    // The hidden text left no ink anywhere around its cell.
    const QImage imagine = randeaza(sistem.ultimulFisierPdf(), 50);
    const QPoint ascuns = punct + QPoint(0, 600);
    const QRect celula =
        inclinare == 0 ? QRect(ascuns, QSize(500, 118)) : QRect(ascuns - QPoint(500, 118), QSize(500, 118));
    int cerneala = 0;
    for (int y = celula.top(); y <= celula.bottom(); y += 6)
        for (int x = celula.left(); x <= celula.right(); x += 6)
            cerneala += qGray(imagine.pixel(x * 50 / 600, y * 50 / 600)) < 200;
    QCOMPARE(cerneala, 0);
    // The visible one did.
    for (int x = c->xMin / 25.4 * 50; x < c->xMax / 25.4 * 50; ++x)
        cerneala += qGray(imagine.pixel(x, (c->yMin + c->yMax) / 2 / 25.4 * 50)) < 200;
    QVERIFY(cerneala > 0);
}

void TestImprimanta::masurareaInregistrataEsteCeaReala() {
    auto& sistem = imprimantaPdf();
    auto inregistrata = ImprimantaInregistrata::a4(600, QPageLayout::Landscape);
    for (int h : {17, 50, 135}) {
        const CerereFont cerere{"Arial", h, 700, false, 238, 0};
        sistem.creeazaFont(cerere);
        inregistrata.creeazaFont(cerere);
        QCOMPARE(inregistrata.masoaraText("Ştefănescu Ţara"), sistem.masoaraText("Ştefănescu Ţara"));
    }
}

void TestImprimanta::imagineIntinsa() {
    QSvgRenderer svg(QByteArray(R"x(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="20">
        <rect x="0" y="0" width="10" height="20" fill="black"/></svg>)x"));
    QVERIFY(svg.isValid());
    auto& sistem = imprimantaPdf(QPageLayout::Portrait);
    sistem.incepeLucrare("imagine");
    sistem.intindeImagine(svg, QRect(600, 1200, 1800, 600));
    sistem.terminaLucrare();
    const QImage imagine = randeaza(sistem.ultimulFisierPdf(), 60); // 10 device pixels per pixel
    QCOMPARE(qGray(imagine.pixel(150, 150)), 0);
    QCOMPARE(qGray(imagine.pixel(65, 125)), 0);
    QCOMPARE(qGray(imagine.pixel(235, 175)), 0);
    QCOMPARE(qGray(imagine.pixel(55, 150)), 255);
    QCOMPARE(qGray(imagine.pixel(245, 150)), 255);
    QCOMPARE(qGray(imagine.pixel(150, 115)), 255);
    QCOMPARE(qGray(imagine.pixel(150, 185)), 255);

    auto inregistrata = ImprimantaInregistrata::a4(600, QPageLayout::Portrait);
    inregistrata.intindeImagine(svg, QRect(1, 2, 3, 4));
    QCOMPARE(inregistrata.doar(ImprimantaInregistrata::Inregistrare::Imagine).front().dreptunghi,
             QRect(1, 2, 3, 4));
}

QTEST_MAIN(TestImprimanta)
#include "tst_Imprimanta.moc"
