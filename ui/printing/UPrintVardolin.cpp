#include "printing/UPrintVardolin.h"

#include "entry/UButonFormular.h"
#include "entry/UModelLinii.h"
#include "platform/Dialoguri.h"
#include "platform/Imprimanta.h"
#include "platform/ImprimantaPdf.h"
#include "platform/NumarExtins.h"
#include "platform/Protejat.h"
#include "printing/ComponenteMacheta.h"
#include "printing/FormularDePrintat.h"
#include "printing/InsertPaper.h"
#include "printing/LucrareTiparire.h"
#include "printing/UEditorTextFormular.h"
#include "printing/UEleviOmisi.h"
#include "printing/UMachetaVardolin.h"
#include "printing/UParticularizare.h"
#include "register/InregistrareLaTiparire.h"
#include "register/UVerificareTiparire.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

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

void TPrintVardolin::tipareste() {
    const int idElev = elevi_.empty() ? 0 : elevi_.front().Id;
    LucrareTiparire lucrare =
        LucrareTiparire::oFoaie(PaginaActiva()->Descriere(), idElev, LaturaActiva(), imprimanta());
    // A page not filled from a student (no student chosen) has nothing to record.
    ruleaza(lucrare, idElev, idElev ? 1 : 0);
}

void TPrintVardolin::SeteazaElevii(std::vector<TLinieDescrisa> elevi) {
    elevi_ = std::move(elevi);
    feteLot_.reset();
    ButonToti->setText(QStringLiteral("Tipareste pentru toti (%1)").arg(elevi_.size()));
    ButonToti->setVisible(elevi_.size() > 1);
}

void TPrintVardolin::ButonTotiClick() {
    protejat(this, [&] { tiparestePentruToti(); });
}

namespace {

// Keeps the students of a batch of fronts once the job has gone to the printer.
class FeteTrimise : public AscultatorLucrare {
public:
    explicit FeteTrimise(std::optional<std::vector<int>>& fete) : fete_(fete) {}
    void foaieTiparita(const FoaieTiparita& foaie) override { elevi_.push_back(foaie.idElev); }
    void terminata() override { fete_ = elevi_; }

private:
    std::optional<std::vector<int>>& fete_;
    std::vector<int> elevi_;
};

} // namespace

// Every student is filled before anything prints, both sides, and the ones that cannot be
// printed are shown first; then one paper dialog and one job for the side on screen.
void TPrintVardolin::tiparestePentruToti() {
    if (elevi_.empty()) return;
    const int latura = LaturaActiva();
    std::vector<int> iduri;
    for (const TLinieDescrisa& e : elevi_)
        iduri.push_back(e.Id);
    const TFormularDePrintat* cealalta = latura == LaturaVerso ? FormularDePrintat1 : FormularDePrintat2;
    LucrareTiparire lucrare = LucrareTiparire::dinBaza(std::move(iduri), latura, PaginaActiva()->Descriere(),
                                                       cealalta->Descriere(), imprimanta());
    FeteTrimise fete(feteLot_);
    if (latura == LaturaFata) {
        // A second certificate is never printed silently: the single print asks.
        lucrare.omite([](int id) { return Registru::motivDejaTiparit(id); });
        lucrare.adaugaAscultator(fete);
    } else if (feteLot_) {
        // The pile that goes back in holds the sheets of the last batch of fronts only.
        lucrare.omite([this](int id) {
            return std::find(feteLot_->begin(), feteLot_->end(), id) != feteLot_->end()
                       ? QString()
                       : QStringLiteral("fata lui nu a fost tiparita in ultimul lot de fete");
        });
    }
    ruleaza(lucrare, 0, int(elevi_.size()));
}

namespace {

// Fronts go onto the forms proposed for a real printer, onto plain paper for the PDF printer.
bool pePdf(Imprimanta& dispozitiv) {
    const TAllStuffReg setari;
    const QStringList nume = dispozitiv.imprimante();
    const QString aleasa =
        nume.contains(setari.PrinterName) ? setari.PrinterName : nume.value(dispozitiv.indexCurent());
    return aleasa == ImprimantaPdf::nume();
}

// The window's answers to a print job: the user's, through the program's dialogs. For fronts
// the paper dialog also asks the pile, which the recording then uses.
class IntrebariFereastra : public IntrebariLucrare {
public:
    IntrebariFereastra(QWidget* fereastra, const std::vector<TLinieDescrisa>& elevi, int latura,
                       InregistrareLaTiparire& inregistrare, int idElev, int foi, bool pdf)
        : fereastra_(fereastra), elevi_(elevi), latura_(latura), inregistrare_(inregistrare), idElev_(idElev),
          pdf_(pdf), foi_(foi) {}

