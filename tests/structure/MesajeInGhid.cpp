// Every message the program can show a user has its place in the guide's "Cand ceva nu merge".
// The texts are collected from the sources: the string literals given to Eroare(...) and to the
// message calls (mesaj, avertisment, intrebare, eroare), the constants and functions those calls
// are handed when they are defined in the same file, the functions that build a message in one
// place to have it shown in another, and the lists of reasons a summary shows (tables below). A
// placeholder (%1, %s) stands in the page as "…"; line breaks are spaces there.
//
//   MesajeInGhid <source root> <page>     fails listing the messages the page lacks
//   MesajeInGhid <source root> --lista    prints every message, with where it comes from

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>

#include <cstdio>

namespace {

// The calls whose text arguments reach the user.
const QSet<QString> apeluriMesaj = {QStringLiteral("Eroare"),      QStringLiteral("mesaj"),
                                    QStringLiteral("avertisment"), QStringLiteral("intrebare"),
                                    QStringLiteral("eroare"),      QStringLiteral("format"),
                                    QStringLiteral("ridica"),      QStringLiteral("fisierStricat")};

// Functions that build a message shown elsewhere (a result's text, a reason in a list), written
// Class::function where the name alone is too common.
const QSet<QString> functiiMesaj = {
    QStringLiteral("AvertismentCopie"),
    QStringLiteral("mesajDeteriorare"),
    QStringLiteral("MesajBazaDeteriorata"),
    QStringLiteral("motivDejaTiparit"),
    QStringLiteral("VerificaBaza"),
    QStringLiteral("ExplicaEseculConectarii"),
    QStringLiteral("TRezumatPreluare::Text"),
    QStringLiteral("RezumatExport::text"),
    QStringLiteral("TAnularePreluare::Intrebare"),
    QStringLiteral("TVerificareTiparire::IntrebareRetiparire"),
    QStringLiteral("TAnularePreluare::Text"),
};

// Lists of reasons that a summary or a damage notice shows line by line.
const QSet<QString> listeMotive = {
    QStringLiteral("deteriorari"), QStringLiteral("deteriorari_"), QStringLiteral("observatii_"),
    QStringLiteral("Sarite"),      QStringLiteral("CnpEronat"),    QStringLiteral("Trunchiate"),
    QStringLiteral("gresite"),     QStringLiteral("lipsa"),
};

// Inside a message, the texts within these calls are still the message's; within any other call
// (the values put in its placeholders, a pattern, a format) they are not.
const QSet<QString> invelisuri = {QStringLiteral("QStringLiteral"), QStringLiteral("QString"),
                                  QStringLiteral("QLatin1String"),  QStringLiteral("fromUtf8"),
                                  QStringLiteral("fromLatin1"),     QStringLiteral("tr")};

// The layers whose messages the user sees; the command-line tools speak to administrators.
const QStringList straturi = {QStringLiteral("model"), QStringLiteral("printer"), QStringLiteral("ui")};

struct Atom {
    enum Tip { Text, Nume, Semn } tip;
    QString valoare;
    int linie;
};

struct Mesaj {
    QString text;
    QString sursa;
};

QChar escape(QChar c) {
    switch (c.unicode()) {
    case 'n':
        return u'\n';
    case 't':
        return u'\t';
    case 'r':
        return u'\r';
    default:
        return c;
    }
}

// The file as literals, names and punctuation; comments and preprocessor lines dropped.
QList<Atom> atomi(const QString& s) {
    QList<Atom> rezultat;
    int linie = 1;
    qsizetype i = 0;
    const qsizetype n = s.size();
    bool inceputDeLinie = true;
    while (i < n) {
        const QChar c = s[i];
        if (c == u'\n') {
            ++linie, ++i, inceputDeLinie = true;
            continue;
        }
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (inceputDeLinie && c == u'#') {
            while (i < n && s[i] != u'\n')
                i += (s[i] == u'\\' && i + 1 < n) ? 2 : 1;
            continue;
        }
        inceputDeLinie = false;
        if (s.mid(i, 2) == QLatin1String("//")) {
            while (i < n && s[i] != u'\n')
                ++i;
        } else if (s.mid(i, 2) == QLatin1String("/*")) {
            const qsizetype sfarsit = s.indexOf(QLatin1String("*/"), i + 2);
            const qsizetype pana = sfarsit < 0 ? n : sfarsit + 2;
            linie += int(s.mid(i, pana - i).count(u'\n'));
            i = pana;
        } else if (c == u'R' && s.mid(i, 3) == QLatin1String("R\"(")) {
            const qsizetype sfarsit = s.indexOf(QLatin1String(")\""), i + 3);
            const qsizetype pana = sfarsit < 0 ? n : sfarsit + 2;
            linie += int(s.mid(i, pana - i).count(u'\n'));
            i = pana;
        } else if (c == u'"' || c == u'\'') {
            QString text;
            const int start = linie;
            for (++i; i < n && s[i] != c; ++i)
                text += s[i] == u'\\' && i + 1 < n ? escape(s[++i]) : s[i];
            ++i;
            if (c == u'"') rezultat.append({Atom::Text, text, start});
        } else if (c.isDigit()) {
            // A number, digit separators (50'000) included.
            while (i < n && (s[i].isLetterOrNumber() || s[i] == u'.' || s[i] == u'\''))
                ++i;
        } else if (c.isLetter() || c == u'_') {
            const qsizetype start = i;
            while (i < n && (s[i].isLetterOrNumber() || s[i] == u'_'))
                ++i;
            rezultat.append({Atom::Nume, s.mid(start, i - start), linie});
        } else {
            rezultat.append({Atom::Semn, QString(c), linie});
            ++i;
        }
    }
    return rezultat;
}

bool semn(const QList<Atom>& a, qsizetype i, QChar c) {
    return i >= 0 && i < a.size() && a[i].tip == Atom::Semn && a[i].valoare == c;
}

// The index past the bracket closing the one at `deschis`.
qsizetype dupaPereche(const QList<Atom>& a, qsizetype deschis) {
    const QChar d = a[deschis].valoare[0], i = d == u'(' ? u')' : d == u'{' ? u'}' : u']';
    int adancime = 0;
    for (qsizetype k = deschis; k < a.size(); ++k) {
        if (semn(a, k, d)) ++adancime;
        if (semn(a, k, i) && --adancime == 0) return k + 1;
    }
    return a.size();
}

class Colector {
public:
    explicit Colector(QList<Mesaj>& mesaje) : mesaje_(mesaje) {}

