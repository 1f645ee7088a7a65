#include "platform/ScriitorFoaie.h"

#include "platform/Eroare.h"
#include "platform/PaginaCod.h"

#include <gsf/gsf-outfile-zip.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-stdio.h>
#include <gsf/gsf-utils.h>
#include <xlsxwriter.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <cstdio>

namespace {

[[noreturn]] void nuSePoateScrie(const QString& cale) {
    throw Eroare::format("Fisierul %s nu poate fi scris. Verificati ca folderul exista, ca aveti drept "
                         "de scriere in el si ca fisierul nu este deschis in alt program.",
                         {QDir::toNativeSeparators(cale)});
}

// The first maxCaractere characters; a character outside the basic plane counts once.
bool taie(QString& text) {
    if (text.size() <= ScriitorFoaie::maxCaractere) return false;
    int caractere = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isLowSurrogate()) continue;
        if (++caractere > ScriitorFoaie::maxCaractere) {
            text.truncate(i);
            return true;
        }
    }
    return false;
}

// XML 1.0 cannot carry the control characters other than TAB, LF and CR.
QString faraControl(const QString& text) {
    QString r;
    r.reserve(text.size());
    for (const QChar c : text)
        if (c.unicode() >= 0x20 || c == u'\t' || c == u'\n' || c == u'\r') r += c;
    return r;
}

void adaugaXml(QByteArray& tinta, QStringView text) {
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&':
            tinta += "&amp;";
            break;
        case '<':
            tinta += "&lt;";
            break;
        case '>':
            tinta += "&gt;";
            break;
        case '"':
            tinta += "&quot;";
            break;
        default:
            tinta += QString(c).toUtf8();
        }
    }
}

class ScriitorXlsx : public ScriitorFoaie {
public:
    ScriitorXlsx(const QString& cale, const QString& numeFoaie) : ScriitorFoaie(cale) {
        lxw_workbook_options optiuni{};
        optiuni.constant_memory = LXW_TRUE; // rows go to a temporary file as they come
        registru_ = workbook_new_opt(QFile::encodeName(temporar()).constData(), &optiuni);
        if (!registru_) nuSePoateScrie(cale);
        foaie_ = workbook_add_worksheet(registru_, numeFoaie.toUtf8().constData());
        if (!foaie_) nuSePoateScrie(cale);
        text_ = workbook_add_format(registru_);
        format_set_num_format(text_, "@");
        numar_ = workbook_add_format(registru_);
        format_set_num_format(numar_, "0.00");
    }
    ~ScriitorXlsx() override {
        if (registru_) workbook_close(registru_);
    }

private:
    void scrie(const std::vector<CelulaDeScris>& celule) override {
        if (rand_ == 0 && !celule.empty())
            worksheet_set_column(foaie_, 0, lxw_col_t(celule.size() - 1), 20, nullptr);
        for (size_t c = 0; c < celule.size(); ++c) {
            lxw_error e = LXW_NO_ERROR;
            if (celule[c].numar)
                e = worksheet_write_number(foaie_, rand_, lxw_col_t(c), *celule[c].numar, numar_);
            else if (!celule[c].text.isEmpty())
                e = worksheet_write_string(foaie_, rand_, lxw_col_t(c),
                                           faraControl(celule[c].text).toUtf8().constData(), text_);
            if (e != LXW_NO_ERROR) throw Eroare::format("celula nu poate fi scrisa: %s", {lxw_strerror(e)});
        }
        ++rand_;
    }
    void inchide() override {
        const lxw_error e = workbook_close(registru_);
        registru_ = nullptr;
        if (e != LXW_NO_ERROR) throw Eroare::format("registrul nu poate fi scris: %s", {lxw_strerror(e)});
    }

    lxw_workbook* registru_ = nullptr;
    lxw_worksheet* foaie_ = nullptr;
    lxw_format* text_ = nullptr;
    lxw_format* numar_ = nullptr;
    lxw_row_t rand_ = 0;
};

struct EliberareGsf {
    void operator()(GsfOutput* iesire) const {
        if (!iesire) return;
        if (!gsf_output_is_closed(iesire)) gsf_output_close(iesire);
        g_object_unref(iesire);
    }
};
using IesireGsf = std::unique_ptr<GsfOutput, EliberareGsf>;

