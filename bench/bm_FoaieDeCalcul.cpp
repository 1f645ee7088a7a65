// Reading whole workbooks: the corpus files and generated class lists of 1,000 x 12 and
// 5,000 x 30 cells (names, personal codes, grades formatted 0.00, birth dates), in each format.
#include "platform/FoaieDeCalcul.h"

#include <QFile>
#include <benchmark/benchmark.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile-zip.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>
#include <map>

namespace {

enum Fel { Text, Cnp, Nota, Data };

Fel felColoana(int c) {
    return Fel(c % 4);
}

QString textCelula(int r, int c) {
    return QStringLiteral("Ştefan-Ţuţea %1/%2").arg(r).arg(c);
}
double valoare(int r, int c) {
    switch (felColoana(c)) {
    case Cnp:
        return 1850101000000.0 + r;
    case Nota:
        return 5 + (r * 7 + c) % 500 / 100.0;
    default:
        return 36000 + r % 5000;
    }
}

class Scriitor {
public:
    explicit Scriitor(bool zip) {
        gsf_init();
        iesire_ = gsf_output_memory_new();
        radacina_ = zip ? gsf_outfile_zip_new(iesire_, nullptr) : gsf_outfile_msole_new(iesire_);
    }
    void pune(const QByteArray& cale, const QByteArray& date) {
        GsfOutfile* dosar = radacina_;
        const QList<QByteArray> parti = cale.split('/');
        for (qsizetype i = 0; i + 1 < parti.size(); ++i) {
            const QByteArray cheie = parti.mid(0, i + 1).join('/');
            if (!dosare_.count(cheie))
                dosare_[cheie] = GSF_OUTFILE(gsf_outfile_new_child(dosar, parti[i].constData(), TRUE));
            dosar = dosare_[cheie];
        }
        GsfOutput* f = gsf_outfile_new_child(dosar, parti.last().constData(), FALSE);
        gsf_output_write(f, size_t(date.size()), reinterpret_cast<const guint8*>(date.constData()));
        gsf_output_close(f);
        g_object_unref(f);
    }
    QByteArray termina() {
        for (auto it = dosare_.rbegin(); it != dosare_.rend(); ++it) {
            gsf_output_close(GSF_OUTPUT(it->second));
            g_object_unref(it->second);
        }
        gsf_output_close(GSF_OUTPUT(radacina_));
        g_object_unref(radacina_);
        QByteArray r(reinterpret_cast<const char*>(gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(iesire_))),
                     qsizetype(gsf_output_size(iesire_)));
        g_object_unref(iesire_);
        return r;
    }

private:
    GsfOutput* iesire_;
    GsfOutfile* radacina_;
    std::map<QByteArray, GsfOutfile*> dosare_;
};

QByteArray xlsx(int randuri, int coloane) {
    QByteArray siruri = "<sst>", foaie = "<worksheet><sheetData>";
    int index = 0;
    for (int r = 0; r < randuri; ++r) {
        foaie += "<row r=\"" + QByteArray::number(r + 1) + "\">";
        for (int c = 0; c < coloane; ++c) {
            if (felColoana(c) == Text) {
                siruri += "<si><t>" + textCelula(r, c).toUtf8() + "</t></si>";
                foaie += "<c t=\"s\"><v>" + QByteArray::number(index++) + "</v></c>";
            } else {
                foaie += "<c s=\"" + QByteArray::number(int(felColoana(c))) + "\"><v>" +
                         QByteArray::number(valoare(r, c), 'g', 15) + "</v></c>";
            }
        }
        foaie += "</row>";
    }
    Scriitor s(true);
    s.pune("xl/workbook.xml",
           "<workbook><sheets><sheet name=\"F\" r:id=\"rId1\" xmlns:r=\"urn:r\"/></sheets></workbook>");
    s.pune(
        "xl/_rels/workbook.xml.rels",
        "<Relationships><Relationship Id=\"rId1\" Type=\"x/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
        "<Relationship Id=\"rId2\" Type=\"x/styles\" Target=\"styles.xml\"/>"
        "<Relationship Id=\"rId3\" Type=\"x/sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>");
    s.pune("xl/styles.xml",
           "<styleSheet><numFmts><numFmt numFmtId=\"164\" formatCode=\"dd/mm/yyyy\"/></numFmts>"
           "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"1\"/><xf numFmtId=\"2\"/>"
           "<xf numFmtId=\"164\"/></cellXfs></styleSheet>");
    s.pune("xl/sharedStrings.xml", siruri + "</sst>");
    s.pune("xl/worksheets/sheet1.xml", foaie + "</sheetData></worksheet>");
    return s.termina();
}