    void fisier(const QString& cale, const QString& nume) {
        QFile f(cale);
        if (!f.open(QIODevice::ReadOnly)) return;
        a_ = atomi(QString::fromUtf8(f.readAll()));
        nume_ = nume;
        for (qsizetype i = 0; i + 1 < a_.size(); ++i) {
            if (a_[i].tip != Atom::Nume || !semn(a_, i + 1, u'(')) continue;
            if (apeluriMesaj.contains(a_[i].valoare) && !esteDeclaratie(i)) argumente(i + 1);
            const bool functieMesaj =
                functiiMesaj.contains(a_[i].valoare) || functiiMesaj.contains(numeCalificat(i));
            if (functieMesaj && esteDefinitie(i)) corp(i);
        }
        for (qsizetype i = 0; i + 2 < a_.size(); ++i)
            if (a_[i].tip == Atom::Nume && listeMotive.contains(a_[i].valoare)) motiv(i);
    }

private:
    QString numeCalificat(qsizetype i) const {
        const bool calificat =
            i >= 3 && semn(a_, i - 1, u':') && semn(a_, i - 2, u':') && a_[i - 3].tip == Atom::Nume;
        return calificat ? a_[i - 3].valoare + QStringLiteral("::") + a_[i].valoare : a_[i].valoare;
    }
    // `motive << text` or `motive.push_back({rand, text})`.
    void motiv(qsizetype i) {
        if (semn(a_, i + 1, u'<') && semn(a_, i + 2, u'<'))
            texte(i + 3, sfarsitInstructiune(i), false);
        else if (semn(a_, i + 1, u'.') && a_[i + 2].valoare == QLatin1String("push_back") &&
                 semn(a_, i + 3, u'('))
            texte(i + 4, dupaPereche(a_, i + 3) - 1, false);
    }
    qsizetype sfarsitInstructiune(qsizetype i) const {
        while (i < a_.size() && !semn(a_, i, u';'))
            i = semn(a_, i, u'(') ? dupaPereche(a_, i) : i + 1;
        return i;
    }

    // `void mesaj(const QString& text) override` and `QRegularExpression eroare(...)` hand no text
    // over.
    bool esteDeclaratie(qsizetype i) const {
        const bool dupaTip = i > 0 && a_[i - 1].tip == Atom::Nume &&
                             a_[i - 1].valoare != QLatin1String("throw") &&
                             a_[i - 1].valoare != QLatin1String("return");
        const qsizetype sfarsit = dupaPereche(a_, i + 1);
        return dupaTip || (sfarsit < a_.size() &&
                           (semn(a_, sfarsit, u'{') || a_[sfarsit].valoare == QLatin1String("override") ||
                            a_[sfarsit].valoare == QLatin1String("const")));
    }
    bool esteDefinitie(qsizetype i) const {
        qsizetype k = dupaPereche(a_, i + 1);
        while (k < a_.size() && a_[k].tip == Atom::Nume)
            ++k; // const, override
        return semn(a_, k, u'{');
    }

    // The texts among a call's arguments; the values given to .arg() are not the message.
    void argumente(qsizetype deschis) {
        const qsizetype sfarsit = dupaPereche(a_, deschis);
        texte(deschis + 1, sfarsit - 1, true);
    }
    void corp(qsizetype i) {
        qsizetype k = dupaPereche(a_, i + 1);
        while (!semn(a_, k, u'{'))
            ++k;
        texte(k + 1, dupaPereche(a_, k) - 1, false);
    }

