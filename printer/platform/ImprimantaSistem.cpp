#include "platform/ImprimantaSistem.h"

#include "platform/Eroare.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSvgRenderer>
#include <cmath>

namespace {
int pixeli(double mm, int dpi) {
    return static_cast<int>(std::lround(mm * dpi / 25.4));
}
} // namespace

void ImprimantaSistem::faImplicita() {
    alegeImprimantaImplicita([]() -> Imprimanta& { return instanta(); });
}

ImprimantaSistem::ImprimantaSistem() {
    nume_ = QPrinterInfo::availablePrinterNames();
    nume_.append(numeImprimantaPdf());
    index_ = std::max<qsizetype>(0, nume_.indexOf(QPrinterInfo::defaultPrinterName()));
    reconfigureaza();
}

ImprimantaSistem::~ImprimantaSistem() {
    pdf_.terminaLucrare();
    // A job its owner left open does not go to a real printer: nobody recorded its sheets.
    anuleazaLucrare();
}

ImprimantaSistem& ImprimantaSistem::instanta() {
    // Gone with the application object: a printer and its fonts must not outlive it.
    static std::unique_ptr<ImprimantaSistem> instanta;
    if (!instanta) {
        instanta = std::make_unique<ImprimantaSistem>();
        qAddPostRoutine([] { instanta.reset(); });
    }
    return *instanta;
}

QStringList ImprimantaSistem::imprimante() const {
    return nume_;
}

int ImprimantaSistem::indexCurent() const {
    return index_;
}

int ImprimantaSistem::indexImprimantaPdf() const {
    return static_cast<int>(nume_.size()) - 1;
}

bool ImprimantaSistem::estePdf() const {
    return index_ == indexImprimantaPdf();
}

QString ImprimantaSistem::dosarPdf() {
    return ImprimantaPdf::dosar();
}

void ImprimantaSistem::selecteaza(int index) {
    if (index < 0 || index >= nume_.size())
        throw Eroare::format("Imprimanta cu numarul %s nu exista.", {QString::number(index)});
    if (inLucru()) throw Eroare(QStringLiteral("Imprimanta nu poate fi schimbata in timpul tiparirii."));
    index_ = index;
    reconfigureaza();
}

void ImprimantaSistem::pregatesteSetari(const SetariDispozitiv& setari) {
    setari_ = setari;
    reconfigureaza();
}

void ImprimantaSistem::reconfigureaza() {
    if (inLucru()) throw Eroare(QStringLiteral("Imprimanta nu poate fi schimbata in timpul tiparirii."));
    if (estePdf()) {
        printer_.reset();
        pdf_.pregatesteSetari(setari_);
        return;
    }
    scris_.uita();
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setPrinterName(nume_.at(index_));
    if (setari_.hartieA4) printer_->setPageSize(QPageSize(QPageSize::A4));
    printer_->setPageOrientation(setari_.orientare);
    printer_->setColorMode(setari_.monocrom ? QPrinter::GrayScale : QPrinter::Color);
    // The painter starts at the sheet's corner; the hardware margins are applied by us, once.
    printer_->setFullPage(true);
}

QMarginsF ImprimantaSistem::marginiHardwareMm() const {
    QPageLayout layout = printer_->pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF m = layout.minimumMargins();
    if (setari_.orientare == QPageLayout::Portrait) return m;
    // They come back as for the portrait sheet; the spooler turns a landscape page a quarter
    // turn counter-clockwise, so the portrait left edge is the landscape top.
    return {m.bottom(), m.left(), m.top(), m.right()};
}

PaginaFizica ImprimantaSistem::paginaFizica() const {
    if (estePdf()) return pdf_.paginaFizica();
    const int dpi = printer_->resolution();
    const QRect foaie = printer_->pageLayout().fullRectPixels(dpi);
    const QMarginsF margini = marginiHardwareMm();
    return {foaie.width(), foaie.height(), pixeli(margini.left(), dpi), pixeli(margini.top(), dpi)};
}

