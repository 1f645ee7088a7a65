#include "platform/Eroare.h"
#include "platform/FoaieDeCalcul.h"

#include <QtTest>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

namespace {

QString dosarCorpus() {
    return qEnvironmentVariable("VARDOLIN_IMPORT_CORPUS", "/work/shared/import-corpus");
}

// Damaged workbooks from other programs' test data that LibreOffice opens, with its text exports.
QString dosarAltii() {
    return dosarCorpus() + "/../peer-spreadsheets";
}

// Cells with text, and rows holding any.
std::pair<int, int> numara(const FoaieDeCalcul& f) {
    int celule = 0;
    QSet<int> randuri;
    f.pentruFiecare([&](int rand, int, const QString&) {
        ++celule;
        randuri.insert(rand);
    });
    return {celule, int(randuri.size())};
}

// Cells where we show what the file holds, or what a spreadsheet in Romanian settings shows,
// rather than what the reference program's import shows.
const QHash<QString, QString> hotarari = {
    {"corpus.xls|Formule|B18", "ADEVĂRAT"},      {"corpus.xls|Formule|B19", "FALS"},
    {"corpus.xls|Formule|B24", "ADEVĂRAT"},      {"corpus.xls|Formule|B25", "FALS"},
    {"corpus.xls|Formule|B27", "#DIV/0!"},       {"corpus.ods|Texte|B11", "a\\tb"},
    {"corpus.xls|Calendar|B23", "01.01.1900"},   {"corpus.xlsx|Calendar|B23", "01.01.1900"},
    {"corpus.xls|Formate|B27", "1.234,50    "},  {"corpus.xls|Formate|C27", "-1.234,50    "},
    {"corpus.xlsx|Formate|B27", "1.234,50    "}, {"corpus.xlsx|Formate|C27", "-1.234,50    "},
};

QString asteptat(const QString& fisier, const QString& foaie, const QString& tsv) {
    QString rezultat;
    for (const QString& linie : tsv.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList campuri = linie.split(u'\t');
        const QString text = hotarari.value(fisier + u'|' + foaie + u'|' + campuri[0], campuri.value(1));
        rezultat += campuri[0] + u'\t' + text + u'\n';
    }
    return rezultat;
}

QString tool() {
    return QCoreApplication::applicationDirPath() + "/vardolin-sheet";
}

QByteArray citesteFisier(const QString& cale) {
    QFile f(cale);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

quint32 crc32(const QByteArray& date) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : date) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

// A zip of stored entries; marimeDeclarata, when given, is the size every entry claims.
QByteArray zip(const QList<QPair<QByteArray, QByteArray>>& parti, quint32 marimeDeclarata = 0) {
    QByteArray arhiva, director;
    QDataStream a(&arhiva, QIODevice::WriteOnly), d(&director, QIODevice::WriteOnly);
    a.setByteOrder(QDataStream::LittleEndian);
    d.setByteOrder(QDataStream::LittleEndian);
    for (const auto& [nume, date] : parti) {
        const quint32 pozitie = quint32(arhiva.size());
        const quint32 marime = marimeDeclarata ? marimeDeclarata : quint32(date.size());
        a << quint32(0x04034b50) << quint16(10) << quint16(0) << quint16(0) << quint32(0) << crc32(date)
          << quint32(date.size()) << marime << quint16(nume.size()) << quint16(0);
        a.writeRawData(nume.constData(), int(nume.size()));
        a.writeRawData(date.constData(), int(date.size()));
        d << quint32(0x02014b50) << quint16(20) << quint16(10) << quint16(0) << quint16(0) << quint32(0)
          << crc32(date) << quint32(date.size()) << marime << quint16(nume.size()) << quint16(0) << quint16(0)
          << quint16(0) << quint16(0) << quint32(0) << pozitie;
        d.writeRawData(nume.constData(), int(nume.size()));
    }
    const quint32 inceputDirector = quint32(arhiva.size());
    arhiva += director;
    a.device()->seek(arhiva.size());
    a << quint32(0x06054b50) << quint16(0) << quint16(0) << quint16(parti.size()) << quint16(parti.size())
      << quint32(director.size()) << inceputDirector << quint16(0);
    return arhiva;
}

// An OLE2 compound file holding the given streams, written by libgsf.
QByteArray ole2(const QList<QPair<QByteArray, QByteArray>>& fluxuri) {
    gsf_init();
    GsfOutput* iesire = gsf_output_memory_new();
    GsfOutfile* fisier = gsf_outfile_msole_new(iesire);
    for (const auto& [nume, date] : fluxuri) {
        GsfOutput* flux = gsf_outfile_new_child(fisier, nume.constData(), FALSE);
        gsf_output_write(flux, size_t(date.size()), reinterpret_cast<const guint8*>(date.constData()));
        gsf_output_close(flux);
        g_object_unref(flux);
    }
    gsf_output_close(GSF_OUTPUT(fisier));
    g_object_unref(fisier);
    const QByteArray rezultat(
        reinterpret_cast<const char*>(gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(iesire))),
        qsizetype(gsf_output_size(iesire)));
    g_object_unref(iesire);
    return rezultat;
}

