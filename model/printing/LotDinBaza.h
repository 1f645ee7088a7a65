#pragma once

#include "printing/TiparireInBloc.h"

#include <QString>

// The batch's pages filled from the database, for the print window and the form tool alike.

// A side of the certificate (page code FATA or SPATE) from the layout, with the adjustments
// of the process-wide list, as printing without a window sees it.
PaginaFormular SablonLatura(const QString& codPagina);

// Fills the page for every student: their values read in bulk in one transaction, then the
// filling rules per student. Students missing from the database are left out, with why. So
// is a student whose other side (when given) cannot be filled: the fronts and the backs of a
// batch must stay one to one in the stack that goes back into the printer.
PaginiLot UmpleLotulDinBaza(const PaginaFormular& sablon, const std::vector<int>& elevi,
                            const PaginaFormular* cealaltaLatura = nullptr);
