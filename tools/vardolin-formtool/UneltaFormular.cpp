#include "UneltaFormular.h"

#include "EleviDinLinieDeComanda.h"
#include "data/StocElevi.h"
#include "data/UDm.h"
#include "data/UProfilVardolin.h"
#include "platform/Eroare.h"
#include "platform/ImprimantaEcran.h"
#include "platform/ImprimantaPdf.h"
#include "printing/LotDinBaza.h"
#include "printing/LucrareTiparire.h"
#include "printing/Milimetri.h"
#include "printing/RandarePagina.h"
#include "printing/SetariTiparire.h"
#include "printing/UMachetaVardolin.h"
#include "printing/UParticularizare.h"
#include "register/InregistrareLaTiparire.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <cmath>
#include <cstdio>

const char* const utilizareUnealta =
    "Utilizare:\n"
    "  vardolin-formtool png --side fata|verso --zoom Z --out FISIER.png [--numbers]\n"
    "  vardolin-formtool pdf --side fata|verso --out FISIER.pdf [--left MM] [--top MM] [--rotate] "
    "[--numbers]\n"
    "  vardolin-formtool pdf --student ID --side fata|verso --out FISIER.pdf [--left MM] [--top MM] "
    "[--rotate]\n"
    "  vardolin-formtool pdf --students all|ID[,ID|ID-ID...] --side fata|verso --out FISIER.pdf "
    "[--left MM] [--top MM] [--rotate]\n"
    "      [--serie S --numar N [--descrescator] | --proba]\n"
    "    (--student, --students: baza de date din VARDOLIN_DATA_DIR, completata ca in fereastra de "
    "tiparire;\n"
    "     --students: o pagina pentru fiecare elev; elevii care nu pot fi tipariti sunt scrisi la "
    "stderr\n"
    "     si codul de iesire este 2;\n"
    "     --serie, --numar: fata se tipareste pe formularele seriei S, de la numarul N in sus (in jos cu\n"
    "     --descrescator), si se trece in registru ca deja verificata; --proba: hartie alba, nimic in\n"
    "     registru; elevii care au deja certificat nu se tiparesc)\n";

namespace {

double numar(const QString& optiune, const QString& text) {
    bool ok = false;
    const double v = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(v))
        throw Eroare::format("Valoarea lui %s nu este un numar: \"%s\".", {optiune, text});
    return v;
}

// A whole number from 1 up, else the option's message naming what it should be.
int pozitiv(const QString& text, const char* optiune, const char* ce) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n <= 0)
        throw Eroare::format("%s trebuie sa fie numarul unui %s, nu \"%s\".",
                             {QString::fromLatin1(optiune), QString::fromLatin1(ce), text});
    return n;
}

int idElev(const QString& text) {
    return pozitiv(text, "--student", "elev");
}

// "all", or ids and ranges joined by commas: 3,7,10-12.
void citesteElevii(const QString& text, OptiuniUnealta& o) {
    o.lot = true;
    const auto elevi = EleviDinLinieDeComanda(text);
    o.toti = !elevi;
    if (elevi) o.elevi.insert(o.elevi.end(), elevi->begin(), elevi->end());
}

QString codPaginaDinParte(const QString& parte) {
    if (parte == u"fata") return QStringLiteral("FATA");
    if (parte == u"verso") return QStringLiteral("SPATE");
    throw Eroare::format("--side trebuie sa fie fata sau verso, nu \"%s\".", {parte});
}

// Moves a file, also across file systems; an existing target is replaced.
void muta(const QString& de, const QString& la) {
    QFile::remove(la);
    if (QFile::rename(de, la)) return;
    if (!QFile::copy(de, la)) throw Eroare::format("Nu pot scrie %s.", {la});
    QFile::remove(de);
}

// The database of the data folder opened as the program opens it, the adjustments read.
struct MotorPregatit {
    MotorPregatit() {
        InregistreazaProfilVardolin();
        FbConexiune::pregatesteMotorulIncorporat();
    }
};
struct BazaUnealta : MotorPregatit {
    TDM dm;
    BazaUnealta() {
        TDM::seteazaEcranePornire(nullptr);
        dm.DataModuleCreate();
        IncarcaParticularizarile();
    }
};

int laturaDinCod(const QString& codPagina) {
    return codPagina == u"SPATE" ? LaturaVerso : LaturaFata;
}

// The job's questions answered from the command line; the students left out go to stderr.
class IntrebariUnealta : public IntrebariLucrare {
public:
    IntrebariUnealta(const OptiuniUnealta& optiuni, int foi) : optiuni_(optiuni), foi_(foi) {}

