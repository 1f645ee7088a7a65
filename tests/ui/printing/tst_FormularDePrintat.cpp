#include "MediuTest.h"
#include "platform/ImprimantaFont.h"
#include "platform/ImprimantaInregistrata.h"
#include "platform/ImprimantaSistem.h"
#include "printing/FormularDePrintat.h"
#include "CutiiPdf.h"

#include <QPainter>
#include <QtTest>
#include <memory>

using Fel = ImprimantaInregistrata::Inregistrare::Fel;

namespace {
// An area laid out on the page from its millimetres.
TFormularTextArea* zona(TFormularDePrintat& pagina, const QString& nume, QRectF mm, TFontFormular* font,
                        const QString& text = {},
                        TFormularTextArea::TAlignment aliniere = TFormularTextArea::taLeftJustify) {
    auto* z = new TFormularTextArea(&pagina);
    z->setObjectName(nume);
    z->set_Left(mm.left());
    z->set_Top(mm.top());
    z->set_Width(mm.width());
    z->set_Height(mm.height());
    z->setFontFormular(font);
    z->setText(text);
    z->setAlignment(aliniere);
    z->ApplyGeometry();
    return z;
}

// The millimetres a pixel count at zoom 200 stands for, as edits at that zoom store them.
double mmLa200(int px) {
    return PixelsToMm(px, RezolutieEcran(200));
}

// Counts the paints a widget receives.
class NumaratorDesene : public QObject {
public:
    explicit NumaratorDesene(QWidget* w) { w->installEventFilter(this); }
    int desene = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++desene;
        return false;
    }
};
} // namespace

class TestFormularDePrintat : public QObject {
    Q_OBJECT

private slots:
    void conversii_data();
    void conversii();
    void marimeaPaginii_data();
    void marimeaPaginii();
    void zonaUrmeazaZoomul_data();
    void zonaUrmeazaZoomul();
    void zoomNeschimbatNuFaceNimic();
    void editareaPixelilor_data();
    void editareaPixelilor();
    void redimensionareaIntarziataNuEsteEditare();
    void incarcareaPastreazaLimitele();
    void numerotarea_data();
    void numerotarea();
    void computePrintRect_data();
    void computePrintRect();
    void intoarcereaLa180_data();
    void intoarcereaLa180();
    void micsorareaPePagina_data();
    void micsorareaPePagina();
    void micsorareaPeEcran();
    void fontulNuDepasesteZona_data();
    void fontulNuDepasesteZona();
    void ajustarea_data();
    void ajustarea();
    void viataFontului();
    void desenPeEcran();
    void zoomulRamaneInMargini_data();
    void zoomulRamaneInMargini();
    void tiparireInPdf_data();
    void tiparireInPdf();

private:
    std::unique_ptr<MediuTest> mediu_ = std::make_unique<MediuTest>();
};

void TestFormularDePrintat::conversii_data() {
    QTest::addColumn<double>("mm");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("px");
    QTest::newRow("latime fata") << 297.0 << 100.0 << 1180;
    QTest::newRow("inaltime fata") << 209.73 << 100.0 << 833;
    QTest::newRow("latime verso") << 295.148 << 200.0 << 2345;
    QTest::newRow("inaltime verso") << 210.058 << 200.0 << 1669;
    // Plain double arithmetic gives 277.99999999999994 here.
    QTest::newRow("intreg exact") << 69.9580436697015 << 100.0 << 278;
    QTest::newRow("zero") << 0.0 << 100.0 << 0;
    QTest::newRow("negativ trunchiat spre zero") << -1.3 << 100.0 << -5;
}

void TestFormularDePrintat::conversii() {
    QFETCH(double, mm);
    QFETCH(double, zoom);
    QFETCH(int, px);
    QCOMPARE(MmToPixels(mm, RezolutieEcran(zoom)), px);
    // Back and forth at the same resolution loses nothing more than the truncation.
    QCOMPARE(MmToPixels(PixelsToMm(px, RezolutieEcran(zoom)), RezolutieEcran(zoom)), px);
}

void TestFormularDePrintat::marimeaPaginii_data() {
    QTest::addColumn<double>("latime");
    QTest::addColumn<double>("inaltime");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QSize>("marime");
    QTest::newRow("fata la 100") << 297.0 << 209.73 << 100.0 << QSize(1180, 833);
    QTest::newRow("verso la 200") << 295.148 << 210.058 << 200.0 << QSize(2345, 1669);
    QTest::newRow("dupa creare") << 10.0 << 10.0 << 100.0 << QSize(39, 39);
}

