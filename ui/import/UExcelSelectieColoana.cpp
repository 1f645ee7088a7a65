#include "import/UExcelSelectieColoana.h"

#include "import/CitireFoaie.h"
#include "platform/Dialoguri.h"
#include "platform/Ecran.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int LatimeMaxima = 300;

int latimeColoana(const TColoanaExcel& coloana) {
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(15);
    const QFontMetrics fm(arial);
    int latime = fm.horizontalAdvance(coloana.Litere);
    for (const QString& text : coloana.Texte)
        latime = std::max(latime, std::min(fm.horizontalAdvance(text), LatimeMaxima));
    return std::min(latime, LatimeMaxima) + 12;
}

} // namespace

bool TGrilaSelectie::SelectCell(int c, int r) {
    if (OnSelectCell && LiniaRandului(r)) OnSelectCell(c);
    return TKivVirtualGrid::SelectCell(c, r);
}

// A click on the cell already current moves nothing, so it would choose nothing without this.
void TGrilaSelectie::mousePressEvent(QMouseEvent* e) {
    const TGridCoord vechi{Col(), Row()};
    const QPoint p = e->position().toPoint();
    TKivVirtualGrid::mousePressEvent(e);
    const TGridCoord celula = MouseCoord(p.x(), p.y());
    if (e->button() == Qt::LeftButton && celula == vechi && OnSelectCell && LiniaRandului(celula.Y))
        OnSelectCell(celula.X);
}

TExcelSelectieColoana::TExcelSelectieColoana(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("ExcelSelectieColoana"));
    setWindowTitle(QStringLiteral("Selectie coloana EXCEL"));
    resize(760, 520);
    auto* l = new QVBoxLayout(this);
    LabelSelectie = new QLabel(this);
    LabelSelectie->setObjectName(QStringLiteral("LabelSelectie"));
    LabelSelectie->hide();
    l->addWidget(LabelSelectie);

    G = new TGrilaSelectie(this);
    G->setObjectName(QStringLiteral("G"));
    G->SetHeaderHeight(48);
    G->SetNrColoaneFixe(0);
    G->SetOptiuni({});
    l->addWidget(G, 1);

    auto* jos = new QHBoxLayout;
    jos->addStretch();
    BtnOk = new QPushButton(QStringLiteral("Ok"), this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnRenunt = new QPushButton(QStringLiteral("Renunt"), this);
    BtnRenunt->setObjectName(QStringLiteral("BtnRenunt"));
    jos->addWidget(BtnOk);
    jos->addWidget(BtnRenunt);
    l->addLayout(jos);
    connect(BtnOk, &QPushButton::clicked, this, [this] { BtnOkClick(); });
    connect(BtnRenunt, &QPushButton::clicked, this, &QDialog::reject);

    G->OnPotEdita = [](TKivVirtualGridLine*, int, bool& poate) { poate = false; };
    G->OnGetCellValue = [this](TKivVirtualGridLine* linie, int c, TKivValoareDate& v) {
        v.SetValString(lista_->Items(c).Texte.value(static_cast<TLinieGrid*>(linie)->Rand));
    };
    G->OnFormatCell = [this](TKivVirtualGridLine*, int c, TColor& fundal, TKivFont& font) {
        const bool aleasa = lista_ && c < lista_->Count() && lista_->Items(c).Litere == ColoanaSelectata;
        fundal = aleasa ? clHighlight : clWindow;
        font.Culoare = aleasa ? clHighlightText : clWindowText;
    };
    G->OnSelectCell = [this](int c) { SelecteazaColoana(c); };
    CentreazaFereastra(this);
}

void TExcelSelectieColoana::IncarcaColoane(const TListaColoaneExcel& lista) {
    lista_ = &lista;
    G->BeginUpdate();
    G->Linii.Clear();
    G->Coloane.Clear();
    for (int c = 0; c < lista.Count(); ++c) {
        TKivVirtualGridColumn* coloana = G->Coloane.Add();
        coloana->SetNumeColoana(lista.Items(c).Litere);
        coloana->TipDeDate = TKivTipDeDateColoana::atString;
        coloana->SetWidth(latimeColoana(lista.Items(c)));
    }
    G->Linii.Rezerva(lista.NrRanduri());
    for (int rand = 0; rand < lista.NrRanduri(); ++rand)
        G->Linii.Adauga<TLinieGrid>(rand);
    G->EndUpdate();
}

void TExcelSelectieColoana::SelecteazaColoana(int coloana) {
    if (!lista_ || coloana < 0 || coloana >= lista_->Count()) return;
    const QString& litere = lista_->Items(coloana).Litere;
    if (litere == ColoanaSelectata) return;
    ColoanaSelectata = litere;
    G->InvalidateGrid();
    LabelSelectie->setText(QStringLiteral("Ati selectat coloana ") + litere);
    LabelSelectie->show();
}

// Ok with nothing clicked takes the column of the current cell: it is the one that looks chosen.
void TExcelSelectieColoana::BtnOkClick() {
    if (ColoanaSelectata.isEmpty()) SelecteazaColoana(G->Col());
    if (!ColoanaSelectata.isEmpty()) accept();
}

bool AlegeColoana(QWidget*, TExcelSelectieColoana* fereastra, QString& litere) {
    if (!fereastra || dialoguri().arataModal(*fereastra) != QDialog::Accepted) return false;
    litere = fereastra->ColoanaSelectata;
    return true;
}
