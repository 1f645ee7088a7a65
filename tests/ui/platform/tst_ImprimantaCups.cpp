// A numbered front side printed through a real CUPS queue (cups-pdf) lands where the PDF
// printer puts it. The test runs its own scheduler; without root it is skipped.
#include "MediuTest.h"
#include "platform/Eroare.h"
#include "platform/ImprimantaSistem.h"
#include "printing/ComponenteMacheta.h"
#include "printing/FormularDePrintat.h"
#include "printing/UMachetaVardolin.h"

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QScopeGuard>
#include <QWidget>
#include <QtTest>
#include <algorithm>
#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int dpi = 600;
constexpr double mmPePixel = 25.4 / dpi;

QString ruleaza(const QString& program, const QStringList& argumente, int* cod = nullptr) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, argumente);
    p.waitForFinished(120000);
    if (cod) *cod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAll());
}

int portLiber() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t n = sizeof a;
    const bool ok = ::bind(s, reinterpret_cast<sockaddr*>(&a), n) == 0 &&
                    ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &n) == 0;
    ::close(s);
    return ok ? ntohs(a.sin_port) : 0;
}

bool scrie(const QString& cale, const QByteArray& continut) {
    QFile f(cale);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(continut) == continut.size();
}

// A scheduler of the test's own: configuration, port, spool and cups-pdf output all in a
// temporary folder; stopped by its pid. cups-pdf reads its settings only from /etc/cups, so
// the queue's own settings file lives there while the scheduler runs.
class CupsPropriu {
public:
    ~CupsPropriu() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            cupsd_.waitForFinished(10000);
        }
        if (!confCupsPdf_.isEmpty()) QFile::remove(confCupsPdf_);
    }

    // Empty when it runs, else why not.
    QString porneste() {
        if (::geteuid() != 0) return QStringLiteral("cupsd needs root to run its backends");
        const QString backend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
        if (!QFileInfo::exists(QStringLiteral("/usr/sbin/cupsd")) || !QFileInfo::exists(backend))
            return QStringLiteral("cups or printer-driver-cups-pdf is not installed");
        const int port = portLiber();
        // The filters run as lp and must reach the spool.
        QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                               QFile::ExeOther);
        for (const char* d : {"conf/ppd", "spool/tmp", "cache", "state", "log", "out", "cups-pdf"})
            QDir().mkpath(dir_.filePath(QString::fromLatin1(d)));
        scrie(dir_.filePath("conf/cupsd.conf"),
              QStringLiteral("Listen 127.0.0.1:%1\n"
                             "LogLevel debug\nBrowsing No\n" // the filters' options
                             "DefaultAuthType None\nWebInterface No\n"
                             "<Location />\nOrder allow,deny\nAllow all\n"
                             "</Location>\n<Policy default>\n<Limit All>\n"
                             "Order deny,allow\n</Limit>\n</Policy>\n")
                  .arg(port)
                  .toUtf8());
        QByteArray fisiere;
        for (const auto& [cheie, dosar] : {std::pair{"ServerRoot", "conf"},
                                           {"RequestRoot", "spool"},
                                           {"TempDir", "spool/tmp"},
                                           {"CacheDir", "cache"},
                                           {"StateDir", "state"},
                                           {"ErrorLog", "log/error_log"},
                                           {"AccessLog", "log/access_log"},
                                           {"PageLog", "log/page_log"}})
            fisiere += QByteArray(cheie) + ' ' + dir_.filePath(QString::fromLatin1(dosar)).toUtf8() + '\n';
        scrie(dir_.filePath("conf/cups-files.conf"), fisiere);

        eticheta_ = QStringLiteral("vardolin-test-%1").arg(::getpid());
        confCupsPdf_ = QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(eticheta_);
        if (!scrie(confCupsPdf_, QStringLiteral("Out %1\nAnonDirName %1\nSpool %2\n")
                                     .arg(dosarIesire(), dir_.filePath("cups-pdf"))
                                     .toUtf8()))
            return QStringLiteral("cannot write ") + confCupsPdf_;

        qputenv("CUPS_SERVER", QStringLiteral("127.0.0.1:%1").arg(port).toUtf8());
        cupsd_.setProcessChannelMode(QProcess::MergedChannels);
        cupsd_.start(QStringLiteral("/usr/sbin/cupsd"), {"-f", "-c", dir_.filePath("conf/cupsd.conf"), "-s",
                                                         dir_.filePath("conf/cups-files.conf")});
        if (!cupsd_.waitForStarted(10000)) return QStringLiteral("cupsd does not start");
        pid_ = cupsd_.processId();
        for (int i = 0; i < 100; ++i) {
            if (ruleaza("lpstat", {"-r"}).contains("is running")) return {};
            if (cupsd_.state() == QProcess::NotRunning) break;
            QTest::qWait(100);
        }
        return QStringLiteral("cupsd did not come up: ") + QString::fromLocal8Bit(cupsd_.readAll()) +
               jurnal();
    }

    // A cups-pdf queue on A4; the PPD's A4 printable area when given (points, PPD order).
    QString adaugaCoada(const QString& nume, const QString& zonaTiparibila = {}) {
        QFile f(QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"));
        if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("no cups-pdf PPD");
        QString ppd = QString::fromLatin1(f.readAll());
        if (!zonaTiparibila.isEmpty())
            ppd.replace(QRegularExpression(QStringLiteral("\\*ImageableArea A4/A4: \"[^\"]*\"")),
                        QStringLiteral("*ImageableArea A4/A4: \"%1\"").arg(zonaTiparibila));
        const QString cale = dir_.filePath(nume + ".ppd");
        scrie(cale, ppd.toLatin1());
        int cod = 0;
        const QString iesire = ruleaza(
            "lpadmin", {"-p", nume, "-E", "-v", "cups-pdf:/" + eticheta_, "-P", cale, "-o", "PageSize=A4"},
            &cod);
        return cod == 0 ? QString() : iesire;
    }

    // The PDF cups-pdf wrote for the last job, once the queue is empty.
    QString asteaptaPdf(const QStringList& vazute) {
        for (int i = 0; i < 1200; ++i) {
            if (ruleaza("lpstat", {"-o"}).trimmed().isEmpty()) {
                const QStringList acum = QDir(dosarIesire()).entryList({"*.pdf"}, QDir::Files, QDir::Time);
                for (const QString& f : acum)
                    if (!vazute.contains(f)) return QDir(dosarIesire()).filePath(f);
            }
            QTest::qWait(100);
        }
        return {};
    }

    // The orientation the filters of the last job were given: the last landscape option.
    QString orientareaUltimeiLucrari() const {
        QFile f(dir_.filePath("log/error_log"));
        if (!f.open(QIODevice::ReadOnly)) return {};
        const QString jurnal = QString::fromLocal8Bit(f.readAll());
        const qsizetype argv5 = jurnal.lastIndexOf(QStringLiteral("argv[5]=\""));
        const QString optiuni = jurnal.mid(argv5).section(QLatin1Char('"'), 1, 1);
        QString orientare;
        for (const QString& o : optiuni.split(QLatin1Char(' ')))
            if (o.startsWith(QStringLiteral("landscape")) || o.startsWith(QStringLiteral("nolandscape")))
                orientare = o;
        return orientare;
    }

    // The jobs the scheduler has been given so far, from its access log.
    int lucrariPrimite() const {
        QFile f(dir_.filePath("log/access_log"));
        if (!f.open(QIODevice::ReadOnly)) return 0;
        const QByteArray jurnal = f.readAll();
        return int(jurnal.count("Create-Job") + jurnal.count("Print-Job"));
    }

    QString dosarIesire() const { return dir_.filePath("out"); }
    QString jurnal() const {
        QFile f(dir_.filePath("log/error_log"));
        return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll().right(2000)) : QString();
    }

