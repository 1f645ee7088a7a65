#pragma once

class QWidget;
class TFormularDePrintat;

// Filling a printable form's window with one student's values, by the rules of the page
// description's filling (entry/UCompleteazaFormular.h). The caller holds Tr; the first error
// stops the filling, and the areas show what the filling wrote up to it.

// Every printable page of the window, in component order.
void UmpleFereastra(QWidget& fereastra, int idElev);
// Numbers the page's areas, puts it back at zoom 100, fills its description and shows that
// in the areas: texts, grade placement and the visibility of grades' second lines.
void UmplePagina(TFormularDePrintat& pagina, int idElev);
