#include "MediuTest.h"
#include "platform/Eroare.h"
#include "platform/ImprimantaInregistrata.h"
#include "printing/FormularDePrintat.h"
#include "printing/UParticularizare.h"

#include <QDir>
#include <QStringDecoder>
#include <QtTest>
#include <memory>

using Fel = ImprimantaInregistrata::Inregistrare::Fel;

namespace {
QByteArray octeti(std::initializer_list<int> valori) {
    QByteArray b;
    for (int v : valori)
        b.append(static_cast<char>(v));
    return b;
}

// A short 7-bit text as the file holds it: tag 6, length, letters.
QByteArray text6(const QByteArray& litere) {
    return octeti({6, static_cast<int>(litere.size())}) + litere;
}

QByteArray citesteFisier(const QString& cale) {
    QFile f(cale);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void scrieFisier(const QString& cale, const QByteArray& continut) {
    QFile f(cale);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(continut);
}

// One version-2 record with every field at zero or empty, its Aliniere given as raw bytes.
QByteArray inregistrareCuAliniere(const QByteArray& aliniere) {
    return octeti({2, 2}) + text6("PrintVardolin") + text6("FormularTextArea1") + aliniere +
           octeti({2, 0, 2, 0}) + text6("") + text6("") + octeti({2, 0, 2, 0}) + text6("");
}

QByteArray fisierCu(const QByteArray& inregistrari, int numar) {
    return octeti({2, 0, 2, numar}) + inregistrari;
}

// A form window as the print window makes it: named, owning its fonts and a page of areas.
struct Fereastra {
    QWidget w;
    TFontFormular* stanga;
    TFontFormular* mare;
    TFormularDePrintat* pagina;

    Fereastra() {
        w.setObjectName("PrintVardolin");
        stanga = font("Stanga", "DejaVu Sans", 3.0);
        mare = font("Mare", "DejaVu Serif", 4.0);
        pagina = new TFormularDePrintat(&w);
        pagina->setObjectName("Fata");
        pagina->setLatime(297);
        pagina->setInaltime(210);
    }
    TFontFormular* font(const QString& nume, const QString& fata, double marime) {
        auto* f = new TFontFormular(&w);
        f->setObjectName(nume);
        f->setFontName(fata);
        f->setSize(marime);
        return f;
    }
    TFormularTextArea* zona(const QString& nume, const QString& text, QRectF mm = QRectF(20, 30, 60, 6)) {
        auto* z = new TFormularTextArea(pagina);
        z->setObjectName(nume);
        z->set_Left(mm.left());
        z->set_Top(mm.top());
        z->set_Width(mm.width());
        z->set_Height(mm.height());
        z->setFontFormular(stanga);
        z->setText(text);
        z->ApplyGeometry();
        return z;
    }
};

ImprimantaInregistrata::Inregistrare textTiparit(TFormularTextArea& zona) {
    auto dispozitiv = ImprimantaInregistrata::a4(600, QPageLayout::Landscape, 50, 40);
    dispozitiv.incepeLucrare("proba");
    zona.PrintArea(dispozitiv, false, 0, 0);
    dispozitiv.terminaLucrare();
    const auto texte = dispozitiv.doar(Fel::Text);
    return texte.empty() ? ImprimantaInregistrata::Inregistrare{} : texte.front();
}
} // namespace

class TestUParticularizare : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fisierFaraInregistrari();
    void inregistrareVersiunea2OctetCuOctet();
    void intregi_data();
    void intregi();
    void intregiCititeInOriceForma_data();
    void intregiCititeInOriceForma();
    void texte_data();
    void texte();
    void texteCititeDinFisier_data();
    void texteCititeDinFisier();
    void pagina1250CaSistemul();
    void versiuniVechiRescriseCaVersiunea2_data();
    void versiuniVechiRescriseCaVersiunea2();
    void fisierDeteriorat_data();
    void fisierDeteriorat();
    void fisierDeterioratPusDeoparte();
    void fisierCareNuSeDeschide();
    void fisierCareNuSePoateCrea();
    void cautarea();
    void faraFisierPrimaCautareNuCreeazaNimic();
    void ajustareaPrinFereastra_data();
    void ajustareaPrinFereastra();
    void textulRedefinit_data();
    void textulRedefinit();
    void fontDupaNume_data();
    void fontDupaNume();

private:
    QString caleLicenta() const { return mediu_->cale("licenta.lic"); }
    std::unique_ptr<MediuTest> mediu_;
};