private:
    QTemporaryDir dir_;
    QProcess cupsd_;
    qint64 pid_ = 0;
    QString eticheta_, confCupsPdf_;
};

// A connected piece of ink (about a glyph): its ink-weighted
// centre and size in millimetres.
struct Bucata {
    QPointF centru;
    QSizeF marime;
};

// The page of a PDF as grey pixels at 600 dpi.
QImage randeaza(const QString& pdf, const QString& dosar) {
    const QString baza = QDir(dosar).filePath(QFileInfo(pdf).completeBaseName());
    ruleaza("pdftoppm",
            {"-q", "-r", QString::number(dpi), "-gray", "-singlefile", "-f", "1", "-l", "1", pdf, baza});
    return QImage(baza + ".pgm").convertToFormat(QImage::Format_Grayscale8);
}

// The pieces of ink; portrait pages are turned a quarter clockwise back to landscape first.
std::vector<Bucata> bucati(const QImage& imagine, bool intoarceLaPeisaj) {
    constexpr int bloc = 2; // pixels closer than about two join
    const int lb = (imagine.width() + bloc - 1) / bloc, ib = (imagine.height() + bloc - 1) / bloc;
    std::vector<int> eticheta(size_t(lb) * ib, 0);
    for (int y = 0; y < imagine.height(); ++y) {
        const uchar* linie = imagine.constScanLine(y);
        for (int x = 0; x < imagine.width(); ++x)
            if (linie[x] < 128) eticheta[size_t(y / bloc) * lb + x / bloc] = -1;
    }
    struct Suma {
        double m = 0, x = 0, y = 0;
        int x0 = INT_MAX, y0 = INT_MAX, x1 = 0, y1 = 0;
    };
    std::vector<Suma> sume(1);
    std::vector<int> stiva;
    for (int start = 0; start < int(eticheta.size()); ++start) {
        if (eticheta[start] != -1) continue;
        const int e = int(sume.size());
        sume.emplace_back();
        eticheta[start] = e;
        stiva.assign(1, start);
        while (!stiva.empty()) {
            const int c = stiva.back();
            stiva.pop_back();
            const int cx = c % lb, cy = c / lb;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = cx + dx, ny = cy + dy;
                    if (nx < 0 || ny < 0 || nx >= lb || ny >= ib) continue;
                    int& v = eticheta[size_t(ny) * lb + nx];
                    if (v == -1) {
                        v = e;
                        stiva.push_back(ny * lb + nx);
                    }
                }
        }
    }
    for (int y = 0; y < imagine.height(); ++y) {
        const uchar* linie = imagine.constScanLine(y);
        for (int x = 0; x < imagine.width(); ++x) {
            if (linie[x] >= 250) continue;
            const int e = eticheta[size_t(y / bloc) * lb + x / bloc];
            if (e <= 0) continue;
            Suma& s = sume[e];
            const double m = 255 - linie[x];
            // Turning clockwise: the portrait (x, y) becomes the landscape (height - 1 - y, x).
            const int px = intoarceLaPeisaj ? imagine.height() - 1 - y : x;
            const int py = intoarceLaPeisaj ? x : y;
            s.m += m;
            s.x += m * px;
            s.y += m * py;
            s.x0 = std::min(s.x0, px), s.y0 = std::min(s.y0, py);
            s.x1 = std::max(s.x1, px), s.y1 = std::max(s.y1, py);
        }
    }
    std::vector<Bucata> rezultat;
    for (size_t i = 1; i < sume.size(); ++i) {
        const Suma& s = sume[i];
        if (s.m < 255 * 4) continue; // specks
        rezultat.push_back({QPointF((s.x / s.m + 0.5) * mmPePixel, (s.y / s.m + 0.5) * mmPePixel),
                            QSizeF((s.x1 - s.x0 + 1) * mmPePixel, (s.y1 - s.y0 + 1) * mmPePixel)});
    }
    return rezultat;
}

double mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// Least squares slope of b over a.
double panta(const std::vector<double>& a, const std::vector<double>& b) {
    double ma = 0, mb = 0;
    for (size_t i = 0; i < a.size(); ++i)
        ma += a[i], mb += b[i];
    ma /= double(a.size()), mb /= double(a.size());
    double sab = 0, saa = 0;
    for (size_t i = 0; i < a.size(); ++i)
        sab += (a[i] - ma) * (b[i] - mb), saa += (a[i] - ma) * (a[i] - ma);
    return sab / saa;
}

} // namespace

class TestImprimantaCups : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void caLaImprimantaPdf_data();
    void caLaImprimantaPdf();
    void lucrareaPleacaLaSfarsit();

private:
    // Prints the numbered front on the printer at that index; the file it became.
    QString tipareste(ImprimantaSistem& imp, int index, bool rotit, double stanga, double sus);

    std::unique_ptr<CupsPropriu> cups_;
    std::unique_ptr<MediuTest> mediu_;
    QWidget proprietar_;
    TFormularDePrintat* fata_ = nullptr;
};

void TestImprimantaCups::initTestCase() {
    cups_ = std::make_unique<CupsPropriu>();
    const QString motiv = cups_->porneste();
    if (!motiv.isEmpty()) QSKIP(qPrintable("No CUPS scheduler of our own: " + motiv));
    QCOMPARE(cups_->adaugaCoada("vardolin-a4"), QString());
    QCOMPARE(cups_->adaugaCoada("vardolin-margini", "10 20 565 802"), QString());
    mediu_ = std::make_unique<MediuTest>();
    QImageReader::setAllocationLimit(0); // an A4 page at 600 dpi is larger than the default
    fata_ = creeazaComponente(MachetaVardolin::citeste(), &proprietar_).pagina(QStringLiteral("FATA"));
    QVERIFY(fata_);
    fata_->NumberTextAreas();
}

