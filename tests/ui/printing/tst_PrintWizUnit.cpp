#include "MediuTest.h"
#include "SetariDeProba.h"
#include "app/UVardolinMain.h"
#include "platform/Eroare.h"
#include "platform/ImprimantaInregistrata.h"
#include "platform/ImprimantaSistem.h"
#include "platform/StocSetari.h"
#include "printing/InsertPaper.h"
#include "printing/PrintWizUnit.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QSvgRenderer>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

namespace {

using Fel = ImprimantaInregistrata::Inregistrare::Fel;

// The answers a user gives, page by page; -1 leaves the page's choice empty.
struct Alegeri {
    int alimentare = 0;    // page 1: top, front, internal
    int reprezentare = -1; // page 4: upright, upside down
    int parte = 0;         // page 7: same side, opposite side
    int linii = 0;         // page 9
};

void apasa(QAbstractButton* b) {
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
}

template <size_t N> void alege(const std::array<QRadioButton*, N>& butoane, int care) {
    if (care >= 0) apasa(butoane[size_t(care)]);
}

QStringList imaginiVizibile(const std::array<QLabel*, 4>& imagini) {
    QStringList r;
    for (const QLabel* l : imagini)
        if (!l->isHidden()) r << l->objectName();
    return r;
}

// Presses "Inainte" on every page, choosing as told, until the wizard closes; the pages passed.
QList<int> parcurge(TPrintWiz& w, const Alegeri& a, int panaLaPagina = -1) {
    QList<int> pagini;
    while (w.isVisible() && w.PaginaCurenta() != panaLaPagina) {
        const int p = w.PaginaCurenta();
        pagini << p;
        if (p == 1) alege(w.Alimentare, a.alimentare);
        if (p == 4) alege(std::array{w.HartieNormala, w.HartieRasturnata}, a.reprezentare);
        if (p == 7) alege(std::array{w.AceeasiParte, w.ParteaOpusa}, a.parte);
        if (p == 9) alege(w.Linii, a.linii);
        apasa(w.NiceButton2);
        if (w.isVisible() && w.PaginaCurenta() == p) break; // a failed step stays
    }
    return pagini;
}

QStringList titluriLucrari(const ImprimantaInregistrata& imp) {
    QStringList r;
    for (const auto& i : imp.doar(Fel::Inceput))
        r << i.text;
    return r;
}

// The box around the dark pixels of a PDF's first page, in millimetres.
QRectF cernealaPdf(const QString& fisier) {
    QTemporaryDir dosar;
    QProcess proces;
    const QString baza = dosar.filePath(QStringLiteral("pagina"));
    proces.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"),
                  QStringLiteral("-singlefile"), fisier, baza});
    proces.waitForFinished(60000);
    const QImage img(baza + QStringLiteral(".png"));
    int x1 = img.width(), y1 = img.height(), x2 = -1, y2 = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128) {
                x1 = std::min(x1, x), x2 = std::max(x2, x);
                y1 = std::min(y1, y), y2 = std::max(y2, y);
            }
    constexpr double mm = 25.4 / 50;
    return {QPointF(x1 * mm, y1 * mm), QPointF((x2 + 1) * mm, (y2 + 1) * mm)};
}

} // namespace

class TestPrintWizUnit : public QObject {
    Q_OBJECT

    std::unique_ptr<MediuTest> mediu;
    std::unique_ptr<ImprimantaInregistrata> imp;

    // A wizard on screen over the recording printer, as the menu entry makes it.
    std::unique_ptr<TPrintWiz> wizardPeEcran() {
        auto w = std::make_unique<TPrintWiz>();
        w->show();
        return w;
    }

private slots:
    void init() {
        mediu = std::make_unique<MediuTest>();
        imp =
            std::make_unique<ImprimantaInregistrata>(ImprimantaInregistrata::a4(300, QPageLayout::Portrait));
        instaleazaImprimanta(imp.get());
    }
    void cleanup() {
        instaleazaImprimanta(nullptr);
        imp.reset();
        mediu.reset();
    }