    void mesaj(const QString& text) override {
        std::fprintf(stderr, "vardolin-formtool: %s\n", qPrintable(text));
    }
    bool continuaFaraOmisi(const std::vector<ElevOmis>& omisi, int tiparibili) override {
        if (!optiuni_.lot) throw Eroare(omisi.front().motiv);
        for (const ElevOmis& o : omisi)
            std::fprintf(stderr, "vardolin-formtool: elevul %d nu se tipareste: %s\n", o.idElev,
                         qPrintable(o.motiv));
        if (tiparibili == 0) throw Eroare("Niciun elev nu poate fi tiparit.");
        foi_ = tiparibili;
        return true;
    }
    std::optional<AsezareFoaie> asezare(int, const AsezareFoaie&, const QString&) override {
        if (!optiuni_.seria.isEmpty())
            Registru::verificaTeancul(optiuni_.seria, optiuni_.primulNumar, !optiuni_.descrescator, foi_);
        return AsezareFoaie{optiuni_.stanga, optiuni_.sus, optiuni_.rotit};
    }

private:
    const OptiuniUnealta& optiuni_;
    int foi_;
};

void verificaFormularele(const OptiuniUnealta& o) {
    const bool peFormulare = !o.seria.isEmpty() || o.primulNumar > 0 || o.descrescator;
    if (!peFormulare && !o.proba) return;
    if (!o.elev && !o.lot)
        throw Eroare("--serie, --numar si --proba se folosesc doar cu --student sau --students.");
    if (o.proba && peFormulare) throw Eroare("--proba nu se foloseste cu --serie sau --numar.");
    if (o.proba) return;
    if (o.codPagina != u"FATA")
        throw Eroare(
            "Pe formulare se inregistreaza doar fata; versoul se tipareste fara --serie si --numar.");
    if (o.seria.isEmpty() || o.primulNumar <= 0)
        throw Eroare("Pe formulare trebuie date --serie si --numar.");
}

} // namespace

OptiuniUnealta OptiuniUnealta::citeste(const QStringList& argumente) {
    if (argumente.isEmpty()) throw Eroare("Lipseste comanda (png sau pdf).");
    OptiuniUnealta o;
    const QString comanda = argumente.first();
    if (comanda == u"png")
        o.comanda = Png;
    else if (comanda == u"pdf")
        o.comanda = Pdf;
    else
        throw Eroare::format("Comanda necunoscuta \"%s\".", {comanda});

    for (qsizetype i = 1; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        const auto valoare = [&]() -> QString {
            if (i + 1 >= argumente.size()) throw Eroare::format("Lipseste valoarea lui %s.", {a});
            return argumente[++i];
        };
        const bool doarPdf = a == u"--left" || a == u"--top" || a == u"--rotate" || a == u"--student" ||
                             a == u"--students" || a == u"--serie" || a == u"--numar" ||
                             a == u"--descrescator" || a == u"--proba";
        if (doarPdf && o.comanda != Pdf) throw Eroare::format("%s se foloseste doar cu pdf.", {a});
        if (a == u"--zoom" && o.comanda != Png) throw Eroare::format("%s se foloseste doar cu png.", {a});
        if (a == u"--side")
            o.codPagina = codPaginaDinParte(valoare());
        else if (a == u"--zoom")
            o.zoom = numar(a, valoare());
        else if (a == u"--out")
            o.iesire = valoare();
        else if (a == u"--left")
            o.stanga = numar(a, valoare());
        else if (a == u"--top")
            o.sus = numar(a, valoare());
        else if (a == u"--rotate")
            o.rotit = true;
        else if (a == u"--student")
            o.elev = idElev(valoare());
        else if (a == u"--students")
            citesteElevii(valoare(), o);
        else if (a == u"--numbers")
            o.numere = true;
        else if (a == u"--serie")
            o.seria = valoare().trimmed().toUpper();
        else if (a == u"--numar")
            o.primulNumar = pozitiv(valoare(), "--numar", "formular");
        else if (a == u"--descrescator")
            o.descrescator = true;
        else if (a == u"--proba")
            o.proba = true;
        else
            throw Eroare::format("Optiune necunoscuta \"%s\".", {a});
    }
    if (o.codPagina.isEmpty()) throw Eroare("Lipseste --side.");
    if ((o.elev || o.lot) && o.numere) throw Eroare("--numbers nu se foloseste cu --student sau --students.");
    if (o.elev && o.lot) throw Eroare("--student si --students nu se folosesc impreuna.");
    if (o.iesire.isEmpty()) throw Eroare("Lipseste --out.");
    verificaFormularele(o);
    // A huge zoom would ask for a picture no memory holds.
    if (o.zoom <= 0 || o.zoom > 1000) throw Eroare("--zoom trebuie sa fie intre 0 si 1000.");
    return o;
}

