// vardolin-capturi: the pictures of the user guide, made from the program's real windows.
//
//   vardolin-capturi --ghid doc/ghid [--out DIR] [--date DOSAR] [Clasa...]
//
// Starts the program's parts offscreen on a temporary data folder (template database, a school,
// a dozen students, a pile of forms in the register), opens every window listed in the guide's
// ferestre.txt the way the program opens it and writes DIR/<Clasa>.png (DIR: the guide's
// imagini/). --date keeps the data folder there, to try the program on. Exits 1 when a listed
// window has no way to open here or gave no picture.

#include "Capturi.h"
#include "DateExemplu.h"

#include "Versiune.h"
#include "app/UDespreAplicatie.h"
#include "app/UErrCodePage.h"
#include "app/UGhidUtilizator.h"
#include "app/USalvareBaza.h"
#include "app/USplashForm.h"
#include "app/UVardolinMain.h"
#include "controls/UKivVGridEditorForm.h"
#include "data/UDm.h"
#include "data/UProfilVardolin.h"
#include "entry/UButonFormular.h"
#include "entry/UConfigurareDiploma.h"
#include "entry/UListaElevi.h"
#include "entry/UListaGenerica.h"
#include "import/UExcelSelectieColoana.h"
#include "import/UImportExcelExpert.h"
#include "import/UKivExcelImportFrame.h"
#include "platform/Eroare.h"
#include "platform/Ghid.h"
#include "platform/ImprimantaPdf.h"
#include "platform/ImprimantaSistem.h"
#include "platform/StocSetari.h"
#include "platform/TraducereQt.h"
#include "printing/FormularDePrintat.h"
#include "printing/QFormularTextArea.h"
#include "printing/SetariTiparire.h"
#include "printing/TiparireInBloc.h"
#include "printing/UEditorTextFormular.h"
#include "printing/UEleviOmisi.h"
#include "printing/UParticularizare.h"
#include "printing/UPrintVardolin.h"
#include "register/Registru.h"
#include "register/UVerificareTiparire.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTreeView>
#include <cstdio>
#include <functional>
#include <map>