    void fereastraNoua() {
        {
            TAllStuffReg stocate;
            stocate.FeedMode = 2;
            stocate.OppositeSide = stocate.LineRight = stocate.LineBottom = true;
        }
        const auto w = wizardPeEcran();
        QCOMPARE(w->windowTitle(), "Formular pentru pregatirea imprimantei");
        QCOMPARE(w->size(), QSize(623, 475));
        QCOMPARE(w->PageControl1->size(), QSize(499, 390));
        QCOMPARE(w->PaginaCurenta(), 0);
        // The answers start empty, whatever was stored before.
        QCOMPARE(w->FeedMode, 0);
        QVERIFY(!w->OppositeSide && !w->LineRight && !w->LineBottom);
        for (const QRadioButton* b : w->findChildren<QRadioButton*>())
            QVERIFY2(!b->isChecked(), qPrintable(b->text()));
        QCOMPARE(w->ListView1->headerItem()->text(0), "Denumire");
        QCOMPARE(w->ListView1->topLevelItemCount(), 1);
        QVERIFY(w->ListView1->topLevelItem(0)->isSelected());
        QCOMPARE(w->ListView1->topLevelItem(0)->text(0), "Inregistrare");
    }

    void paginileSiTitlurile_data() {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<QString>("titlu");
        QTest::newRow("0") << 0 << "Selectati imprimanta";
        QTest::newRow("1") << 1 << "Selectati modul de alimentare cu hartie:";
        QTest::newRow("2") << 2 << "Ati selectat alimentare cu caseta frontala.";
        QTest::newRow("3") << 3 << "Ati selectat alimentare cu caseta interna.";
        QTest::newRow("4") << 4 << "Reprezentarea vizuala a modului de alimentare cu hartie";
        for (int p = 5; p <= 9; ++p)
            QTest::addRow("%d", p) << p << "Stabilirea modului de manevrare a hartiei.";
        QTest::newRow("13") << 13 << "Am finalizat";
    }
    void paginileSiTitlurile() {
        QFETCH(int, pagina);
        QFETCH(QString, titlu);
        const auto w = wizardPeEcran();
        QWidget* p = w->Pagina(pagina);
        QVERIFY(p);
        QCOMPARE(p->findChild<QLabel*>("Titlu")->text(), titlu);
        QVERIFY(p->findChild<QLabel*>("Titlu")->font().bold());
        // Every text of the page fits its place.
        for (const QLabel* l : p->findChildren<QLabel*>())
            if (l->wordWrap()) QVERIFY2(l->heightForWidth(l->width()) <= l->height(), qPrintable(l->text()));
        for (const QRadioButton* b : p->findChildren<QRadioButton*>())
            QVERIFY2(b->sizeHint().width() <= b->width(), qPrintable(b->text()));
        QVERIFY(p->geometry().bottom() < w->PageControl1->height());
    }

    // The pages passed for each paper path, the feeding mode it gives, and "Inapoi" retracing them.
    void moduriDeAlimentare_data() {
        QTest::addColumn<int>("alimentare");
        QTest::addColumn<int>("reprezentare");
        QTest::addColumn<QList<int>>("pagini");
        QTest::addColumn<int>("feedMode");
        QTest::newRow("de sus") << 0 << -1 << QList<int>{0, 1, 5} << 1;
        QTest::newRow("frontala") << 1 << -1 << QList<int>{0, 1, 2, 5} << 2;
        QTest::newRow("interna, hartie normala") << 2 << 0 << QList<int>{0, 1, 3, 4, 5} << 4;
        QTest::newRow("interna, hartie rasturnata") << 2 << 1 << QList<int>{0, 1, 3, 4, 5} << 3;
        QTest::newRow("interna, fara reprezentare") << 2 << -1 << QList<int>{0, 1, 3, 4, 5} << 3;
        QTest::newRow("nimic ales") << -1 << -1 << QList<int>{0, 1, 3, 4, 5} << 3;
    }
    void moduriDeAlimentare() {
        QFETCH(int, alimentare);
        QFETCH(int, reprezentare);
        QFETCH(QList<int>, pagini);
        QFETCH(int, feedMode);
        const auto w = wizardPeEcran();
        if (QTest::currentDataTag() == QByteArray("frontala dupa interna")) {
            parcurge(*w, {2, 0}, 5);
            apasa(w->RzBitBtn1), apasa(w->RzBitBtn1), apasa(w->RzBitBtn1);
            QCOMPARE(w->PaginaCurenta(), 1);
            imp->goleste();
        }
        QCOMPARE(parcurge(*w, {alimentare, reprezentare}, 6), pagini);
        QCOMPARE(w->FeedMode, feedMode);
        QCOMPARE(imaginiVizibile(w->Reintroducere),
                 QStringList{QStringLiteral("Reintroducere%1").arg(feedMode)});
        QCOMPARE(titluriLucrari(*imp), QStringList{"Prima sageata"});

        // "Inapoi" retraces the pages that led here; page 0 keeps its place.
        QList<int> inapoi;
        for (int i = 0; i < pagini.size(); ++i) {
            apasa(w->RzBitBtn1);
            inapoi.prepend(w->PaginaCurenta());
        }
        QCOMPARE(inapoi, pagini);
        apasa(w->RzBitBtn1);
        QCOMPARE(w->PaginaCurenta(), 0);
        // Nothing done on the way is undone.
        QCOMPARE(w->FeedMode, feedMode);
        QCOMPARE(imp->doar(Fel::Imagine).size(), size_t(1));
    }

