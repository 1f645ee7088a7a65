#include "printing/UPrintVardolin.h"

#include "entry/UButonFormular.h"
#include "entry/UModelLinii.h"
#include "platform/Dialoguri.h"
#include "platform/Imprimanta.h"
#include "platform/NumarExtins.h"
#include "platform/Protejat.h"
#include "printing/ComponenteMacheta.h"
#include "printing/FormularDePrintat.h"
#include "printing/InsertPaper.h"
#include "printing/LotDinBaza.h"
#include "printing/UEditorTextFormular.h"
#include "printing/UEleviOmisi.h"
#include "printing/UMachetaVardolin.h"
#include "printing/UParticularizare.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// One press of "Mareste" and of "Micsoreaza", 1.1 and 0.9090909090909090909, the product taken
// in extended precision (the 64-bit mantissa, whatever the compiler's long double).
const NumarExtins pasMarire = NumarExtins::fractie(11, 10);
const NumarExtins pasMicsorare =
    NumarExtins::fractie(9090909090909090909LL, 1000000000000000000LL) / NumarExtins::din(std::int64_t(10));

QPushButton* butonBara(const QString& text, const QString& nume, QWidget* bara) {
    auto* buton = new QPushButton(text, bara);
    buton->setObjectName(nume);
    buton->setFixedWidth(96);
    return buton;
}

// Later jobs go to the printer chosen when the printer was prepared, while it is installed;
// otherwise they stay on the current one.
void selecteazaImprimantaAleasa(const TAllStuffReg& setari) {
    if (setari.PrinterName.isEmpty()) return;
    const int index = int(imprimanta().imprimante().indexOf(setari.PrinterName));
    if (index >= 0 && index != imprimanta().indexCurent()) imprimanta().selecteaza(index);
}

} // namespace

TPrintVardolin::TPrintVardolin(QWidget* owner) : TTemplate(owner) {
    setObjectName(QString::fromLatin1(numeComponenta));
    setWindowTitle(QStringLiteral("Vizualizare inaintea imprimarii"));
    setStyleSheet(StilButoane());
    resize(1024, 700);

    const MachetaVardolin macheta = MachetaVardolin::citeste();
    const ComponenteMacheta componente = creeazaComponente(macheta, this);
    Fonturi = componente.fonturi;
    FormularDePrintat1 = componente.pagina(QStringLiteral("FormularDePrintat1"));
    FormularDePrintat2 = componente.pagina(QStringLiteral("FormularDePrintat2"));
    if (!FormularDePrintat1 || !FormularDePrintat2)
        throw Eroare(
            QStringLiteral("Macheta diplomei nu are paginile FormularDePrintat1 si FormularDePrintat2."));

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(creeazaBaraDeSus());
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    ScrollBox1 = creeazaSuprafata(FormularDePrintat1, QStringLiteral("ScrollBox1"));
    ScrollBox2 = creeazaSuprafata(FormularDePrintat2, QStringLiteral("ScrollBox2"));
    PageControl1->addTab(ScrollBox1, QStringLiteral("Fata"));
    PageControl1->addTab(ScrollBox2, QStringLiteral("Verso"));
    PageControl1->setCurrentIndex(0);
    l->addWidget(PageControl1, 1);
    l->addWidget(creeazaBaraDeJos());

    // Adjustments saved in an earlier run must show from the first paint, not the first click.
    Particularizari();
    ConecteazaParticularizarile(this);
    FormCreate();
    setWindowState(Qt::WindowMaximized);
}

QWidget* TPrintVardolin::creeazaBaraDeSus() {
    auto* bara = new QWidget(this);
    bara->setObjectName(QStringLiteral("Panel1"));
    bara->setFixedHeight(28);
    Button1 = butonBara(QStringLiteral("Tipareste"), QStringLiteral("Button1"), bara);
    Button2 = butonBara(QStringLiteral("Mareste"), QStringLiteral("Button2"), bara);
    Button3 = butonBara(QStringLiteral("Micsoreaza"), QStringLiteral("Button3"), bara);
    int stanga = 3;
    for (QPushButton* b : {Button1, Button2, Button3}) {
        b->setGeometry(stanga, 2, 96, 24);
        stanga += 99;
    }
    ButonToti = new QPushButton(bara);
    ButonToti->setObjectName(QStringLiteral("ButonToti"));
    ButonToti->setGeometry(stanga + 12, 2, 200, 24);
    ButonToti->hide();
    connect(ButonToti, &QPushButton::clicked, this, &TPrintVardolin::ButonTotiClick);
    connect(Button1, &QPushButton::clicked, this, &TPrintVardolin::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TPrintVardolin::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TPrintVardolin::Button3Click);
    return bara;
}

