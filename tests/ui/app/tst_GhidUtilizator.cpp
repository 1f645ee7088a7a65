#include "BazaTest.h"
#include "app/UDespreAplicatie.h"
#include "app/UGhidUtilizator.h"
#include "app/UVardolinMain.h"
#include "import/UImportExcelExpert.h"
#include "printing/InsertPaper.h"

#include <QClipboard>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The window classes of the sources: every class deriving, directly or through another of them,
// from QDialog or QMainWindow. A class other windows derive from is their common part, not a
// window of its own.
QStringList ferestreleDinSurse() {
    QHash<QString, QStringList> baze;
    const QRegularExpression clasa(QStringLiteral("class\\s+(\\w+)\\s*:\\s*public\\s+(\\w+)"));
    QDirIterator it(qEnvironmentVariable("VARDOLIN_TEST_SOURCE") + "/ui", {"*.h"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly)) continue;
        for (auto m = clasa.globalMatch(QString::fromUtf8(f.readAll())); m.hasNext();) {
            const auto gasit = m.next();
            baze[gasit.captured(1)] << gasit.captured(2);
        }
    }
    const std::function<bool(const QString&)> esteFereastra = [&](const QString& c) {
        if (c == "QDialog" || c == "QMainWindow") return true;
        for (const QString& b : baze.value(c))
            if (esteFereastra(b)) return true;
        return false;
    };
    QSet<QString> cuUrmasi;
    for (auto i = baze.cbegin(); i != baze.cend(); ++i)
        for (const QString& b : i.value())
            cuUrmasi << b;
    QStringList r;
    for (auto i = baze.cbegin(); i != baze.cend(); ++i)
        if (esteFereastra(i.key()) && !cuUrmasi.contains(i.key())) r << i.key();
    r.sort();
    return r;
}

bool resursaExista(const QString& cale) {
    return QFileInfo::exists(":/ghid/" + cale);
}

} // namespace

class TestGhidUtilizator : public QObject {
    Q_OBJECT
    std::unique_ptr<BazaTest> b;
    Ghid ghid;

private slots:
    void initTestCase() {
        b = std::make_unique<BazaTest>();
        InstaleazaAjutorF1();
        QVERIFY(!ghid.pagini().isEmpty());
    }
    void cleanup() {
        if (TGhidUtilizator::Deschis()) delete TGhidUtilizator::Deschis();
    }
    void cleanupTestCase() { b.reset(); }

    // Every window the user can see has its section and its picture.
    void fiecareFereastraAreSectiuneSiImagine() {
        const QStringList ferestre = ferestreleDinSurse();
        QVERIFY(ferestre.contains("TInsertPaperForm"));
        QVERIFY(ferestre.contains("TPrintVardolin"));
        for (const QString& f : ferestre) {
            QVERIFY2(ghid.ferestre().contains(f), qPrintable(f + " lipseste din ferestre.txt"));
            QVERIFY2(resursaExista("imagini/" + f + ".png"), qPrintable(f + ".png lipseste"));
        }
    }

    // Every link, anchor and picture of the pages, and every window's section, is there.
    void legaturileSeRezolva() {
        QHash<QString, QStringList> ancore;
        for (const Ghid::Pagina& p : ghid.pagini()) {
            const QString html = ghid.html(p.fisier);
            QVERIFY2(!html.isEmpty(), qPrintable(p.fisier));
            QCOMPARE(html.count("<h1"), 1);
            ancore[p.fisier] = Ghid::ancore(html);
            for (const Ghid::Sectiune& s : p.sectiuni)
                QVERIFY2(!s.ancora.isEmpty(), qPrintable(p.fisier + ": " + s.titlu));
        }
        const auto rezolva = [&](const QString& pagina, const QString& tinta) {
            const QString fisier = tinta.startsWith('#') ? pagina : tinta.section('#', 0, 0);
            const QString ancora = tinta.section('#', 1);
            return ancore.contains(fisier) && (ancora.isEmpty() || ancore[fisier].contains(ancora));
        };
        for (const Ghid::Pagina& p : ghid.pagini()) {
            const QString html = ghid.html(p.fisier);
            for (const QString& l : Ghid::legaturi(html))
                QVERIFY2(rezolva(p.fisier, l), qPrintable(p.fisier + " -> " + l));
            for (const QString& i : Ghid::imagini(html))
                QVERIFY2(resursaExista(i), qPrintable(p.fisier + " -> " + i));
        }
        for (auto i = ghid.ferestre().cbegin(); i != ghid.ferestre().cend(); ++i)
            QVERIFY2(rezolva({}, i.value()), qPrintable(i.key() + " -> " + i.value()));
    }

