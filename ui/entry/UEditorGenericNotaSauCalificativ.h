#pragma once

#include "entry/UEditorCampSimplu.h"

// The editor of a grade in digits or in words ("NOTA sau CALIFICATIV"): plain text, no list of values, no
// format check.
class TEditorGenericNotaSauCalificativ : public TEditorCampSimplu {
    Q_OBJECT
public:
    explicit TEditorGenericNotaSauCalificativ(QWidget* owner = nullptr) : TEditorCampSimplu(owner) {}
};