void TestFormularDePrintat::marimeaPaginii() {
    QFETCH(double, latime);
    QFETCH(double, inaltime);
    QFETCH(double, zoom);
    QFETCH(QSize, marime);
    TFormularDePrintat pagina;
    pagina.setZoom(zoom);
    pagina.setLatime(latime);
    pagina.setInaltime(inaltime);
    QCOMPARE(pagina.size(), marime);
    // No other size sticks.
    pagina.resize(50, 50);
    QCOMPARE(pagina.size(), marime);
}

void TestFormularDePrintat::zonaUrmeazaZoomul_data() {
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QRect>("pixeli");
    QTest::newRow("100") << 100.0 << QRect(140, 278, 202, 17);
    QTest::newRow("200") << 200.0 << QRect(280, 556, 404, 35);
    QTest::newRow("133,1") << 133.1 << QRect(186, 370, 268, 23);
}

void TestFormularDePrintat::zonaUrmeazaZoomul() {
    QFETCH(double, zoom);
    QFETCH(QRect, pixeli);
    TFormularDePrintat pagina;
    pagina.setLatime(297);
    pagina.setInaltime(209.73);
    TFontFormular font;
    auto* z = zona(pagina, "FormularTextArea1", QRectF(mmLa200(280), mmLa200(556), mmLa200(404), mmLa200(35)),
                   &font);
    z->setZoomLock(200);
    pagina.setZoom(zoom);
    QCOMPARE(z->geometry(), pixeli);
    QCOMPARE(z->_Top(), mmLa200(556));
    QCOMPARE(z->p_zoom(), zoom);
}

void TestFormularDePrintat::zoomNeschimbatNuFaceNimic() {
    TFormularDePrintat pagina;
    pagina.setLatime(100);
    pagina.setInaltime(50);
    TFontFormular font;
    auto* z = zona(pagina, "FormularTextArea1", QRectF(10, 10, 20, 5), &font, "x");
    pagina.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pagina));
    QCoreApplication::processEvents();
    NumaratorDesene desene(&pagina);
    const QRect inainte = z->geometry();
    z->set_Left(30); // pixels follow only on a real zoom change

    pagina.setZoom(100);
    QCoreApplication::processEvents();
    QCOMPARE(z->geometry(), inainte);
    QCOMPARE(desene.desene, 0);

    pagina.setZoom(110);
    QCoreApplication::processEvents();
    QCOMPARE(z->x(), MmToPixels(30, RezolutieEcran(110)));
    QVERIFY(desene.desene > 0);
}

void TestFormularDePrintat::editareaPixelilor_data() {
    QTest::addColumn<double>("zoomLock");
    QTest::addColumn<bool>("acceptata");
    QTest::newRow("blocata la 200, vazuta la 100") << 200.0 << false;
    QTest::newRow("neblocata") << 0.0 << true;
    QTest::newRow("blocata la zoomul curent") << 100.0 << true;
}

void TestFormularDePrintat::editareaPixelilor() {
    QFETCH(double, zoomLock);
    QFETCH(bool, acceptata);
    TFormularDePrintat pagina;
    pagina.setLatime(200);
    pagina.setInaltime(100);
    TFontFormular font;
    auto* z = zona(pagina, "FormularTextArea1", QRectF(10, 20, 30, 5), &font);
    z->setZoomLock(zoomLock);
    pagina.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pagina));
    const QRect laMm = z->geometry();

    for (const QRect& nou : {QRect(60, 70, 150, 30), QRect(61, 70, 150, 30)}) {
        z->setGeometry(nou);
        if (acceptata) {
            QCOMPARE(z->geometry(), nou);
            QCOMPARE(z->_Left(), PixelsToMm(nou.x(), pagina.rezolutie()));
            QCOMPARE(z->_Top(), PixelsToMm(70, pagina.rezolutie()));
            QCOMPARE(z->_Width(), PixelsToMm(150, pagina.rezolutie()));
            QCOMPARE(z->_Height(), PixelsToMm(30, pagina.rezolutie()));
            QCOMPARE(z->ZoomLock(), 100.0);
        } else {
            QCOMPARE(z->geometry(), laMm);
            QCOMPARE(z->_Left(), 10.0);
            QCOMPARE(z->_Width(), 30.0);
            QCOMPARE(z->ZoomLock(), zoomLock);
        }
    }
}

