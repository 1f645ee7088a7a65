#include "MediuTest.h"
#include "SetariDeProba.h"
#include "controls/UKivEditors.h"
#include "platform/Eroare.h"
#include "platform/ImprimantaInregistrata.h"
#include "platform/StocSetari.h"
#include "printing/InsertPaper.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

void stocheaza(const QString& nume, const QString& valoare) {
    StocSetari::deschide(TAllStuffReg::Cheie())->setValue(nume, valoare);
}

// The message of the error the action fails with; empty when it does not fail.
QString eroareaLui(const std::function<void()>& actiune) {
    try {
        actiune();
    } catch (const Eroare& e) {
        return e.text();
    }
    return {};
}

// Which of the six pictures are shown.
QStringList imaginiAratate(const TInsertPaperForm& d) {
    QStringList r;
    for (const QLabel* l : d.Imagini)
        if (!l->isHidden()) r << l->objectName();
    return r;
}

void bifeaza(QCheckBox* c) {
    QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(8, c->height() / 2));
}

void tasteaza(TKivNumEdit* e, const QString& text) {
    e->setFocus();
    e->SelecteazaTot();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, text);
}

// What the dialog showed when it was shown.
struct Vazut {
    QString titlu;
    QStringList imagini;
    bool bifat = false;
    QString edit1, edit2;
};

std::function<int(QDialog&)> priveste(Vazut& v, std::function<void(TInsertPaperForm&)> apoi) {
    return [&v, apoi](QDialog& d) {
        auto& f = static_cast<TInsertPaperForm&>(d);
        f.show();
        v = {f.windowTitle(), imaginiAratate(f), f.RzCheckBox1->isChecked(), f.Edit1->Text(),
             f.Edit2->Text()};
        apoi(f);
        return f.result();
    };
}

} // namespace

class TestInsertPaper : public QObject {
    Q_OBJECT

private slots:
    void init() {
        mediu_ = std::make_unique<MediuTest>();
        QLocale::setDefault(QLocale::c());
    }
    void cleanup() {
        mediu_.reset();
        QLocale::setDefault(QLocale::c());
    }

    void textCuVirgule_data() {
        QTest::addColumn<QStringList>("elemente");
        QTest::addColumn<QString>("text");
        QTest::newRow("simple") << QStringList{"0", "1", "abc"} << "0,1,abc";
        QTest::newRow("gol la mijloc") << QStringList{"0", "", "0"} << "0,,0";
        QTest::newRow("gol la sfarsit") << QStringList{"0", ""} << "0,";
        QTest::newRow("unul gol") << QStringList{""} << "\"\"";
        QTest::newRow("blanc") << QStringList{"HP LaserJet 1020", "3"} << "\"HP LaserJet 1020\",3";
        QTest::newRow("virgula") << QStringList{"2,5"} << "\"2,5\"";
        QTest::newRow("ghilimele") << QStringList{"a\"b"} << "\"a\"\"b\"";
        QTest::newRow("tab") << QStringList{"a\tb"} << "\"a\tb\"";
        QTest::newRow("diacritice") << QStringList{"Imprimantă"} << "Imprimantă";
    }
    void textCuVirgule() {
        QFETCH(QStringList, elemente);
        QFETCH(QString, text);
        QCOMPARE(TextCuVirgule(elemente), text);
        QCOMPARE(DesparteTextCuVirgule(text), elemente);
    }

