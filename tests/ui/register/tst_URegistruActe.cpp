#include "BazaTest.h"
#include "controls/KivVirtualGrid.h"
#include "register/Registru.h"
#include "register/UFormularePrimite.h"
#include "register/URegistruActe.h"
#include "register/UTeancFormulare.h"
#include "register/UVerificareTiparire.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

// The register's windows driven as the secretary does: forms received, a pile printed and
// checked (a sheet spoiled, a number corrected), a certificate handed to a proxy, a form
// cancelled; what each window shows after.

namespace {

// Fills a modal window's named line edits, ticks its named button and presses OK.
std::function<int(QDialog&)> completeaza(std::vector<std::pair<QString, QString>> campuri,
                                         QString bifat = {}) {
    return [campuri, bifat](QDialog& d) {
        for (const auto& [nume, text] : campuri)
            d.findChild<QLineEdit*>(nume)->setText(text);
        if (!bifat.isEmpty()) d.findChild<QRadioButton*>(bifat)->setChecked(true);
        for (QPushButton* b : d.findChildren<QPushButton*>())
            if (b->text().contains("OK", Qt::CaseInsensitive)) b->click();
        return d.result();
    };
}

void salveazaCaptura(QWidget& w, const QString& nume) {
    const QString dosar = qEnvironmentVariable("VARDOLIN_CAPTURI");
    if (!dosar.isEmpty()) w.grab().save(dosar + "/" + nume + ".png");
}

} // namespace

class TestURegistruActe : public QObject {
    Q_OBJECT

private slots:
    void ferestreleRegistrului() {
        BazaTest b;
        auto& d = b.mediu().dialoguri();

        TFormularePrimite primite;
        primite.show();
        primite.Seria->setText("ab");
        primite.DeLa->setValue(1);
        primite.PanaLa->setValue(30);
        primite.Document->setText("ISJ 1200");
        primite.Adauga->click();
        primite.Seria->setText("AB");
        primite.DeLa->setValue(25);
        primite.PanaLa->setValue(40);
        primite.Adauga->click();
        primite.Seria->setText("CD");
        primite.DeLa->setValue(500);
        primite.PanaLa->setValue(520);
        primite.Adauga->click();
        QCOMPARE(primite.Lista->rowCount(), 2);
        QVERIFY(d.texte("eroare").join("").contains("a fost deja primit"));
        salveazaCaptura(primite, "formulare-primite");

        TTeancFormulare teanc;
        teanc.Arata(propunereTeanc(false));
        QCOMPARE(teanc.Alegerea().seria, QString("AB"));
        QCOMPARE(teanc.Alegerea().primul, 1);
        QVERIFY(!teanc.Alegerea().proba);
        QVERIFY(propunereTeanc(true).proba);

        InregistrareTeanc lot("AB", 1, true);
        for (int i = 1; i <= 4; ++i)
            lot.foaieTiparita({i, QString("Elev %1").arg(i), QString("5000000000%1").arg(i), "Tehnician"});
        TVerificareTiparire verificare(lot.intrari(), lot.observatii());
        verificare.show();
        verificare.Lista->setCurrentCell(1, 0);
        d.ferestre.push_back(completeaza({{"Text", "hartie blocata"}}));
        verificare.Stricata->click();
        verificare.Lista->setCurrentCell(2, 0);
        d.ferestre.push_back([](QDialog& f) {
            f.findChild<QSpinBox*>("Numar")->setValue(6);
            f.accept();
            return int(QDialog::Accepted);
        });
        verificare.Corecteaza->click();
        QCOMPARE(verificare.Lista->item(2, 2)->text(), QString("AB/6"));
        QCOMPARE(verificare.DeRetiparit(), std::vector<qint64>{2});
        salveazaCaptura(verificare, "verificare");
        verificare.Confirma->click();

        TRegistruActe registru;
        registru.resize(1100, 500);
        registru.show();
        registru.Incarca();
        QCOMPARE(registru.Intrari().size(), size_t(4));
        registru.Grila->SetRow(1);
        QCOMPARE(registru.Selectata()->nume, QString("Elev 1"));
        d.ferestre.push_back(completeaza(
            {{"Primitor", "Ion Popa"}, {"Act", "CI XB 1"}, {"Procura", "12/2026"}}, "Imputernicit"));
        registru.Elibereaza->click();
        QCOMPARE(Registru::intrari()[0].stare, StareAct::Eliberat);
        QCOMPARE(Registru::intrari()[0].primitor, QString("Ion Popa"));
        registru.Grila->SetRow(4);
        d.ferestre.push_back(completeaza({{"Text", "patat"}}));
        registru.Anuleaza->click();
        QCOMPARE(Registru::intrari()[3].stare, StareAct::Anulat);
        salveazaCaptura(registru, "registru");

        registru.Stare->setCurrentText("anulat");
        QCOMPARE(registru.Intrari().size(), size_t(2));
        registru.Stare->setCurrentIndex(0);
        QTest::keyClicks(registru.Nume, "elev 3");
        QCOMPARE(registru.Intrari().size(), size_t(4)); // not per key: once the typing pauses
        QTRY_COMPARE(registru.Intrari().size(), size_t(1));
        QCOMPARE(registru.Intrari()[0].numarul, 6);
    }
};

QTEST_MAIN(TestURegistruActe)
#include "tst_URegistruActe.moc"