void TestFormularDePrintat::redimensionareaIntarziataNuEsteEditare() {
    // Qt tells a hidden widget of its new size only when it is shown; the millimetres of an
    // unlocked area must not drift to the truncated pixels then.
    TFormularDePrintat pagina;
    pagina.setLatime(200);
    pagina.setInaltime(100);
    TFontFormular font;
    auto* z = zona(pagina, "FormularTextArea1", QRectF(10.3, 20.7, 30.9, 5.55), &font);
    pagina.setZoom(150);
    pagina.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pagina));
    QCoreApplication::processEvents();
    QCOMPARE(z->_Left(), 10.3);
    QCOMPARE(z->_Top(), 20.7);
    QCOMPARE(z->_Width(), 30.9);
    QCOMPARE(z->_Height(), 5.55);
    QCOMPARE(z->ZoomLock(), 0.0);
}

void TestFormularDePrintat::incarcareaPastreazaLimitele() {
    TFormularDePrintat pagina;
    pagina.setLatime(200);
    pagina.setInaltime(100);
    TFontFormular font;
    pagina.incepeIncarcarea();
    auto* z = new TFormularTextArea(&pagina);
    z->setGeometry(5, 6, 70, 8); // stored pixels, not the millimetres' own
    z->set_Left(10);
    z->set_Top(20);
    z->set_Width(30);
    z->set_Height(5);
    z->setFontFormular(&font);
    pagina.terminaIncarcarea();
    pagina.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pagina));
    QCOMPARE(z->geometry(), QRect(5, 6, 70, 8));
    QCOMPARE(z->_Left(), 10.0);
    QCOMPARE(z->ZoomLock(), 0.0);
    // The zoom the page has lays nothing out; the first real change does.
    pagina.setZoom(100);
    QCOMPARE(z->geometry(), QRect(5, 6, 70, 8));
    pagina.setZoom(200);
    QCOMPARE(z->geometry().topLeft(),
             QPoint(MmToPixels(10, pagina.rezolutie()), MmToPixels(20, pagina.rezolutie())));
}

void TestFormularDePrintat::numerotarea_data() {
    QTest::addColumn<QStringList>("nume");
    QTest::addColumn<int>("cel_mai_mare");
    QTest::addColumn<QStringList>("texte");
    QTest::newRow("exemplu") << QStringList{"FormularTextArea7", "FormularTextArea182", "FormularTextAreaX"}
                             << 182 << QStringList{"<7>", "<182>", "-"};
    QTest::newRow("fara zone") << QStringList{"Altceva", "FormularTextArea"} << 0 << QStringList{"-", "-"};
    // Digits are gathered from the whole rest; the exact name alone is numbered.
    QTest::newRow("cifre amestecate")
        << QStringList{"FormularTextArea1a2", "FormularTextArea3"} << 12 << QStringList{"-", "<3>"};
    QTest::newRow("zerouri in fata") << QStringList{"FormularTextArea007", "FormularTextArea5"} << 7
                                     << QStringList{"-", "<5>"};
    QTest::newRow("nume dublat") << QStringList{"FormularTextArea2", "FormularTextArea2"} << 2
                                 << QStringList{"<2>", "-"};
    QTest::newRow("litere mici") << QStringList{"formulartextarea4", "FormularTextArea1"} << 1
                                 << QStringList{"-", "<1>"};
    QTest::newRow("numar urias") << QStringList{"FormularTextArea99999999999", "FormularTextArea2000000000"}
                                 << INT_MAX << QStringList{"-", "<2000000000>"};
}

void TestFormularDePrintat::numerotarea() {
    QFETCH(QStringList, nume);
    QFETCH(int, cel_mai_mare);
    QFETCH(QStringList, texte);
    TFormularDePrintat pagina;
    pagina.setTextAreaTransparent(false);
    pagina.setZoom(150);
    QList<TFormularTextArea*> zone;
    for (const QString& n : nume) {
        zone.append(new TFormularTextArea(&pagina));
        zone.last()->setObjectName(n);
        zone.last()->setText("-");
    }
    QCOMPARE(pagina.HighestTextAreaNumber(), cel_mai_mare);
    pagina.NumberTextAreas();
    for (int i = 0; i < zone.size(); ++i)
        QCOMPARE(zone[i]->Text(), texte[i]);
    QVERIFY(pagina.TextAreaTransparent());
    QCOMPARE(pagina.Zoom(), 100.0);
    if (cel_mai_mare > 0 && cel_mai_mare < INT_MAX)
        QCOMPARE(pagina.TextAreaByNumber(cel_mai_mare) != nullptr,
                 texte.contains(QString("<%1>").arg(cel_mai_mare)));
}

