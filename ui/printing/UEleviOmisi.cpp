#include "printing/UEleviOmisi.h"

#include "controls/ExportaTabel.h"
#include "platform/Dialoguri.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString descriere(int id, const std::vector<TLinieDescrisa>& elevi) {
    for (const TLinieDescrisa& e : elevi)
        if (e.Id == id && !e.Descriere.trimmed().isEmpty()) return e.Descriere.trimmed();
    return QStringLiteral("Elevul %1").arg(id);
}

// The list as a secretary fixes it: who, and why.
TabelDeExportat tabelOmisi(const std::vector<ElevOmis>& omisi, const std::vector<TLinieDescrisa>& elevi) {
    TabelDeExportat t;
    t.numeFoaie = QStringLiteral("Elevi netiparibili");
    t.coloane = {{QStringLiteral("Elevul")}, {QStringLiteral("Motivul")}};
    t.randuri = int(omisi.size());
    t.rand = [&omisi, &elevi](int r, QStringList& texte) {
        texte << descriere(omisi[size_t(r)].idElev, elevi) << omisi[size_t(r)].motiv;
    };
    return t;
}
} // namespace

TEleviOmisiForm::TEleviOmisiForm(const std::vector<ElevOmis>& omisi, const std::vector<TLinieDescrisa>& elevi,
                                 int tiparibili, QWidget* parinte)
    : QDialog(parinte) {
    setObjectName(QStringLiteral("EleviOmisi"));
    setWindowTitle(QStringLiteral("Elevi care nu pot fi tipariti"));
    setStyleSheet(StilButoane());
    resize(820, 360);
    auto* l = new QVBoxLayout(this);
    l->addWidget(new QLabel(
        QStringLiteral("Elevi ale caror certificate nu pot fi tiparite (%1); nu s-a tiparit nimic inca:")
            .arg(omisi.size()),
        this));
    Lista = new QListWidget(this);
    Lista->setObjectName(QStringLiteral("Lista"));
    Lista->setWordWrap(true);
    for (const ElevOmis& o : omisi)
        Lista->addItem(descriere(o.idElev, elevi) + QStringLiteral(": ") + o.motiv);
    l->addWidget(Lista, 1);

    auto* bara = new QWidget(this);
    auto* jos = new QHBoxLayout(bara);
    jos->setContentsMargins(0, 0, 0, 0);
    // Omitted students are fixed one by one in their records: the list can go out to work from.
    AdaugaExporta(bara, Lista, [this, omisi, elevi] {
        ExportaTabel(this, tabelOmisi(omisi, elevi), InDocumente(QStringLiteral("Elevi netiparibili.xlsx")));
    });
    jos->addStretch();
    ButonCeilalti = new QPushButton(QStringLiteral("Tiparesc pentru ceilalti (%1)").arg(tiparibili), this);
    ButonCeilalti->setObjectName(QStringLiteral("ButonCeilalti"));
    ButonCeilalti->setVisible(tiparibili > 0);
    ButonRenunt = new QPushButton(QStringLiteral("Renunt"), this);
    ButonRenunt->setObjectName(QStringLiteral("ButonRenunt"));
    jos->addWidget(ButonCeilalti);
    jos->addWidget(ButonRenunt);
    l->addWidget(bara);
    connect(ButonCeilalti, &QPushButton::clicked, this, &QDialog::accept);
    connect(ButonRenunt, &QPushButton::clicked, this, &QDialog::reject);
}

bool TiparesteCeilalti(QWidget* parinte, const std::vector<ElevOmis>& omisi,
                       const std::vector<TLinieDescrisa>& elevi, int tiparibili) {
    TEleviOmisiForm fereastra(omisi, elevi, tiparibili, parinte);
    return dialoguri().arataModal(fereastra) == QDialog::Accepted && tiparibili > 0;
}
