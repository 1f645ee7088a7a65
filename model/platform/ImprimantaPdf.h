#pragma once

#include "platform/Imprimanta.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <map>
#include <memory>

class QPaintDevice;
class QPdfWriter;

// The text and picture operations of a printer on a Qt painter: the fonts made for a device,
// kept with their measures, and texts drawn from their cell's corner, cut and turned.
class ScrisPeDispozitiv {
public:
    // Forgets the fonts made so far: a new device or new settings measure afresh.
    void uita();
    void creeazaFont(const CerereFont& cerere, const QPaintDevice* dispozitiv, QPainter& painter);
    QSize masoaraText(const QString& text, const QPaintDevice* dispozitiv) const;
    void scrieText(QPainter& painter, QPoint punct, const QRect& taiere, const QString& text,
                   const QPaintDevice* dispozitiv) const;
    // A painter at the start of a page: black pen, no brush, the current font, drawing from
    // the given corner.
    void pregatestePagina(QPainter& painter, QPoint colt) const;

private:
    QFontMetrics metrica(const QPaintDevice* dispozitiv) const;

    QFont font_;
    // The measures of every font made, kept so that Qt keeps their engines: a batch asks for
    // the same few hundred sizes again on every page.
    std::map<QString, QFontMetrics> metrici_;
    const QFontMetrics* metrica_ = nullptr;
    int inclinare_ = 0;
};

// A printer that writes every job to a new PDF file in the data folder's "PDF" folder: A4 at
// 600 dots per inch, no hardware margins, the sheet turned as the settings say. Needs no
// print system and no widgets.
class ImprimantaPdf : public Imprimanta {
public:
    ImprimantaPdf();
    ~ImprimantaPdf() override;

    static QString nume() { return QStringLiteral("Fisier PDF"); }
    static constexpr int rezolutie = 600;
    // Where the files go.
    static QString dosar();

    QStringList imprimante() const override { return {nume()}; }
    int indexCurent() const override { return 0; }
    void selecteaza(int index) override;
    void pregatesteSetari(const SetariDispozitiv& setari) override;

    void incepeLucrare(const QString& titlu) override;
    void terminaLucrare() override;
    void paginaNoua() override;
    void anuleazaLucrare() override;
    bool inLucru() const override;

    ZonaTiparibila zonaTiparibila() const override;
    PaginaFizica paginaFizica() const override;

    void creeazaFont(const CerereFont& cerere) override;
    QSize masoaraText(const QString& text) override;
    void scrieText(QPoint punct, const QRect& taiere, const QString& text) override;
    void intindeImagine(QSvgRenderer& imagine, const QRect& dreptunghi) override;

    // The file the last job wrote; empty before the first and after a cancelled one.
    QString ultimulFisier() const { return ultimul_; }

private:
    QPageLayout asezare() const;
    QString fisierNou(const QString& titlu) const;
    // The device fonts are measured on: the open job's, else one that writes nowhere.
    const QPaintDevice* dispozitivMasura() const;

    SetariDispozitiv setari_;
    std::unique_ptr<QPdfWriter> lucrare_;
    QString fisierInLucru_;
    QString ultimul_;
    mutable QBuffer nicaieri_;
    mutable std::unique_ptr<QPdfWriter> masura_;
    QPainter painter_;
    ScrisPeDispozitiv scris_;
};