void TestFormularDePrintat::computePrintRect_data() {
    QTest::addColumn<ZonaTiparibila>("zonaTip");
    QTest::addColumn<PaginaFizica>("foaie");
    QTest::addColumn<QRectF>("mm");
    QTest::addColumn<QPointF>("margini");
    QTest::addColumn<QRect>("asteptat"); // left, top, right, bottom as x, y, width, height
    const ZonaTiparibila zece{2970, 2100, 297.0, 210.0};
    const PaginaFizica fara{2970, 2100, 0, 0};
    const PaginaFizica cuOffset{3000, 2150, 17, 23};
    // kx = 10: exact halves go to the even neighbour.
    QTest::newRow("jumatati la par") << zece << fara << QRectF(0.25, 0.75, 1.25, 0.25) << QPointF(0, 0)
                                     << QRect(2, 8, 2 + 12, 8 + 2);
    QTest::newRow("margini si offset") << zece << cuOffset << QRectF(10, 20, 30, 5) << QPointF(1.5, -2)
                                       << QRect(115 - 17, 180 - 23, 115 - 17 + 300, 180 - 23 + 50);
    const ZonaTiparibila la600{6814, 4760, 6814 * 25.4 / 600, 4760 * 25.4 / 600};
    QTest::newRow("600 dpi") << la600 << PaginaFizica{7016, 4960, 101, 100}
                             << QRectF(35.23, 69.96, 50.83, 4.4) << QPointF(0, 0)
                             << QRect(832 - 101, 1653 - 100, 832 - 101 + 1201, 1653 - 100 + 104);
}

void TestFormularDePrintat::computePrintRect() {
    QFETCH(ZonaTiparibila, zonaTip);
    QFETCH(PaginaFizica, foaie);
    QFETCH(QRectF, mm);
    QFETCH(QPointF, margini);
    QFETCH(QRect, asteptat);
    TFormularDePrintat pagina;
    TFontFormular font;
    auto* z = zona(pagina, "FormularTextArea1", mm, &font);
    const DreptunghiTiparire r = z->ComputePrintRect(zonaTip, foaie, margini.x(), margini.y());
    QCOMPARE(r, (DreptunghiTiparire{asteptat.x(), asteptat.y(), asteptat.width(), asteptat.height()}));
    // The page's own deltas add to the margins.
    pagina.setDeltaStanga(0.5);
    pagina.setDeltaSus(-0.5);
    ImprimantaInregistrata dispozitiv(zonaTip, foaie);
    z->setText("A");
    pagina.PrintPage(dispozitiv, false, margini.x(), margini.y());
    const auto texte = dispozitiv.doar(Fel::Text);
    QCOMPARE(texte.size(), size_t(1));
    const DreptunghiTiparire cuDelte =
        z->ComputePrintRect(zonaTip, foaie, margini.x() + 0.5, margini.y() - 0.5);
    QCOMPARE(texte[0].dreptunghi.topLeft(), QPoint(cuDelte.left, cuDelte.top));
}

void TestFormularDePrintat::intoarcereaLa180_data() {
    QTest::addColumn<int>("aliniere");
    QTest::addColumn<QPointF>("margini");
    QTest::newRow("stanga") << int(TFormularTextArea::taLeftJustify) << QPointF(0, 0);
    QTest::newRow("dreapta cu margini") << int(TFormularTextArea::taRightJustify) << QPointF(2.5, -1);
    QTest::newRow("centru") << int(TFormularTextArea::taCenter) << QPointF(-3, 4);
}

