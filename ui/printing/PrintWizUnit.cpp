#include "printing/PrintWizUnit.h"

#include "controls/DesenSvg.h"
#include "platform/Dialoguri.h"
#include "platform/Ecran.h"
#include "platform/Eroare.h"
#include "platform/Imprimanta.h"
#include "platform/Protejat.h"
#include "printing/InsertPaper.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QSvgRenderer>
#include <QTreeWidget>

namespace {

constexpr int latimePagina = 499;
constexpr int inaltimePagina = 390;

QLabel* imagine(const QString& fisier, QWidget* parinte, const QRect& unde, bool incadrata = false) {
    auto* l = new QLabel(parinte);
    l->setGeometry(unde);
    l->setAlignment(Qt::AlignCenter);
    if (incadrata) {
        l->setFrameShape(QFrame::Box);
        l->setStyleSheet(QStringLiteral("QLabel { background: white; }"));
        l->setPixmap(DesenSvg(fisier, unde.size() - QSize(4, 4)));
    } else {
        l->setPixmap(DesenSvg(fisier, unde.size()));
    }
    return l;
}

QLabel* text(const QString& continut, QWidget* parinte, const QRect& unde) {
    auto* l = new QLabel(continut, parinte);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(unde);
    return l;
}

QRadioButton* alegere(const QString& continut, QWidget* parinte, const QRect& unde, QButtonGroup& grup) {
    auto* b = new QRadioButton(continut, parinte);
    b->setGeometry(unde);
    grup.addButton(b);
    return b;
}

// Texts stacked one under the other, each as tall as it needs.
int paragrafe(const QStringList& texte, QWidget* parinte, int x, int y, int latime) {
    for (const QString& t : texte) {
        QLabel* l = text(t, parinte, QRect(x, y, latime, 10));
        l->setFixedHeight(l->heightForWidth(latime));
        y += l->height() + 12;
    }
    return y;
}

const char* const fisiereReintroducere[4] = {
    ":/wizard/reintroducere1.svg",
    ":/wizard/reintroducere2.svg",
    ":/wizard/reintroducere3.svg",
    ":/wizard/reintroducere4.svg",
};

const char* const fisiereReintroducere2[4] = {
    ":/wizard/reintroducere_hasurata1.svg",
    ":/wizard/reintroducere_hasurata2.svg",
    ":/wizard/reintroducere_hasurata3.svg",
    ":/wizard/reintroducere_hasurata4.svg",
};

} // namespace

QRect DreptunghiTest(QSize imagine, QSize pagina) {
    const int W = cadruTest.width(), H = cadruTest.height();
    const double x = double(pagina.width()) * ((W - imagine.width()) / 2) / W;
    const double y = double(pagina.height()) * ((H - imagine.height()) / 2) / H;
    const double w = double(pagina.width()) * imagine.width() / W;
    const double h = double(pagina.height()) * imagine.height() / H;
    const int stanga = int(x), sus = int(y);
    return {stanga, sus, int(x + w) - stanga, int(y + h) - sus};
}

TPrintWiz::TPrintWiz(QWidget* owner) : QDialog(owner) {
    AranjeazaDialogFix(*this, QStringLiteral("PrintWiz"),
                       QStringLiteral("Formular pentru pregatirea imprimantei"), QSize(623, 475));
    creeazaAntetul();
    creeazaPaginile();
    creeazaButoanele();
    FormCreate();
}

void TPrintWiz::creeazaAntetul() {
    auto* antet = new QFrame(this);
    antet->setObjectName(QStringLiteral("Antet"));
    antet->setGeometry(0, 0, width(), 55);
    antet->setAutoFillBackground(true);
    QPalette alb = antet->palette();
    alb.setColor(QPalette::Window, Qt::white);
    antet->setPalette(alb);
    imagine(QStringLiteral(":/wizard/imprimanta.svg"), antet, QRect(10, 4, 48, 48));
    QLabel* titlu =
        text(QStringLiteral("Formular pentru configurarea imprimantei"), antet, QRect(72, 17, 520, 22));
    QFont gros = titlu->font();
    gros.setPixelSize(16);
    gros.setBold(true);
    titlu->setFont(gros);
    auto* linie = new QFrame(this);
    linie->setGeometry(0, 55, width(), 2);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);

    imagine(QStringLiteral(":/wizard/lateral.svg"), this, QRect(8, 63, 104, 376));
}

