#pragma once

#include <QTranslator>

// Romanian for the texts Qt's own dialogs and menus show (file dialogs, standard buttons, the
// edit menu of text fields): Qt ships no Romanian translation, and the secretaries read no
// English. Installed by the program at start-up.
class TraducereQt : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }
};
