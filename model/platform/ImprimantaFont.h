#pragma once

#include "platform/Imprimanta.h"

#include <QFont>

class QPaintDevice;

// A Qt font whose cell (ascent + descent) is the height asked for, in pixels of the device
// (the screen when none). Qt's pixel sizes are whole, so the cell is the tallest one that is
// not taller than asked; "Arial" resolves to its metric-compatible face.
QFont fontDupaCelula(const CerereFont& cerere, const QPaintDevice* dispozitiv = nullptr);
