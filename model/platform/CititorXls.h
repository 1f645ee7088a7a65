#pragma once

#include "platform/FoaieDeCalcul.h"

class ArhivaGsf;

// An Excel 97-2003 (BIFF8) or Excel 5/95 (BIFF5/7) workbook: the OLE2 file already opened.
RegistruDeCalcul citesteXls(const ArhivaGsf& arhiva);
