// Printing a side for the students selected in the list, through the print window and through
// the form tool, from a real database.
#include "BazaTest.h"
#include "CutiiPdf.h"
#include "SetariDeProba.h"
#include "controls/UKivEditors.h"
#include "entry/UButonFormular.h"
#include "entry/UKivQuickRegStuff.h"
#include "entry/UListaElevi.h"
#include "platform/ImprimantaInregistrata.h"
#include "printing/FormularDePrintat.h"
#include "printing/InsertPaper.h"
#include "printing/UEleviOmisi.h"
#include "printing/UPrintVardolin.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

using Inreg = ImprimantaInregistrata::Inregistrare;

namespace {

const QStringList nume{"Popescu", "Ionescu", "Popa", "Vasile"};

void scrie(BazaTest& b, const QString& pagina, const QString& camp, int id, const QString& text) {
    b.executa(QString("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
                      "ID_ELEVI) values ('Vardolin', '%1', '%2', '%3', 0, %4)")
                  .arg(pagina, camp, text)
                  .arg(id));
}

// The paper dialog answered with these margins; its caption is kept.
std::function<int(QDialog&)> hartie(QString* titlu, bool bifat = false) {
    return [titlu, bifat](QDialog& d) {
        auto* paper = dynamic_cast<TInsertPaperForm*>(&d);
        if (!paper) return int(QDialog::Rejected);
        auto& f = *paper;
        *titlu = f.windowTitle();
        f.Edit1->SetText("2");
        f.Edit2->SetText("1");
        if (f.RzCheckBox1->isChecked() != bifat) f.RzCheckBox1->click();
        f.BitBtn1->click();
        return f.result();
    };
}

// The texts of every page of the recorded job.
std::vector<QStringList> paginiTiparite(const ImprimantaInregistrata& d) {
    std::vector<QStringList> pagini;
    for (const Inreg& i : d.inregistrari()) {
        if (i.fel == Inreg::Inceput || i.fel == Inreg::Pagina) pagini.emplace_back();
        if (i.fel == Inreg::Text) pagini.back() << i.text;
    }
    return pagini;
}

// Which of the students each page belongs to, by the value written for them on the side.
QList<int> eleviiPaginilor(const ImprimantaInregistrata& d, bool verso) {
    QList<int> elevi;
    for (const QStringList& texte : paginiTiparite(d))
        for (int id = 1; id <= 4; ++id)
            if (texte.contains(verso ? QString("ProbaElev%1").arg(id) : nume[id - 1])) elevi << id;
    return elevi;
}

void clic(QTreeView* vt, int rand, Qt::KeyboardModifiers taste = {}) {
    const QRect r = vt->visualRect(vt->model()->index(rand, 0));
    QTest::mouseClick(vt->viewport(), Qt::LeftButton, taste, r.center());
}

QList<int> iduri(const std::vector<TLinieDescrisa>& linii) {
    QList<int> r;
    for (const TLinieDescrisa& l : linii)
        r << l.Id;
    return r;
}

} // namespace

class TestTiparireLot : public QObject {
    Q_OBJECT
    std::unique_ptr<BazaTest> b;
    std::unique_ptr<ImprimantaInregistrata> d;
    std::unique_ptr<TPrintVardolin> fereastra;

    DialoguriInregistrate& dialoguri() { return b->mediu().dialoguri(); }

    // The window with every student selected, the side on screen chosen.
    TPrintVardolin& fereastraPentruToti(int latura) {
        fereastra = std::make_unique<TPrintVardolin>();
        std::vector<TLinieDescrisa> elevi;
        for (int id = 1; id <= 4; ++id)
            elevi.push_back({id, nume[id - 1]});
        fereastra->SeteazaElevii(elevi);
        fereastra->PageControl1->setCurrentIndex(latura);
        return *fereastra;
    }

private slots:
    void initTestCase() {
        b = std::make_unique<BazaTest>();
        InregistreazaHandlerVardolin();
        QLocale::setDefault(QLocale::c());
        for (int id = 1; id <= 4; ++id) {
            b->executa(QString("insert into ELEVI (ID_ELEVI) values (%1)").arg(id));
            scrie(*b, "FATA", "C_NUME_L1", id, nume[id - 1]);
            for (const QString camp : {"C_PROBA_1", "D_PROBA_1"})
                scrie(*b, "SPATE", camp, id, QString("ProbaElev%1").arg(id));
            for (const QString camp : {"C_NOTA_1", "D_NOTA_1"})
                scrie(*b, "SPATE", camp, id, id == 3 ? "noua" : "9,50");
        }
    }
    void cleanupTestCase() { b.reset(); }
    void init() {
        dialoguri().mesaje.clear();
        dialoguri().ferestre.clear();
        d = std::make_unique<ImprimantaInregistrata>(
            ImprimantaInregistrata::a4(600, QPageLayout::Landscape, 50, 40, 60, 70));
        instaleazaImprimanta(d.get());
        ConfigureazaTiparirea(1, false);
    }
    void cleanup() {
        fereastra.reset();
        instaleazaImprimanta(nullptr);
        d.reset();
    }

