#pragma once

#include "entry/UEditorCampSimplu.h"

// Whether a text is a valid Romanian personal numeric code: 13 digits, sex digit 1, 2, 5 or 6,
// an existing birth date and the right check digit.
bool CnpValid(const QString& text);

// The editor of a personal numeric code: saving an invalid code needs the user's consent.
class TEditorCampCNP : public TEditorCampSimplu {
    Q_OBJECT
public:
    explicit TEditorCampCNP(QWidget* owner = nullptr) : TEditorCampSimplu(owner) {}

    bool PotSalva() override;
};