QString TestImprimantaCups::tipareste(ImprimantaSistem& imp, int index, bool rotit, double stanga,
                                      double sus) {
    imp.selecteaza(index);
    imp.pregatesteSetari(SetariDispozitiv{});
    imp.incepeLucrare(QStringLiteral("Vardolin fata"));
    fata_->PrintPage(imp, rotit, stanga, sus);
    imp.terminaLucrare();
    return imp.ultimulFisierPdf();
}

void TestImprimantaCups::caLaImprimantaPdf_data() {
    QTest::addColumn<QString>("coada");
    QTest::addColumn<bool>("rotit");
    QTest::addColumn<double>("stanga");
    QTest::addColumn<double>("sus");
    QTest::newRow("A4") << "vardolin-a4" << false << 0.0 << 0.0;
    QTest::newRow("A4 rotit cu margini") << "vardolin-a4" << true << 5.0 << 3.0;
    QTest::newRow("margini hardware") << "vardolin-margini" << false << 0.0 << 0.0;
    QTest::newRow("margini hardware, rotit cu margini") << "vardolin-margini" << true << 5.0 << 3.0;
}

void TestImprimantaCups::caLaImprimantaPdf() {
    QFETCH(QString, coada);
    QFETCH(bool, rotit);
    QFETCH(double, stanga);
    QFETCH(double, sus);
    ImprimantaSistem imp;
    const int index = int(imp.imprimante().indexOf(coada));
    QVERIFY2(index >= 0, qPrintable(imp.imprimante().join(", ")));

    const QString pdf = tipareste(imp, imp.indexImprimantaPdf(), rotit, stanga, sus);
    const QStringList vazute = QDir(cups_->dosarIesire()).entryList({"*.pdf"}, QDir::Files);
    tipareste(imp, index, rotit, stanga, sus);
    // The second queue's hardware margins reach the printer layer (and cancel there).
    QCOMPARE(imp.paginaFizica().offsetY > 0, coada == u"vardolin-margini");
    const QString prinCups = cups_->asteaptaPdf(vazute);
    QVERIFY2(!prinCups.isEmpty(), qPrintable("cups-pdf wrote nothing\n" + cups_->jurnal()));
    QCOMPARE(cups_->orientareaUltimeiLucrari(), QStringLiteral("landscape"));

    QTemporaryDir imagini;
    const QImage asteptat = randeaza(pdf, imagini.path());
    const QImage primit = randeaza(prinCups, imagini.path());
    QVERIFY(!asteptat.isNull() && !primit.isNull());
    QVERIFY2(primit.height() > primit.width(), "cups-pdf delivers the sheet portrait");
    const std::vector<Bucata> ref = bucati(asteptat, false);
    const std::vector<Bucata> cups = bucati(primit, true);
    QVERIFY2(ref.size() >= 20, qPrintable(QString::number(ref.size())));

    // Each piece with the nearest of similar size, both ways.
    auto celMaiApropiat = [](const Bucata& b, const std::vector<Bucata>& dintre) {
        int cel = -1;
        double d = 0.6; // mm; the small print's glyphs are closer than one millimetre
        for (size_t i = 0; i < dintre.size(); ++i) {
            const double di = QLineF(b.centru, dintre[i].centru).length();
            const QSizeF dm = b.marime - dintre[i].marime;
            if (di < d && std::abs(dm.width()) < 0.2 && std::abs(dm.height()) < 0.2) d = di, cel = int(i);
        }
        return cel;
    };
    std::vector<double> rx, ry, cx, cy, dx, dy;
    for (size_t i = 0; i < ref.size(); ++i) {
        const int j = celMaiApropiat(ref[i], cups);
        if (j < 0 || celMaiApropiat(cups[j], ref) != int(i)) continue;
        rx.push_back(ref[i].centru.x()), ry.push_back(ref[i].centru.y());
        cx.push_back(cups[j].centru.x()), cy.push_back(cups[j].centru.y());
        dx.push_back(cx.back() - rx.back()), dy.push_back(cy.back() - ry.back());
    }
    const double mx = mediana(dx), my = mediana(dy);
    const double sx = panta(rx, cx), sy = panta(ry, cy);
    double celMaiDeparte = 0;
    for (size_t i = 0; i < dx.size(); ++i)
        celMaiDeparte = std::max(celMaiDeparte, std::hypot(dx[i] - mx, dy[i] - my));
    const QString masurat = QStringLiteral("%1 of %2 pieces matched (%3 in CUPS); median offset %4/%5 mm; "
                                           "scale %6/%7; farthest piece %8 mm from the median")
                                .arg(dx.size())
                                .arg(ref.size())
                                .arg(cups.size())
                                .arg(mx, 0, 'f', 3)
                                .arg(my, 0, 'f', 3)
                                .arg(sx, 0, 'f', 5)
                                .arg(sy, 0, 'f', 5)
                                .arg(celMaiDeparte, 0, 'f', 3);
    qInfo("%s", qPrintable(masurat));
    QVERIFY2(celMaiDeparte <= 0.3, qPrintable(masurat)); // glyphs scatter along a line, see above
    // Glyphs of the smallest print touch in one rendering and not in the other.
    QVERIFY2(dx.size() >= ref.size() * 8 / 10, qPrintable(masurat));
    QVERIFY2(std::abs(mx) <= 0.1 && std::abs(my) <= 0.1, qPrintable(masurat));
    QVERIFY2(std::abs(sx - 1) <= 0.0005 && std::abs(sy - 1) <= 0.0005, qPrintable(masurat));
}

