// vardolin-ghidpdf: the user guide as one A4 PDF, contents first, page numbers at the foot.
//
//   vardolin-ghidpdf --ghid doc/ghid --out ghid-vardolin.pdf [--version 1.0.0.1]

#include "platform/Ghid.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <cstdio>
#include <memory>

namespace {

constexpr int Dpi = 300;

QString escapat(const QString& s) {
    return s.toHtmlEscaped();
}

// A page's body ready for the single document: its <h1> starting a new sheet with the page's own
// anchor, links kept to their anchors, pictures named by resource and fitted to the text width.
QString corpulPaginii(const Ghid& ghid, const Ghid::Pagina& p, QTextDocument& doc, qreal latimeText) {
    QString html = ghid.html(p.fisier);
    static const QRegularExpression corp(QStringLiteral("<body[^>]*>(.*)</body>"),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::DotMatchesEverythingOption);
    const auto m = corp.match(html);
    if (m.hasMatch()) html = m.captured(1);
    static const QRegularExpression h1(QStringLiteral("<h1([^>]*)>"),
                                       QRegularExpression::CaseInsensitiveOption);
    html.replace(h1, QStringLiteral("<h1\\1 style=\"page-break-before: always\">"));
    static const QRegularExpression img(QStringLiteral("<img\\b[^>]*\\bsrc\\s*=\\s*\"([^\"]*)\"[^>]*>"),
                                        QRegularExpression::CaseInsensitiveOption);
    QString rezultat;
    qsizetype dupa = 0;
    for (auto it = img.globalMatch(html); it.hasNext();) {
        const auto gasit = it.next();
        rezultat += html.mid(dupa, gasit.capturedStart() - dupa);
        dupa = gasit.capturedEnd();
        const QString cale = QDir(ghid.dosar()).filePath(gasit.captured(1));
        const QImage imagine(cale);
        if (imagine.isNull()) continue;
        const QUrl nume(QStringLiteral("ghid:/") + gasit.captured(1));
        doc.addResource(QTextDocument::ImageResource, nume, imagine);
        const qreal latime = std::min<qreal>(imagine.width(), latimeText);
        rezultat += QStringLiteral("<br><img src=\"%1\" width=\"%2\" height=\"%3\"><br>")
                        .arg(nume.toString())
                        .arg(int(latime))
                        .arg(int(latime * imagine.height() / imagine.width()));
    }
    return rezultat + html.mid(dupa);
}

QString cuprinsul(const Ghid& ghid, const QHash<QString, int>& pagini) {
    QString html =
        QStringLiteral("<h2>Cuprins</h2><table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">");
    const auto rand = [&](const QString& titlu, const QString& tinta, bool sectiune) {
        const int pagina = pagini.value(tinta, 0);
        html += QStringLiteral("<tr><td>%1%2</td><td align=\"right\">%3</td></tr>")
                    .arg(sectiune ? QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;") : QString(),
                         sectiune ? escapat(titlu) : QStringLiteral("<b>%1</b>").arg(escapat(titlu)),
                         pagina ? QString::number(pagina) : QString());
    };
    for (const Ghid::Pagina& p : ghid.pagini()) {
        rand(p.titlu, p.fisier, false);
        for (const Ghid::Sectiune& s : p.sectiuni)
            rand(s.titlu, p.fisier + QLatin1Char('#') + s.ancora, true);
    }
    return html + QStringLiteral("</table>");
}

struct Document {
    std::unique_ptr<QTextDocument> doc;
    QSizeF pagina;
};

Document compune(const Ghid& ghid, const QString& versiune, const QHash<QString, int>& pagini,
                 QPdfWriter& pdf, const QSizeF& pagina) {
    Document d{std::make_unique<QTextDocument>(), pagina};
    QTextDocument& doc = *d.doc;
    doc.documentLayout()->setPaintDevice(&pdf);
    doc.setPageSize(pagina);
    doc.setDocumentMargin(0);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(10.5);
    doc.setDefaultFont(font);
    doc.setDefaultStyleSheet(QStringLiteral("h1 { font-size: 20pt; } h2 { font-size: 14pt; } "
                                            "h3 { font-size: 12pt; } pre { font-size: 9pt; }"));
    const qreal latimeText = pagina.width() * 96.0 / Dpi;
    QString html = QStringLiteral("<html><body><p align=\"center\" style=\"font-size: 26pt\"><br><br><b>"
                                  "Vardolin</b></p><p align=\"center\" style=\"font-size: 18pt\">"
                                  "Ghidul utilizatorului</p>");
    if (!versiune.isEmpty())
        html += QStringLiteral("<p align=\"center\">Versiunea %1</p>").arg(escapat(versiune));
    html += cuprinsul(ghid, pagini);
    for (const Ghid::Pagina& p : ghid.pagini())
        html += corpulPaginii(ghid, p, doc, latimeText);
    doc.setHtml(html + QStringLiteral("</body></html>"));
    return d;
}

// The sheet (from 1) each page and section starts on, read from the laid-out document: a page
// starts at the next block that breaks the sheet before it; its sections are the anchors that follow.
QHash<QString, int> paginile(const Ghid& ghid, const Document& d) {
    QHash<QString, int> r;
    const auto foaia = [&](const QTextBlock& b) {
        // The first line, not the block's box: a page break before the block is part of its box.
        const QTextLayout* l = b.layout();
        const qreal y =
            d.doc->documentLayout()->blockBoundingRect(b).top() + (l->lineCount() ? l->lineAt(0).y() : 0);
        return int((y + 1) / d.pagina.height()) + 1; // a line at the very top of a sheet
    };
    qsizetype pagina = -1;
    for (QTextBlock b = d.doc->begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) {
            if (++pagina >= ghid.pagini().size()) break;
            r.insert(ghid.pagini()[pagina].fisier, foaia(b));
        }
        if (pagina < 0) continue;
        const QString fisier = ghid.pagini()[pagina].fisier;
        for (auto it = b.begin(); !it.atEnd(); ++it)
            for (const QString& nume : it.fragment().charFormat().anchorNames()) {
                const QString tinta = fisier + QLatin1Char('#') + nume;
                if (!r.contains(tinta)) r.insert(tinta, foaia(b));
            }
    }
    return r;
}

void tipareste(const Document& d, QPdfWriter& pdf, const QRectF& zona) {
    QPainter p(&pdf);
    const int foi = d.doc->pageCount();
    QFont fontNumar(QStringLiteral("Liberation Sans"));
    fontNumar.setPointSizeF(9);
    for (int i = 0; i < foi; ++i) {
        if (i > 0) pdf.newPage();
        p.save();
        p.translate(0, -i * d.pagina.height());
        d.doc->drawContents(&p, QRectF(0, i * d.pagina.height(), d.pagina.width(), d.pagina.height()));
        p.restore();
        p.setFont(fontNumar);
        p.drawText(QRectF(0, zona.height() - zona.height() * 0.03, zona.width(), zona.height() * 0.03),
                   Qt::AlignHCenter | Qt::AlignBottom, QString::number(i + 1));
    }
}

int ruleaza(const QString& dosar, const QString& iesire, const QString& versiune) {
    const Ghid ghid(dosar);
    if (ghid.pagini().isEmpty()) {
        std::fprintf(stderr, "Ghidul din %s nu are pagini (cuprins.txt).\n", qPrintable(dosar));
        return 1;
    }
    QPdfWriter pdf(iesire);
    pdf.setResolution(Dpi);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(20, 18, 20, 14), QPageLayout::Millimeter);
    pdf.setTitle(QStringLiteral("Vardolin - Ghidul utilizatorului"));
    pdf.setCreator(QStringLiteral("Vardolin"));
    const QRectF zona = pdf.pageLayout().paintRectPixels(Dpi);
    // The text ends above the page number.
    const QSizeF pagina(zona.width(), zona.height() * 0.95);
    const Document prima = compune(ghid, versiune, {}, pdf, pagina);
    const Document finala = compune(ghid, versiune, paginile(ghid, prima), pdf, pagina);
    tipareste(finala, pdf, zona);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QString dosar, iesire, versiune;
    const QStringList a = QGuiApplication::arguments();
    for (qsizetype i = 1; i + 1 < a.size(); i += 2) {
        if (a[i] == QLatin1String("--ghid"))
            dosar = a[i + 1];
        else if (a[i] == QLatin1String("--out"))
            iesire = a[i + 1];
        else if (a[i] == QLatin1String("--version"))
            versiune = a[i + 1];
    }
    if (dosar.isEmpty() || iesire.isEmpty()) {
        std::fprintf(stderr, "Folosire: vardolin-ghidpdf --ghid DOSAR --out FISIER.pdf [--version V]\n");
        return 1;
    }
    return ruleaza(dosar, iesire, versiune);
}
