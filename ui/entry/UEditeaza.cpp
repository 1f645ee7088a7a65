#include "entry/UEditeaza.h"

#include "data/StocElevi.h"
#include "data/UDm.h"
#include "data/UValoareCamp.h"
#include "entry/UEditorGenericComplex.h"
#include "entry/UModelLinii.h"
#include "platform/Ecran.h"
#include "platform/Protejat.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TEditeaza::TEditeaza(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("Editeaza"));
    setWindowTitle(QStringLiteral("Editeaza"));
    resize(441, 325);
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    Editor = new TEditorGenericComplex(this);
    l->addWidget(Editor, 1);

    const ColoanaOkRenunt dreapta = CreeazaColoanaOkRenunt(this, 79);
    RzBitBtn1 = dreapta.ok;
    RzBitBtn2 = dreapta.renunt;
    l->addWidget(dreapta.coloana);

    connect(RzBitBtn1, &QPushButton::clicked, this, &TEditeaza::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    CentreazaFereastra(this);
}

void TEditeaza::Nou() {
    Editor->Incarca(-1, -1, Tabel);
}

void TEditeaza::Deschide(int id) {
    IdEntitate = id;
    Editor->Incarca(-1, id, Tabel);
}

// A new row gets its id only when saved; a refused or failed save writes nothing and the drawn
// id is lost. Students without a link to this table are linked to it in the same transaction.
void TEditeaza::RzBitBtn1Click() {
    protejat(this, [&] {
        if (!Editor->PotSalva()) return;
        GardaTranzactie garda;
        const int id = IdEntitate == -1 ? StocElevi::RandNou(Tabel) : IdEntitate;
        Editor->Salveaza(-1, id, Tabel);
        if (Tabel != QLatin1String("ELEVI")) AsiguraLegaturi(Tabel, std::nullopt);
        garda.Commit();
        accept();
    });
}
