#include "app/UVardolinMain.h"

#include "Versiune.h"
#include "app/UDespreAplicatie.h"
#include "app/UErrCodePage.h"
#include "app/UGhidUtilizator.h"
#include "app/USalvareBaza.h"
#include "app/USalvariAutomate.h"
#include "app/USetariBazaDeDate.h"
#include "app/USplashForm.h"
#include "data/UDm.h"
#include "entry/UConfigurareDiploma.h"
#include "entry/UEditorConfigGlobal.h"
#include "entry/UListaElevi.h"
#include "entry/UListaGenerica.h"
#include "import/UImportExcelExpert.h"
#include "platform/BazaDeteriorata.h"
#include "platform/Ecran.h"
#include "platform/Protejat.h"
#include "platform/SirConexiune.h"
#include "printing/PrintWizUnit.h"
#include "register/UFormularePrimite.h"
#include "register/URegistruActe.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

namespace {
QAction* element(QMenu* meniu, const QString& text, const QString& nume) {
    QAction* a = meniu->addAction(text);
    a->setObjectName(nume);
    return a;
}

// A window of the register's, read and shown modally.
template <class Fereastra> void deschide(QWidget* parinte) {
    protejat(parinte, [&] {
        Fereastra f(parinte);
        f.Incarca();
        dialoguri().arataModal(f);
    });
}
} // namespace

void AfiseazaSplash(const QString& text) {
    if (!PaginaDeCodRomana(PaginaDeCodActiva())) {
        TErrCodePage pagina;
        dialoguri().arataModal(pagina);
    }
    TSplashForm splash;
    splash.Label1->setText(text + QStringLiteral(" - ") + QStringLiteral(VARDOLIN_VERSIUNE));
    dialoguri().arataModal(splash);
}

void DimensioneazaFereastraPrincipala(QWidget* fereastra) {
    const Monitor m = MonitorulMouseului();
    if (m.geometrie.height() < 1200) {
        const QRect a = m.zonaLucru;
        fereastra->setGeometry(a.left() + 15, a.top() + 15, a.width() - 30, a.height() - 30);
        fereastra->setWindowState(fereastra->windowState() | Qt::WindowMaximized);
    }
    CentreazaFereastra(fereastra);
}

TVardolineMain::TVardolineMain(QWidget* owner) : QMainWindow(owner) {
    setObjectName(QStringLiteral("VardolineMain"));
    setWindowTitle(QStringLiteral("VardolineMain"));
    resize(869, 623);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    setFont(f);
    creeazaMeniul();
    FormCreate();
}

