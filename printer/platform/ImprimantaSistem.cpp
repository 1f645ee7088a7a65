#include "platform/ImprimantaSistem.h"

#include "platform/Cai.h"
#include "platform/Eroare.h"
#include "platform/ImprimantaFont.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <cmath>

namespace {
// The job's own CUPS options (Qt's PPK_CupsOptions: name, value, name, value...).
constexpr auto optiuniCups = QPrintEngine::PrintEnginePropertyKey(0xfe00);

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
    terminaLucrare();
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
    return Cai::inDosarDate(QStringLiteral("PDF"));
}

void ImprimantaSistem::selecteaza(int index) {
    if (index < 0 || index >= nume_.size())
        throw Eroare::format("Imprimanta cu numarul %s nu exista.", {QString::number(index)});
    index_ = index;
    reconfigureaza();
}

void ImprimantaSistem::pregatesteSetari(const SetariDispozitiv& setari) {
    setari_ = setari;
    reconfigureaza();
}

void ImprimantaSistem::reconfigureaza() {
    if (inLucru()) throw Eroare(QStringLiteral("Imprimanta nu poate fi schimbata in timpul tiparirii."));
    metrica_ = nullptr;
    metrici_.clear();
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (estePdf()) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setResolution(rezolutiePdf);
    } else {
        printer_->setPrinterName(nume_.at(index_));
    }
    if (setari_.hartieA4) printer_->setPageSize(QPageSize(QPageSize::A4));
    printer_->setPageOrientation(setari_.orientare);
    printer_->setColorMode(setari_.monocrom ? QPrinter::GrayScale : QPrinter::Color);
    // The painter starts at the sheet's corner; the hardware margins are applied by us, once.
    printer_->setFullPage(true);
    if (!estePdf()) spuneOrientareaLuiCups();
}

void ImprimantaSistem::spuneOrientareaLuiCups() {
    // Qt's CUPS engine sends a landscape job's "landscape" option with an empty value, which
    // CUPS reads as "nolandscape"; the job's own options follow it and the last value counts.
    if (setari_.orientare == QPageLayout::Landscape)
        printer_->printEngine()->setProperty(
            optiuniCups, QStringList{QStringLiteral("landscape"), QStringLiteral("true")});
}

QMarginsF ImprimantaSistem::marginiHardwareMm() const {
    if (estePdf()) return {};
    QPageLayout layout = printer_->pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF m = layout.minimumMargins();
    if (setari_.orientare == QPageLayout::Portrait) return m;
    // They come back as for the portrait sheet; the spooler turns a landscape page a quarter
    // turn counter-clockwise, so the portrait left edge is the landscape top.
    return {m.bottom(), m.left(), m.top(), m.right()};
}

PaginaFizica ImprimantaSistem::paginaFizica() const {
    const int dpi = printer_->resolution();
    const QRect foaie = printer_->pageLayout().fullRectPixels(dpi);
    const QMarginsF margini = marginiHardwareMm();
    return {foaie.width(), foaie.height(), pixeli(margini.left(), dpi), pixeli(margini.top(), dpi)};
}

ZonaTiparibila ImprimantaSistem::zonaTiparibila() const {
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

QString ImprimantaSistem::fisierPdfNou(const QString& titlu) const {
    QString baza = titlu.trimmed();
    baza.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")), QStringLiteral("_"));
    if (baza.isEmpty()) baza = QStringLiteral("Tiparire");
    baza += QDateTime::currentDateTime().toString(QStringLiteral(" yyyy-MM-dd HH-mm-ss"));
    const QDir dosar(dosarPdf());
    QString cale = dosar.filePath(baza + QStringLiteral(".pdf"));
    // Two jobs within one second keep both files.
    for (int n = 2; QFileInfo::exists(cale); ++n)
        cale = dosar.filePath(QStringLiteral("%1 (%2).pdf").arg(baza).arg(n));
    return cale;
}

void ImprimantaSistem::incepeLucrare(const QString& titlu) {
    terminaLucrare();
    printer_->setDocName(titlu);
    QString fisier;
    if (estePdf()) {
        if (!QDir().mkpath(dosarPdf()))
            throw Eroare::format("Nu pot crea dosarul \"%s\".", {QDir::toNativeSeparators(dosarPdf())});
        fisier = fisierPdfNou(titlu);
        printer_->setOutputFileName(fisier);
    }
    if (!painter_.begin(printer_.get()))
        throw Eroare::format("Tiparirea \"%s\" nu a putut incepe pe imprimanta \"%s\".",
                             {titlu, nume_.at(index_)});
    const PaginaFizica pagina = paginaFizica();
    painter_.translate(pagina.offsetX, pagina.offsetY);
    painter_.setPen(Qt::black);
    painter_.setBrush(Qt::NoBrush);
    if (!fisier.isEmpty()) ultimulPdf_ = fisier;
    pdfInLucru_ = fisier;
}

void ImprimantaSistem::terminaLucrare() {
    if (painter_.isActive()) painter_.end();
    pdfInLucru_.clear();
}

void ImprimantaSistem::paginaNoua() {
    if (!painter_.isActive()) return;
    if (!printer_->newPage())
        throw Eroare::format("Imprimanta \"%s\" nu a putut incepe o pagina noua.", {nume_.at(index_)});
    // A new page starts with a fresh painter state on some engines.
    const PaginaFizica pagina = paginaFizica();
    painter_.resetTransform();
    painter_.translate(pagina.offsetX, pagina.offsetY);
    painter_.setPen(Qt::black);
    painter_.setBrush(Qt::NoBrush);
    painter_.setFont(font_);
}

void ImprimantaSistem::anuleazaLucrare() {
    if (!painter_.isActive()) return;
    printer_->abort();
    if (painter_.isActive()) painter_.end();
    if (!pdfInLucru_.isEmpty()) {
        QFile::remove(pdfInLucru_);
        if (ultimulPdf_ == pdfInLucru_) ultimulPdf_.clear();
    }
    pdfInLucru_.clear();
}

bool ImprimantaSistem::inLucru() const {
    return painter_.isActive();
}

void ImprimantaSistem::creeazaFont(const CerereFont& cerere) {
    font_ = fontDupaCelula(cerere, printer_.get());
    inclinare_ = cerere.inclinare;
    auto gasit = metrici_.find(font_.key());
    if (gasit == metrici_.end())
        gasit = metrici_.emplace(font_.key(), QFontMetrics(font_, printer_.get())).first;
    metrica_ = &gasit->second;
    if (painter_.isActive()) painter_.setFont(font_);
}

QSize ImprimantaSistem::masoaraText(const QString& text) {
    const QFontMetrics m = metrica_ ? *metrica_ : QFontMetrics(font_, printer_.get());
    return {m.horizontalAdvance(text), m.ascent() + m.descent()};
}

void ImprimantaSistem::scrieText(QPoint punct, const QRect& taiere, const QString& text) {
    if (!painter_.isActive()) return;
    const QFontMetrics m = metrica_ ? *metrica_ : QFontMetrics(font_, printer_.get());
    painter_.save();
    painter_.setClipRect(taiere);
    painter_.translate(punct);
    if (inclinare_ == 1800) painter_.rotate(180.0);
    painter_.drawText(QPoint(0, m.ascent()), text);
    painter_.restore();
}

void ImprimantaSistem::intindeImagine(QSvgRenderer& imagine, const QRect& dreptunghi) {
    if (!painter_.isActive()) return;
    imagine.render(&painter_, QRectF(dreptunghi));
}
