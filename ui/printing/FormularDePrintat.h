#pragma once

#include "printing/FontFormular.h"
#include "printing/Milimetri.h"
#include "printing/PaginaFormular.h"
#include "printing/QFormularTextArea.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

// One side of a pre-printed form: its size in millimetres shown at a zoom over the scanned
// blank form, parent of its text areas.
class TFormularDePrintat : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double Zoom READ Zoom WRITE setZoom)
    Q_PROPERTY(double Latime READ Latime WRITE setLatime)
    Q_PROPERTY(double Inaltime READ Inaltime WRITE setInaltime)
    Q_PROPERTY(bool TextAreaTransparent READ TextAreaTransparent WRITE setTextAreaTransparent)
    Q_PROPERTY(bool TextAreaWithBorder READ TextAreaWithBorder WRITE setTextAreaWithBorder)
    Q_PROPERTY(bool TextAreaBaseLine1 READ TextAreaBaseLine1 WRITE setTextAreaBaseLine1)
    Q_PROPERTY(bool TextAreaBaseLine2 READ TextAreaBaseLine2 WRITE setTextAreaBaseLine2)
    Q_PROPERTY(bool TextAreaTopLine1 READ TextAreaTopLine1 WRITE setTextAreaTopLine1)
    Q_PROPERTY(bool TextAreaTopLine2 READ TextAreaTopLine2 WRITE setTextAreaTopLine2)
    Q_PROPERTY(QColor TextAreaBaseLine1_color READ TextAreaBaseLine1_color WRITE setTextAreaBaseLine1_color)
    Q_PROPERTY(QColor TextAreaBaseLine2_color READ TextAreaBaseLine2_color WRITE setTextAreaBaseLine2_color)
    Q_PROPERTY(QColor TextAreaTopLine1_color READ TextAreaTopLine1_color WRITE setTextAreaTopLine1_color)
    Q_PROPERTY(QColor TextAreaTopLine2_color READ TextAreaTopLine2_color WRITE setTextAreaTopLine2_color)
    Q_PROPERTY(double TextAreaBaseLine2_delta READ TextAreaBaseLine2_delta WRITE setTextAreaBaseLine2_delta)
    Q_PROPERTY(double TextAreaTopLine1_delta READ TextAreaTopLine1_delta WRITE setTextAreaTopLine1_delta)
    Q_PROPERTY(QImage BkImage READ BkImage WRITE setBkImage)
    Q_PROPERTY(double DeltaStanga READ DeltaStanga WRITE setDeltaStanga)
    Q_PROPERTY(double DeltaSus READ DeltaSus WRITE setDeltaSus)
    Q_PROPERTY(QString DenumireFormular READ DenumireFormular WRITE setDenumireFormular)