constexpr const char* antetContinut =
    R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0" office:version="1.2">
<office:automatic-styles>
<number:text-style style:name="NT"><number:text-content/></number:text-style>
<number:number-style style:name="N2"><number:number number:decimal-places="2" number:min-decimal-places="2" number:min-integer-digits="1"/></number:number-style>
<style:style style:name="ct" style:family="table-cell" style:data-style-name="NT"/>
<style:style style:name="cn" style:family="table-cell" style:data-style-name="N2"/>
<style:style style:name="co" style:family="table-column"><style:table-column-properties style:column-width="4cm"/></style:style>
</office:automatic-styles>
<office:body><office:spreadsheet>
)";

constexpr const char* manifest =
    R"(<?xml version="1.0" encoding="UTF-8"?>
<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.2">
<manifest:file-entry manifest:full-path="/" manifest:version="1.2" manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/>
<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>
<manifest:file-entry manifest:full-path="styles.xml" manifest:media-type="text/xml"/>
</manifest:manifest>
)";

constexpr const char* stiluri =
    R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document-styles xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" office:version="1.2"/>
)";

class ScriitorOds : public ScriitorFoaie {
public:
    ScriitorOds(const QString& cale, const QString& numeFoaie) : ScriitorFoaie(cale) {
        gsf_init();
        GError* eroare = nullptr;
        fisier_.reset(gsf_output_stdio_new(QFile::encodeName(temporar()).constData(), &eroare));
        if (eroare) g_error_free(eroare);
        if (!fisier_) nuSePoateScrie(cale);
        eroare = nullptr;
        arhiva_.reset(GSF_OUTPUT(gsf_outfile_zip_new(fisier_.get(), &eroare)));
        if (eroare) g_error_free(eroare);
        if (!arhiva_) nuSePoateScrie(cale);
        // The type first and stored, so that a program reads it at a fixed place.
        parte("mimetype", "application/vnd.oasis.opendocument.spreadsheet", true);
        {
            IesireGsf meta(gsf_outfile_new_child(GSF_OUTFILE(arhiva_.get()), "META-INF", TRUE));
            IesireGsf m(gsf_outfile_new_child(GSF_OUTFILE(meta.get()), "manifest.xml", FALSE));
            scrieToate(m.get(), manifest);
        }
        parte("styles.xml", stiluri, false);
        continut_.reset(gsf_outfile_new_child(GSF_OUTFILE(arhiva_.get()), "content.xml", FALSE));
        if (!continut_) nuSePoateScrie(cale);
        QByteArray inceput(antetContinut);
        inceput += "<table:table table:name=\"";
        adaugaXml(inceput, numeFoaie);
        inceput += "\">\n";
        scrieToate(continut_.get(), inceput);
    }
    ~ScriitorOds() override {
        continut_.reset();
        arhiva_.reset();
        fisier_.reset();
    }

private:
    void parte(const char* nume, const QByteArray& text, bool stocat) {
        IesireGsf p(stocat ? gsf_outfile_new_child_full(GSF_OUTFILE(arhiva_.get()), nume, FALSE,
                                                        "compression-level", GSF_ZIP_STORED, nullptr)
                           : gsf_outfile_new_child(GSF_OUTFILE(arhiva_.get()), nume, FALSE));
        scrieToate(p.get(), text);
        inchideParte(p.get());
    }
    void scrieToate(GsfOutput* iesire, const QByteArray& text) {
        if (!iesire ||
            !gsf_output_write(iesire, size_t(text.size()), reinterpret_cast<const guint8*>(text.constData())))
            throw Eroare("arhiva nu poate fi scrisa (discul este plin?)");
    }
    static void inchideParte(GsfOutput* iesire) {
        if (!gsf_output_close(iesire)) throw Eroare("arhiva nu poate fi scrisa (discul este plin?)");
    }

