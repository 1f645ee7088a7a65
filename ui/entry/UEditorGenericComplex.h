#pragma once

#include "entry/UEditorGeneric.h"
#include "entry/UFrmGrup.h"

#include <QFrame>
#include <map>
#include <memory>

class QTabWidget;
class QScrollArea;

// Editor label "[group]caption{suffix}" taken apart.
struct EtichetaEditor {
    QString grup;
    QString captie;
    QString sufix;
};
EtichetaEditor DesparteEticheta(const QString& eticheta);
// The page tab caption of a page name: blanks become line breaks once 10 characters are in.
QString CaptiePagina(const QString& numePagina);
// A caption reduced to its letters A to Z, lower-cased, as pages are matched.
QString LitereMiciFaraSemne(const QString& text);

// The typed field editor for a data type name; fails for a type it does not know.
TEditorGeneric* CreeazaEditorPentruTip(const QString& tipDeDate, QWidget* owner);

// Puts a control at the bottom of a container of the record editor (a page or a group body).
void AdaugaInContainer(QWidget* container, QWidget* control);

// The record editor: one typed editor per editable profile line of an entity table, on pages
// per form code, in group boxes and on shared lines as the profile says.
class TEditorGenericComplex : public QFrame {
    Q_OBJECT
public:
    explicit TEditorGenericComplex(QWidget* owner = nullptr);
    ~TEditorGenericComplex() override;

    QTabWidget* PC;
    std::unique_ptr<TListaEditorGeneric> Editori;

    void Incarca(int idElev, int idEntitate, const QString& tabel);
    bool PotSalva();
    void Salveaza(int idElev, int idEntitate, const QString& tabel);
    void LaAfisare();

private:
    // What one build keeps while it places the editors.
    struct Constructie {
        std::map<QString, TLinieGrupare*> linii; // by lower-cased key
        TListaFrmGrup grupuri;
    };
    struct Rand {
        QString formular, pagina, camp, tip, similar, linie;
        int latime = 0;
        EtichetaEditor eticheta;
    };

    void ConstruiesteEditorul(Constructie& c, const Rand& r, int idElev, int idEntitate,
                              const QString& tabel);
    QWidget* Container(Constructie& c, const QString& formular, const QString& grup, const QString& linie);
    QWidget* Pagina(const QString& formular);
    QWidget* CreeazaPagina(const QString& numePagina);
    void OrdoneazaTab();
};
