#pragma once

#include <QDialog>
#include <QRect>
#include <QSize>
#include <array>

class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTreeWidget;

// The frame the test pictures stand in: the whole printable page, in the pictures' own units.
inline constexpr QSize cadruTest{677, 1073};

// Where a test picture of the given size lands on a printable page of W x H device pixels:
// centred in the frame, scaled by the page-to-frame ratio across and down separately.
QRect DreptunghiTest(QSize imagine, QSize pagina);

// "Formular pentru pregatirea imprimantei": finds out by three test sheets how the printer
// feeds and turns the sheet, and stores the answers in the print settings.
class TPrintWiz : public QDialog {
    Q_OBJECT
public:
    explicit TPrintWiz(QWidget* owner = nullptr);

    // Shows the wizard modally; after the last page the answers are stored. Returns the result.
    int Arata();

    // The number of the page on screen (0 to 9, 13).
    int PaginaCurenta() const { return pagina_; }
    int PaginaAnterioara(int pagina) const { return anterioare_.at(size_t(pagina)); }
    QWidget* Pagina(int numar) const;

    // The answers, false or 0 until their pages are passed.
    bool OppositeSide = false;
    bool LineRight = false;
    bool LineBottom = false;
    int FeedMode = 0;
    // Set when the last page was passed.
    bool Finalizat = false;

    QStackedWidget* PageControl1;
    QTreeWidget* ListView1;
    // Page 1: from the top, front tray, internal tray.
    std::array<QRadioButton*, 3> Alimentare{};
    // Page 4: sheet upright, sheet upside down.
    QRadioButton* HartieNormala;
    QRadioButton* HartieRasturnata;
    // Pages 6 and 8: the sheet going back in, one picture per feeding mode.
    std::array<QLabel*, 4> Reintroducere{};
    std::array<QLabel*, 4> Reintroducere2{};
    // Page 7.
    QRadioButton* AceeasiParte;
    QRadioButton* ParteaOpusa;
    // Page 8: the instruction after "Pe aceeasi parte" and after "Pe partea opusa".
    QLabel* TextSagetile;
    QLabel* TextHasurata;
    // Page 9: the lines top-left, top-right, bottom-right, bottom-left.
    std::array<QRadioButton*, 4> Linii{};

    QPushButton* RzBitBtn1;   // Inapoi
    QPushButton* NiceButton2; // Inainte
    QPushButton* RzBitBtn3;   // Renunt

public slots:
    void NiceButton2Click();
    void RzBitBtn1Click();
    void RzBitBtn3Click();

protected:
    bool eventFilter(QObject* obiect, QEvent* eveniment) override;

private:
    void FormCreate();
    void alegereLaClic(QLabel* poza, QRadioButton* buton);
    void creeazaAntetul();
    void creeazaButoanele();
    void creeazaPaginile();
    QWidget* paginaNoua(int numar, const QString& titlu);
    QWidget* paginaImprimante();
    QWidget* paginaAlimentare();
    QWidget* paginaText(int numar, const QString& titlu, const QStringList& paragrafe);
    QWidget* paginaReprezentare();
    QWidget* paginaColaAlba();
    QWidget* paginaReintroducere();
    QWidget* paginaParte();
    QWidget* paginaReintroducere2();
    QWidget* paginaLinii();
    QWidget* paginaFinal();

    // Does the step of the page on screen; returns the page that follows, -1 to close.
    int Pas(int pagina);
    void AlegeModulDeAlimentare();
    void PregatestePagina8();
    void TiparesteFoaia(const QString& imagine, const QString& titlu);
    void ArataPagina(int pagina);
    void Finalizeaza() const;

    int pagina_ = 0;
    std::array<int, 14> anterioare_{};
};