void TestUParticularizare::init() {
    mediu_ = std::make_unique<MediuTest>();
    IncarcaParticularizarile();
}

void TestUParticularizare::cleanup() {
    mediu_.reset();
}

void TestUParticularizare::fisierFaraInregistrari() {
    TListaParticularizareTextArea lista(caleLicenta());
    lista.SalveazaFisier();
    QCOMPARE(citesteFisier(caleLicenta()), octeti({0x02, 0x00, 0x02, 0x00}));
    TListaParticularizareTextArea citita(caleLicenta());
    citita.IncarcaFisier(caleLicenta());
    QCOMPARE(citita.numar(), 0);
}

void TestUParticularizare::inregistrareVersiunea2OctetCuOctet() {
    const QByteArray asteptat =
        octeti({0x02, 0x02}) + octeti({0x06, 0x0D}) + "PrintVardolin" + octeti({0x06, 0x11}) +
        "FormularTextArea1" + octeti({0x02, 0x02, 0x02, 0xFF, 0x02, 0x00}) + octeti({0x06, 0x06}) + "Stanga" +
        octeti({0x06, 0x00, 0x02, 0x00, 0x02, 0x01}) + octeti({0x06, 0x00});
    TListaParticularizareTextArea lista(caleLicenta());
    auto* rec = lista.CautaParticularizare("PrintVardolin", "FormularTextArea1", true);
    rec->Aliniere = 2;
    rec->DeplasareOrizontala = -1;
    rec->NumeFont = "Stanga";
    rec->StilBold = 1;
    lista.SalveazaFisier();
    QCOMPARE(citesteFisier(caleLicenta()), octeti({2, 0, 2, 1}) + asteptat);

    TListaParticularizareTextArea citita(caleLicenta());
    citita.IncarcaFisier(caleLicenta());
    QCOMPARE(citita.numar(), 1);
    QCOMPARE(citita[0].NumeFormular, QString("PrintVardolin"));
    QCOMPARE(citita[0].NumeTextArea, QString("FormularTextArea1"));
    QCOMPARE(citita[0].Aliniere, 2);
    QCOMPARE(citita[0].DeplasareOrizontala, -1);
    QCOMPARE(citita[0].DeplasareVerticala, 0);
    QCOMPARE(citita[0].NumeFont, QString("Stanga"));
    QCOMPARE(citita[0].StilItalic, 0);
    QCOMPARE(citita[0].StilBold, 1);
    QVERIFY(citita[0].TextRedefinit.isEmpty());
    QVERIFY(citita[0].FontSpecificat.isEmpty());
}

void TestUParticularizare::intregi_data() {
    QTest::addColumn<int>("valoare");
    QTest::addColumn<QByteArray>("forma");
    QTest::newRow("zero") << 0 << octeti({2, 0});
    QTest::newRow("127") << 127 << octeti({2, 0x7F});
    QTest::newRow("-128") << -128 << octeti({2, 0x80});
    QTest::newRow("128 trece la 16 biti") << 128 << octeti({3, 0x80, 0x00});
    QTest::newRow("-129") << -129 << octeti({3, 0x7F, 0xFF});
    QTest::newRow("32767") << 32767 << octeti({3, 0xFF, 0x7F});
    QTest::newRow("-32768") << -32768 << octeti({3, 0x00, 0x80});
    QTest::newRow("32768 trece la 32 biti") << 32768 << octeti({4, 0x00, 0x80, 0x00, 0x00});
    QTest::newRow("-32769") << -32769 << octeti({4, 0xFF, 0x7F, 0xFF, 0xFF});
    QTest::newRow("maxim") << std::numeric_limits<int>::max() << octeti({4, 0xFF, 0xFF, 0xFF, 0x7F});
    QTest::newRow("minim") << std::numeric_limits<int>::min() << octeti({4, 0x00, 0x00, 0x00, 0x80});
}

