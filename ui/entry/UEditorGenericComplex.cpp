#include "entry/UEditorGenericComplex.h"

#include "data/UDm.h"
#include "data/UProfilDiploma.h"
#include "entry/UEditorCampCF.h"
#include "entry/UEditorCampCNP.h"
#include "entry/UEditorCampCalificativ.h"
#include "entry/UEditorCampNota.h"
#include "entry/UEditorCampSirues.h"
#include "entry/UEditorCampText.h"
#include "entry/UEditorGenericNotaSauCalificativ.h"
#include "platform/Eroare.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

EtichetaEditor DesparteEticheta(const QString& eticheta) {
    enum class Stare { Captie, Grup, Sufix, Final };
    EtichetaEditor r;
    Stare stare = Stare::Captie;
    for (const QChar c : eticheta) {
        switch (stare) {
        case Stare::Captie:
            if (c == u'[')
                stare = Stare::Grup;
            else if (c == u'{')
                stare = Stare::Sufix;
            else
                r.captie += c;
            break;
        case Stare::Grup:
            if (c == u']')
                stare = Stare::Captie;
            else
                r.grup += c;
            break;
        case Stare::Sufix:
            if (c == u'}')
                stare = Stare::Final;
            else
                r.sufix += c;
            break;
        case Stare::Final:
            break;
        }
    }
    return r;
}

QString CaptiePagina(const QString& numePagina) {
    QString r;
    int numarate = 0;
    for (const QChar c : numePagina) {
        if (c == u' ' && numarate > 10) {
            r += QStringLiteral("\r\n");
            continue;
        }
        r += c;
        ++numarate;
    }
    return r;
}

QString LitereMiciFaraSemne(const QString& text) {
    QString r;
    for (const QChar c : text)
        if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')) r += c.toLower();
    return r;
}

TEditorGeneric* CreeazaEditorPentruTip(const QString& tip, QWidget* owner) {
    if (tip == QLatin1String("TEXT")) return new TEditorCampText(owner);
    if (tip == QLatin1String("CNP")) return new TEditorCampCNP(owner);
    if (tip == QLatin1String("NOTA")) return new TEditorCampNota(owner);
    if (tip == QLatin1String("CALIFICATIV")) return new TEditorCampCalificativ(owner);
    if (tip == QLatin1String("CF")) return new TEditorCampCF(owner);
    if (tip == QLatin1String("SIRUES")) return new TEditorCampSirues(owner);
    if (tip == QLatin1String("NOTA sau CALIFICATIV")) return new TEditorGenericNotaSauCalificativ(owner);
    throw Eroare::format(QStringLiteral("Nu stiu afisa tipul de date %s"), {tip});
}

void AdaugaInContainer(QWidget* container, QWidget* control) {
    if (auto* grup = qobject_cast<TFrmGrup*>(container->parentWidget());
        grup && grup->PanelSuport == container) {
        grup->Adauga(control);
        return;
    }
    auto* l = static_cast<QVBoxLayout*>(container->layout());
    l->insertWidget(l->count() - 1, control); // above the closing stretch
    control->show();
}

TEditorGenericComplex::TEditorGenericComplex(QWidget* owner) : QFrame(owner) {
    resize(478, 349);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    PC = new QTabWidget(this);
    PC->setObjectName(QStringLiteral("PC"));
    PC->setStyleSheet(QStringLiteral(
        "QTabWidget::pane { background: #F7F6F5; border: 1px solid #9C9B91; }"
        "QTabBar::tab { background: #F7F6F5; border: 1px solid #9C9B91; border-top-left-radius: 4px;"
        " border-top-right-radius: 4px; padding: 3px 8px; }"
        "QTabBar::tab:selected { border-bottom: 3px solid #FFC73C; }"
        "QTabBar::tab:hover { background: #FFC73C; }"));
    l->addWidget(PC);
}

TEditorGenericComplex::~TEditorGenericComplex() = default;

QWidget* TEditorGenericComplex::CreeazaPagina(const QString& numePagina) {
    auto* scroll = new QScrollArea;
    // Tab goes from editor to editor; the page itself is no stop (typing would land nowhere).
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* continut = new QWidget;
    ColoreazaFundal(continut, TEditorGeneric::CuloareFundal);
    auto* l = new QVBoxLayout(continut);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addStretch();
    scroll->setWidget(continut);
    PC->addTab(scroll, CaptiePagina(numePagina));
    return continut;
}

QWidget* TEditorGenericComplex::Pagina(const QString& formular) {
    const QString nume = SeparaCuvinte(formular);
    const QString redus = LitereMiciFaraSemne(nume);
    for (int i = 0; i < PC->count(); ++i)
        if (LitereMiciFaraSemne(PC->tabText(i)) == redus)
            return static_cast<QScrollArea*>(PC->widget(i))->widget();
    return CreeazaPagina(nume);
}

