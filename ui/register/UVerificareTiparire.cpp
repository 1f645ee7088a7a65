#include "register/UVerificareTiparire.h"

#include "platform/Dialoguri.h"
#include "platform/Protejat.h"
#include "register/URegistruActe.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

TVerificareTiparire::TVerificareTiparire(const std::vector<IntrareRegistru>& intrari,
                                         const QStringList& observatii, QWidget* parinte)
    : QDialog(parinte), intrari_(intrari) {
    setObjectName(QStringLiteral("VerificareTiparire"));
    setWindowTitle(QStringLiteral("Verificarea foilor tiparite"));
    resize(720, 480);
    Observatii = new QLabel(
        (QStringList{QStringLiteral("Comparati numarul de pe fiecare foaie cu cel de mai jos.")} + observatii)
            .join(u'\n'));
    Observatii->setObjectName(QStringLiteral("Observatii"));
    Observatii->setWordWrap(true);
    Lista = new QTableWidget(0, 4);
    Lista->setObjectName(QStringLiteral("Lista"));
    Lista->setHorizontalHeaderLabels({QStringLiteral("Nr."), QStringLiteral("Elevul"),
                                      QStringLiteral("Formularul"), QStringLiteral("Starea")});
    Lista->horizontalHeader()->setStretchLastSection(true);
    Lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    Lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const auto buton = [](const QString& text, const QString& nume) {
        auto* b = new QPushButton(text);
        b->setObjectName(nume);
        return b;
    };
    Stricata = buton(QStringLiteral("Foaie stricata..."), QStringLiteral("Stricata"));
    Netiparita = buton(QStringLiteral("Nu s-a tiparit..."), QStringLiteral("Netiparita"));
    Corecteaza = buton(QStringLiteral("Alt numar pe foaie..."), QStringLiteral("Corecteaza"));
    Confirma = buton(QStringLiteral("Confirma foile"), QStringLiteral("Confirma"));
    MaiTarziu = buton(QStringLiteral("Verific mai tarziu"), QStringLiteral("MaiTarziu"));
    auto* butoane = new QHBoxLayout;
    for (QPushButton* b : {Stricata, Netiparita, Corecteaza})
        butoane->addWidget(b);
    butoane->addStretch();
    for (QPushButton* b : {Confirma, MaiTarziu})
        butoane->addWidget(b);
    auto* tot = new QVBoxLayout(this);
    tot->addWidget(Observatii);
    tot->addWidget(Lista, 1);
    tot->addLayout(butoane);
    connect(Stricata, &QPushButton::clicked, this, [this] {
        scoateFoaia(QStringLiteral("Foaie stricata: %1"),
                    QStringLiteral("Ce s-a intamplat cu foaia (formularul se anuleaza):"),
                    &Registru::anuleaza);
    });
    connect(Netiparita, &QPushButton::clicked, this, [this] {
        scoateFoaia(QStringLiteral("Foaie netiparita: %1"),
                    QStringLiteral("De ce nu a iesit foaia din imprimanta (formularul ramane nefolosit si "
                                   "se poate tipari din nou pe el):"),
                    &Registru::foaieNetiparita);
    });
    connect(Corecteaza, &QPushButton::clicked, this, [this] { corecteazaClick(); });
    connect(Confirma, &QPushButton::clicked, this, [this] { confirmaClick(); });
    connect(MaiTarziu, &QPushButton::clicked, this, &QDialog::reject);
    arata();
}

void TVerificareTiparire::arata() {
    Lista->setRowCount(int(intrari_.size()));
    for (int r = 0; r < int(intrari_.size()); ++r) {
        const IntrareRegistru& i = intrari_[size_t(r)];
        const QString texte[] = {QString::number(r + 1), i.nume, formularIntrare(i), textStare(i.stare)};
        for (int c = 0; c < 4; ++c)
            Lista->setItem(r, c, new QTableWidgetItem(texte[c]));
    }
}

IntrareRegistru* TVerificareTiparire::selectata() {
    const int r = Lista->currentRow();
    if (r < 0 || r >= int(intrari_.size())) {
        dialoguri().avertisment(this, QStringLiteral("Alegeti intai foaia din lista."));
        return nullptr;
    }
    return &intrari_[size_t(r)];
}

void TVerificareTiparire::scoateFoaia(const QString& titlu, const QString& eticheta,
                                      void (*marcheaza)(qint64 idIntrare, const QString& motiv)) {
    protejat(this, [&] {
        IntrareRegistru* i = selectata();
        QString motiv;
        if (!i || !CereText(this, titlu.arg(formularIntrare(*i)), eticheta, motiv)) return;
        marcheaza(i->id, motiv);
        *i = *Registru::intrare(i->id);
        if (i->idElev) deRetiparit_.push_back(i->idElev);
        arata();
    });
}

QString TVerificareTiparire::IntrebareRetiparire() const {
    const auto cate = [this](StareAct stare) {
        return std::count_if(intrari_.begin(), intrari_.end(),
                             [&](const IntrareRegistru& i) { return i.stare == stare; });
    };
    const bool stricate = cate(StareAct::Anulat) > 0, netiparite = cate(StareAct::Netiparit) > 0;
    const QString ceS_aIntamplat =
        stricate && netiparite
            ? QStringLiteral(
                  "Formularele foilor stricate au fost anulate, iar cele ale foilor care nu au iesit "
                  "din imprimanta au ramas libere.")
        : stricate ? QStringLiteral("Formularele foilor stricate au fost anulate.")
                   : QStringLiteral("Formularele foilor care nu au iesit din imprimanta au ramas libere.");
    return ceS_aIntamplat +
           QStringLiteral(" Tiparesc acum din nou aceste foi (%1), pe formularele din teanc?")
               .arg(deRetiparit_.size());
}

