#pragma once

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <vector>

// The words of a PDF's first page with their boxes in millimetres from the page's top left
// corner, as pdftotext -bbox reads them.
struct CuvantPdf {
    QString text;
    double xMin, yMin, xMax, yMax;
};

struct PaginaPdf {
    double latime = 0, inaltime = 0; // mm
    std::vector<CuvantPdf> cuvinte;

    const CuvantPdf* cauta(const QString& text) const {
        for (const CuvantPdf& c : cuvinte)
            if (c.text == text) return &c;
        return nullptr;
    }
};

inline PaginaPdf citestePdf(const QString& fisier) {
    QTemporaryDir dosar;
    const QString html = dosar.filePath(QStringLiteral("cutii.html"));
    QProcess proces;
    proces.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                  QStringLiteral("1"), fisier, html});
    proces.waitForFinished(60000);
    QFile f(html);
    PaginaPdf pagina;
    if (!f.open(QIODevice::ReadOnly)) return pagina;
    const QString text = QString::fromUtf8(f.readAll());
    constexpr double mm = 25.4 / 72.0;
    const auto p =
        QRegularExpression(QStringLiteral(R"x(<page width="([\d.]+)" height="([\d.]+)">)x")).match(text);
    if (p.hasMatch()) {
        pagina.latime = p.captured(1).toDouble() * mm;
        pagina.inaltime = p.captured(2).toDouble() * mm;
    }
    const QRegularExpression cuvant(QStringLiteral(
        R"x(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)x"));
    for (auto it = cuvant.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        pagina.cuvinte.push_back({QTextDocumentFragment::fromHtml(m.captured(5)).toPlainText(),
                                  m.captured(1).toDouble() * mm, m.captured(2).toDouble() * mm,
                                  m.captured(3).toDouble() * mm, m.captured(4).toDouble() * mm});
    }
    return pagina;
}
