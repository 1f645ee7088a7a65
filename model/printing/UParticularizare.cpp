#include "printing/UParticularizare.h"

#include "platform/Cai.h"
#include "platform/Dialoguri.h"
#include "platform/Eroare.h"
#include "platform/PaginaCod.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

namespace {
// Tags of the typed values of the file.
enum Eticheta : quint8 {
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    Text8 = 6,
    Text32 = 12,
    TextUtf16 = 18,
    TextUtf8 = 20,
};

constexpr int formatLista = 0;
constexpr int versiuneScrisa = 2;

QString eroareFormat() {
    return QStringLiteral("Invalid format");
}

bool doarSapteBiti(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

// Reads typed values from the file's bytes; every fault throws the message of the format.
class CititorValori {
public:
    explicit CititorValori(const QByteArray& octeti) : octeti_(octeti) {}

    int intreg() {
        switch (octet()) {
        case Int8:
            return static_cast<qint8>(octet());
        case Int16:
            return qFromLittleEndian<qint16>(bucata(2).constData());
        case Int32:
            return qFromLittleEndian<qint32>(bucata(4).constData());
        default:
            throw Eroare(QStringLiteral("Invalid property value"));
        }
    }

    QString text() {
        switch (octet()) {
        case Text8:
            return PaginaCod::din1250(bucata(octet()));
        case Text32:
            return PaginaCod::din1250(bucata(lungime32()));
        case TextUtf16: {
            const QByteArray unitati = bucata(lungime32() * 2);
            QString text(unitati.size() / 2, Qt::Uninitialized);
            for (qsizetype i = 0; i < text.size(); ++i)
                text[i] = QChar(qFromLittleEndian<quint16>(unitati.constData() + 2 * i));
            // An unpaired surrogate cannot be saved as UTF-8: it becomes U+FFFD here, as it
            // would on saving, so what was read saves and reads back the same.
            return text.isValidUtf16() ? text : QString::fromUtf8(text.toUtf8());
        }
        case TextUtf8:
            return QString::fromUtf8(bucata(lungime32()));
        default:
            throw Eroare(QStringLiteral("Invalid property value"));
        }
    }

private:
    static Eroare sfarsitPrematur() { return Eroare(QStringLiteral("Stream read error")); }

    quint8 octet() { return static_cast<quint8>(bucata(1).at(0)); }
    qint64 lungime32() { return qFromLittleEndian<quint32>(bucata(4).constData()); }

    // The next n bytes; a length beyond the end of the file is a file that ends early.
    QByteArray bucata(qint64 n) {
        if (n > octeti_.size() - pozitie_) throw sfarsitPrematur();
        QByteArray parte = octeti_.mid(pozitie_, n);
        pozitie_ += n;
        return parte;
    }

    const QByteArray& octeti_;
    qint64 pozitie_ = 0;
};

// Writes typed values, always in their shortest form.
class ScriitorValori {
public:
    void intreg(int v) {
        if (v >= -128 && v <= 127) {
            octet(Int8);
            octet(static_cast<quint8>(static_cast<qint8>(v)));
        } else if (v >= -32768 && v <= 32767) {
            octet(Int16);
            adauga(qToLittleEndian(static_cast<qint16>(v)));
        } else {
            octet(Int32);
            adauga(qToLittleEndian(static_cast<qint32>(v)));
        }
    }

    void text(const QString& text) {
        if (!doarSapteBiti(text)) {
            const QByteArray utf8 = text.toUtf8();
            octet(TextUtf8);
            adauga(qToLittleEndian(static_cast<quint32>(utf8.size())));
            octeti_.append(utf8);
            return;
        }
        const QByteArray ascii = text.toLatin1();
        if (ascii.size() <= 255) {
            octet(Text8);
            octet(static_cast<quint8>(ascii.size()));
        } else {
            octet(Text32);
            adauga(qToLittleEndian(static_cast<quint32>(ascii.size())));
        }
        octeti_.append(ascii);
    }

    const QByteArray& octeti() const { return octeti_; }

private:
    void octet(quint8 b) { octeti_.append(static_cast<char>(b)); }
    template <class T> void adauga(T valoareLittleEndian) {
        octeti_.append(reinterpret_cast<const char*>(&valoareLittleEndian), sizeof(T));
    }

    QByteArray octeti_;
};

std::unique_ptr<TParticularizareTextArea> citesteInregistrare(CititorValori& cititor) {
    const int versiune = cititor.intreg();
    if (versiune < 0 || versiune > versiuneScrisa) throw Eroare(eroareFormat());
    auto rec = std::make_unique<TParticularizareTextArea>();
    rec->NumeFormular = cititor.text();
    rec->NumeTextArea = cititor.text();
    rec->Aliniere = cititor.intreg();
    rec->DeplasareOrizontala = cititor.intreg();
    rec->DeplasareVerticala = cititor.intreg();
    rec->NumeFont = cititor.text();
    if (versiune >= 1) rec->TextRedefinit = cititor.text();
    if (versiune >= 2) {
        rec->StilItalic = cititor.intreg();
        rec->StilBold = cititor.intreg();
        rec->FontSpecificat = cititor.text();
    }
    return rec;
}

void scrieInregistrare(ScriitorValori& scriitor, const TParticularizareTextArea& rec) {
    scriitor.intreg(versiuneScrisa);
    scriitor.text(rec.NumeFormular);
    scriitor.text(rec.NumeTextArea);
    scriitor.intreg(rec.Aliniere);
    scriitor.intreg(rec.DeplasareOrizontala);
    scriitor.intreg(rec.DeplasareVerticala);
    scriitor.text(rec.NumeFont);
    scriitor.text(rec.TextRedefinit);
    scriitor.intreg(rec.StilItalic);
    scriitor.intreg(rec.StilBold);
    scriitor.text(rec.FontSpecificat);
}

// A name beside the damaged file that no file holds yet: licenta-deteriorat-<moment>[-n].lic.
QString numeDeoparte(const QString& cale) {
    const QFileInfo info(cale);
    const QString baza = info.dir().filePath(info.completeBaseName() + QStringLiteral("-deteriorat-") +
                                             QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss"));
    const QString extensie = info.suffix().isEmpty() ? QString() : "." + info.suffix();
    QString nume = baza + extensie;
    for (int n = 2; QFileInfo::exists(nume); ++n)
        nume = baza + "-" + QString::number(n) + extensie;
    return nume;
}

bool puneDeoparte(const QString& cale, const QString& destinatie) {
    return QFile::rename(cale, destinatie) || QFile::copy(cale, destinatie);
}

// Window and area names joined by a character no component name holds.
QString cheie(const QString& numeFereastra, const QString& numeZona) {
    return numeFereastra + QChar(0) + numeZona;
}

std::unique_ptr<TListaParticularizareTextArea>& listaProces() {
    static std::unique_ptr<TListaParticularizareTextArea> lista;
    return lista;
}

} // namespace

TListaParticularizareTextArea::TListaParticularizareTextArea(QString caleFisier)
    : cale_(std::move(caleFisier)) {}

TParticularizareTextArea* TListaParticularizareTextArea::CautaParticularizare(const QString& numeFereastra,
                                                                              const QString& numeZona,
                                                                              bool creeaza) {
    if (TParticularizareTextArea* gasita = ultimaDupaCheie_.value(cheie(numeFereastra, numeZona)))
        return gasita;
    if (!creeaza) return nullptr;
    auto rec = std::make_unique<TParticularizareTextArea>();
    rec->NumeFormular = numeFereastra;
    rec->NumeTextArea = numeZona;
    adauga(std::move(rec));
    SalveazaFisier();
    return inregistrari_.back().get();
}

void TListaParticularizareTextArea::adauga(std::unique_ptr<TParticularizareTextArea> rec) {
    ultimaDupaCheie_.insert(cheie(rec->NumeFormular, rec->NumeTextArea), rec.get());
    inregistrari_.push_back(std::move(rec));
}

void TListaParticularizareTextArea::IncarcaFisier(const QString& cale) {
    QFile fisier(cale);
    if (!fisier.open(QIODevice::ReadOnly))
        throw Eroare::format("Cannot open file \"%s\". %s",
                             {QDir::toNativeSeparators(cale), fisier.errorString()});
    const QByteArray octeti = fisier.readAll();
    CititorValori cititor(octeti);
    if (cititor.intreg() != formatLista) throw Eroare(eroareFormat());
    const int numarInregistrari = cititor.intreg();
    if (numarInregistrari < 0) throw Eroare(eroareFormat());
    for (int i = 0; i < numarInregistrari; ++i)
        adauga(citesteInregistrare(cititor));
}

QByteArray TListaParticularizareTextArea::serializeaza() const {
    ScriitorValori scriitor;
    scriitor.intreg(formatLista);
    scriitor.intreg(numar());
    for (const auto& rec : inregistrari_)
        scrieInregistrare(scriitor, *rec);
    return scriitor.octeti();
}

void TListaParticularizareTextArea::SalveazaFisier() const {
    if (necitit_)
        throw Eroare::format("Particularizarile nu pot fi salvate: fisierul \"%s\" nu a putut fi deschis la "
                             "pornire si nu se scrie peste el.",
                             {QDir::toNativeSeparators(cale_)});
    if (salvareBlocata_)
        throw Eroare::format(
            "Particularizarile nu pot fi salvate: fisierul \"%s\" este deteriorat si nu a putut "
            "fi pus deoparte. Mutati-l sau stergeti-l si reporniti programul.",
            {QDir::toNativeSeparators(cale_)});
    QDir().mkpath(QFileInfo(cale_).absolutePath());
    // A temporary file replaces the old one only when written whole: a crash or a full disk
    // never leaves a truncated file.
    QSaveFile fisier(cale_);
    const auto nuSePoateCrea = [&] {
        return Eroare::format("Cannot create file \"%s\". %s",
                              {QDir::toNativeSeparators(cale_), fisier.errorString()});
    };
    if (!fisier.open(QIODevice::WriteOnly)) throw nuSePoateCrea();
    const QByteArray octeti = serializeaza();
    if (fisier.write(octeti) != octeti.size()) throw nuSePoateCrea();
    if (!fisier.commit()) throw nuSePoateCrea();
}

void TListaParticularizareTextArea::IncarcaSauPuneDeoparte() {
    if (!QFileInfo::exists(cale_)) return;
    // A file that cannot even be opened was never read: it is not called damaged nor moved,
    // and nothing is written over it.
    if (QFile proba(cale_); !proba.open(QIODevice::ReadOnly)) {
        necitit_ = true;
        dialoguri().avertisment(
            nullptr,
            Eroare::format("Fisierul cu particularizarile campurilor \"%s\" nu poate fi deschis (%s). "
                           "Se lucreaza fara particularizari, iar fisierul nu este modificat.",
                           {QDir::toNativeSeparators(cale_), proba.errorString()})
                .text());
        return;
    }
    try {
        IncarcaFisier(cale_);
        return;
    } catch (const Eroare& e) {
        const QString deoparte = numeDeoparte(cale_);
        if (!puneDeoparte(cale_, deoparte)) {
            salvareBlocata_ = true;
            dialoguri().avertisment(
                nullptr,
                Eroare::format("Fisierul cu particularizarile campurilor \"%s\" este deteriorat (%s) si nu a "
                               "putut fi pus deoparte. Se folosesc cele %s particularizari citite "
                               "inainte de eroare, dar nu se salveaza nimic peste fisier.",
                               {QDir::toNativeSeparators(cale_), e.text(), QString::number(numar())})
                    .text());
            return;
        }
        dialoguri().avertisment(
            nullptr,
            Eroare::format("Fisierul cu particularizarile campurilor \"%s\" este deteriorat (%s). A fost "
                           "pastrat sub numele \"%s\"; se folosesc cele %s particularizari citite "
                           "inainte de eroare.",
                           {QDir::toNativeSeparators(cale_), e.text(), QDir::toNativeSeparators(deoparte),
                            QString::number(numar())})
                .text());
    }
    if (numar() == 0) return;
    try {
        SalveazaFisier();
    } catch (const Eroare& e) {
        dialoguri().avertisment(nullptr, e.text());
    }
}

TListaParticularizareTextArea& Particularizari() {
    auto& lista = listaProces();
    if (!lista) {
        // Made before loading, so a repaint during the warning of a damaged file finds it.
        lista =
            std::make_unique<TListaParticularizareTextArea>(Cai::inDosarDate(QStringLiteral("licenta.lic")));
        lista->IncarcaSauPuneDeoparte();
    }
    return *lista;
}

void IncarcaParticularizarile() {
    listaProces().reset();
    Particularizari();
}

TListaParticularizareTextArea* ParticularizariIncarcate() {
    return listaProces().get();
}

std::optional<AjustarePagina> AjustareaAriei(TListaParticularizareTextArea& lista,
                                             const QString& numeFormular, const QString& numeArie,
                                             const FonturiDupaNume& fonturi) {
    const TParticularizareTextArea* rec = lista.CautaParticularizare(numeFormular, numeArie, false);
    if (!rec) return std::nullopt;
    if (rec->NumeFont.isEmpty() || !fonturi) return rec->ajustare(rec->Font.data());
    return rec->ajustare(fonturi(rec->NumeFont));
}
