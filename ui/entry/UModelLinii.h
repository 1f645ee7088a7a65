#pragma once

#include <QAbstractListModel>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QPushButton;
class QTreeView;

// A row of a list window: the record's id and the text that describes it.
struct TLinieDescrisa {
    int Id = 0;
    QString Descriere;
};

// The rows a list control shows: references to lines owned elsewhere; their text comes from the
// owner's text handler each time the control paints.
class TModelLinii : public QAbstractListModel {
    Q_OBJECT
public:
    using TextLinie = std::function<QString(const TLinieDescrisa&)>;

    TModelLinii(QString antet, TextLinie text, QObject* parinte);

    int rowCount(const QModelIndex& parinte = {}) const override;
    QVariant data(const QModelIndex& index, int rol) const override;
    QVariant headerData(int sectiune, Qt::Orientation o, int rol) const override;

    void Goleste();
    void Seteaza(std::vector<const TLinieDescrisa*> randuri);
    const TLinieDescrisa* Linie(int rand) const { return randuri_.at(size_t(rand)); }

private:
    QString antet_;
    TextLinie text_;
    std::vector<const TLinieDescrisa*> randuri_;
};

// A list control with one column of the given heading and width; the whole row is selected.
QTreeView* CreeazaListaVT(QWidget* parinte, TModelLinii* model, int latimeColoana);
// The first selected row's line, or nullptr.
const TLinieDescrisa* PrimaLinieSelectata(const QTreeView* vt);

// Colours of the list windows' buttons: face F4F4F0, highlight 6A8DF4, hot tracking FFC73C.
QString StilButoane();

// The bar under a list with "Adauga", "Modifica" and "Sterge" (RzBitBtn1 to RzBitBtn3).
struct BaraButoaneLista {
    QWidget* bara;
    QPushButton* adauga;
    QPushButton* modifica;
    QPushButton* sterge;
};
BaraButoaneLista CreeazaBaraButoaneLista(QWidget* parinte, int inaltime, int margineVerticala);

// The column at the right of a record window with "Ok" (RzBitBtn1) and "Renunt" (RzBitBtn2).
struct ColoanaOkRenunt {
    QWidget* coloana;
    QPushButton* ok;
    QPushButton* renunt;
};
ColoanaOkRenunt CreeazaColoanaOkRenunt(QWidget* parinte, int latime);
