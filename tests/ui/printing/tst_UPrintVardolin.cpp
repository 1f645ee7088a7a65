#include "MediuTest.h"
#include "controls/UKivEditors.h"
#include "data/UProfilDiploma.h"
#include "platform/ImprimantaInregistrata.h"
#include "platform/ImprimantaSistem.h"
#include "platform/StocSetari.h"
#include "printing/FormularDePrintat.h"
#include "printing/InsertPaper.h"
#include "printing/UPrintVardolin.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QtTest>
#include <memory>

using Inreg = ImprimantaInregistrata::Inregistrare;

namespace {

void configureaza(int feedMode, double frontLeft = 0, double frontTop = 0, double backLeft = 0,
                  double backTop = 0) {
    TAllStuffReg s;
    s.Configured = true;
    s.FeedMode = feedMode;
    s.FrontLeft = frontLeft;
    s.FrontTop = frontTop;
    s.BackLeft = backLeft;
    s.BackTop = backTop;
}

// What the paper dialog is answered with.
struct Raspuns {
    QString stanga, sus;
    bool bifat = false;
    bool ok = true;
};

std::function<int(QDialog&)> raspunde(const Raspuns& r, QString* titluVazut = nullptr) {
    return [r, titluVazut](QDialog& d) {
        auto& f = static_cast<TInsertPaperForm&>(d);
        if (titluVazut) *titluVazut = f.windowTitle();
        f.Edit1->SetText(r.stanga);
        f.Edit2->SetText(r.sus);
        if (f.RzCheckBox1->isChecked() != r.bifat) f.RzCheckBox1->click();
        (r.ok ? f.BitBtn1 : f.BitBtn2)->click();
        return f.result();
    };
}

// The texts of a print, with where they went.
QList<QPair<QString, QPoint>> texte(const ImprimantaInregistrata& d) {
    QList<QPair<QString, QPoint>> r;
    for (const Inreg& i : d.doar(Inreg::Text))
        r << qMakePair(i.text, i.punct);
    return r;
}

} // namespace

class TestUPrintVardolin : public QObject {
    Q_OBJECT
    std::unique_ptr<MediuTest> mediu;
    std::unique_ptr<ImprimantaInregistrata> dispozitiv;
    std::unique_ptr<TPrintVardolin> fereastra;

private slots:
    void init() {
        mediu = std::make_unique<MediuTest>();
        QLocale::setDefault(QLocale::c());
        dispozitiv = std::make_unique<ImprimantaInregistrata>(
            ImprimantaInregistrata::a4(600, QPageLayout::Landscape, 50, 40, 60, 70));
        instaleazaImprimanta(dispozitiv.get());
        fereastra = std::make_unique<TPrintVardolin>();
        for (TFormularDePrintat* p : {fereastra->FormularDePrintat1, fereastra->FormularDePrintat2})
            p->NumberTextAreas();
    }
    void cleanup() {
        fereastra.reset();
        instaleazaImprimanta(nullptr);
        dispozitiv.reset();
        mediu.reset();
    }

    void fereastraAreTotCeTrebuie() {
        TPrintVardolin& f = *fereastra;
        QCOMPARE(f.objectName(), QString("PrintVardolin"));
        QCOMPARE(f.windowTitle(), QString("Vizualizare inaintea imprimarii"));
        QVERIFY(f.windowState() & Qt::WindowMaximized);
        QCOMPARE(f.Button1->text(), QString("Tipareste"));
        QCOMPARE(f.Button2->text(), QString("Mareste"));
        QCOMPARE(f.Button3->text(), QString("Micsoreaza"));
        QCOMPARE(f.ButonExit->text(), QString("Exit"));
        QCOMPARE(f.PageControl1->count(), 2);
        QCOMPARE(f.PageControl1->tabText(0), QString("Fata"));
        QCOMPARE(f.PageControl1->tabText(1), QString("Verso"));
        QCOMPARE(f.PageControl1->currentIndex(), 0);
        QCOMPARE(f.ScrollBox1->widget(), f.FormularDePrintat1);
        QCOMPARE(f.ScrollBox2->widget(), f.FormularDePrintat2);
        QCOMPARE(f.Fonturi.size(), size_t(12));
        for (TFontFormular* font : f.Fonturi)
            QCOMPARE(font->parent(), &f);
        // Adjustments are looked up by the window's name: every area must find it.
        for (TFormularTextArea* z : f.findChildren<TFormularTextArea*>())
            QCOMPARE(z->window(), &f);
        QCOMPARE(f.findChildren<TFormularTextArea*>().size(), 168);

        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QTest::mouseClick(f.ButonExit, Qt::LeftButton);
        QCOMPARE(f.result(), int(QDialog::Rejected));
        QVERIFY(!f.isVisible());
    }

