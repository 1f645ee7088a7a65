#include "BazaTest.h"
#include "MediuTest.h"
#include "platform/Eroare.h"
#include "platform/ImprimantaSistem.h"
#include "printing/ComponenteMacheta.h"
#include "printing/FormularDePrintat.h"
#include "printing/RandarePagina.h"
#include "printing/UMachetaVardolin.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

const double mmPePunct = 25.4 / 72.0;

// A4 landscape, the sheet every side is printed on.
const QSizeF foaie(297.0, 210.0);

// The numbers "<n>" printed on the first page of a PDF with the box of each, in mm from the
// sheet's top left corner, from the characters' own boxes (neighbouring digit boxes print so
// close that word boxes would run together).
QHash<QString, QRectF> numerePdf(const QString& pdf) {
    QProcess p;
    p.start("mutool", {"draw", "-F", "stext", "-o", "-", pdf, "1"});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) throw Eroare("mutool a esuat pe " + pdf);
    const QString xml = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression pagina(R"re(<page [^>]*width="([\d.]+)" height="([\d.]+)")re");
    const auto mp = pagina.match(xml);
    if (!mp.hasMatch() || qAbs(mp.captured(1).toDouble() * mmPePunct - foaie.width()) > 0.5 ||
        qAbs(mp.captured(2).toDouble() * mmPePunct - foaie.height()) > 0.5)
        throw Eroare("pagina PDF nu este A4 culcat");
    static const QRegularExpression caracter(R"re(<char quad="([^"]+)"[^>]* c="([^"]+)"/>)re");
    QHash<QString, QRectF> numere;
    QString numar;
    QRectF caseta;
    for (auto it = caracter.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        QString c = m.captured(2);
        c.replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
        const QStringList q = m.captured(1).split(u' ');
        double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
        for (int i = 0; i + 1 < q.size(); i += 2) {
            x0 = std::min(x0, q[i].toDouble()), x1 = std::max(x1, q[i].toDouble());
            y0 = std::min(y0, q[i + 1].toDouble()), y1 = std::max(y1, q[i + 1].toDouble());
        }
        const QRectF r(QPointF(x0, y0) * mmPePunct, QPointF(x1, y1) * mmPePunct);
        if (c == "<")
            numar.clear(), caseta = r;
        else
            caseta = caseta.united(r);
        numar += c;
        if (c == ">") numere.insert(numar, caseta);
    }
    return numere;
}

QString unealta() {
    return QCoreApplication::applicationDirPath() + "/vardolin-formtool";
}

struct Rezultat {
    int cod;
    QString erori;
};

Rezultat ruleazaUnealta(const QStringList& argumente) {
    QProcess p;
    p.start(unealta(), argumente);
    if (!p.waitForFinished(120000)) return {-1, "nu s-a terminat"};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardError())};
}

// Forwards to a printer and notes the cell height of every text drawn.
class CuInaltimi : public Imprimanta {
public:
    explicit CuInaltimi(Imprimanta& d) : d_(d) {}
    std::vector<int> inaltimi;

    QStringList imprimante() const override { return d_.imprimante(); }
    int indexCurent() const override { return d_.indexCurent(); }
    void selecteaza(int index) override { d_.selecteaza(index); }
    void pregatesteSetari(const SetariDispozitiv& s) override { d_.pregatesteSetari(s); }
    void incepeLucrare(const QString& titlu) override { d_.incepeLucrare(titlu); }
    void terminaLucrare() override { d_.terminaLucrare(); }
    void paginaNoua() override { d_.paginaNoua(); }
    void anuleazaLucrare() override { d_.anuleazaLucrare(); }
    bool inLucru() const override { return d_.inLucru(); }
    ZonaTiparibila zonaTiparibila() const override { return d_.zonaTiparibila(); }
    PaginaFizica paginaFizica() const override { return d_.paginaFizica(); }
    void creeazaFont(const CerereFont& c) override {
        inaltime_ = c.inaltime;
        d_.creeazaFont(c);
    }
    QSize masoaraText(const QString& text) override { return d_.masoaraText(text); }
    void scrieText(QPoint p, const QRect& taiere, const QString& text) override {
        inaltimi.push_back(inaltime_);
        d_.scrieText(p, taiere, text);
    }
    void intindeImagine(QSvgRenderer& imagine, const QRect& r) override { d_.intindeImagine(imagine, r); }

private:
    Imprimanta& d_;
    int inaltime_ = 0;
};

