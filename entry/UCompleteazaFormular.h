#pragma once

#include <QString>

class QWidget;
class TFormularDePrintat;
class TFormularTextArea;

// Filling a printable form's window with one student's values: every text area gets the value
// of its field key, the part of it chosen by Denumire2 (start, from 1) and Denumire3 (length),
// or, for grades, the wording of the global settings in the area pair named by Denumire3.
// The caller holds Tr; the first error stops the filling (the areas filled before keep their
// text).

// Every printable page of the window, in component order.
void UmpleFereastra(QWidget& fereastra, int idElev);
void UmplePagina(TFormularDePrintat& pagina, int idElev);
void UmpleZona(TFormularTextArea& zona, int idElev);

// The part of a value shown for the two keys; fails when a given key is not a whole number.
QString ParteDinValoare(const QString& valoare, const TFormularTextArea& zona);
// The data type of the area's field: "X" when its key is empty; fails when the profile has no
// such field. Reads through Q1.
QString TipulCampului(const TFormularTextArea& zona);
// The areas that show the same grade as this one, upper first (the lower one may be absent).
struct PerecheNota {
    TFormularTextArea* sus = nullptr;
    TFormularTextArea* jos = nullptr;
};
PerecheNota PerecheaNotei(const TFormularTextArea& zona);
