#pragma once

#include "entry/Currency.h"

#include <QString>

// Reads a stored grade text: the digits before the first comma or full stop are the integer
// part, the first two after it the hundredths; everything else is ignored. 9,5 is 9.50.
Currency CitesteNota(const QString& text);