// The box of the dark pixels inside a rectangle; empty without any.
QRect cerneala(const QImage& imagine, const QRect& unde) {
    QRect caseta;
    const QRect r = unde.intersected(imagine.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(imagine.pixel(x, y)) < 128) caseta |= QRect(x, y, 1, 1);
    return caseta;
}

} // namespace

class TestMachetaVardolin : public QObject {
    Q_OBJECT
    std::unique_ptr<MediuTest> mediu;
    MachetaVardolin macheta;

private slots:
    void initTestCase() {
        macheta = MachetaVardolin::citeste();
        QVERIFY2(QFileInfo::exists(unealta()), qPrintable(unealta()));
    }
    void init() { mediu = std::make_unique<MediuTest>(); }
    void cleanup() { mediu.reset(); }

    // With a damaged adjustments file the tool writes the warning to standard error, moves the
    // file aside and prints the student: no window waits for anyone.
    void uneltaScrieAvertismentulPeIesireaDeEroare() {
        mediu.reset();
        BazaTest b;
        b.executa("insert into ELEVI (ID_ELEVI) values (1)");
        b.Opreste();
        QFile lic(b.mediu().cale("licenta.lic"));
        QVERIFY(lic.open(QIODevice::WriteOnly));
        lic.write("deteriorat");
        lic.close();
        const QString pdf = b.mediu().cale("elev.pdf");
        qputenv("VARDOLIN_SETTINGS", b.mediu().cale("setari.ini").toUtf8());
        const Rezultat r = ruleazaUnealta({"pdf", "--student", "1", "--side", "fata", "--out", pdf});
        qunsetenv("VARDOLIN_SETTINGS");
        QVERIFY2(r.cod == 0, qPrintable(r.erori));
        QVERIFY2(r.erori.contains("este deteriorat"), qPrintable(r.erori));
        QVERIFY(QFileInfo::exists(pdf));
        QCOMPARE(QDir(b.mediu().dosar()).entryList({"licenta-deteriorat-*.lic"}).size(), 1);
    }

    void componenteleAuProprietatileMachetei() {
        QWidget fereastra;
        const ComponenteMacheta c = creeazaComponente(macheta, &fereastra);
        QCOMPARE(c.fonturi.size(), size_t(12));
        QCOMPARE(c.pagini.size(), size_t(2));
        QCOMPARE(c.pagina("FATA"), c.pagini[0]);
        QCOMPARE(c.pagina("FormularDePrintat2"), c.pagini[1]);
        QCOMPARE(c.pagina("Verso"), nullptr);
        QCOMPARE(fereastra.findChildren<TFormularTextArea*>().size(), 168);
        for (size_t i = 0; i < c.pagini.size(); ++i) {
            const PaginaMacheta& pm = macheta.pagini[i];
            TFormularDePrintat* p = c.pagini[i];
            QCOMPARE(p->objectName(), pm.nume);
            QCOMPARE(p->Zoom(), pm.Zoom);
            QVERIFY(!p->seIncarca());
            QCOMPARE(p->BkImage().size(), QImage(pm.BkImage).size());
            QVERIFY(!p->BkImage().isNull());
            const QList<TFormularTextArea*> zone = p->zone();
            QCOMPARE(zone.size(), qsizetype(pm.arii.size()));
            for (qsizetype k = 0; k < zone.size(); ++k) {
                const ArieMacheta& am = pm.arii[size_t(k)];
                TFormularTextArea* z = zone[k];
                QCOMPARE(z->objectName(), am.nume);
                QCOMPARE(z->Denumire1(), am.Denumire1);
                QCOMPARE(z->Denumire2(), am.Denumire2);
                QCOMPARE(z->Denumire3(), am.Denumire3);
                QCOMPARE(z->_Left(), am._Left);
                QCOMPARE(z->_Height(), am._Height);
                QCOMPARE(z->ZoomLock(), 200.0);
                QVERIFY(z->Font());
                QCOMPARE(z->Font()->objectName(), am.Font);
                QCOMPARE(int(z->Alignment()),
                         int(am.Alignment == AliniereMacheta::Centru    ? TFormularTextArea::taCenter
                             : am.Alignment == AliniereMacheta::Dreapta ? TFormularTextArea::taRightJustify
                                                                        : TFormularTextArea::taLeftJustify));
                // Laid out from the millimetres at the page's stored zoom.
                const double dpi = p->rezolutie();
                QCOMPARE(z->geometry(), QRect(MmToPixels(am._Left, dpi), MmToPixels(am._Top, dpi),
                                              MmToPixels(am._Width, dpi), MmToPixels(am._Height, dpi)));
            }
        }
        int cuDreaptaBold = 0;
        for (const PaginaMacheta& pm : macheta.pagini)
            cuDreaptaBold += int(std::count_if(pm.arii.begin(), pm.arii.end(), [](const ArieMacheta& a) {
                return a.Font == u"DREAPTA_BOLD";
            }));
        QCOMPARE(int(c.font("DREAPTA_BOLD")->zone().size()), cuDreaptaBold);
        QVERIFY(c.font("stanga_nume")->zone().empty());
    }