// The scheduler gets a job only when it ends, once; a cancelled job and one it refuses never
// reach it, and no job leaves its file behind. The register records a job's sheets just before
// its end on this ground.
void TestImprimantaCups::lucrareaPleacaLaSfarsit() {
    QTemporaryDir temporar;
    const QByteArray tmpdir = qgetenv("TMPDIR");
    const auto laLoc =
        qScopeGuard([&] { tmpdir.isEmpty() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tmpdir); });
    qputenv("TMPDIR", temporar.path().toLocal8Bit());
    const auto faraFisiere = [&] { return QDir(temporar.path()).isEmpty(); };
    ImprimantaSistem imp;
    imp.selecteaza(int(imp.imprimante().indexOf(QStringLiteral("vardolin-a4"))));
    imp.pregatesteSetari(SetariDispozitiv{});
    const auto douaFete = [&](const QString& titlu) {
        imp.incepeLucrare(titlu);
        fata_->PrintPage(imp, false, 0, 0);
        imp.paginaNoua();
        fata_->PrintPage(imp, false, 0, 0);
        QTest::qWait(1000);
    };
    const int inainte = cups_->lucrariPrimite();
    douaFete(QStringLiteral("Anulata"));
    QCOMPARE(cups_->lucrariPrimite(), inainte);
    QVERIFY(!faraFisiere()); // the job's file is where the checks below look
    imp.anuleazaLucrare();
    QVERIFY(faraFisiere());
    QTest::qWait(2000);
    QCOMPARE(cups_->lucrariPrimite(), inainte);
    douaFete(QStringLiteral("Trimisa"));
    QCOMPARE(cups_->lucrariPrimite(), inainte);
    imp.terminaLucrare();
    QVERIFY(faraFisiere());
    QTRY_COMPARE_WITH_TIMEOUT(cups_->lucrariPrimite(), inainte + 1, 10000);

    ruleaza("cupsreject", {"vardolin-a4"});
    douaFete(QStringLiteral("Refuzata"));
    try {
        imp.terminaLucrare();
        QFAIL("a queue that refuses jobs took one");
    } catch (const Eroare& e) {
        QVERIFY2(e.text().contains("nu s-a tiparit nimic"), qPrintable(e.text()));
    }
    QVERIFY(!imp.inLucru());
    QVERIFY(faraFisiere());
}

QTEST_MAIN(TestImprimantaCups)
#include "tst_ImprimantaCups.moc"
