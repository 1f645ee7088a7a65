#pragma once

#include "printing/UMachetaVardolin.h"

#include <QString>
#include <vector>

class QWidget;
class TFontFormular;
class TFormularDePrintat;

// The components made from a layout under an owner, which owns them all.
struct ComponenteMacheta {
    std::vector<TFontFormular*> fonturi;     // in the layout's order
    std::vector<TFormularDePrintat*> pagini; // in the layout's order
    std::vector<QString> coduriPagini;       // page code of each page

    // The page whose page code ("FATA", "SPATE") or component name is given, or none.
    TFormularDePrintat* pagina(const QString& codSauNume) const;
    TFontFormular* font(const QString& nume) const;
};

// Makes the layout's fonts, pages and text areas under the owner, with their properties set
// from the data; the areas are laid out from their millimetres at the page's stored zoom and
// every page gets its blank-form picture. The pages are children of the owner until the
// window places them elsewhere.
ComponenteMacheta creeazaComponente(const MachetaVardolin& macheta, QWidget* proprietar);
