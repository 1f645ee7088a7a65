#include "MediuTest.h"
#include "app/UVardolinMain.h"
#include "entry/UEditorConfigGlobal.h"
#include "entry/UKivQuickRegStuff.h"
#include "entry/UScrieNota.h"
#include "platform/StocSetari.h"

#include <QAbstractItemView>
#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

QString stocat(const QString& nume) {
    return StocSetari::deschide(TInfoGlobal2005::Cheie())->value(nume).toString();
}

void stocheaza(const QString& nume, const QString& valoare) {
    StocSetari::deschide(TInfoGlobal2005::Cheie())->setValue(nume, valoare);
}

QStringList moduriAratate(const TEditorConfigGlobal& f) {
    QStringList r;
    for (const QComboBox* c : {f.RzComboBox3, f.RzComboBox4, f.RzComboBox5, f.RzComboBox6})
        r << (c->currentIndex() < 0 ? QStringLiteral("-") : c->currentText());
    return r;
}

// Opens the window as the main window's menu does and lets the script work in it.
void deschideDinMeniu(MediuTest& mediu, std::function<int(TEditorConfigGlobal&)> script) {
    mediu.dialoguri().ferestre.push_back([script](QDialog& d) {
        auto& f = static_cast<TEditorConfigGlobal&>(d);
        f.show();
        return script(f);
    });
    TVardolineMain principala;
    principala.Formatnote1->trigger();
}

// The rows of the image that hold anything but the background.
QList<int> randuriCuCerneala(const QImage& img, const QColor& fond) {
    QList<int> r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) != fond) {
                r << y;
                break;
            }
    return r;
}

} // namespace

class TestEditorConfigGlobal : public QObject {
    Q_OBJECT

private slots:
    void init() { mediu_ = std::make_unique<MediuTest>(); }
    void cleanup() { mediu_.reset(); }

    void fereastra() {
        TEditorConfigGlobal f;
        QCOMPARE(f.windowTitle(), QString("Editor informatii globale"));
        QCOMPARE(f.size(), QSize(588, 347));
        QVERIFY(!f.RzPageControl1->isTabVisible(0));
        QCOMPARE(f.RzPageControl1->currentWidget(), f.TabSheet2);
        QCOMPARE(f.RzPageControl1->tabText(1), QString("Mod tiparire note"));
        QCOMPARE(f.RzBitBtn1->text(), QString("Ok"));
        QCOMPARE(f.RzBitBtn2->text(), QString("Renunt"));
        for (QComboBox* c : {f.RzComboBox3, f.RzComboBox4, f.RzComboBox5, f.RzComboBox6})
            QCOMPARE(c->count(), 4);
        if (!qEnvironmentVariableIsEmpty("VARDOLIN_CAPTURI")) {
            f.show();
            f.grab().save(qEnvironmentVariable("VARDOLIN_CAPTURI") + "/editorconfigglobal.png");
            f.RzComboBox3->showPopup();
            f.RzComboBox3->view()->window()->grab().save(qEnvironmentVariable("VARDOLIN_CAPTURI") +
                                                         "/editorconfigglobal_lista.png");
            f.RzComboBox3->hidePopup();
        }
    }

    void stocGolAratasiScrieImplicitele() {
        QStringList moduri;
        bool mari = false;
        QString fete, baieti;
        deschideDinMeniu(*mediu_, [&](TEditorConfigGlobal& f) {
            moduri = moduriAratate(f);
            mari = f.RzRadioButton1->isChecked();
            fete = f.RzComboBox1->currentText();
            baieti = f.RzComboBox2->currentText();
            QTest::mouseClick(f.RzBitBtn2, Qt::LeftButton);
            return f.result();
        });
        QCOMPARE(moduri, QStringList({"NOTA/LITERE", "NOTA/LITERE", "NOTA(PROCENT)", "NOTA(PROCENT)"}));
        QVERIFY(mari);
        QCOMPARE(fete, QString("dra"));
        QCOMPARE(baieti, QString("domnul"));
        QCOMPARE(mediu_->dialoguri().texte("fereastra"), QStringList{"TEditorConfigGlobal"});
        // Cancelled: the default modes are stored, the case and the salutations stay empty.
        QCOMPARE(stocat("NotaDiploma"), QString("NOTA/LITERE"));
        QCOMPARE(stocat("MedieCotor"), QString("NOTA(PROCENT)"));
        QCOMPARE(stocat("ScriuCuLitereMari"), QString());
        QCOMPARE(stocat("SufixFete"), QString());
        // So grades print as the window showed: the default mode, in capitals.
        AriePagina sus, jos;
        jos.sus = 3;
        ScrieNota(&sus, &jos, Currency::dinIntreg(963), TFelNota::NOTA_DIPLOMA);
        QCOMPARE(jos.text, QString("(NOUĂ, ŞAIZECIŞITREI)"));
    }

