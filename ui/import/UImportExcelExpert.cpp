#include "import/UImportExcelExpert.h"

#include "data/UProfilDiploma.h"
#include "import/MemoriePreluare.h"
#include "import/UExcelSelectieColoana.h"
#include "import/UKivExcelImportFrame.h"
#include "platform/Dialoguri.h"
#include "platform/Ecran.h"
#include "platform/Eroare.h"
#include "platform/Protejat.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QSvgRenderer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString Titlu = QStringLiteral("Formular pentru preluarea datelor dintr-o foaie de calcul Excel");

QLabel* text(QWidget* parinte, QVBoxLayout* l, const QString& t, bool gros = false) {
    auto* e = new QLabel(t, parinte);
    e->setWordWrap(true);
    if (gros) {
        QFont f = e->font();
        f.setBold(true);
        e->setFont(f);
    }
    l->addWidget(e);
    return e;
}

// The hourglass while the sheet is read or the file opened; the cursor comes back on any exit.
struct CursorAsteptare {
    CursorAsteptare() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorAsteptare() { QApplication::restoreOverrideCursor(); }
};

QPixmap imagineAntet() {
    QSvgRenderer svg(QStringLiteral(":/import/antet.svg"));
    QPixmap p(48, 48);
    p.fill(Qt::transparent);
    QPainter pictor(&p);
    svg.render(&pictor);
    return p;
}

} // namespace

TProgresPreluare::TProgresPreluare(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("ProgresPreluare"));
    setWindowTitle(QStringLiteral("Import de date din Excel"));
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* l = new QVBoxLayout(this);
    LabelRand = new QLabel(this);
    LabelRand->setObjectName(QStringLiteral("LabelRand"));
    l->addWidget(LabelRand);
    Bara = new QProgressBar(this);
    l->addWidget(Bara);
    BtnOpresc = new QPushButton(QStringLiteral("Opresc"), this);
    BtnOpresc->setObjectName(QStringLiteral("BtnOpresc"));
    l->addWidget(BtnOpresc, 0, Qt::AlignRight);
    connect(BtnOpresc, &QPushButton::clicked, this, [this] {
        Oprit = true;
        BtnOpresc->setEnabled(false);
    });
    resize(360, 110);
}

bool TProgresPreluare::Arata(int i, int n) {
    if (!isVisible()) show();
    LabelRand->setText(QStringLiteral("Preluare date: randul %1 din %2").arg(i + 1).arg(n));
    Bara->setRange(0, n);
    Bara->setValue(i);
    QCoreApplication::processEvents();
    return !Oprit;
}

TImportExcelExpert::TImportExcelExpert(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("ImportExcelExpert"));
    setWindowTitle(QStringLiteral("Import de date din Excel"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(620, 470);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 8);
    l->addWidget(antet());

    Pagini = new QStackedWidget(this);
    Pagini->setObjectName(QStringLiteral("Pagini"));
    Pagini->addWidget(paginaIntroducere());
    Pagini->addWidget(paginaFisier());
    Pagini->addWidget(paginaCnp());
    Pagini->addWidget(paginaFinala());
    Pagini->addWidget(paginaFormulare());
    l->addWidget(Pagini, 1);

    auto* jos = new QHBoxLayout;
    jos->setContentsMargins(12, 0, 12, 0);
    jos->addStretch();
    BtnInapoi = new QPushButton(QStringLiteral("Inapoi"), this);
    BtnInapoi->setObjectName(QStringLiteral("BtnInapoi"));
    BtnInapoi->setEnabled(false);
    BtnInainte = new QPushButton(QStringLiteral("Inainte"), this);
    BtnInainte->setObjectName(QStringLiteral("BtnInainte"));
    BtnInainte->setDefault(true);
    BtnRenunt = new QPushButton(QStringLiteral("Renunt"), this);
    BtnRenunt->setObjectName(QStringLiteral("BtnRenunt"));
    for (QPushButton* b : {BtnInapoi, BtnInainte, BtnRenunt})
        jos->addWidget(b);
    l->addLayout(jos);
    connect(BtnInainte, &QPushButton::clicked, this, [this] { protejat(this, [&] { BtnInainteClick(); }); });
    connect(BtnInapoi, &QPushButton::clicked, this, [this] { protejat(this, [&] { BtnInapoiClick(); }); });
    connect(BtnRenunt, &QPushButton::clicked, this, &QDialog::reject);

    CentreazaFereastra(this);
    ConstruiestePagini();
}