public:
    explicit TFormularDePrintat(QWidget* parent = nullptr);

    // The zoom is kept within these bounds: beyond them a page is a dot or a picture no memory
    // holds. Not-a-number leaves it as it is.
    static constexpr double ZoomMinim = 1.0;
    static constexpr double ZoomMaxim = 1000.0;
    // Up to this many pixels the stretched background is kept between paints; a larger page
    // draws each exposed part straight from the scan.
    static constexpr qint64 PixeliCacheMaxim = 4096 * 4096;

    double Zoom() const { return zoom_; }
    void setZoom(double zoom);
    double Latime() const { return latime_; }
    void setLatime(double mm);
    double Inaltime() const { return inaltime_; }
    void setInaltime(double mm);
    // Pixels per inch at the present zoom.
    double rezolutie() const { return RezolutieEcran(zoom_); }

    bool TextAreaTransparent() const { return transparent_; }
    void setTextAreaTransparent(bool valoare) { schimbaSiRedeseneaza(transparent_, valoare); }
    bool TextAreaWithBorder() const { return cuChenar_; }
    void setTextAreaWithBorder(bool valoare) { schimbaSiRedeseneaza(cuChenar_, valoare); }
    bool TextAreaBaseLine1() const { return baseLine1_; }
    void setTextAreaBaseLine1(bool valoare) { schimbaSiRedeseneaza(baseLine1_, valoare); }
    bool TextAreaBaseLine2() const { return baseLine2_; }
    void setTextAreaBaseLine2(bool valoare) { schimbaSiRedeseneaza(baseLine2_, valoare); }
    bool TextAreaTopLine1() const { return topLine1_; }
    void setTextAreaTopLine1(bool valoare) { schimbaSiRedeseneaza(topLine1_, valoare); }
    bool TextAreaTopLine2() const { return topLine2_; }
    void setTextAreaTopLine2(bool valoare) { schimbaSiRedeseneaza(topLine2_, valoare); }
    QColor TextAreaBaseLine1_color() const { return baseLine1Color_; }
    void setTextAreaBaseLine1_color(const QColor& c) { schimbaSiRedeseneaza(baseLine1Color_, c); }
    QColor TextAreaBaseLine2_color() const { return baseLine2Color_; }
    void setTextAreaBaseLine2_color(const QColor& c) { schimbaSiRedeseneaza(baseLine2Color_, c); }
    QColor TextAreaTopLine1_color() const { return topLine1Color_; }
    void setTextAreaTopLine1_color(const QColor& c) { schimbaSiRedeseneaza(topLine1Color_, c); }
    QColor TextAreaTopLine2_color() const { return topLine2Color_; }
    void setTextAreaTopLine2_color(const QColor& c) { schimbaSiRedeseneaza(topLine2Color_, c); }
    double TextAreaBaseLine2_delta() const { return baseLine2Delta_; }
    void setTextAreaBaseLine2_delta(double mm) { schimbaSiRedeseneaza(baseLine2Delta_, mm); }
    double TextAreaTopLine1_delta() const { return topLine1Delta_; }
    void setTextAreaTopLine1_delta(double mm) { schimbaSiRedeseneaza(topLine1Delta_, mm); }

    QImage BkImage() const { return bkImage_; }
    void setBkImage(const QImage& imagine);
    double DeltaStanga() const { return deltaStanga_; }
    void setDeltaStanga(double mm) { deltaStanga_ = mm; }
    double DeltaSus() const { return deltaSus_; }
    void setDeltaSus(double mm) { deltaSus_ = mm; }
    QString DenumireFormular() const { return denumireFormular_; }
    void setDenumireFormular(const QString& valoare) { denumireFormular_ = valoare; }

    void UpdatePageSize();
    TFormularTextArea* TextAreaByNumber(int n) const;
    int HighestTextAreaNumber() const;
    void NumberTextAreas();
    // The text areas in child order (the order of filling and printing).
    QList<TFormularTextArea*> zone() const;

    // The page as printing sees it: size, margins and every area with its adjustment.
    PaginaFormular Descriere() const;

    // Prints every area, between the start and the end of a job.
    void PrintPage(bool rotate, double L, double T);
    void PrintPage(Imprimanta& dispozitiv, bool rotate, double L, double T);

    // While the layout is loaded, pixel bounds given to the areas are not turned into millimetres.
    void incepeIncarcarea() { seIncarca_ = true; }
    void terminaIncarcarea();
    bool seIncarca() const { return seIncarca_; }

    // The stretched background, for tests and benchmarks: its size follows the page while the
    // page is small enough to keep it.
    QSize marimeCache() const { return cache_.size(); }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    template <class T> void schimbaSiRedeseneaza(T& camp, const T& valoare) {
        camp = valoare;
        update();
    }
    void reconstruiesteCache();
    void deseneazaFundal(QPainter& p) const;

    double zoom_ = 100.0;
    double latime_ = 10.0;
    double inaltime_ = 10.0;
    bool transparent_ = true;
    bool cuChenar_ = false;
    bool baseLine1_ = false, baseLine2_ = false, topLine1_ = false, topLine2_ = false;
    QColor baseLine1Color_ = QColor(255, 0, 0), topLine1Color_ = QColor(255, 0, 0);
    QColor baseLine2Color_ = QColor(0, 0, 255), topLine2Color_ = QColor(0, 0, 255);
    double baseLine2Delta_ = 1.0, topLine1Delta_ = 1.0;
    QImage bkImage_;
    QPixmap cache_;
    double deltaStanga_ = 0.0, deltaSus_ = 0.0;
    QString denumireFormular_;
    bool seIncarca_ = false;
};
