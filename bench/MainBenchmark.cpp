// The one main of every benchmark program: widgets on the offscreen platform, and a temporary
// data folder for whatever the measured code writes (databases, PDF files, licenta.lic).
#include "MediuTest.h"

#include "platform/ImprimantaSistem.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ImprimantaSistem::faImplicita();
    MediuTest mediu;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