QWidget* TImportExcelExpert::antet() {
    auto* banda = new QWidget(this);
    banda->setObjectName(QStringLiteral("Antet"));
    QPalette p = banda->palette();
    p.setColor(QPalette::Window, Qt::white);
    banda->setPalette(p);
    banda->setAutoFillBackground(true);
    auto* l = new QHBoxLayout(banda);
    auto* imagine = new QLabel(banda);
    imagine->setPixmap(imagineAntet());
    l->addWidget(imagine);
    auto* titlu = new QLabel(Titlu, banda);
    QFont f = titlu->font();
    f.setBold(true);
    titlu->setFont(f);
    l->addWidget(titlu, 1);
    return banda;
}

QWidget* TImportExcelExpert::paginaIntroducere() {
    auto* p = new QWidget;
    auto* l = new QVBoxLayout(p);
    text(p, l, Titlu, true);
    text(p, l,
         QStringLiteral(
             "Acesta este un formular (sau expert) pentru preluarea datelor dintr-o foaie de calcul "
             "Excel. Preluarea datelor este un proces care necesita un minim de cunostinte de "
             "specialitate si se poate face cu inlocuirea datelor existente sau in completare."));
    text(p, l,
         QStringLiteral(
             "Pentru inceput va rugam apasati butonul \"Inainte\" pentru a trece la pagina pentru "
             "selectia fisierului XLS din care se face importul si pentru selectia foii de calcul din "
             "respectivul fisier."));
    l->addStretch();
    return p;
}

QWidget* TImportExcelExpert::paginaFisier() {
    auto* p = new QWidget;
    auto* l = new QVBoxLayout(p);
    text(p, l, QStringLiteral("Va rugam specificati numele fisierului din care se va face preluarea:"), true);
    text(p, l, QStringLiteral("Numele fisierului:"));
    auto* rand = new QHBoxLayout;
    EdFisier = new QLineEdit(p);
    EdFisier->setObjectName(QStringLiteral("EdFisier"));
    EdFisier->setReadOnly(true);
    BtnCauta = new QPushButton(QStringLiteral("Cauta ..."), p);
    BtnCauta->setObjectName(QStringLiteral("BtnCauta"));
    rand->addWidget(EdFisier, 1);
    rand->addWidget(BtnCauta);
    l->addLayout(rand);
    text(p, l, QStringLiteral("Numele foii de calcul de pe care se va face preluarea:"));
    CbFoaie = new QComboBox(p);
    CbFoaie->setObjectName(QStringLiteral("CbFoaie"));
    CbFoaie->setEnabled(false);
    l->addWidget(CbFoaie);
    l->addStretch();
    connect(BtnCauta, &QPushButton::clicked, this, [this] { protejat(this, [&] { BtnCautaClick(); }); });
    return p;
}

QWidget* TImportExcelExpert::paginaCnp() {
    auto* p = new QWidget;
    auto* l = new QVBoxLayout(p);
    text(p, l, QStringLiteral("Va rugam specificati coloana de pe care se va prelua CNP-ul"), true);
    text(p, l, QStringLiteral("Coloana pentru selectia CNP:"));
    auto* rand = new QHBoxLayout;
    EdCnp = new QLineEdit(p);
    EdCnp->setObjectName(QStringLiteral("EdCnp"));
    EdCnp->setReadOnly(true);
    BtnCnp = new QToolButton(p);
    BtnCnp->setObjectName(QStringLiteral("BtnCnp"));
    BtnCnp->setArrowType(Qt::DownArrow);
    rand->addWidget(EdCnp, 1);
    rand->addWidget(BtnCnp);
    l->addLayout(rand);
    l->addStretch();
    new TButonPaginaOk(p, [this] { PaginaOkClick(); });
    connect(BtnCnp, &QToolButton::clicked, this, [this] {
        protejat(this, [&] {
            QString litere;
            if (AlegeColoana(this, selectie_, litere)) EdCnp->setText(litere);
        });
    });
    return p;
}

