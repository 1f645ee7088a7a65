#include "entry/UModificaLinieProfil.h"

#include "data/UDm.h"
#include "data/UProfilDiploma.h"
#include "data/UTabele.h"
#include "platform/Ecran.h"
#include "platform/Eroare.h"
#include "platform/Protejat.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString Da = QStringLiteral("DA");
const QString Selectiv = QStringLiteral("SELECTIV");
const QString Nu = QStringLiteral("NU");
} // namespace

TModificaLinieProfil::TModificaLinieProfil(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("ModificaLinieProfil"));
    setWindowTitle(QStringLiteral("Modifica linie profil"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(296, 128);

    auto* etichetaOnorez = new QLabel(QStringLiteral("Onorez similar"), this);
    etichetaOnorez->setGeometry(8, 8, 180, 16);
    RzComboBox1 = new QComboBox(this);
    RzComboBox1->setObjectName(QStringLiteral("RzComboBox1"));
    RzComboBox1->setEditable(false); // only the three choices
    RzComboBox1->addItems({Da, Selectiv, Nu});
    RzComboBox1->setGeometry(8, 26, 180, 24);
    etichetaOnorez->setBuddy(RzComboBox1);

    auto* etichetaAsociat = new QLabel(QStringLiteral("Asociat cu"), this);
    etichetaAsociat->setGeometry(8, 60, 180, 16);
    RzEdit2 = new QLineEdit(this);
    RzEdit2->setObjectName(QStringLiteral("RzEdit2"));
    RzEdit2->setGeometry(8, 78, 180, 24);
    etichetaAsociat->setBuddy(RzEdit2);

    RzBitBtn1 = new QPushButton(QStringLiteral("Ok"), this);
    RzBitBtn1->setObjectName(QStringLiteral("RzBitBtn1"));
    RzBitBtn1->setGeometry(204, 24, 84, 28);
    RzBitBtn1->setDefault(true);
    RzBitBtn2 = new QPushButton(QStringLiteral("Renunt"), this);
    RzBitBtn2->setObjectName(QStringLiteral("RzBitBtn2"));
    RzBitBtn2->setGeometry(204, 60, 84, 28);

    connect(RzBitBtn1, &QPushButton::clicked, this, &TModificaLinieProfil::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
}

void TModificaLinieProfil::FormCreate() {
    CentreazaFereastra(this);
}

void TModificaLinieProfil::IncarcaLinie(const QString& codFormular, const QString& codPagina,
                                        const QString& codCamp) {
    COD_FORMULAR = codFormular;
    COD_PAGINA = codPagina;
    COD_CAMP = codCamp;
    const TLinieProfil linie = LiniaProfilStocata({COD_FORMULAR, COD_PAGINA, COD_CAMP});
    SelecteazaOnorez(linie.ONOREZ_SIMILAR);
    RzEdit2->setText(linie.ASOCIAT_CU);
}

void TModificaLinieProfil::SelecteazaOnorez(const QString& onorez) {
    if (onorez == Da)
        RzComboBox1->setCurrentIndex(0);
    else if (onorez == Selectiv)
        RzComboBox1->setCurrentIndex(1);
    else
        RzComboBox1->setCurrentIndex(2);
}

void TModificaLinieProfil::RzBitBtn1Click() {
    protejat(this, [&] { Salveaza(); });
}

void TModificaLinieProfil::Salveaza() {
    const QString asociatCu = RzEdit2->text();
    GardaTranzactie garda;
    // A name that is not an entity table would break every print of this field until the
    // next start; refuse it here, where the user can still correct it.
    try {
        VerificaTabelEntitate(asociatCu);
    } catch (const Eroare& e) {
        dialoguri().avertisment(this, e.text());
        RzEdit2->setFocus();
        return;
    }
    ScrieLegaturaLiniei({COD_FORMULAR, COD_PAGINA, COD_CAMP}, RzComboBox1->currentText(), asociatCu);
    garda.Commit();
    accept();
}