QByteArray inregistrare(quint16 tip, const QByteArray& date) {
    QByteArray r;
    QDataStream s(&r, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s << tip << quint16(date.size());
    return r + date;
}

QByteArray le(std::initializer_list<quint16> valori) {
    QByteArray r;
    for (quint16 v : valori)
        r += char(v & 0xFF), r += char(v >> 8);
    return r;
}

// An Excel 5/95 workbook of one sheet, strings in code page 1250.
QByteArray registruBiff5(const QByteArray& numeFoaie, const QByteArray& textCelula, quint16 coloana = 1) {
    const QByteArray bofGlobal = inregistrare(0x0809, le({0x0500, 0x0005, 0, 0}));
    const QByteArray paginaCod = inregistrare(0x0042, le({1250}));
    const QByteArray eof = inregistrare(0x000A, {});
    const int lungimeFoaie = 4 + 6 + 1 + int(numeFoaie.size());
    const quint32 pozitieFoaie = quint32(bofGlobal.size() + paginaCod.size() + lungimeFoaie + eof.size());
    const QByteArray foaie =
        inregistrare(0x0085, le({quint16(pozitieFoaie & 0xFFFF), quint16(pozitieFoaie >> 16), 0}) +
                                 char(numeFoaie.size()) + numeFoaie);
    const QByteArray eticheta =
        inregistrare(0x0204, le({2, coloana, 0, quint16(textCelula.size())}) + textCelula);
    return bofGlobal + paginaCod + foaie + eof + inregistrare(0x0809, le({0x0500, 0x0010, 0, 0})) + eticheta +
           eof;
}

// An Excel 97-2003 workbook whose sheets all point at the same records.
QByteArray registruBiff8(const QByteArray& inregistrariFoaie, int foi = 1) {
    const QByteArray bof = inregistrare(0x0809, le({0x0600, 0x0005, 0, 0}));
    const QByteArray eof = inregistrare(0x000A, {});
    const qsizetype lungimeFoaie = 4 + 6 + 3;
    const quint32 pozitie = quint32(bof.size() + foi * lungimeFoaie + eof.size());
    QByteArray globale = bof;
    for (int i = 0; i < foi; ++i)
        globale +=
            inregistrare(0x0085, le({quint16(pozitie), quint16(pozitie >> 16), 0}) + QByteArray("\x01\x00"
                                                                                                "F",
                                                                                                3));
    return ole2({{"Workbook", globale + eof + inregistrare(0x0809, le({0x0600, 0x0010, 0, 0})) +
                                  inregistrariFoaie + eof}});
}

QByteArray continutOds(const QByteArray& tabel) {
    return "<?xml version=\"1.0\"?><office:document-content "
           "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
           "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
           "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:spreadsheet>"
           "<table:table table:name=\"F\">" +
           tabel + "</table:table></office:spreadsheet></office:body></office:document-content>";
}

QByteArray ods(const QByteArray& tabel) {
    return zip({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                {"content.xml", continutOds(tabel)}});
}

QByteArray xlsx(const QByteArray& sheetData) {
    return zip(
        {{"xl/workbook.xml", "<workbook><sheets><sheet name=\"F\" r:id=\"rId1\" "
                             "xmlns:r=\"urn:r\"/></sheets></workbook>"},
         {"xl/_rels/workbook.xml.rels",
          "<Relationships><Relationship Id=\"rId1\" Type=\"x/worksheet\" Target=\"s.xml\"/></Relationships>"},
         {"xl/s.xml", "<worksheet><sheetData>" + sheetData + "</sheetData></worksheet>"}});
}

QString mesajPentru(const QByteArray& continut, const QString& nume = "rau.xls") {
    try {
        RegistruDeCalcul::citeste(continut, nume);
    } catch (const Eroare& e) {
        return e.text();
    }
    return {};
}

} // namespace