void TestFormularDePrintat::intoarcereaLa180() {
    QFETCH(int, aliniere);
    QFETCH(QPointF, margini);
    auto dispozitiv = ImprimantaInregistrata::a4(600, QPageLayout::Landscape, 101, 100, 97, 130);
    const PaginaFizica foaie = dispozitiv.paginaFizica();
    TFormularDePrintat pagina;
    TFontFormular font;
    font.setSize(4);
    auto* z = zona(pagina, "FormularTextArea1", QRectF(20, 15, 60, 6), &font, "Popescu Ion",
                   TFormularTextArea::TAlignment(aliniere));
    pagina.PrintPage(dispozitiv, false, margini.x(), margini.y());
    pagina.PrintPage(dispozitiv, true, margini.x(), margini.y());
    const auto texte = dispozitiv.doar(Fel::Text);
    QCOMPARE(texte.size(), size_t(2));
    const auto& drept = texte[0];
    const auto& intors = texte[1];
    QCOMPARE(drept.font.inclinare, 0);
    QCOMPARE(intors.font.inclinare, 1800);
    QCOMPARE(intors.font.inaltime, drept.font.inaltime);

    // On the sheet (printable-area pixels plus offsets) the turned print is the straight one
    // turned about the sheet's centre.
    const auto peFoaie = [&](QPoint p) { return p + QPoint(foaie.offsetX, foaie.offsetY); };
    const auto rotit = [&](QPoint p) { return QPoint(foaie.latime, foaie.inaltime) - p; };
    QCOMPARE(peFoaie(intors.punct), rotit(peFoaie(drept.punct)));
    const QRect d = drept.dreptunghi.translated(foaie.offsetX, foaie.offsetY);
    const QRect i = intors.dreptunghi.translated(foaie.offsetX, foaie.offsetY);
    QCOMPARE(i.topLeft(), rotit(d.bottomRight() + QPoint(1, 1)));
    QCOMPARE(i.size(), d.size());
    // Top left on paper becomes bottom right.
    QVERIFY(i.left() > foaie.latime / 2 && i.top() > foaie.inaltime / 2);
    if (aliniere == TFormularTextArea::taLeftJustify)
        QCOMPARE(intors.punct.x(), intors.dreptunghi.right() + 1);
    const DreptunghiTiparire r =
        z->ComputePrintRect(dispozitiv.zonaTiparibila(), foaie, margini.x(), margini.y());
    QCOMPARE(d.topLeft(), peFoaie(QPoint(r.left, r.top)));
}

void TestFormularDePrintat::micsorareaPePagina_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("latime");
    QTest::addColumn<bool>("incape");
    QTest::newRow("incape din prima") << "Ion" << 60.0 << true;
    QTest::newRow("se micsoreaza") << "Popescu Ion Alexandru Vasile" << 40.0 << true;
    QTest::newRow("nu incape nici la 2") << QString(300, 'W') << 20.0 << false;
}

void TestFormularDePrintat::micsorareaPePagina() {
    QFETCH(QString, text);
    QFETCH(double, latime);
    QFETCH(bool, incape);
    auto dispozitiv = ImprimantaInregistrata::a4(600, QPageLayout::Landscape);
    TFormularDePrintat pagina;
    TFontFormular font;
    font.setSize(4);
    auto* z = zona(pagina, "FormularTextArea1", QRectF(10, 10, latime, 6), &font, text);
    z->PrintArea(dispozitiv, false, 0, 0);
    const auto fonturi = dispozitiv.doar(Fel::Font);
    const int w = z->ComputePrintRect(dispozitiv.zonaTiparibila(), dispozitiv.paginaFizica(), 0, 0).w();
    // The first try at the font's size; the text is drawn at the tallest cell that fits.
    const double dpiY = dispozitiv.paginaFizica().inaltime / 8.267716535433071;
    QCOMPARE(fonturi.front().font.inaltime, MmToPixels(4, dpiY));
    const auto scris = dispozitiv.doar(Fel::Text).front();
    QCOMPARE(scris.font, fonturi.back().font);
    QFontMetrics m(fontDupaCelula(scris.font));
    QCOMPARE(m.horizontalAdvance(text) <= w, incape);
    if (!incape) QCOMPARE(scris.font.inaltime, 2);
    if (incape && fonturi.size() > 1) {
        // The size just above did not fit.
        CerereFont mai_mare = scris.font;
        mai_mare.inaltime += 1;
        QVERIFY(QFontMetrics(fontDupaCelula(mai_mare)).horizontalAdvance(text) > w);
    }
}

void TestFormularDePrintat::micsorareaPeEcran() {
    TFormularDePrintat pagina;
    pagina.setLatime(100);
    pagina.setInaltime(50);
    TFontFormular font;
    font.setSize(5);
    auto* lunga =
        zona(pagina, "FormularTextArea1", QRectF(5, 5, 30, 8), &font, "Popescu Ion Alexandru Vasile");
    auto* imposibila = zona(pagina, "FormularTextArea2", QRectF(5, 20, 3, 8), &font, QString(50, 'W'));
    auto* scurta = zona(pagina, "FormularTextArea3", QRectF(5, 35, 30, 2), &font, "Ion");
    pagina.grab();
    const int inceput = MmToPixels(5, pagina.rezolutie());
    QVERIFY(lunga->inaltimeFontEcran() < inceput && lunga->inaltimeFontEcran() > 2);
    QCOMPARE(imposibila->inaltimeFontEcran(), 2);
    // On screen the font may be taller than its area.
    QCOMPARE(scurta->inaltimeFontEcran(), inceput);
    QVERIFY(scurta->inaltimeFontEcran() > scurta->height());
}

