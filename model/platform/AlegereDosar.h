#pragma once

#include <QString>

class QWidget;

// The folder chooser of the replaceable dialogs (platform/Dialoguri.h): a set of dialogs that can
// choose folders also derives from this.
class AlegereDosar {
public:
    virtual ~AlegereDosar() = default;
    // A folder, starting from `initial`; the empty text when the user gives up.
    virtual QString dosar(QWidget* parinte, const QString& titlu, const QString& initial) = 0;
};

// Asks the installed dialogs for a folder; the empty text when the user gives up or the set has no
// folder chooser (the set without windows).
QString alegeDosar(QWidget* parinte, const QString& titlu, const QString& initial);