// The writer uses the shortest form, and what it writes reads back.
void TestUParticularizare::intregi() {
    QFETCH(int, valoare);
    QFETCH(QByteArray, forma);
    TListaParticularizareTextArea lista(caleLicenta());
    lista.CautaParticularizare("PrintVardolin", "FormularTextArea1", true)->Aliniere = valoare;
    lista.SalveazaFisier();
    QCOMPARE(citesteFisier(caleLicenta()), fisierCu(inregistrareCuAliniere(forma), 1));

    TListaParticularizareTextArea citita(caleLicenta());
    citita.IncarcaFisier(caleLicenta());
    QCOMPARE(citita[0].Aliniere, valoare);
}

void TestUParticularizare::intregiCititeInOriceForma_data() {
    QTest::addColumn<QByteArray>("forma");
    QTest::addColumn<int>("valoare");
    QTest::newRow("-1 pe 16 biti") << octeti({3, 0xFF, 0xFF}) << -1;
    QTest::newRow("2 pe 16 biti") << octeti({3, 0x02, 0x00}) << 2;
    QTest::newRow("-1 pe 32 biti") << octeti({4, 0xFF, 0xFF, 0xFF, 0xFF}) << -1;
    QTest::newRow("3 pe 32 biti") << octeti({4, 0x03, 0x00, 0x00, 0x00}) << 3;
}

void TestUParticularizare::intregiCititeInOriceForma() {
    QFETCH(QByteArray, forma);
    QFETCH(int, valoare);
    scrieFisier(caleLicenta(), fisierCu(inregistrareCuAliniere(forma), 1));
    TListaParticularizareTextArea lista(caleLicenta());
    lista.IncarcaFisier(caleLicenta());
    QCOMPARE(lista[0].Aliniere, valoare);
    // Written back in the shortest form.
    QCOMPARE(lista.serializeaza(), fisierCu(inregistrareCuAliniere(octeti({2, valoare & 0xFF})), 1));
}

void TestUParticularizare::texte_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("forma");
    QTest::newRow("gol") << QString() << octeti({6, 0});
    QTest::newRow("255 litere") << QString(255, 'a') << octeti({6, 0xFF}) + QByteArray(255, 'a');
    QTest::newRow("256 litere, lungime pe 32 biti")
        << QString(256, 'b') << octeti({12, 0x00, 0x01, 0x00, 0x00}) + QByteArray(256, 'b');
    const QString romanesc = QString::fromUtf8("Ştefan Ţăran, învăţământ");
    const QByteArray utf8 = romanesc.toUtf8();
    QTest::newRow("litere romanesti in UTF-8")
        << romanesc << octeti({20, static_cast<int>(utf8.size()), 0, 0, 0}) + utf8;
    // Letters outside the single-byte code page are kept as they are.
    const QString virgula = QString::fromUtf8("Școala Țării");
    QTest::newRow("s si t cu virgula")
        << virgula << octeti({20, static_cast<int>(virgula.toUtf8().size()), 0, 0, 0}) + virgula.toUtf8();
}

void TestUParticularizare::texte() {
    QFETCH(QString, text);
    QFETCH(QByteArray, forma);
    TListaParticularizareTextArea lista(caleLicenta());
    lista.CautaParticularizare("PrintVardolin", "FormularTextArea1", true)->TextRedefinit = text;
    lista.SalveazaFisier();
    const QByteArray cap = octeti({2, 0, 2, 1, 2, 2}) + text6("PrintVardolin") + text6("FormularTextArea1") +
                           octeti({2, 0, 2, 0, 2, 0}) + text6("");
    QCOMPARE(citesteFisier(caleLicenta()), cap + forma + octeti({2, 0, 2, 0}) + text6(""));

    TListaParticularizareTextArea citita(caleLicenta());
    citita.IncarcaFisier(caleLicenta());
    QCOMPARE(citita[0].TextRedefinit, text);
}

