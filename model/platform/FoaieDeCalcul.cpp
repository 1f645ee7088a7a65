#include "platform/FoaieDeCalcul.h"

#include "platform/ArhivaGsf.h"
#include "platform/CititorCsv.h"
#include "platform/CititorOds.h"
#include "platform/CititorXls.h"
#include "platform/CititorXlsx.h"
#include "platform/Eroare.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <new>

QString FoaieDeCalcul::text(int rand, int coloana) const {
    auto bloc = std::upper_bound(blocuri_.begin(), blocuri_.end(), rand,
                                 [](int r, const Bloc& b) { return r < b.primulRand; });
    if (bloc == blocuri_.begin()) return {};
    --bloc;
    if (rand >= bloc->primulRand + bloc->numar) return {};
    auto celula = std::upper_bound(bloc->celule.begin(), bloc->celule.end(), coloana,
                                   [](int c, const Rulare& x) { return c < x.primaColoana; });
    if (celula == bloc->celule.begin()) return {};
    --celula;
    return coloana < celula->primaColoana + celula->numar ? celula->text : QString();
}

QString FoaieDeCalcul::text(const QString& adresa) const {
    int rand = 0, coloana = 0;
    return citesteAdresa(adresa, rand, coloana) ? text(rand, coloana) : QString();
}

int FoaieDeCalcul::randuri() const {
    return blocuri_.empty() ? 0 : blocuri_.back().primulRand + blocuri_.back().numar;
}

void FoaieDeCalcul::adaugaRand(int rand, int numar) {
    if (!blocuri_.empty() && blocuri_.back().celule.empty()) blocuri_.pop_back();
    blocuri_.push_back({rand, numar, {}});
}

void FoaieDeCalcul::adaugaCelula(int coloana, int numar, const QString& text) {
    if (text.isEmpty() || blocuri_.empty()) return;
    blocuri_.back().celule.push_back({coloana, numar, text});
    coloane_ = std::max(coloane_, coloana + numar);
}

void FoaieDeCalcul::puneCelula(int rand, int coloana, const QString& text) {
    risipite_.push_back({rand, coloana, text});
}

void FoaieDeCalcul::imbina(int rand1, int coloana1, int rand2, int coloana2) {
    imbinari_.push_back({rand1, coloana1, rand2, coloana2});
}

void FoaieDeCalcul::stergeAcoperite() {
    // Merges of a sound file never overlap, so this visits each cell about once; a file whose
    // merges pile on each other is refused before the work grows without bound.
    long long pasi = 0;
    for (const auto& [r1, c1, r2, c2] : imbinari_) {
        auto inceput = std::lower_bound(risipite_.begin(), risipite_.end(), r1,
                                        [](const Celula& c, int r) { return c.rand < r; });
        for (auto c = inceput; c != risipite_.end() && c->rand <= r2; ++c) {
            if (++pasi > 50'000'000) throw Eroare("celulele imbinate se suprapun");
            if (c->coloana >= c1 && c->coloana <= c2 && (c->rand != r1 || c->coloana != c1)) c->text.clear();
        }
    }
    imbinari_.clear();
}

void FoaieDeCalcul::termina() {
    if (!blocuri_.empty() && blocuri_.back().celule.empty()) blocuri_.pop_back();
    if (risipite_.empty()) return;
    std::stable_sort(risipite_.begin(), risipite_.end(), [](const Celula& a, const Celula& b) {
        return a.rand != b.rand ? a.rand < b.rand : a.coloana < b.coloana;
    });
    stergeAcoperite();
    for (size_t i = 0; i < risipite_.size(); ++i) {
        const Celula& c = risipite_[i];
        const bool urmeazaAceeasi = i + 1 < risipite_.size() && risipite_[i + 1].rand == c.rand &&
                                    risipite_[i + 1].coloana == c.coloana;
        if (urmeazaAceeasi) continue;
        if (blocuri_.empty() || blocuri_.back().primulRand != c.rand) adaugaRand(c.rand, 1);
        adaugaCelula(c.coloana, 1, c.text);
    }
    if (!blocuri_.empty() && blocuri_.back().celule.empty()) blocuri_.pop_back();
    risipite_.clear();
    risipite_.shrink_to_fit();
}