ZonaTiparibila ImprimantaSistem::zonaTiparibila() const {
    if (estePdf()) return pdf_.zonaTiparibila();
    const int dpi = printer_->resolution();
    const PaginaFizica pagina = paginaFizica();
    const QMarginsF margini = marginiHardwareMm();
    ZonaTiparibila zona;
    zona.horzRes = pagina.latime - pagina.offsetX - pixeli(margini.right(), dpi);
    zona.vertRes = pagina.inaltime - pagina.offsetY - pixeli(margini.bottom(), dpi);
    zona.horzSize = zona.horzRes * 25.4 / dpi;
    zona.vertSize = zona.vertRes * 25.4 / dpi;
    return zona;
}

void ImprimantaSistem::incepeLucrare(const QString& titlu) {
    terminaLucrare();
    if (estePdf()) return pdf_.incepeLucrare(titlu);
    printer_->setDocName(titlu);
#ifdef Q_OS_UNIX
    lucrareCups_ = std::make_unique<LucrareCups>(*printer_);
#endif
    if (!painter_.begin(printer_.get())) {
#ifdef Q_OS_UNIX
        lucrareCups_.reset();
#endif
        throw Eroare::format("Tiparirea \"%s\" nu a putut incepe pe imprimanta \"%s\".",
                             {titlu, nume_.at(index_)});
    }
    const PaginaFizica pagina = paginaFizica();
    scris_.pregatestePagina(painter_, {pagina.offsetX, pagina.offsetY});
}

void ImprimantaSistem::terminaLucrare() {
    pdf_.terminaLucrare();
    if (!painter_.isActive()) return;
    painter_.end();
#ifdef Q_OS_UNIX
    // Taken out first: the file goes with it whether the scheduler takes it or not.
    const std::unique_ptr<LucrareCups> lucrare = std::move(lucrareCups_);
    if (lucrare) lucrare->trimite(*printer_);
#endif
}

void ImprimantaSistem::paginaNoua() {
    if (estePdf()) return pdf_.paginaNoua();
    if (!painter_.isActive()) return;
    if (!printer_->newPage())
        throw Eroare::format("Imprimanta \"%s\" nu a putut incepe o pagina noua.", {nume_.at(index_)});
    // A new page starts with a fresh painter state on some engines.
    const PaginaFizica pagina = paginaFizica();
    scris_.pregatestePagina(painter_, {pagina.offsetX, pagina.offsetY});
}

void ImprimantaSistem::anuleazaLucrare() {
    pdf_.anuleazaLucrare();
    if (!painter_.isActive()) return;
#ifdef Q_OS_UNIX
    // Ending the painter only closes our file, which goes unsent.
    painter_.end();
    lucrareCups_.reset();
#else
    printer_->abort();
    if (painter_.isActive()) painter_.end();
#endif
}

bool ImprimantaSistem::inLucru() const {
    return painter_.isActive() || pdf_.inLucru();
}

void ImprimantaSistem::creeazaFont(const CerereFont& cerere) {
    if (estePdf()) return pdf_.creeazaFont(cerere);
    scris_.creeazaFont(cerere, printer_.get(), painter_);
}

QSize ImprimantaSistem::masoaraText(const QString& text) {
    if (estePdf()) return pdf_.masoaraText(text);
    return scris_.masoaraText(text, printer_.get());
}

void ImprimantaSistem::scrieText(QPoint punct, const QRect& taiere, const QString& text) {
    if (estePdf()) return pdf_.scrieText(punct, taiere, text);
    scris_.scrieText(painter_, punct, taiere, text, printer_.get());
}

void ImprimantaSistem::intindeImagine(QSvgRenderer& imagine, const QRect& dreptunghi) {
    if (estePdf()) return pdf_.intindeImagine(imagine, dreptunghi);
    if (!painter_.isActive()) return;
    imagine.render(&painter_, QRectF(dreptunghi));
}