namespace {

// The offscreen screen as large as a common laptop's, so maximized windows look as they do there.
void ecranMare(const QString& dosar) {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
    const QString config = QDir(dosar).filePath(QStringLiteral("ecran.json"));
    QFile f(config);
    if (f.open(QIODevice::WriteOnly))
        f.write(R"({"screens": [{"name": "ecran", "x": 0, "y": 0, "width": 1280, "height": 800,
                    "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
}

DialoguriCaptura* captura = nullptr;

struct Program {
    TVardolineMain* principala = nullptr;
    QString dosarLucru;
};

void declanseaza(QWidget* fereastra, const char* numeActiune) {
    auto* a = fereastra->findChild<QAction*>(QLatin1String(numeActiune));
    if (!a) throw Eroare(QStringLiteral("Lipseste actiunea %1").arg(QLatin1String(numeActiune)));
    a->trigger();
}

void selecteazaPrimul(QAbstractItemView* v, int randuri = 1) {
    const QModelIndex primul = v->model()->index(0, 0);
    const QModelIndex ultimul = v->model()->index(randuri - 1, 0);
    v->selectionModel()->select(QItemSelection(primul, ultimul),
                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    v->selectionModel()->setCurrentIndex(primul, QItemSelectionModel::NoUpdate);
}

QPushButton* butonul(QWidget* fereastra, const QString& text) {
    for (QPushButton* b : fereastra->findChildren<QPushButton*>())
        if (b->text().remove(QLatin1Char('&')) == text) return b;
    throw Eroare(QStringLiteral("Lipseste butonul %1").arg(text));
}

// The printer prepared as after the wizard, with the PDF printer: the print window goes as far
// as its paper dialog.
void imprimantaPregatita() {
    TAllStuffReg s;
    s.Configured = true;
    s.PrinterName = ImprimantaPdf::nume();
    s.FeedMode = 1;
    s.OglindescFata = QStringLiteral("N");
    s.OglindescVerso = QStringLiteral("N");
    s.Scrie();
}

// The CSV the import wizard reads.
QString foaieDeImport(const QString& dosar) {
    const QString cale = QDir(dosar).filePath(QStringLiteral("clasa-XII-B.csv"));
    QFile f(cale);
    if (f.open(QIODevice::WriteOnly))
        f.write("Nume;Prenume;CNP;Clasa\n"
                "Matei;Ioana;6080314055118;XII B\n"
                "Lungu;Radu;5080622055127;XII B\n"
                "Barbu;Teodora;6081109055135;XII B\n");
    return cale;
}

void urmariImport(const QString& foaie) {
    captura->Urmari[QStringLiteral("TExcelSelectieColoana")] = [](QDialog& d) {
        auto& s = static_cast<TExcelSelectieColoana&>(d);
        s.SelecteazaColoana(2);
        captura->Captureaza(s);
        s.BtnOk->click();
    };
    captura->Urmari[QStringLiteral("TImportExcelExpert")] = [foaie](QDialog& d) {
        auto& w = static_cast<TImportExcelExpert&>(d);
        w.BtnInainte->click();
        w.ListaFormulare->item(0)->setCheckState(Qt::Checked);
        w.BtnInainte->click();
        captura->DeDeschis = foaie;
        w.BtnCauta->click();
        w.CbFoaie->setCurrentIndex(0);
        w.BtnInainte->click();
        w.EdCnp->clear();
        w.BtnCnp->click(); // the column window, with its picture
        w.BtnInainte->click();
        // Past the abbreviation, on the name's page with its column written in.
        w.Cadre().front()->SeteazaNuImport(true);
        w.BtnInainte->click();
        if (w.Cadre().size() > 1) w.Cadre()[1]->EdColoana->setText(QStringLiteral("A"));
        Asteapta();
        captura->Captureaza(w);
    };
}

void urmariTiparire() {
    captura->Urmari[QStringLiteral("TPrintVardolin")] = [](QDialog& d) {
        auto& f = static_cast<TPrintVardolin&>(d);
        f.setWindowState(Qt::WindowNoState);
        f.resize(1200, 760);
        f.Button3Click(); // the whole width of the form on screen
        Asteapta();
        captura->Captureaza(f);
        for (TFormularTextArea* z : f.FormularDePrintat1->findChildren<TFormularTextArea*>())
            if (z->isVisible() && !z->Text().isEmpty()) {
                EditeazaParticularizare(*z);
                break;
            }
        imprimantaPregatita();
        f.Button1Click(); // the paper dialog
    };
}

using Deschidere = std::function<void(Program&)>;

template <class Fereastra> Deschidere construita(std::function<void(Fereastra&)> pregateste = {}) {
    return [pregateste](Program& p) {
        Fereastra f(p.principala);
        if (pregateste) pregateste(f);
        dialoguri().arataModal(f);
    };
}

Deschidere actiune(const char* nume) {
    return [nume](Program& p) { declanseaza(p.principala, nume); };
}

const std::map<QString, Deschidere>& deschideri() {
    static const std::map<QString, Deschidere> d = {
        {QStringLiteral("TVardolineMain"), [](Program& p) { captura->Captureaza(*p.principala); }},
        {QStringLiteral("TSplashForm"), construita<TSplashForm>([](TSplashForm& f) {
             f.Label1->setText(QStringLiteral("Se deschide baza de date... - " VARDOLIN_VERSIUNE));
         })},
        {QStringLiteral("TErrCodePage"), construita<TErrCodePage>()},
        {QStringLiteral("TListaGenerica"), actiune("Configurarescoala1")},
        {QStringLiteral("TEditeaza"), actiune("Configurarescoala1")},
        {QStringLiteral("TConfigurareDiploma"), actiune("Configurarediploma1")},
        {QStringLiteral("TModificaLinieProfil"), actiune("Configurarediploma1")},
        {QStringLiteral("TEditorConfigGlobal"), actiune("Formatnote1")},
        {QStringLiteral("TAdaugaElev"), [](Program& p) { p.principala->ListaElevi->RzBitBtn1->click(); }},
        {QStringLiteral("TKivVGridEditorForm"), construita<TKivVGridEditorForm>([](TKivVGridEditorForm& f) {
             TKivValoareDate v;
             v.SetValString(QStringLiteral("Popescu Ana-Maria"));
             f.Pregateste(v, QChar(), QPoint(0, 0), 24, 320);
         })},
        {QStringLiteral("TExportaElevi"),
         [](Program& p) { butonul(p.principala->ListaElevi, QStringLiteral("Exporta..."))->click(); }},
        {QStringLiteral("TImportExcelExpert"), actiune("ImportdinExcel1")},
        {QStringLiteral("TExcelSelectieColoana"), actiune("ImportdinExcel1")},
        {QStringLiteral("TProgresPreluare"),
         [](Program& p) {
             TProgresPreluare f(p.principala);
             f.show();
             f.Arata(5, 12);
             captura->Captureaza(f);
         }},
        {QStringLiteral("TRezumatFereastra"),
         [](Program& p) {
             TRezumatFereastra f(p.principala, QStringLiteral("Import de date din Excel"),
                                 QStringLiteral("Preluarea s-a incheiat.\n\nElevi adaugati: 3\nElevi "
                                                "actualizati: 0\nRanduri sarite: 1\n  randul 5: fara CNP"));
             dialoguri().arataModal(f);
         }},
        {QStringLiteral("TPrintWiz"), actiune("Configurareimprimanta2")},
        {QStringLiteral("TPrintVardolin"),
         [](Program& p) {
             selecteazaPrimul(p.principala->ListaElevi->VT);
             p.principala->findChild<TButonFormular*>()->click();
         }},
        {QStringLiteral("TEditorTextFormular"), {}},
        {QStringLiteral("TInsertPaperForm"), {}},
        {QStringLiteral("TEleviOmisiForm"),
         [](Program& p) {
             std::vector<TLinieDescrisa> elevi;
             for (const auto& l : p.principala->ListaElevi->Linii)
                 elevi.push_back(*l);
             if (elevi.size() > 3) elevi.resize(3);
             const std::vector<ElevOmis> omisi = {
                 {elevi.at(1).Id, QStringLiteral("Campul \"Media de absolvire\" este gol.")}};
             TEleviOmisiForm f(omisi, elevi, 2, p.principala);
             dialoguri().arataModal(f);
         }},
        {QStringLiteral("TVerificareTiparire"),
         [](Program& p) {
             InregistrareTeanc lot(QStringLiteral("AB"), 5, true);
             for (const auto& l : p.principala->ListaElevi->Linii)
                 if (lot.intrari().size() < 3 && Registru::motivDejaTiparit(l->Id).isEmpty())
                     lot.foaieTiparita(elevDinBaza(l->Id));
             TVerificareTiparire f(lot.intrari(), lot.observatii(), p.principala);
             dialoguri().arataModal(f);
         }},
        {QStringLiteral("TRegistruActe"), actiune("RegistrulActelor1")},
        {QStringLiteral("TFormularePrimite"), actiune("FormularePrimite1")},
        {QStringLiteral("TProgresSalvare"),
         [](Program& p) {
             TProgresSalvare f(p.principala, QStringLiteral("Salvare baza de date"));
             f.show();
             for (const char* linie : {"gbak: readied database for backup", "gbak: writing tables",
                                       "gbak: writing data for table ELEVI", "gbak: 12 records written"})
                 f.Adauga(QLatin1String(linie));
             captura->Captureaza(f);
         }},
        {QStringLiteral("TSalvariAutomate"), actiune("SalvariAutomate1")},
        {QStringLiteral("TSetariBazaDeDate"), actiune("BazaDeDate1")},
        {QStringLiteral("TDespreAplicatie"), actiune("Despreaplicatie1")},
        {QStringLiteral("TGhidUtilizator"),
         [](Program&) {
             TGhidUtilizator* g = TGhidUtilizator::Arata(QStringLiteral("elevi.html"));
             captura->Captureaza(*g);
             g->close();
         }},
    };
    return d;
}

// The windows opened inside others: follow-ups that take the picture when the window shows
// what the guide speaks of.
void urmari(const QString& foaie) {
    captura->Urmari[QStringLiteral("TListaGenerica")] = [](QDialog& d) {
        auto& l = static_cast<TListaGenerica&>(d);
        selecteazaPrimul(l.VT);
        captura->Captureaza(l);
        l.RzBitBtn2->click();
    };
    captura->Urmari[QStringLiteral("TConfigurareDiploma")] = [](QDialog& d) {
        auto& c = static_cast<TConfigurareDiploma&>(d);
        c.resize(1100, 640);
        selecteazaPrimul(c.VT);
        captura->Captureaza(c);
        c.RzBitBtn3->click();
    };
    urmariImport(foaie);
    urmariTiparire();
}

struct Optiuni {
    QString ghid;
    QString iesire;
    QStringList clase;
};

Optiuni citesteOptiunile(const QStringList& argumente) {
    Optiuni o;
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        if (argumente[i] == QLatin1String("--ghid") && i + 1 < argumente.size())
            o.ghid = argumente[++i];
        else if (argumente[i] == QLatin1String("--out") && i + 1 < argumente.size())
            o.iesire = argumente[++i];
        else if (argumente[i] == QLatin1String("--date") && i + 1 < argumente.size())
            ++i;
        else
            o.clase << argumente[i];
    }
    if (o.ghid.isEmpty())
        throw Eroare(QStringLiteral(
            "Folosire: vardolin-capturi --ghid DOSAR_GHID [--out DOSAR] [--date DOSAR] [Clasa...]"));
    if (o.iesire.isEmpty()) o.iesire = QDir(o.ghid).filePath(QStringLiteral("imagini"));
    return o;
}

int ruleaza(const Optiuni& o, const QString& dosarLucru) {
    QDir().mkpath(o.iesire);
    auto dialoguriCaptura = std::make_unique<DialoguriCaptura>(o.iesire);
    captura = dialoguriCaptura.get();
    instaleazaDialoguri(std::move(dialoguriCaptura));
    ImprimantaSistem::faImplicita();
    InregistreazaProfilVardolin();
    InregistreazaHandlerVardolin();

    TDM dm;
    TDM::seteazaEcranePornire(nullptr);
    dm.DataModuleCreate();
    ScrieDateleDeExemplu();
    IncarcaParticularizarile();
    TGhidUtilizator::FolosesteDosarul(o.ghid);

    TVardolineMain principala;
    principala.setWindowState(Qt::WindowNoState);
    principala.resize(1100, 700);
    principala.show();
    Asteapta();
    Program p{&principala, dosarLucru};
    urmari(foaieDeImport(dosarLucru));

    QStringList clase = o.clase.isEmpty() ? Ghid(o.ghid).ferestre().keys() : o.clase;
    clase.sort();
    // The guide's own window last: the page it shows holds the other pictures.
    if (clase.removeAll(QStringLiteral("TGhidUtilizator"))) clase << QStringLiteral("TGhidUtilizator");
    int lipsa = 0;
    for (const QString& clasa : clase) {
        if (captura->Salvate.contains(clasa)) continue;
        const auto d = deschideri().find(clasa);
        if (d == deschideri().end()) {
            std::fprintf(stderr, "eroare: nu stiu cum se deschide fereastra %s\n", qPrintable(clasa));
            ++lipsa;
            continue;
        }
        if (d->second) d->second(p);
        Asteapta();
    }
    for (const QString& clasa : clase)
        if (!captura->Salvate.contains(clasa)) {
            std::fprintf(stderr, "eroare: nicio imagine pentru %s\n", qPrintable(clasa));
            ++lipsa;
        }
    instaleazaDialoguri(nullptr);
    return lipsa ? 1 : 0;
}

} // namespace

// The data folder under a fixed name: the paths some windows show stay the same from one run to
// the next, so a picture changes only when its window does. With --date it is the folder given,
// kept afterwards (the sample data and a prepared printer, to try the program with).
class DosarLucru {
public:
    explicit DosarLucru(const QString& pastrat)
        : dir_(pastrat.isEmpty() ? QDir::temp().filePath(QStringLiteral("vardolin-capturi")) : pastrat),
          pastrat_(!pastrat.isEmpty()) {
        QDir(dir_).removeRecursively();
        QDir().mkpath(dir_);
    }
    ~DosarLucru() {
        if (!pastrat_) QDir(dir_).removeRecursively();
    }
    QString path() const { return dir_; }
    QString filePath(const QString& nume) const { return QDir(dir_).filePath(nume); }

private:
    QString dir_;
    bool pastrat_;
};

// The folder after --date, read before anything else starts.
QString dosarPastrat(int argc, char* argv[]) {
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], "--date") == 0) return QFile::decodeName(argv[i + 1]);
    return {};
}

int main(int argc, char* argv[]) {
    const DosarLucru dir(dosarPastrat(argc, argv));
    ecranMare(dir.path());
    qputenv("VARDOLIN_DATA_DIR", QFile::encodeName(dir.path()));
    StocSetari::redirectioneaza(dir.filePath(QStringLiteral("setari.ini")));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vardolin"));
    // Qt's own buttons in Romanian, as the program shows them.
    TraducereQt traducere;
    QCoreApplication::installTranslator(&traducere);
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    try {
        const Optiuni o = citesteOptiunile(QApplication::arguments());
        return ruleaza(o, dir.path());
    } catch (const Eroare& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 1;
    }
}