QWidget* TImportExcelExpert::paginaFinala() {
    auto* p = new QWidget;
    auto* l = new QVBoxLayout(p);
    text(p, l, QStringLiteral("Toate datele necesare au fost identificate"), true);
    l->addStretch();
    return p;
}

QWidget* TImportExcelExpert::paginaFormulare() {
    auto* p = new QWidget;
    auto* l = new QVBoxLayout(p);
    text(p, l, QStringLiteral("Bifati formularele (diplomele) pentru care preluati date"), true);
    text(p, l,
         QStringLiteral(
             "Acest program este capabil sa tipareasca mai multe formate de diplome. Va rugam bifati in "
             "lista de mai jos numai diplomele pentru care doriti sa preluati efectiv date!"));
    ListaFormulare = new QListWidget(p);
    ListaFormulare->setObjectName(QStringLiteral("ListaFormulare"));
    l->addWidget(ListaFormulare, 1);
    return p;
}

void TImportExcelExpert::ConstruiestePagini() {
    formulare_.clear();
    formulareBifate_.clear();
    for (const TCampPreluat& camp : CampuriDePreluat()) {
        auto* cadru = new TKivExcelImportFrame;
        cadru->InitCamp(camp.Cheie, camp.Eticheta);
        if (const auto memorat = CampMemorat(camp.Cheie)) cadru->SeteazaCamp(*memorat);
        Pagini->addWidget(cadru);
        cadre_.push_back(cadru);
        if (!formulare_.contains(cadru->CodFormular())) {
            formulare_ << cadru->CodFormular();
            auto* element = new QListWidgetItem(SeparaCuvinte(cadru->CodFormular()), ListaFormulare);
            element->setFlags(element->flags() | Qt::ItemIsUserCheckable);
            element->setCheckState(Qt::Unchecked);
        }
    }
    EdCnp->setText(ColoanaCnpMemorata());
    Pagini->setCurrentIndex(PgIntroducere);
}

int TImportExcelExpert::PaginaCurenta() const {
    return Pagini->currentIndex();
}

void TImportExcelExpert::mergiLa(int pagina) {
    Pagini->setCurrentIndex(pagina);
}

void TImportExcelExpert::PaginaOkClick() {
    if (EdCnp->text().isEmpty())
        throw Eroare(QStringLiteral("Va rugam selectati coloana de pe care se vor prelua date pentru CNP"));
}

void TImportExcelExpert::BtnInainteClick() {
    if (!VerificaPagina(Pagini->currentWidget())) return;
    const int pagina = PaginaCurenta();
    switch (pagina) {
    case PgIntroducere:
        mergiLa(PgFormulare);
        break;
    case PgFormulare: {
        QStringList bifate;
        for (int i = 0; i < ListaFormulare->count(); ++i)
            if (ListaFormulare->item(i)->checkState() == Qt::Checked) bifate << formulare_.at(i);
        if (bifate.isEmpty()) {
            dialoguri().mesaj(this, QStringLiteral("Va rugam bifati cel putin un formular"));
            return;
        }
        bifate.sort();
        formulareBifate_ = bifate;
        mergiLa(PgFisier);
        break;
    }
    case PgFisier:
        if (!registru_ || CbFoaie->currentIndex() < 0) {
            dialoguri().mesaj(this,
                              QStringLiteral("Va rugam deschideti un fisier XLS si alegeti foaia de calcul "
                                             "de pe care se va face importul"));
            return;
        }
        CitesteFoaia();
        break;
    case PgCnp:
        mergiLa(cadre_.empty() ? int(PgFinal) : int(PgPrimulCamp));
        break;
    case PgFinal:
        ExecutaPreluarea();
        return;
    default: {
        const bool ultima = pagina == PgPrimulCamp + int(cadre_.size()) - 1;
        mergiLa(ultima ? int(PgFinal) : pagina + 1);
        // Fields of forms the user did not tick are passed over, marked as not imported.
        if (!ultima && !formulareBifate_.contains(cadru(pagina + 1)->CodFormular())) {
            cadru(pagina + 1)->SeteazaNuImport(true);
            BtnInainteClick();
            return;
        }
    }
    }
    BtnInapoi->setEnabled(PaginaCurenta() > PgCnp);
}

