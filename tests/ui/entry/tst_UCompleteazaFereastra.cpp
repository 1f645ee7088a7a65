#include "CutiiPdf.h"
#include "BazaTest.h"
#include "controls/UKivEditors.h"
#include "data/UProfilDiploma.h"
#include "data/UValoareCamp.h"
#include "entry/UButonFormular.h"
#include "entry/UCompleteazaFereastra.h"
#include "entry/UCompleteazaFormular.h"
#include "entry/UKivQuickRegStuff.h"
#include "entry/UListaElevi.h"
#include "platform/Eroare.h"
#include "platform/ImprimantaSistem.h"
#include "printing/FormularDePrintat.h"
#include "printing/InsertPaper.h"
#include "printing/UMachetaVardolin.h"
#include "printing/UParticularizare.h"
#include "printing/UPrintVardolin.h"

#include <QCheckBox>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>
#include <QtTest>
#include <memory>

namespace {

void scrie(BazaTest& b, const QString& pagina, const QString& camp, int id, const QString& text,
           const QString& tabel = "ELEVI") {
    b.executa(QString("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
                      "ID_%1) values ('Vardolin', '%2', '%3', '%4', 0, %5)")
                  .arg(tabel, pagina, camp, QString(text).replace("'", "''"))
                  .arg(id));
}

void modNote(const QString& notaDiploma, const QString& notaCotor, const QString& mari) {
    TInfoGlobal2005 s;
    s.setNotaDiploma(notaDiploma);
    s.setNotaCotor(notaCotor);
    s.setMedieDiploma(notaDiploma);
    s.setMedieCotor(notaCotor);
    s.setScriuCuLitereMari(mari);
}

// A page of its own with the areas a case needs, in a window of its own.
struct PaginaDeProba {
    QWidget fereastra;
    TFormularDePrintat* pagina = new TFormularDePrintat(&fereastra);

    PaginaDeProba() {
        fereastra.setObjectName("FereastraDeProba");
        pagina->setLatime(297);
        pagina->setInaltime(210);
    }
    TFormularTextArea* zona(const QString& d1, const QString& d2 = {}, const QString& d3 = {},
                            double top = 10) {
        auto* z = new TFormularTextArea(pagina);
        z->setObjectName(QString("FormularTextArea%1").arg(pagina->zone().size())); // from 1
        z->setDenumire1(d1);
        z->setDenumire2(d2);
        z->setDenumire3(d3);
        z->set_Left(10);
        z->set_Width(40);
        z->set_Height(4);
        z->set_Top(top);
        return z;
    }
    void umple(int id) {
        GardaTranzactie garda;
        UmplePagina(*pagina, id);
    }
};

bool selecteaza(TListaElevi& lista, int id) {
    QAbstractItemModel* m = lista.VT->model();
    for (int r = 0; r < m->rowCount(); ++r) {
        lista.VT->selectionModel()->select(m->index(r, 0),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        if (lista.ElevSelectat() == id) return true;
    }
    return false;
}

// The glyphs of a PDF's first page, each with its box in mm (mutool gives one box per glyph,
// so digits printed close together stay apart).
struct Glifa {
    QString c;
    QRectF r;
};
std::vector<Glifa> glife(const QString& pdf) {
    QProcess p;
    p.start("mutool", {"draw", "-F", "stext", "-o", "-", pdf, "1"});
    p.waitForFinished(60000);
    const QString xml = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression caracter(R"re(<char quad="([^"]+)"[^>]* c="([^"]+)"/>)re");
    constexpr double mm = 25.4 / 72.0;
    std::vector<Glifa> r;
    for (auto it = caracter.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        const QStringList q = m.captured(1).split(u' ');
        double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
        for (int i = 0; i + 1 < q.size(); i += 2) {
            x0 = std::min(x0, q[i].toDouble()), x1 = std::max(x1, q[i].toDouble());
            y0 = std::min(y0, q[i + 1].toDouble()), y1 = std::max(y1, q[i + 1].toDouble());
        }
        r.push_back({m.captured(2), QRectF(QPointF(x0, y0) * mm, QPointF(x1, y1) * mm)});
    }
    return r;
}

// The area's rectangle on the sheet, with the margins, and a little slack for the glyph boxes.
QRectF locul(const TFormularTextArea& z, double stanga, double sus) {
    return QRectF(z._Left() + stanga, z._Top() + sus, z._Width(), z._Height()).adjusted(-0.6, -0.9, 0.6, 0.9);
}

bool cuvantIn(const PaginaPdf& pdf, const QString& text, const QRectF& loc) {
    for (const CuvantPdf& c : pdf.cuvinte)
        if (c.text == text && loc.contains(QPointF((c.xMin + c.xMax) / 2, (c.yMin + c.yMax) / 2)))
            return true;
    return false;
}

} // namespace

// Filling the print window, its button in the student list, and the form tool.
class TestUCompleteazaFereastra : public QObject {
    Q_OBJECT
    std::unique_ptr<BazaTest> b;

private slots:
    void initTestCase() {
        b = std::make_unique<BazaTest>();
        InregistreazaHandlerVardolin();
    }
    void cleanupTestCase() { b.reset(); }
    void init() {
        QLocale::setDefault(QLocale::c());
        b->mediu().dialoguri().mesaje.clear();
        b->executa("delete from \"DATE\"");
        b->executa("delete from ELEVI");
        b->executa("delete from SCOALA");
        b->executa("insert into ELEVI (ID_ELEVI) values (1)");
        b->executa("insert into ELEVI (ID_ELEVI) values (2)");
        scrie(*b, "FATA", "C_NUME_L1", 1, "ABCDE");
        scrie(*b, "FATA", "C_NUME_L1", 2, "Ionescu");
        scrie(*b, "SPATE", "C_NOTA_1", 1, "9,63");
        scrie(*b, "SPATE", "C_NOTA_1", 2, "10");
        // The stub's grade follows the certificate's through its similar-with link.
        scrie(*b, "SPATE", "D_NOTA_1", 1, "9,63");
        scrie(*b, "SPATE", "D_NOTA_1", 2, "10");
        modNote("NOTA/LITERE", "NOTA/PROCENT", "1");
    }