QWidget* TEditorGenericComplex::Container(Constructie& c, const QString& formular, const QString& grup,
                                          const QString& linie) {
    QWidget* pagina = Pagina(formular);
    if (!linie.isEmpty()) {
        QWidget* parinte = Container(c, formular, grup, QString());
        const QString cheie = (grup + u'.' + linie).toLower();
        auto gasit = c.linii.find(cheie);
        if (gasit == c.linii.end()) {
            auto* noua = new TLinieGrupare(parinte);
            AdaugaInContainer(parinte, noua);
            gasit = c.linii.emplace(cheie, noua).first;
        }
        return gasit->second;
    }
    if (!grup.isEmpty()) {
        for (TFrmGrup* g : c.grupuri)
            if (g->NumeGrup == grup) return g->PanelSuport;
        auto* nou = new TFrmGrup(pagina);
        nou->NumeGrup = grup;
        nou->EtichetaGrup->setText(grup);
        AdaugaInContainer(pagina, nou);
        c.grupuri.Add(nou);
        return nou->PanelSuport;
    }
    return pagina;
}

void TEditorGenericComplex::ConstruiesteEditorul(Constructie& c, const Rand& r, int idElev, int idEntitate,
                                                 const QString& tabel) {
    TEditorGeneric* editor = CreeazaEditorPentruTip(r.tip, this);
    QWidget* container = Container(c, r.formular, r.eticheta.grup, r.linie);
    editor->Eticheta->setText(r.eticheta.captie);
    auto* linie = qobject_cast<TLinieGrupare*>(container);
    if (!linie) {
        editor->setParent(container);
        AdaugaInContainer(container, editor);
    }
    editor->Incarca(r.formular, r.pagina, r.camp, tabel, idElev, idEntitate);
    Editori->Add(editor);
    if (linie) {
        editor->LatimeSugerata = r.latime;
        editor->resize(r.latime, editor->height());
        linie->Adauga(editor);
    }
}

namespace {
// The editors as the page shows them: down the layouts, across a line left to right.
void EditoriInOrdineaAsezarii(QWidget* w, std::vector<TEditorGeneric*>& ordine) {
    if (auto* editor = qobject_cast<TEditorGeneric*>(w)) {
        ordine.push_back(editor);
        return;
    }
    if (auto* linie = qobject_cast<TLinieGrupare*>(w)) {
        for (TEditorGeneric* e : linie->Editori)
            ordine.push_back(e);
        return;
    }
    if (!w->layout()) return;
    for (int i = 0; i < w->layout()->count(); ++i)
        if (QWidget* copil = w->layout()->itemAt(i)->widget()) EditoriInOrdineaAsezarii(copil, ordine);
}

// The controls of an editor that Tab stops at, in the order they were made.
std::vector<QWidget*> OpririTab(TEditorGeneric* editor) {
    std::vector<QWidget*> r;
    for (QWidget* w : editor->findChildren<QWidget*>()) {
        const bool inAltaOprire =
            std::any_of(r.begin(), r.end(), [w](QWidget* o) { return o->isAncestorOf(w); });
        // A list's popup is a window of its own: not a stop.
        const bool inFereastra = w->window() == editor->window();
        if ((w->focusPolicy() & Qt::TabFocus) && inFereastra && !inAltaOprire) r.push_back(w);
    }
    return r;
}
} // namespace

// Tab follows the eye: a line's editors are made in profile order, which may put a later field on
// an earlier line (the name beside the abbreviation), so the chain is set from the layout.
void TEditorGenericComplex::OrdoneazaTab() {
    QWidget* anterior = nullptr;
    for (int p = 0; p < PC->count(); ++p) {
        std::vector<TEditorGeneric*> ordine;
        EditoriInOrdineaAsezarii(static_cast<QScrollArea*>(PC->widget(p))->widget(), ordine);
        for (TEditorGeneric* editor : ordine)
            for (QWidget* oprire : OpririTab(editor)) {
                if (anterior) QWidget::setTabOrder(anterior, oprire);
                anterior = oprire;
            }
    }
}

void TEditorGenericComplex::Incarca(int idElev, int idEntitate, const QString& tabel) {
    Editori = std::make_unique<TListaEditorGeneric>();
    Constructie c;
    {
        GardaTranzactie garda;
        for (const TLinieProfilDiploma& l : LiniiDeEditat(tabel)) {
            Rand r;
            r.tip = l.TIP_DE_DATE;
            r.eticheta = DesparteEticheta(l.ETICHETA_EDITOR);
            r.latime = l.LATIME_SUGERATA;
            r.linie = l.COD_LINIE;
            r.formular = l.COD_FORMULAR;
            r.pagina = l.COD_PAGINA;
            r.camp = l.COD_CAMP;
            ConstruiesteEditorul(c, r, idElev, idEntitate, tabel);
        }
    }
    for (TFrmGrup* g : c.grupuri)
        g->Dimensioneaza();
    OrdoneazaTab();
    PC->tabBar()->setVisible(PC->count() != 1);
    if (PC->count() > 0) PC->setCurrentIndex(0);
}

bool TEditorGenericComplex::PotSalva() {
    if (!Editori) return true;
    for (TEditorGeneric* e : *Editori)
        if (!e->PotSalva()) return false;
    return true;
}

void TEditorGenericComplex::Salveaza(int idElev, int idEntitate, const QString& tabel) {
    if (!Tr().activa())
        throw Eroare(QStringLiteral("Tranzactia trebuie sa fie DESCHISA in momentul in care salvez"));
    if (!Editori) return;
    for (TEditorGeneric* e : *Editori)
        e->Salveaza(idElev, idEntitate, tabel);
}

void TEditorGenericComplex::LaAfisare() {
    if (!Editori) return;
    for (TEditorGeneric* e : *Editori)
        e->LaAfisare();
}
