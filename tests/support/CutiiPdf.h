#pragma once

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <vector>

// The words of a PDF's page (the first unless told) with their boxes in millimetres from the page's top left
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

inline PaginaPdf citestePdf(const QString& fisier, int numar = 1) {
    QTemporaryDir dosar;
    const QString html = dosar.filePath(QStringLiteral("cutii.html"));
    QProcess proces;
    proces.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(numar), QStringLiteral("-l"),
                  QString::number(numar), fisier, html});
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

// How many pages a PDF has, as pdfinfo reads it; 0 when it cannot be read.
inline int numarPaginiPdf(const QString& fisier) {
    QProcess proces;
    proces.start(QStringLiteral("pdfinfo"), {fisier});
    proces.waitForFinished(60000);
    const auto m = QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))"))
                       .match(QString::fromUtf8(proces.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}