void TPrintWiz::creeazaButoanele() {
    auto* linie = new QFrame(this);
    linie->setGeometry(0, 445, width(), 2);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);

    RzBitBtn1 = new QPushButton(QStringLiteral("Inapoi"), this);
    RzBitBtn1->setObjectName(QStringLiteral("RzBitBtn1"));
    RzBitBtn1->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    RzBitBtn1->setGeometry(331, 448, 90, 24);
    connect(RzBitBtn1, &QPushButton::clicked, this, &TPrintWiz::RzBitBtn1Click);

    NiceButton2 = new QPushButton(QStringLiteral("Inainte"), this);
    NiceButton2->setObjectName(QStringLiteral("NiceButton2"));
    NiceButton2->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    // The glyph goes on the right of the caption.
    NiceButton2->setLayoutDirection(Qt::RightToLeft);
    NiceButton2->setGeometry(425, 448, 90, 24);
    NiceButton2->setDefault(true);
    connect(NiceButton2, &QPushButton::clicked, this, &TPrintWiz::NiceButton2Click);

    RzBitBtn3 = new QPushButton(QStringLiteral("Renunt"), this);
    RzBitBtn3->setObjectName(QStringLiteral("RzBitBtn3"));
    RzBitBtn3->setGeometry(527, 448, 90, 24);
    connect(RzBitBtn3, &QPushButton::clicked, this, &TPrintWiz::RzBitBtn3Click);
}

QWidget* TPrintWiz::paginaNoua(int numar, const QString& titlu) {
    auto* p = new QWidget(PageControl1);
    p->setObjectName(QStringLiteral("Pagina%1").arg(numar));
    p->setProperty("numar", numar);
    QLabel* t = text(titlu, p, QRect(8, 6, latimePagina - 16, 22));
    QFont gros = t->font();
    gros.setBold(true);
    t->setFont(gros);
    t->setObjectName(QStringLiteral("Titlu"));
    PageControl1->addWidget(p);
    return p;
}

void TPrintWiz::creeazaPaginile() {
    // Only the program turns the pages: a stack has no tab headers to hide.
    PageControl1 = new QStackedWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(118, 55, latimePagina, inaltimePagina);
    paginaImprimante();
    paginaAlimentare();
    paginaText(
        2, QStringLiteral("Ati selectat alimentare cu caseta frontala."),
        {QStringLiteral("Imprimantele HP cu jet de cerneala rasucesc hartia in imprimanta, astfel incat "
                        "hartia iese din imprimanta tot prin partea din fata."),
         QStringLiteral("Daca acesta este modul in care imprimanta dumneavoastra functioneaza in mod normal, "
                        "va rugam sa aruncati o privire in spatele imprimantei. Este posibil ca imprimanta "
                        "dumneavoastra sa aiba o caseta care se deschide si permite hartiei sa iasa in "
                        "spate."),
         QStringLiteral("Daca aceasta caseta exista, este preferabil sa listati diplomele cu caseta "
                        "deschisa, pentru a nu indoi cartonul.")});
    paginaText(
        3, QStringLiteral("Ati selectat alimentare cu caseta interna."),
        {QStringLiteral("Tiparirea diplomelor pe imprimante cu caseta interna pentru alimentare cu hartie "
                        "poate fi greoaie."),
         QStringLiteral("Multe dintre imprimantele de acest gen au posibilitatea aliemntarii cu hartie "
                        "manual. Cautati in manualul imprimantei informatii despre aceasta posibilitate."),
         QStringLiteral("Daca imprimanta poate fi alimentata cu hartie manual, va recomandam sa utilizati "
                        "aceasta modalitate pentru tiparirea diplomelor.")});
    paginaReprezentare();
    paginaColaAlba();
    paginaReintroducere();
    paginaParte();
    paginaReintroducere2();
    paginaLinii();
    paginaFinal();
}

