// Shows what the spreadsheet readers see in a file: its sheets, and every cell's displayed text.
#include "UneltaFoaie.h"
#include "platform/Eroare.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList argumente = app.arguments();
    argumente.removeFirst();
    if (argumente.contains("--help") || argumente.contains("-h")) {
        std::fputs(utilizareUneltaFoaie, stdout);
        return 0;
    }
    try {
        QString iesire, avertisment;
        ruleazaUneltaFoaie(argumente, iesire, avertisment);
        if (!avertisment.isEmpty()) std::fprintf(stderr, "vardolin-sheet: %s\n", qPrintable(avertisment));
        const QByteArray octeti = iesire.toUtf8();
        std::fwrite(octeti.constData(), 1, size_t(octeti.size()), stdout);
        return 0;
    } catch (const Eroare& e) {
        std::fprintf(stderr, "vardolin-sheet: %s\n", qPrintable(e.text()));
        if (e.text() == u"Comanda nu este recunoscuta") std::fputs(utilizareUneltaFoaie, stderr);
        return 1;
    }
}
