#pragma once

#include "data/ExportLista.h"
#include "data/UProfilDiploma.h"

#include <QStringList>
#include <vector>

// A profile field the student list can export: the student's own and its school's.
struct CampDeExportat {
    CheieCamp cheie;
    QString eticheta; // as the record editor shows it, without its group and suffix
    bool nota = false;
    QString text() const { return cheie.formular + u'.' + cheie.pagina + u'.' + cheie.camp; }
};

// Every field linked to a student or to an entity table, in profile order; the caller holds Tr.
std::vector<CampDeExportat> CampuriDeExportat();

// The students' table: the display expression first (when asked for), then the fields, with the
// values the certificate prints, read in bulk a block at a time.
TabelDeExportat TabelElevi(std::vector<int> idElevi, std::vector<CampDeExportat> campuri, bool cuDescriere);

// Every student's id, in id order.
std::vector<int> IduriElevi();

// "Absolventi <year>.xlsx" in the user's documents folder.
QString FisierPropusElevi();

// The fields chosen last time (their keys), and the display expression's place among them.
QStringList UltimeleCampuriExportate();
void PastreazaCampurileExportate(const QStringList& chei);
// The key that stands for the display expression in the remembered choice.
inline const QString CheieDescriere = QStringLiteral("*");