QWidget* TPrintWiz::paginaImprimante() {
    QWidget* p = paginaNoua(0, QStringLiteral("Selectati imprimanta"));
    text(QStringLiteral("Va rugam selectati, din lista de mai jos, imprimanta cu care doriti sa tipariti "
                        "diplomele"),
         p, QRect(8, 36, latimePagina - 16, 36));
    ListView1 = new QTreeWidget(p);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setGeometry(8, 80, latimePagina - 16, inaltimePagina - 88);
    ListView1->setColumnCount(1);
    ListView1->setHeaderLabels({QStringLiteral("Denumire")});
    ListView1->setColumnWidth(0, 400);
    ListView1->setRootIsDecorated(false);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setIconSize(QSize(16, 16));
    // The selection stays visible when the list loses the focus.
    QPalette paleta = ListView1->palette();
    paleta.setColor(QPalette::Inactive, QPalette::Highlight,
                    paleta.color(QPalette::Active, QPalette::Highlight));
    paleta.setColor(QPalette::Inactive, QPalette::HighlightedText,
                    paleta.color(QPalette::Active, QPalette::HighlightedText));
    ListView1->setPalette(paleta);
    return p;
}

QWidget* TPrintWiz::paginaAlimentare() {
    QWidget* p = paginaNoua(1, QStringLiteral("Selectati modul de alimentare cu hartie:"));
    struct Mod {
        const char* imagine;
        QString titlu, explicatie;
    };
    const Mod moduri[3] = {
        {":/wizard/alimentare_sus.svg", QStringLiteral("Alimentarea prin partea de sus"),
         QStringLiteral("Selectati acest mod de alimentare cu hartie daca imprimanta dumneavoastra ia hartia "
                        "dintr-o caseta aflata in partea din spate a imprimantei. Majoritatea imprimantelor "
                        "Epson cu jet de cerneala sunt alimentate in acest mod.")},
        {":/wizard/alimentare_fata.svg", QStringLiteral("Alimentare frontala"),
         QStringLiteral(
             "Selectati acest mod de alimentare daca imprimanta dumneavoastra ia hartia dintr-o "
             "tavita aflata in partea din fata a imprimantei. Majoritata imprimantelor HP cu jet de "
             "cerneala utilizeaza acest mod de alimentare.")},
        {":/wizard/alimentare_interna.svg",
         QStringLiteral("Alimentare cu caseta interna sau alte modalitati"),
         QStringLiteral("Alegeti aceasta optiune daca imprimanta dumneavoastra ia hartia dintr-o caseta "
                        "interna sau daca nici una dintre metodele anterioare nu este corecta. Majoritatea "
                        "imprimantelor laser profesionale intra în aceasta categorie.")},
    };
    auto* grup = new QButtonGroup(p);
    for (int i = 0; i < 3; ++i) {
        const int y = 36 + i * 118;
        QLabel* poza = imagine(QString::fromLatin1(moduri[i].imagine), p, QRect(8, y, 112, 84), true);
        Alimentare[size_t(i)] = alegere(moduri[i].titlu, p, QRect(130, y, 360, 20), *grup);
        alegereLaClic(poza, Alimentare[size_t(i)]);
        Alimentare[size_t(i)]->setObjectName(QStringLiteral("Alimentare%1").arg(i + 1));
        text(moduri[i].explicatie, p, QRect(150, y + 22, 340, 92));
    }
    return p;
}

QWidget* TPrintWiz::paginaText(int numar, const QString& titlu, const QStringList& texte) {
    QWidget* p = paginaNoua(numar, titlu);
    paragrafe(texte, p, 8, 40, latimePagina - 16);
    return p;
}

QWidget* TPrintWiz::paginaReprezentare() {
    QWidget* p = paginaNoua(4, QStringLiteral("Reprezentarea vizuala a modului de alimentare cu hartie"));
    paragrafe({QStringLiteral("In timpul tiparirii diplomelor, programul va va furniza instructiuni pentru "
                              "modul de pozitionare a hartiei in imprimanta."),
               QStringLiteral("Care dintre urmatoarele reprezentari vi se pare mai intuitiva?")},
              p, 8, 40, latimePagina - 16);
    // The same pictures as the paper-insertion dialog's.
    auto* grup = new QButtonGroup(p);
    QLabel* normala =
        imagine(QStringLiteral(":/insertpaper/hartie_normala.svg"), p, QRect(40, 150, 60, 136), true);
    HartieNormala = alegere(QStringLiteral("Hartie in pozitia normala."), p, QRect(20, 296, 200, 20), *grup);
    alegereLaClic(normala, HartieNormala);
    HartieNormala->setObjectName(QStringLiteral("HartieNormala"));
    QLabel* rasturnata =
        imagine(QStringLiteral(":/insertpaper/hartie_rasturnata.svg"), p, QRect(280, 150, 60, 136), true);
    HartieRasturnata = alegere(QStringLiteral("Hartie rasturnata."), p, QRect(260, 296, 200, 20), *grup);
    alegereLaClic(rasturnata, HartieRasturnata);
    HartieRasturnata->setObjectName(QStringLiteral("HartieRasturnata"));
    return p;
}