    void mesaj(const QString& text) override {
        progres_.reset();
        dialoguri().mesaj(fereastra_, text);
    }
    bool continuaFaraOmisi(const std::vector<ElevOmis>& omisi, int tiparibili) override {
        foi_ = tiparibili;
        return TiparesteCeilalti(fereastra_, omisi, elevi_, tiparibili);
    }
    std::optional<AsezareFoaie> asezare(int latura, const AsezareFoaie& propusa,
                                        const QString& teanc) override {
        std::optional<AlegereTeanc> propunere;
        if (latura == LaturaFata && foi_ > 0) propunere = propunereTeanc(pdf_);
        const TInsertPaperForm::Raspuns raspuns =
            IntrebaIntroducere(latura, propusa.stanga, propusa.sus, teanc, propunere, foi_);
        if (raspuns.rezultat != QDialog::Accepted || !folosesteTeancul(raspuns.teanc)) return std::nullopt;
        return AsezareFoaie{raspuns.stanga, raspuns.sus, raspuns.oglindesc};
    }
    bool progres(int i, int n) override {
        if (!progres_) {
            progres_ =
                std::make_unique<QProgressDialog>(QString(), QStringLiteral("Opresc"), 0, n, fereastra_);
            progres_->setObjectName(QStringLiteral("Progres"));
            progres_->setWindowTitle(TitluLucrare(latura_));
            progres_->setWindowModality(Qt::WindowModal);
            progres_->setMinimumDuration(0);
            progres_->setAutoClose(false);
            progres_->setAutoReset(false);
        }
        progres_->setLabelText(QStringLiteral("Tiparesc certificatul %1 din %2").arg(i).arg(n));
        progres_->setValue(i - 1);
        QCoreApplication::processEvents();
        return !progres_->wasCanceled();
    }

private:
    // A student who already has a certificate is printed on forms again only as the user says:
    // a reprint cancelling the old form, or a duplicate linked to it.
    bool folosesteTeancul(const AlegereTeanc& teanc) {
        const auto existente =
            teanc.proba || !idElev_ ? std::vector<IntrareRegistru>{} : Registru::acteValabile(idElev_);
        if (existente.empty()) {
            inregistrare_.folosesteTeancul(teanc);
            return true;
        }
        const IntrareRegistru& existent = existente.back();
        switch (IntreabaDejaTiparit(fereastra_, existent)) {
        case RaspunsDejaTiparit::Retiparesc:
            inregistrare_.folosesteTeancul(teanc, std::nullopt, existent.id);
            return true;
        case RaspunsDejaTiparit::Duplicat: {
            CerereDuplicat cerere;
            if (!CereDateleDuplicatului(fereastra_, existent, cerere)) return false;
            inregistrare_.folosesteTeancul(teanc, cerere);
            return true;
        }
        case RaspunsDejaTiparit::Renunt:
            break;
        }
        return false;
    }

    QWidget* fereastra_;
    const std::vector<TLinieDescrisa>& elevi_;
    int latura_;
    InregistrareLaTiparire& inregistrare_;
    int idElev_;
    bool pdf_;
    int foi_;
    std::unique_ptr<QProgressDialog> progres_;
};

} // namespace

void TPrintVardolin::ruleaza(LucrareTiparire& lucrare, int idElev, int foi) {
    InregistrareLaTiparire inregistrare;
    lucrare.adaugaAscultator(inregistrare);
    for (AscultatorLucrare* a : ascultatori_)
        lucrare.adaugaAscultator(*a);
    IntrebariFereastra intrebari(this, elevi_, LaturaActiva(), inregistrare, idElev, foi,
                                 pePdf(imprimanta()));
    try {
        lucrare.ruleaza(intrebari);
    } catch (const Eroare&) {
        // The sheets recorded before the failure are checked all the same.
        protejat(this, [&] { verificaFoile(inregistrare); });
        throw;
    }
    verificaFoile(inregistrare);
}

void TPrintVardolin::verificaFoile(const InregistrareLaTiparire& inregistrare) {
    const InregistrareTeanc* teanc = inregistrare.teanc();
    if (!teanc) return;
    QStringList observatii = teanc->observatii();
    if (inregistrare.oprita())
        observatii << QStringLiteral(
            "Tiparirea nu s-a incheiat normal dupa ce foile au fost trimise la imprimanta: "
            "verificati ce foi au iesit. Marcati cu \"Nu s-a tiparit...\" orice foaie care lipseste "
            "(formularul ei a ramas alb in teanc) si ca stricata orice foaie tiparita doar in parte.");
    TVerificareTiparire verificare(teanc->intrari(), observatii, this);
    dialoguri().arataModal(verificare);
    const std::vector<qint64>& stricate = verificare.DeRetiparit();
    if (stricate.empty()) return;
    if (!dialoguri().intrebare(this, verificare.IntrebareRetiparire())) {
        // Those sheets are thrown away: no back is printed for them.
        if (feteLot_)
            std::erase_if(*feteLot_, [&](int id) {
                return std::find(stricate.begin(), stricate.end(), qint64(id)) != stricate.end();
            });
        return;
    }
    LucrareTiparire dinNou = LucrareTiparire::dinBaza(std::vector<int>(stricate.begin(), stricate.end()),
                                                      LaturaFata, FormularDePrintat1->Descriere(),
                                                      FormularDePrintat2->Descriere(), imprimanta());
    PageControl1->setCurrentIndex(0);
    ruleaza(dinNou, 0, int(stricate.size()));
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
