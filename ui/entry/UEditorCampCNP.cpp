#include "entry/UEditorCampCNP.h"

#include "platform/Dialoguri.h"

#include <QLineEdit>

bool TEditorCampCNP::PotSalva() {
    if (CnpValid(Edit->text())) return true;
    return dialoguri().intrebare(
        this, QStringLiteral("Codul numeric personal este eronat! Sigur doriti sa ontinuati?"));
}
