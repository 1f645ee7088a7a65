#include "import/UImportExcelExpert.h"

#include "controls/DesenSvg.h"
#include "data/UProfilDiploma.h"
#include "import/AnularePreluare.h"
#include "import/MemoriePreluare.h"
#include "import/UExcelSelectieColoana.h"
#include "import/UKivExcelImportFrame.h"
#include "platform/Dialoguri.h"
#include "platform/Ecran.h"
#include "platform/Eroare.h"
#include "platform/Protejat.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

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

// The modes as the review names them: the field page's long captions would leave the example no room.
QString NumeScurtMod(int mod) {
    static const QStringList nume{
        QStringLiteral("din coloana"), QStringLiteral("constanta"), QStringLiteral("din CNP (fete / baieti)"),
        QStringLiteral("prima parte a coloanei"), QStringLiteral("a doua parte a coloanei")};
    return nume.value(mod);
}

QPixmap imagineAntet() {
    return DesenSvg(QStringLiteral(":/import/antet.svg"), QSize(48, 48));
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

TRezumatFereastra::TRezumatFereastra(QWidget* owner, const QString& titlu, const QString& text)
    : QDialog(owner) {
    setObjectName(QStringLiteral("RezumatPreluare"));
    setWindowTitle(QStringLiteral("Import de date din Excel"));
    auto* l = new QVBoxLayout(this);
    auto* eticheta = new QLabel(titlu, this);
    eticheta->setWordWrap(true);
    l->addWidget(eticheta);
    Text = new QPlainTextEdit(text, this);
    Text->setObjectName(QStringLiteral("Text"));
    Text->setReadOnly(true);
    Text->setLineWrapMode(QPlainTextEdit::NoWrap);
    l->addWidget(Text, 1);
    auto* jos = new QHBoxLayout;
    BtnCopiaza = new QPushButton(QStringLiteral("Copiaza textul"), this);
    BtnCopiaza->setObjectName(QStringLiteral("BtnCopiaza"));
    BtnOk = new QPushButton(QStringLiteral("Ok"), this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setDefault(true);
    jos->addWidget(BtnCopiaza);
    jos->addStretch();
    jos->addWidget(BtnOk);
    l->addLayout(jos);
    connect(BtnCopiaza, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(Text->toPlainText()); });
    connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    resize(640, 420);
    CentreazaFereastra(this);
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
    text(p, l, QStringLiteral("Verificati ce se va prelua, apoi apasati \"Inainte\" pentru a scrie datele"),
         true);
    LabelPrevizualizare = text(p, l, QString());
    LabelPrevizualizare->setObjectName(QStringLiteral("LabelPrevizualizare"));
    TabelRevizuire = new QTableWidget(0, 4, p);
    TabelRevizuire->setObjectName(QStringLiteral("TabelRevizuire"));
    TabelRevizuire->setHorizontalHeaderLabels({QStringLiteral("Camp"), QStringLiteral("Mod"),
                                               QStringLiteral("Coloana"), QStringLiteral("Exemplu / text")});
    TabelRevizuire->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TabelRevizuire->setSelectionBehavior(QAbstractItemView::SelectRows);
    TabelRevizuire->verticalHeader()->hide();
    TabelRevizuire->horizontalHeader()->setStretchLastSection(true);
    l->addWidget(TabelRevizuire, 1);
    TabelRevizuire->viewport()->installEventFilter(this);
    text(p, l, QStringLiteral("Dublu clic pe un camp pentru a-l schimba."));
    connect(TabelRevizuire, &QTableWidget::cellDoubleClicked, this, [this](int rand, int) {
        mergiLa(PgPrimulCamp + rand);
        BtnInapoi->setEnabled(true);
    });
    return p;
}

void TImportExcelExpert::umpleRevizuirea() {
    const TPrevizualizare p = Previzualizeaza(coloane_, EdCnp->text());
    LabelPrevizualizare->setText(
        QStringLiteral("Se vor citi %1 randuri (CNP din coloana %2): %3 elevi noi, %4 elevi existenti "
                       "actualizati%5.")
            .arg(p.Randuri)
            .arg(EdCnp->text())
            .arg(p.Noi)
            .arg(p.Actualizati)
            .arg(p.FaraCod ? QStringLiteral(", %1 randuri fara CNP valid sarite").arg(p.FaraCod)
                           : QString()));
    const TColoanaExcel* coloanaCnp = coloane_.Coloana(EdCnp->text());
    const QString primulCnp = coloanaCnp ? coloanaCnp->Texte.value(0) : QString();
    TabelRevizuire->setRowCount(int(cadre_.size()));
    for (int r = 0; r < int(cadre_.size()); ++r) {
        const TCampPreluat c = cadre_[size_t(r)]->Camp();
        const QString mod = c.NuImport ? QStringLiteral("nu se importa") : NumeScurtMod(c.Mod);
        QString coloana, exemplu;
        if (!c.NuImport && c.FolosesteColoana()) {
            coloana = c.Coloana;
            for (int k = 0; k < coloane_.Count() && k < coloane_.Antet.size(); ++k)
                if (coloane_.Items(k).Litere == c.Coloana && !coloane_.Antet[k].isEmpty())
                    coloana += QStringLiteral(" (%1)").arg(coloane_.Antet[k]);
            exemplu = ValoareaCampului(c, coloane_, 0, primulCnp).value_or(QString());
        } else if (!c.NuImport && c.Mod == mgConstanta) {
            exemplu = c.Constanta;
        } else if (!c.NuImport && c.Mod == mgDinCnp) {
            exemplu = QStringLiteral("fete: %1; baieti: %2").arg(c.TextFete, c.TextBaieti);
        }
        const QStringList celule{c.Eticheta, mod, coloana, exemplu};
        for (int k = 0; k < celule.size(); ++k) {
            auto* celula = new QTableWidgetItem(celule[k]);
            celula->setToolTip(celule[k]);
            TabelRevizuire->setItem(r, k, celula);
        }
    }
    latimiRevizuire();
}

// The example is what the review is for: the other columns take what they need up to a share of
// the table, the example the rest (the whole text is in each cell's tooltip).
void TImportExcelExpert::latimiRevizuire() {
    QHeaderView* antet = TabelRevizuire->horizontalHeader();
    TabelRevizuire->resizeColumnsToContents();
    const int latime = TabelRevizuire->viewport()->width();
    static constexpr double Parti[] = {0.32, 0.2, 0.16};
    for (int k = 0; k < 3; ++k)
        antet->resizeSection(k, std::min(antet->sectionSize(k), int(latime * Parti[k])));
    antet->setStretchLastSection(true);
}

bool TImportExcelExpert::eventFilter(QObject* obiect, QEvent* e) {
    if (obiect == TabelRevizuire->viewport() && e->type() == QEvent::Resize) latimiRevizuire();
    return QDialog::eventFilter(obiect, e);
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
    memorate_.clear();
    for (const TCampPreluat& camp : CampuriDePreluat()) {
        auto* cadru = new TKivExcelImportFrame;
        cadru->InitCamp(camp.Cheie, camp.Eticheta);
        if (const auto memorat = CampMemorat(camp.Cheie)) {
            cadru->SeteazaCamp(*memorat);
            memorate_ << camp.Cheie;
        }
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
    if (pagina == PgFinal) umpleRevizuirea();
    Pagini->setCurrentIndex(pagina);
}

void TImportExcelExpert::PaginaOkClick() {
    if (EdCnp->text().isEmpty())
        throw Eroare(QStringLiteral("Va rugam selectati coloana de pe care se vor prelua date pentru CNP"));
    VerificaColoana(coloane_, EdCnp->text(), QStringLiteral("CNP"));
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
    if (!registru_->deteriorari.isEmpty()) dialoguri().avertisment(this, registru_->mesajDeteriorare(cale));
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
        propuneColoane();
    }
    mergiLa(PgCnp);
}

// The header row proposes the columns of fields used for the first time, one field a column;
// remembered choices win, and a column chosen already is not proposed again.
void TImportExcelExpert::propuneColoane() {
    if (EdCnp->text().isEmpty()) EdCnp->setText(coloane_.ColoanaCuAntetul(QStringLiteral("CNP")));
    QStringList luate{EdCnp->text()}, etichete;
    std::vector<TKivExcelImportFrame*> dePropus;
    for (TKivExcelImportFrame* c : cadre_) {
        const TCampPreluat camp = c->Camp();
        if (camp.NuImport || !camp.FolosesteColoana()) continue;
        if (!camp.Coloana.isEmpty())
            luate << camp.Coloana;
        else if (!memorate_.contains(camp.Cheie) && formulareBifate_.contains(c->CodFormular())) {
            dePropus.push_back(c);
            etichete << camp.Eticheta;
        }
    }
    const QStringList propuse = coloane_.ColoaneCuAntetul(etichete, luate);
    for (size_t i = 0; i < dePropus.size(); ++i)
        dePropus[i]->EdColoana->setText(propuse[qsizetype(i)]);
}

std::vector<TCampPreluat> TImportExcelExpert::campuri() const {
    std::vector<TCampPreluat> r;
    for (const TKivExcelImportFrame* c : cadre_)
        r.push_back(c->Camp());
    return r;
}

void TImportExcelExpert::ExecutaPreluarea() {
    const auto campuri = this->campuri();
    // a field passed over only because its form was not ticked keeps what was remembered for it
    std::vector<TCampPreluat> alese;
    std::copy_if(campuri.begin(), campuri.end(), std::back_inserter(alese), [&](const TCampPreluat& c) {
        return !c.NuImport || formulareBifate_.contains(c.CodFormular());
    });
    MemoreazaAlegerile(EdCnp->text(), alese);
    TProgresPreluare progres(this);
    TPreluareExcel preluare;
    preluare.Fisier = EdFisier->text();
    preluare.Foaie = CbFoaie->currentText();
    preluare.Progres = [&](int i, int n) {
        if (LaRand) LaRand(progres, i);
        return progres.Arata(i, n);
    };
    rezumat_ = preluare.Executa(coloane_, EdCnp->text(), campuri);
    progres.close();
    const TRezumatPreluare& r = *rezumat_;
    const QString titlu = !r.Eroare.isEmpty() ? r.Eroare
                          : r.Oprita          ? QStringLiteral("Preluarea a fost oprita.")
                                              : QStringLiteral("Am finalizat preluarea din Excel cu succes");
    TRezumatFereastra fereastra(this, titlu, r.Text());
    dialoguri().arataModal(fereastra);
    if (r.Completa()) accept();
}

bool AnuleazaUltimaPreluare(QWidget* parinte) {
    const auto ultima = UltimaPreluare();
    if (!ultima) {
        dialoguri().mesaj(parinte, QStringLiteral("Nu exista nicio preluare de anulat."));
        return false;
    }
    std::optional<TAnularePreluare> plan;
    {
        CursorAsteptare asteptare;
        plan = PlanificaAnularea(*ultima);
    }
    if (!dialoguri().intrebare(parinte, plan->Intrebare())) return false;
    {
        CursorAsteptare asteptare;
        plan = AnuleazaPreluarea(ultima->Id);
    }
    TRezumatFereastra fereastra(parinte, QStringLiteral("Preluarea a fost anulata."), plan->Text());
    fereastra.setWindowTitle(QStringLiteral("Anulare preluare"));
    dialoguri().arataModal(fereastra);
    return true;
}
