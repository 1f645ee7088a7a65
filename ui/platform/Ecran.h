#pragma once

#include <QPoint>
#include <QRect>
#include <memory>
#include <vector>

class QDialog;
class QString;
class QWidget;

// A monitor: its full geometry and its work area (without task bars and panels).
struct Monitor {
    QRect geometrie;
    QRect zonaLucru;
};

// Where the monitors are and where the mouse pointer is; tests put in their own.
class SursaEcran {
public:
    virtual ~SursaEcran() = default;
    virtual QPoint pozitieMouse() const = 0;
    // The primary monitor first.
    virtual std::vector<Monitor> monitoare() const = 0;
};

// Installs another source (tests); nullptr restores the real one.
void seteazaSursaEcran(std::unique_ptr<SursaEcran> sursa);

// The monitor that holds the mouse pointer, or the primary one when none does.
Monitor MonitorulMouseului();

// The top-left corner that centres a window of the given size on a work area; a window larger
// than the work area is aligned to its top-left corner.
QPoint PozitieCentrata(const QSize& fereastra, const QRect& zonaLucru);

// Centres a window on the work area of the monitor under the mouse pointer.
void CentreazaFereastra(QWidget* w);

// A dialog of fixed size with a title bar and a close button, in the forms' Arial of 13 pixels.
void AranjeazaDialogFix(QDialog& d, const QString& nume, const QString& titlu, QSize marime);
