#include "app/Pornire.h"

#include "app/UVardolinMain.h"
#include "data/UDm.h"
#include "data/UProfilVardolin.h"
#include "form/UParticularizare.h"
#include "platform/DialoguriFerestre.h"
#include "platform/Firebird.h"
#include "platform/Protejat.h"
#include "printing/UPrintVardolin.h"

#include <QApplication>
#include <QFont>

namespace {

// No exception may cross Qt's event loop: whatever escapes a handler is shown to the user.
class AplicatieVardolin : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* destinatar, QEvent* e) override {
        try {
            return QApplication::notify(destinatar, e);
        } catch (const std::exception& eroare) {
            aratEroarea(activeWindow(), eroare);
        } catch (...) {
            aratEroarea(activeWindow(), Eroare(QStringLiteral("Eroare necunoscuta")));
        }
        return false;
    }
};

} // namespace

int ruleazaProgramul(int argc, char* argv[]) {
    FbConexiune::pregatesteMotorulIncorporat();
    AplicatieVardolin app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Vardolin"));
    QApplication::setApplicationName(QStringLiteral("Vardolin"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    instaleazaDialoguri(DialoguriCuFerestre());

    // The definitions register themselves before the data module exists; a failure here is a
    // programming error that stops the program.
    const bool inregistrate = protejat(nullptr, [] {
        InregistreazaProfilVardolin();
        InregistreazaHandlerVardolin();
    });
    if (!inregistrate) return 1;

    TDM dm;
    TDM::seteazaEcranePornire(AfiseazaSplash);
    protejat(nullptr, [&] { dm.DataModuleCreate(); });
    // Warns by itself about a damaged adjustments file.
    protejat(nullptr, [] { IncarcaParticularizarile(); });

    TVardolineMain fereastra;
    fereastra.show();
    return app.exec();
}