void TestUParticularizare::texteCititeDinFisier_data() {
    QTest::addColumn<QByteArray>("forma");
    QTest::addColumn<QString>("text");
    QTest::newRow("octeti 1250") << octeti({6, 5, 0xAA, 0xDE, 0xC3, 0xE2, 0xEE})
                                 << QString::fromUtf8("ŞŢĂâî");
    QTest::newRow("octeti 1250, lungime pe 32 biti")
        << octeti({12, 3, 0, 0, 0, 0xBA, 0xFE, 0xE3}) << QString::fromUtf8("şţă");
    QTest::newRow("UTF-16") << octeti({18, 3, 0, 0, 0, 0x18, 0x02, 0x41, 0x00, 0x1B, 0x02})
                            << QString::fromUtf8("ȘAț");
    QTest::newRow("UTF-8") << octeti({20, 4, 0, 0, 0, 0xC4, 0x82, 0x6C, 0x61}) << QString::fromUtf8("Ăla");
}

void TestUParticularizare::texteCititeDinFisier() {
    QFETCH(QByteArray, forma);
    QFETCH(QString, text);
    const QByteArray inregistrare =
        octeti({2, 0}) + text6("PrintVardolin") + forma + octeti({2, 0, 2, 0, 2, 0}) + text6("");
    scrieFisier(caleLicenta(), fisierCu(inregistrare, 1));
    TListaParticularizareTextArea lista(caleLicenta());
    lista.IncarcaFisier(caleLicenta());
    QCOMPARE(lista[0].NumeTextArea, text);
}

// Every byte of the code page decodes as the system's conversion does.
void TestUParticularizare::pagina1250CaSistemul() {
    QStringDecoder sistem("windows-1250");
    if (!sistem.isValid()) QSKIP("this Qt has no windows-1250 conversion to compare with");
    for (int b = 0x80; b <= 0xFF; ++b) {
        const QString asteptat = sistem(octeti({b}));
        if (asteptat == QString(QChar::ReplacementCharacter)) continue; // free in the code page
        scrieFisier(caleLicenta(), fisierCu(octeti({2, 0}) + text6("F") + octeti({6, 1, b}) +
                                                octeti({2, 0, 2, 0, 2, 0}) + text6(""),
                                            1));
        TListaParticularizareTextArea lista(caleLicenta());
        lista.IncarcaFisier(caleLicenta());
        QVERIFY2(lista[0].NumeTextArea == asteptat, qPrintable(QString::number(b, 16)));
    }
}

void TestUParticularizare::versiuniVechiRescriseCaVersiunea2_data() {
    QTest::addColumn<int>("versiune");
    QTest::addColumn<QByteArray>("coada");
    QTest::addColumn<QString>("textRedefinit");
    QTest::newRow("versiunea 0") << 0 << QByteArray() << QString();
    QTest::newRow("versiunea 1") << 1 << text6("ABC") << QString("ABC");
}

void TestUParticularizare::versiuniVechiRescriseCaVersiunea2() {
    QFETCH(int, versiune);
    QFETCH(QByteArray, coada);
    QFETCH(QString, textRedefinit);
    const QByteArray comun =
        text6("PrintVardolin") + text6("FormularTextArea9") + octeti({2, 3, 2, 1, 2, 0xFF}) + text6("Mare");
    scrieFisier(caleLicenta(), fisierCu(octeti({2, versiune}) + comun + coada, 1));
    IncarcaParticularizarile();
    auto& lista = Particularizari();
    QCOMPARE(lista.numar(), 1);
    QCOMPARE(lista[0].Aliniere, 3);
    QCOMPARE(lista[0].DeplasareOrizontala, 1);
    QCOMPARE(lista[0].DeplasareVerticala, -1);
    QCOMPARE(lista[0].TextRedefinit, textRedefinit);
    QCOMPARE(lista[0].StilItalic, 0);
    QCOMPARE(lista[0].StilBold, 0);
    QVERIFY(lista[0].FontSpecificat.isEmpty());
    QVERIFY(mediu_->dialoguri().mesaje.empty());

    lista.SalveazaFisier();
    QCOMPARE(citesteFisier(caleLicenta()), fisierCu(octeti({2, 2}) + comun + text6(textRedefinit.toLatin1()) +
                                                        octeti({2, 0, 2, 0}) + text6(""),
                                                    1));
}

