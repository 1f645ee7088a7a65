#pragma once

#include "entry/URomana.h"
#include "platform/Firebird.h"

#include <QFrame>
#include <QString>
#include <optional>
#include <vector>

class QLabel;

// Fills a widget's background with one of the program's colours.
void ColoreazaFundal(QWidget* w, TColor culoare);

// The editor of one field: the field's caption above one input control. It loads the field's
// value of one record from "DATE" and writes it back there.
class TEditorGeneric : public QFrame {
    Q_OBJECT
public:
    explicit TEditorGeneric(QWidget* owner = nullptr);

    // Background of the editors, their margins and labels (RGB F7F6F5).
    static constexpr TColor CuloareFundal = 16119543;
    static constexpr int Inaltime = 36;

    QString CodFormular;
    QString CodPagina;
    QString CodCamp;
    QString Tabel;
    int IdElev = -1;
    int IdEntitate = -1;
    int Id = -1;
    int LatimeSugerata = 0;

    QLabel* Eticheta;

    virtual void Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                         const QString& tabel, int idElev, int idEntitate);
    virtual bool PotSalva();
    virtual void Salveaza(int idElev, int idEntitate, const QString& tabel);
    virtual void LaAfisare() {}

    // The owner row: the student for ELEVI, the entity row for every other table.
    static int IdProprietar(const QString& tabel, int idElev, int idEntitate);

protected:
    // Lays out the common frame around the typed editor's input control.
    void PuneControlul(QWidget* control);
    // The record's stored text, when its first row holds one.
    std::optional<QString> CitesteValoarea() const;
    // Inserts or rewrites the record's value rows with the text trimmed and cut to lungime.
    void ScrieValoarea(const QString& text, int lungime, int idElev, int idEntitate,
                       const QString& tabel) const;
};

// Stored text lengths: text fields and every other type.
constexpr int LungimeText = 256;
constexpr int LungimeScurta = 64;

// The editors of a record editor or of a grouping line, in order; they belong to their window.
class TListaEditorGeneric {
public:
    int Count() const { return int(editori_.size()); }
    TEditorGeneric* Items(int i) const { return editori_.at(size_t(i)); }
    TEditorGeneric* operator[](int i) const { return Items(i); }
    void Add(TEditorGeneric* editor) { editori_.push_back(editor); }
    auto begin() const { return editori_.begin(); }
    auto end() const { return editori_.end(); }

private:
    std::vector<TEditorGeneric*> editori_;
};
