#pragma once

#include <QString>

// Shows a cell's value as a spreadsheet in Romanian settings does, by the cell's number format
// code: decimal comma, '.' between thousands, Romanian month and day names.
namespace FormatNumar {

// The code of a built-in format id (0..49); empty for an id without a built-in code.
QString codImplicit(int id);

QString numar(double valoare, const QString& cod, bool sistem1904 = false);
// A text value: the fourth section of the code, or its only section when it holds '@'.
QString text(const QString& valoare, const QString& cod);
QString boolean(bool valoare);
// A number in full, as the General format shows it in a column wide enough.
QString general(double valoare);

} // namespace FormatNumar