class TestFoaieDeCalcul : public QObject {
    Q_OBJECT

private slots:
    void corpus_data() {
        QTest::addColumn<QString>("fisier");
        QTest::addColumn<QString>("foaie");
        const QDir dosar(dosarCorpus() + "/expected");
        if (!dosar.exists()) QSKIP("the import corpus is missing");
        for (const QString& tsv : dosar.entryList({"*.tsv"})) {
            // <file>.<ext>.<sheet>.tsv
            const QStringList parti = tsv.chopped(4).split(u'.');
            const QString fisier = parti[0] + u'.' + parti[1];
            const QString foaie = parti.mid(2).join(u'.');
            QTest::newRow(qPrintable(fisier + u'/' + foaie)) << fisier << foaie;
        }
    }
    // Every cell of every corpus sheet, through the tool as people use it.
    void corpus() {
        QFETCH(QString, fisier);
        QFETCH(QString, foaie);
        const QString tsv =
            QString::fromUtf8(citesteFisier(dosarCorpus() + "/expected/" + fisier + u'.' + foaie + ".tsv"));
        QProcess proces;
        proces.start(tool(), {"dump", dosarCorpus() + u'/' + fisier, "--sheet", foaie});
        QVERIFY(proces.waitForFinished(60000));
        QCOMPARE(proces.exitCode(), 0);
        const QStringList obtinut = QString::fromUtf8(proces.readAllStandardOutput()).split(u'\n');
        const QStringList dorit = asteptat(fisier, foaie, tsv).split(u'\n');
        for (qsizetype i = 0; i < std::max(obtinut.size(), dorit.size()); ++i)
            QCOMPARE(obtinut.value(i), dorit.value(i));
    }

    // Saved under an English locale the cached texts read "8.34"; shown from the values, the
    // cells equal the .xlsx twin's.
    void odsDinAltaLimbaCaGemenulXlsx() {
        const QString dosar = qEnvironmentVariable("VARDOLIN_TEST_SOURCE") + "/tests/data/import/";
        const auto celule = [](const RegistruDeCalcul& r) {
            QStringList c;
            r.foi.at(0).pentruFiecare([&](int rand, int coloana, const QString& text) {
                c << FoaieDeCalcul::numeColoana(coloana) + QString::number(rand + 1) + '=' + text;
            });
            return c;
        };
        const QStringList ods = celule(RegistruDeCalcul::deschide(dosar + "note-en.ods"));
        QCOMPARE(ods, celule(RegistruDeCalcul::deschide(dosar + "note-en.xlsx")));
        for (const QString c : {"C2=8,34", "E2=85,25%", "F2=01.01.2008", "G2=08:30", "I2=1.234.567,89"})
            QVERIFY2(ods.contains(c), qPrintable(ods.join(' ')));
    }

    void foileInOrdine() {
        if (!QFile::exists(dosarCorpus() + "/corpus.ods")) QSKIP("the import corpus is missing");
        const QStringList foi = {"Şcoală",  "Numere", "Formate",  "Calendar",
                                 "Formule", "Texte",  "Aranjare", "Gol"};
        for (const QString ext : {"xls", "xlsx", "ods"}) {
            const RegistruDeCalcul r = RegistruDeCalcul::deschide(dosarCorpus() + "/corpus." + ext);
            QCOMPARE(r.numeFoi(), foi);
            // the used range ends at the last cell, BA2000
            QCOMPARE(r.foaie("Aranjare")->randuri(), 2000);
            QCOMPARE(r.foaie("Aranjare")->coloane(), 53);
            QCOMPARE(r.foaie("Aranjare")->text("BA2000").isEmpty(), false);
            QCOMPARE(r.foaie("Aranjare")->text("BA2001"), QString());
        }
    }

