#pragma once

#include "platform/Imprimanta.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <optional>

class QPainter;
class QPaintDevice;

// A printer over a painter that is already drawing on a screen or a picture: the preview and
// the pictures of the page go through the renderer as paper does. There are no jobs and no
// pages here; fonts are measured as on the device given (the screen when none).
class ImprimantaEcran : public Imprimanta {
public:
    ImprimantaEcran(QPainter& pictor, QSize marime, const QPaintDevice* metrica = nullptr);

    // The colour the text is written in (black unless told).
    void setCuloare(const QColor& culoare) { culoare_ = culoare; }
    // The current font's ascent and descent, pixels (0 before any font).
    int ascent() const { return metrici_ ? metrici_->ascent() : 0; }
    int descent() const { return metrici_ ? metrici_->descent() : 0; }

    QStringList imprimante() const override { return {}; }
    int indexCurent() const override { return 0; }
    void selecteaza(int) override {}
    void pregatesteSetari(const SetariDispozitiv&) override {}
    void incepeLucrare(const QString&) override {}
    void terminaLucrare() override {}
    void paginaNoua() override {}
    void anuleazaLucrare() override {}
    bool inLucru() const override { return true; }

    // The device's pixels, one per pixel: the whole of it is printable.
    ZonaTiparibila zonaTiparibila() const override;
    PaginaFizica paginaFizica() const override;

    void creeazaFont(const CerereFont& cerere) override;
    QSize masoaraText(const QString& text) override;
    void scrieText(QPoint punct, const QRect& taiere, const QString& text) override;
    void intindeImagine(QSvgRenderer& imagine, const QRect& dreptunghi) override;

private:
    QPainter& pictor_;
    QSize marime_;
    const QPaintDevice* metrica_;
    QFont font_;
    std::optional<QFontMetrics> metrici_; // of the current font
    int inclinare_ = 0;
    QColor culoare_ = Qt::black;
};
