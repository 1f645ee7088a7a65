#pragma once

#include "entry/UEditorGeneric.h"

#include <QFrame>
#include <vector>

class QLabel;

// A group box of the record editor: the group's caption over a body holding its editors and
// grouping lines.
class TFrmGrup : public QFrame {
    Q_OBJECT
public:
    explicit TFrmGrup(QWidget* owner = nullptr);

    static constexpr int InaltimeEticheta = 18;
    // Room around the body: the rounded border and the space below the last editor.
    static constexpr int Rezerva = 16;

    QLabel* EtichetaGrup;
    QWidget* PanelSuport;
    QString NumeGrup;

    // Puts a control (an editor or a grouping line) at the bottom of the body.
    void Adauga(QWidget* control);
    // Fits the height to what the body holds.
    void Dimensioneaza();

protected:
    void paintEvent(QPaintEvent* e) override;
};

// The group frames of one build, in order; they belong to the record editor.
class TListaFrmGrup {
public:
    int Count() const { return int(grupuri_.size()); }
    TFrmGrup* Items(int i) const { return grupuri_.at(size_t(i)); }
    void Add(TFrmGrup* grup) { grupuri_.push_back(grup); }
    auto begin() const { return grupuri_.begin(); }
    auto end() const { return grupuri_.end(); }

private:
    std::vector<TFrmGrup*> grupuri_;
};

// A strip of editors side by side, their widths shared by their suggested widths.
class TLinieGrupare : public QFrame {
    Q_OBJECT
public:
    explicit TLinieGrupare(QWidget* owner = nullptr);

    TListaEditorGeneric Editori;

    void Adauga(TEditorGeneric* editor);
    // The line layout: each editor gets its share of the width, at least 16 pixels.
    void Aranjeaza();

protected:
    void resizeEvent(QResizeEvent* e) override;
};

// The width an editor gets on a line of inner width w whose suggested widths add up to suma.
// Lines without suggested widths share the width equally.
int LatimeInLinie(int w, int latimeSugerata, int suma, int numarEditori);