int UneltaFormular::ruleaza() {
    if (optiuni_.lot || optiuni_.elev) return tiparesteElevii();
    const MachetaVardolin macheta = MachetaVardolin::citeste();
    const PaginaMacheta* parte = macheta.pagina(optiuni_.codPagina);
    if (!parte) throw Eroare::format("Macheta nu are pagina %s.", {optiuni_.codPagina});
    // Neither printing nor the picture needs a window: the page description through the renderer.
    PaginaFormular pagina = macheta.descriere(*parte);
    if (optiuni_.numere) pagina.NumeroteazaAriile();
    if (optiuni_.comanda == OptiuniUnealta::Pdf) {
        LucrareTiparire lucrare =
            LucrareTiparire::oFoaie(std::move(pagina), 0, laturaDinCod(optiuni_.codPagina), pdf_);
        lucrare.seteazaTitlu(QStringLiteral("Vardolin ") + optiuni_.codPagina);
        tipareste(lucrare, 1);
    } else {
        scriePng(pagina, QImage(parte->BkImage));
    }
    return 0;
}

void UneltaFormular::scriePng(const PaginaFormular& pagina, const QImage& fundal) {
    const double dpi = RezolutieEcran(optiuni_.zoom);
    const QSize marime(MmToPixels(pagina.latime, dpi), MmToPixels(pagina.inaltime, dpi));
    QImage imagine(marime, QImage::Format_RGB32);
    imagine.fill(Qt::white);
    QPainter pictor(&imagine);
    DeseneazaFundal(pictor, fundal, marime);
    ImprimantaEcran ecran(pictor, marime);
    DeseneazaPagina(pagina, ecran, dpi);
    pictor.end();
    if (!imagine.save(optiuni_.iesire, "PNG")) throw Eroare::format("Nu pot scrie %s.", {optiuni_.iesire});
}

RezultatLucrare UneltaFormular::tipareste(LucrareTiparire& lucrare, int foi) {
    lucrare.folosesteSetarile(false);
    IntrebariUnealta intrebari(optiuni_, foi);
    const RezultatLucrare rezultat = lucrare.ruleaza(intrebari);
    muta(pdf_.ultimulFisier(), optiuni_.iesire);
    return rezultat;
}

int UneltaFormular::tiparesteElevii() {
    const BazaUnealta baza;

    std::vector<int> elevi = optiuni_.elevi;
    if (optiuni_.elev) elevi.push_back(*optiuni_.elev);
    if (optiuni_.toti) {
        const std::vector<int> toti = StocElevi::Randuri(QStringLiteral("ELEVI"), StocElevi::Ordine::DupaId);
        elevi.insert(elevi.end(), toti.begin(), toti.end());
    }
    // One student alone is filled on the side printed only; a batch checks the other side too,
    // so that its fronts and backs stay one to one.
    std::optional<PaginaFormular> cealaltaLatura;
    if (optiuni_.lot)
        cealaltaLatura =
            SablonLatura(optiuni_.codPagina == u"SPATE" ? QStringLiteral("FATA") : QStringLiteral("SPATE"));
    const int foi = int(elevi.size());
    LucrareTiparire lucrare =
        LucrareTiparire::dinBaza(std::move(elevi), laturaDinCod(optiuni_.codPagina),
                                 SablonLatura(optiuni_.codPagina), cealaltaLatura, pdf_);
    InregistrareLaTiparire inregistrare;
    if (!optiuni_.seria.isEmpty()) {
        // The tool cannot ask: a student who already has a certificate is left out with why.
        lucrare.omite([](int id) { return Registru::motivDejaTiparit(id); });
        inregistrare.folosesteTeancul({false, optiuni_.seria, optiuni_.primulNumar, !optiuni_.descrescator});
        lucrare.adaugaAscultator(inregistrare);
    }
    const RezultatLucrare rezultat = tipareste(lucrare, foi);
    if (const InregistrareTeanc* teanc = inregistrare.teanc()) confirmaSiScrie(*teanc);
    return rezultat.omisi.empty() ? 0 : 2;
}

void UneltaFormular::confirmaSiScrie(const InregistrareTeanc& teanc) {
    for (const QString& o : teanc.observatii())
        std::fprintf(stderr, "vardolin-formtool: %s\n", qPrintable(o));
    // The job's sheets are confirmed together: a failure leaves them all waiting for their check.
    teanc.confirmaToate();
    for (const IntrareRegistru& i : teanc.intrari())
        std::printf("%s\t%d\t%s\n", qPrintable(i.seria), i.numarul, qPrintable(i.nume));
}