    void scrie(const std::vector<CelulaDeScris>& celule) override {
        if (!coloane_ && !celule.empty()) {
            coloane_ = true;
            rand_ += QByteArrayLiteral(
                         "<table:table-column table:style-name=\"co\" table:number-columns-repeated=\"") +
                     QByteArray::number(qsizetype(celule.size())) + "\"/>\n";
        }
        rand_ += "<table:table-row>";
        for (const CelulaDeScris& c : celule)
            celula(c);
        rand_ += "</table:table-row>\n";
        scrieToate(continut_.get(), rand_);
        rand_.clear();
    }

    void celula(const CelulaDeScris& c) {
        if (c.numar) {
            const QByteArray v = QByteArray::number(*c.numar, 'f', 2);
            rand_ += "<table:table-cell table:style-name=\"cn\" office:value-type=\"float\" office:value=\"" +
                     QByteArray::number(*c.numar, 'g', 17) + "\"><text:p>" + v +
                     "</text:p></table:table-cell>";
            return;
        }
        if (c.text.isEmpty()) {
            rand_ += "<table:table-cell/>";
            return;
        }
        rand_ += "<table:table-cell table:style-name=\"ct\" office:value-type=\"string\"><text:p>";
        paragrafe(faraControl(c.text));
        rand_ += "</text:p></table:table-cell>";
    }

    // Lines become paragraphs; blanks the XML would fold into one are written as <text:s/>.
    void paragrafe(const QString& text) {
        bool inceput = true;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
            if (c == u'\n' || c == u'\r') {
                rand_ += "</text:p><text:p>";
                inceput = true;
                continue;
            }
            if (c == u'\t') {
                rand_ += "<text:tab/>";
            } else if (c == u' ' && (inceput || i + 1 == text.size() || text[i + 1] == u' ' ||
                                     text[i + 1] == u'\n' || text[i + 1] == u'\r' || text[i - 1] == u' ')) {
                rand_ += "<text:s/>";
            } else {
                adaugaXml(rand_, QStringView(text).mid(i, 1));
            }
            inceput = false;
        }
    }

    void inchide() override {
        scrieToate(continut_.get(),
                   "</table:table>\n</office:spreadsheet></office:body></office:document-content>\n");
        inchideParte(continut_.get());
        inchideParte(arhiva_.get());
        inchideParte(fisier_.get());
    }

    IesireGsf fisier_, arhiva_, continut_;
    QByteArray rand_;
    bool coloane_ = false;
};

class ScriitorCsv : public ScriitorFoaie {
public:
    ScriitorCsv(const QString& cale, bool cp1250)
        : ScriitorFoaie(cale), fisier_(temporar()), cp1250_(cp1250) {
        if (!fisier_.open(QIODevice::WriteOnly | QIODevice::Truncate)) nuSePoateScrie(cale);
        // The mark makes Excel read UTF-8; the old programs that want 1250 get none.
        if (!cp1250_) scrieToate("\xEF\xBB\xBF");
    }

private:
    void scrieToate(const QByteArray& octeti) {
        if (fisier_.write(octeti) != octeti.size())
            throw Eroare("fisierul nu poate fi scris (discul este plin?)");
    }

    void scrie(const std::vector<CelulaDeScris>& celule) override {
        QString linie;
        for (size_t c = 0; c < celule.size(); ++c) {
            if (c) linie += u';';
            linie += camp(celule[c].numar ? QString::number(*celule[c].numar, 'f', 2) : celule[c].text);
        }
        linie += QStringLiteral("\r\n");
        scrieToate(cp1250_ ? in1250(linie) : linie.toUtf8());
    }

    static QString camp(const QString& text) {
        static const QString deGhilimele = QStringLiteral(";\"\r\n");
        bool ghilimele = false;
        for (const QChar c : text)
            ghilimele = ghilimele || deGhilimele.contains(c);
        if (!ghilimele) return text;
        QString r = text;
        r.replace(u'"', QStringLiteral("\"\""));
        return u'"' + r + u'"';
    }

