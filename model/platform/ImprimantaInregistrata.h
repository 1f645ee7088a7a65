#pragma once

#include "platform/Imprimanta.h"

#include <vector>

// A printer that prints nothing: it reports the figures it was given and records every
// operation, for tests and tools. Text is measured with the real fonts.
class ImprimantaInregistrata : public Imprimanta {
public:
    struct Inregistrare {
        enum Fel { Inceput, Font, Text, Imagine, Sfarsit, Pagina, Anulare };
        Fel fel;
        CerereFont font;  // Font, and the font current at Text
        QString text;     // Inceput: the job title; Text: the text
        QPoint punct;     // Text
        QRect dreptunghi; // Text: the clipping rectangle; Imagine: the target
    };

    ImprimantaInregistrata(const ZonaTiparibila& zona, const PaginaFizica& pagina);
    // An A4 sheet at the given resolution with the given hardware margins in device pixels.
    static ImprimantaInregistrata a4(int dpi, QPageLayout::Orientation orientare, int offsetX = 0,
                                     int offsetY = 0, int margineDreapta = 0, int margineJos = 0);

    QStringList imprimante() const override { return {QStringLiteral("Inregistrare")}; }
    int indexCurent() const override { return 0; }
    void selecteaza(int index) override;
    void pregatesteSetari(const SetariDispozitiv& setari) override { setari_ = setari; }

    void incepeLucrare(const QString& titlu) override;
    void terminaLucrare() override;
    void paginaNoua() override;
    void anuleazaLucrare() override;
    bool inLucru() const override { return inLucru_; }

    ZonaTiparibila zonaTiparibila() const override { return zona_; }
    PaginaFizica paginaFizica() const override { return pagina_; }

    void creeazaFont(const CerereFont& cerere) override;
    QSize masoaraText(const QString& text) override;
    void scrieText(QPoint punct, const QRect& taiere, const QString& text) override;
    void intindeImagine(QSvgRenderer& imagine, const QRect& dreptunghi) override;

    const std::vector<Inregistrare>& inregistrari() const { return inregistrari_; }
    std::vector<Inregistrare> doar(Inregistrare::Fel fel) const;
    const SetariDispozitiv& setari() const { return setari_; }
    void goleste() { inregistrari_.clear(); }

private:
    ZonaTiparibila zona_;
    PaginaFizica pagina_;
    SetariDispozitiv setari_;
    CerereFont font_;
    bool inLucru_ = false;
    std::vector<Inregistrare> inregistrari_;
};