    // The window's areas move and hide as the filling placed them: refilled for another student,
    // one-line grades stay half-way between their lines, their second lines hidden.
    void reumplereaNuMutaZonele() {
        modNote("NOTA", "NOTA", "0");
        PaginaDeProba p;
        TFormularTextArea* sus = p.zona("Vardolin.SPATE.C_NOTA_1", "", "NOTA_COTOR", 20);
        TFormularTextArea* jos = p.zona("Vardolin.SPATE.C_NOTA_1", "", "NOTA_COTOR", 24);
        for (int id : {1, 2, 1, 2}) {
            p.umple(id);
            QCOMPARE(sus->_Top(), 22.0);
            QCOMPARE(jos->_Top(), 24.0);
            QVERIFY(jos->isHidden());
            QCOMPARE(sus->Text(), QString(id == 1 ? "9,63" : "10,00"));
        }
        modNote("NOTA/LITERE", "NOTA/LITERE", "0");
        p.umple(2);
        QCOMPARE(sus->_Top(), 20.0);
        QCOMPARE(sus->Text(), QString("10,00"));
        QCOMPARE(jos->Text(), QString("(zece)"));
    }

    // The layout's page descriptions filled without any widget read as the print window shows
    // them: texts, grade placement and the hidden second lines of one-line grades.
    void descriereaCaFereastra() {
        modNote("NOTA/LITERE", "NOTA(PROCENT)", "1");
        TPrintVardolin fereastra;
        const MachetaVardolin macheta = MachetaVardolin::citeste();
        GardaTranzactie garda;
        UmpleFereastra(fereastra, 1);
        const TFormularDePrintat* pagini[] = {fereastra.FormularDePrintat1, fereastra.FormularDePrintat2};
        for (size_t i = 0; i < 2; ++i) {
            PaginaFormular d = macheta.descriere(macheta.pagini[i]);
            UmplePagina(d, 1);
            const PaginaFormular f = pagini[i]->Descriere();
            QCOMPARE(d.arii.size(), f.arii.size());
            for (size_t k = 0; k < d.arii.size(); ++k) {
                const AriePagina &a = d.arii[k], &b = f.arii[k];
                QCOMPARE(a.nume, b.nume);
                QCOMPARE(a.text, b.text);
                QCOMPARE(a.sus, b.sus);
                QCOMPARE(a.vizibila, b.vizibila);
            }
        }
    }