QWidget* TPrintVardolin::creeazaBaraDeJos() {
    auto* bara = new QWidget(this);
    bara->setObjectName(QStringLiteral("Panel2"));
    bara->setFixedHeight(28);
    auto* l = new QHBoxLayout(bara);
    l->setContentsMargins(3, 2, 3, 2);
    l->addStretch();
    ButonExit = butonBara(QStringLiteral("Exit"), QStringLiteral("ButonExit"), bara);
    l->addWidget(ButonExit);
    connect(ButonExit, &QPushButton::clicked, this, &QDialog::reject);
    return bara;
}

QScrollArea* TPrintVardolin::creeazaSuprafata(TFormularDePrintat* pagina, const QString& nume) {
    auto* suprafata = new QScrollArea(this);
    suprafata->setObjectName(nume);
    suprafata->setFrameShape(QFrame::NoFrame);
    // The page sizes itself from its zoom; the scroll range follows it.
    suprafata->setWidgetResizable(false);
    suprafata->setWidget(pagina);
    suprafata->horizontalScrollBar()->setTracking(true);
    suprafata->verticalScrollBar()->setTracking(true);
    return suprafata;
}

int TPrintVardolin::LaturaActiva() const {
    return PageControl1->currentIndex() == 1 ? LaturaVerso : LaturaFata;
}

TFormularDePrintat* TPrintVardolin::PaginaActiva() const {
    return LaturaActiva() == LaturaVerso ? FormularDePrintat2 : FormularDePrintat1;
}

void TPrintVardolin::inmultesteZoom(const NumarExtins& factor) {
    TFormularDePrintat* pagina = PaginaActiva();
    pagina->setZoom((NumarExtins::din(pagina->Zoom()) * factor).laDouble());
}

void TPrintVardolin::Button2Click() {
    protejat(this, [&] { inmultesteZoom(pasMarire); });
}

void TPrintVardolin::Button3Click() {
    protejat(this, [&] { inmultesteZoom(pasMicsorare); });
}

void TPrintVardolin::Button1Click() {
    protejat(this, [&] { tipareste(); });
}

QString TPrintVardolin::TitluLucrare(int latura) {
    return ::TitluLucrare(latura);
}

void TPrintVardolin::TiparesteLatura(TFormularDePrintat& pagina, int latura, bool rotit, double stanga,
                                     double sus) {
    ::TiparesteLatura(pagina.Descriere(), latura, rotit, stanga, sus);
}

bool TPrintVardolin::imprimantaPregatita() {
    const TAllStuffReg verificare;
    if (!verificare.AllNecitit.isEmpty())
        throw Eroare(QStringLiteral("Setarile imprimantei nu pot fi citite. Configurati din nou imprimanta "
                                    "din meniul \"Configurare imprimanta\"."));
    if (!verificare.Configured) {
        dialoguri().mesaj(this, QStringLiteral("Configureaza imprimanta"));
        return false;
    }
    return true;
}

void TPrintVardolin::tipareste() {
    if (!imprimantaPregatita()) return;
    // Written back whichever way printing ends.
    TAllStuffReg setari;
    const int latura = LaturaActiva();
    const TInsertPaperForm::Raspuns raspuns =
        IntrebaIntroducere(latura, setari.MargineStanga(latura), setari.MargineSus(latura));
    if (raspuns.rezultat != QDialog::Accepted) return;
    setari.SeteazaMargini(latura, raspuns.stanga, raspuns.sus);
    selecteazaImprimantaAleasa(setari);
    TiparesteLatura(*PaginaActiva(), latura, raspuns.oglindesc, raspuns.stanga, raspuns.sus);
    setari.Scrie();
}

void TPrintVardolin::SeteazaElevii(std::vector<TLinieDescrisa> elevi) {
    elevi_ = std::move(elevi);
    ButonToti->setText(QStringLiteral("Tipareste pentru toti (%1)").arg(elevi_.size()));
    ButonToti->setVisible(elevi_.size() > 1);
}