    void raspunsuri_data() {
        QTest::addColumn<int>("alimentare");
        QTest::addColumn<int>("parte");
        QTest::addColumn<int>("linii");
        QTest::addColumn<bool>("opus");
        QTest::addColumn<bool>("dreapta");
        QTest::addColumn<bool>("jos");
        QTest::newRow("aceeasi parte, sus stanga") << 0 << 0 << 0 << false << false << false;
        QTest::newRow("partea opusa, sus dreapta") << 1 << 1 << 1 << true << true << false;
        QTest::newRow("aceeasi parte, jos dreapta") << 2 << 0 << 2 << false << true << true;
        QTest::newRow("partea opusa, jos stanga") << 0 << 1 << 3 << true << false << true;
        QTest::newRow("nimic ales") << 1 << -1 << -1 << false << false << false;
    }
    void raspunsuri() {
        QFETCH(int, alimentare);
        QFETCH(int, parte);
        QFETCH(int, linii);
        QFETCH(bool, opus);
        QFETCH(bool, dreapta);
        QFETCH(bool, jos);
        const auto w = wizardPeEcran();
        parcurge(*w, {alimentare, -1, parte, linii}, 8);
        QCOMPARE(w->OppositeSide, opus);
        // Page 8 shows the sheet as page 6 did, with the instruction for the side the arrow came out.
        QCOMPARE(imaginiVizibile(w->Reintroducere2),
                 QStringList{QStringLiteral("Reintroducere2_%1").arg(w->FeedMode)});
        QCOMPARE(w->TextSagetile->isVisible(), !opus);
        QCOMPARE(w->TextHasurata->isVisible(), opus);
        QCOMPARE(w->TextSagetile->geometry(), w->TextHasurata->geometry());

        parcurge(*w, {alimentare, -1, parte, linii}, 13);
        QCOMPARE(w->LineRight, dreapta);
        QCOMPARE(w->LineBottom, jos);
        QCOMPARE(titluriLucrari(*imp),
                 QStringList({"Prima sageata", "A doua sageata", "Liniile orizonala si verticala"}));
        QCOMPARE(imp->doar(Fel::Sfarsit).size(), size_t(3));
        QCOMPARE(imp->setari().orientare, QPageLayout::Portrait);
        QVERIFY(imp->setari().hartieA4 && imp->setari().calitateInalta && imp->setari().monocrom);
        QVERIFY(!imp->inLucru());
    }

    // Going back to page 1 for another paper path: the representation chosen on the way before
    // does not count for the front tray, and "Inapoi" on page 5 leads to the new way.
    void alimentareSchimbata() {
        const auto w = wizardPeEcran();
        parcurge(*w, {2, 0}, 5);
        apasa(w->RzBitBtn1), apasa(w->RzBitBtn1), apasa(w->RzBitBtn1);
        QCOMPARE(w->PaginaCurenta(), 1);
        // Chosen by a click on its picture.
        auto* poza = qobject_cast<QLabel*>(w->Pagina(1)->childAt(60, w->Alimentare[1]->y() + 40));
        QVERIFY(poza && !poza->pixmap().isNull());
        QTest::mouseClick(poza, Qt::LeftButton);
        QVERIFY(w->Alimentare[1]->isChecked());
        QCOMPARE(parcurge(*w, {-1}, 6), QList<int>({1, 2, 5}));
        QCOMPARE(w->FeedMode, 2);
        apasa(w->RzBitBtn1), apasa(w->RzBitBtn1);
        QCOMPARE(w->PaginaCurenta(), 2);
    }

