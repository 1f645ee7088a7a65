#pragma once

#include "entry/Currency.h"
#include "entry/URomana.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QWidget>

class QPainter;

// The control library's own single-line edits: self-drawn, with six visual states whose look
// comes from one shared style repository, and every change of the text offered to AcceptText.

enum class TKivVariation {
    cvNoVariation,
    cvLiteBlue,
    cvLiteGreen,
    cvLiteRed,
    cvLiteLiteBlue,
    cvLiteLiteGreen,
    cvLiteLiteRed,
    cvLite,
    cvLiteLite
};

// A base colour with a fixed shift of its red, green and blue.
class TKivColorVariation : public QObject {
    Q_OBJECT
    Q_PROPERTY(TColor BaseColor READ BaseColor WRITE SetBaseColor NOTIFY Schimbat)
    Q_PROPERTY(TKivVariation Variation READ Variation WRITE SetVariation NOTIFY Schimbat)
public:
    explicit TKivColorVariation(QObject* parinte = nullptr, TColor baza = clWindow,
                                TKivVariation variatie = TKivVariation::cvNoVariation);

    TColor BaseColor() const { return baza_; }
    void SetBaseColor(TColor culoare);
    TKivVariation Variation() const { return variatie_; }
    void SetVariation(TKivVariation variatie);

    // The colour to paint with (red, green, blue; system colours resolved).
    TColor Culoare() const;
    QColor QCuloare() const { return CuloareInQColor(Culoare()); }

    // The colour shifted by a variation; "Don't know variation" for a value outside the list.
    static TColor Aplica(TKivVariation variatie, TColor culoare);

signals:
    void Schimbat();

private:
    TColor baza_;
    TKivVariation variatie_;
};

class TKivTextEditStyle : public QObject {
    Q_OBJECT
    Q_PROPERTY(TKivColorVariation* BkColor READ BkColor CONSTANT)
    Q_PROPERTY(TKivColorVariation* BorderColor READ BorderColor CONSTANT)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth NOTIFY Schimbat)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont NOTIFY Schimbat)
    Q_PROPERTY(TKivColorVariation* FontColor READ FontColor CONSTANT)
public:
    explicit TKivTextEditStyle(QObject* parinte = nullptr);

    TKivColorVariation* BkColor() const { return bk_; }
    TKivColorVariation* BorderColor() const { return border_; }
    TKivColorVariation* FontColor() const { return fontColor_; }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int latime);
    QFont Font() const { return font_; }
    void SetFont(const QFont& font);

signals:
    void Schimbat();

private:
    TKivColorVariation* bk_;
    TKivColorVariation* border_;
    TKivColorVariation* fontColor_;
    int borderWidth_ = 1;
    QFont font_;
};

class TKivTextEditStyleRepository : public QObject {
    Q_OBJECT
    Q_PROPERTY(TKivTextEditStyle* Cold READ Cold CONSTANT)
    Q_PROPERTY(TKivTextEditStyle* Hot READ Hot CONSTANT)
    Q_PROPERTY(TKivTextEditStyle* Hover READ Hover CONSTANT)
    Q_PROPERTY(TKivTextEditStyle* ReadOnlyCold READ ReadOnlyCold CONSTANT)
    Q_PROPERTY(TKivTextEditStyle* ReadOnlyHot READ ReadOnlyHot CONSTANT)
    Q_PROPERTY(TKivTextEditStyle* ReadOnlyHover READ ReadOnlyHover CONSTANT)
public:
    explicit TKivTextEditStyleRepository(QObject* parinte = nullptr);

    // The repository every edit uses, made on first use and owned by the application object.
    static TKivTextEditStyleRepository* Comun();

    TKivTextEditStyle* Cold() const { return stiluri_[3]; }
    TKivTextEditStyle* Hover() const { return stiluri_[4]; }
    TKivTextEditStyle* Hot() const { return stiluri_[5]; }
    TKivTextEditStyle* ReadOnlyCold() const { return stiluri_[0]; }
    TKivTextEditStyle* ReadOnlyHover() const { return stiluri_[1]; }
    TKivTextEditStyle* ReadOnlyHot() const { return stiluri_[2]; }
    // The style of a visual state 0 to 5; "Don't know state" otherwise.
    TKivTextEditStyle* PentruStare(int stare) const;

signals:
    void Schimbat();

private:
    TKivTextEditStyle* stiluri_[6];
};

// A self-drawn control that never wraps its focus moves around the window.
class TKivBaseControl : public QWidget {
    Q_OBJECT
public:
    explicit TKivBaseControl(QWidget* parinte = nullptr);

    // Focus to the next control inside the parent in tab order; none after the last one.
    void FocusNext();
};

// A control with the six visual states: 0-2 read-only (idle, hover, focused), 3-5 editable.
class TKivFieldBasedControl : public TKivBaseControl {
    Q_OBJECT
    Q_PROPERTY(int Stare READ Stare WRITE SetState)
public:
    explicit TKivFieldBasedControl(QWidget* parinte = nullptr);

    // Mouse-in-window message that ends the hover look.
    static constexpr int MesajMouseAfara = 1124;

    int Stare() const { return stare_; }
    void SetState(int stare);
    bool ReadOnly() const { return stare_ < 3; }