QWidget* TPrintWiz::paginaColaAlba() {
    QWidget* p = paginaNoua(5, QStringLiteral("Stabilirea modului de manevrare a hartiei."));
    imagine(QStringLiteral(":/wizard/imprimanta_coala.svg"), p, QRect(8, 40, 180, 240));
    text(QStringLiteral("Introduceti o coala alba de hartie in imprimanta. Apasati butonul \"Inainte\" cand "
                        "imprimanta este pregatita."),
         p, QRect(204, 40, 286, 80));
    return p;
}

QWidget* TPrintWiz::paginaReintroducere() {
    QWidget* p = paginaNoua(6, QStringLiteral("Stabilirea modului de manevrare a hartiei."));
    for (int i = 0; i < 4; ++i) {
        Reintroducere[size_t(i)] =
            imagine(QString::fromLatin1(fisiereReintroducere[i]), p, QRect(8, 40, 180, 240));
        Reintroducere[size_t(i)]->setObjectName(QStringLiteral("Reintroducere%1").arg(i + 1));
        Reintroducere[size_t(i)]->hide();
    }
    paragrafe({QStringLiteral("Reintroduceti coala de hartie in imprimanta, cu sageata pe partea vizibila a "
                              "paginii, asa cum se vede in imaginea alaturata."),
               QStringLiteral("Programul va incerca sa tipareasca o sageata hasurata in interiorul sagetii "
                              "deja tiparite.")},
              p, 204, 40, 286);
    return p;
}

QWidget* TPrintWiz::paginaParte() {
    QWidget* p = paginaNoua(7, QStringLiteral("Stabilirea modului de manevrare a hartiei."));
    paragrafe(
        {QStringLiteral("Sageata hasurata a fost tiparita pe aceeasi parte cu prima sageata, sau a fost "
                        "tiparita pe partea opusa?")},
        p, 8, 40, latimePagina - 16);
    auto* grup = new QButtonGroup(p);
    AceeasiParte = alegere(QStringLiteral("Pe aceeasi parte"), p, QRect(24, 100, 300, 22), *grup);
    AceeasiParte->setObjectName(QStringLiteral("AceeasiParte"));
    ParteaOpusa = alegere(QStringLiteral("Pe partea opusa"), p, QRect(24, 130, 300, 22), *grup);
    ParteaOpusa->setObjectName(QStringLiteral("ParteaOpusa"));
    text(QStringLiteral("Apasati butonul \"Inainte\" dupa ce ati selectat optiunea corecta."), p,
         QRect(8, 180, latimePagina - 16, 40));
    return p;
}

QWidget* TPrintWiz::paginaReintroducere2() {
    QWidget* p = paginaNoua(8, QStringLiteral("Stabilirea modului de manevrare a hartiei."));
    for (int i = 0; i < 4; ++i) {
        Reintroducere2[size_t(i)] =
            imagine(QString::fromLatin1(fisiereReintroducere2[i]), p, QRect(8, 40, 180, 240));
        Reintroducere2[size_t(i)]->setObjectName(QStringLiteral("Reintroducere2_%1").arg(i + 1));
        Reintroducere2[size_t(i)]->hide();
    }
    const QRect instructiune(204, 40, 286, 64);
    TextSagetile = text(QStringLiteral("Reintroduceti coala de hartie in imprimanta, cu sagetile pe partea "
                                       "vizibila a paginii, asa cum se vede in imaginea alaturata."),
                        p, instructiune);
    TextSagetile->setObjectName(QStringLiteral("TextSagetile"));
    TextHasurata = text(QStringLiteral("Reintroduceti coala de hartie in imprimanta, cu sageata HASURATA pe "
                                       "partea vizibila a paginii, asa cum se vede in imaginea alaturata."),
                        p, instructiune);
    TextHasurata->setObjectName(QStringLiteral("TextHasurata"));
    TextHasurata->hide();
    text(QStringLiteral("Programul va afisa doua liniii în dreptul sagetii."), p, QRect(204, 116, 286, 40));
    return p;
}