void TestUParticularizare::fisierDeteriorat_data() {
    QTest::addColumn<QByteArray>("continut");
    QTest::addColumn<QString>("mesaj");
    QTest::addColumn<int>("citite");
    const QByteArray buna = inregistrareCuAliniere(octeti({2, 1}));
    QTest::newRow("format de lista 1") << octeti({2, 1, 2, 0}) << "Invalid format" << 0;
    QTest::newRow("versiunea 3") << fisierCu(buna + octeti({2, 3}) + buna.mid(2), 2) << "Invalid format" << 1;
    QTest::newRow("versiune negativa")
        << fisierCu(octeti({2, 0xFF}) + buna.mid(2), 1) << "Invalid format" << 0;
    QTest::newRow("numar negativ") << octeti({2, 0, 2, 0xFE}) << "Invalid format" << 0;
    QTest::newRow("text in loc de intreg")
        << fisierCu(buna + octeti({6, 1, '2'}), 2) << "Invalid property value" << 1;
    QTest::newRow("intreg in loc de text")
        << fisierCu(buna + octeti({2, 2, 2, 5}), 2) << "Invalid property value" << 1;
    QTest::newRow("eticheta necunoscuta")
        << fisierCu(octeti({2, 2, 7, 0}), 1) << "Invalid property value" << 0;
    QTest::newRow("fisier gol") << QByteArray() << "Stream read error" << 0;
    QTest::newRow("se termina in inregistrare")
        << fisierCu(buna + buna.left(20), 2) << "Stream read error" << 1;
    QTest::newRow("mai putine inregistrari") << fisierCu(buna, 3) << "Stream read error" << 1;
    QTest::newRow("lungime dincolo de sfarsit")
        << fisierCu(octeti({2, 2, 12, 0xFF, 0xFF, 0xFF, 0x7F, 'P'}), 1) << "Stream read error" << 0;
    QTest::newRow("intreg taiat") << octeti({2, 0, 3, 1}) << "Stream read error" << 0;
}

void TestUParticularizare::fisierDeteriorat() {
    QFETCH(QByteArray, continut);
    QFETCH(QString, mesaj);
    QFETCH(int, citite);
    scrieFisier(caleLicenta(), continut);
    TListaParticularizareTextArea lista(caleLicenta());
    try {
        lista.IncarcaFisier(caleLicenta());
        QFAIL("a damaged file loaded");
    } catch (const Eroare& e) {
        QCOMPARE(e.text(), mesaj);
    }
    QCOMPARE(lista.numar(), citite);
}

// A file that cannot be opened was not read, so it is not called damaged, not moved aside and
// not written over.
void TestUParticularizare::fisierCareNuSeDeschide() {
    QVERIFY(QDir().mkdir(caleLicenta()));
    IncarcaParticularizarile();
    const QStringList avertismente = mediu_->dialoguri().texte("avertisment");
    QCOMPARE(avertismente.size(), 1);
    QVERIFY2(avertismente[0].contains("nu poate fi deschis"), qPrintable(avertismente[0]));
    QVERIFY(QDir(mediu_->dosar()).entryList({"licenta-deteriorat-*"}).isEmpty());
    QVERIFY(QFileInfo(caleLicenta()).isDir());
    QVERIFY_THROWS_EXCEPTION(Eroare, Particularizari().SalveazaFisier());
    QVERIFY(QFileInfo(caleLicenta()).isDir());
}