    // F1 in a window opens its section; beside a modal window the guide is that window's child,
    // so it takes input, and stays open on its own once the modal window closes.
    void f1DeschideSectiuneaFerestrei_data() {
        QTest::addColumn<QString>("clasa");
        QTest::newRow("fereastra principala") << "TVardolineMain";
        QTest::newRow("hartia") << "TInsertPaperForm";
        QTest::newRow("importul") << "TImportExcelExpert";
    }
    void f1DeschideSectiuneaFerestrei() {
        QFETCH(QString, clasa);
        std::unique_ptr<QWidget> w;
        if (clasa == "TVardolineMain") w = std::make_unique<TVardolineMain>();
        if (clasa == "TInsertPaperForm") w = std::make_unique<TInsertPaperForm>();
        if (clasa == "TImportExcelExpert") w = std::make_unique<TImportExcelExpert>();
        const bool modala = clasa != "TVardolineMain";
        if (modala) w->setWindowModality(Qt::ApplicationModal);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QWidget* tinta = w->focusWidget() ? w->focusWidget() : w.get();
        QTest::keyClick(tinta, Qt::Key_F1);

        TGhidUtilizator* g = TGhidUtilizator::Deschis();
        QVERIFY(g);
        QVERIFY(g->isVisible());
        QCOMPARE(g->Locul(), ghid.ferestre().value(clasa));
        QVERIFY(!g->Locul().isEmpty());
        QVERIFY(!g->Pagina->toPlainText().isEmpty());
        QCOMPARE(g->parentWidget(), modala ? w.get() : nullptr);
        // Asked again: the same window.
        QTest::keyClick(tinta, Qt::Key_F1);
        QCOMPARE(TGhidUtilizator::Deschis(), g);

        w->hide();
        QCOMPARE(g->parentWidget(), nullptr);
        QVERIFY(g->isVisible());
    }

    // The menu entry, the contents, the search, back and forward.
    void navigare() {
        TVardolineMain principala;
        QAction* intrare = principala.findChild<QAction*>("GhidulUtilizatorului1");
        QVERIFY(intrare);
        QCOMPARE(intrare->text(), "Ghidul utilizatorului");
        intrare->trigger();
        TGhidUtilizator* g = TGhidUtilizator::Deschis();
        QVERIFY(g);
        QCOMPARE(g->Locul(), ghid.pagini().first().fisier);
        QCOMPARE(g->Cuprins->topLevelItemCount(), ghid.pagini().size());

        QTreeWidgetItem* sectiune = g->Cuprins->topLevelItem(2)->child(0);
        QVERIFY(sectiune);
        g->Cuprins->itemClicked(sectiune, 0);
        const QString dupaCuprins = g->Locul();
        QCOMPARE(dupaCuprins, ghid.pagini()[2].fisier + "#" + ghid.pagini()[2].sectiuni[0].ancora);

        g->Cautare->setText("imprimanta");
        QTest::keyClick(g->Cautare, Qt::Key_Return);
        QVERIFY(g->Rezultate->count() > 0);
        QListWidgetItem* primul = g->Rezultate->item(0);
        g->Rezultate->itemClicked(primul);
        QCOMPARE(g->Locul(), primul->data(Qt::UserRole).toString());
        QVERIFY(Ghid::pentruCautare(g->Pagina->toPlainText()).contains("imprimanta"));

        QVERIFY(g->Inapoi->isEnabled());
        g->Inapoi->click();
        QCOMPARE(g->Locul(), dupaCuprins);
        QVERIFY(g->Inainte->isEnabled());
        g->Inainte->click();
        QCOMPARE(g->Locul(), primul->data(Qt::UserRole).toString());
    }

    // The pictures' tool still opens every listed window and gives its picture.
    void pozeleSeFacDinNou() {
        QTemporaryDir iesire;
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(
            QCoreApplication::applicationDirPath() + "/vardolin-capturi",
            {"--ghid", qEnvironmentVariable("VARDOLIN_TEST_SOURCE") + "/doc/ghid", "--out", iesire.path()});
        QVERIFY(p.waitForFinished(300000));
        QVERIFY2(p.exitCode() == 0, p.readAll().constData());
        for (const QString& clasa : ghid.ferestre().keys())
            QVERIFY2(QImage(iesire.filePath(clasa + ".png")).width() > 0, qPrintable(clasa));
    }

    // The PDF made by the build holds every page's title.
    void pdfulAreToatePaginile() {
        const QString pdf = QCoreApplication::applicationDirPath() + "/../ghid-vardolin.pdf";
        QVERIFY2(QFileInfo::exists(pdf), qPrintable(pdf));
        QProcess p;
        p.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(p.waitForFinished(60000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput()).simplified();
        for (const Ghid::Pagina& pg : ghid.pagini())
            QVERIFY2(text.contains(pg.titlu), qPrintable(pg.titlu));
    }

    // "Despre aplicatie" names the database in use and copies what it shows.
    void despreAplicatie() {
        TDespreAplicatie d;
        QStringList texte;
        for (const QLabel* l : d.findChildren<QLabel*>())
            texte << l->text();
        const QString cale = QDir::toNativeSeparators(b->dm().caleBazaDeDate());
        QVERIFY(texte.contains(cale));
        QVERIFY(texte.join('\n').contains("Firebird") || texte.join('\n').contains("motorul bazei"));
        d.BtnCopiaza->click();
        const QString copiat = QGuiApplication::clipboard()->text();
        QVERIFY(copiat.contains("Baza de date: " + cale));
        QVERIFY(copiat.contains("Versiunea: Vardolin "));
        QVERIFY(copiat.contains(
            QRegularExpression("Firebird: biblioteca client \\d+\\.\\d+, motorul bazei \\S+")));
    }
};

QTEST_MAIN(TestGhidUtilizator)
#include "tst_GhidUtilizator.moc"
