#pragma once

#include "platform/Imprimanta.h"
#include "platform/ImprimantaPdf.h"
#include "platform/LucrareCups.h"

#include <QPainter>
#include <memory>

class QPrinter;

// The system's printers through Qt (CUPS here, the native spooler on Windows), followed by the
// model's printer that writes every job to a PDF file in the data folder's "PDF" folder.
//
// A CUPS job reaches the scheduler only when it ends; a cancelled one sends nothing. The
// native spooler drops a cancelled job itself.
//
// The job's page is painted in full-page mode, so the painter starts at the sheet's corner;
// it is moved by the hardware margins so that the drawing operations count from the
// printable area's corner, as the figures say.
class ImprimantaSistem : public Imprimanta {
public:
    ImprimantaSistem();
    ~ImprimantaSistem() override;

    static ImprimantaSistem& instanta();
    // Makes the system's printers the program's default printer.
    static void faImplicita();
    static QString numeImprimantaPdf() { return ImprimantaPdf::nume(); }
    static constexpr int rezolutiePdf = ImprimantaPdf::rezolutie;

    QStringList imprimante() const override;
    int indexCurent() const override;
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

    int indexImprimantaPdf() const;
    // The file the last job on the PDF printer wrote; empty before the first.
    QString ultimulFisierPdf() const { return pdf_.ultimulFisier(); }
    // Where the PDF printer puts its files.
    static QString dosarPdf();

private:
    void reconfigureaza();
    bool estePdf() const;
    QMarginsF marginiHardwareMm() const;

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QStringList nume_;
    int index_ = 0;
    SetariDispozitiv setari_;
    ScrisPeDispozitiv scris_;
    ImprimantaPdf pdf_;
#ifdef Q_OS_UNIX
    std::unique_ptr<LucrareCups> lucrareCups_;
#endif
};
