#include "UneltaImport.h"

#include "data/UDm.h"
#include "data/UProfilVardolin.h"
#include "import/AnularePreluare.h"
#include "import/CitireFoaie.h"
#include "platform/Eroare.h"
#include "platform/FoaieDeCalcul.h"

#include <QFile>
#include <QFileInfo>

const char* const utilizareUneltaImport =
    "Utilizare: vardolin-import FISIER --sheet FOAIE --cnp COLOANA --map HARTA.ini [--forms Vardolin] "
    "[--batch N]\n"
    "       vardolin-import --undo\n"
    "  Preia elevii din foaia de calcul in baza de date din dosarul de date (VARDOLIN_DATA_DIR).\n"
    "  --undo: anuleaza ultima preluare neanulata (sterge elevii adaugati de ea si pune la loc\n"
    "  valorile schimbate, afara de cele modificate intre timp, pe care le listeaza).\n"
    "  --batch N: cate randuri se salveaza odata (implicit 500).\n"
    "  HARTA.ini: cate o sectiune pe camp, de exemplu [Vardolin.FATA.C_NUME_L1], cu\n"
    "  mode=0..4, column=, constant=, fete=, baieti=, skip=true|false.\n";

namespace {

struct Optiuni {
    QString fisier, foaie, cnp, harta;
    QStringList formulare;
    int grup = TPreluareExcel::RanduriPeGrupImplicit;
};

Optiuni citesteOptiunile(const QStringList& argumente) {
    Optiuni o;
    for (int i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        const bool areValoare = i + 1 < argumente.size();
        if (a == u"--sheet" && areValoare)
            o.foaie = argumente[++i];
        else if (a == u"--cnp" && areValoare)
            o.cnp = argumente[++i].trimmed().toUpper();
        else if (a == u"--map" && areValoare)
            o.harta = argumente[++i];
        else if (a == u"--forms" && areValoare)
            o.formulare = argumente[++i].split(u',', Qt::SkipEmptyParts);
        else if (a == u"--batch" && areValoare && argumente[i + 1].toInt() > 0)
            o.grup = argumente[++i].toInt();
        else if (!a.startsWith(u"--") && o.fisier.isEmpty())
            o.fisier = a;
        else
            throw Eroare(QStringLiteral("Comanda nu este recunoscuta"));
    }
    if (o.fisier.isEmpty() || o.foaie.isEmpty() || o.cnp.isEmpty() || o.harta.isEmpty())
        throw Eroare(QStringLiteral("Comanda nu este recunoscuta"));
    return o;
}

void deschideBaza(TDM& dm) {
    InregistreazaProfilVardolin();
    FbConexiune::pregatesteMotorulIncorporat();
    TDM::seteazaEcranePornire(nullptr);
    dm.DataModuleCreate();
}

bool anuleazaUltimaPreluare(QString& iesire) {
    TDM dm;
    deschideBaza(dm);
    const auto ultima = UltimaPreluare();
    if (!ultima) throw Eroare(QStringLiteral("Nu exista nicio preluare de anulat."));
    iesire += AnuleazaPreluarea(ultima->Id).Text() + u'\n';
    return true;
}

TextIni citesteHarta(const QString& cale) {
    QFile f(cale);
    if (!f.open(QIODevice::ReadOnly)) throw Eroare::format("Nu pot citi fisierul %s.", {cale});
    return CitesteIni(QString::fromUtf8(f.readAll()));
}

} // namespace

TextIni CitesteIni(const QString& text) {
    TextIni ini;
    QString sectiune;
    for (const QString& linie : text.split(u'\n')) {
        const QString l = linie.trimmed();
        if (l.isEmpty() || l.startsWith(u';') || l.startsWith(u'#')) continue;
        if (l.startsWith(u'[') && l.endsWith(u']')) {
            sectiune = l.mid(1, l.size() - 2).trimmed();
            ini[sectiune];
            continue;
        }
        const qsizetype egal = l.indexOf(u'=');
        if (egal < 0 || sectiune.isEmpty()) throw Eroare::format("Linie nerecunoscuta in harta: %s", {l});
        QString valoare = l.mid(egal + 1).trimmed();
        if (valoare.size() >= 2 && valoare.startsWith(u'"') && valoare.endsWith(u'"'))
            valoare = valoare.mid(1, valoare.size() - 2);
        ini[sectiune][l.left(egal).trimmed().toLower()] = valoare;
    }
    return ini;
}

std::vector<TCampPreluat> CampuriDinHarta(std::vector<TCampPreluat> campuri, const TextIni& harta,
                                          const QStringList& formulare) {
    for (auto it = harta.begin(); it != harta.end(); ++it)
        if (std::none_of(campuri.begin(), campuri.end(),
                         [&](const TCampPreluat& c) { return c.Cheie == it.key(); }))
            throw Eroare::format(
                "Campul %s din harta nu se preia din foaie (nu exista in profil sau este CNP-ul)",
                {it.key()});
    for (TCampPreluat& c : campuri) {
        const auto sectiune = harta.constFind(c.Cheie);
        c.NuImport = sectiune == harta.constEnd() || sectiune->value("skip").toLower() == u"true" ||
                     (!formulare.isEmpty() && !formulare.contains(c.CodFormular()));
        if (c.NuImport) continue;
        bool numar = false;
        c.Mod = sectiune->value("mode", "0").toInt(&numar);
        if (!numar || c.Mod < mgDinColoana || c.Mod > mgADouaParte)
            throw Eroare::format("Modul campului %s trebuie sa fie intre 0 si 4", {c.Cheie});
        c.Coloana = sectiune->value("column").trimmed().toUpper();
        c.Constanta = sectiune->value("constant");
        c.TextFete = sectiune->value("fete");
        c.TextBaieti = sectiune->value("baieti");
        if (c.FolosesteColoana() && c.Coloana.isEmpty())
            throw Eroare::format("%s: Va rog selectati coloana din care voi prelua datele", {c.Cheie});
    }
    return campuri;
}

bool ruleazaUneltaImport(const QStringList& argumente, QString& iesire) {
    if (argumente == QStringList(QStringLiteral("--undo"))) return anuleazaUltimaPreluare(iesire);
    const Optiuni o = citesteOptiunile(argumente);
    const TextIni harta = citesteHarta(o.harta);
    const RegistruDeCalcul registru = RegistruDeCalcul::deschide(o.fisier);
    const FoaieDeCalcul* foaie = registru.foaie(o.foaie);
    if (!foaie) throw Eroare::format("Foaia %s nu exista in fisierul %s", {o.foaie, o.fisier});
    TListaColoaneExcel coloane;
    CitesteFoaia(*foaie, coloane);

    TDM dm;
    deschideBaza(dm);
    const auto campuri = CampuriDinHarta(CampuriDePreluat(), harta, o.formulare);
    TPreluareExcel preluare;
    preluare.RanduriPeGrup = o.grup;
    preluare.Fisier = QFileInfo(o.fisier).absoluteFilePath();
    preluare.Foaie = o.foaie;
    const TRezumatPreluare rezumat = preluare.Executa(coloane, o.cnp, campuri);
    if (rezumat.Completa())
        iesire += QStringLiteral("Am finalizat preluarea din Excel cu succes\n");
    else
        iesire += rezumat.Eroare + u'\n';
    iesire += rezumat.Text() + u'\n';
    return rezumat.Completa();
}
