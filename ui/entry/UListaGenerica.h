#pragma once

#include "entry/UModelLinii.h"

#include <QDialog>
#include <memory>
#include <vector>

class QPushButton;
class QTreeView;

struct TLinieGenerica : TLinieDescrisa {};
using TListaLiniiGenerice = std::vector<std::unique_ptr<TLinieGenerica>>;

// The rows of an entity table other than the students (the school), each described by the
// profile's display expression, with adding, modifying and deleting.
class TListaGenerica : public QDialog {
    Q_OBJECT
public:
    explicit TListaGenerica(QWidget* owner = nullptr);

    QTreeView* VT;
    TModelLinii* Model;
    QPushButton* RzBitBtn1; // Adauga
    QPushButton* RzBitBtn2; // Modifica
    QPushButton* RzBitBtn3; // Sterge

    QString Tabel;
    TListaLiniiGenerice Linii;

    void IncarcaLista();
    QString VTGetText(const TLinieDescrisa& linie) const { return linie.Descriere; }

public slots:
    void RzBitBtn1Click();
    void RzBitBtn2Click();
    void RzBitBtn3Click();

private:
    void Editeaza(std::optional<int> id);
};