    void selectiaUrmeazaCautarea() {
        TListaElevi lista;
        lista.IncarcaLista();
        lista.show();
        QVERIFY(QTest::qWaitForWindowExposed(&lista));
        clic(lista.VT, 0);
        clic(lista.VT, 2, Qt::ShiftModifier);
        QCOMPARE(iduri(lista.EleviSelectati()), QList<int>({1, 2, 3}));
        clic(lista.VT, 1, Qt::ControlModifier);
        QCOMPARE(iduri(lista.EleviSelectati()), QList<int>({1, 3}));
        QTest::keyClick(lista.VT, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(iduri(lista.EleviSelectati()), QList<int>({1, 2, 3, 4}));

        // The search hides Ionescu and Vasile: they leave the selection and do not come back.
        lista.RzEdit1->setText("Pop");
        QCOMPARE(iduri(lista.EleviSelectati()), QList<int>({1, 3}));
        QCOMPARE(lista.ElevSelectat(), 1);
        lista.RzEdit1->clear();
        QCOMPARE(lista.VT->model()->rowCount(), 4);
        QCOMPARE(iduri(lista.EleviSelectati()), QList<int>({1, 3}));
    }

    // One student keeps the single print; several add the batch button, the first one shown.
    void butonulPentruToti() {
        TListaElevi lista;
        lista.IncarcaLista();
        TButonFormular* buton = lista.Panel2->findChild<TButonFormular*>();
        lista.VT->selectAll();
        buton->click();
        auto* f = qobject_cast<TPrintVardolin*>(buton->FereastraFormular.data());
        QVERIFY(f);
        QVERIFY(!f->ButonToti->isHidden());
        QCOMPARE(f->ButonToti->text(), QString("Tipareste pentru toti (4)"));
        for (const AriePagina& arie : f->FormularDePrintat1->Descriere().arii)
            if (arie.Denumire1 == "Vardolin.FATA.C_NUME_L1") QCOMPARE(arie.text, QString("Popescu"));
        lista.VT->clearSelection();
        lista.VT->selectionModel()->select(lista.VT->model()->index(1, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        buton->click();
        QVERIFY(f->ButonToti->isHidden());
    }

    void lotulPrinFereastra_data() {
        QTest::addColumn<int>("latura");
        QTest::addColumn<int>("feedMode");
        QTest::addColumn<bool>("opus");
        QTest::addColumn<QList<int>>("ordine");
        QTest::addColumn<QString>("titlu");
        // Student 3's back cannot be filled: the front is left out too, so that each back
        // finds its own front in the stack.
        QTest::newRow("fetele") << 0 << 1 << false << QList<int>{1, 2, 4}
                                << "(1) - 3 certificate, fetele in ordinea listei";
        QTest::newRow("versouri, sus")
            << 1 << 1 << false << QList<int>{1, 2, 4} << "(3) - 3 certificate, versourile in ordinea listei";
        QTest::newRow("versouri, frontala")
            << 1 << 2 << true << QList<int>{4, 2, 1} << "(4) - 3 certificate, versourile in ordine inversa";
    }
    void lotulPrinFereastra() {
        QFETCH(int, latura);
        QFETCH(int, feedMode);
        QFETCH(bool, opus);
        QFETCH(QList<int>, ordine);
        QFETCH(QString, titlu);
        ConfigureazaTiparirea(feedMode, opus);
        TPrintVardolin& f = fereastraPentruToti(latura);
        QString titluHartie;
        // The certificate of student 3 cannot be printed: the others are.
        dialoguri().ferestre.push_back([](QDialog& w) {
            auto* o = dynamic_cast<TEleviOmisiForm*>(&w);
            if (!o) return int(QDialog::Rejected);
            o->ButonCeilalti->click();
            return w.result();
        });
        dialoguri().ferestre.push_back(hartie(&titluHartie, true));
        f.ButonToti->click();
        QCOMPARE(dialoguri().texte("eroare"), QStringList());
        QCOMPARE(titluHartie, titlu);
        QCOMPARE(d->doar(Inreg::Inceput).size(), size_t(1));
        QCOMPARE(d->doar(Inreg::Inceput)[0].text, TPrintVardolin::TitluLucrare(latura));
        QCOMPARE(d->inregistrari().back().fel, Inreg::Sfarsit);
        QCOMPARE(eleviiPaginilor(*d, latura == 1), ordine);
        // The same turn on every page; the margins are kept for the side.
        for (const Inreg& t : d->doar(Inreg::Text))
            QCOMPARE(t.font.inclinare, 1800);
        TAllStuffReg s;
        QCOMPARE(s.MargineStanga(latura), 2.0);
        QCOMPARE(s.MargineSus(latura), 1.0);
    }

    void eleviiNetiparibili_data() {
        QTest::addColumn<bool>("ceilalti");
        QTest::newRow("tiparesc pentru ceilalti") << true;
        QTest::newRow("renunt") << false;
    }
    void eleviiNetiparibili() {
        QFETCH(bool, ceilalti);
        TPrintVardolin& f = fereastraPentruToti(1);
        QStringList listati;
        QString buton;
        dialoguri().ferestre.push_back([&](QDialog& w) {
            auto* omisi = dynamic_cast<TEleviOmisiForm*>(&w);
            if (!omisi) return int(QDialog::Rejected);
            auto& o = *omisi;
            for (int i = 0; i < o.Lista->count(); ++i)
                listati << o.Lista->item(i)->text();
            buton = o.ButonCeilalti->text();
            // Nothing has gone to the printer while the choice is open.
            if (!d->inregistrari().empty()) return int(QDialog::Rejected);
            (ceilalti ? o.ButonCeilalti : o.ButonRenunt)->click();
            return o.result();
        });
        QString titluHartie;
        dialoguri().ferestre.push_back(hartie(&titluHartie));
        f.ButonToti->click();
        QCOMPARE(listati.size(), 1);
        QVERIFY2(listati[0].startsWith("Popa: "), qPrintable(listati[0]));
        QVERIFY2(listati[0].contains("noua"), qPrintable(listati[0]));
        QCOMPARE(buton, QString("Tiparesc pentru ceilalti (3)"));
        QCOMPARE(titluHartie.isEmpty(), !ceilalti);
        QCOMPARE(dialoguri().ferestre.size(), size_t(ceilalti ? 0 : 1));
        QCOMPARE(paginiTiparite(*d).size(), size_t(ceilalti ? 3 : 0));
    }

    void oprireLaJumatate() {
        TPrintVardolin& f = fereastraPentruToti(0);
        QString titluHartie;
        dialoguri().ferestre.push_back([](QDialog&) { return int(QDialog::Accepted); });
        dialoguri().ferestre.push_back(hartie(&titluHartie));
        // "Opresc" pressed while the second of three certificates is announced.
        QTimer apasa;
        connect(&apasa, &QTimer::timeout, &f, [&] {
            auto* p = f.findChild<QProgressDialog*>("Progres");
            if (!p || p->labelText() != "Tiparesc certificatul 2 din 3") return;
            p->cancel();
            apasa.stop();
        });
        apasa.start(0);
        f.ButonToti->click();
        apasa.stop();
        QCOMPARE(dialoguri().texte("mesaj"), QStringList{"Tiparirea a fost oprita dupa 1 din 3 certificate; "
                                                         "lucrarea a fost anulata si nu s-a tiparit nimic."});
        QCOMPARE(d->inregistrari().back().fel, Inreg::Anulare);
        QVERIFY(d->doar(Inreg::Sfarsit).empty());
    }

    void unealta_data() {
        QTest::addColumn<QString>("elevi");
        QTest::addColumn<QString>("parte");
        QTest::addColumn<int>("cod");
        QTest::addColumn<int>("pagini");
        QTest::addColumn<QString>("eroare");
        // clang-format off
        QTest::newRow("toti, fata") << "all" << "fata" << 2 << 3 << "elevul 3 nu se tipareste";
        QTest::newRow("toti, verso") << "all" << "verso" << 2 << 3 << "elevul 3 nu se tipareste";
        QTest::newRow("lista si interval") << "4,1-2" << "verso" << 0 << 3 << "";
        QTest::newRow("elev inexistent") << "1,9" << "fata" << 2 << 1 << "Elevul 9 nu exista";
        QTest::newRow("nimeni") << "3" << "verso" << 1 << 0 << "Niciun elev nu poate fi tiparit.";
        QTest::newRow("gresit") << "2-x" << "fata" << 1 << 0 << "--students trebuie sa fie";
        // clang-format on
    }
    void unealta() {
        QFETCH(QString, elevi);
        QFETCH(QString, parte);
        QFETCH(int, cod);
        QFETCH(int, pagini);
        QFETCH(QString, eroare);
        const QString pdf = b->mediu().cale("lot.pdf");
        QFile::remove(pdf);
        b->Opreste();
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VARDOLIN_SETTINGS", b->mediu().cale("setari.ini"));
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationDirPath() + "/vardolin-formtool",
                {"pdf", "--students", elevi, "--side", parte, "--out", pdf, "--rotate"});
        const bool gata = p.waitForFinished(120000);
        b->Porneste();
        QVERIFY(gata);
        const QString erori = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == cod,
                 qPrintable(QString::number(p.exitCode()) + erori));
        QVERIFY2(erori.contains(eroare), qPrintable(erori));
        QCOMPARE(numarPaginiPdf(pdf), pagini);
    }
};

QTEST_MAIN(TestTiparireLot)
#include "tst_TiparireLot.moc"
