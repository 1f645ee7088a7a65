#include "platform/StocSetari.h"

#include "platform/Eroare.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstring>

namespace {
QString& redirectionare() {
    static QString cale;
    return cale;
}

int cifra(char c, int baza) {
    const int v = c >= '0' && c <= '9'   ? c - '0'
                  : c >= 'a' && c <= 'f' ? c - 'a' + 10
                  : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                         : 99;
    return v < baza ? v : -1;
}

// The line with escapes applied as the INI reader applies them (numbers wrap at 16 bits, an
// unknown escaped character is skipped), quotes dropped, up to its comment: every way the line
// can spell a word.
QString faraEscape(QByteArrayView linie) {
    QString r;
    bool ghilimele = false;
    qsizetype i = 0;
    while (i < linie.size()) {
        const char c = linie[i++];
        if (c == '"') {
            ghilimele = !ghilimele;
            continue;
        }
        if (c == ';' && !ghilimele) break; // a comment
        if (c != '\\') {
            r += QChar(uchar(c));
            continue;
        }
        if (i == linie.size()) break;
        const char e = linie[i++];
        const int baza = e == 'x' ? 16 : cifra(e, 8) >= 0 ? 8 : 0;
        if (baza) {
            char16_t v = baza == 8 ? char16_t(e - '0') : 0;
            bool cifre = baza == 8;
            for (int d; i < linie.size() && (d = cifra(linie[i], baza)) >= 0; ++i, cifre = true)
                v = char16_t(v * baza + d);
            if (cifre) r += QChar(v);
        } else if (std::strchr("\"?'\\", e)) {
            r += QChar(e);
        } else if (std::strchr("abfnrtv", e)) {
            r += u' '; // a control character
        } else if ((e == '\n' || e == '\r') && i < linie.size() && (linie[i] == '\n' || linie[i] == '\r') &&
                   linie[i] != e) {
            ++i; // the line goes on after CR LF
        }
    }
    return r;
}

// Where the line starting at `inceput` ends, as the INI reader splits lines: at a line break
// outside quotes; a backslash takes the character after it along (a quote, a line break or a
// CR LF pair); from a ';' outside quotes to the line break all is a comment.
qsizetype sfarsitLinie(const QByteArray& ini, qsizetype inceput) {
    const auto rand = [&](qsizetype i) { return i < ini.size() && (ini[i] == '\n' || ini[i] == '\r'); };
    bool ghilimele = false;
    qsizetype i = inceput;
    while (i < ini.size() && !(rand(i) && !ghilimele)) {
        const char c = ini[i++];
        if (c == '"') {
            ghilimele = !ghilimele;
        } else if (c == ';' && !ghilimele) {
            while (i < ini.size() && !rand(i))
                ++i;
        } else if (c == '\\' && i < ini.size()) {
            const char urmator = ini[i++];
            const bool rupt = urmator == '\n' || urmator == '\r';
            if (rupt && rand(i) && ini[i] != urmator) ++i; // CR LF or LF CR
        }
    }
    return i;
}

bool decodataCaObiect(QByteArrayView linie) {
    if (linie.startsWith('[')) return false; // a section name is never decoded
    // Each place a value may begin with a marker; one "@" more makes it a plain text.
    const QString text = faraEscape(linie);
    for (const QLatin1String marcaj : {QLatin1String("@Variant("), QLatin1String("@DateTime(")})
        for (qsizetype i = text.indexOf(marcaj); i >= 0; i = text.indexOf(marcaj, i + 1))
            if (i == 0 || text[i - 1] != u'@') return true;
    return false;
}

// The settings file the INI reader may be given: the file itself, mended in place when it holds
// serialized objects (the program never writes one; a damaged length in one makes the reader
// reserve what it says, gigabytes). The file as it was stays beside it. When it cannot be mended
// in place a mended copy is read, and writes the user asks for report failure.
QString fisierDeCitit(const QString& cale) {
    QFile f(cale);
    if (!f.open(QIODevice::ReadOnly)) return cale;
    const QByteArray continut = f.readAll();
    f.close();
    const QByteArray curat = StocSetari::faraObiecteSerializate(continut);
    if (curat.size() == continut.size()) return cale;
    QFile::remove(cale + QStringLiteral(".deteriorat"));
    QFile::copy(cale, cale + QStringLiteral(".deteriorat"));
    QSaveFile mendat(cale);
    if (mendat.open(QIODevice::WriteOnly) && mendat.write(curat) == curat.size() && mendat.commit())
        return cale;
    static QTemporaryDir dosar;
    QSaveFile copie(dosar.filePath(QStringLiteral("setari.ini")));
    if (copie.open(QIODevice::WriteOnly)) {
        copie.write(curat);
        copie.commit();
    }
    return copie.fileName();
}

// The file may hold a database password: other accounts of the computer never read it. Made
// before the first write so it is never readable by others even for a moment; a rewrite keeps
// the permissions of the file it replaces.
void doarPentruProprietar(const QString& cale) {
    QDir().mkpath(QFileInfo(cale).absolutePath());
    QFile f(cale);
    if (!f.exists() && !f.open(QIODevice::WriteOnly)) return;
    f.close();
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
} // namespace

QByteArray StocSetari::faraObiecteSerializate(const QByteArray& ini) {
    QByteArray r;
    r.reserve(ini.size());
    qsizetype i = 0;
    while (i < ini.size()) {
        const qsizetype sfarsit = sfarsitLinie(ini, i);
        const QByteArrayView linie(ini.constData() + i, sfarsit - i);
        if (!decodataCaObiect(linie)) r += linie;
        i = sfarsit;
        while (i < ini.size() && (ini[i] == '\n' || ini[i] == '\r'))
            r += ini[i++];
    }
    return r;
}

QString StocSetari::fisier() {
    if (!redirectionare().isEmpty()) return redirectionare();
    const QString dinMediu = qEnvironmentVariable("VARDOLIN_SETTINGS");
    if (!dinMediu.isEmpty()) return dinMediu;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("vardolin/vardolin.ini"));
}

void StocSetari::redirectioneaza(const QString& fisierIni) {
    redirectionare() = fisierIni;
}

std::unique_ptr<QSettings> StocSetari::deschide(const QString& cheie) {
#ifdef Q_OS_WIN
    if (redirectionare().isEmpty() && qEnvironmentVariableIsEmpty("VARDOLIN_SETTINGS"))
        return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\") + cheie,
                                           QSettings::NativeFormat);
#endif
    doarPentruProprietar(fisier());
    auto s = std::make_unique<QSettings>(fisierDeCitit(fisier()), QSettings::IniFormat);
    QString grup = cheie;
    grup.replace(u'\\', u'/');
    s->beginGroup(grup);
    return s;
}

void StocSetari::verificaScrierea(QSettings& cheie) {
    cheie.sync();
    // A settings file that could not be mended in place is read from a copy: nothing reaches it.
    const bool inFisierulSau =
        cheie.format() != QSettings::IniFormat ||
        QFileInfo(cheie.fileName()).absoluteFilePath() == QFileInfo(fisier()).absoluteFilePath();
    if (cheie.status() == QSettings::NoError && inFisierulSau) return;
    throw Eroare::format("Setarile nu au putut fi salvate in \"%s\" (disc plin sau fara drept de scriere). "
                         "Ce ati ales acum nu a fost pastrat.",
                         {QDir::toNativeSeparators(cheie.fileName())});
}