// The damaged file is never written over: it goes aside whole, the user is told, and the
// records read before the fault carry on in a new file.
void TestUParticularizare::fisierDeterioratPusDeoparte() {
    const QByteArray buna1 = inregistrareCuAliniere(octeti({2, 1}));
    QByteArray buna2 = inregistrareCuAliniere(octeti({2, 3}));
    buna2.replace("FormularTextArea1", "FormularTextArea2");
    const QByteArray deteriorat = fisierCu(buna1 + buna2 + octeti({2, 2, 6, 40}) + "Print", 3);
    scrieFisier(caleLicenta(), deteriorat);

    IncarcaParticularizarile();

    const QStringList avertismente = mediu_->dialoguri().texte("avertisment");
    QCOMPARE(avertismente.size(), 1);
    QVERIFY(avertismente[0].contains("Stream read error"));
    QVERIFY(avertismente[0].contains(QDir::toNativeSeparators(caleLicenta())));
    const QStringList deoparte = QDir(mediu_->dosar()).entryList({"licenta-deteriorat-*.lic"});
    QCOMPARE(deoparte.size(), 1);
    QVERIFY(avertismente[0].contains(deoparte[0]));
    QCOMPARE(citesteFisier(mediu_->cale(deoparte[0])), deteriorat);

    QCOMPARE(Particularizari().numar(), 2);
    QCOMPARE(Particularizari()[1].Aliniere, 3);
    QCOMPARE(citesteFisier(caleLicenta()), fisierCu(buna1 + buna2, 2));

    // The next start reads the rescued records without a word; a second damaged file goes
    // beside the first, not over it.
    mediu_->dialoguri().mesaje.clear();
    IncarcaParticularizarile();
    QVERIFY(mediu_->dialoguri().mesaje.empty());
    scrieFisier(caleLicenta(), octeti({2, 9}));
    IncarcaParticularizarile();
    QCOMPARE(QDir(mediu_->dosar()).entryList({"licenta-deteriorat-*.lic"}).size(), 2);
    QCOMPARE(Particularizari().numar(), 0);
    QVERIFY(!QFile::exists(caleLicenta()));
}

void TestUParticularizare::fisierCareNuSePoateCrea() {
    // A folder that is a file cannot hold the file, whoever runs the test.
    scrieFisier(mediu_->cale("dosar"), "nu este un dosar");
    const QString cale = mediu_->cale("dosar/licenta.lic");
    TListaParticularizareTextArea lista(cale);
    try {
        lista.CautaParticularizare("PrintVardolin", "FormularTextArea1", true);
        QFAIL("saved into a file that cannot be created");
    } catch (const Eroare& e) {
        QVERIFY2(
            e.text().startsWith(QString("Cannot create file \"%1\". ").arg(QDir::toNativeSeparators(cale))),
            qPrintable(e.text()));
    }
    // The record stays in memory.
    QCOMPARE(lista.numar(), 1);
    QVERIFY(lista.CautaParticularizare("PrintVardolin", "FormularTextArea1", false));
}

void TestUParticularizare::cautarea() {
    TListaParticularizareTextArea lista(caleLicenta());
    lista.CautaParticularizare("PrintVardolin", "FormularTextArea1", true)->Aliniere = 1;
    lista.CautaParticularizare("PrintVardolin", "FormularTextArea2", true)->Aliniere = 2;
    QCOMPARE(lista.numar(), 2);
    // Names compare exactly.
    QVERIFY(!lista.CautaParticularizare("printvardolin", "FormularTextArea1", false));
    QVERIFY(!lista.CautaParticularizare("PrintVardolin", "formulartextarea1", false));
    QCOMPARE(lista.CautaParticularizare("PrintVardolin", "FormularTextArea1", true)->Aliniere, 1);
    QCOMPARE(lista.numar(), 2);

    // Of two records with one key the last wins.
    scrieFisier(caleLicenta(),
                fisierCu(inregistrareCuAliniere(octeti({2, 1})) + inregistrareCuAliniere(octeti({2, 3})), 2));
    TListaParticularizareTextArea dubluri(caleLicenta());
    dubluri.IncarcaFisier(caleLicenta());
    QCOMPARE(dubluri.CautaParticularizare("PrintVardolin", "FormularTextArea1", false)->Aliniere, 3);
}

