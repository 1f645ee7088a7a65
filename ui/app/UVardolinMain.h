#pragma once

#include <QMainWindow>
#include <functional>

class QAction;
class QMenu;
class TListaElevi;

// The main window: the student list and the menu of the configuration windows.
class TVardolineMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TVardolineMain(QWidget* owner = nullptr);

    QMenu* Configurare1;
    QAction* Configurarediploma1;
    QAction* Configurarescoala1;
    QAction* Formatnote1;
    QAction* ImportdinExcel1;
    QAction* AnuleazaPreluarea1;
    QAction* BazaDeDate1;
    QAction* SalvareBaza1;
    QAction* RestaurareBaza1;
    QAction* SalvariAutomate1;
    QAction* VerificaBaza1;
    QMenu* Configurareimprimanta1;
    QAction* Configurareimprimanta2;
    QMenu* Help1;
    QAction* GhidulUtilizatorului1;
    QAction* Desprenoi1;
    QAction* Despreaplicatie1;
    TListaElevi* ListaElevi = nullptr;

public slots:
    void Configurarediploma1Click();
    void Configurarescoala1Click();
    void Formatnote1Click();
    void Configurareimprimanta2Click();
    void ImportdinExcel1Click();
    void AnuleazaPreluarea1Click();
    void BazaDeDate1Click();
    void SalvareBaza1Click();
    void RestaurareBaza1Click();
    void SalvariAutomate1Click();
    void VerificaBaza1Click();
    // Where the data is and how many students it holds.
    void ActualizeazaTitlul();

private:
    void FormCreate();
    void creeazaMeniul();
    void reincarcaLista();
};

// Fits the main window to the monitor under the mouse pointer.
void DimensioneazaFereastraPrincipala(QWidget* fereastra);

// The two start-up screens: the code page window when needed, then the splash.
void AfiseazaSplash(const QString& text);

// A count of students as the title says it: "1 elev", "5 elevi", "20 de elevi".
QString NumarDeElevi(qint64 n);
