#pragma once

#include "platform/FoaieDeCalcul.h"

class ArhivaGsf;

// An Office Open XML workbook (.xlsx): the zip already opened.
RegistruDeCalcul citesteXlsx(const ArhivaGsf& arhiva);