    QByteArray in1250(const QString& text) {
        static const QHash<char16_t, char> tabel = [] {
            QHash<char16_t, char> t;
            for (int b = 0x80; b < 0x100; ++b) {
                const char octet = char(b);
                const QString c = PaginaCod::din1250(QByteArrayView(&octet, 1));
                if (c.size() == 1 && c[0] != QChar::ReplacementCharacter) t.insert(c[0].unicode(), octet);
            }
            // The comma-below letters are not in the page; its cedilla letters read the same.
            t.insert(u'\u0218', t.value(u'\u015E'));
            t.insert(u'\u0219', t.value(u'\u015F'));
            t.insert(u'\u021A', t.value(u'\u0162'));
            t.insert(u'\u021B', t.value(u'\u0163'));
            return t;
        }();
        QByteArray r;
        r.reserve(text.size());
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                r += char(c.unicode());
            } else if (const auto it = tabel.find(c.unicode()); it != tabel.end()) {
                r += *it;
            } else if (!c.isLowSurrogate()) {
                r += '?';
                ++inlocuite_;
            }
        }
        return r;
    }

    void inchide() override {
        if (!fisier_.flush()) throw Eroare("fisierul nu poate fi scris (discul este plin?)");
        fisier_.close();
    }

    QFile fisier_;
    bool cp1250_;
};

} // namespace

ScriitorFoaie::ScriitorFoaie(const QString& cale) : cale_(cale) {
    const QFileInfo info(cale);
    temporar_ = info.dir().filePath(QStringLiteral(".") + info.fileName() + QStringLiteral(".partial"));
    const QFileInfo dosar(info.absolutePath());
    if (!dosar.isDir() || !dosar.isWritable()) nuSePoateScrie(cale);
}

ScriitorFoaie::~ScriitorFoaie() {
    if (!terminat_) QFile::remove(temporar_);
}

std::unique_ptr<ScriitorFoaie> ScriitorFoaie::creeaza(const QString& cale, Format format,
                                                      const QString& numeFoaie) {
    const QString nume = numeFoaieValid(numeFoaie);
    switch (format) {
    case Format::Xlsx:
        return std::make_unique<ScriitorXlsx>(cale, nume);
    case Format::Ods:
        return std::make_unique<ScriitorOds>(cale, nume);
    case Format::Csv:
        return std::make_unique<ScriitorCsv>(cale, false);
    case Format::Csv1250:
        return std::make_unique<ScriitorCsv>(cale, true);
    }
    return nullptr;
}

ScriitorFoaie::Format ScriitorFoaie::formatDupaNume(const QString& cale) {
    const QString extensie = QFileInfo(cale).suffix().toLower();
    if (extensie == u"xlsx") return Format::Xlsx;
    if (extensie == u"ods") return Format::Ods;
    if (extensie == u"csv") return Format::Csv;
    throw Eroare::format("Fisierul %s nu are o extensie cunoscuta: alegeti .xlsx, .ods sau .csv.",
                         {QFileInfo(cale).fileName()});
}

QString ScriitorFoaie::numeFoaieValid(const QString& nume) {
    QString r;
    for (const QChar c : nume)
        r += QStringView(u"[]:*?/\\").contains(c) || c.unicode() < 0x20 ? u'_' : c;
    while (r.startsWith(u'\''))
        r.remove(0, 1);
    while (r.endsWith(u'\''))
        r.chop(1);
    r = r.left(31).trimmed();
    if (r.endsWith(u'\'')) r.chop(1);
    return r.isEmpty() ? QStringLiteral("Foaie1") : r;
}

void ScriitorFoaie::scrieRand(const std::vector<CelulaDeScris>& celule) {
    rand_ = celule;
    for (CelulaDeScris& c : rand_)
        if (taie(c.text)) ++taiate_;
    try {
        scrie(rand_);
    } catch (const Eroare& e) {
        throw Eroare::format("Fisierul %s nu poate fi scris: %s.",
                             {QDir::toNativeSeparators(cale_), e.text()});
    }
}

void ScriitorFoaie::termina() {
    try {
        inchide();
    } catch (const Eroare& e) {
        throw Eroare::format("Fisierul %s nu poate fi scris: %s.",
                             {QDir::toNativeSeparators(cale_), e.text()});
    }
    if (std::rename(QFile::encodeName(temporar_).constData(), QFile::encodeName(cale_).constData()) != 0)
        nuSePoateScrie(cale_);
    terminat_ = true;
}