void TestFormularDePrintat::fontulNuDepasesteZona_data() {
    QTest::addColumn<double>("marimeFont");
    QTest::addColumn<double>("inaltimeZona");
    QTest::newRow("font mai mare") << 5.7 << 3.52;
    QTest::newRow("font mai mic") << 2.2 << 6.29;
    QTest::newRow("zona aproape nula") << 4.0 << 0.01;
    QTest::newRow("zona de inaltime zero") << 4.0 << 0.0;
}

void TestFormularDePrintat::fontulNuDepasesteZona() {
    QFETCH(double, marimeFont);
    QFETCH(double, inaltimeZona);
    auto dispozitiv = ImprimantaInregistrata::a4(600, QPageLayout::Landscape, 50, 50);
    TFormularDePrintat pagina;
    TFontFormular font;
    font.setSize(marimeFont);
    auto* z = zona(pagina, "FormularTextArea1", QRectF(10, 10, 50, inaltimeZona), &font, "8");
    z->PrintArea(dispozitiv, false, 0, 0);
    const auto scris = dispozitiv.doar(Fel::Text).front();
    const double dpiY = dispozitiv.paginaFizica().inaltime / 8.267716535433071;
    const int limita = std::max(1, MmToPixels(inaltimeZona, dpiY));
    // Height 0 would ask for the system's default size.
    QVERIFY(scris.font.inaltime >= 1);
    QVERIFY(scris.font.inaltime <= limita);
    const QFontMetrics m(fontDupaCelula(scris.font));
    QVERIFY(m.ascent() + m.descent() <= limita);
}

void TestFormularDePrintat::ajustarea_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("redefinit");
    QTest::addColumn<QString>("efectiv");
    QTest::newRow("o cifra ramane") << "7"
                                    << "ABC"
                                    << "7";
    QTest::newRow("gol se inlocuieste") << ""
                                        << "ABC"
                                        << "ABC";
    QTest::newRow("doua caractere") << "12"
                                    << "ABC"
                                    << "ABC";
    QTest::newRow("fara text redefinit") << "12"
                                         << ""
                                         << "12";
}

void TestFormularDePrintat::ajustarea() {
    QFETCH(QString, text);
    QFETCH(QString, redefinit);
    QFETCH(QString, efectiv);
    auto dispozitiv = ImprimantaInregistrata::a4(600, QPageLayout::Landscape, 60, 40);
    TFormularDePrintat pagina;
    TFontFormular font, altul;
    altul.setFontName("DejaVu Serif");
    altul.setSize(3);
    auto* z = zona(pagina, "FormularTextArea1", QRectF(10, 10, 50, 6), &font, text);
    QVERIFY(!FindCustomisation(*z));
    QCOMPARE(z->EffectiveText(), text);
    const DreptunghiTiparire fara =
        z->ComputePrintRect(dispozitiv.zonaTiparibila(), dispozitiv.paginaFizica(), 0, 0);

    TAjustareTextArea ajustare;
    ajustare.TextRedefinit = redefinit;
    ajustare.Font = &altul;
    ajustare.DeplasareOrizontala = 1;
    ajustare.DeplasareVerticala = -1;
    ajustare.StilBold = 1;
    ajustare.StilItalic = 1;
    ajustare.FontSpecificat = "Liberation Serif";
    instaleazaCautareAjustare([&](const TFormularTextArea& a) -> std::optional<TAjustareTextArea> {
        if (&a == z) return ajustare;
        return std::nullopt;
    });
    QCOMPARE(z->EffectiveText(), efectiv);
    z->PrintArea(dispozitiv, false, 0, 0);
    instaleazaCautareAjustare({});

    const auto scris = dispozitiv.doar(Fel::Text).front();
    QCOMPARE(scris.text, efectiv);
    QCOMPARE(scris.font.nume, QString("Liberation Serif"));
    QCOMPARE(scris.font.greutate, 700);
    QVERIFY(scris.font.italic);
    // Half a millimetre right and up.
    const DreptunghiTiparire cu =
        z->ComputePrintRect(dispozitiv.zonaTiparibila(), dispozitiv.paginaFizica(), 0.5, -0.5);
    QCOMPARE(scris.dreptunghi.topLeft(), QPoint(cu.left, cu.top));
    QVERIFY(cu.left > fara.left && cu.top < fara.top);
}

