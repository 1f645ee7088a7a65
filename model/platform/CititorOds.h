#pragma once

#include "platform/FoaieDeCalcul.h"

class ArhivaGsf;

// An OpenDocument spreadsheet (.ods): the zip already opened. A cell shows the text its
// paragraphs hold, as written by the program that saved it.
RegistruDeCalcul citesteOds(const ArhivaGsf& arhiva);
