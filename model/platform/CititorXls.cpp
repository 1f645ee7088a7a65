#include "platform/CititorXls.h"

#include "platform/ArhivaGsf.h"
#include "platform/Eroare.h"
#include "platform/FormatNumar.h"
#include "platform/PaginaCod.h"

#include <QHash>
#include <cstring>

namespace {

enum : quint16 {
    recFormula = 0x0006,
    recEof = 0x000A,
    recDateMode = 0x0022,
    recFilePass = 0x002F,
    recContinue = 0x003C,
    recCodePage = 0x0042,
    recBoundSheet = 0x0085,
    recMulRk = 0x00BD,
    recRString = 0x00D6,
    recXf = 0x00E0,
    recMergedCells = 0x00E5,
    recSst = 0x00FC,
    recLabelSst = 0x00FD,
    recNumber = 0x0203,
    recLabel = 0x0204,
    recBoolErr = 0x0205,
    recString = 0x0207,
    recRk = 0x027E,
    recFormat = 0x041E,
    recFormatBiff4 = 0x001E,
    recBof = 0x0809,
    recShrFmla = 0x04BC,
    recArray = 0x0221,
    recTable = 0x0236,
};

// A record that does not hold what its type says: it costs its own cells, not the workbook.
struct InregistrareDeteriorata {};

[[noreturn]] void deteriorat() {
    throw InregistrareDeteriorata{};
}

// One record's bytes, read with bounds checks.
class Octeti {
public:
    Octeti() = default;
    explicit Octeti(QByteArrayView date) : date_(date) {}

    qsizetype marime() const { return date_.size(); }
    quint8 u8(qsizetype la) const {
        if (la < 0 || la + 1 > date_.size()) deteriorat();
        return quint8(date_[la]);
    }
    quint16 u16(qsizetype la) const { return quint16(u8(la) | (u8(la + 1) << 8)); }
    quint32 u32(qsizetype la) const { return u16(la) | (quint32(u16(la + 2)) << 16); }
    double f64(qsizetype la) const {
        const quint64 biti = u32(la) | (quint64(u32(la + 4)) << 32);
        double d;
        std::memcpy(&d, &biti, sizeof d);
        return d;
    }
    QByteArrayView parte(qsizetype la, qsizetype n) const {
        if (la < 0 || n < 0 || la + n > date_.size()) deteriorat();
        return date_.sliced(la, n);
    }

private:
    QByteArrayView date_;
};

struct Inregistrare {
    quint16 tip;
    Octeti date;
    qsizetype pozitie;
};

class Flux {
public:
    explicit Flux(const QByteArray& date, qsizetype pozitie = 0) : date_(date), pozitie_(pozitie) {}

    // False at the end of the stream; a record cut by the end counts as the end (trunchiat()).
    bool urmatoarea(Inregistrare& r) {
        if (pozitie_ + 4 > date_.size()) {
            trunchiat_ = trunchiat_ || pozitie_ < date_.size();
            return false;
        }
        const Octeti antet(QByteArrayView(date_).sliced(pozitie_, 4));
        const quint16 lungime = antet.u16(2);
        if (pozitie_ + 4 + lungime > date_.size()) {
            trunchiat_ = true;
            pozitie_ = date_.size();
            return false;
        }
        r = {antet.u16(0), Octeti(QByteArrayView(date_).sliced(pozitie_ + 4, lungime)), pozitie_};
        pozitie_ += 4 + lungime;
        return true;
    }
    bool trunchiat() const { return trunchiat_; }
    // The next record's type, without reading it; 0 at the end.
    quint16 tipulUrmator() const {
        if (pozitie_ + 4 > date_.size()) return 0;
        return quint16(quint8(date_[pozitie_]) | (quint8(date_[pozitie_ + 1]) << 8));
    }

private:
    const QByteArray& date_;
    qsizetype pozitie_;
    bool trunchiat_ = false;
};

QString eroareCelula(quint8 cod) {
    switch (cod) {
    case 0x00:
        return QStringLiteral("#NULL!");
    case 0x07:
        return QStringLiteral("#DIV/0!");
    case 0x0F:
        return QStringLiteral("#VALUE!");
    case 0x17:
        return QStringLiteral("#REF!");
    case 0x1D:
        return QStringLiteral("#NAME?");
    case 0x24:
        return QStringLiteral("#NUM!");
    default:
        return QStringLiteral("#N/A");
    }
}

double dinRk(quint32 rk) {
    double valoare;
    if (rk & 2) {
        valoare = double(qint32(rk) >> 2);
    } else {
        const quint64 biti = quint64(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&valoare, &biti, sizeof valoare);
    }
    return rk & 1 ? valoare / 100 : valoare;
}

// A string of the SST: its characters may continue in the next CONTINUE record, which then
// starts with its own byte saying whether they are one or two bytes wide.
class CititorSst {
public:
    explicit CititorSst(QList<Octeti> bucati) : bucati_(std::move(bucati)) {}

