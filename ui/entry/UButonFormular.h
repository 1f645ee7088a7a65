#pragma once

#include "entry/UModelLinii.h"

#include <QPointer>
#include <QPushButton>
#include <vector>

class TListaElevi;
class THandlerFormularDePrintat;

// A form window that also prints its side for several students at once: it is told, each time
// it is filled, which students are selected (the first one is the one it shows).
class FereastraCuLot {
public:
    virtual ~FereastraCuLot() = default;
    virtual void SeteazaElevii(std::vector<TLinieDescrisa> elevi) = 0;
};

// The button of one printable form in the student list: fills the form's window with the
// selected student's values and shows it.
class TButonFormular : public QPushButton {
    Q_OBJECT
public:
    TButonFormular(THandlerFormularDePrintat& handler, TListaElevi& lista, QWidget* owner = nullptr);

    THandlerFormularDePrintat* Handler;
    TListaElevi* VT;
    // Made on the first click, owned by the button and reused by every later click.
    QPointer<QWidget> FereastraFormular;

public slots:
    void CompleteazaFormular();

private:
    QWidget& fereastra();
    void arataFereastra();
};

// Every student list made from now on carries one TButonFormular per registered form.
void InstaleazaButoaneleFormularelor();
