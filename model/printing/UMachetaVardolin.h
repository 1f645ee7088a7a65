#pragma once

#include "printing/PaginaFormular.h"

#include <QString>
#include <optional>
#include <vector>

class TListaParticularizareTextArea;

// The certificate's layout as it is stored in the resources: two pages, their text areas in
// child order (the order of filling and printing) and the named fonts, all in millimetres
// from the sheet's top left corner. Plain data; creeazaComponente makes the preview's widgets
// from it, descriere the page description that prints without any widget.

using AliniereMacheta = AliniereArie;

// A named font of the layout: the page's font plus what only the layout and its editor keep.
struct FontMacheta : FontPagina {
    QString nume; // component name, also what the areas refer to
    int CodePage = 1250;
    QString DescrierePentruEditor;

    // The font as a page carries it.
    const FontPagina& pagina() const { return *this; }
};

struct ArieMacheta {
    QString nume; // "FormularTextArea" + number
    QString Denumire1, Denumire2, Denumire3;
    double _Left = 0, _Top = 0, _Width = 0, _Height = 0;
    QString Font;
    AliniereMacheta Alignment = AliniereMacheta::Stanga;
    double ZoomLock = 0;
    QString Text;

    // The number after "FormularTextArea", 0 when the name carries none.
    int numar() const;
    // The area as a page carries it, in the font given, with no adjustment.
    AriePagina descriere(std::optional<FontPagina> font) const;
};

struct PaginaMacheta {
    QString nume;      // component name
    QString titlu;     // tab caption
    QString codPagina; // page code of the keys (FATA, SPATE)
    double Latime = 10, Inaltime = 10, Zoom = 100;
    double TextAreaBaseLine2_delta = 1.0, TextAreaTopLine1_delta = 1.0;
    double DeltaStanga = 0, DeltaSus = 0;
    QString BkImage; // resource path of the blank-form picture
    std::vector<ArieMacheta> arii;

    const ArieMacheta* arie(const QString& numeComponenta) const;
};

struct MachetaVardolin {
    QString fereastra; // window component name (keys the per-area adjustments)
    QString formular;  // form code of the keys
    std::vector<FontMacheta> fonturi;
    std::vector<PaginaMacheta> pagini;

    static constexpr const char* caleImplicita = ":/layout/vardolin.json";

    // Reads and checks a layout file; throws Eroare with the reason when it is unusable.
    static MachetaVardolin citeste(const QString& cale = QString::fromLatin1(caleImplicita));
    static MachetaVardolin dinJson(const QByteArray& json, const QString& sursa);

    const FontMacheta* font(const QString& nume) const;
    // The page whose page code or component name is given, or none.
    const PaginaMacheta* pagina(const QString& codSauNume) const;
    int numarArii() const;

    // A named font as a page carries it; none for a name the layout lacks.
    std::optional<FontPagina> fontPagina(const QString& nume) const;
    // The page as printing takes it, with the layout's texts and no adjustment.
    PaginaFormular descriere(const PaginaMacheta& pagina) const;
    // Puts into every area its adjustment, keyed by the window's and the area's component names.
    void aplicaParticularizarile(PaginaFormular& pagina, TListaParticularizareTextArea& lista) const;
};