    bool gata() const { return bucata_ >= bucati_.size(); }

    QString sir() {
        const quint16 numar = u16();
        const quint8 optiuni = u8();
        const quint16 rulari = (optiuni & 0x08) ? u16() : 0;
        const quint32 extensie = (optiuni & 0x04) ? u32() : 0;
        QString text = caractere(numar, optiuni & 0x01);
        sari(qint64(rulari) * 4 + extensie);
        return text;
    }

private:
    void inainte() {
        while (bucata_ < bucati_.size() && pozitie_ >= bucati_[bucata_].marime()) {
            ++bucata_;
            pozitie_ = 0;
        }
        if (bucata_ >= bucati_.size()) deteriorat();
    }
    quint8 u8() {
        inainte();
        return bucati_[bucata_].u8(pozitie_++);
    }
    quint16 u16() { return quint16(u8() | (u8() << 8)); }
    quint32 u32() { return u16() | (quint32(u16()) << 16); }
    void sari(qint64 n) {
        while (n > 0) {
            inainte();
            const qint64 pas = std::min<qint64>(n, bucati_[bucata_].marime() - pozitie_);
            pozitie_ += pas;
            n -= pas;
        }
    }
    QString caractere(int numar, bool lat) {
        QString text;
        text.reserve(numar);
        while (text.size() < numar) {
            if (bucata_ < bucati_.size() && pozitie_ >= bucati_[bucata_].marime()) {
                ++bucata_;
                pozitie_ = 0;
                lat = u8() & 0x01;
            }
            inainte();
            const Octeti& b = bucati_[bucata_];
            const qsizetype incap = (b.marime() - pozitie_) / (lat ? 2 : 1);
            if (incap == 0) deteriorat();
            const qsizetype n = std::min<qsizetype>(incap, numar - text.size());
            const QByteArrayView v = b.parte(pozitie_, n * (lat ? 2 : 1));
            text += lat ? QString::fromUtf16(reinterpret_cast<const char16_t*>(v.data()), n)
                        : QString::fromLatin1(v);
            pozitie_ += v.size();
        }
        return text;
    }

    QList<Octeti> bucati_;
    qsizetype bucata_ = 0;
    qsizetype pozitie_ = 0;
};

struct FoaieXls {
    QString nume;
    qsizetype pozitie;
};

class CititorXls {
public:
    explicit CititorXls(const QByteArray& flux) : flux_(flux) {}