void TVardolineMain::creeazaMeniul() {
    QMenuBar* MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    Configurare1 = MainMenu1->addMenu(QStringLiteral("Configurare"));
    Configurare1->setObjectName(QStringLiteral("Configurare1"));
    Configurarediploma1 =
        element(Configurare1, QStringLiteral("Configurare diploma"), QStringLiteral("Configurarediploma1"));
    Configurarescoala1 =
        element(Configurare1, QStringLiteral("Configurare scoala"), QStringLiteral("Configurarescoala1"));
    Formatnote1 = element(Configurare1, QStringLiteral("Format note"), QStringLiteral("Formatnote1"));
    Configurare1->addSeparator()->setObjectName(QStringLiteral("N2"));
    ImportdinExcel1 =
        element(Configurare1, QStringLiteral("Import din Excel"), QStringLiteral("ImportdinExcel1"));
    AnuleazaPreluarea1 = element(Configurare1, QStringLiteral("Anuleaza ultima preluare..."),
                                 QStringLiteral("AnuleazaPreluarea1"));
    Configurare1->addSeparator();
    BazaDeDate1 = element(Configurare1, QStringLiteral("Baza de date..."), QStringLiteral("BazaDeDate1"));
    SalvareBaza1 =
        element(Configurare1, QStringLiteral("Salvare baza de date..."), QStringLiteral("SalvareBaza1"));
    RestaurareBaza1 =
        element(Configurare1, QStringLiteral("Restaurare din salvare..."), QStringLiteral("RestaurareBaza1"));
    SalvariAutomate1 =
        element(Configurare1, QStringLiteral("Salvari automate..."), QStringLiteral("SalvariAutomate1"));
    VerificaBaza1 =
        element(Configurare1, QStringLiteral("Verifica baza de date..."), QStringLiteral("VerificaBaza1"));

    Configurareimprimanta1 = MainMenu1->addMenu(QStringLiteral("Configurare imprimanta"));
    Configurareimprimanta1->setObjectName(QStringLiteral("Configurareimprimanta1"));
    Configurareimprimanta2 = element(Configurareimprimanta1, QStringLiteral("Configurare imprimanta"),
                                     QStringLiteral("Configurareimprimanta2"));

    QMenu* registru = MainMenu1->addMenu(QStringLiteral("Registru"));
    registru->setObjectName(QStringLiteral("Registru1"));
    connect(element(registru, QStringLiteral("Registrul actelor de studii..."),
                    QStringLiteral("RegistrulActelor1")),
            &QAction::triggered, this, [this] { deschide<TRegistruActe>(this); });
    connect(element(registru, QStringLiteral("Formulare primite..."), QStringLiteral("FormularePrimite1")),
            &QAction::triggered, this, [this] { deschide<TFormularePrimite>(this); });

    Help1 = MainMenu1->addMenu(QStringLiteral("Ajutor"));
    Help1->setObjectName(QStringLiteral("Help1"));
    GhidulUtilizatorului1 =
        element(Help1, QStringLiteral("Ghidul utilizatorului"), QStringLiteral("GhidulUtilizatorului1"));
    // Shown in the menu; F1 itself goes through the program's own handler, which opens the
    // section of whichever window has it.
    GhidulUtilizatorului1->setShortcut(QKeySequence(Qt::Key_F1));
    GhidulUtilizatorului1->setShortcutContext(Qt::WidgetShortcut);
    Help1->addSeparator();
    Desprenoi1 = element(Help1, QStringLiteral("Despre noi"), QStringLiteral("Desprenoi1"));
    Help1->addSeparator()->setObjectName(QStringLiteral("N1"));
    Despreaplicatie1 = element(Help1, QStringLiteral("Despre aplicatie"), QStringLiteral("Despreaplicatie1"));

    connect(GhidulUtilizatorului1, &QAction::triggered, this, [] { TGhidUtilizator::Arata(); });
    connect(Despreaplicatie1, &QAction::triggered, this, [this] {
        protejat(this, [&] {
            TDespreAplicatie despre(this);
            dialoguri().arataModal(despre);
        });
    });
    connect(Configurarediploma1, &QAction::triggered, this, &TVardolineMain::Configurarediploma1Click);
    connect(Configurarescoala1, &QAction::triggered, this, &TVardolineMain::Configurarescoala1Click);
    connect(Formatnote1, &QAction::triggered, this, &TVardolineMain::Formatnote1Click);
    connect(Configurareimprimanta2, &QAction::triggered, this, &TVardolineMain::Configurareimprimanta2Click);
    connect(ImportdinExcel1, &QAction::triggered, this, &TVardolineMain::ImportdinExcel1Click);
    connect(AnuleazaPreluarea1, &QAction::triggered, this, &TVardolineMain::AnuleazaPreluarea1Click);
    connect(BazaDeDate1, &QAction::triggered, this, &TVardolineMain::BazaDeDate1Click);
    connect(SalvareBaza1, &QAction::triggered, this, &TVardolineMain::SalvareBaza1Click);
    connect(RestaurareBaza1, &QAction::triggered, this, &TVardolineMain::RestaurareBaza1Click);
    connect(SalvariAutomate1, &QAction::triggered, this, &TVardolineMain::SalvariAutomate1Click);
    connect(VerificaBaza1, &QAction::triggered, this, &TVardolineMain::VerificaBaza1Click);
    // The title follows the student count after whatever a menu entry changed.
    connect(Configurare1, &QMenu::triggered, this, &TVardolineMain::ActualizeazaTitlul);
}

void TVardolineMain::FormCreate() {
    DimensioneazaFereastraPrincipala(this);
    ListaElevi = new TListaElevi(this);
    setCentralWidget(ListaElevi);
    // Without a data module (a window made on its own) there is nothing to list.
    if (DM()) protejat(this, [&] { ListaElevi->IncarcaLista(); });
    // Connected after the list's own handlers, so the count is taken once they are done.
    for (QPushButton* b : {ListaElevi->RzBitBtn1, ListaElevi->RzBitBtn3})
        connect(b, &QPushButton::clicked, this, &TVardolineMain::ActualizeazaTitlul);
    ActualizeazaTitlul();
}

