#pragma once

#include "entry/UEditorCampSimplu.h"

// The editor of a grade in words ("CALIFICATIV"): plain text, no list of values, no format check.
class TEditorCampCalificativ : public TEditorCampSimplu {
    Q_OBJECT
public:
    explicit TEditorCampCalificativ(QWidget* owner = nullptr) : TEditorCampSimplu(owner) {}
};
