#include "printing/ComponenteMacheta.h"

#include "printing/FontFormular.h"
#include "printing/FormularDePrintat.h"
#include "printing/QFormularTextArea.h"

#include <QImage>

namespace {

TFontFormular* creeazaFont(const FontMacheta& f, QObject* proprietar) {
    auto* font = new TFontFormular(proprietar);
    font->setValori(f);
    return font;
}

void creeazaArie(const ArieMacheta& a, TFormularDePrintat* pagina, const ComponenteMacheta& c) {
    auto* zona = new TFormularTextArea(pagina);
    zona->setArie(a, c.font(a.Font));
}

TFormularDePrintat* creeazaPagina(const PaginaMacheta& p, QWidget* proprietar, const ComponenteMacheta& c) {
    auto* pagina = new TFormularDePrintat(proprietar);
    pagina->setObjectName(p.nume);
    pagina->incepeIncarcarea();
    pagina->setLatime(p.Latime);
    pagina->setInaltime(p.Inaltime);
    pagina->setZoom(p.Zoom);
    pagina->setTextAreaBaseLine2_delta(p.TextAreaBaseLine2_delta);
    pagina->setTextAreaTopLine1_delta(p.TextAreaTopLine1_delta);
    pagina->setDeltaStanga(p.DeltaStanga);
    pagina->setDeltaSus(p.DeltaSus);
    // The picture is only shown, never printed: a page without it still prints right.
    if (!p.BkImage.isEmpty()) pagina->setBkImage(QImage(p.BkImage));
    for (const ArieMacheta& a : p.arii)
        creeazaArie(a, pagina, c);
    // Laid out from the millimetres rather than from pixel bounds stored at some zoom.
    for (TFormularTextArea* zona : pagina->zone())
        zona->ApplyGeometry();
    pagina->terminaIncarcarea();
    return pagina;
}

} // namespace

TFormularDePrintat* ComponenteMacheta::pagina(const QString& codSauNume) const {
    for (size_t i = 0; i < pagini.size(); ++i)
        if (pagini[i]->objectName() == codSauNume || coduriPagini[i] == codSauNume) return pagini[i];
    return nullptr;
}

TFontFormular* ComponenteMacheta::font(const QString& nume) const {
    for (TFontFormular* f : fonturi)
        if (f->objectName() == nume) return f;
    return nullptr;
}

ComponenteMacheta creeazaComponente(const MachetaVardolin& macheta, QWidget* proprietar) {
    ComponenteMacheta c;
    for (const FontMacheta& f : macheta.fonturi)
        c.fonturi.push_back(creeazaFont(f, proprietar));
    for (const PaginaMacheta& p : macheta.pagini) {
        c.pagini.push_back(creeazaPagina(p, proprietar, c));
        c.coduriPagini.push_back(p.codPagina);
    }
    return c;
}