    void geometriaDeLaZoom() {
        QWidget fereastra;
        const ComponenteMacheta c = creeazaComponente(macheta, &fereastra);
        TFormularDePrintat* fata = c.pagina("FATA");
        TFormularDePrintat* verso = c.pagina("SPATE");
        QCOMPARE(fata->size(), QSize(1180, 833));
        QCOMPARE(verso->size(), QSize(2345, 1669));
        QCOMPARE(fata->TextAreaByNumber(1)->geometry(), QRect(140, 278, 202, 17));
        // The user's zoom changes leave the millimetres where they were.
        fata->setZoom(173);
        fata->setZoom(100);
        QCOMPARE(fata->TextAreaByNumber(1)->geometry(), QRect(140, 278, 202, 17));
        QCOMPARE(fata->TextAreaByNumber(1)->_Top(), 69.9580436697015);
        // The back page, stored at zoom 200, lays its areas out again at 100.
        verso->setZoom(100);
        QCOMPARE(verso->size(),
                 QSize(MmToPixels(295.148, RezolutieEcran(100)), MmToPixels(210.058, RezolutieEcran(100))));
        const ArieMacheta* a57 = macheta.pagina("SPATE")->arie("FormularTextArea57");
        const double dpi = RezolutieEcran(100);
        QCOMPARE(verso->TextAreaByNumber(57)->geometry(),
                 QRect(MmToPixels(a57->_Left, dpi), MmToPixels(a57->_Top, dpi), MmToPixels(a57->_Width, dpi),
                       MmToPixels(a57->_Height, dpi)));
        QCOMPARE(verso->TextAreaByNumber(57)->geometry(), QRect(184, 33, 479, 17));
    }

    void pngAreMarimeaPaginii_data() {
        QTest::addColumn<QString>("parte");
        QTest::addColumn<QString>("zoom");
        QTest::addColumn<QSize>("marime");
        QTest::newRow("fata 100") << "fata"
                                  << "100" << QSize(1180, 833);
        QTest::newRow("verso 200") << "verso"
                                   << "200" << QSize(2345, 1669);
        QTest::newRow("fata 37.5") << "fata"
                                   << "37.5"
                                   << QSize(MmToPixels(297, RezolutieEcran(37.5)),
                                            MmToPixels(209.73, RezolutieEcran(37.5)));
    }
    void pngAreMarimeaPaginii() {
        QFETCH(QString, parte);
        QFETCH(QString, zoom);
        QFETCH(QSize, marime);
        const QString png = mediu->cale("pagina.png");
        const Rezultat r =
            ruleazaUnealta({"png", "--side", parte, "--zoom", zoom, "--out", png, "--numbers"});
        QVERIFY2(r.cod == 0, qPrintable(r.erori));
        const QImage imagine(png);
        QCOMPARE(imagine.size(), marime);
        // The blank form is under the areas: the picture is not a plain white page.
        const QImage mic = imagine.scaled(40, 30);
        int neAlbi = 0;
        for (int y = 0; y < mic.height(); ++y)
            for (int x = 0; x < mic.width(); ++x)
                neAlbi += mic.pixelColor(x, y) != QColor(Qt::white);
        QVERIFY(neAlbi > 600);
    }