QWidget* TPrintWiz::paginaLinii() {
    QWidget* p = paginaNoua(9, QStringLiteral("Stabilirea modului de manevrare a hartiei."));
    text(QStringLiteral("Cum arata imaginea obtinuta?"), p, QRect(8, 36, latimePagina - 16, 20));
    const QString variante[4] = {
        QStringLiteral("Linie orizontala sus si linie verticala la stanga"),
        QStringLiteral("Linie orizontala sus si linie verticala la dreapta"),
        QStringLiteral("Linie orizontala jos si linie verticala la dreapta"),
        QStringLiteral("Linie orizontala jos si linie verticala la stanga"),
    };
    auto* grup = new QButtonGroup(p);
    for (int i = 0; i < 4; ++i) {
        const int y = 62 + i * 80;
        QLabel* poza =
            imagine(QStringLiteral(":/wizard/linii%1.svg").arg(i + 1), p, QRect(8, y, 54, 76), true);
        Linii[size_t(i)] = alegere(variante[i], p, QRect(76, y + 27, 414, 22), *grup);
        alegereLaClic(poza, Linii[size_t(i)]);
        Linii[size_t(i)]->setObjectName(QStringLiteral("Linii%1").arg(i + 1));
    }
    return p;
}

QWidget* TPrintWiz::paginaFinal() {
    QWidget* p = paginaNoua(13, QStringLiteral("Am finalizat"));
    paragrafe(
        {QStringLiteral("Toate informatiile necesare au fost obtinute. Ramane la aprecierea dumneavoastra "
                        "daca precizia imprimantei este suficienta pentru a tipari diplome."),
         QStringLiteral("Pentru a inchide acest formular apasati butonul \"Inainte\"")},
        p, 8, 40, latimePagina - 16);
    return p;
}

void TPrintWiz::FormCreate() {
    CentreazaFereastra(this);
    const Imprimanta& imp = imprimanta();
    const QIcon icoana(DesenSvg(QStringLiteral(":/wizard/imprimanta.svg"), QSize(16, 16)));
    const QStringList nume = imp.imprimante();
    for (const QString& n : nume) {
        auto* rand = new QTreeWidgetItem(ListView1, {n});
        rand->setIcon(0, icoana);
    }
    if (QTreeWidgetItem* curenta = ListView1->topLevelItem(imp.indexCurent())) {
        ListView1->setCurrentItem(curenta);
        curenta->setSelected(true);
    }
    ArataPagina(0);
}

// A click on a choice's picture chooses it, as a click on its text does.
void TPrintWiz::alegereLaClic(QLabel* poza, QRadioButton* buton) {
    poza->setProperty("alegere", QVariant::fromValue<QObject*>(buton));
    poza->installEventFilter(this);
}

bool TPrintWiz::eventFilter(QObject* obiect, QEvent* eveniment) {
    if (eveniment->type() == QEvent::MouseButtonRelease)
        if (auto* buton = qobject_cast<QRadioButton*>(obiect->property("alegere").value<QObject*>())) {
            buton->click();
            return true;
        }
    return QDialog::eventFilter(obiect, eveniment);
}

QWidget* TPrintWiz::Pagina(int numar) const {
    for (int i = 0; i < PageControl1->count(); ++i)
        if (PageControl1->widget(i)->property("numar").toInt() == numar) return PageControl1->widget(i);
    return nullptr;
}

void TPrintWiz::ArataPagina(int pagina) {
    QWidget* p = Pagina(pagina);
    if (!p) throw Eroare::format("Pagina %s nu exista.", {QString::number(pagina)});
    PageControl1->setCurrentWidget(p);
    pagina_ = pagina;
}

int TPrintWiz::Arata() {
    Finalizat = false;
    anterioare_[0] = 0;
    const int rezultat = dialoguri().arataModal(*this);
    if (rezultat == QDialog::Accepted) Finalizeaza();
    return rezultat;
}

