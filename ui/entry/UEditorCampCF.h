#pragma once

#include "entry/UEditorCampSimplu.h"

// The editor of a CF code ("CF"): plain text, no list of values, no format check.
class TEditorCampCF : public TEditorCampSimplu {
    Q_OBJECT
public:
    explicit TEditorCampCF(QWidget* owner = nullptr) : TEditorCampSimplu(owner) {}
};