    void handlerulFaceFereastra() {
        THandlerVardolin handler;
        QCOMPARE(handler.Titlu, QString("Vardolin"));
        QWidget proprietar;
        QWidget* w = handler.CreeazaFereastra(&proprietar);
        QVERIFY(qobject_cast<TPrintVardolin*>(w));
        QCOMPARE(w->parent(), &proprietar);

        // Registered once, however often start-up asks.
        const size_t inainte = HandlereFormulare().size();
        InregistreazaHandlerVardolin();
        InregistreazaHandlerVardolin();
        QCOMPARE(HandlereFormulare().size(), inainte + 1);
        QCOMPARE(HandlereFormulare().back()->Titlu, QString("Vardolin"));
    }

    void zoomulLaturiiActive_data() {
        QTest::addColumn<int>("latura");
        QTest::newRow("fata") << 0;
        QTest::newRow("verso") << 1;
    }
    void zoomulLaturiiActive() {
        QFETCH(int, latura);
        TPrintVardolin& f = *fereastra;
        f.PageControl1->setCurrentIndex(latura);
        TFormularDePrintat* activa = latura ? f.FormularDePrintat2 : f.FormularDePrintat1;
        TFormularDePrintat* cealalta = latura ? f.FormularDePrintat1 : f.FormularDePrintat2;
        const QSize marime100 = activa->size();
        TFormularTextArea* zona = activa->zone().constLast();
        const QRect zona100 = zona->geometry();

        const auto verificaAsezarea = [&] {
            const double dpi = RezolutieEcran(activa->Zoom());
            QCOMPARE(activa->size(),
                     QSize(MmToPixels(activa->Latime(), dpi), MmToPixels(activa->Inaltime(), dpi)));
            QCOMPARE(zona->geometry(),
                     QRect(MmToPixels(zona->_Left(), dpi), MmToPixels(zona->_Top(), dpi),
                           MmToPixels(zona->_Width(), dpi), MmToPixels(zona->_Height(), dpi)));
            // The scroll range follows the page.
            QCOMPARE(activa->parentWidget()->parentWidget(), latura ? f.ScrollBox2 : f.ScrollBox1);
        };
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(f.Button2, Qt::LeftButton);
            verificaAsezarea();
        }
        QVERIFY(qAbs(activa->Zoom() - 133.1) < 1e-9);
        QVERIFY(activa->size().width() > marime100.width() * 1.3);
        QCOMPARE(cealalta->Zoom(), 100.0);

        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(f.Button3, Qt::LeftButton);
            verificaAsezarea();
        }
        QVERIFY(qAbs(activa->Zoom() - 100.0) < 1e-9);
        QCOMPARE(activa->size(), marime100);
        QCOMPARE(zona->geometry(), zona100);
        QCOMPARE(cealalta->Zoom(), 100.0);
    }

    // The zoom each run of presses gives, to the last bit, as the extended-precision steps give it.
    void pasiiZoomului_data() {
        QTest::addColumn<QString>("apasari");
        QTest::addColumn<double>("zoom");
        QTest::newRow("+") << "+" << 0x1.b8p+6;
        QTest::newRow("-") << "-" << 0x1.6ba2e8ba2e8bap+6;
        QTest::newRow("+++") << "+++" << 0x1.0a33333333333p+7;
        QTest::newRow("+++---") << "+++---" << 100.0;
        QTest::newRow("20 x +") << QString(20, u'+') << 0x1.505fffd57dc16p+9;
        QTest::newRow("7 x -") << QString(7, u'-') << 0x1.9a86c8595e3abp+5;
        QTest::newRow("pana la margine") << QString(40, u'+') << TFormularDePrintat::ZoomMaxim;
        QTest::newRow("pana la margine si inapoi") << QString(40, u'+') + u'-' << 0x1.c68ba2e8ba2e9p+9;
    }
    void pasiiZoomului() {
        QFETCH(QString, apasari);
        QFETCH(double, zoom);
        fereastra->FormularDePrintat1->setZoom(100);
        for (QChar c : apasari)
            QTest::mouseClick(c == u'+' ? fereastra->Button2 : fereastra->Button3, Qt::LeftButton);
        QCOMPARE(fereastra->FormularDePrintat1->Zoom(), zoom);
    }

    void faraPregatireaImprimanteiNuTipareste() {
        QTest::mouseClick(fereastra->Button1, Qt::LeftButton);
        QCOMPARE(mediu->dialoguri().texte("mesaj"), QStringList{"Configureaza imprimanta"});
        QVERIFY(dispozitiv->inregistrari().empty());
        QVERIFY(mediu->dialoguri().ferestre.empty());
        QVERIFY(StocSetari::deschide(TAllStuffReg::Cheie())->contains("all"));
    }

    // Unreadable print settings send the user back to the printer preparation, in Romanian,
    // and are left as they are for it.
    void setariNecititeCerConfigurarea() {
        const QString stricat = "0,1,0,0,0,1,abc,0,0,0,P,0";
        StocSetari::deschide(TAllStuffReg::Cheie())->setValue("all", stricat);
        QTest::mouseClick(fereastra->Button1, Qt::LeftButton);
        const QStringList erori = mediu->dialoguri().texte("eroare");
        QCOMPARE(erori.size(), 1);
        QVERIFY2(erori.front().contains("\"Configurare imprimanta\""), qPrintable(erori.front()));
        QVERIFY(dispozitiv->inregistrari().empty());
        QCOMPARE(StocSetari::deschide(TAllStuffReg::Cheie())->value("all").toString(), stricat);
    }

    void tiparesteLaturaDePeEcran_data() {
        QTest::addColumn<int>("latura");
        QTest::addColumn<int>("feedMode");
        QTest::addColumn<QString>("stanga");
        QTest::addColumn<QString>("sus");
        QTest::addColumn<bool>("bifat");
        QTest::addColumn<QString>("titlu");
        QTest::addColumn<QString>("titluDialog");
        QTest::newRow("fata") << 0 << 2 << "0"
                              << "0" << false << "Diploma de examen national - fata"
                              << "(1)";
        QTest::newRow("fata cu margini rotita") << 0 << 1 << "3.5"
                                                << "-2.25" << true << "Diploma de examen national - fata"
                                                << "(1)";
        QTest::newRow("verso cu margini") << 1 << 1 << "-1.75"
                                          << "4" << false << "Diploma de examen national - verso"
                                          << "(3)";
        QTest::newRow("verso rotit") << 1 << 2 << "0.5"
                                     << "0" << true << "Diploma de examen national - verso"
                                     << "(3)";
    }
    void tiparesteLaturaDePeEcran() {
        QFETCH(int, latura);
        QFETCH(int, feedMode);
        QFETCH(QString, stanga);
        QFETCH(QString, sus);
        QFETCH(bool, bifat);
        QFETCH(QString, titlu);
        QFETCH(QString, titluDialog);
        configureaza(feedMode, 1, 2, 3, 4);
        TPrintVardolin& f = *fereastra;
        f.PageControl1->setCurrentIndex(latura);
        TFormularDePrintat* pagina = latura ? f.FormularDePrintat2 : f.FormularDePrintat1;
        // What the side gives printed directly, turned as asked, at the margins given.
        const double L = stanga.toDouble(), T = sus.toDouble();
        dispozitiv->incepeLucrare("referinta");
        pagina->PrintPage(*dispozitiv, bifat, L, T);
        dispozitiv->terminaLucrare();
        const auto asteptat = texte(*dispozitiv);
        dispozitiv->incepeLucrare("fara margini");
        pagina->PrintPage(*dispozitiv, bifat, 0, 0);
        dispozitiv->terminaLucrare();
        const auto faraMargini = texte(*dispozitiv).mid(asteptat.size());
        dispozitiv->goleste();

        QString vazut;
        mediu->dialoguri().ferestre.push_back(raspunde({stanga, sus, bifat}, &vazut));
        QTest::mouseClick(f.Button1, Qt::LeftButton);
        QVERIFY2(mediu->dialoguri().texte("eroare").isEmpty(),
                 qPrintable(mediu->dialoguri().texte("eroare").join("; ")));
        QCOMPARE(vazut, titluDialog);

        const auto inceputuri = dispozitiv->doar(Inreg::Inceput);
        QCOMPARE(inceputuri.size(), size_t(1));
        QCOMPARE(inceputuri[0].text, titlu);
        QCOMPARE(dispozitiv->doar(Inreg::Sfarsit).size(), size_t(1));
        QCOMPARE(dispozitiv->inregistrari().front().fel, Inreg::Inceput);
        QCOMPARE(dispozitiv->inregistrari().back().fel, Inreg::Sfarsit);
        QCOMPARE(dispozitiv->setari().orientare, QPageLayout::Landscape);
        QVERIFY(dispozitiv->setari().hartieA4 && dispozitiv->setari().calitateInalta &&
                dispozitiv->setari().monocrom);

        const auto tiparit = texte(*dispozitiv);
        QCOMPARE(tiparit, asteptat);
        QCOMPARE(tiparit.size(), pagina->zone().size());
        // The margins move every text by as many device pixels (600 per inch), the turn the other way.
        const int semn = bifat ? -1 : 1;
        for (int i = 0; i < tiparit.size(); ++i) {
            const QPoint d = tiparit[i].second - faraMargini[i].second;
            QVERIFY(qAbs(d.x() - semn * L * 600 / 25.4) <= 1.0);
            QVERIFY(qAbs(d.y() - semn * T * 600 / 25.4) <= 1.0);
        }

        TAllStuffReg citit;
        QCOMPARE(citit.MargineStanga(latura), L);
        QCOMPARE(citit.MargineSus(latura), T);
        QCOMPARE(citit.MargineStanga(1 - latura), latura ? 1.0 : 3.0);
        QCOMPARE(citit.MargineSus(1 - latura), latura ? 2.0 : 4.0);
        QCOMPARE(citit.Oglindire(latura), QString(bifat ? "D" : "N"));
        QCOMPARE(citit.Oglindire(1 - latura), QString("*"));
    }

    void dialogulPrimesteMarginileLaturii() {
        configureaza(2, 1.5, 2.5, 3.5, 4.5);
        QString stanga, sus;
        mediu->dialoguri().ferestre.push_back([&](QDialog& d) {
            auto& f = static_cast<TInsertPaperForm&>(d);
            stanga = f.Edit1->Text();
            sus = f.Edit2->Text();
            return int(QDialog::Rejected);
        });
        fereastra->PageControl1->setCurrentIndex(1);
        QTest::mouseClick(fereastra->Button1, Qt::LeftButton);
        // The numeric edit writes its decimals after a comma.
        QCOMPARE(stanga, QString("3,5"));
        QCOMPARE(sus, QString("4,5"));
    }

    void renuntNuTiparesteDarPastreazaRotirea() {
        configureaza(2, 1, 2, 3, 4);
        mediu->dialoguri().ferestre.push_back(raspunde({"7", "8", true, false}));
        QTest::mouseClick(fereastra->Button1, Qt::LeftButton);
        QVERIFY(dispozitiv->inregistrari().empty());
        QVERIFY(mediu->dialoguri().texte("eroare").isEmpty());
        TAllStuffReg citit;
        QCOMPARE(citit.FrontLeft, 1.0);
        QCOMPARE(citit.FrontTop, 2.0);
        QCOMPARE(citit.OglindescFata, QString("D"));
    }

    // A job that fails after the margins were confirmed: the error is shown, the job closed and
    // the settings still written back.
    void lucrareEsuataPastreazaMarginile() {
        // The PDF printer cannot make its folder.
        instaleazaImprimanta(nullptr);
        ImprimantaSistem& sistem = ImprimantaSistem::instanta();
        const int inainte = sistem.indexCurent();
        sistem.selecteaza(sistem.indexImprimantaPdf());
        QFile blocaj(mediu->cale("PDF"));
        QVERIFY(blocaj.open(QIODevice::WriteOnly));
        blocaj.close();
        configureaza(2);
        mediu->dialoguri().ferestre.push_back(raspunde({"2.5", "1", false}));
        QTest::mouseClick(fereastra->Button1, Qt::LeftButton);
        sistem.selecteaza(inainte);
        const QStringList erori = mediu->dialoguri().texte("eroare");
        QCOMPARE(erori.size(), 1);
        QVERIFY2(erori[0].startsWith("Nu pot crea dosarul"), qPrintable(erori[0]));
        QVERIFY(!sistem.inLucru());
        TAllStuffReg citit;
        QCOMPARE(citit.FrontLeft, 2.5);
        QCOMPARE(citit.FrontTop, 1.0);
        QCOMPARE(citit.OglindescFata, QString("N"));
    }
};

QTEST_MAIN(TestUPrintVardolin)
#include "tst_UPrintVardolin.moc"