void TestFormularDePrintat::viataFontului() {
    auto dispozitiv = ImprimantaInregistrata::a4(600, QPageLayout::Landscape);
    TFormularDePrintat pagina;
    auto font = std::make_unique<TFontFormular>();
    auto* a = zona(pagina, "FormularTextArea1", QRectF(10, 10, 50, 6), font.get(), "A");
    auto* b = zona(pagina, "FormularTextArea2", QRectF(10, 20, 50, 6), font.get(), "B");
    QCOMPARE(font->zone().size(), size_t(2));
    delete b;
    QCOMPARE(font->zone().size(), size_t(1));
    TFontFormular alt;
    a->setFontFormular(&alt);
    QVERIFY(font->zone().empty());
    a->setFontFormular(font.get());
    font.reset();
    QCOMPARE(a->Font(), nullptr);
    // An area without a font prints nothing and still paints.
    pagina.PrintPage(dispozitiv, false, 0, 0);
    QVERIFY(dispozitiv.doar(Fel::Text).empty());
    pagina.grab();
}

void TestFormularDePrintat::desenPeEcran() {
    TFormularDePrintat pagina;
    pagina.setLatime(100);
    pagina.setInaltime(50);
    QImage fundal(400, 200, QImage::Format_RGB32);
    fundal.fill(QColor(200, 230, 200));
    pagina.setBkImage(fundal);
    pagina.setTextAreaWithBorder(true);
    pagina.setTextAreaBaseLine1(true);
    TFontFormular font;
    font.setSize(6);
    auto* z = zona(pagina, "FormularTextArea1", QRectF(10, 10, 50, 8), &font, "HHHH");
    QImage imagine = pagina.grab().toImage();
    QCOMPARE(pagina.marimeCache(), pagina.size());
    QCOMPARE(QColor(imagine.pixel(5, 5)), QColor(200, 230, 200));
    QCOMPARE(QColor(imagine.pixel(z->x(), z->y() + 2)), QColor(Qt::black)); // frame
    // The base line sits the font's descent above the bottom, in its colour.
    const QFontMetrics m(fontDupaCelula({"Arial", z->inaltimeFontEcran()}, z));
    QCOMPARE(QColor(imagine.pixel(z->geometry().right() - 2, z->geometry().bottom() + 1 - m.descent())),
             QColor(Qt::red));
    // The cell sits on the bottom edge: ink in the lower part of the area.
    bool cerneala = false;
    for (int x = z->x() + 2; x < z->x() + 40; ++x)
        cerneala |= qGray(imagine.pixel(x, z->geometry().bottom() - m.descent() - 3)) < 80;
    QVERIFY(cerneala);

    // The highlight fills the area under the mouse.
    z->setMouseOver(true);
    imagine = pagina.grab().toImage();
    QCOMPARE(QColor(imagine.pixel(z->x() + 45, z->y() + 3)), z->palette().color(QPalette::Highlight));
    // A new size rebuilds the stretched background.
    pagina.setZoom(50);
    pagina.grab();
    QCOMPARE(pagina.marimeCache(), pagina.size());
}

void TestFormularDePrintat::zoomulRamaneInMargini_data() {
    QTest::addColumn<double>("ceruta");
    QTest::addColumn<double>("avuta");
    QTest::newRow("uriasa") << 1e300 << TFormularDePrintat::ZoomMaxim;
    QTest::newRow("infinita") << qInf() << TFormularDePrintat::ZoomMaxim;
    QTest::newRow("nula") << 0.0 << TFormularDePrintat::ZoomMinim;
    QTest::newRow("negativa") << -50.0 << TFormularDePrintat::ZoomMinim;
    QTest::newRow("nu e numar") << qQNaN() << 150.0;
}

void TestFormularDePrintat::zoomulRamaneInMargini() {
    QFETCH(double, ceruta);
    QFETCH(double, avuta);
    TFormularDePrintat pagina;
    pagina.setLatime(297);
    pagina.setInaltime(210);
    QImage fundal(300, 200, QImage::Format_RGB32);
    fundal.fill(QColor(200, 230, 200));
    pagina.setBkImage(fundal);
    pagina.setZoom(150);
    pagina.setZoom(ceruta);
    QCOMPARE(pagina.Zoom(), avuta);
    const double dpi = RezolutieEcran(avuta);
    QCOMPARE(pagina.size(), QSize(MmToPixels(297, dpi), MmToPixels(210, dpi)));
    // A corner painted without a background copy of the whole page where that would be huge.
    QImage colt(4, 4, QImage::Format_RGB32);
    pagina.render(&colt, QPoint(), QRegion(0, 0, 4, 4));
    QCOMPARE(QColor(colt.pixel(1, 1)), QColor(200, 230, 200));
    QVERIFY(qint64(pagina.marimeCache().width()) * pagina.marimeCache().height() <=
            TFormularDePrintat::PixeliCacheMaxim);
}

