#pragma once

#include <QString>
#include <optional>
#include <vector>

// The students a command line names after --students: none for "all" (every student), else ids
// and ranges joined by commas (3,7,10-12); an Eroare saying so for anything else.
std::optional<std::vector<int>> EleviDinLinieDeComanda(const QString& text);
