#include "entry/UCompleteazaFereastra.h"

#include "entry/UCompleteazaFormular.h"
#include "printing/FormularDePrintat.h"
#include "printing/QFormularTextArea.h"

namespace {

void arata(TFormularTextArea& zona, const AriePagina& arie) {
    zona.setSursaText({});
    zona.setText(arie.text);
    if (arie.topInitial) {
        zona.InregistreazaTopInitial();
        zona.set_Top(arie.sus);
        zona.ApplyGeometry();
    }
    if (zona.isHidden() == arie.vizibila) zona.setVisible(arie.vizibila);
}

void arata(TFormularDePrintat& pagina, const PaginaFormular& descriere) {
    const QList<TFormularTextArea*> zone = pagina.zone();
    for (qsizetype i = 0; i < zone.size() && size_t(i) < descriere.arii.size(); ++i)
        arata(*zone[i], descriere.arii[size_t(i)]);
}

} // namespace

void UmplePagina(TFormularDePrintat& pagina, int idElev) {
    pagina.NumberTextAreas();
    PaginaFormular descriere = pagina.Descriere();
    try {
        UmplePagina(descriere, idElev);
    } catch (...) {
        arata(pagina, descriere);
        throw;
    }
    arata(pagina, descriere);
}

void UmpleFereastra(QWidget& fereastra, int idElev) {
    for (TFormularDePrintat* pagina : fereastra.findChildren<TFormularDePrintat*>())
        UmplePagina(*pagina, idElev);
}