QString NumarDeElevi(qint64 n) {
    // Romanian counts: "1 elev", "19 elevi", "20 de elevi", "101 elevi", "120 de elevi".
    if (n == 1) return QStringLiteral("1 elev");
    const qint64 ultimele = n % 100;
    const bool cuDe = n != 0 && (ultimele == 0 || ultimele >= 20);
    return QString::number(n) + (cuDe ? QStringLiteral(" de elevi") : QStringLiteral(" elevi"));
}

void TVardolineMain::ActualizeazaTitlul() {
    QString titlu = QStringLiteral("VardolineMain");
    TDM* dm = DM();
    if (dm && dm->Db.conectata()) {
        try {
            titlu += QStringLiteral(" - %1 - %2")
                         .arg(NumarDeElevi(dm->NumarElevi()))
                         .arg(DescriereLocatieBaza(dm->caleBazaDeDate()));
        } catch (const Eroare&) {
            titlu += QStringLiteral(" - ") + DescriereLocatieBaza(dm->caleBazaDeDate());
        }
    }
    setWindowTitle(titlu);
}

void TVardolineMain::SalvareBaza1Click() {
    protejat(this, [&] {
        if (!DM()) return;
        SalveazaBazaDeDate(this, *DM());
    });
}

void TVardolineMain::RestaurareBaza1Click() {
    protejat(this, [&] {
        if (!DM() || !RestaureazaBazaDeDate(this, *DM())) return;
        // Swapped by files only: the engine of this process cannot open the restored database.
        if (BazaGasitaDeteriorata()) {
            QCoreApplication::exit(0);
            return;
        }
        ListaElevi->IncarcaLista();
        ListaElevi->Filtreaza();
        ActualizeazaTitlul();
    });
}

void TVardolineMain::SalvariAutomate1Click() {
    protejat(this, [&] {
        if (!DM()) return;
        TSalvariAutomate fereastra(this, *DM());
        dialoguri().arataModal(fereastra);
    });
}

void TVardolineMain::VerificaBaza1Click() {
    protejat(this, [&] {
        if (DM()) VerificaBazaDeDate(this, *DM());
    });
}

void TVardolineMain::BazaDeDate1Click() {
    protejat(this, [&] {
        TSetariBazaDeDate setari(this);
        if (dialoguri().arataModal(setari) == QDialog::Accepted)
            dialoguri().mesaj(this, QStringLiteral("Setarile noi ale bazei de date vor fi folosite la "
                                                   "urmatoarea pornire a programului."));
    });
}

// The windows behind these entries come with their own parts of the program.
void TVardolineMain::Configurarediploma1Click() {
    protejat(this, [&] {
        auto fereastra = std::make_unique<TConfigurareDiploma>(this);
        dialoguri().arataModal(*fereastra);
    });
}
void TVardolineMain::Configurarescoala1Click() {
    protejat(this, [&] {
        auto lista = std::make_unique<TListaGenerica>(this);
        lista->setWindowTitle(QStringLiteral("Configurare scoala"));
        lista->Tabel = QStringLiteral("SCOALA");
        lista->IncarcaLista();
        dialoguri().arataModal(*lista);
    });
}
void TVardolineMain::Formatnote1Click() {
    protejat(this, [&] {
        const std::unique_ptr<TEditorConfigGlobal> editor(new TEditorConfigGlobal(this));
        dialoguri().arataModal(*editor);
    });
}
void TVardolineMain::Configurareimprimanta2Click() {
    protejat(this, [&] {
        const std::unique_ptr<TPrintWiz> wizard(new TPrintWiz(this));
        wizard->Arata();
    });
}
// The list reloads whatever the wizard's result: rows written before a stop or a failure stay.
void TVardolineMain::ImportdinExcel1Click() {
    protejat(this, [&] {
        const auto expert = std::make_unique<TImportExcelExpert>(this);
        dialoguri().arataModal(*expert);
    });
    reincarcaLista();
}

void TVardolineMain::AnuleazaPreluarea1Click() {
    bool anulata = false;
    protejat(this, [&] { anulata = DM() && AnuleazaUltimaPreluare(this); });
    if (anulata) reincarcaLista();
}

void TVardolineMain::reincarcaLista() {
    protejat(this, [&] {
        const auto liste = findChildren<TListaElevi*>(Qt::FindDirectChildrenOnly);
        if (liste.isEmpty()) return;
        liste.last()->IncarcaLista();
        liste.last()->Filtreaza();
    });
}
