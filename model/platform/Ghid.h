#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QUrl>

struct QMetaObject;

// The user guide as its files describe it: the pages in reading order (cuprins.txt), each
// page's sections (its <h2> anchors) and the section that explains each window (ferestre.txt).
// Only Qt Core and Gui, so the tool that makes the PDF at build time compiles it too.
class Ghid {
public:
    struct Sectiune {
        QString ancora;
        QString titlu;
    };
    struct Pagina {
        QString fisier; // "elevi.html"
        QString titlu;
        QList<Sectiune> sectiuni;
    };
    // A place of the guide where every searched word occurs.
    struct Gasit {
        QString tinta; // "elevi.html#cautare"
        QString titlu; // "Elevii - Cautarea"
    };

    // The folder of the guide: ":/ghid" (inside the program) or a folder on disk.
    explicit Ghid(const QString& dosar = QStringLiteral(":/ghid"));

    const QString& dosar() const { return dosar_; }
    const QList<Pagina>& pagini() const { return pagini_; }
    // Class name -> "pagina.html#ancora".
    const QHash<QString, QString>& ferestre() const { return ferestre_; }

    // The page's HTML (UTF-8); empty when it is missing.
    QString html(const QString& fisier) const;
    // A place of the guide ("pagina.html#ancora", or a page alone) as a URL a browser opens.
    QUrl url(const QString& tinta) const;
    // The place a URL of url() names ("pagina.html#ancora").
    static QString tinta(const QUrl& url);

    // The section of a window: its class, else its nearest base class listed; empty when none.
    QString sectiuneaFerestrei(const QMetaObject* clasa) const;

    // The sections (or pages before their first section) holding every word of the text,
    // letters compared without case and diacritics, in reading order.
    QList<Gasit> cauta(const QString& text) const;

    // The anchors a page declares (<a name>), the <h2> ones and any other.
    static QStringList ancore(const QString& html);
    // The targets of a page's links (href) and its pictures (img src), as written.
    static QStringList legaturi(const QString& html);
    static QStringList imagini(const QString& html);
    // Text for comparing: lower case, without diacritics.
    static QString pentruCautare(const QString& text);

private:
    QString citeste(const QString& nume) const;
    void citesteCuprinsul();
    void citesteFerestrele();

    QString dosar_;
    QList<Pagina> pagini_;
    QHash<QString, QString> ferestre_;
};
