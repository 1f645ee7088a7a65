#pragma once

#include "printing/UMachetaVardolin.h"

#include <QImage>
#include <QPainter>

// Draws a plausible blank side of the certificate at the positions of the layout: paper,
// frames, printed captions, guide lines under the areas and the digit boxes.
class DesenFundal {
public:
    DesenFundal(const PaginaMacheta& pagina, QSize pixeli);
    QImage deseneaza();

private:
    struct Legenda {
        QString inainte; // printed left of the area, on its line
        QString dupa;    // printed right of the area
        QString sub;     // small hint under the guide line
    };

    void hartie();
    void model(const QRectF& zonaMm);
    void chenar(const QRectF& zonaMm, bool dublu);
    void perforatie(double xMm);
    void texteFixe();
    void tabelNote(double stanga, double dreapta, bool cotor);
    void arie(const ArieMacheta& a);
    void casuta(const ArieMacheta& a);
    void liniaDeGhidare(const ArieMacheta& a);
    void legenda(const ArieMacheta& a, const Legenda& l);

    // Text in a box given in mm, with a cell height in mm, shrunk to fit the box's width.
    void text(const QRectF& cutieMm, const QString& text, double inaltimeMm, Qt::Alignment aliniere,
              bool aldin = false, bool serif = false, QColor culoare = QColor(40, 40, 48));
    double latimeText(const QString& text, double inaltimeMm, bool aldin = false) const;
    // Free space left of an area on its line, from the nearest area or the frame.
    double capatStang(const ArieMacheta& a) const;
    double capatDrept(const ArieMacheta& a) const;

    QPointF px(double xMm, double yMm) const { return {xMm * sx_, yMm * sy_}; }
    QRectF px(const QRectF& mm) const { return {px(mm.left(), mm.top()), px(mm.right(), mm.bottom())}; }
    QFont font(double inaltimeMm, bool aldin, bool serif) const;

    const PaginaMacheta& pagina_;
    bool fata_;
    QImage imagine_;
    QPainter p_;
    double sx_, sy_;                      // pixels per millimetre
    double chenarStanga_, chenarDreapta_; // frame edges of the part the area is on
};
