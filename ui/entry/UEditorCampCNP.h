#pragma once

#include "entry/Cnp.h"
#include "entry/UEditorCampSimplu.h"

// The editor of a personal numeric code: saving an invalid code needs the user's consent.
class TEditorCampCNP : public TEditorCampSimplu {
    Q_OBJECT
public:
    explicit TEditorCampCNP(QWidget* owner = nullptr) : TEditorCampSimplu(owner) {}

    bool PotSalva() override;
};