    void toolCuFisierStricat() {
        QTemporaryDir dosar;
        const QString cale = dosar.filePath("stricat.xlsx");
        QFile f(cale);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("PK\x03\x04 stricat");
        f.close();
        QProcess proces;
        proces.start(tool(), {"sheets", cale});
        QVERIFY(proces.waitForFinished(60000));
        QCOMPARE(proces.exitCode(), 1);
        QVERIFY(QString::fromUtf8(proces.readAllStandardError())
                    .contains("Fisierul " + cale + " nu poate fi citit: "));
        QFile csv(dosar.filePath("elevi.csv"));
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write("Nume;CNP\nPopescu;1860526123456\n");
        csv.close();
        proces.start(tool(), {"dump", csv.fileName(), "--sheet", "Lipsa"});
        QVERIFY(proces.waitForFinished(60000));
        QCOMPARE(proces.exitCode(), 1);
        QVERIFY(QString::fromUtf8(proces.readAllStandardError()).contains("nu are foaia Lipsa"));
        proces.start(tool(), {"ceva"});
        QVERIFY(proces.waitForFinished(60000));
        QCOMPARE(proces.exitCode(), 1);
    }

    void excel95InPagina1250() {
        const RegistruDeCalcul r = RegistruDeCalcul::citeste(ole2({{"Book", registruBiff5("\xAA"
                                                                                          "coal\xE3",
                                                                                          "\xAA"
                                                                                          "tefan \xFE"
                                                                                          "u\xFE"
                                                                                          "ea")}}),
                                                             "vechi.xls");
        QCOMPARE(r.numeFoi(), QStringList{"Şcoală"});
        QCOMPARE(r.foi[0].text("B3"), QString("Ştefan ţuţea"));
    }

    void textDeFormulaDupaFormulaPartajata() {
        const QByteArray formula = inregistrare(0x0006, le({1, 2, 0, 0, 0, 0, 0xFFFF, 0, 0, 0, 0}));
        const QByteArray text = inregistrare(0x0207, le({3}) + QByteArray("\x00"
                                                                          "abc",
                                                                          4));
        const RegistruDeCalcul r =
            RegistruDeCalcul::citeste(registruBiff8(formula + inregistrare(0x04BC, "x") + text), "f.xls");
        QCOMPARE(r.foi[0].text("C2"), QString("abc"));
    }

    void randRepetatNuOcupaMemorie() {
        const RegistruDeCalcul r = RegistruDeCalcul::citeste(
            ods("<table:table-row table:number-rows-repeated=\"1048000\"><table:table-cell "
                "table:number-columns-repeated=\"3\"><text:p>x<text:s "
                "text:c=\"2\"/>y</text:p><text:p>z</text:p>"
                "</table:table-cell></"
                "table:table-row><table:table-row><table:covered-table-cell><text:p>ascuns"
                "</text:p></table:covered-table-cell><table:table-cell><text:p>ultim</text:p></"
                "table:table-cell>"
                "</table:table-row>"),
            "r.ods");
        const FoaieDeCalcul& f = r.foi[0];
        QCOMPARE(f.text(1047999, 2), QString("x  y\nz"));
        QCOMPARE(f.text(1048000, 0), QString());
        QCOMPARE(f.text("B1048001"), QString("ultim"));
        QCOMPARE(f.randuri(), 1048001);
    }