    void citireTextCuVirgule_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("elemente");
        QTest::newRow("blanc fara ghilimele") << "a b,c" << QStringList{"a", "b", "c"};
        QTest::newRow("blancuri in jur") << "  a , b " << QStringList{"a", "b"};
        QTest::newRow("ghilimea neinchisa") << "\"a,b" << QStringList{"a,b"};
        QTest::newRow("gol") << "" << QStringList{};
    }
    void citireTextCuVirgule() {
        QFETCH(QString, text);
        QFETCH(QStringList, elemente);
        QCOMPARE(DesparteTextCuVirgule(text), elemente);
    }

    void numereReale_data() {
        QTest::addColumn<QString>("localizare");
        QTest::addColumn<double>("valoare");
        QTest::addColumn<QString>("text");
        QTest::newRow("c 2.5") << "C" << 2.5 << "2.5";
        QTest::newRow("ro 2,5") << "ro_RO" << 2.5 << "2,5";
        QTest::newRow("ro zero") << "ro_RO" << 0.0 << "0";
        QTest::newRow("ro negativ") << "ro_RO" << -1.25 << "-1,25";
        QTest::newRow("ro fara puncte la mii") << "ro_RO" << 1234.5 << "1234,5";
        QTest::newRow("15 cifre") << "C" << 0.1 + 0.2 << "0.3";
        QTest::newRow("o treime") << "C" << 1.0 / 3.0 << "0.333333333333333";
    }
    void numereReale() {
        QFETCH(QString, localizare);
        QFETCH(double, valoare);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(localizare));
        QCOMPARE(TextNumarReal(valoare), text);
        QCOMPARE(CitesteNumarReal(text), QString::number(valoare, 'g', 15).toDouble());
    }

    void numereGresite_data() {
        QTest::addColumn<QString>("localizare");
        QTest::addColumn<QString>("text");
        QTest::newRow("gol") << "C"
                             << "";
        QTest::newRow("litere") << "C"
                                << "abc";
        QTest::newRow("virgula in C") << "C"
                                      << "2,5";
        QTest::newRow("punct in ro") << "ro_RO"
                                     << "2.5";
    }
    void numereGresite() {
        QFETCH(QString, localizare);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(localizare));
        QCOMPARE(eroareaLui([&] { CitesteNumarReal(text); }),
                 QString("'%1' is not a valid floating point value").arg(text));
    }

    void stocNouScrieValorileInitiale() {
        {
            TAllStuffReg s;
            QVERIFY(!s.Configured);
            QCOMPARE(s.FrontLeft, 0.0);
            QCOMPARE(s.Oglindire(LaturaFata), QString("*"));
            QCOMPARE(s.Oglindire(LaturaVerso), QString("*"));
            QCOMPARE(s.Oglindire(7), QString("*"));
        }
        QCOMPARE(SetareTiparireStocata("all"), QString("0,0,0,0,0,0,0,0,0,0,,0"));
        QCOMPARE(DesparteTextCuVirgule(SetareTiparireStocata("all")).size(), 12);
        QCOMPARE(SetareTiparireStocata("OglindescFata"), QString("*"));
        QCOMPARE(SetareTiparireStocata("OglindescVerso"), QString("*"));
    }

    void totulSeCitesteInapoi() {
        QLocale::setDefault(QLocale("ro_RO"));
        {
            TAllStuffReg s;
            s.Configured = true;
            s.OppositeSide = true;
            s.LineBottom = true;
            s.FeedMode = 3;
            s.SeteazaMargini(LaturaFata, 2.5, -1.75);
            s.SeteazaMargini(LaturaVerso, 0.125, 10);
            s.PrinterName = "HP \"Birou\", etaj 1";
            s.PrinterIndex = 2;
            s.SeteazaOglindire(LaturaFata, "D");
            s.SeteazaOglindire(LaturaVerso, "N");
        }
        QVERIFY(SetareTiparireStocata("all").contains("\"2,5\""));
        TAllStuffReg s;
        QVERIFY(s.Configured && s.OppositeSide && !s.LineRight && s.LineBottom);
        QCOMPARE(s.FeedMode, 3);
        QCOMPARE(s.MargineStanga(LaturaFata), 2.5);
        QCOMPARE(s.MargineSus(LaturaFata), -1.75);
        QCOMPARE(s.MargineStanga(LaturaVerso), 0.125);
        QCOMPARE(s.MargineSus(LaturaVerso), 10.0);
        QCOMPARE(s.PrinterName, QString("HP \"Birou\", etaj 1"));
        QCOMPARE(s.PrinterIndex, 2);
        QCOMPARE(s.OglindescFata, QString("D"));
        QCOMPARE(s.OglindescVerso, QString("N"));
    }

    void doarUnuEsteAdevarat() {
        stocheaza("all", "0,2,1,da,true,1,0,0,0,0,,0");
        TAllStuffReg s;
        QVERIFY(!s.Configured);
        QVERIFY(s.OppositeSide);
        QVERIFY(!s.LineRight);
        QVERIFY(!s.LineBottom);
    }

    void valoriCareNuSeCitesc_data() {
        QTest::addColumn<QString>("all");
        QTest::newRow("5 elemente") << "0,1,0,0,0";
        QTest::newRow("11 elemente") << "0,1,0,0,0,1,0,0,0,0,x";
        QTest::newRow("gol") << "";
        QTest::newRow("FeedMode") << "0,1,0,0,0,doi,0,0,0,0,,0";
        QTest::newRow("margine") << "0,1,0,0,0,1,0,x,0,0,,0";
        QTest::newRow("margine imensa") << "0,1,0,0,0,1,1e300,0,0,0,,0";
        QTest::newRow("margine nenumar") << "0,1,0,0,0,1,0,nan,0,0,,0";
        QTest::newRow("PrinterIndex") << "0,1,0,0,0,1,0,0,0,0,P,1.5";
    }
    // An unreadable value never blocks: the defaults are used, release leaves the value alone,
    // and the next write the user asks for stores a fresh one with the old text beside it.
    void valoriCareNuSeCitesc() {
        QFETCH(QString, all);
        stocheaza("all", all);
        {
            TAllStuffReg s;
            QVERIFY(!s.AllNecitit.isEmpty());
            QVERIFY(!s.Configured);
            QCOMPARE(s.FrontTop, 0.0);
        }
        QCOMPARE(SetareTiparireStocata("all"), all);
        {
            TAllStuffReg s;
            s.Configured = true;
            s.Scrie();
        }
        QCOMPARE(SetareTiparireStocata("all_necitit"), all.isEmpty() ? QStringLiteral(" ") : all);
        TAllStuffReg citit;
        QVERIFY(citit.AllNecitit.isEmpty());
        QVERIFY(citit.Configured);
    }

    // Margins written under one regional setting are read under any other.
    void margineCuOriceSeparator_data() {
        QTest::addColumn<QString>("locala");
        QTest::addColumn<QString>("all");
        for (const char* locala : {"C", "ro_RO"}) {
            QTest::addRow("%s virgula", locala) << locala << "0,1,0,0,0,1,\"2,5\",\"-1,25\",0,0,,0";
            QTest::addRow("%s punct", locala) << locala << "0,1,0,0,0,1,2.5,-1.25,0,0,,0";
        }
    }
    void margineCuOriceSeparator() {
        QFETCH(QString, locala);
        QFETCH(QString, all);
        const QLocale vechi;
        QLocale::setDefault(QLocale(locala));
        stocheaza("all", all);
        TAllStuffReg s;
        QLocale::setDefault(vechi);
        QVERIFY(s.AllNecitit.isEmpty());
        QCOMPARE(s.FrontLeft, 2.5);
        QCOMPARE(s.FrontTop, -1.25);
    }

    // A settings file that cannot be written is reported, never taken as written.
    void scriereaEsuataSeSpune() {
        QFile(mediu_->cale("fisier")).open(QIODevice::WriteOnly);
        StocSetari::redirectioneaza(mediu_->cale("fisier/setari.ini"));
        QString mesaj;
        {
            TAllStuffReg s;
            s.Configured = true;
            mesaj = eroareaLui([&] { s.Scrie(); });
        }
        StocSetari::redirectioneaza(mediu_->cale("setari.ini"));
        QVERIFY2(mesaj.startsWith("Setarile nu au putut fi salvate"), qPrintable(mesaj));
    }

    void setarileCurente() {
        QCOMPARE(SetariCurente(), nullptr);
        {
            TAllStuffReg primul;
            QCOMPARE(SetariCurente(), &primul);
            {
                TAllStuffReg alDoilea;
                QCOMPARE(SetariCurente(), &primul);
            }
            QCOMPARE(SetariCurente(), &primul);
        }
        QCOMPARE(SetariCurente(), nullptr);
    }

    void pregatesteImprimanta_data() {
        QTest::addColumn<bool>("portret");
        QTest::addColumn<int>("orientare");
        QTest::newRow("peisaj") << false << int(QPageLayout::Landscape);
        QTest::newRow("portret") << true << int(QPageLayout::Portrait);
    }
    void pregatesteImprimanta() {
        QFETCH(bool, portret);
        QFETCH(int, orientare);
        auto dispozitiv = ImprimantaInregistrata::a4(600, QPageLayout::Portrait);
        SetariDispozitiv altele;
        altele.orientare = portret ? QPageLayout::Landscape : QPageLayout::Portrait;
        altele.hartieA4 = altele.calitateInalta = altele.monocrom = false;
        dispozitiv.pregatesteSetari(altele);
        instaleazaImprimanta(&dispozitiv);
        PregatesteImprimanta(portret);
        instaleazaImprimanta(nullptr);
        QCOMPARE(int(dispozitiv.setari().orientare), orientare);
        QVERIFY(dispozitiv.setari().hartieA4);
        QVERIFY(dispozitiv.setari().calitateInalta);
        QVERIFY(dispozitiv.setari().monocrom);
    }

    void dialogulDupaLatura_data() {
        QTest::addColumn<int>("feedMode");
        QTest::addColumn<bool>("opus");
        QTest::addColumn<int>("latura");
        QTest::addColumn<QString>("titlu");
        QTest::addColumn<bool>("bifat");
        QTest::addColumn<QStringList>("imagini");
        QTest::addColumn<QStringList>("imaginiDupaClic");
        // Fed from the top: the front goes in turned, the back as shown.
        QTest::newRow("fata 1") << 1 << false << 0 << "(1)" << true << QStringList{"Image1", "Image5"}
                                << QStringList{"Image3", "Image5"};
        QTest::newRow("verso 1") << 1 << false << 1 << "(3)" << false << QStringList{"Image2", "Image5"}
                                 << QStringList{"Image4", "Image5"};
        QTest::newRow("verso 1 opus") << 1 << true << 1 << "(4)" << false << QStringList{"Image1", "Image5"}
                                      << QStringList{"Image3", "Image5"};
        QTest::newRow("fata 1 opus") << 1 << true << 0 << "(2)" << true << QStringList{"Image4", "Image5"}
                                     << QStringList{"Image2", "Image5"};
        QTest::newRow("fata 2") << 2 << false << 0 << "(1)" << false << QStringList{"Image3", "Image6"}
                                << QStringList{"Image1", "Image6"};
        QTest::newRow("verso 2") << 2 << false << 1 << "(3)" << true << QStringList{"Image4", "Image6"}
                                 << QStringList{"Image2", "Image6"};
        QTest::newRow("fata 3") << 3 << false << 0 << "(1)" << true << QStringList{"Image1", "Image5"}
                                << QStringList{"Image3", "Image5"};
        QTest::newRow("verso 4 opus") << 4 << true << 1 << "(4)" << true << QStringList{"Image3", "Image6"}
                                      << QStringList{"Image1", "Image6"};
    }
    void dialogulDupaLatura() {
        QFETCH(int, feedMode);
        QFETCH(bool, opus);
        QFETCH(int, latura);
        QFETCH(QString, titlu);
        QFETCH(bool, bifat);
        QFETCH(QStringList, imagini);
        QFETCH(QStringList, imaginiDupaClic);
        ConfigureazaTiparirea(feedMode, opus);
        TAllStuffReg s;
        Vazut v;
        QStringList dupaClic;
        mediu_->dialoguri().ferestre.push_back(priveste(v, [&](TInsertPaperForm& f) {
            bifeaza(f.RzCheckBox1);
            dupaClic = imaginiAratate(f);
            QTest::mouseClick(f.BitBtn1, Qt::LeftButton);
        }));
        const auto r = IntrebaIntroducere(latura, 0, 0);
        QCOMPARE(v.titlu, titlu);
        QCOMPARE(v.bifat, bifat);
        QCOMPARE(v.imagini, imagini);
        QCOMPARE(dupaClic, imaginiDupaClic);
        QCOMPARE(r.rezultat, int(QDialog::Accepted));
        QCOMPARE(r.oglindesc, !bifat);
        QCOMPARE(s.Oglindire(latura), QString(bifat ? "N" : "D"));
        QCOMPARE(s.Oglindire(1 - latura), QString("*"));
    }

    void alegereaFacutaSeOfera_data() {
        QTest::addColumn<QString>("alegere");
        QTest::addColumn<bool>("bifat");
        QTest::newRow("D") << "D" << true;
        QTest::newRow("N") << "N" << false;
        QTest::newRow("necunoscuta") << "x" << false;
    }
    void alegereaFacutaSeOfera() {
        QFETCH(QString, alegere);
        QFETCH(bool, bifat);
        // FeedMode 1 would tick the front by default; a choice made overrides it.
        ConfigureazaTiparirea(1, false, alegere);
        TAllStuffReg s;
        Vazut v;
        mediu_->dialoguri().ferestre.push_back(priveste(v, [](TInsertPaperForm& f) { f.BitBtn1->click(); }));
        IntrebaIntroducere(LaturaFata, 0, 0);
        QCOMPARE(v.bifat, bifat);
        QCOMPARE(s.OglindescFata, QString(bifat ? "D" : "N"));
    }

    // A margin no sheet can take is refused with the reason and the dialog stays open.
    void margineaPreaMareSeRefuza() {
        ConfigureazaTiparirea(0, false);
        TAllStuffReg s;
        Vazut v;
        bool deschis = false;
        mediu_->dialoguri().ferestre.push_back(priveste(v, [&](TInsertPaperForm& f) {
            tasteaza(f.Edit1, "99999999999");
            QTest::mouseClick(f.BitBtn1, Qt::LeftButton);
            deschis = f.isVisible();
            f.reject();
        }));
        const auto r = IntrebaIntroducere(LaturaFata, 1.0, 2.0);
        QVERIFY(deschis);
        QCOMPARE(r.stanga, 1.0);
        const QStringList erori = mediu_->dialoguri().texte("eroare");
        QCOMPARE(erori.size(), 1);
        QVERIFY2(erori.front().startsWith("Marginea de "), qPrintable(erori.front()));
    }

    void marginileSeEditeazaCaNumere_data() {
        QTest::addColumn<QString>("localizare");
        QTest::addColumn<double>("stanga");
        QTest::addColumn<double>("sus");
        QTest::addColumn<QString>("edit1");
        QTest::addColumn<QString>("tastat");
        QTest::addColumn<double>("stangaNoua");
        QTest::newRow("ro") << "ro_RO" << 2.5 << -1.0 << "2,5"
                            << "3,75" << 3.75;
        QTest::newRow("c") << "C" << 2.5 << 0.0 << "2,5"
                           << "1.5" << 1.5;
        QTest::newRow("zecimi") << "C" << 0.1 << 0.0 << "0,1"
                                << "12" << 12.0;
        QTest::newRow("minus") << "ro_RO" << 0.0 << 0.0 << "0"
                               << "-2" << -2.0;
    }
    void marginileSeEditeazaCaNumere() {
        QFETCH(QString, localizare);
        QFETCH(double, stanga);
        QFETCH(double, sus);
        QFETCH(QString, edit1);
        QFETCH(QString, tastat);
        QFETCH(double, stangaNoua);
        QLocale::setDefault(QLocale(localizare));
        ConfigureazaTiparirea(2, false);
        TAllStuffReg s;
        Vazut v;
        mediu_->dialoguri().ferestre.push_back(priveste(v, [&](TInsertPaperForm& f) {
            tasteaza(f.Edit1, tastat);
            QTest::mouseClick(f.BitBtn1, Qt::LeftButton);
        }));
        const auto r = IntrebaIntroducere(LaturaVerso, stanga, sus);
        QCOMPARE(v.edit1, edit1);
        QCOMPARE(r.rezultat, int(QDialog::Accepted));
        QCOMPARE(r.stanga, stangaNoua);
        QCOMPARE(r.sus, sus);
    }

    void okRefuzaOMargineGoala() {
        ConfigureazaTiparirea(2, false);
        TAllStuffReg s;
        bool ramaneDeschis = false;
        mediu_->dialoguri().ferestre.push_back([&](QDialog& d) {
            auto& f = static_cast<TInsertPaperForm&>(d);
            f.show();
            tasteaza(f.Edit2, "");
            QTest::mouseClick(f.BitBtn1, Qt::LeftButton);
            ramaneDeschis = f.isVisible();
            tasteaza(f.Edit2, "4");
            QTest::mouseClick(f.BitBtn1, Qt::LeftButton);
            return f.result();
        });
        const auto r = IntrebaIntroducere(LaturaFata, 1, 2);
        QVERIFY(ramaneDeschis);
        QCOMPARE(mediu_->dialoguri().texte("eroare"), QStringList{"'' is not a valid floating point value"});
        QCOMPARE(r.rezultat, int(QDialog::Accepted));
        QCOMPARE(r.sus, 4.0);
    }

    void renuntPastreazaMarginileDarNuIntoarcerea() {
        ConfigureazaTiparirea(2, false);
        {
            TAllStuffReg s;
            s.SeteazaMargini(LaturaFata, 1.5, 2.5);
            mediu_->dialoguri().ferestre.push_back([&](QDialog& d) {
                auto& f = static_cast<TInsertPaperForm&>(d);
                f.show();
                bifeaza(f.RzCheckBox1);
                // Even a margin that is not a number does not make cancelling fail.
                tasteaza(f.Edit1, "");
                tasteaza(f.Edit2, "9");
                QTest::mouseClick(f.BitBtn2, Qt::LeftButton);
                return f.result();
            });
            const auto r = IntrebaIntroducere(LaturaFata, s.FrontLeft, s.FrontTop);
            QCOMPARE(r.rezultat, int(QDialog::Rejected));
            QVERIFY(r.oglindesc);
            QCOMPARE(r.stanga, 1.5);
            QCOMPARE(r.sus, 2.5);
        }
        TAllStuffReg citit;
        QCOMPARE(citit.OglindescFata, QString("D"));
        QCOMPARE(citit.FrontLeft, 1.5);
        QCOMPARE(citit.FrontTop, 2.5);
        QVERIFY(mediu_->dialoguri().texte("eroare").isEmpty());
    }

    void acelasiDialogDeFiecareData() {
        ConfigureazaTiparirea(1, false);
        TAllStuffReg s;
        QList<QDialog*> aratate;
        const auto inchide = [&](QDialog& d) {
            aratate << &d;
            return int(QDialog::Rejected);
        };
        mediu_->dialoguri().ferestre = {inchide, inchide};
        IntrebaIntroducere(LaturaFata, 0, 0);
        IntrebaIntroducere(LaturaVerso, 0, 0);
        QCOMPARE(aratate.size(), 2);
        QCOMPARE(aratate[0], aratate[1]);
        QCOMPARE(aratate[0], &TInsertPaperForm::Instanta());
    }

    void faraSetariCurenteEsteOEroare() {
        QVERIFY(!eroareaLui([] { IntrebaIntroducere(LaturaFata, 0, 0); }).isEmpty());
        QVERIFY(mediu_->dialoguri().texte("fereastra").isEmpty());
    }

    void imaginileSuntDesenate() {
        auto& f = TInsertPaperForm::Instanta();
        for (QLabel* l : f.Imagini) {
            const QImage img = l->pixmap().toImage();
            QCOMPARE(img.size(), l->size());
            // Drawn, not blank: the picture has dark strokes somewhere.
            bool intunecat = false;
            for (int y = 0; y < img.height() && !intunecat; ++y)
                for (int x = 0; x < img.width() && !intunecat; ++x)
                    intunecat = qAlpha(img.pixel(x, y)) > 0 && qGray(img.pixel(x, y)) < 100;
            QVERIFY2(intunecat, qPrintable(l->objectName()));
        }
        if (!qEnvironmentVariableIsEmpty("VARDOLIN_CAPTURI")) {
            ConfigureazaTiparirea(1, false);
            TAllStuffReg s;
            mediu_->dialoguri().ferestre.push_back([](QDialog& d) {
                d.show();
                d.grab().save(qEnvironmentVariable("VARDOLIN_CAPTURI") + "/insertpaper.png");
                return int(QDialog::Rejected);
            });
            IntrebaIntroducere(LaturaFata, 2.5, 0);
        }
    }

private:
    std::unique_ptr<MediuTest> mediu_;
};

QTEST_MAIN(TestInsertPaper)
#include "tst_InsertPaper.moc"