    void texte(qsizetype de, qsizetype pana, bool urmeazaNume) {
        QString curent;
        int linie = 0;
        auto inchide = [&] {
            if (!curent.isEmpty()) adauga(curent, linie);
            curent.clear();
        };
        int adancime = 0;
        for (qsizetype k = de; k < pana; ++k) {
            const Atom& t = a_[k];
            if (t.tip == Atom::Text) {
                if (curent.isEmpty()) linie = t.linie;
                curent += t.valoare;
                continue;
            }
            inchide();
            const bool nume = t.tip == Atom::Nume, apel = nume && semn(a_, k + 1, u'(');
            if (urmeazaNume && adancime == 0 && nume && !semn(a_, k - 1, u'.') && !semn(a_, k - 1, u'>') &&
                !semn(a_, k + 1, u'.'))
                definitie(t.valoare, k);
            if (apel && !invelisuri.contains(t.valoare))
                k = dupaPereche(a_, k + 1) - 1;
            else if (semn(a_, k, u'('))
                ++adancime;
            else if (semn(a_, k, u')'))
                --adancime;
        }
        inchide();
    }

    // A name handed to a message call: the constant, variable or function of this file it names.
    void definitie(const QString& nume, qsizetype folosire) {
        for (qsizetype k = folosire - 1; k >= 0; --k) {
            if (a_[k].tip != Atom::Nume || a_[k].valoare != nume) continue;
            const bool declarat = k > 0 && (a_[k - 1].tip == Atom::Nume || semn(a_, k - 1, u'&') ||
                                            semn(a_, k - 1, u'*') || semn(a_, k - 1, u'>'));
            if (!declarat) continue;
            if (semn(a_, k + 1, u'=')) {
                qsizetype j = k + 2;
                while (j < a_.size() && !semn(a_, j, u';'))
                    j = semn(a_, j, u'(') ? dupaPereche(a_, j) : j + 1;
                texte(k + 2, j, false);
                return;
            }
            if (semn(a_, k + 1, u'(') && esteDefinitie(k)) {
                corp(k);
                return;
            }
        }
    }

    void adauga(const QString& text, int linie) {
        // Single words and punctuation pieces ("%1  -  %2", "\n") are glue, not messages.
        static const QRegularExpression cuvinte(QStringLiteral("[A-Za-z]+[^A-Za-z]+[A-Za-z]+"));
        if (!text.contains(cuvinte)) return;
        mesaje_.append({text, QStringLiteral("%1:%2").arg(nume_).arg(linie)});
    }

    QList<Mesaj>& mesaje_;
    QList<Atom> a_;
    QString nume_;
};

QList<Mesaj> colecteaza(const QString& radacina) {
    QList<Mesaj> mesaje;
    Colector c(mesaje);
    for (const QString& strat : straturi) {
        QStringList fisiere;
        QDirIterator it(radacina + u'/' + strat, {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            fisiere << it.next();
        fisiere.sort();
        for (const QString& f : fisiere)
            c.fisier(f, f.mid(radacina.size() + 1));
    }
    return mesaje;
}

// The text as the page shows it: placeholders as "…", every run of blanks one space.
QString inPagina(QString text) {
    static const QRegularExpression loc(QStringLiteral("%(\\d+|s)")), spatii(QStringLiteral("\\s+"));
    return text.replace(loc, QStringLiteral("…")).replace(spatii, QStringLiteral(" ")).trimmed();
}

QString textulPaginii(const QString& cale) {
    QFile f(cale);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QString html = QString::fromUtf8(f.readAll());
    static const QRegularExpression etichete(QStringLiteral("<[^>]*>")), spatii(QStringLiteral("\\s+"));
    html.replace(etichete, QStringLiteral(" "));
    html.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&hellip;"), QStringLiteral("…"))
        .replace(QLatin1String("&nbsp;"), QLatin1String(" "))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
    return html.replace(spatii, QStringLiteral(" "));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arg = app.arguments();
    if (arg.size() != 3) {
        std::fprintf(stderr, "folosire: MesajeInGhid <sursele> <pagina.html | --lista>\n");
        return 2;
    }
    const QList<Mesaj> mesaje = colecteaza(arg[1]);
    QTextStream iesire(stdout);
    if (arg[2] == QLatin1String("--lista")) {
        for (const Mesaj& m : mesaje)
            iesire << m.sursa << '\t' << inPagina(m.text) << '\n';
        return 0;
    }
    const QString pagina = textulPaginii(arg[2]);
    if (pagina.isEmpty()) {
        iesire << "Pagina " << arg[2] << " lipseste sau este goala.\n";
        return 1;
    }
    QSet<QString> lipsa;
    for (const Mesaj& m : mesaje) {
        const QString text = inPagina(m.text);
        if (!pagina.contains(text) && !lipsa.contains(text)) {
            lipsa.insert(text);
            iesire << m.sursa << ": " << text << '\n';
        }
    }
    iesire << mesaje.size() << " mesaje, " << lipsa.size() << " lipsesc din " << arg[2] << '\n';
    return lipsa.isEmpty() ? 0 : 1;
}