    void intrariStricate_data() {
        QTest::addColumn<QByteArray>("continut");
        QTest::addColumn<QString>("motiv");
        QByteArray xls = citesteFisier(dosarCorpus() + "/corpus.xls");
        QByteArray lantCiclic = xls;
        if (!xls.isEmpty())
            // the first sector of the allocation table is marked as the end of a chain
            std::memcpy(lantCiclic.data() + 0x4C, "\xFE\xFF\xFF\xFF", 4);
        const QByteArray bof = inregistrare(0x0809, le({0x0600, 0x0005, 0, 0}));
        QTest::newRow("gol") << QByteArray() << "fisierul este gol";
        if (!xls.isEmpty()) {
            QTest::newRow("xls trunchiat")
                << xls.left(3000) << "structura fisierului Excel (OLE2) este deteriorata";
            QTest::newRow("tabela de sectoare stricata")
                << lantCiclic << "structura fisierului Excel (OLE2) este deteriorata";
        }
        QTest::newRow("xls cu parola") << ole2({{"Workbook", bof + inregistrare(0x002F, le({0, 0}))}})
                                       << "registrul este protejat cu parola";
        QTest::newRow("xlsx cu parola") << ole2({{"EncryptionInfo", "x"}, {"EncryptedPackage", "y"}})
                                        << "registrul este protejat cu parola";
        QTest::newRow("ole2 fara registru") << ole2({{"Altceva", "x"}}) << "nu este un registru Excel";
        QTest::newRow("foi suprapuse")
            << registruBiff8(inregistrare(0x0204, le({0, 0, 0, 40, 0}) + QByteArray(40, 'a')).repeated(20),
                             100)
            << "foile registrului se suprapun";
        QTest::newRow("parte de gigaocteti")
            << zip({{"content.xml", "x"}}, 0xF0000000u) << "depaseste 256 MB";
        QTest::newRow("zip fara registru") << zip({{"a.txt", "x"}}) << "nu este un registru de calcul";
        QTest::newRow("zip stricat") << QByteArray("PK\x03\x04\x00\x00", 6) << "arhiva zip este deteriorata";
        QTest::newRow("xml fara sfarsit") << ods(QByteArray("<table:table-row><table:table-cell><text:p>") +
                                                 QByteArray("<text:span>").repeated(100000))
                                          << "imbricat prea adanc";
        QTest::newRow("xml invalid") << xlsx("<row><c r=\"A1\"><v>1</v></row>") << "nu este XML valid";
        QTest::newRow("celula dincolo de foaie")
            << xlsx("<row r=\"1\"><c r=\"XFE1\"><v>1</v></c></row>") << "in afara foii";
        QTest::newRow("rand dincolo de foaie")
            << xlsx("<row r=\"1048577\"><c><v>1</v></c></row>") << "in afara foii";
        QTest::newRow("ods cu celula dincolo de foaie")
            << ods("<table:table-row "
                   "table:number-rows-repeated=\"1048576\"/><table:table-row><table:table-cell>"
                   "<text:p>x</text:p></table:table-cell></table:table-row>")
            << "in afara foii";
        QTest::newRow("octeti binari") << QByteArray("\x00\x01\x02", 3) << "nu este un registru de calcul";
        // an XF record claiming 38 KB ends the stream before any sheet was named
        if (QFile::exists(dosarAltii() + "/61300.xls"))
            QTest::newRow("trunchiat inaintea foilor")
                << citesteFisier(dosarAltii() + "/61300.xls")
                << "registrul Excel este trunchiat inaintea primei foi";
    }
    void intrariStricate() {
        QFETCH(QByteArray, continut);
        QFETCH(QString, motiv);
        const QString mesaj = mesajPentru(continut);
        QVERIFY2(mesaj.startsWith("Fisierul rau.xls nu poate fi citit: "), qPrintable(mesaj));
        QVERIFY2(mesaj.contains(motiv), qPrintable(mesaj));
    }