    void okStocheazaAlegerile() {
        deschideDinMeniu(*mediu_, [](TEditorConfigGlobal& f) {
            f.RzComboBox3->setCurrentIndex(0);
            f.RzComboBox4->setCurrentIndex(1);
            f.RzComboBox5->setCurrentIndex(2);
            f.RzComboBox6->setCurrentIndex(3);
            QTest::mouseClick(f.RzRadioButton2, Qt::LeftButton);
            f.RzComboBox1->setCurrentText("doamna");
            f.RzComboBox2->setCurrentText("dl");
            QTest::mouseClick(f.RzBitBtn1, Qt::LeftButton);
            return f.result();
        });
        QCOMPARE(stocat("NotaDiploma"), QString("NOTA"));
        QCOMPARE(stocat("MedieDiploma"), QString("NOTA(PROCENT)"));
        QCOMPARE(stocat("NotaCotor"), QString("NOTA/PROCENT"));
        QCOMPARE(stocat("MedieCotor"), QString("NOTA/LITERE"));
        QCOMPARE(stocat("ScriuCuLitereMari"), QString("0"));
        QCOMPARE(stocat("SufixFete"), QString("doamna"));
        QCOMPARE(stocat("SufixBaieti"), QString("dl"));
        // Applies to the next grade written.
        AriePagina sus;
        ScrieNota(&sus, nullptr, Currency::dinIntreg(963), TFelNota::MEDIE_DIPLOMA);
        QCOMPARE(sus.text, QString("9,63 (nouă, 63%)"));
    }

    void stocatulSeArata_data() {
        QTest::addColumn<QString>("notaCotor");
        QTest::addColumn<QString>("litereMari");
        QTest::addColumn<QString>("aratat");
        QTest::addColumn<bool>("mari");
        QTest::newRow("NOTA, mici") << "NOTA"
                                    << "0"
                                    << "NOTA" << false;
        QTest::newRow("mod strain, mari") << "NOTA LITERE"
                                          << "1"
                                          << "-" << true;
        QTest::newRow("orice alt text e mari") << "NOTA/PROCENT"
                                               << "da"
                                               << "NOTA/PROCENT" << true;
    }
    void stocatulSeArata() {
        QFETCH(QString, notaCotor);
        QFETCH(QString, litereMari);
        QFETCH(QString, aratat);
        QFETCH(bool, mari);
        stocheaza("NotaCotor", notaCotor);
        stocheaza("ScriuCuLitereMari", litereMari);
        stocheaza("SufixFete", "doamna");
        TEditorConfigGlobal f;
        QCOMPARE(moduriAratate(f)[2], aratat);
        QCOMPARE(f.RzRadioButton1->isChecked(), mari);
        QCOMPARE(f.RzRadioButton2->isChecked(), !mari);
        QCOMPARE(f.RzComboBox1->currentText(), QString("doamna"));
    }

    void okFaraSelectiePastreazaModul() {
        stocheaza("NotaCotor", "NOTA LITERE");
        deschideDinMeniu(*mediu_, [](TEditorConfigGlobal& f) {
            f.RzComboBox3->setCurrentIndex(0);
            QTest::mouseClick(f.RzBitBtn1, Qt::LeftButton);
            return f.result();
        });
        QCOMPARE(stocat("NotaCotor"), QString("NOTA LITERE"));
        QCOMPARE(stocat("NotaDiploma"), QString("NOTA"));
        QCOMPARE(stocat("ScriuCuLitereMari"), QString("1"));
    }

