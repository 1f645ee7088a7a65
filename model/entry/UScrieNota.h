#pragma once

#include "entry/Currency.h"
#include "printing/PaginaFormular.h"

#include <QString>
#include <optional>

// Which grade an area pair shows; each kind has its own wording mode in the global settings.
enum class TFelNota { NOTA_DIPLOMA, NOTA_COTOR, MEDIE_DIPLOMA, MEDIE_COTOR };

// The kind named by a text exactly as written ("NOTA_COTOR"); none for any other text.
std::optional<TFelNota> FelNotaDupaNume(const QString& nume);

// Wording modes, by their number.
enum ModNota { ModNumai = 0, ModProcent = 1, ModProcentDedesubt = 2, ModLitereDedesubt = 3 };
// "NOTA" 0, "NOTA(PROCENT)" 1, "NOTA/PROCENT" 2, "NOTA/LITERE" 3; any other text 0.
int NumarulModului(const QString& mod);

// What the wording takes from the global settings, read once for a whole filling.
struct SetariNote {
    QString NotaDiploma, MedieDiploma, NotaCotor, MedieCotor, ScriuCuLitereMari;
    // Reads the settings (and, as every release of them does, writes them back); what is not set
    // yet reads as the defaults.
    static SetariNote citeste();
    // What an unset setting means, here and in the settings window alike: grades in words under
    // the digits on the certificate, with the percentage on the stub, in capitals.
    static SetariNote implicite();
    QString modul(TFelNota fel) const;
};

// Writes a grade (times 100: 9,63 is 963.00; none when the field has no value) into its upper
// and lower area as the global settings ask. Either area may be absent. The areas are placed
// from the tops they had the first time they were written, so refilling never moves them.
void ScrieNota(AriePagina* sus, AriePagina* jos, std::optional<Currency> nota, TFelNota fel);
// The same with settings already read.
void ScrieNota(AriePagina* sus, AriePagina* jos, std::optional<Currency> nota, TFelNota fel,
               const SetariNote& setari);
