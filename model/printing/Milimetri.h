#pragma once

// Screen resolution of a page at a zoom in percent, pixels per inch.
double RezolutieEcran(double zoom);
// Millimetres to whole pixels, truncated; the product is carried in extended precision and
// rounded to double first, so whole results stay whole.
int MmToPixels(double mm, double dpi);
double PixelsToMm(int px, double dpi);
