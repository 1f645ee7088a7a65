#include "data/ExportLista.h"

#include <QDir>
#include <QStandardPaths>

std::optional<double> notaCaNumar(const QString& text) {
    QString t = text.trimmed();
    t.replace(u',', u'.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || t.isEmpty() || v < 0 || v > 10) return std::nullopt;
    return v;
}

RezumatExport exporta(const TabelDeExportat& tabel, const QString& cale, const OptiuniExport& optiuni,
                      const ProgresExport& progres) {
    RezumatExport rezumat;
    rezumat.fisier = cale;
    rezumat.coloane = int(tabel.coloane.size());
    auto scriitor = ScriitorFoaie::creeaza(cale, optiuni.format, tabel.numeFoaie);
    std::vector<CelulaDeScris> celule(tabel.coloane.size());
    for (size_t c = 0; c < celule.size(); ++c)
        celule[c].text = tabel.coloane[c].titlu;
    scriitor->scrieRand(celule);
    QStringList texte;
    const int bloc = std::max(1, optiuni.marimeBloc);
    for (int primul = 0; primul < tabel.randuri; primul += bloc) {
        const int numar = std::min(bloc, tabel.randuri - primul);
        if (tabel.pregatesteBloc) tabel.pregatesteBloc(primul, numar);
        for (int r = primul; r < primul + numar; ++r) {
            texte.clear();
            tabel.rand(r, texte);
            for (size_t c = 0; c < celule.size(); ++c) {
                celule[c].text = c < size_t(texte.size()) ? texte[qsizetype(c)] : QString();
                celule[c].numar = optiuni.noteCaNumere && tabel.coloane[c].nota ? notaCaNumar(celule[c].text)
                                                                                : std::nullopt;
            }
            scriitor->scrieRand(celule);
        }
        rezumat.randuri = primul + numar;
        if (progres && !progres(rezumat.randuri, tabel.randuri)) {
            rezumat.oprit = true;
            return rezumat; // the writer goes without finishing: no file
        }
    }
    scriitor->termina();
    rezumat.celuleTaiate = scriitor->celuleTaiate();
    rezumat.caractereInlocuite = scriitor->caractereInlocuite();
    return rezumat;
}

QString RezumatExport::text() const {
    if (oprit) return QStringLiteral("Exportul a fost oprit; fisierul nu a fost scris.");
    QString t = QStringLiteral("Au fost exportate %1 randuri cu %2 coloane in fisierul\n%3")
                    .arg(randuri)
                    .arg(coloane)
                    .arg(QDir::toNativeSeparators(fisier));
    if (celuleTaiate)
        t +=
            QStringLiteral("\n\n%1 celule aveau mai mult de %2 de caractere (cat incape intr-o celula Excel) "
                           "si au fost scurtate.")
                .arg(celuleTaiate)
                .arg(ScriitorFoaie::maxCaractere);
    if (caractereInlocuite)
        t += QStringLiteral("\n\n%1 caractere care nu exista in pagina de cod 1250 au fost scrise ca \"?\".")
                 .arg(caractereInlocuite);
    return t;
}

QString InDocumente(const QString& numeFisier) {
    QString dosar = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dosar.isEmpty()) dosar = QDir::homePath();
    return QDir(dosar).filePath(numeFisier);
}
