#pragma once

#include "entry/UEditorCampSimplu.h"

// The editor of a school's registry code ("SIRUES"): plain text, no list of values, no format check.
class TEditorCampSirues : public TEditorCampSimplu {
    Q_OBJECT
public:
    explicit TEditorCampSirues(QWidget* owner = nullptr) : TEditorCampSimplu(owner) {}
};