void TestUParticularizare::faraFisierPrimaCautareNuCreeazaNimic() {
    Fereastra f;
    auto* z = f.zona("FormularTextArea5", "12");
    QVERIFY(!FindCustomisation(*z, false));
    QVERIFY(!FindCustomisation(*z));
    QVERIFY(!QFile::exists(caleLicenta()));

    auto* rec = FindCustomisation(*z, true);
    QVERIFY(rec);
    QCOMPARE(rec->NumeFormular, QString("PrintVardolin"));
    QCOMPARE(rec->NumeTextArea, QString("FormularTextArea5"));
    QCOMPARE(citesteFisier(caleLicenta()),
             fisierCu(octeti({2, 2}) + text6("PrintVardolin") + text6("FormularTextArea5") +
                          octeti({2, 0, 2, 0, 2, 0}) + text6("") + text6("") + octeti({2, 0, 2, 0}) +
                          text6(""),
                      1));
    // Kept across restarts.
    IncarcaParticularizarile();
    QCOMPARE(FindCustomisation(*z, false)->NumeTextArea, QString("FormularTextArea5"));
}

void TestUParticularizare::ajustareaPrinFereastra_data() {
    QTest::addColumn<int>("orizontal");
    QTest::addColumn<int>("vertical");
    QTest::addColumn<int>("italic");
    QTest::addColumn<int>("bold");
    QTest::addColumn<bool>("italicAsteptat");
    QTest::addColumn<int>("greutateAsteptata");
    QTest::newRow("nimic") << 0 << 0 << 0 << 0 << false << 400;
    QTest::newRow("dreapta si jos, italic") << 1 << 1 << 1 << 0 << true << 400;
    QTest::newRow("stanga si sus, bold") << -1 << -1 << 0 << 1 << false << 700;
    QTest::newRow("non-italic non-bold peste un font italic bold") << 0 << 1 << 2 << 2 << false << 400;
}

// A record in the file reaches the printed sheet through the window's and the area's names.
void TestUParticularizare::ajustareaPrinFereastra() {
    QFETCH(int, orizontal);
    QFETCH(int, vertical);
    QFETCH(int, italic);
    QFETCH(int, bold);
    QFETCH(bool, italicAsteptat);
    QFETCH(int, greutateAsteptata);
    Fereastra f;
    auto* z = f.zona("FormularTextArea3", "Popescu");
    if (italic == 2) {
        f.stanga->setItalic(true);
        f.stanga->setBold(true);
    }
    const auto inainte = textTiparit(*z);

    auto* rec = FindCustomisation(*z, true);
    rec->DeplasareOrizontala = orizontal;
    rec->DeplasareVerticala = vertical;
    rec->StilItalic = italic;
    rec->StilBold = bold;
    Particularizari().SalveazaFisier();
    IncarcaParticularizarile();

    const auto dupa = textTiparit(*z);
    QCOMPARE(dupa.text, QString("Popescu"));
    // Half a millimetre at 600 dots per inch is 11.8 dots; whole dots round it either way.
    const double puncte = 0.5 * 600 / 25.4;
    const QPoint mutare = dupa.dreptunghi.topLeft() - inainte.dreptunghi.topLeft();
    QVERIFY2(std::abs(mutare.x() - orizontal * puncte) <= 1.0, qPrintable(QString::number(mutare.x())));
    QVERIFY2(std::abs(mutare.y() - vertical * puncte) <= 1.0, qPrintable(QString::number(mutare.y())));
    QCOMPARE(dupa.font.italic, italicAsteptat);
    QCOMPARE(dupa.font.greutate, greutateAsteptata);
    QCOMPARE(dupa.font.nume, QString("DejaVu Sans"));
    // Another window with an area of the same name is not touched.
    QWidget alta;
    alta.setObjectName("PrintAltceva");
    f.pagina->setParent(&alta);
    QVERIFY(!FindCustomisation(*z));
    f.pagina->setParent(&f.w);
}