    void butonulDinLista() {
        TListaElevi lista;
        const auto butoane = lista.Panel2->findChildren<TButonFormular*>();
        QCOMPARE(butoane.size(), qsizetype(HandlereFormulare().size()));
        QCOMPARE(butoane.size(), 1);
        TButonFormular* buton = butoane.front();
        QCOMPARE(lista.Panel2->width(), 140);
        QCOMPARE(buton->geometry(), QRect(4, 4, 128, 40));
        QCOMPARE(buton->text(), QString("Vardolin"));
        QVERIFY(buton->objectName().isEmpty());
        auto& dialoguri = b->mediu().dialoguri();

        lista.IncarcaLista();
        lista.VT->clearSelection();
        buton->click();
        QCOMPARE(dialoguri.texte("mesaj"), QStringList{"Va rog selectati un elev!"});
        QVERIFY(!buton->FereastraFormular);

        QVERIFY(selecteaza(lista, 1));
        buton->click();
        QCOMPARE(dialoguri.texte("fereastra"), QStringList{"TPrintVardolin"});
        auto* fereastra = qobject_cast<TPrintVardolin*>(buton->FereastraFormular.data());
        QVERIFY(fereastra);
        QCOMPARE(fereastra->parent(), buton);
        TFormularTextArea* nume = fereastra->FormularDePrintat1->TextAreaByNumber(1);
        QCOMPARE(nume->Denumire1(), QString("Vardolin.FATA.C_NUME_L1"));
        QCOMPARE(nume->Text(), QString("ABCDE"));
        QVERIFY(!Tr().activa());

        // The window is kept: a zoom changed in it goes back to 100, the values are the new student's.
        fereastra->PageControl1->setCurrentIndex(1);
        fereastra->Button2->click();
        QVERIFY(selecteaza(lista, 2));
        buton->click();
        QCOMPARE(buton->FereastraFormular.data(), fereastra);
        QCOMPARE(nume->Text(), QString("Ionescu"));
        QCOMPARE(fereastra->FormularDePrintat2->Zoom(), 100.0);
        QCOMPARE(dialoguri.texte("fereastra").size(), 2);

        // A broken area: the error is shown, the window is not.
        fereastra->FormularDePrintat1->TextAreaByNumber(2)->setDenumire2("x");
        buton->click();
        QCOMPARE(dialoguri.texte("fereastra").size(), 2);
        QCOMPARE(dialoguri.texte("eroare").size(), 1);
        QVERIFY(dialoguri.texte("eroare").front().contains("are denumire2=\"x\""));
        QVERIFY(!Tr().activa());
    }

