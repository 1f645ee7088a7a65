// Renders a side of the certificate's layout to PNG or prints it through the PDF printer,
// for people checking the layout and for tests.
#include "UneltaFormular.h"
#include "platform/Eroare.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStringList argumente;
    for (int i = 1; i < argc; ++i)
        argumente << QString::fromLocal8Bit(argv[i]);
    // Nothing here needs a window: the plain GUI application refuses any widget.
    QGuiApplication app(argc, argv);
    if (argumente.contains("--help") || argumente.contains("-h")) {
        std::fputs(utilizareUnealta, stdout);
        return 0;
    }
    try {
        return UneltaFormular(OptiuniUnealta::citeste(argumente)).ruleaza();
    } catch (const Eroare& e) {
        std::fprintf(stderr, "vardolin-formtool: %s\n%s", qPrintable(e.text()), utilizareUnealta);
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vardolin-formtool: %s\n", e.what());
        return 1;
    }
}
