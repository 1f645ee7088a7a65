#pragma once

#include "platform/FoaieDeCalcul.h"

// A CSV file: one sheet named after the file; the separator (';', ',' or TAB) guessed from the
// first lines; UTF-8 when the bytes are valid UTF-8, otherwise code page 1250.
RegistruDeCalcul citesteCsv(const QByteArray& continut, const QString& numeFoaie);
