#pragma once

#include "register/Registru.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

// The check after printing: the job's students with the form each one got. A sheet can be
// marked spoiled (its form cancelled with the reason), or never printed (it did not come out of
// the printer: its form, still blank, is free again); either way the student is to be printed
// again. A sheet can also get the number really found on it; "Confirma" confirms the rest, all
// together. Closed without confirming, the entries stay "neconfirmat" and the register says so.
class TVerificareTiparire : public QDialog {
    Q_OBJECT
public:
    TVerificareTiparire(const std::vector<IntrareRegistru>& intrari, const QStringList& observatii,
                        QWidget* parinte = nullptr);

    // The students whose sheet was marked spoiled or never printed, to print again.
    const std::vector<qint64>& DeRetiparit() const { return deRetiparit_; }
    // The question whether to print them again, naming what happened to their forms.
    QString IntrebareRetiparire() const;

    QLabel* Observatii;
    QTableWidget* Lista;
    QPushButton* Stricata;
    QPushButton* Netiparita;
    QPushButton* Corecteaza;
    QPushButton* Confirma;
    QPushButton* MaiTarziu;

private:
    void arata();
    // Marks the chosen sheet with the reason asked (the title names its form) and puts its
    // student among those to print again.
    void scoateFoaia(const QString& titlu, const QString& eticheta,
                     void (*marcheaza)(qint64 idIntrare, const QString& motiv));
    void corecteazaClick();
    void confirmaClick();
    IntrareRegistru* selectata();

    std::vector<IntrareRegistru> intrari_;
    std::vector<qint64> deRetiparit_;
};

// The single print's question for a student who already has a certificate: print again
// cancelling the old form, print a duplicate linked to it, or give up.
enum class RaspunsDejaTiparit { Renunt, Retiparesc, Duplicat };
RaspunsDejaTiparit IntreabaDejaTiparit(QWidget* parinte, const IntrareRegistru& existent);

// The duplicate's reason and the approval (number and date) for a new form replacing `original`;
// false when the user gives up.
bool CereDateleDuplicatului(QWidget* parinte, const IntrareRegistru& original, CerereDuplicat& cerere);
