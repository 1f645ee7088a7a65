#pragma once

#include "data/ExportLista.h"

#include <functional>

class QAbstractItemView;
class QPushButton;
class QWidget;
class TKivVirtualGrid;

// Saves a list to a spreadsheet the user names (the format follows the extension), with a
// progress window that can stop it and a summary at the end. False when nothing was written.
bool ExportaTabel(QWidget* parinte, const TabelDeExportat& tabel, const QString& fisierPropus,
                  OptiuniExport optiuni = {});

// "Exporta..." beside a list's buttons (after the last one in the bar's row) and in the list's
// context menu; both call exporta.
QPushButton* AdaugaExporta(QWidget* bara, QAbstractItemView* lista, std::function<void()> exporta);

// The grid's columns and lines as they show.
TabelDeExportat TabelDinGrila(TKivVirtualGrid& grila, const QString& numeFoaie);
// "Exporta..." in the grid's context menu.
void AdaugaExportaGrila(TKivVirtualGrid& grila, const QString& numeFoaie);