    RegistruDeCalcul citeste() {
        citesteGlobale();
        RegistruDeCalcul registru;
        for (const auto& f : foi_)
            registru.foi.push_back(citesteFoaie(f));
        if (deteriorateGlobale_)
            deteriorari_ << QStringLiteral("%1 inregistrari generale deteriorate, neluate in seama")
                                .arg(deteriorateGlobale_);
        registru.deteriorari = deteriorari_;
        return registru;
    }

private:
    // Unicode string of BIFF8 (16-bit or 8-bit length) or a byte string of BIFF5 in the
    // workbook's code page; returns its bytes' length through consumat.
    QString sirBiff(const Octeti& d, qsizetype la, bool lungimeOctet, qsizetype* consumat = nullptr) const {
        const int numar = lungimeOctet ? d.u8(la) : d.u16(la);
        la += lungimeOctet ? 1 : 2;
        if (!biff8_) {
            if (consumat) *consumat = (lungimeOctet ? 1 : 2) + numar;
            return PaginaCod::decodifica(d.parte(la, numar), paginaCod_);
        }
        const quint8 optiuni = d.u8(la++);
        qsizetype inceput = la;
        if (optiuni & 0x08) la += 2;
        if (optiuni & 0x04) la += 4;
        const bool lat = optiuni & 0x01;
        const QByteArrayView v = d.parte(la, qsizetype(numar) * (lat ? 2 : 1));
        if (consumat) *consumat = (lungimeOctet ? 1 : 2) + 1 + (la - inceput) + v.size();
        return lat ? QString::fromUtf16(reinterpret_cast<const char16_t*>(v.data()), numar)
                   : QString::fromLatin1(v);
    }

    void citesteGlobale() {
        Flux flux(flux_);
        Inregistrare r;
        if (!flux.urmatoarea(r) || (r.tip != recBof && r.tip != 0x0409 && r.tip != 0x0209))
            throw Eroare("nu este un registru Excel (lipseste inceputul registrului)");
        biff8_ = r.date.u16(0) == 0x0600;
        if (!biff8_ && r.date.u16(0) != 0x0500)
            throw Eroare("registrul este intr-un format Excel prea vechi (inainte de Excel 5)");
        QList<Octeti> sst;
        bool inSst = false;
        while (flux.urmatoarea(r) && r.tip != recEof) {
            inSst = inSst && r.tip == recContinue;
            try {
                citesteGlobala(r, sst, inSst);
            } catch (const InregistrareDeteriorata&) {
                ++deteriorateGlobale_;
            }
        }
        if (flux.trunchiat() && foi_.isEmpty())
            throw Eroare("registrul Excel este trunchiat inaintea primei foi");
        if (flux.trunchiat()) deteriorari_ << QStringLiteral("registrul se termina mai devreme decat spune");
        if (!sst.isEmpty()) citesteSst(sst);
    }

    void citesteGlobala(const Inregistrare& r, QList<Octeti>& sst, bool& inSst) {
        switch (r.tip) {
        case recFilePass:
            throw Eroare("registrul este protejat cu parola");
        case recCodePage:
            paginaCod_ = r.date.u16(0);
            break;
        case recDateMode:
            sistem1904_ = r.date.u16(0) == 1;
            break;
        case recFormat:
        case recFormatBiff4:
            coduri_.insert(r.date.u16(0), sirBiff(r.date, 2, !biff8_));
            break;
        case recXf:
            formatXf_ << r.date.u16(2);
            break;
        case recBoundSheet:
            if (r.date.u8(5) == 0) foi_.append({sirBiff(r.date, 6, true), qsizetype(r.date.u32(0))});
            break;
        case recSst:
            sst = {r.date};
            inSst = true;
            break;
        case recContinue:
            if (inSst) sst << r.date;
            break;
        default:
            break;
        }
    }

    void citesteSst(QList<Octeti>& bucati) {
        const quint32 numar = bucati.first().u32(4);
        bucati.first() = Octeti(bucati.first().parte(8, bucati.first().marime() - 8));
        CititorSst cititor(bucati);
        // every string takes at least three bytes, which bounds a count that lies
        try {
            for (quint32 i = 0; i < numar && !cititor.gata(); ++i)
                siruri_ << cititor.sir();
        } catch (const InregistrareDeteriorata&) {
            // the texts before the damage stay
        }
        bucati.clear();
    }

    QString cod(quint16 xf) const {
        if (xf >= formatXf_.size()) return QStringLiteral("General");
        const quint16 id = formatXf_[xf];
        QString c = coduri_.value(id, FormatNumar::codImplicit(id));
        return c.isEmpty() ? QStringLiteral("General") : c;
    }

