// Draws the pictures of the blank front and back of the certificate that the print window
// shows under the text areas: vardolin-bggen --out DIR [--macheta FILE]
#include "DesenFundal.h"
#include "platform/Eroare.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

namespace {

// The pixel sizes of the scans the layout was made over, about 200 pixels per inch.
QSize marimeScan(const PaginaMacheta& p) {
    return p.codPagina == u"FATA" ? QSize(2308, 1654) : QSize(2324, 1654);
}

void salveaza(const QImage& imagine, const QString& cale) {
    QImageWriter w(cale, "jpg");
    w.setQuality(85);
    w.setOptimizedWrite(true);
    if (!w.write(imagine)) throw Eroare::format("Nu pot scrie %s: %s", {cale, w.errorString()});
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser linie;
    linie.addHelpOption();
    linie.addOption({"out", "Dosarul in care se scriu fata.jpg si verso.jpg.", "dosar"});
    linie.addOption({"macheta", "Fisierul machetei (implicit cea din program).", "fisier"});
    linie.addOption({"previzualizare", "Scrie si copii PNG micsorate la aceasta latime.", "pixeli"});
    linie.process(app);
    try {
        if (!linie.isSet("out")) throw Eroare("Lipseste --out.");
        const QString sursa = linie.isSet("macheta") ? linie.value("macheta")
                                                     : QString::fromLatin1(MachetaVardolin::caleImplicita);
        const MachetaVardolin macheta = MachetaVardolin::citeste(sursa);
        const QDir dosar(linie.value("out"));
        if (!dosar.exists()) throw Eroare::format("Dosarul %s nu exista.", {dosar.path()});
        for (const PaginaMacheta& p : macheta.pagini) {
            DesenFundal desen(p, marimeScan(p));
            const QString cale = dosar.filePath(QFileInfo(p.BkImage).fileName());
            const QImage imagine = desen.deseneaza();
            salveaza(imagine, cale);
            if (linie.isSet("previzualizare")) {
                const QString png = QFileInfo(cale).completeBaseName() + "-mic.png";
                imagine.scaledToWidth(linie.value("previzualizare").toInt(), Qt::SmoothTransformation)
                    .save(dosar.filePath(png));
            }
            std::printf("%s\n", qPrintable(cale));
        }
        return 0;
    } catch (const Eroare& e) {
        std::fprintf(stderr, "vardolin-bggen: %s\n", qPrintable(e.text()));
        return 1;
    }
}
