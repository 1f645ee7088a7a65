// Imports students from a worksheet into the database of the data folder.
#include "UneltaImport.h"
#include "platform/Eroare.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList argumente = app.arguments();
    argumente.removeFirst();
    if (argumente.contains("--help") || argumente.contains("-h")) {
        std::fputs(utilizareUneltaImport, stdout);
        return 0;
    }
    try {
        QString iesire;
        const bool completa = ruleazaUneltaImport(argumente, iesire);
        const QByteArray octeti = iesire.toUtf8();
        std::fwrite(octeti.constData(), 1, size_t(octeti.size()), completa ? stdout : stderr);
        return completa ? 0 : 1;
    } catch (const Eroare& e) {
        std::fprintf(stderr, "vardolin-import: %s\n", qPrintable(e.text()));
        if (e.text() == u"Comanda nu este recunoscuta") std::fputs(utilizareUneltaImport, stderr);
        return 1;
    }
}