    QString numar(double valoare, quint16 xf) const {
        return FormatNumar::numar(valoare, cod(xf), sistem1904_);
    }
    QString text(const QString& valoare, quint16 xf) const { return FormatNumar::text(valoare, cod(xf)); }

    static void verificaCelula(int rand, int coloana) {
        if (rand >= 65536 || coloana >= 256) throw Eroare("o celula are adresa in afara foii");
    }

    FoaieDeCalcul citesteFoaie(const FoaieXls& f) {
        FoaieDeCalcul foaie(f.nume);
        if (f.pozitie >= flux_.size() && !deteriorari_.isEmpty()) {
            // the file ends before this sheet: it stays, empty, so the others keep their places
            deteriorari_ << QStringLiteral("foaia %1 lipseste: fisierul se termina inaintea ei").arg(f.nume);
            return foaie;
        }
        if (f.pozitie <= 0 || f.pozitie >= flux_.size())
            throw Eroare::format("foaia %s nu se afla in fisier", {f.nume});
        Flux flux(flux_, f.pozitie);
        Inregistrare r;
        if (!flux.urmatoarea(r) || r.tip != recBof)
            throw Eroare::format("foaia %s este deteriorata", {f.nume});
        int formulaRand = -1, formulaColoana = -1;
        quint16 formulaXf = 0;
        int deteriorate = 0, faraText = 0;
        auto pune = [&](int rand, int coloana, const QString& text) {
            verificaCelula(rand, coloana);
            foaie.puneCelula(rand, coloana, text);
        };
        while (flux.urmatoarea(r)) {
            try {
                citesteInregistrare(r, flux, foaie, pune, formulaRand, formulaColoana, formulaXf, faraText);
            } catch (const InregistrareDeteriorata&) {
                ++deteriorate;
            }
            if (r.tip == recEof) break;
        }
        if (deteriorate)
            deteriorari_ << QStringLiteral("foaia %1: %2 inregistrari deteriorate, celulele lor lipsesc")
                                .arg(f.nume)
                                .arg(deteriorate);
        if (faraText)
            deteriorari_ << QStringLiteral("foaia %1: %2 celule trimit la texte care lipsesc, raman goale")
                                .arg(f.nume)
                                .arg(faraText);
        if (flux.trunchiat())
            deteriorari_ << QStringLiteral(
                                "foaia %1 se termina mai devreme decat spune registrul; s-a pastrat "
                                "pana la randul %2")
                                .arg(f.nume)
                                .arg(foaie.randuri());
        foaie.termina();
        return foaie;
    }

