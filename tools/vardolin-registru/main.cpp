// The register of issued certificates and the stock of forms, for administrators and tests.
#include "UneltaRegistru.h"
#include "platform/Eroare.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    // Printing to PDF needs fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList argumente = app.arguments();
    argumente.removeFirst();
    if (argumente.contains("--help") || argumente.contains("-h")) {
        std::fputs(utilizareUneltaRegistru, stdout);
        return 0;
    }
    try {
        QString iesire;
        ruleazaUneltaRegistru(argumente, iesire);
        const QByteArray octeti = iesire.toUtf8();
        std::fwrite(octeti.constData(), 1, size_t(octeti.size()), stdout);
        return 0;
    } catch (const Eroare& e) {
        std::fprintf(stderr, "vardolin-registru: %s\n", qPrintable(e.text()));
        if (e.text() == u"Comanda nu este recunoscuta") std::fputs(utilizareUneltaRegistru, stderr);
        return 1;
    }
}
