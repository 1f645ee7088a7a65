#pragma once

#include "data/ExportLista.h"

#include <functional>

class QAbstractItemModel;
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

// A table or list model's columns (its header titles) and rows as they show.
TabelDeExportat TabelDinModel(const QAbstractItemModel& model, const QString& numeFoaie);
// "Exporta..." for a list on a model: the button in the bar, the context menu entry, and the file
// proposed in Documents under the sheet's name.
QPushButton* AdaugaExportaModel(QWidget* bara, QAbstractItemView& lista, const QString& numeFoaie);

// The grid's columns and lines as they show.
TabelDeExportat TabelDinGrila(TKivVirtualGrid& grila, const QString& numeFoaie);
// "Exporta..." in the grid's context menu.
void AdaugaExportaGrila(TKivVirtualGrid& grila, const QString& numeFoaie);
