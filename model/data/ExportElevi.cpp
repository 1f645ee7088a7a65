#include "data/ExportElevi.h"

#include "data/UDm.h"
#include "data/ValoriInBloc.h"
#include "platform/Eroare.h"
#include "platform/StocSetari.h"

#include <QDate>
#include <QRegularExpression>
#include <memory>

namespace {
const QString cheieExport = QStringLiteral("Software\\Orvanta\\Kalvor\\2006\\Export");

QString captie(const QString& eticheta) {
    static const QRegularExpression parti(QStringLiteral("\\[[^\\]]*\\]|\\{[^}]*\\}.*$"));
    return QString(eticheta).remove(parti).trimmed();
}

QString expresieElev() {
    const auto* profil = ProfilInregistrat();
    if (!profil) throw Eroare(QStringLiteral("Nu ai inclus nici o \"lista profil\""));
    return profil->ListaCampuriElev();
}

// The values of the block being written.
struct BlocElevi {
    std::vector<int> iduri;
    std::vector<CampDeExportat> campuri;
    bool cuDescriere = false;
    QString expresie;
    int primul = 0;
    std::vector<QString> descrieri;
    std::optional<ValoriInBloc> valori;

    void pregateste(int p, int numar) {
        primul = p;
        const std::vector<int> bloc(iduri.begin() + p, iduri.begin() + p + numar);
        std::vector<CheieCamp> chei;
        for (const auto& c : campuri)
            chei.push_back(c.cheie);
        GardaTranzactie garda(GardaTranzactie::Imbricata);
        if (cuDescriere) descrieri = ValoriInBloc::descrieri(expresie, bloc);
        valori.reset();
        valori = ValoriInBloc::citeste(bloc, chei);
    }
    void rand(int r, QStringList& texte) const {
        if (cuDescriere) texte << descrieri[size_t(r - primul)];
        for (const auto& c : campuri)
            texte << valori->valoare(iduri[size_t(r)], c.cheie);
    }
};
} // namespace

std::vector<CampDeExportat> CampuriDeExportat() {
    std::vector<CampDeExportat> campuri;
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    FbInterogare& q = Q6();
    InchideLaIesire inchide(q);
    q.seteazaSql(QStringLiteral("select COD_FORMULAR, COD_PAGINA, COD_CAMP, ETICHETA_EDITOR, TIP_DE_DATE "
                                "from PROFIL_DIPLOMA where coalesce(trim(ASOCIAT_CU), '') <> '' "
                                "order by ORDINE"));
    for (q.deschide(); !q.eof(); q.urmator()) {
        CampDeExportat c;
        c.cheie = {q.text(QStringLiteral("COD_FORMULAR")).trimmed(),
                   q.text(QStringLiteral("COD_PAGINA")).trimmed(),
                   q.text(QStringLiteral("COD_CAMP")).trimmed()};
        c.eticheta = captie(q.text(QStringLiteral("ETICHETA_EDITOR")));
        if (c.eticheta.isEmpty()) c.eticheta = c.cheie.camp;
        c.nota = q.text(QStringLiteral("TIP_DE_DATE")).trimmed().startsWith(QStringLiteral("NOTA"));
        campuri.push_back(std::move(c));
    }
    // Labels the profile repeats ("Nota obtinuta") are told apart by the field's code.
    QHash<QString, int> ori;
    for (const auto& c : campuri)
        ++ori[c.eticheta];
    for (auto& c : campuri)
        if (ori.value(c.eticheta) > 1) c.eticheta += QStringLiteral(" - ") + c.cheie.camp;
    return campuri;
}

TabelDeExportat TabelElevi(std::vector<int> idElevi, std::vector<CampDeExportat> campuri, bool cuDescriere) {
    auto bloc = std::make_shared<BlocElevi>();
    bloc->iduri = std::move(idElevi);
    bloc->campuri = std::move(campuri);
    bloc->cuDescriere = cuDescriere;
    if (cuDescriere) bloc->expresie = expresieElev();
    TabelDeExportat t;
    t.numeFoaie = QStringLiteral("Absolventi");
    if (cuDescriere) t.coloane.push_back({QStringLiteral("Nume si prenume"), false});
    for (const auto& c : bloc->campuri)
        t.coloane.push_back({c.eticheta, c.nota});
    t.randuri = int(bloc->iduri.size());
    t.pregatesteBloc = [bloc](int primul, int numar) { bloc->pregateste(primul, numar); };
    t.rand = [bloc](int r, QStringList& texte) { bloc->rand(r, texte); };
    return t;
}

std::vector<int> IduriElevi() {
    std::vector<int> iduri;
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    FbInterogare& q = Q6();
    InchideLaIesire inchide(q);
    q.seteazaSql(QStringLiteral("select ID_ELEVI from ELEVI order by ID_ELEVI"));
    for (q.deschide(); !q.eof(); q.urmator())
        iduri.push_back(int(q.intreg(QStringLiteral("ID_ELEVI"))));
    return iduri;
}

QString FisierPropusElevi() {
    return InDocumente(QStringLiteral("Absolventi %1.xlsx").arg(QDate::currentDate().year()));
}

QStringList UltimeleCampuriExportate() {
    return StocSetari::deschide(cheieExport)->value(QStringLiteral("Campuri")).toStringList();
}

void PastreazaCampurileExportate(const QStringList& chei) {
    const auto stoc = StocSetari::deschide(cheieExport);
    stoc->setValue(QStringLiteral("Campuri"), chei);
    StocSetari::verificaScrierea(*stoc);
}