QByteArray ods(int randuri, int coloane) {
    QByteArray t = "<?xml version=\"1.0\"?><office:document-content "
                   "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                   "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
                   "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body>"
                   "<office:spreadsheet><table:table table:name=\"F\">";
    for (int r = 0; r < randuri; ++r) {
        t += "<table:table-row>";
        for (int c = 0; c < coloane; ++c)
            t += "<table:table-cell office:value-type=\"string\"><text:p>" + textCelula(r, c).toUtf8() +
                 "</text:p></table:table-cell>";
        t += "<table:table-cell table:number-columns-repeated=\"16000\"/></table:table-row>";
    }
    t += "<table:table-row table:number-rows-repeated=\"1040000\"><table:table-cell "
         "table:number-columns-repeated=\"16384\"/></table:table-row>";
    Scriitor s(true);
    s.pune("mimetype", "application/vnd.oasis.opendocument.spreadsheet");
    s.pune("content.xml", t + "</table:table></office:spreadsheet></office:body></office:document-content>");
    return s.termina();
}

QByteArray inregistrare(quint16 tip, const QByteArray& date) {
    QByteArray r;
    r += char(tip & 0xFF), r += char(tip >> 8), r += char(date.size() & 0xFF), r += char(date.size() >> 8);
    return r + date;
}

QByteArray u16(int v) {
    return QByteArray(1, char(v & 0xFF)) + char((v >> 8) & 0xFF);
}

QByteArray xls(int randuri, int coloane) {
    const QByteArray bof = inregistrare(0x0809, u16(0x0600) + u16(5) + u16(0) + u16(0));
    QByteArray xf;
    for (int format : {0, 1, 2, 14})
        xf += inregistrare(0x00E0, u16(0) + u16(format) + QByteArray(16, '\0'));
    const QByteArray eof = inregistrare(0x000A, {});
    auto foaieLa = [](int pozitie) {
        return inregistrare(0x0085, u16(pozitie & 0xFFFF) + u16(pozitie >> 16) + u16(0) +
                                        QByteArray("\x01\x00"
                                                   "F",
                                                   3));
    };
    const int pozitie = int(bof.size() + xf.size() + foaieLa(0).size() + eof.size());
    const QByteArray globale = bof + xf + foaieLa(pozitie) + eof;
    QByteArray foaie = inregistrare(0x0809, u16(0x0600) + u16(0x10) + u16(0) + u16(0));
    for (int r = 0; r < randuri; ++r)
        for (int c = 0; c < coloane; ++c) {
            if (felColoana(c) == Text) {
                const QString t = textCelula(r, c);
                foaie += inregistrare(0x0204,
                                      u16(r) + u16(c) + u16(0) + u16(int(t.size())) + '\x01' +
                                          QByteArray(reinterpret_cast<const char*>(t.utf16()), t.size() * 2));
            } else {
                const double v = valoare(r, c);
                foaie += inregistrare(0x0203, u16(r) + u16(c) + u16(int(felColoana(c))) +
                                                  QByteArray(reinterpret_cast<const char*>(&v), 8));
            }
        }
    Scriitor s(false);
    s.pune("Workbook", globale + foaie + eof);
    return s.termina();
}

QByteArray csv(int randuri, int coloane) {
    QByteArray t;
    for (int r = 0; r < randuri; ++r) {
        for (int c = 0; c < coloane; ++c)
            t += (c ? ";" : "") + textCelula(r, c).toUtf8();
        t += "\r\n";
    }
    return t;
}

void citeste(benchmark::State& stare, const QByteArray& continut, const char* nume) {
    qint64 celule = 0;
    for (auto _ : stare) {
        const RegistruDeCalcul r = RegistruDeCalcul::citeste(continut, nume);
        celule = 0;
        for (const auto& f : r.foi)
            f.pentruFiecare([&](int, int, const QString&) { ++celule; });
        benchmark::DoNotOptimize(celule);
    }
    stare.counters["celule"] = double(celule);
    stare.counters["octeti"] = double(continut.size());
}

void generat(benchmark::State& stare, QByteArray (*fa)(int, int), const char* nume) {
    citeste(stare, fa(int(stare.range(0)), int(stare.range(1))), nume);
}

void corpus(benchmark::State& stare, const char* fisier) {
    QFile f(qEnvironmentVariable("VARDOLIN_IMPORT_CORPUS", "/work/shared/import-corpus") + "/" + fisier);
    if (!f.open(QIODevice::ReadOnly)) {
        stare.SkipWithError("the import corpus is missing");
        return;
    }
    citeste(stare, f.readAll(), fisier);
}

} // namespace

BENCHMARK_CAPTURE(generat, xls, xls, "f.xls")
    ->Args({1000, 12})
    ->Args({5000, 30})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(generat, xlsx, xlsx, "f.xlsx")
    ->Args({1000, 12})
    ->Args({5000, 30})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(generat, ods, ods, "f.ods")
    ->Args({1000, 12})
    ->Args({5000, 30})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(generat, csv, csv, "f.csv")
    ->Args({1000, 12})
    ->Args({5000, 30})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(corpus, xls, "corpus.xls")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(corpus, xlsx, "corpus.xlsx")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(corpus, ods, "corpus.ods")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(corpus, csv, "elevi-cp1250.csv")->Unit(benchmark::kMillisecond);