    // Going back and changing an answer takes the new one when its page is passed again.
    void raspunsSchimbatLaIntoarcere() {
        const auto w = wizardPeEcran();
        parcurge(*w, {0, -1, 1, 0}, 8);
        QVERIFY(w->OppositeSide);
        apasa(w->RzBitBtn1);
        QCOMPARE(w->PaginaCurenta(), 7);
        apasa(w->AceeasiParte);
        apasa(w->NiceButton2);
        QVERIFY(!w->OppositeSide);
        QVERIFY(w->TextSagetile->isVisible());
        QVERIFY(!w->TextHasurata->isVisible());
    }

    void imaginileDeTest_data() {
        QTest::addColumn<QString>("fisier");
        QTest::addColumn<QSize>("marime");
        QTest::newRow("t") << ":/wizard/t.svg" << QSize(677, 1073);
        QTest::newRow("s1") << ":/wizard/s1.svg" << QSize(344, 661);
        QTest::newRow("s2") << ":/wizard/s2.svg" << QSize(253, 584);
        QTest::newRow("d") << ":/wizard/d.svg" << QSize(452, 736);
    }
    void imaginileDeTest() {
        QFETCH(QString, fisier);
        QFETCH(QSize, marime);
        QSvgRenderer svg(fisier);
        QVERIFY(svg.isValid());
        QCOMPARE(svg.defaultSize(), marime);
    }