void TImportExcelExpert::BtnInapoiClick() {
    const int pagina = PaginaCurenta();
    switch (pagina) {
    case PgIntroducere:
        return;
    case PgFormulare:
        mergiLa(PgIntroducere);
        break;
    case PgFisier:
        mergiLa(PgFormulare);
        break;
    case PgCnp:
        mergiLa(PgFisier);
        break;
    case PgFinal:
        mergiLa(PgCnp);
        break;
    case PgPrimulCamp:
        mergiLa(PgFormulare);
        break;
    default:
        mergiLa(pagina - 1);
        break;
    }
}

// Any format the readers know; a file that cannot be read leaves no sheet to choose.
void TImportExcelExpert::BtnCautaClick() {
    const QString cale = dialoguri().fisierDeDeschis(
        this, QStringLiteral("Deschide"),
        QStringLiteral("Foi de calcul (*.xls *.xlsx *.ods *.csv);;Toate fisierele (*)"));
    if (cale.isEmpty()) return;
    EdFisier->setText(cale);
    registru_.reset();
    CbFoaie->clear();
    CbFoaie->setEnabled(false);
    {
        CursorAsteptare asteptare;
        registru_ = RegistruDeCalcul::deschide(cale);
    }
    CbFoaie->addItems(registru_->numeFoi());
    CbFoaie->setCurrentIndex(-1);
    CbFoaie->setEnabled(true);
}

void TImportExcelExpert::CitesteFoaia() {
    {
        CursorAsteptare asteptare;
        ::CitesteFoaia(registru_->foi.at(size_t(CbFoaie->currentIndex())), coloane_);
        // the old window shows rows that are gone
        delete selectie_;
        selectie_ = new TExcelSelectieColoana(this);
        selectie_->IncarcaColoane(coloane_);
        for (TKivExcelImportFrame* c : cadre_)
            c->Selectie = selectie_;
    }
    mergiLa(PgCnp);
}

std::vector<TCampPreluat> TImportExcelExpert::campuri() const {
    std::vector<TCampPreluat> r;
    for (const TKivExcelImportFrame* c : cadre_)
        r.push_back(c->Camp());
    return r;
}

void TImportExcelExpert::ExecutaPreluarea() {
    const auto campuri = this->campuri();
    MemoreazaAlegerile(EdCnp->text(), campuri);
    TProgresPreluare progres(this);
    TPreluareExcel preluare;
    preluare.Progres = [&](int i, int n) {
        if (LaRand) LaRand(progres, i);
        return progres.Arata(i, n);
    };
    rezumat_ = preluare.Executa(coloane_, EdCnp->text(), campuri);
    progres.close();
    const TRezumatPreluare& r = *rezumat_;
    if (!r.Eroare.isEmpty()) {
        dialoguri().eroare(this, r.Eroare + QStringLiteral("\n\n") + r.Text());
    } else if (r.Oprita) {
        dialoguri().mesaj(this, r.Text());
    } else {
        dialoguri().mesaj(this, QStringLiteral("Am finalizat preluarea din Excel cu succes\n\n") + r.Text());
        accept();
    }
}
