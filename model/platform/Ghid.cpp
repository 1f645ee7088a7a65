#include "platform/Ghid.h"

#include <QFile>
#include <QMetaObject>
#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace {

// The lines of a list file that are not empty or comments, split at the tab.
QList<QStringList> linii(const QString& text) {
    QList<QStringList> r;
    for (const QString& linie : text.split(QLatin1Char('\n'))) {
        const QString l = linie.trimmed();
        if (l.isEmpty() || l.startsWith(QLatin1Char('#'))) continue;
        QStringList campuri = linie.split(QLatin1Char('\t'), Qt::SkipEmptyParts);
        for (QString& c : campuri)
            c = c.trimmed();
        if (campuri.size() >= 2) r << campuri;
    }
    return r;
}

QString faraEtichete(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

const QRegularExpression& titluH2() {
    static const QRegularExpression re(QStringLiteral("<h2[^>]*>(.*?)</h2>"),
                                       QRegularExpression::CaseInsensitiveOption |
                                           QRegularExpression::DotMatchesEverythingOption);
    return re;
}

QStringList atribute(const QString& html, const QString& eticheta, const QString& atribut) {
    const QRegularExpression re(
        QStringLiteral("<%1\\b[^>]*\\b%2\\s*=\\s*\"([^\"]*)\"").arg(eticheta, atribut),
        QRegularExpression::CaseInsensitiveOption);
    QStringList r;
    for (auto it = re.globalMatch(html); it.hasNext();)
        r << it.next().captured(1);
    return r;
}

// A page cut at its <h2> headings: the part before the first one, then one part per section.
struct Bucata {
    QString ancora;
    QString titlu;
    QString html;
};

QList<Bucata> bucati(const QString& html) {
    QList<Bucata> r;
    Bucata curenta;
    qsizetype inceput = 0;
    for (auto it = titluH2().globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        curenta.html = html.mid(inceput, m.capturedStart() - inceput);
        r << curenta;
        const QStringList nume = atribute(m.captured(0), QStringLiteral("a"), QStringLiteral("name"));
        curenta = {nume.value(0), faraEtichete(m.captured(1)), {}};
        inceput = m.capturedStart();
    }
    curenta.html = html.mid(inceput);
    r << curenta;
    return r;
}

} // namespace

Ghid::Ghid(const QString& dosar) : dosar_(dosar) {
    citesteCuprinsul();
    citesteFerestrele();
}

QString Ghid::citeste(const QString& nume) const {
    QFile f(dosar_ + QLatin1Char('/') + nume);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

QString Ghid::html(const QString& fisier) const {
    return citeste(fisier);
}

void Ghid::citesteCuprinsul() {
    for (const QStringList& l : linii(citeste(QStringLiteral("cuprins.txt")))) {
        Pagina p{l[0], l[1], {}};
        const QList<Bucata> parti = bucati(html(p.fisier));
        for (qsizetype i = 1; i < parti.size(); ++i)
            p.sectiuni << Sectiune{parti[i].ancora, parti[i].titlu};
        pagini_ << p;
    }
}

void Ghid::citesteFerestrele() {
    for (const QStringList& l : linii(citeste(QStringLiteral("ferestre.txt"))))
        ferestre_.insert(l[0], l[1]);
}

QUrl Ghid::url(const QString& tinta) const {
    const QString fisier = tinta.section(QLatin1Char('#'), 0, 0);
    const QString ancora = tinta.section(QLatin1Char('#'), 1);
    QUrl u = dosar_.startsWith(QLatin1Char(':'))
                 ? QUrl(QStringLiteral("qrc") + dosar_ + QLatin1Char('/') + fisier)
                 : QUrl::fromLocalFile(dosar_ + QLatin1Char('/') + fisier);
    if (!ancora.isEmpty()) u.setFragment(ancora);
    return u;
}

QString Ghid::tinta(const QUrl& url) {
    const QString fisier = url.fileName();
    return url.hasFragment() ? fisier + QLatin1Char('#') + url.fragment() : fisier;
}

QString Ghid::sectiuneaFerestrei(const QMetaObject* clasa) const {
    for (; clasa; clasa = clasa->superClass()) {
        const auto gasit = ferestre_.constFind(QString::fromLatin1(clasa->className()));
        if (gasit != ferestre_.constEnd()) return *gasit;
    }
    return {};
}

QList<Ghid::Gasit> Ghid::cauta(const QString& text) const {
    const QStringList cuvinte = pentruCautare(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<Gasit> r;
    if (cuvinte.isEmpty()) return r;
    for (const Pagina& p : pagini_) {
        for (const Bucata& b : bucati(html(p.fisier))) {
            const QString continut = pentruCautare(faraEtichete(b.html));
            const bool toate = std::all_of(cuvinte.begin(), cuvinte.end(),
                                           [&](const QString& c) { return continut.contains(c); });
            if (!toate) continue;
            if (b.ancora.isEmpty())
                r << Gasit{p.fisier, p.titlu};
            else
                r << Gasit{p.fisier + QLatin1Char('#') + b.ancora, p.titlu + QStringLiteral(" - ") + b.titlu};
        }
    }
    return r;
}

QStringList Ghid::ancore(const QString& html) {
    return atribute(html, QStringLiteral("a"), QStringLiteral("name"));
}

QStringList Ghid::legaturi(const QString& html) {
    return atribute(html, QStringLiteral("a"), QStringLiteral("href"));
}

QStringList Ghid::imagini(const QString& html) {
    return atribute(html, QStringLiteral("img"), QStringLiteral("src"));
}

QString Ghid::pentruCautare(const QString& text) {
    const QString descompus = text.toLower().normalized(QString::NormalizationForm_D);
    QString r;
    r.reserve(descompus.size());
    for (const QChar c : descompus) {
        if (c.category() == QChar::Mark_NonSpacing) continue;
        r += c.isLetterOrNumber() ? c : QLatin1Char(' ');
    }
    return r.simplified();
}