    virtual TKivTextEditStyle* StyleForState(int stare) const;
    virtual TKivTextEditStyleRepository* StyleRepository() const;

protected:
    virtual void PaintState(QPainter& p, int stare);
    void paintEvent(QPaintEvent*) override;
    bool event(QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

    int grup() const { return ReadOnly() ? 0 : 3; }

private:
    int stare_ = 3;
};

// The text with a caret before character p (1 to length + 1) and a selection of s characters
// (s > 0: from p on; s < 0: the -s before p).
class TKivCustomTextEdit : public TKivFieldBasedControl {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText NOTIFY OnChange)
    Q_PROPERTY(bool KeepSelection READ KeepSelection WRITE SetKeepSelection)
    Q_PROPERTY(bool RightAlignNonEdit READ RightAlignNonEdit WRITE SetRightAlignNonEdit)
    Q_PROPERTY(bool AutoSelectOnEnter READ AutoSelectOnEnter WRITE SetAutoSelectOnEnter)
public:
    explicit TKivCustomTextEdit(QWidget* parinte = nullptr);

    QString Text() const { return text_; }
    // A rejected text leaves everything as it was, without a message.
    void SetText(const QString& text);
    bool KeepSelection() const { return keepSelection_; }
    void SetKeepSelection(bool pastreaza);
    bool RightAlignNonEdit() const { return rightAlign_; }
    void SetRightAlignNonEdit(bool dreapta);
    bool AutoSelectOnEnter() const { return autoSelect_; }
    void SetAutoSelectOnEnter(bool selecteaza) { autoSelect_ = selecteaza; }

    int Caret() const { return p_; }
    int Selectie() const { return s_; }
    QString TextSelectat() const;
    void SelecteazaTot();

    // May change the candidate (the numeric edit turns "." into ","); false refuses it.
    virtual bool AcceptText(QString& candidat) const;

signals:
    void OnChange();
    void OnLeft();
    void OnRight();
    void OnUp(int key, Qt::KeyboardModifiers shift);
    void OnDown(int key, Qt::KeyboardModifiers shift);

protected:
    // The part of the text about to be drawn.
    enum class Parte { Inainte, Selectie, Dupa };

    virtual void PaintText(QPainter& p);
    virtual void AdjustTextColour(QPainter& p, Parte parte);

    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

    QFont fontStare() const;
    // Where the text starts, in pixels from the left edge.
    int startText() const;

private:
    bool trateazaTasta(QKeyEvent* e);
    bool trateazaNavigare(int tasta, bool shift, bool ctrl);
    void insereaza(const QString& bucata);
    void stergeLangaCaret(bool inainte);
    void mutaCaret(int p);
    void extindeSelectiaLa(int capat);
    void copiaza() const;
    void lipeste();
    void taie();
    int inceputCuvantAnterior(int pozitie) const;
    int inceputCuvantUrmator(int pozitie) const;
    int pozitieLaX(int x) const;
    int inceputSelectie() const { return s_ >= 0 ? p_ : p_ + s_; }
    int sfarsitSelectie() const { return s_ >= 0 ? p_ + s_ : p_; }

    QString text_;
    int p_ = 1;
    int s_ = 0;
    bool keepSelection_ = false;
    bool rightAlign_ = false;
    bool autoSelect_ = true;
    bool clicDoarFocalizeaza_ = false;
    bool tragere_ = false;
};

class TKivTextEdit : public TKivCustomTextEdit {
    Q_OBJECT
public:
    explicit TKivTextEdit(QWidget* parinte = nullptr) : TKivCustomTextEdit(parinte) {}
};

// Keeps its value as text with a decimal comma and reads or writes it as whole numbers,
// hundredths, ten-thousandths or Currency (exact ten-thousandths, see entry/Currency.h).
class TKivNumEdit : public TKivTextEdit {
    Q_OBJECT
    Q_PROPERTY(bool NoDots READ NoDots WRITE SetNoDots)
    Q_PROPERTY(int NrCifreDupaVirgula READ NrCifreDupaVirgula WRITE SetNrCifreDupaVirgula)
    Q_PROPERTY(qint64 FaraZecimale READ FaraZecimale WRITE SetFaraZecimale)
    Q_PROPERTY(qint64 CuDouaZecimale READ CuDouaZecimale WRITE SetCuDouaZecimale)
    Q_PROPERTY(qint64 CuPatruZecimale READ CuPatruZecimale WRITE SetCuPatruZecimale)
    Q_PROPERTY(qint64 CuDoiPatruZecimale READ CuDoiPatruZecimale WRITE SetCuDoiPatruZecimale)
    Q_PROPERTY(Currency AsCurrency READ AsCurrency WRITE SetAsCurrency)
public:
    explicit TKivNumEdit(QWidget* parinte = nullptr);

    bool NoDots() const { return noDots_; }
    void SetNoDots(bool faraPuncte);
    int NrCifreDupaVirgula() const { return cifreDupaVirgula_; }
    void SetNrCifreDupaVirgula(int cifre) { cifreDupaVirgula_ = cifre; }

    qint64 FaraZecimale() const;
    void SetFaraZecimale(qint64 v);
    qint64 CuDouaZecimale() const;
    void SetCuDouaZecimale(qint64 v);
    qint64 CuPatruZecimale() const;
    void SetCuPatruZecimale(qint64 v);
    qint64 CuDoiPatruZecimale() const;
    void SetCuDoiPatruZecimale(qint64 v);
    Currency AsCurrency() const;
    void SetAsCurrency(Currency v);

    bool AcceptText(QString& candidat) const override;

protected:
    void PaintText(QPainter& p) override;
    void AdjustTextColour(QPainter& p, Parte parte) override;

private:
    qint64 cuZecimale(int cifre) const;
    void scrieCuZecimale(qint64 v, int cifre);

    bool noDots_ = false;
    int cifreDupaVirgula_ = 2;
};