void TVerificareTiparire::corecteazaClick() {
    protejat(this, [this] {
        IntrareRegistru* i = selectata();
        if (!i) return;
        QDialog d(this);
        d.setObjectName(QStringLiteral("AltNumar"));
        d.setWindowTitle(QStringLiteral("Numarul gasit pe foaia lui %1").arg(i->nume));
        auto* numar = new QSpinBox;
        numar->setObjectName(QStringLiteral("Numar"));
        numar->setRange(1, 99999999);
        numar->setValue(i->numarul);
        auto* butoane = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        auto* l = new QVBoxLayout(&d);
        l->addWidget(new QLabel(QStringLiteral("Numarul tiparit pe formular (seria %1):").arg(i->seria)));
        l->addWidget(numar);
        l->addWidget(butoane);
        connect(butoane, &QDialogButtonBox::accepted, &d, &QDialog::accept);
        connect(butoane, &QDialogButtonBox::rejected, &d, &QDialog::reject);
        if (dialoguri().arataModal(d) != QDialog::Accepted || numar->value() == i->numarul) return;
        Registru::corecteazaNumarul(i->id, numar->value());
        *i = *Registru::intrare(i->id);
        arata();
    });
}

void TVerificareTiparire::confirmaClick() {
    protejat(this, [this] {
        std::vector<qint64> neconfirmate;
        for (const IntrareRegistru& i : intrari_)
            if (i.stare == StareAct::Neconfirmat) neconfirmate.push_back(i.id);
        Registru::confirmaToate(neconfirmate);
        accept();
    });
}

RaspunsDejaTiparit IntreabaDejaTiparit(QWidget* parinte, const IntrareRegistru& e) {
    QDialog d(parinte);
    d.setObjectName(QStringLiteral("DejaTiparit"));
    d.setWindowTitle(QStringLiteral("Certificat existent"));
    auto* l = new QVBoxLayout(&d);
    auto* text =
        new QLabel(QStringLiteral("%1 are deja certificatul seria %2 nr. %3 (%4, registrul nr. %5/%6).\n"
                                  "Ce doriti sa faceti?")
                       .arg(e.nume, e.seria)
                       .arg(e.numarul)
                       .arg(textStare(e.stare))
                       .arg(e.nr)
                       .arg(e.an));
    text->setWordWrap(true);
    l->addWidget(text);
    RaspunsDejaTiparit raspuns = RaspunsDejaTiparit::Renunt;
    const auto buton = [&](const QString& eticheta, const QString& nume, RaspunsDejaTiparit r) {
        auto* b = new QPushButton(eticheta);
        b->setObjectName(nume);
        l->addWidget(b);
        QObject::connect(b, &QPushButton::clicked, &d, [&, r] {
            raspuns = r;
            d.accept();
        });
    };
    buton(QStringLiteral("Retiparesc, anuland formularul vechi"), QStringLiteral("Retiparesc"),
          RaspunsDejaTiparit::Retiparesc);
    buton(QStringLiteral("Tiparesc un duplicat"), QStringLiteral("Duplicat"), RaspunsDejaTiparit::Duplicat);
    buton(QStringLiteral("Renunt"), QStringLiteral("Renunt"), RaspunsDejaTiparit::Renunt);
    if (dialoguri().arataModal(d) != QDialog::Accepted) return RaspunsDejaTiparit::Renunt;
    return raspuns;
}

bool CereDateleDuplicatului(QWidget* parinte, const IntrareRegistru& original, CerereDuplicat& cerere) {
    QDialog d(parinte);
    d.setObjectName(QStringLiteral("DateDuplicat"));
    d.setWindowTitle(QStringLiteral("Duplicat pentru %1 - %2").arg(formularIntrare(original), original.nume));
    auto* motiv = new QLineEdit;
    motiv->setObjectName(QStringLiteral("Motiv"));
    auto* aprobare = new QLineEdit;
    aprobare->setObjectName(QStringLiteral("Aprobare"));
    auto* data = new QDateEdit(QDate::currentDate());
    data->setObjectName(QStringLiteral("DataAprobarii"));
    data->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    auto* forma = new QFormLayout(&d);
    forma->addRow(QStringLiteral("Motivul (pierdut, deteriorat, completat gresit)"), motiv);
    forma->addRow(QStringLiteral("Numarul aprobarii"), aprobare);
    forma->addRow(QStringLiteral("Data aprobarii"), data);
    auto* butoane = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    forma->addRow(butoane);
    QObject::connect(butoane, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    QObject::connect(butoane, &QDialogButtonBox::accepted, &d, [&] {
        if (motiv->text().trimmed().isEmpty() || aprobare->text().trimmed().isEmpty()) {
            dialoguri().avertisment(&d, QStringLiteral("Scrieti motivul duplicatului si numarul aprobarii."));
            return;
        }
        d.accept();
    });
    if (dialoguri().arataModal(d) != QDialog::Accepted) return false;
    cerere = {original.id, motiv->text().trimmed(), aprobare->text().trimmed(), data->date()};
    return true;
}
