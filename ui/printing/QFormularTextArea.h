#pragma once

#include "platform/Imprimanta.h"
#include "printing/UMachetaVardolin.h"

#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

class TFontFormular;
class TFormularDePrintat;

// One text of a printed form: millimetre geometry, text, named font, alignment. A light
// alien (non-native) widget, child of its page.
class TFormularTextArea : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double _Top READ _Top WRITE set_Top)
    Q_PROPERTY(double _Left READ _Left WRITE set_Left)
    Q_PROPERTY(double _Width READ _Width WRITE set_Width)
    Q_PROPERTY(double _Height READ _Height WRITE set_Height)
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(TFontFormular* Font READ Font WRITE setFontFormular)
    Q_PROPERTY(double ZoomLock READ ZoomLock WRITE setZoomLock)
    Q_PROPERTY(TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(QString Denumire1 READ Denumire1 WRITE setDenumire1)
    Q_PROPERTY(QString Denumire2 READ Denumire2 WRITE setDenumire2)
    Q_PROPERTY(QString Denumire3 READ Denumire3 WRITE setDenumire3)
    Q_PROPERTY(QStringList SursaText READ SursaText WRITE setSursaText)
    Q_PROPERTY(double p_zoom READ p_zoom WRITE setP_zoom STORED false)
    Q_PROPERTY(double p_dpi READ p_dpi STORED false)
    Q_PROPERTY(QStringList Log READ Log STORED false)

public:
    // The page's alignment under the names the form windows use.
    using TAlignment = AliniereArie;
    static constexpr TAlignment taLeftJustify = AliniereArie::Stanga;
    static constexpr TAlignment taRightJustify = AliniereArie::Dreapta;
    static constexpr TAlignment taCenter = AliniereArie::Centru;

    explicit TFormularTextArea(QWidget* parent = nullptr);
    ~TFormularTextArea() override;

    double _Top() const { return arie_._Top; }
    double _Left() const { return arie_._Left; }
    double _Width() const { return arie_._Width; }
    double _Height() const { return arie_._Height; }
    void set_Top(double mm);
    void set_Left(double mm);
    void set_Width(double mm);
    void set_Height(double mm);

    // Every value of the layout's area at once, with the font its name stands for.
    void setArie(const ArieMacheta& arie, TFontFormular* font);

    QString Text() const { return arie_.Text; }
    void setText(const QString& text);
    TFontFormular* Font() const { return font_; }
    void setFontFormular(TFontFormular* font);
    double ZoomLock() const { return arie_.ZoomLock; }
    void setZoomLock(double zoom) { arie_.ZoomLock = zoom; }
    TAlignment Alignment() const { return arie_.Alignment; }
    void setAlignment(TAlignment alignment) { arie_.Alignment = alignment; }
    QString Denumire1() const { return arie_.Denumire1; }
    QString Denumire2() const { return arie_.Denumire2; }
    QString Denumire3() const { return arie_.Denumire3; }
    void setDenumire1(const QString& valoare) { arie_.Denumire1 = valoare; }
    void setDenumire2(const QString& valoare) { arie_.Denumire2 = valoare; }
    void setDenumire3(const QString& valoare) { arie_.Denumire3 = valoare; }
    QStringList SursaText() const { return sursaText_; }
    void setSursaText(const QStringList& linii) { sursaText_ = linii; }
    QStringList Log() const { return log_; }

    // The page's zoom and screen resolution; 100 and 96 when the parent is not a page.
    double p_zoom() const;
    void setP_zoom(double zoom);
    double p_dpi() const;
    TFormularDePrintat* pagina() const;

    // Pixel bounds from the millimetres at the page's resolution.
    void ApplyGeometry();
    QString EffectiveText() const;
    virtual void FontChanged();
    virtual void FontReleased();
    virtual void ZoomChanged();

    // The area as printing sees it, with its adjustment.
    AriePagina Descriere() const;
    // Prints the area on the page of the printer's open job, offset by L and T millimetres.
    virtual void PrintArea(Imprimanta& dispozitiv, bool rotate, double L, double T);
    // Where the area lands on the printer page (nudge in millimetres).
    DreptunghiTiparire ComputePrintRect(const ZonaTiparibila& zona, const PaginaFizica& pagina, double L,
                                        double T, double nudgeX = 0.0, double nudgeY = 0.0) const;

    bool MouseOver() const { return mouseOver_; }
    void setMouseOver(bool valoare);

    // The geometry at the first grade placement, recorded once for the life of the area.
    bool TopInitialInregistrat() const { return topInitialInregistrat_; }
    double TopInitial() const { return topInitial_; }
    double LeftInitial() const { return leftInitial_; }
    double WidthInitial() const { return widthInitial_; }
    void InregistreazaTopInitial();

    // The cell height the last paint used on screen, pixels (0 before any paint with a font).
    int inaltimeFontEcran() const { return inaltimeFontEcran_; }
    // Takes the present pixel bounds as already matching the millimetres (after loading).
    void acceptaLimiteleActuale() { limiteCunoscute_ = geometry(); }

signals:
    // The user clicked the area (the adjustment dialog opens on it).
    void clicked(TFormularTextArea* zona);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void limiteSchimbate();
    void preiaMilimetriiDinPixeli();
    bool seIncarca() const;

    // The layout's values (its font by the object below, not by name).
    ArieMacheta arie_;
    TFontFormular* font_ = nullptr;
    QStringList sursaText_;
    QStringList log_;
    bool fisZooming_ = false;
    bool fisSizing_ = false;
    bool mouseOver_ = false;
    bool topInitialInregistrat_ = false;
    double topInitial_ = 0.0, leftInitial_ = 0.0, widthInitial_ = 0.0;
    int inaltimeFontEcran_ = 0;
    // The pixel bounds the millimetres were last laid out to or taken from; Qt delivers the
    // resize of a hidden widget only when it is shown, and such a late event must not be
    // mistaken for an edit.
    QRect limiteCunoscute_;
};

// The adjustment of an area, or none: through the installed lookup, else through the
// process-wide adjustments once they were loaded; nothing before.
std::optional<TAjustareTextArea> FindCustomisation(const TFormularTextArea& zona);
using CautareAjustare = std::function<std::optional<TAjustareTextArea>(const TFormularTextArea&)>;
void instaleazaCautareAjustare(CautareAjustare cautare);

class TParticularizareTextArea;
// The name of the window that owns the area: the component name of its top-level window.
QString NumeFereastraProprietar(const TFormularTextArea& zona);
// The area's adjustment (created and saved when missing and creeaza is set), with its font
// resolved among the window's components; none when there is no record.
TParticularizareTextArea* FindCustomisation(const TFormularTextArea& zona, bool creeaza);
