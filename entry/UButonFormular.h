#pragma once

#include <QPointer>
#include <QPushButton>

class TListaElevi;
class THandlerFormularDePrintat;

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