    // "Ok" over a settings file that cannot be written says so and the window stays open.
    void okFaraScrierePosibilaSeSpune() {
        QFile(mediu_->cale("fisier")).open(QIODevice::WriteOnly);
        StocSetari::redirectioneaza(mediu_->cale("fisier/setari.ini"));
        bool acceptat = true;
        deschideDinMeniu(*mediu_, [&](TEditorConfigGlobal& f) {
            QTest::mouseClick(f.RzBitBtn1, Qt::LeftButton);
            acceptat = f.result() == QDialog::Accepted;
            return f.result();
        });
        StocSetari::redirectioneaza(mediu_->cale("setari.ini"));
        QVERIFY(!acceptat);
        const QStringList erori = mediu_->dialoguri().texte("eroare");
        QCOMPARE(erori.size(), 1);
        QVERIFY2(erori.front().startsWith("Setarile nu au putut fi salvate"), qPrintable(erori.front()));
    }

    void setariStricateSeArataCaEroare() {
        StocSetari::deschide(TInfoGlobal2005::Cheie())->setValue("NotaDiploma", QStringList{"a", "b"});
        TVardolineMain principala;
        principala.Formatnote1->trigger();
        QCOMPARE(mediu_->dialoguri().texte("eroare"), QStringList{"Invalid data type for 'NotaDiploma'"});
        QVERIFY(mediu_->dialoguri().texte("fereastra").isEmpty());
        QVERIFY(principala.findChildren<TEditorConfigGlobal*>().isEmpty());
    }

    void fereastraSeDistrugeLaInchidere() {
        QPointer<TEditorConfigGlobal> aratata;
        mediu_->dialoguri().ferestre.push_back([&](QDialog& d) {
            aratata = static_cast<TEditorConfigGlobal*>(&d);
            return int(QDialog::Rejected);
        });
        TVardolineMain principala;
        principala.Formatnote1->trigger();
        QVERIFY(aratata.isNull());
    }

    void randurileListei_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("selectat");
        QTest::addColumn<int>("primulRand");
        QTest::addColumn<bool>("douaRanduri");
        QTest::newRow("NOTA") << 0 << false << 8 << false;
        QTest::newRow("NOTA(PROCENT) selectat") << 1 << true << 8 << false;
        QTest::newRow("NOTA/PROCENT") << 2 << false << 1 << true;
        QTest::newRow("NOTA/LITERE selectat") << 3 << true << 1 << true;
    }
    void randurileListei() {
        QFETCH(int, index);
        QFETCH(bool, selectat);
        QFETCH(int, primulRand);
        QFETCH(bool, douaRanduri);
        TEditorConfigGlobal f;
        QAbstractItemView* vedere = f.RzComboBox3->view();
        QCOMPARE(vedere->sizeHintForRow(index), TEditorConfigGlobal::InaltimeRand);

        QImage img(250, TEditorConfigGlobal::InaltimeRand, QImage::Format_RGB32);
        img.fill(Qt::magenta);
        {
            QPainter p(&img);
            f.RzComboBox3DrawItem(p, index, img.rect(), selectat);
        }
        const QColor fond = f.palette().color(selectat ? QPalette::Highlight : QPalette::Base);
        QCOMPARE(img.pixelColor(0, 0), fond);
        QCOMPARE(img.pixelColor(249, 31), fond);
        const QList<int> randuri = randuriCuCerneala(img, fond);
        QVERIFY(!randuri.isEmpty());
        // The figures' cell starts at its offset below the row top; a second line 12 pixels lower.
        QFont arial("Arial");
        arial.setPointSize(10);
        const QFontMetrics m(arial);
        const int primaCerneala = primulRand + m.ascent() + m.tightBoundingRect("9,63").top();
        QVERIFY2(qAbs(randuri.first() - primaCerneala) <= 1, qPrintable(QString::number(randuri.first())));
        QCOMPARE(randuri.last() > primulRand + m.height(), douaRanduri);
    }

private:
    std::unique_ptr<MediuTest> mediu_;
};

QTEST_MAIN(TestEditorConfigGlobal)
#include "tst_EditorConfigGlobal.moc"
