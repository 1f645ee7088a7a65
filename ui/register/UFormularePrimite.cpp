#include "register/UFormularePrimite.h"

#include "platform/Dialoguri.h"
#include "platform/Protejat.h"
#include "register/Registru.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

TFormularePrimite::TFormularePrimite(QWidget* parinte) : QDialog(parinte) {
    setObjectName(QStringLiteral("FormularePrimite"));
    setWindowTitle(QStringLiteral("Formulare primite"));
    resize(640, 480);
    Lista = new QTableWidget(0, 5);
    Lista->setObjectName(QStringLiteral("Lista"));
    Lista->setHorizontalHeaderLabels({QStringLiteral("Seria"), QStringLiteral("De la"),
                                      QStringLiteral("Pana la"), QStringLiteral("Data primirii"),
                                      QStringLiteral("Documentul")});
    Lista->horizontalHeader()->setStretchLastSection(true);
    Lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Seria = new QLineEdit;
    Seria->setObjectName(QStringLiteral("Seria"));
    DeLa = new QSpinBox;
    DeLa->setObjectName(QStringLiteral("DeLa"));
    PanaLa = new QSpinBox;
    PanaLa->setObjectName(QStringLiteral("PanaLa"));
    for (QSpinBox* s : {DeLa, PanaLa})
        s->setRange(1, 99999999);
    Data = new QDateEdit(QDate::currentDate());
    Data->setObjectName(QStringLiteral("Data"));
    Data->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    Document = new QLineEdit;
    Document->setObjectName(QStringLiteral("Document"));
    Adauga = new QPushButton(QStringLiteral("Adauga primirea"));
    Adauga->setObjectName(QStringLiteral("Adauga"));
    auto* forma = new QFormLayout;
    forma->addRow(QStringLiteral("Seria"), Seria);
    forma->addRow(QStringLiteral("De la numarul"), DeLa);
    forma->addRow(QStringLiteral("Pana la numarul"), PanaLa);
    forma->addRow(QStringLiteral("Data primirii"), Data);
    forma->addRow(QStringLiteral("Documentul de primire (numar)"), Document);
    forma->addRow(Adauga);
    auto* tot = new QVBoxLayout(this);
    tot->addWidget(Lista, 1);
    tot->addLayout(forma);
    connect(Adauga, &QPushButton::clicked, this, [this] { adaugaClick(); });
}

void TFormularePrimite::Incarca() {
    const auto primiri = Registru::primiri();
    Lista->setRowCount(int(primiri.size()));
    for (int r = 0; r < int(primiri.size()); ++r) {
        const PrimireFormulare& p = primiri[size_t(r)];
        const QString texte[] = {p.seria, QString::number(p.deLa), QString::number(p.panaLa),
                                 p.data.toString(QStringLiteral("dd.MM.yyyy")), p.document};
        for (int c = 0; c < 5; ++c)
            Lista->setItem(r, c, new QTableWidgetItem(texte[c]));
    }
}

void TFormularePrimite::adaugaClick() {
    protejat(this, [this] {
        Registru::primesteFormulare(
            {0, Seria->text(), DeLa->value(), PanaLa->value(), Data->date(), Document->text()});
        Incarca();
        dialoguri().mesaj(this, QStringLiteral("Am inregistrat %1 formulare seria %2.")
                                    .arg(PanaLa->value() - DeLa->value() + 1)
                                    .arg(Seria->text().trimmed().toUpper()));
    });
}