    // Each sheet stands centred in the frame, scaled to the printable page across and down.
    void foileDeTest_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QMargins>("margini"); // offsets left and top, margins right and bottom
        QTest::addColumn<QRect>("sageata1");
        QTest::addColumn<QRect>("sageata2");
        QTest::addColumn<QRect>("linii");
        const auto r = [](int x1, int y1, int x2, int y2) { return QRect(x1, y1, x2 - x1, y2 - y1); };
        QTest::newRow("300 dpi") << 300 << QMargins() << r(608, 673, 1868, 2833) << r(776, 797, 1703, 2706)
                                 << r(410, 549, 2066, 2954);
        QTest::newRow("600 dpi") << 600 << QMargins() << r(1216, 1346, 3736, 5668)
                                 << r(1553, 1595, 3406, 5413) << r(820, 1098, 4132, 5910);
        QTest::newRow("cu margini") << 300 << QMargins(50, 40, 60, 100) << r(581, 646, 1785, 2720)
                                    << r(742, 765, 1627, 2598) << r(392, 527, 1974, 2836);
        QTest::newRow("360 dpi") << 360 << QMargins() << r(729, 808, 2241, 3400) << r(931, 957, 2044, 3247)
                                 << r(492, 659, 2479, 3546);
    }
    void foileDeTest() {
        QFETCH(int, dpi);
        QFETCH(QMargins, margini);
        QFETCH(QRect, sageata1);
        QFETCH(QRect, sageata2);
        QFETCH(QRect, linii);
        auto alta = ImprimantaInregistrata::a4(dpi, QPageLayout::Portrait, margini.left(), margini.top(),
                                               margini.right(), margini.bottom());
        instaleazaImprimanta(&alta);
        const auto w = wizardPeEcran();
        parcurge(*w, {}, 13);
        QList<QRect> tinte;
        for (const auto& i : alta.doar(Fel::Imagine))
            tinte << i.dreptunghi;
        QCOMPARE(tinte, QList<QRect>({sageata1, sageata2, linii}));
        // Each picture in a job of its own.
        QList<Fel> ordine;
        for (const auto& i : alta.inregistrari())
            ordine << i.fel;
        QCOMPARE(ordine, QList<Fel>({Fel::Inceput, Fel::Imagine, Fel::Sfarsit, Fel::Inceput, Fel::Imagine,
                                     Fel::Sfarsit, Fel::Inceput, Fel::Imagine, Fel::Sfarsit}));
    }

    // Test sheet 1 on the real PDF printer: an A4 portrait page with the arrow where the frame puts it.
    void primaSageataInPdf() {
        instaleazaImprimanta(nullptr);
        const auto w = wizardPeEcran();
        QTreeWidgetItem* pdf = w->ListView1->topLevelItem(w->ListView1->topLevelItemCount() - 1);
        QCOMPARE(pdf->text(0), "Fisier PDF");
        w->ListView1->setCurrentItem(pdf);
        parcurge(*w, {}, 6);
        QCOMPARE(w->PaginaCurenta(), 6);
        const QString fisier = ImprimantaSistem::instanta().ultimulFisierPdf();
        QVERIFY(QFileInfo(fisier).fileName().startsWith("Prima sageata"));
        const QRectF cerneala = cernealaPdf(fisier);
        const QRectF asteptat(QPointF(166.0 / 677 * 210, 206.0 / 1073 * 297),
                              QPointF(510.0 / 677 * 210, 867.0 / 1073 * 297));
        constexpr double toleranta = 1.1; // mm: a pixel at 50 dpi on either side
        QVERIFY2(std::abs(cerneala.left() - asteptat.left()) < toleranta,
                 qPrintable(QString::number(cerneala.left())));
        QVERIFY2(std::abs(cerneala.top() - asteptat.top()) < toleranta,
                 qPrintable(QString::number(cerneala.top())));
        QVERIFY2(std::abs(cerneala.right() - asteptat.right()) < toleranta,
                 qPrintable(QString::number(cerneala.right())));
        QVERIFY2(std::abs(cerneala.bottom() - asteptat.bottom()) < toleranta,
                 qPrintable(QString::number(cerneala.bottom())));
    }

    // A sheet that cannot be printed is reported; the wizard stays on its page with no job open.
    void tiparireEsuata() {
        instaleazaImprimanta(nullptr);
        QFile blocaj(QDir(mediu->dosar()).filePath("PDF"));
        QVERIFY(blocaj.open(QIODevice::WriteOnly)); // a file where the PDF folder should be
        blocaj.close();
        const auto w = wizardPeEcran();
        w->ListView1->setCurrentItem(w->ListView1->topLevelItem(w->ListView1->topLevelItemCount() - 1));
        parcurge(*w, {}, 6);
        QCOMPARE(w->PaginaCurenta(), 5);
        QCOMPARE(mediu->dialoguri().texte("eroare").size(), 1);
        QVERIFY(mediu->dialoguri().texte("eroare").first().startsWith("Nu pot crea dosarul"));
        QVERIFY(!ImprimantaSistem::instanta().inLucru());
        QVERIFY(w->isVisible());
    }

    void finalizare_data() {
        QTest::addColumn<int>("alimentare");
        QTest::addColumn<int>("reprezentare");
        QTest::addColumn<int>("parte");
        QTest::addColumn<int>("linii");
        QTest::addColumn<QString>("all");
        // Stored before: front margins 2.5 and 3, back 1 and 0, a turn chosen for the front only.
        QTest::newRow("de sus") << 0 << -1 << 0 << 0 << "0,1,0,0,0,1,2.5,3,1,0,Inregistrare,0";
        QTest::newRow("frontala") << 1 << -1 << 1 << 2 << "0,1,1,1,1,2,2.5,3,1,0,Inregistrare,0";
        QTest::newRow("interna") << 2 << 0 << 1 << 1 << "0,1,1,1,0,4,2.5,3,1,0,Inregistrare,0";
    }
    void finalizare() {
        QFETCH(int, alimentare);
        QFETCH(int, reprezentare);
        QFETCH(int, parte);
        QFETCH(int, linii);
        QFETCH(QString, all);
        QLocale::setDefault(QLocale::c());
        {
            TAllStuffReg stocate;
            stocate.SeteazaMargini(LaturaFata, 2.5, 3);
            stocate.SeteazaMargini(LaturaVerso, 1, 0);
            stocate.OglindescFata = "D";
            stocate.PrinterName = "Alta";
            stocate.PrinterIndex = 7;
        }
        int rezultat = -1;
        mediu->dialoguri().ferestre.push_back([&](QDialog& d) {
            auto& w = static_cast<TPrintWiz&>(d);
            w.show();
            parcurge(w, {alimentare, reprezentare, parte, linii});
            return w.result();
        });
        {
            TPrintWiz w;
            rezultat = w.Arata();
            QVERIFY(w.Finalizat);
        }
        QCOMPARE(rezultat, int(QDialog::Accepted));
        QCOMPARE(SetareTiparireStocata("all"), all);
        QCOMPARE(SetareTiparireStocata("OglindescFata"), "D");
        QCOMPARE(SetareTiparireStocata("OglindescVerso"), "*");
    }

    // Settings that cannot be read do not block the wizard: its finish stores a fresh value and
    // keeps the old text beside it. When the store cannot be written the finish says so.
    void finalizareDupaSetariNecitite_data() {
        QTest::addColumn<bool>("scriere");
        QTest::newRow("se scrie") << true;
        QTest::newRow("nu se poate scrie") << false;
    }
    void finalizareDupaSetariNecitite() {
        QFETCH(bool, scriere);
        QLocale::setDefault(QLocale::c());
        const QString stricat = "0,1,0,0,0,1,2;5,3,1,0,Inregistrare,0";
        StocSetari::deschide(TAllStuffReg::Cheie())->setValue("all", stricat);
        if (!scriere) {
            QFile(mediu->cale("fisier")).open(QIODevice::WriteOnly);
            StocSetari::redirectioneaza(mediu->cale("fisier/setari.ini"));
        }
        mediu->dialoguri().ferestre.push_back([&](QDialog& d) {
            auto& w = static_cast<TPrintWiz&>(d);
            w.show();
            parcurge(w, {0, -1, 0, 0});
            return w.result();
        });
        QString eroare;
        try {
            TPrintWiz w;
            w.Arata();
        } catch (const Eroare& e) {
            eroare = e.text();
        }
        StocSetari::redirectioneaza(mediu->cale("setari.ini"));
        if (!scriere) {
            QVERIFY2(eroare.startsWith("Setarile nu au putut fi salvate"), qPrintable(eroare));
            return;
        }
        QCOMPARE(eroare, QString());
        QCOMPARE(SetareTiparireStocata("all"), "0,1,0,0,0,1,0,0,0,0,Inregistrare,0");
        QCOMPARE(SetareTiparireStocata("all_necitit"), stricat);
    }

    void renunt_data() {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<bool>("inchisa"); // closed by the window's close button, not "Renunt"
        QTest::newRow("Renunt pe prima pagina") << 0 << false;
        QTest::newRow("Renunt pe ultima pagina") << 13 << false;
        QTest::newRow("fereastra inchisa") << 9 << true;
    }
    void renunt() {
        QFETCH(int, pagina);
        QFETCH(bool, inchisa);
        mediu->dialoguri().ferestre.push_back([&](QDialog& d) {
            auto& w = static_cast<TPrintWiz&>(d);
            w.show();
            parcurge(w, {}, pagina);
            if (inchisa)
                w.close();
            else
                apasa(w.RzBitBtn3);
            return w.result();
        });
        TPrintWiz w;
        QCOMPARE(w.Arata(), int(QDialog::Rejected));
        QVERIFY(!w.Finalizat);
        QVERIFY(!StocSetari::deschide(TAllStuffReg::Cheie())->contains("all"));
        QVERIFY(!StocSetari::deschide(TAllStuffReg::Cheie())->contains("OglindescFata"));
    }

    void meniulPrincipal() {
        TVardolineMain principala;
        principala.Configurareimprimanta2->trigger();
        QCOMPARE(mediu->dialoguri().texte("fereastra"), QStringList{"TPrintWiz"});
        // Destroyed when it closes.
        QVERIFY(principala.findChildren<TPrintWiz*>().isEmpty());
        QVERIFY(mediu->dialoguri().texte("eroare").isEmpty());
    }
};

QTEST_MAIN(TestPrintWizUnit)
#include "tst_PrintWizUnit.moc"