void TestUParticularizare::textulRedefinit_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("efectiv");
    QTest::newRow("o cifra ramane") << "7"
                                    << "7";
    QTest::newRow("gol se inlocuieste") << ""
                                        << "ABC";
    QTest::newRow("doua caractere se inlocuiesc") << "12"
                                                  << "ABC";
}

void TestUParticularizare::textulRedefinit() {
    QFETCH(QString, text);
    QFETCH(QString, efectiv);
    Fereastra f;
    auto* z = f.zona("FormularTextArea8", text);
    FindCustomisation(*z, true)->TextRedefinit = "ABC";
    QCOMPARE(z->EffectiveText(), efectiv);
    QCOMPARE(textTiparit(*z).text, efectiv);
}

void TestUParticularizare::fontDupaNume_data() {
    QTest::addColumn<QString>("numeFont");
    QTest::addColumn<QString>("fontSpecificat");
    QTest::addColumn<QString>("fataTiparita");
    QTest::addColumn<int>("inaltimeMm10");
    QTest::newRow("fontul ferestrei") << "Mare"
                                      << ""
                                      << "DejaVu Serif" << 40;
    QTest::newRow("nume care nu e in fereastra") << "Lipsa"
                                                 << ""
                                                 << "DejaVu Sans" << 30;
    QTest::newRow("componenta care nu e font") << "FormularTextArea4"
                                               << ""
                                               << "DejaVu Sans" << 30;
    QTest::newRow("font specificat peste fontul ales") << "Mare"
                                                       << "DejaVu Sans Mono"
                                                       << "DejaVu Sans Mono" << 40;
    QTest::newRow("nume care nu e font instalat") << ""
                                                  << "NuEsteUnFont"
                                                  << "NuEsteUnFont" << 30;
}

void TestUParticularizare::fontDupaNume() {
    QFETCH(QString, numeFont);
    QFETCH(QString, fontSpecificat);
    QFETCH(QString, fataTiparita);
    QFETCH(int, inaltimeMm10);
    Fereastra f;
    f.zona("FormularTextArea4", "vecin");
    auto* z = f.zona("FormularTextArea6", "Ionescu", QRectF(20, 50, 120, 8));
    auto* rec = FindCustomisation(*z, true);
    rec->NumeFont = numeFont;
    rec->FontSpecificat = fontSpecificat;

    const TParticularizareTextArea* gasit = FindCustomisation(*z, false);
    QCOMPARE(gasit->Font.data(), numeFont == "Mare" ? f.mare : nullptr);
    const auto tiparit = textTiparit(*z);
    QCOMPARE(tiparit.text, QString("Ionescu"));
    QCOMPARE(tiparit.font.nume, fataTiparita);
    // Cell height in dots at 600 dpi over a sheet taken as 210 mm high.
    const int asteptat = static_cast<int>(inaltimeMm10 / 10.0 * 600 / 25.4);
    QVERIFY2(std::abs(tiparit.font.inaltime - asteptat) <= 1,
             qPrintable(QString::number(tiparit.font.inaltime)));

    // The font is looked up again every time: renamed, in another window of the same name, or
    // gone, it is no longer the one used.
    if (numeFont == "Mare") {
        f.mare->setObjectName("Redenumit");
        QVERIFY(!FindCustomisation(*z, false)->Font);
        f.mare->setObjectName("Mare");
        Fereastra a_doua;
        auto* geamana = a_doua.zona("FormularTextArea6", "Ionescu");
        QCOMPARE(FindCustomisation(*geamana, false)->Font.data(), a_doua.mare);
        QCOMPARE(FindCustomisation(*z, false)->Font.data(), f.mare);
        delete f.mare;
        QVERIFY(!FindCustomisation(*z, false)->Font);
        QCOMPARE(textTiparit(*z).font.nume,
                 fontSpecificat.isEmpty() ? QString("DejaVu Sans") : fontSpecificat);
    }
}

QTEST_MAIN(TestUParticularizare)
#include "tst_UParticularizare.moc"
