#pragma once

#include "platform/Ghid.h"

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;
class QTreeWidget;

// The user guide inside the program: contents, search, back and forward over its pages.
// One window for the whole program; asked again, it comes to the front at the new place.
class TGhidUtilizator : public QWidget {
    Q_OBJECT
public:
    // Shows the guide at a place ("pagina.html#ancora"; empty: the first page). While a modal
    // window is open the guide becomes its child window, so it can be used beside it.
    static TGhidUtilizator* Arata(const QString& tinta = {});
    // The section of a window (its class or a base class listed by the guide), else the first page.
    static TGhidUtilizator* ArataPentru(const QWidget* fereastra);
    // The open window, if any.
    static TGhidUtilizator* Deschis();

    // Another folder than the one inside the program (tests); before the first Arata.
    static void FolosesteDosarul(const QString& dosar);

    void Deschide(const QString& tinta);
    // The place shown ("pagina.html#ancora").
    QString Locul() const;
    const Ghid& ghid() const { return ghid_; }

    QTreeWidget* Cuprins;
    QLineEdit* Cautare;
    QListWidget* Rezultate;
    QTextBrowser* Pagina;
    QPushButton* Inapoi;
    QPushButton* Inainte;
    QPushButton* Acasa;

protected:
    bool eventFilter(QObject* obiect, QEvent* e) override;

private:
    explicit TGhidUtilizator(const QString& dosar);
    static TGhidUtilizator* creata();
    void umpleCuprinsul();
    void cauta();
    void langaFereastraModala();

    Ghid ghid_;
    QPointer<QWidget> modala_;
};

// F1 in any window of the program opens the guide at that window's section.
void InstaleazaAjutorF1();
