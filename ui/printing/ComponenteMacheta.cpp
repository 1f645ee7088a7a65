#include "printing/ComponenteMacheta.h"

#include "printing/FontFormular.h"
#include "printing/FormularDePrintat.h"
#include "printing/QFormularTextArea.h"

#include <QImage>

namespace {

TFormularTextArea::TAlignment alinierePentruArie(AliniereMacheta a) {
    switch (a) {
    case AliniereMacheta::Dreapta:
        return TFormularTextArea::taRightJustify;
    case AliniereMacheta::Centru:
        return TFormularTextArea::taCenter;
    case AliniereMacheta::Stanga:
        break;
    }
    return TFormularTextArea::taLeftJustify;
}

TFontFormular* creeazaFont(const FontMacheta& f, QObject* proprietar) {
    auto* font = new TFontFormular(proprietar);
    font->setObjectName(f.nume);
    font->setFontName(f.FontName);
    font->setSize(f.Size);
    font->setBold(f.Bold);
    font->setItalic(f.Italic);
    font->setCharSet(f.CharSet);
    font->setCodePage(f.CodePage);
    font->setDescrierePentruEditor(f.DescrierePentruEditor);
    return font;
}

void creeazaArie(const ArieMacheta& a, TFormularDePrintat* pagina, const ComponenteMacheta& c) {
    auto* zona = new TFormularTextArea(pagina);
    zona->setObjectName(a.nume);
    zona->set_Left(a._Left);
    zona->set_Top(a._Top);
    zona->set_Width(a._Width);
    zona->set_Height(a._Height);
    zona->setFontFormular(c.font(a.Font));
    zona->setAlignment(alinierePentruArie(a.Alignment));
    zona->setDenumire1(a.Denumire1);
    zona->setDenumire2(a.Denumire2);
    zona->setDenumire3(a.Denumire3);
    zona->setText(a.Text);
    zona->setZoomLock(a.ZoomLock);
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