void TestFormularDePrintat::tiparireInPdf_data() {
    QTest::addColumn<double>("stanga");
    QTest::addColumn<double>("sus");
    QTest::addColumn<bool>("rotit");
    QTest::newRow("fara margini") << 0.0 << 0.0 << false;
    QTest::newRow("cu margini") << 3.5 << -2.0 << false;
    QTest::newRow("rotit") << 0.0 << 0.0 << true;
    QTest::newRow("rotit cu margini") << 2.0 << 1.5 << true;
}

void TestFormularDePrintat::tiparireInPdf() {
    QFETCH(double, stanga);
    QFETCH(double, sus);
    QFETCH(bool, rotit);
    TFormularDePrintat pagina;
    pagina.setLatime(297);
    pagina.setInaltime(209.73);
    TFontFormular mare, mic;
    mare.setSize(5.7);
    mare.setBold(true);
    mic.setSize(2.5);
    struct Caz {
        QRectF mm;
        TFontFormular* font;
        TFormularTextArea::TAlignment aliniere;
    };
    const std::vector<Caz> cazuri{
        {{35.23, 69.96, 50.83, 4.40}, &mare, TFormularTextArea::taCenter},
        {{64.80, 81.66, 23.40, 4.15}, &mic, TFormularTextArea::taLeftJustify},
        {{26.93, 106.82, 4.53, 6.29}, &mare, TFormularTextArea::taCenter},
        {{210.5, 180.2, 60.0, 5.0}, &mic, TFormularTextArea::taRightJustify},
        {{250.0, 20.0, 30.0, 4.0}, &mare, TFormularTextArea::taLeftJustify},
    };
    QList<TFormularTextArea*> zone;
    for (size_t i = 0; i < cazuri.size(); ++i)
        zone.append(zona(pagina, QString("FormularTextArea%1").arg(i + 1), cazuri[i].mm, cazuri[i].font, {},
                         cazuri[i].aliniere));
    pagina.NumberTextAreas();

    auto& sistem = ImprimantaSistem::instanta();
    sistem.selecteaza(sistem.indexImprimantaPdf());
    sistem.pregatesteSetari({});
    sistem.incepeLucrare("Diploma de examen national - fata");
    pagina.PrintPage(sistem, rotit, stanga, sus);
    sistem.terminaLucrare();
    const PaginaPdf pdf = citestePdf(sistem.ultimulFisierPdf());
    QVERIFY2(pdf.latime > pdf.inaltime, "landscape");
    QCOMPARE(pdf.cuvinte.size(), cazuri.size());

    const double toleranta = 0.1;
    for (size_t i = 0; i < cazuri.size(); ++i) {
        const TFormularTextArea* z = zone[int(i)];
        const CuvantPdf* c = pdf.cauta(z->Text());
        QVERIFY2(c, qPrintable(z->Text()));
        // Where the box should be on an unturned sheet.
        double xMin = c->xMin, xMax = c->xMax, yMax = c->yMax;
        if (rotit) {
            xMin = pdf.latime - c->xMax;
            xMax = pdf.latime - c->xMin;
            yMax = pdf.inaltime - c->yMin;
        }
        const QRectF zonaMm = cazuri[i].mm.translated(stanga, sus);
        const QString unde = QString("%1: x %2..%3 y ..%4, zona %5,%6 %7x%8")
                                 .arg(z->Text())
                                 .arg(xMin)
                                 .arg(xMax)
                                 .arg(yMax)
                                 .arg(zonaMm.left())
                                 .arg(zonaMm.top())
                                 .arg(zonaMm.width())
                                 .arg(zonaMm.height());
        switch (cazuri[i].aliniere) {
        case TFormularTextArea::taLeftJustify:
            QVERIFY2(std::abs(xMin - zonaMm.left()) < toleranta, qPrintable(unde));
            break;
        case TFormularTextArea::taRightJustify:
            QVERIFY2(std::abs(xMax - zonaMm.right()) < toleranta, qPrintable(unde));
            break;
        case TFormularTextArea::taCenter:
            QVERIFY2(std::abs((xMin + xMax) / 2 - zonaMm.center().x()) < toleranta, qPrintable(unde));
            break;
        }
        // The character cell sits on the area's bottom edge.
        QVERIFY2(std::abs(yMax - zonaMm.bottom()) < toleranta, qPrintable(unde));
    }
}

QTEST_MAIN(TestFormularDePrintat)
#include "tst_FormularDePrintat.moc"
