// Exports students of the data folder's database to a .xlsx, .ods or .csv file.
#include "EleviDinLinieDeComanda.h"
#include "data/ExportElevi.h"
#include "data/UDm.h"
#include "data/UProfilVardolin.h"
#include "platform/Eroare.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

const char* const utilizare =
    "Utilizare: vardolin-export --out FISIER.xlsx|.ods|.csv [--fields CHEIE,CHEIE...] "
    "[--students all|ID,ID-ID...] [--grades-as-numbers] [--cp1250]\n"
    "  Scrie elevii din baza de date a dosarului de date (VARDOLIN_DATA_DIR) intr-o foaie de calcul.\n"
    "  --fields: cheile campurilor (Vardolin.FATA.C_CNP); * este numele din lista. Implicit: toate.\n";

struct Optiuni {
    QString fisier;
    QStringList campuri;
    QString elevi = QStringLiteral("all");
    OptiuniExport export_;
};

Optiuni citesteOptiunile(const QStringList& argumente) {
    Optiuni o;
    for (int i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        const bool areValoare = i + 1 < argumente.size();
        if (a == u"--out" && areValoare)
            o.fisier = argumente[++i];
        else if (a == u"--fields" && areValoare)
            o.campuri = argumente[++i].split(u',', Qt::SkipEmptyParts);
        else if (a == u"--students" && areValoare)
            o.elevi = argumente[++i];
        else if (a == u"--grades-as-numbers")
            o.export_.noteCaNumere = true;
        else if (a == u"--cp1250")
            o.export_.format = ScriitorFoaie::Format::Csv1250;
        else
            throw Eroare(QStringLiteral("Comanda nu este recunoscuta"));
    }
    if (o.fisier.isEmpty()) throw Eroare(QStringLiteral("Comanda nu este recunoscuta"));
    const bool cp1250 = o.export_.format == ScriitorFoaie::Format::Csv1250;
    o.export_.format = ScriitorFoaie::formatDupaNume(o.fisier);
    if (cp1250 && o.export_.format == ScriitorFoaie::Format::Csv)
        o.export_.format = ScriitorFoaie::Format::Csv1250;
    return o;
}

std::vector<int> elevii(const QString& text) {
    const auto numiti = EleviDinLinieDeComanda(text);
    return numiti ? *numiti : IduriElevi();
}

int ruleaza(const Optiuni& o) {
    InregistreazaProfilVardolin();
    FbConexiune::pregatesteMotorulIncorporat();
    TDM dm;
    TDM::seteazaEcranePornire(nullptr);
    dm.DataModuleCreate();
    const std::vector<CampDeExportat> toate = CampuriDeExportat();
    std::vector<CampDeExportat> campuri;
    bool cuDescriere = o.campuri.isEmpty();
    if (o.campuri.isEmpty()) campuri = toate;
    for (const QString& cheie : o.campuri) {
        if (cheie == CheieDescriere) {
            cuDescriere = true;
            continue;
        }
        const auto it =
            std::find_if(toate.begin(), toate.end(), [&](const auto& c) { return c.text() == cheie; });
        if (it == toate.end()) throw Eroare::format("Campul %s nu este in profil.", {cheie});
        campuri.push_back(*it);
    }
    const RezumatExport r = exporta(TabelElevi(elevii(o.elevi), campuri, cuDescriere), o.fisier, o.export_);
    std::fprintf(stdout, "%s\n", r.text().toUtf8().constData());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList argumente = app.arguments();
    argumente.removeFirst();
    if (argumente.contains("--help") || argumente.contains("-h")) {
        std::fputs(utilizare, stdout);
        return 0;
    }
    try {
        return ruleaza(citesteOptiunile(argumente));
    } catch (const Eroare& e) {
        std::fprintf(stderr, "vardolin-export: %s\n", e.text().toUtf8().constData());
        if (e.text() == u"Comanda nu este recunoscuta") std::fputs(utilizare, stderr);
        return 1;
    }
}
