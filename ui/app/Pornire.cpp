#include "app/Pornire.h"

#include "platform/ImprimantaSistem.h"

#include "app/UGhidUtilizator.h"
#include "app/USalvareBaza.h"
#include "app/USalvariAutomate.h"
#include "app/USetariBazaDeDate.h"
#include "app/UVardolinMain.h"
#include "data/SalvareBaza.h"
#include "data/UDm.h"
#include "data/UProfilVardolin.h"
#include "platform/BazaDeteriorata.h"
#include "platform/DialoguriFerestre.h"
#include "platform/Firebird.h"
#include "platform/Protejat.h"
#include "platform/SemnaleOprire.h"
#include "platform/TraducereQt.h"
#include "printing/UParticularizare.h"
#include "printing/UPrintVardolin.h"

#include "Versiune.h"

#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QIcon>
#include <cstdio>
#include <cstring>

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

const char* const ajutor =
    "Utilizare: vardolin [--help] [--version]\n"
    "Vardolin tine datele absolventilor unei scoli profesionale si tipareste certificatele\n"
    "lor de calificare pe formularele pretiparite.\n"
    "\n"
    "Optiuni:\n"
    "  -h, --help     arata acest text\n"
    "  -v, --version  arata versiunea\n"
    "\n"
    "Datele (DB/, PDF/) stau in ~/.local/share/Vardolin/Vardolin, setarile in\n"
    "~/.config/vardolin/vardolin.ini. VARDOLIN_DATA_DIR numeste alt dosar de date.\n";

// Answers --help and --version without opening a window; true when it did.
bool raspundeLaOptiuni(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::fputs(ajutor, stdout);
            return true;
        }
        if (!std::strcmp(argv[i], "--version") || !std::strcmp(argv[i], "-v")) {
            std::printf("Vardolin %s\n", VARDOLIN_VERSIUNE);
            return true;
        }
    }
    return false;
}

// The desktop groups the window with the menu entry by the desktop file's name.
void numesteProgramul() {
    QApplication::setOrganizationName(QStringLiteral("Vardolin"));
    QApplication::setApplicationName(QStringLiteral("Vardolin"));
    QApplication::setApplicationVersion(QStringLiteral(VARDOLIN_VERSIUNE));
    QGuiApplication::setDesktopFileName(QStringLiteral("vardolin"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app/vardolin.svg")));
}

// SIGTERM or SIGINT: open windows are closed without saving what is half edited, every event
// loop ends, and the data module lets the database go on the way out.
void oprireCeruta() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) d->reject();
    QCoreApplication::exit(0);
}

// A damaged database is said once, with its remedy offered at once; the connection settings are
// not at fault.
void oferaRestaurarea(TDM& dm) {
    if (!dialoguri().intrebare(
            nullptr,
            QStringLiteral("Baza de date este deteriorata: motorul Firebird a gasit date stricate in "
                           "fisierul ei si nu mai lucreaza cu ea. Setarile de conectare sunt "
                           "bune.\n\nDoriti sa restaurati acum ultima salvare automata? Baza "
                           "deteriorata se pastreaza langa cea restaurata. (\"Nu\" inchide "
                           "programul; restaurarea se poate face si la pornirea urmatoare.)")))
        return;
    protejat(nullptr, [&] { RestaureazaBazaDeteriorata(nullptr, dm); });
}

} // namespace

bool PornesteBazaDeDate(TDM& dm) {
    for (;;) {
        bool reusit = false;
        try {
            dm.DataModuleCreate();
            dm.CitesteTotiElevii();
            reusit = true;
        } catch (const std::exception& e) {
            if (!BazaGasitaDeteriorata()) aratEroarea(nullptr, e);
        }
        // The client library took the signals at its first connection.
        SemnaleOprire::Reinstaleaza();
        if (reusit) return true;
        // The start-up screens are shown once.
        TDM::seteazaEcranePornire(nullptr);
        if (SemnaleOprire::Primit()) return false;
        if (BazaGasitaDeteriorata()) {
            oferaRestaurarea(dm);
            return false;
        }
        if (!dialoguri().intrebare(nullptr,
                                   QStringLiteral("Programul nu poate lucra fara baza de date.\n\nDoriti sa "
                                                  "modificati setarile de conectare si sa incercati din nou? "
                                                  "(\"Nu\" inchide programul.)")))
            return false;
        TSetariBazaDeDate setari;
        if (dialoguri().arataModal(setari) != QDialog::Accepted) return false;
    }
}

int ruleazaProgramul(int argc, char* argv[]) {
    if (raspundeLaOptiuni(argc, argv)) return 0;
    if (argc == 4 && !std::strcmp(argv[1], SalvareBaza::OptiuneRestaurare)) {
        FbConexiune::pregatesteMotorulIncorporat();
        return SalvareBaza::RestaureazaCaProcesCopil(
            {QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])});
    }
    FbConexiune::pregatesteMotorulIncorporat();
    AplicatieVardolin app(argc, argv);
    numesteProgramul();
    TraducereQt traducere;
    QCoreApplication::installTranslator(&traducere);
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    instaleazaDialoguri(DialoguriCuFerestre());
    InstaleazaAjutorF1();
    ImprimantaSistem::faImplicita();

    // The definitions register themselves before the data module exists; a failure here is a
    // programming error that stops the program.
    const bool inregistrate = protejat(nullptr, [] {
        InregistreazaProfilVardolin();
        InregistreazaHandlerVardolin();
    });
    if (!inregistrate) return 1;

    SemnaleOprire::Instaleaza(oprireCeruta);
    TDM dm;
    TDM::seteazaEcranePornire(AfiseazaSplash);
    // A start whose steps did not all succeed is never continued.
    if (!PornesteBazaDeDate(dm)) return SemnaleOprire::Primit() ? 0 : 1;
    if (SemnaleOprire::Primit()) return 0;
    // Warns by itself about a damaged adjustments file.
    protejat(nullptr, [] { IncarcaParticularizarile(); });

    TVardolineMain fereastra;
    // Damage met while the window read its lists: the restore is offered before anything else.
    if (BazaGasitaDeteriorata()) {
        oferaRestaurarea(dm);
        return 1;
    }
    fereastra.show();
    // Before the window goes: it waits for a backup still being written.
    TSalvareZilnica zilnica(&fereastra);
    zilnica.PornesteDacaEDatorata(dm);
    const int cod = app.exec();
    return SemnaleOprire::Primit() ? 0 : cod;
}