QString FoaieDeCalcul::numeColoana(int coloana) {
    QString litere;
    for (int n = coloana + 1; n > 0; n = (n - 1) / 26)
        litere.prepend(QChar(u'A' + (n - 1) % 26));
    return litere;
}

bool FoaieDeCalcul::citesteAdresa(const QString& adresa, int& rand, int& coloana) {
    qsizetype i = 0;
    long long c = 0;
    while (i < adresa.size() && adresa[i].toUpper() >= u'A' && adresa[i].toUpper() <= u'Z' && c <= maxColoane)
        c = c * 26 + (adresa[i++].toUpper().unicode() - u'A' + 1);
    long long r = 0;
    const qsizetype cifre = i;
    while (i < adresa.size() && adresa[i] >= u'0' && adresa[i] <= u'9' && r <= maxRanduri)
        r = r * 10 + (adresa[i++].unicode() - u'0');
    if (cifre == 0 || i == cifre || i != adresa.size() || c > maxColoane || r < 1 || r > maxRanduri)
        return false;
    rand = int(r - 1);
    coloana = int(c - 1);
    return true;
}

QStringList RegistruDeCalcul::numeFoi() const {
    QStringList nume;
    for (const auto& f : foi)
        nume << f.nume();
    return nume;
}

const FoaieDeCalcul* RegistruDeCalcul::foaie(const QString& nume) const {
    for (const auto& f : foi)
        if (f.nume() == nume) return &f;
    return nullptr;
}

namespace {

constexpr qint64 marimeMaxima = 512ll * 1024 * 1024;

RegistruDeCalcul citesteZip(const QByteArray& continut) {
    const ArhivaGsf arhiva(continut, ArhivaGsf::Tip::Zip);
    if (arhiva.are(QStringLiteral("xl/workbook.xml"))) return citesteXlsx(arhiva);
    if (arhiva.are(QStringLiteral("content.xml"))) return citesteOds(arhiva);
    throw Eroare("arhiva zip nu este un registru de calcul (nici .xlsx, nici .ods)");
}

RegistruDeCalcul citesteDupaContinut(const QByteArray& continut, const QString& numeFisier) {
    if (continut.isEmpty()) throw Eroare("fisierul este gol");
    if (continut.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        return citesteXls(ArhivaGsf(continut, ArhivaGsf::Tip::Ole2));
    if (continut.startsWith("PK\x03\x04") || continut.startsWith("PK\x05\x06")) return citesteZip(continut);
    return citesteCsv(continut, QFileInfo(numeFisier).completeBaseName());
}

} // namespace

RegistruDeCalcul RegistruDeCalcul::citeste(const QByteArray& continut, const QString& numeFisier) {
    try {
        return citesteDupaContinut(continut, numeFisier);
    } catch (const Eroare& e) {
        fisierStricat(numeFisier, e.text());
    } catch (const std::bad_alloc&) {
        fisierStricat(numeFisier, "nu este destula memorie pentru continutul lui");
    }
}

RegistruDeCalcul RegistruDeCalcul::deschide(const QString& cale) {
    QFile fisier(cale);
    if (!fisier.open(QIODevice::ReadOnly))
        fisierStricat(cale, "nu poate fi deschis (" + fisier.errorString() + ")");
    if (fisier.size() > marimeMaxima) fisierStricat(cale, "este mai mare de 512 MB");
    return citeste(fisier.readAll(), cale);
}

QString RegistruDeCalcul::mesajDeteriorare(const QString& numeFisier) const {
    if (deteriorari.isEmpty()) return {};
    return QStringLiteral(
               "Fisierul %1 este deteriorat; s-a pastrat ce s-a putut citi:\n- %2\nVerificati datele "
               "preluate sau salvati fisierul din nou din programul de calcul tabelar.")
        .arg(numeFisier, deteriorari.join(QStringLiteral("\n- ")));
}

void fisierStricat(const QString& numeFisier, const QString& motiv) {
    throw Eroare::format("Fisierul %s nu poate fi citit: %s", {numeFisier, motiv});
}
