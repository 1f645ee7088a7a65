#pragma once

#include <QString>

// Whether a text is a valid Romanian personal numeric code: 13 digits, sex digit 1, 2, 5 or 6,
// an existing birth date and the right check digit.
bool CnpValid(const QString& text);
