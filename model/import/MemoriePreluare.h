#pragma once

#include "import/PreluareExcel.h"

#include <optional>

// The last choices of the import, kept in the settings store: a sheet of the same shape comes
// every year.
void MemoreazaAlegerile(const QString& coloanaCnp, const std::vector<TCampPreluat>& campuri);
QString ColoanaCnpMemorata();
// The field's last mode, column and texts; nullopt when it was never imported.
std::optional<TCampPreluat> CampMemorat(const QString& cheie);
