#include "entry/UButonFormular.h"

#include "data/UDm.h"
#include "data/UProfilDiploma.h"
#include "entry/UCompleteazaFereastra.h"
#include "entry/UListaElevi.h"
#include "entry/UModelLinii.h"
#include "platform/Dialoguri.h"
#include "platform/Protejat.h"
#include "printing/FormularDePrintat.h"

#include <QDialog>
#include <QStyle>

TButonFormular::TButonFormular(THandlerFormularDePrintat& handler, TListaElevi& lista, QWidget* owner)
    : QPushButton(handler.Titlu, owner), Handler(&handler), VT(&lista) {
    setStyleSheet(StilButoane());
    setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    connect(this, &QPushButton::clicked, this, &TButonFormular::CompleteazaFormular);
}

QWidget& TButonFormular::fereastra() {
    if (!FereastraFormular) {
        FereastraFormular = Handler->CreeazaFereastra(this);
        for (TFormularDePrintat* pagina : FereastraFormular->findChildren<TFormularDePrintat*>())
            pagina->setZoom(100.0);
    }
    return *FereastraFormular;
}

void TButonFormular::arataFereastra() {
    if (auto* dialog = qobject_cast<QDialog*>(FereastraFormular.data()))
        dialoguri().arataModal(*dialog);
    else
        FereastraFormular->show();
}

void TButonFormular::CompleteazaFormular() {
    protejat(this, [&] {
        const std::optional<int> idElev = VT->ElevSelectat();
        if (!idElev) {
            dialoguri().mesaj(this, QStringLiteral("Va rog selectati un elev!"));
            return;
        }
        QWidget& formular = fereastra();
        {
            // Only read: rolled back on the way out, also when the filling fails.
            GardaTranzactie garda;
            UmpleFereastra(formular, *idElev);
        }
        if (auto* lot = dynamic_cast<FereastraCuLot*>(&formular)) lot->SeteazaElevii(VT->EleviSelectati());
        arataFereastra();
    });
}

void InstaleazaButoaneleFormularelor() {
    TListaElevi::seteazaCreatorButonFormular([](THandlerFormularDePrintat& handler, TListaElevi& lista) {
        return new TButonFormular(handler, lista);
    });
}
