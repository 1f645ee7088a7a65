#include "app/UDespreAplicatie.h"

#include "data/DespreAplicatie.h"
#include "data/UDm.h"

#include <QClipboard>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TDespreAplicatie::TDespreAplicatie(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("DespreAplicatie"));
    setWindowTitle(QStringLiteral("Despre aplicatie"));
    const QList<RandDespre> randuri = DespreAplicatie(DM());
    text_ = DespreAplicatieCaText(randuri);

    auto* formular = new QFormLayout;
    for (const RandDespre& r : randuri) {
        auto* valoare = new QLabel(r.valoare, this);
        valoare->setTextInteractionFlags(Qt::TextSelectableByMouse);
        formular->addRow(r.eticheta + QLatin1Char(':'), valoare);
    }
    LblCopiat = new QLabel(this);
    BtnCopiaza = new QPushButton(QStringLiteral("Copiaza"), this);
    BtnCopiaza->setObjectName(QStringLiteral("BtnCopiaza"));
    BtnInchide = new QPushButton(QStringLiteral("Inchide"), this);
    BtnInchide->setObjectName(QStringLiteral("BtnInchide"));
    BtnInchide->setDefault(true);

    auto* butoane = new QHBoxLayout;
    butoane->addWidget(LblCopiat, 1);
    butoane->addWidget(BtnCopiaza);
    butoane->addWidget(BtnInchide);
    auto* l = new QVBoxLayout(this);
    l->addLayout(formular);
    l->addSpacing(12);
    l->addLayout(butoane);
    setMinimumWidth(560);
    adjustSize();

    connect(BtnCopiaza, &QPushButton::clicked, this, &TDespreAplicatie::Copiaza);
    connect(BtnInchide, &QPushButton::clicked, this, &QDialog::accept);
}

void TDespreAplicatie::Copiaza() {
    QGuiApplication::clipboard()->setText(text_);
    LblCopiat->setText(QStringLiteral("Copiat. Lipiti textul (Ctrl+V) in mesajul catre cel care va ajuta."));
}