    // The form tool fills a side from the database as the window does, adjustments included,
    // without any widget: it runs under a plain GUI application, which aborts on the first one.
    void uneltaTiparesteUnElev_data() {
        QTest::addColumn<QString>("elev");
        QTest::addColumn<QString>("latura");
        QTest::addColumn<bool>("redefinit");
        QTest::addColumn<int>("cod");
        QTest::addColumn<QString>("eroare");
        QTest::newRow("elevul 1") << "1"
                                  << "fata" << false << 0 << "";
        QTest::newRow("zona particularizata") << "1"
                                              << "fata" << true << 0 << "";
        QTest::newRow("nota pe verso") << "1"
                                       << "verso" << false << 0 << "";
        QTest::newRow("elev inexistent") << "99"
                                         << "fata" << false << 1 << "Elevul 99 nu exista in baza de date.";
        QTest::newRow("nu e numar") << "unu"
                                    << "fata" << false << 1 << "--student trebuie sa fie numarul unui elev";
    }
    void uneltaTiparesteUnElev() {
        QFETCH(QString, elev);
        QFETCH(QString, latura);
        QFETCH(bool, redefinit);
        QFETCH(int, cod);
        QFETCH(QString, eroare);
        TParticularizareTextArea* rec =
            Particularizari().CautaParticularizare("PrintVardolin", "FormularTextArea1", true);
        rec->TextRedefinit = redefinit ? "Redefinit" : "";
        Particularizari().SalveazaFisier();

        const QString pdf = b->mediu().cale("unealta.pdf");
        QFile::remove(pdf);
        b->Opreste();
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VARDOLIN_SETTINGS", b->mediu().cale("setari.ini"));
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationDirPath() + "/vardolin-formtool",
                {"pdf", "--student", elev, "--side", latura, "--out", pdf, "--left", "2", "--top", "1"});
        const bool gata = p.waitForFinished(120000);
        b->Porneste();
        QVERIFY(gata);
        const QString erori = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == cod, qPrintable(erori));
        if (cod != 0) {
            QVERIFY2(erori.contains(eroare), qPrintable(erori));
            QVERIFY(!QFile::exists(pdf));
            return;
        }
        TPrintVardolin fereastra;
        const bool verso = latura == "verso";
        TFormularDePrintat* pagina = verso ? fereastra.FormularDePrintat2 : fereastra.FormularDePrintat1;
        const TFormularTextArea* zona = pagina->TextAreaByNumber(1);
        for (const TFormularTextArea* z : pagina->zone())
            if (verso && z->Denumire1() == "Vardolin.SPATE.C_NOTA_1" && z->Denumire2() == "cifre") zona = z;
        const QString cuvant = verso ? "9,63" : redefinit ? "Redefinit" : "ABCDE";
        QVERIFY(cuvantIn(citestePdf(pdf), cuvant, locul(*zona, 2, 1)));
    }

    // A school and a student with every field filled, through the list's button, the print
    // window and the PDF printer, both sides: every value lands at its area.
    void capLaCapPanaLaPdf() {
        b->executa("delete from \"DATE\"");
        b->executa("delete from ELEVI where ID_ELEVI = 2");
        b->executa("insert into SCOALA (ID_SCOALA) values (7)");
        const QHash<QString, QString> valori{
            {"C_NUME_L1", "Popescu"},
            {"C_NUME_L2", "Ana Maria"},
            {"D_NUME", "Popescu Ana"},
            {"C_CNP", "2900101123456"},
            {"D_CNP", "2900101123456"},
            {"C_COD_SIRUES", "123456789"},
            {"D_COD_SIRUES", "123456789"},
            {"D_UNITATEA_SCOLARA", "Liceul Tehnologic"},
            {"C_NOTA_1", "9,63"},
            {"D_NOTA_1", "9,63"},
            {"C_NOTA_2", "10"},
            {"D_NOTA_2", "10"},
            {"C_NOTA_3", "7"},
            {"D_NOTA_3", "7"},
            {"C_MEDIA_ABSOLVIRE", "8,50"},
            {"D_MEDIA_ABSOLVIRE", "8,50"},
        };
        const QVariantList linii = b->coloana("select COD_PAGINA || '|' || COD_CAMP || '|' || ASOCIAT_CU "
                                              "from PROFIL_DIPLOMA where COD_FORMULAR = "
                                              "'Vardolin'");
        QVERIFY(linii.size() > 100);
        for (const QVariant& l : linii) {
            const QStringList c = l.toString().split('|');
            const bool scoala = c[2] == "SCOALA";
            scrie(*b, c[0], c[1], scoala ? 7 : 1, valori.value(c[1], c[1].left(6).toLower()),
                  scoala ? "SCOALA" : "ELEVI");
        }
        {
            GardaTranzactie garda;
            AsiguraLegaturi("SCOALA", 1);
            garda.Commit();
        }
        modNote("NOTA/LITERE", "NOTA(PROCENT)", "1");
        {
            TAllStuffReg s;
            s.Configured = true;
            s.FeedMode = 2;
            s.PrinterName = ImprimantaSistem::numeImprimantaPdf();
        }
        ImprimantaSistem& sistem = ImprimantaSistem::instanta();
        sistem.selecteaza(0);

        TListaElevi lista;
        lista.IncarcaLista();
        QVERIFY(selecteaza(lista, 1));
        TButonFormular* buton = lista.Panel2->findChild<TButonFormular*>();
        auto& dialoguri = b->mediu().dialoguri();
        QPointer<TPrintVardolin> fereastra;
        const struct { double stanga, sus; } margini[2] = {{2.5, -1.5}, {-1, 3}};
        QStringList pdfuri;
        dialoguri.ferestre.push_back([&](QDialog& d) {
            fereastra = qobject_cast<TPrintVardolin*>(&d);
            for (int latura : {0, 1}) {
                fereastra->PageControl1->setCurrentIndex(latura);
                dialoguri.ferestre.push_back([&, latura](QDialog& hartie) {
                    auto& f = static_cast<TInsertPaperForm&>(hartie);
                    f.Edit1->SetText(TextNumarReal(margini[latura].stanga));
                    f.Edit2->SetText(TextNumarReal(margini[latura].sus));
                    if (f.RzCheckBox1->isChecked()) f.RzCheckBox1->click();
                    f.BitBtn1->click();
                    return f.result();
                });
                fereastra->Button1->click();
                pdfuri << sistem.ultimulFisierPdf();
            }
            return int(QDialog::Rejected);
        });
        buton->click();
        QVERIFY2(dialoguri.texte("eroare").isEmpty(), qPrintable(dialoguri.texte("eroare").join("; ")));
        QVERIFY(fereastra);
        QCOMPARE(pdfuri.size(), 2);
        QVERIFY(pdfuri[0] != pdfuri[1]);
        QVERIFY(QFileInfo(pdfuri[0]).fileName().contains("fata"));
        QVERIFY(QFileInfo(pdfuri[1]).fileName().contains("verso"));

        const auto zonaCu = [&](TFormularDePrintat* pagina, const QString& cheie,
                                const QString& d2 = QString()) {
            for (TFormularTextArea* z : pagina->zone())
                if (z->Denumire1() == "Vardolin." + cheie && (d2.isNull() || z->Denumire2() == d2)) return z;
            return static_cast<TFormularTextArea*>(nullptr);
        };

        // Front: the name, every CNP digit in its own box, a school value.
        const double fs = margini[0].stanga, ft = margini[0].sus;
        const PaginaPdf fata = citestePdf(pdfuri[0]);
        QVERIFY(
            cuvantIn(fata, "Popescu", locul(*zonaCu(fereastra->FormularDePrintat1, "FATA.D_NUME"), fs, ft)));
        QVERIFY(cuvantIn(fata, "Liceul",
                         locul(*zonaCu(fereastra->FormularDePrintat1, "FATA.D_UNITATEA_SCOLARA"), fs, ft)));
        const std::vector<Glifa> glifeFata = glife(pdfuri[0]);
        for (const QString& cnp : {QString("FATA.C_CNP"), QString("FATA.D_CNP")}) {
            for (int i = 1; i <= 13; ++i) {
                TFormularTextArea* z = zonaCu(fereastra->FormularDePrintat1, cnp, QString::number(i));
                QVERIFY2(z, qPrintable(cnp));
                const QRectF loc = locul(*z, fs, ft);
                const QString cifra = QString("2900101123456").mid(i - 1, 1);
                const bool gasit = std::any_of(glifeFata.begin(), glifeFata.end(), [&](const Glifa& g) {
                    return g.c == cifra && loc.contains(g.r.center());
                });
                QVERIFY2(gasit, qPrintable(QString("%1 cifra %2").arg(cnp).arg(i)));
            }
        }

        // Back: grades in figures and in words, on the certificate on two lines, on the stub on one.
        const double vs = margini[1].stanga, vt = margini[1].sus;
        const PaginaPdf verso = citestePdf(pdfuri[1]);
        TFormularDePrintat* spate = fereastra->FormularDePrintat2;
        QVERIFY(cuvantIn(verso, "10,00", locul(*zonaCu(spate, "SPATE.D_NOTA_2", "cifre"), vs, vt)));
        QVERIFY(cuvantIn(verso, "(ZECE)", locul(*zonaCu(spate, "SPATE.D_NOTA_2", "litere"), vs, vt)));
        QVERIFY(cuvantIn(verso, "7,00", locul(*zonaCu(spate, "SPATE.D_NOTA_3", "cifre"), vs, vt)));
        QVERIFY(cuvantIn(verso, "(ŞAPTE)", locul(*zonaCu(spate, "SPATE.D_NOTA_3", "litere"), vs, vt)));
        // The stub's first grade: areas 169 and 170 (area 71 on the certificate carries the same key).
        const QRectF cotor =
            locul(*spate->TextAreaByNumber(169), vs, vt).united(locul(*spate->TextAreaByNumber(170), vs, vt));
        QVERIFY(cuvantIn(verso, "9,63", cotor));
        QVERIFY(cuvantIn(verso, "(NOUĂ,", cotor));
        QVERIFY(cuvantIn(verso, "63%)", cotor));
    }
};

QTEST_MAIN(TestUCompleteazaFereastra)
#include "tst_UCompleteazaFereastra.moc"