    template <typename Pune>
    void citesteInregistrare(const Inregistrare& r, Flux& flux, FoaieDeCalcul& foaie, Pune& pune,
                             int& formulaRand, int& formulaColoana, quint16& formulaXf, int& faraText) {
        {
            // sheets of a sound file never share records: this bounds a file whose sheets
            // all point at the same place
            octetiFoi_ += 4 + r.date.marime();
            if (octetiFoi_ > flux_.size()) throw Eroare("foile registrului se suprapun");
            const Octeti& d = r.date;
            if (r.tip == recEof) return;
            if (r.tip == recBof) {
                sariSubflux(flux);
                return;
            }
            // a shared, array or table formula record may stand between a formula and its text
            if (r.tip != recString && r.tip != recShrFmla && r.tip != recArray && r.tip != recTable)
                formulaRand = -1;
            switch (r.tip) {
            case recLabelSst: {
                const quint32 index = d.u32(6);
                if (index < quint32(siruri_.size()))
                    pune(d.u16(0), d.u16(2), text(siruri_[index], d.u16(4)));
                else
                    ++faraText;
                break;
            }
            case recLabel:
            case recRString:
                pune(d.u16(0), d.u16(2), text(sirBiff(d, 6, false), d.u16(4)));
                break;
            case recNumber:
                pune(d.u16(0), d.u16(2), numar(d.f64(6), d.u16(4)));
                break;
            case recRk:
                pune(d.u16(0), d.u16(2), numar(dinRk(d.u32(6)), d.u16(4)));
                break;
            case recMulRk: {
                const int rand = d.u16(0), prima = d.u16(2);
                const int numarCelule = int((d.marime() - 6) / 6);
                for (int k = 0; k < numarCelule; ++k)
                    pune(rand, prima + k, numar(dinRk(d.u32(4 + 6 * k + 2)), d.u16(4 + 6 * k)));
                break;
            }
            case recBoolErr:
                pune(d.u16(0), d.u16(2), d.u8(7) ? eroareCelula(d.u8(6)) : FormatNumar::boolean(d.u8(6)));
                break;
            case recFormula:
                if (d.u16(12) != 0xFFFF) {
                    pune(d.u16(0), d.u16(2), numar(d.f64(6), d.u16(4)));
                } else if (d.u8(6) == 0) {
                    formulaRand = d.u16(0);
                    formulaColoana = d.u16(2);
                    formulaXf = d.u16(4);
                } else if (d.u8(6) == 1) {
                    pune(d.u16(0), d.u16(2), FormatNumar::boolean(d.u8(8)));
                } else if (d.u8(6) == 2) {
                    pune(d.u16(0), d.u16(2), eroareCelula(d.u8(8)));
                }
                break;
            case recString: {
                // a long text goes on in CONTINUE records, each starting with its characters' width
                QList<Octeti> bucati{d};
                Inregistrare continuare;
                while (flux.tipulUrmator() == recContinue && flux.urmatoarea(continuare))
                    bucati << continuare.date;
                const QString sir = biff8_ ? CititorSst(bucati).sir() : sirBiff(d, 0, false);
                if (formulaRand >= 0) pune(formulaRand, formulaColoana, text(sir, formulaXf));
                formulaRand = -1;
                break;
            }
            case recMergedCells: {
                const int numarImbinari = d.u16(0);
                for (int k = 0; k < numarImbinari; ++k)
                    foaie.imbina(d.u16(2 + 8 * k), d.u16(2 + 8 * k + 4), d.u16(2 + 8 * k + 2),
                                 d.u16(2 + 8 * k + 6));
                break;
            }
            default:
                break;
            }
        }
    }

    // A chart or another object inside the sheet has its own BOF ... EOF.
    static void sariSubflux(Flux& flux) {
        Inregistrare r;
        int adancime = 1;
        while (adancime > 0 && flux.urmatoarea(r)) {
            if (r.tip == recBof)
                ++adancime;
            else if (r.tip == recEof)
                --adancime;
        }
    }

    const QByteArray& flux_;
    qsizetype octetiFoi_ = 0;
    bool biff8_ = true;
    bool sistem1904_ = false;
    int paginaCod_ = 1250;
    QHash<int, QString> coduri_;
    QList<quint16> formatXf_;
    QList<FoaieXls> foi_;
    QStringList siruri_;
    QStringList deteriorari_;
    int deteriorateGlobale_ = 0;
};

} // namespace

RegistruDeCalcul citesteXls(const ArhivaGsf& arhiva) {
    if (arhiva.are(QStringLiteral("EncryptionInfo")) || arhiva.are(QStringLiteral("EncryptedPackage")))
        throw Eroare("registrul este protejat cu parola");
    QString numeFlux;
    if (arhiva.are(QStringLiteral("Workbook")))
        numeFlux = QStringLiteral("Workbook");
    else if (arhiva.are(QStringLiteral("Book")))
        numeFlux = QStringLiteral("Book");
    else
        throw Eroare("nu este un registru Excel (fisierul compus nu contine un registru)");
    const QByteArray flux = arhiva.citeste(numeFlux);
    try {
        return CititorXls(flux).citeste();
    } catch (const InregistrareDeteriorata&) {
        // damage where no cell can take the loss: the workbook's start or a sheet's
        throw Eroare("o inregistrare din registrul Excel este deteriorata");
    }
}