    void argumenteGresiteDauEroare_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("fara comanda") << QStringList() << "Lipseste comanda";
        QTest::newRow("comanda necunoscuta") << QStringList{"svg", "--side", "fata"} << "Comanda necunoscuta";
        QTest::newRow("parte gresita") << QStringList{"png", "--side", "spate", "--out", "x.png"} << "--side";
        QTest::newRow("fara iesire") << QStringList{"pdf", "--side", "fata"} << "Lipseste --out";
        QTest::newRow("zoom gresit") << QStringList{"png", "--side", "fata", "--zoom",
                                                    "1o0", "--out",  "x.png"}
                                     << "nu este un numar";
        QTest::newRow("zoom negativ")
            << QStringList{"png", "--side", "fata", "--zoom", "-5", "--out", "x.png"} << "--zoom";
        QTest::newRow("margine fara valoare")
            << QStringList{"pdf", "--side", "fata", "--out", "x.pdf", "--left"} << "Lipseste valoarea";
        QTest::newRow("rotire la png")
            << QStringList{"png", "--side", "fata", "--out", "x.png", "--rotate"} << "doar cu pdf";
        QTest::newRow("dosar inexistent")
            << QStringList{"png", "--side", "fata", "--out", "/nu/exista/x.png"} << "Nu pot scrie";
    }
    void argumenteGresiteDauEroare() {
        QFETCH(QStringList, argumente);
        QFETCH(QString, mesaj);
        const Rezultat r = ruleazaUnealta(argumente);
        QVERIFY(r.cod != 0);
        QVERIFY2(r.erori.contains(mesaj), qPrintable(r.erori));
    }

    // Every numbered area of a side printed through the PDF printer lies where its
    // millimetres say, aligned as the area says, with the margins and with the turn.
    void pdfPuneFiecareArieLaLoculEi_data() {
        QTest::addColumn<QString>("parte");
        QTest::addColumn<double>("stanga");
        QTest::addColumn<double>("sus");
        QTest::addColumn<bool>("rotit");
        QTest::newRow("fata") << "fata" << 0.0 << 0.0 << false;
        QTest::newRow("fata cu margini") << "fata" << 3.5 << -2.25 << false;
        QTest::newRow("fata rotita") << "fata" << 0.0 << 0.0 << true;
        QTest::newRow("verso") << "verso" << 0.0 << 0.0 << false;
        QTest::newRow("verso rotit cu margini") << "verso" << -1.75 << 4.0 << true;
    }
    void pdfPuneFiecareArieLaLoculEi() {
        QFETCH(QString, parte);
        QFETCH(double, stanga);
        QFETCH(double, sus);
        QFETCH(bool, rotit);
        const QString pdf = mediu->cale("pagina.pdf");
        QStringList argumente{"pdf",    "--side",
                              parte,    "--out",
                              pdf,      "--numbers",
                              "--left", QString::number(stanga),
                              "--top",  QString::number(sus)};
        if (rotit) argumente << "--rotate";
        const Rezultat r = ruleazaUnealta(argumente);
        QVERIFY2(r.cod == 0, qPrintable(r.erori));
        QVERIFY2(QDir(mediu->cale("PDF")).isEmpty(), "fisierul a ramas in dosarul imprimantei");

        const QHash<QString, QRectF> numere = numerePdf(pdf);
        // The turn is about the centre of the sheet as the printer reports it, in whole device pixels.
        ImprimantaSistem& imprimanta = ImprimantaSistem::instanta();
        imprimanta.selecteaza(imprimanta.indexImprimantaPdf());
        imprimanta.pregatesteSetari({});
        const PaginaFizica fizica = imprimanta.paginaFizica();
        const double mmPePixel = 25.4 / ImprimantaSistem::rezolutiePdf;
        const QSizeF centruDublu(fizica.latime * mmPePixel, fizica.inaltime * mmPePixel);
        const PaginaMacheta* pm = macheta.pagina(parte == "fata" ? "FATA" : "SPATE");
        const double tol = 0.1;
        for (const ArieMacheta& a : pm->arii) {
            const QString text = QString("<%1>").arg(a.numar());
            QVERIFY2(numere.contains(text), qPrintable(text));
            QRectF c = numere[text];
            // Turned by 180 degrees about the sheet's centre, the box comes back by the same turn.
            if (rotit)
                c = QRectF(QPointF(centruDublu.width() - c.right(), centruDublu.height() - c.bottom()),
                           c.size());
            const QRectF arie(a._Left + stanga, a._Top + sus, a._Width, a._Height);
            const double asteptatX = a.Alignment == AliniereMacheta::Stanga ? arie.left()
                                     : a.Alignment == AliniereMacheta::Dreapta
                                         ? arie.right() - c.width()
                                         : arie.left() + (arie.width() - c.width()) / 2;
            const QString unde = QString("%1: caseta (%2, %3)-(%4, %5) mm, aria (%6, %7)-(%8, %9) mm")
                                     .arg(text)
                                     .arg(c.left(), 0, 'f', 3)
                                     .arg(c.top(), 0, 'f', 3)
                                     .arg(c.right(), 0, 'f', 3)
                                     .arg(c.bottom(), 0, 'f', 3)
                                     .arg(arie.left())
                                     .arg(arie.top())
                                     .arg(arie.right())
                                     .arg(arie.bottom());
            QVERIFY2(qAbs(c.left() - asteptatX) <= tol, qPrintable(unde));
            QVERIFY2(c.width() <= arie.width() + tol, qPrintable(unde));
            // The character cell sits on the area's bottom edge and is never taller than the area.
            QVERIFY2(qAbs(c.bottom() - arie.bottom()) <= tol, qPrintable(unde));
            QVERIFY2(c.height() <= arie.height() + tol, qPrintable(unde));
        }
    }
    // What the preview shows is what paper prints. At zoom 100 and 200 every area's text fits
    // at the cell height paper chose, scaled to the screen and taken down to its whole pixels
    // (never below the preview's 2), within one pixel; and its ink stands where the PDF's does,
    // drawn at the preview's resolution: the aligned edge (or the middle) and the foot within
    // one pixel and a half. Areas that overlap are compared in separate passes.
    void previzualizareaCaHartia_data() {
        QTest::addColumn<int>("latura");
        QTest::addColumn<double>("zoom");
        for (const int latura : {0, 1})
            for (const double zoom : {100.0, 200.0})
                QTest::addRow("%s zoom %d", latura ? "verso" : "fata", int(zoom)) << latura << zoom;
    }
    void previzualizareaCaHartia() {
        QFETCH(int, latura);
        QFETCH(double, zoom);
        QWidget fereastra;
        const ComponenteMacheta componente = creeazaComponente(macheta, &fereastra);
        TFormularDePrintat* pagina = componente.pagini[size_t(latura)];
        pagina->setBkImage(QImage());
        pagina->NumberTextAreas();
        pagina->setZoom(zoom);
        const QList<TFormularTextArea*> zone = pagina->zone();
        QStringList texte;
        for (TFormularTextArea* z : zone)
            texte << "Alexandrescu-Popovici " + z->Text();
        const double dpi = pagina->rezolutie();
        ImprimantaSistem& sistem = ImprimantaSistem::instanta();
        sistem.selecteaza(sistem.indexImprimantaPdf());
        sistem.pregatesteSetari({});

        std::vector<QList<qsizetype>> treceri;
        for (qsizetype i = 0; i < zone.size(); ++i) {
            const auto seAtinge = [&](qsizetype j) {
                return zone[i]->geometry().intersects(zone[j]->geometry());
            };
            auto t = std::find_if(treceri.begin(), treceri.end(), [&](const QList<qsizetype>& l) {
                return std::none_of(l.begin(), l.end(), seAtinge);
            });
            if (t == treceri.end()) t = treceri.emplace(treceri.end());
            t->append(i);
        }
        for (const QList<qsizetype>& trecere : treceri) {
            for (qsizetype i = 0; i < zone.size(); ++i)
                zone[i]->setText(trecere.contains(i) ? texte[i] : QString());
            QImage ecran(pagina->size(), QImage::Format_RGB32);
            pagina->render(&ecran);
            PaginaFormular descriere = pagina->Descriere();
            descriere.deltaStanga = descriere.deltaSus = 0;
            CuInaltimi hartie(sistem);
            hartie.incepeLucrare("Vardolin");
            PrintPage(descriere, hartie, false, 0, 0);
            hartie.terminaLucrare();
            const QString png = mediu->cale("pagina");
            QProcess::execute("pdftoppm", {"-r", QString::number(dpi, 'f', 6), "-f", "1", "-l", "1",
                                           "-singlefile", "-png", sistem.ultimulFisierPdf(), png});
            const QImage tiparit(png + ".png");
            QVERIFY(!tiparit.isNull());

            size_t k = 0;
            for (qsizetype i = 0; i < zone.size(); ++i) {
                const AriePagina& arie = descriere.arii[size_t(i)];
                if (!arie.font) continue;
                const int peHartie = hartie.inaltimi.at(k++);
                if (!trecere.contains(i)) continue;
                const TFormularTextArea& z = *zone[i];
                const int peEcran = std::min(z.inaltimeFontEcran(), MmToPixels(arie.inaltime, dpi));
                const int asteptat = std::max(2, int(peHartie * dpi / ImprimantaSistem::rezolutiePdf));
                QVERIFY2(
                    qAbs(peEcran - asteptat) <= 1,
                    qPrintable(
                        QString("%1: ecran %2 px, hartie %3 px").arg(arie.nume).arg(peEcran).arg(asteptat)));

                // A text shrunk past legibility leaves only a smudge of grey: its cell height is all.
                if (asteptat < 8) continue;
                const QRect e = cerneala(ecran, z.geometry()), t = cerneala(tiparit, z.geometry());
                QVERIFY2(e.isNull() == t.isNull(),
                         qPrintable(QString("%1: cerneala pe ecran %2, pe hartie %3, %4 px")
                                        .arg(arie.nume)
                                        .arg(!e.isNull())
                                        .arg(!t.isNull())
                                        .arg(peHartie * dpi / ImprimantaSistem::rezolutiePdf)));
                if (e.isNull()) continue;
                const AliniereArie aliniere = StilEfectiv(arie).aliniere;
                const auto ancora = [&](const QRect& r) {
                    return aliniere == AliniereArie::Stanga    ? 2 * r.left()
                           : aliniere == AliniereArie::Dreapta ? 2 * r.right()
                                                               : r.left() + r.right();
                };
                QVERIFY2(qAbs(ancora(e) - ancora(t)) <= 3 && qAbs(e.bottom() - t.bottom()) <= 1,
                         qPrintable(QString("%1: ecran (%2,%3)-(%4,%5), hartie (%6,%7)-(%8,%9) px")
                                        .arg(arie.nume)
                                        .arg(e.left())
                                        .arg(e.top())
                                        .arg(e.right())
                                        .arg(e.bottom())
                                        .arg(t.left())
                                        .arg(t.top())
                                        .arg(t.right())
                                        .arg(t.bottom())));
            }
        }
    }
};

QTEST_MAIN(TestMachetaVardolin)
#include "tst_MachetaVardolin.moc"
