#pragma once

#include "entry/UModelLinii.h"

#include <QFrame>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;
class THandlerFormularDePrintat;

struct TLinieElev : TLinieDescrisa {};
using TListaLiniiElevi = std::vector<std::unique_ptr<TLinieElev>>;

// The student list that fills the main window: every student described by the profile's
// display expression, a search box, adding, modifying, deleting, and one button per printable
// form in Panel2.
class TListaElevi : public QFrame {
    Q_OBJECT
public:
    explicit TListaElevi(QWidget* owner = nullptr);

    QFrame* Panel2;
    QLabel* Label1;
    QLineEdit* RzEdit1;
    QTreeView* VT;
    TModelLinii* Model;
    QPushButton* RzBitBtn1; // Adauga
    QPushButton* RzBitBtn2; // Modifica
    QPushButton* RzBitBtn3; // Sterge

    TListaLiniiElevi Linii;

    void IncarcaLista();
    void Filtreaza();
    QString VTGetText(const TLinieDescrisa& linie) const { return linie.Descriere; }
    // The id of the first selected student, if any.
    std::optional<int> ElevSelectat() const;
    // Every selected student, in list order.
    std::vector<TLinieDescrisa> EleviSelectati() const;

    // Makes the button of one printable form inside Panel2 (the list places and sizes it).
    using CreatorButonFormular =
        std::function<QWidget*(THandlerFormularDePrintat& handler, TListaElevi& lista)>;
    // Installed once by the form printing part; lists made afterwards carry the buttons.
    static void seteazaCreatorButonFormular(CreatorButonFormular creator);

public slots:
    void RzBitBtn1Click();
    void RzBitBtn2Click();
    void RzBitBtn3Click();
    void RzEdit1Change();

private:
    void CreeazaButoaneleFormularelor();
    void Selecteaza(const std::vector<TLinieDescrisa>& linii);
    void Editeaza(std::optional<int> id);
};