void TPrintVardolin::ButonTotiClick() {
    protejat(this, [&] { tiparestePentruToti(); });
}

RezultatLot TPrintVardolin::tiparesteCuProgres(const std::vector<const PaginaFormular*>& pagini,
                                               const OptiuniLot& optiuni) {
    const int n = int(pagini.size());
    QProgressDialog progres(QString(), QStringLiteral("Opresc"), 0, n, this);
    progres.setObjectName(QStringLiteral("Progres"));
    progres.setWindowTitle(optiuni.titlu);
    progres.setWindowModality(Qt::WindowModal);
    progres.setMinimumDuration(0);
    progres.setAutoClose(false);
    progres.setAutoReset(false);
    const RezultatLot rezultat = TiparesteLotul(pagini, imprimanta(), optiuni, [&](int i, int total) {
        progres.setLabelText(QStringLiteral("Tiparesc certificatul %1 din %2").arg(i).arg(total));
        progres.setValue(i - 1);
        QCoreApplication::processEvents();
        return !progres.wasCanceled();
    });
    progres.setValue(n);
    return rezultat;
}

// Every student is filled before anything prints, both sides, and the ones that cannot be
// printed are shown first; then one paper dialog and one job for the side on screen.
void TPrintVardolin::tiparestePentruToti() {
    if (elevi_.empty() || !imprimantaPregatita()) return;
    const int latura = LaturaActiva();
    std::vector<int> iduri;
    for (const TLinieDescrisa& e : elevi_)
        iduri.push_back(e.Id);
    const TFormularDePrintat* cealalta = latura == LaturaVerso ? FormularDePrintat1 : FormularDePrintat2;
    const PaginaFormular cealaltaLatura = cealalta->Descriere();
    const PaginiLot lot = UmpleLotulDinBaza(PaginaActiva()->Descriere(), iduri, &cealaltaLatura);
    if (!lot.omisi.empty() && !TiparesteCeilalti(this, lot.omisi, elevi_, int(lot.pagini.size()))) return;

    TAllStuffReg setari;
    const OrdineLot ordine =
        latura == LaturaVerso ? OrdineaVersourilor(setari.FeedMode, setari.OppositeSide) : OrdineLot::CaLista;
    const QString descriere =
        QStringLiteral("%1 certificate, %2 %3")
            .arg(lot.pagini.size())
            .arg(latura == LaturaVerso ? QStringLiteral("versourile") : QStringLiteral("fetele"),
                 TextOrdine(ordine));
    const TInsertPaperForm::Raspuns raspuns =
        IntrebaIntroducere(latura, setari.MargineStanga(latura), setari.MargineSus(latura), descriere);
    if (raspuns.rezultat != QDialog::Accepted) return;
    setari.SeteazaMargini(latura, raspuns.stanga, raspuns.sus);
    selecteazaImprimantaAleasa(setari);
    PregatesteImprimanta(false);

    std::vector<const PaginaFormular*> pagini;
    for (const size_t i : PozitiiInOrdine(lot.pagini.size(), ordine))
        pagini.push_back(&lot.pagini[i]);
    const RezultatLot rezultat =
        tiparesteCuProgres(pagini, {TitluLucrare(latura), raspuns.oglindesc, raspuns.stanga, raspuns.sus});
    setari.Scrie();
    if (rezultat.oprit)
        dialoguri().mesaj(this, QStringLiteral("Tiparirea a fost oprita dupa %1 din %2 certificate; lucrarea "
                                               "a fost anulata.")
                                    .arg(rezultat.tiparite)
                                    .arg(pagini.size()));
}

THandlerVardolin::THandlerVardolin() : THandlerFormularDePrintat(QStringLiteral("Vardolin")) {}

QWidget* THandlerVardolin::CreeazaFereastra(QWidget* owner) {
    return new TPrintVardolin(owner);
}

void InregistreazaHandlerVardolin() {
    auto& handlere = HandlereFormulare();
    const bool existent = std::any_of(handlere.begin(), handlere.end(), [](const auto& h) {
        return dynamic_cast<const THandlerVardolin*>(h.get()) != nullptr;
    });
    if (!existent) handlere.push_back(std::make_unique<THandlerVardolin>());
    InstaleazaButoaneleFormularelor();
}