    // A damaged record or a missing shared text costs its cell; a stream that ends early keeps
    // what came before. The file is read and says what it lost.
    void deteriorariPastreazaRestul_data() {
        QTest::addColumn<QByteArray>("continut");
        QTest::addColumn<QString>("pierdere");
        const auto foaie = [](const QByteArray& inregistrari) {
            return registruBiff8(inregistrare(0x0204, le({0, 0, 0, 2}) + QByteArray("\x00ok", 3)) +
                                 inregistrari);
        };
        QTest::newRow("text urias in LABEL") << foaie(inregistrare(0x0204, le({1, 0, 0, 0xFFFF}) + "\x01"
                                                                                                   "ab"))
                                             << "foaia F: 1 inregistrari deteriorate, celulele lor lipsesc";
        QTest::newRow("inregistrare dincolo de sfarsit")
            << foaie(le({0x0204, 500}) + "abc") << "foaia F se termina mai devreme decat spune registrul";
        QTest::newRow("text trimis care lipseste")
            << xlsx("<row r=\"1\"><c r=\"A1\"><v>1</v></c><c r=\"B1\" t=\"s\"><v>7</v></c></row>")
            << "1 celule trimit la texte care lipsesc, raman goale";
    }
    void deteriorariPastreazaRestul() {
        QFETCH(QByteArray, continut);
        QFETCH(QString, pierdere);
        const RegistruDeCalcul r = RegistruDeCalcul::citeste(continut, "rau.xls");
        QVERIFY2(r.deteriorari.join('|').contains(pierdere), qPrintable(r.deteriorari.join('|')));
        QVERIFY(r.foi.at(0).text("A1") == "ok" || r.foi.at(0).text("A1") == "1");
        QVERIFY(r.mesajDeteriorare("rau.xls").startsWith("Fisierul rau.xls este deteriorat; s-a pastrat"));
    }

    void caLibreOffice_data() {
        QTest::addColumn<QString>("fisier");
        QTest::addColumn<QStringList>("exporturi");
        QTest::newRow("texte in CONTINUE")
            << "StringContinueRecords.xls"
            << QStringList{"StringContinueRecords-file load sequence.csv", "StringContinueRecords-Param.csv",
                           "StringContinueRecords-SQL init.csv"};
        QTest::newRow("inregistrare deteriorata")
            << "61045_govdocs1_626534.xls" << QStringList{"61045_govdocs1_626534-Sheet1.csv"};
        QTest::newRow("texte partajate lipsa 1") << "64508.xlsx" << QStringList{"64508-sheet1 -1.csv"};
        QTest::newRow("texte partajate lipsa 2") << "64667.xlsx" << QStringList{"64667-sheet1 -1.csv"};
    }
    // As many cells and rows with text as LibreOffice shows, sheet by sheet.
    void caLibreOffice() {
        QFETCH(QString, fisier);
        QFETCH(QStringList, exporturi);
        if (!QFile::exists(dosarAltii() + u'/' + fisier)) QSKIP("the peer spreadsheets are missing");
        const RegistruDeCalcul r = RegistruDeCalcul::deschide(dosarAltii() + u'/' + fisier);
        QCOMPARE(r.foi.size(), size_t(exporturi.size()));
        for (qsizetype i = 0; i < exporturi.size(); ++i) {
            const RegistruDeCalcul csv =
                RegistruDeCalcul::deschide(dosarAltii() + "/libreoffice/" + exporturi[i]);
            QCOMPARE(numara(r.foi[size_t(i)]), numara(csv.foi[0]));
        }
    }

    void csvSeparatorSiCodificare_data() {
        QTest::addColumn<QByteArray>("continut");
        QTest::addColumn<QStringList>("rand2");
        QTest::newRow("; cu virgule zecimale")
            << QByteArray("a;b;c\r\n9,50;\"x;y\";1.234,50\r\n") << QStringList{"9,50", "x;y", "1.234,50"};
        QTest::newRow("tab") << QByteArray("a\tb\n1,5\t\"q\"\"q\"\n") << QStringList{"1,5", "q\"q", ""};
        QTest::newRow("1250") << QByteArray("n\n\xBA\xFE\n") << QStringList{"şţ", "", ""};
        QTest::newRow("utf-16 cu tab")
            << QByteArray("\xFF\xFEn\0\n\0\x19\x02\t\0x\0\n\0", 14) << QStringList{"ș", "x", ""};
        QTest::newRow("utf-8 fara bom") << QByteArray("n\nș,ț\n") << QStringList{"ș", "ț", ""};
    }
    void csvSeparatorSiCodificare() {
        QFETCH(QByteArray, continut);
        QFETCH(QStringList, rand2);
        const FoaieDeCalcul f = RegistruDeCalcul::citeste(continut, "/tmp/lista.csv").foi[0];
        QCOMPARE(f.nume(), QString("lista"));
        QCOMPARE((QStringList{f.text("A2"), f.text("B2"), f.text("C2")}), rand2);
    }
};

QTEST_GUILESS_MAIN(TestFoaieDeCalcul)
#include "tst_FoaieDeCalcul.moc"