void TPrintWiz::NiceButton2Click() {
    protejat(this, [&] {
        const int pagina = pagina_;
        const int urmatoarea = Pas(pagina);
        if (urmatoarea < 0) {
            Finalizat = true;
            accept();
            return;
        }
        if (urmatoarea == pagina) return;
        ArataPagina(urmatoarea);
        anterioare_[size_t(urmatoarea)] = pagina;
    });
}

void TPrintWiz::RzBitBtn1Click() {
    protejat(this, [&] { ArataPagina(anterioare_[size_t(pagina_)]); });
}

void TPrintWiz::RzBitBtn3Click() {
    reject();
}

int TPrintWiz::Pas(int pagina) {
    switch (pagina) {
    case 0:
        return 1;
    case 1:
        if (Alimentare[0]->isChecked()) return 5;
        return Alimentare[1]->isChecked() ? 2 : 3;
    case 2:
        return 5;
    case 3:
        return 4;
    case 4:
        return 5;
    case 5:
        AlegeModulDeAlimentare();
        TiparesteFoaia(QStringLiteral(":/wizard/s1.svg"), QStringLiteral("Prima sageata"));
        return 6;
    case 6:
        TiparesteFoaia(QStringLiteral(":/wizard/s2.svg"), QStringLiteral("A doua sageata"));
        return 7;
    case 7:
        OppositeSide = ParteaOpusa->isChecked();
        PregatestePagina8();
        return 8;
    case 8:
        TiparesteFoaia(QStringLiteral(":/wizard/d.svg"), QStringLiteral("Liniile orizonala si verticala"));
        return 9;
    case 9:
        LineRight = Linii[1]->isChecked() || Linii[2]->isChecked();
        LineBottom = Linii[2]->isChecked() || Linii[3]->isChecked();
        return 13;
    default:
        return -1;
    }
}

void TPrintWiz::AlegeModulDeAlimentare() {
    for (QLabel* imagine : Reintroducere) {
        imagine->setGeometry(Reintroducere[0]->geometry());
        imagine->hide();
    }
    int mod = 3;
    if (Alimentare[0]->isChecked())
        mod = 1;
    else if (Alimentare[1]->isChecked())
        mod = 2;
    else if (HartieNormala->isChecked())
        mod = 4;
    Reintroducere[size_t(mod - 1)]->show();
    FeedMode = mod;
}

void TPrintWiz::PregatestePagina8() {
    for (size_t i = 0; i < Reintroducere2.size(); ++i) {
        Reintroducere2[i]->setGeometry(Reintroducere2[0]->geometry());
        Reintroducere2[i]->setVisible(!Reintroducere[i]->isHidden());
    }
    // The instruction follows the answer kept, also when no choice was made.
    TextSagetile->setVisible(!OppositeSide);
    TextHasurata->setVisible(OppositeSide);
}

void TPrintWiz::TiparesteFoaia(const QString& fisier, const QString& titlu) {
    QSvgRenderer svg(fisier);
    if (!svg.isValid()) throw Eroare::format("Imaginea de test \"%s\" nu poate fi citita.", {fisier});

    Imprimanta& imp = imprimanta();
    const QList<QTreeWidgetItem*> selectate = ListView1->selectedItems();
    if (!selectate.isEmpty()) imp.selecteaza(ListView1->indexOfTopLevelItem(selectate.first()));
    PregatesteImprimanta(true);
    imp.incepeLucrare(titlu);
    // The job is ended also when drawing fails; not from a destructor, since ending can fail too.
    try {
        const ZonaTiparibila zona = imp.zonaTiparibila();
        imp.intindeImagine(svg, DreptunghiTest(svg.defaultSize(), QSize(zona.horzRes, zona.vertRes)));
    } catch (...) {
        imp.terminaLucrare();
        throw;
    }
    imp.terminaLucrare();
}

void TPrintWiz::Finalizeaza() const {
    TAllStuffReg setari;
    setari.Configured = true;
    setari.OppositeSide = OppositeSide;
    setari.LineRight = LineRight;
    setari.LineBottom = LineBottom;
    setari.FeedMode = FeedMode;
    const Imprimanta& imp = imprimanta();
    setari.PrinterIndex = imp.indexCurent();
    setari.PrinterName = imp.imprimante().value(setari.PrinterIndex);
    setari.Scrie();
}
