#pragma once

#include "import/PreluareExcel.h"

#include <optional>

// The last choices of the import, kept in the settings store: a sheet of the same shape comes
// every year. A field not imported keeps its column and texts and is marked so; one without the
// mark (as every field was before the mark was kept) is imported.
void MemoreazaAlegerile(const QString& coloanaCnp, const std::vector<TCampPreluat>& campuri);
QString ColoanaCnpMemorata();
// The field's last mode, column, texts and "not imported"; nullopt when nothing was kept for it.
std::optional<TCampPreluat> CampMemorat(const QString& cheie);
