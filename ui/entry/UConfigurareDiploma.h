#pragma once

#include "data/UProfilDiploma.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QPushButton;
class QTableView;

// The profile rows the configuration list shows.
using TListaLiniiTProfil = std::vector<std::unique_ptr<TLinieProfil>>;

// The rows of the configuration list; their texts come from the window's text handler.
class TModelLiniiProfil : public QAbstractTableModel {
    Q_OBJECT
public:
    using TextCelula = std::function<QString(const TLinieProfil&, int coloana)>;

    TModelLiniiProfil(const TListaLiniiTProfil& linii, TextCelula text, QObject* parinte);

    int rowCount(const QModelIndex& parinte = {}) const override;
    int columnCount(const QModelIndex& parinte = {}) const override;
    QVariant data(const QModelIndex& index, int rol) const override;
    QVariant headerData(int sectiune, Qt::Orientation o, int rol) const override;

    // Call around every change of the lines.
    void IncepeSchimbarea() { beginResetModel(); }
    void TerminaSchimbarea() { endResetModel(); }

private:
    const TListaLiniiTProfil& linii_;
    TextCelula text_;
};

// "Configurare Diploma": every profile row with its similar-with setting and its owner table;
// "Modifica" changes those two of the selected row.
class TConfigurareDiploma : public QDialog {
    Q_OBJECT
public:
    explicit TConfigurareDiploma(QWidget* owner = nullptr);

    QTableView* VT;
    TModelLiniiProfil* Model;
    QPushButton* RzBitBtn3; // Modifica
    TListaLiniiTProfil Linii;

    // Rereads the rows from the database.
    void IncarcaLinii();
    QString VTGetText(const TLinieProfil& linie, int coloana) const;
    // The first selected row's line, or nullptr.
    const TLinieProfil* LiniaSelectata() const;

public slots:
    void RzBitBtn3Click();

private:
    void FormCreate();
    void Selecteaza(const QString& codFormular, const QString& codPagina, const QString& codCamp);
};
