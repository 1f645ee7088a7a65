#include "MediuTest.h"
#include "platform/ImprimantaInregistrata.h"
#include "platform/ImprimantaSistem.h"
#include "printing/ComponenteMacheta.h"
#include "printing/FormularDePrintat.h"
#include "printing/UEditorTextFormular.h"
#include "printing/UMachetaVardolin.h"
#include "printing/UParticularizare.h"
#include "CutiiPdf.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>
#include <memory>

using Fel = ImprimantaInregistrata::Inregistrare::Fel;

namespace {
// The certificate's print window as far as adjustments go: named, with the layout's fonts and
// pages.
struct FereastraCertificat {
    QWidget w;
    MachetaVardolin macheta = MachetaVardolin::citeste();
    ComponenteMacheta componente;

    FereastraCertificat() {
        w.setObjectName(macheta.fereastra);
        componente = creeazaComponente(macheta, &w);
    }
    TFormularTextArea* zona(const QString& nume) const { return w.findChild<TFormularTextArea*>(nume); }
};

QRadioButton* radio(QWidget& d, const QString& grup, const QString& text) {
    for (auto* b : d.findChild<QGroupBox*>(grup)->findChildren<QRadioButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

// The text of the checked button of a group, empty when none is.
QString bifat(QWidget& d, const QString& grup) {
    for (auto* b : d.findChild<QGroupBox*>(grup)->findChildren<QRadioButton*>())
        if (b->isChecked()) return b->text();
    return {};
}

template <class T> T* control(QWidget& d, const char* nume) {
    auto* c = d.findChild<T*>(QString::fromLatin1(nume));
    if (!c) qFatal("no control %s", nume);
    return c;
}

void apasa(QWidget& d, const char* buton) {
    QTest::mouseClick(control<QPushButton>(d, buton), Qt::LeftButton);
}

// A typeface certainly installed here, other than the layout's.
QString alTreileaFont() {
    const QStringList familii = QFontDatabase::families();
    return familii.contains("DejaVu Serif") ? QString("DejaVu Serif") : familii.value(0);
}
} // namespace

class TestUEditorTextFormular : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fereastra();
    void incarcarea_data();
    void incarcarea();
    void fonturileFerestrei();
    void aplicarea();
    void renuntPastreazaInregistrarea_data();
    void renuntPastreazaInregistrarea();
    void grupFaraAlegereRamaneNeschimbat();
    void fontNeinstalatSeGolesteLaOk();
    void alegereaUnuiFontBifeazaSpecificat();
    void clicPeZonaDeschideEditorul();
    void schimbareaAjungeLaTiparire();
    void schimbareaAjungeInPdfSiRamaneDupaRepornire();
    void imagine();

private:
    std::unique_ptr<MediuTest> mediu_;
};

void TestUEditorTextFormular::init() {
    mediu_ = std::make_unique<MediuTest>();
    IncarcaParticularizarile();
}

void TestUEditorTextFormular::cleanup() {
    mediu_.reset();
}

void TestUEditorTextFormular::fereastra() {
    TEditorTextFormular d(nullptr);
    QCOMPARE(d.windowTitle(), QString("Informatii camp"));
    QCOMPARE(d.size(), QSize(597, 375));
    QCOMPARE(d.minimumSize(), d.maximumSize());
    QVERIFY(!(d.windowFlags() & Qt::WindowCloseButtonHint));
    auto* pagini = control<QTabWidget>(d, "PageControl1");
    QCOMPARE(pagini->geometry(), QRect(8, 8, 585, 329));
    QCOMPARE(pagini->count(), 3);
    QCOMPARE(pagini->tabText(0), QString("Informatii despre acest camp"));
    QCOMPARE(pagini->tabText(1), QString("Redefinire text"));
    QCOMPARE(pagini->tabText(2), QString("Asezare in pagina"));
    QCOMPARE(pagini->currentIndex(), 0);
    QCOMPARE(control<QPushButton>(d, "RzBitBtn1")->text(), QString("Ok"));
    QCOMPARE(control<QPushButton>(d, "RzBitBtn2")->text(), QString("Renunt"));
    QVERIFY(control<QPlainTextEdit>(d, "MemoSursa")->isReadOnly());
    // Every installed typeface is offered.
    QCOMPARE(control<QListWidget>(d, "ListaFonturi")->count(), QFontDatabase::families().size());
}

void TestUEditorTextFormular::incarcarea_data() {
    QTest::addColumn<int>("aliniere");
    QTest::addColumn<int>("orizontal");
    QTest::addColumn<int>("vertical");
    QTest::addColumn<int>("italic");
    QTest::addColumn<int>("bold");
    QTest::addColumn<QString>("fontSpecificat");
    QTest::addColumn<QString>("textAliniere");
    QTest::addColumn<QString>("textOrizontal");
    QTest::addColumn<QString>("textVertical");
    QTest::addColumn<bool>("implicit");
    QTest::addColumn<QString>("fontSelectat");
    QTest::newRow("inregistrare noua") << 0 << 0 << 0 << 0 << 0 << ""
                                       << "Implicit"
                                       << "Implicit"
                                       << "Implicit" << true << "";
    QTest::newRow("toate alese") << 3 << -1 << 1 << 2 << 1 << alTreileaFont() << "Dreapta"
                                 << "Mai la stanga cu 0,5 mm"
                                 << "Mai jos cu 0,5 mm" << false << alTreileaFont();
    QTest::newRow("centru, dreapta, sus") << 2 << 1 << -1 << 1 << 2 << ""
                                          << "Centru"
                                          << "Mai la dreapta cu 0,5 mm"
                                          << "Mai sus cu 0,5 mm" << true << "";
    QTest::newRow("valori straine nu bifeaza nimic") << 7 << 2 << -5 << 0 << 0 << "NuEsteUnFont"
                                                     << ""
                                                     << ""
                                                     << "" << false << "";
}

void TestUEditorTextFormular::incarcarea() {
    QFETCH(int, aliniere);
    QFETCH(int, orizontal);
    QFETCH(int, vertical);
    QFETCH(int, italic);
    QFETCH(int, bold);
    QFETCH(QString, fontSpecificat);
    QFETCH(QString, textAliniere);
    QFETCH(QString, textOrizontal);
    QFETCH(QString, textVertical);
    QFETCH(bool, implicit);
    QFETCH(QString, fontSelectat);
    FereastraCertificat f;
    auto* z = f.zona("FormularTextArea3");
    z->setSursaText({"Scoala de provenienta", "randul 1"});
    TParticularizareTextArea rec;
    rec.Aliniere = aliniere;
    rec.DeplasareOrizontala = orizontal;
    rec.DeplasareVerticala = vertical;
    rec.StilItalic = italic;
    rec.StilBold = bold;
    rec.FontSpecificat = fontSpecificat;
    rec.TextRedefinit = "Liceul 2";

    TEditorTextFormular d(z);
    d.Incarca(rec, *z);
    QCOMPARE(control<QComboBox>(d, "ComboItalic")->currentIndex(), italic);
    QCOMPARE(control<QComboBox>(d, "ComboBold")->currentIndex(), bold);
    QCOMPARE(control<QRadioButton>(d, "RadioFontImplicit")->isChecked(), implicit);
    QCOMPARE(control<QRadioButton>(d, "RadioFontSpecificat")->isChecked(), !implicit);
    const QListWidgetItem* ales = control<QListWidget>(d, "ListaFonturi")->currentItem();
    QCOMPARE(ales ? ales->text() : QString(), fontSelectat);
    QCOMPARE(control<QPlainTextEdit>(d, "MemoSursa")->toPlainText(),
             QString("Scoala de provenienta\nrandul 1"));
    QCOMPARE(control<QLineEdit>(d, "EditTextRedefinit")->text(), QString("Liceul 2"));
    QCOMPARE(bifat(d, "GrupAliniere"), textAliniere);
    QCOMPARE(bifat(d, "GrupOrizontal"), textOrizontal);
    QCOMPARE(bifat(d, "GrupVertical"), textVertical);
    // Without a font of its own the record shows the area's.
    QCOMPARE(control<QComboBox>(d, "ComboFontFormular")->currentText(), QString("Stanga"));
}

void TestUEditorTextFormular::fonturileFerestrei() {
    FereastraCertificat f;
    f.componente.font("Dreapta")->setDescrierePentruEditor("Dreapta, 3 mm");
    auto* z = f.zona("FormularTextArea1");
    TParticularizareTextArea rec;
    rec.Font = f.componente.font("LimbaMaterna");
    TEditorTextFormular d(z);
    d.Incarca(rec, *z);
    auto* lista = control<QComboBox>(d, "ComboFontFormular");
    QCOMPARE(lista->count(), static_cast<int>(f.macheta.fonturi.size()));
    for (int i = 0; i < lista->count(); ++i)
        QCOMPARE(lista->itemText(i), f.macheta.fonturi[static_cast<size_t>(i)].nume == "Dreapta"
                                         ? QString("Dreapta, 3 mm")
                                         : f.macheta.fonturi[static_cast<size_t>(i)].nume);
    QCOMPARE(lista->currentText(), QString("LimbaMaterna"));
}

// Every choice made in the dialog lands in the record and in the file.
void TestUEditorTextFormular::aplicarea() {
    FereastraCertificat f;
    auto* z = f.zona("FormularTextArea5");
    const QString typeface = alTreileaFont();
    mediu_->dialoguri().ferestre.push_back([&](QDialog& d) {
        d.show();
        control<QComboBox>(d, "ComboFontFormular")->setCurrentText("dreapta_nume");
        control<QComboBox>(d, "ComboItalic")->setCurrentIndex(1);
        control<QComboBox>(d, "ComboBold")->setCurrentIndex(2);
        auto* lista = control<QListWidget>(d, "ListaFonturi");
        lista->setCurrentItem(lista->findItems(typeface, Qt::MatchExactly).value(0));
        QTest::mouseClick(control<QRadioButton>(d, "RadioFontSpecificat"), Qt::LeftButton);
        control<QTabWidget>(d, "PageControl1")->setCurrentIndex(1);
        QTest::keyClicks(control<QLineEdit>(d, "EditTextRedefinit"), "Brasov");
        control<QTabWidget>(d, "PageControl1")->setCurrentIndex(2);
        QTest::mouseClick(radio(d, "GrupAliniere", "Aliniere la stanga"), Qt::LeftButton);
        QTest::mouseClick(radio(d, "GrupOrizontal", "Mai la dreapta cu 0,5 mm"), Qt::LeftButton);
        QTest::mouseClick(radio(d, "GrupVertical", "Mai sus cu 0,5 mm"), Qt::LeftButton);
        apasa(d, "RzBitBtn1");
        return d.result();
    });
    QVERIFY(EditeazaParticularizare(*z));
    QVERIFY(mediu_->dialoguri().texte("eroare").isEmpty());

    IncarcaParticularizarile();
    const TParticularizareTextArea* rec = FindCustomisation(*z, false);
    QVERIFY(rec);
    QCOMPARE(rec->NumeFormular, QString("PrintVardolin"));
    QCOMPARE(rec->Aliniere, 1);
    QCOMPARE(rec->DeplasareOrizontala, 1);
    QCOMPARE(rec->DeplasareVerticala, -1);
    QCOMPARE(rec->NumeFont, QString("dreapta_nume"));
    QCOMPARE(rec->Font.data(), f.componente.font("dreapta_nume"));
    QCOMPARE(rec->TextRedefinit, QString("Brasov"));
    QCOMPARE(rec->StilItalic, 1);
    QCOMPARE(rec->StilBold, 2);
    QCOMPARE(rec->FontSpecificat, typeface);
}

void TestUEditorTextFormular::renuntPastreazaInregistrarea_data() {
    QTest::addColumn<bool>("cuScript");
    QTest::newRow("Renunt apasat") << true;
    QTest::newRow("fereastra inchisa") << false;
}

void TestUEditorTextFormular::renuntPastreazaInregistrarea() {
    QFETCH(bool, cuScript);
    FereastraCertificat f;
    auto* z = f.zona("FormularTextArea7");
    if (cuScript)
        mediu_->dialoguri().ferestre.push_back([](QDialog& d) {
            d.show();
            QTest::keyClicks(control<QLineEdit>(d, "EditTextRedefinit"), "nu se pastreaza");
            control<QTabWidget>(d, "PageControl1")->setCurrentIndex(2);
            QTest::mouseClick(radio(d, "GrupAliniere", "Dreapta"), Qt::LeftButton);
            apasa(d, "RzBitBtn2");
            return d.result();
        });
    QVERIFY(EditeazaParticularizare(*z));
    QCOMPARE(mediu_->dialoguri().texte("fereastra"), QStringList{"TEditorTextFormular"});

    IncarcaParticularizarile();
    QCOMPARE(Particularizari().numar(), 1);
    const TParticularizareTextArea* rec = FindCustomisation(*z, false);
    QCOMPARE(rec->NumeTextArea, QString("FormularTextArea7"));
    QCOMPARE(rec->Aliniere, 0);
    QVERIFY(rec->TextRedefinit.isEmpty());
    QVERIFY(rec->NumeFont.isEmpty());
}

void TestUEditorTextFormular::grupFaraAlegereRamaneNeschimbat() {
    FereastraCertificat f;
    auto* z = f.zona("FormularTextArea9");
    auto* rec = FindCustomisation(*z, true);
    rec->Aliniere = 7;
    rec->DeplasareVerticala = 4;
    rec->StilBold = 9;
    mediu_->dialoguri().ferestre.push_back([](QDialog& d) {
        apasa(d, "RzBitBtn1");
        return d.result();
    });
    QVERIFY(EditeazaParticularizare(*z));
    QCOMPARE(rec->Aliniere, 7);
    QCOMPARE(rec->DeplasareVerticala, 4);
    QCOMPARE(rec->StilBold, 9);
    QCOMPARE(rec->DeplasareOrizontala, 0);
    // Confirming records the font shown, even an unchanged one.
    QCOMPARE(rec->NumeFont, z->Font()->objectName());
}

// A typeface that is not installed is shown as none chosen, and Ok keeps what is shown.
void TestUEditorTextFormular::fontNeinstalatSeGolesteLaOk() {
    FereastraCertificat f;
    auto* z = f.zona("FormularTextArea10");
    FindCustomisation(*z, true)->FontSpecificat = "NuEsteUnFont";
    mediu_->dialoguri().ferestre.push_back([](QDialog& d) {
        if (!control<QRadioButton>(d, "RadioFontSpecificat")->isChecked()) return int(QDialog::Rejected);
        apasa(d, "RzBitBtn1");
        return d.result();
    });
    QVERIFY(EditeazaParticularizare(*z));
    QVERIFY(FindCustomisation(*z, false)->FontSpecificat.isEmpty());
}

void TestUEditorTextFormular::alegereaUnuiFontBifeazaSpecificat() {
    FereastraCertificat f;
    auto* z = f.zona("FormularTextArea11");
    const QString typeface = alTreileaFont();
    mediu_->dialoguri().ferestre.push_back([&](QDialog& d) {
        d.show();
        auto* lista = control<QListWidget>(d, "ListaFonturi");
        QListWidgetItem* item = lista->findItems(typeface, Qt::MatchExactly).value(0);
        lista->scrollToItem(item);
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(item).center());
        apasa(d, "RzBitBtn1");
        return d.result();
    });
    QVERIFY(EditeazaParticularizare(*z));
    QCOMPARE(FindCustomisation(*z, false)->FontSpecificat, typeface);
}

void TestUEditorTextFormular::clicPeZonaDeschideEditorul() {
    FereastraCertificat f;
    ConecteazaParticularizarile(&f.w);
    f.componente.pagini.at(1)->hide();
    f.w.resize(1300, 900);
    f.w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.w));
    auto* z = f.zona("FormularTextArea1");
    bool mouseOverLaDeschidere = true;
    mediu_->dialoguri().ferestre.push_back([&](QDialog& d) {
        mouseOverLaDeschidere = qobject_cast<TFormularTextArea*>(d.parent())->MouseOver();
        return int(QDialog::Rejected);
    });
    z->setMouseOver(true);
    QTest::mouseClick(z, Qt::LeftButton, {}, z->rect().center());
    QCOMPARE(mediu_->dialoguri().texte("fereastra"), QStringList{"TEditorTextFormular"});
    QVERIFY(!mouseOverLaDeschidere);
    QVERIFY(QFile::exists(mediu_->cale("licenta.lic")));
    QVERIFY(FindCustomisation(*z, false));
}

// Moved half a millimetre and given another text in the dialog, the area prints so.
void TestUEditorTextFormular::schimbareaAjungeLaTiparire() {
    FereastraCertificat f;
    auto* z = f.zona("FormularTextArea5");
    z->setText("Cluj-Napoca");
    const auto tipareste = [&] {
        auto dispozitiv = ImprimantaInregistrata::a4(600, QPageLayout::Landscape, 50, 40);
        dispozitiv.incepeLucrare("proba");
        z->PrintArea(dispozitiv, false, 0, 0);
        dispozitiv.terminaLucrare();
        return dispozitiv.doar(Fel::Text).at(0);
    };
    const auto inainte = tipareste();
    mediu_->dialoguri().ferestre.push_back([](QDialog& d) {
        d.show();
        QTest::keyClicks(control<QLineEdit>(d, "EditTextRedefinit"), "Turda");
        control<QTabWidget>(d, "PageControl1")->setCurrentIndex(2);
        QTest::mouseClick(radio(d, "GrupOrizontal", "Mai la stanga cu 0,5 mm"), Qt::LeftButton);
        apasa(d, "RzBitBtn1");
        return d.result();
    });
    QVERIFY(EditeazaParticularizare(*z));
    IncarcaParticularizarile();
    const auto dupa = tipareste();
    QCOMPARE(dupa.text, QString("Turda"));
    QCOMPARE(dupa.dreptunghi.top(), inainte.dreptunghi.top());
    QVERIFY(std::abs(inainte.dreptunghi.left() - dupa.dreptunghi.left() - 0.5 * 600 / 25.4) <= 1.0);
    QCOMPARE(dupa.dreptunghi.width(), inainte.dreptunghi.width());
}

// As the user sees it: a side printed to a PDF file before and after adjusting two areas, and
// again after a restart.
void TestUEditorTextFormular::schimbareaAjungeInPdfSiRamaneDupaRepornire() {
    FereastraCertificat f;
    auto* mutata = f.zona("FormularTextArea5");
    auto* redenumita = f.zona("FormularTextArea6");
    mutata->setText("Sighisoara");
    redenumita->setText("Mures");
    TFormularDePrintat* fata = f.componente.pagina("FATA");
    const auto tipareste = [&] {
        auto& sistem = ImprimantaSistem::instanta();
        sistem.selecteaza(sistem.indexImprimantaPdf());
        sistem.pregatesteSetari({});
        sistem.incepeLucrare("Diploma - fata");
        fata->PrintPage(sistem, false, 0, 0);
        sistem.terminaLucrare();
        return citestePdf(sistem.ultimulFisierPdf());
    };
    const PaginaPdf inainte = tipareste();
    QVERIFY(inainte.cauta("Sighisoara"));
    QVERIFY(inainte.cauta("Mures"));

    mediu_->dialoguri().ferestre.push_back([](QDialog& d) {
        d.show();
        control<QTabWidget>(d, "PageControl1")->setCurrentIndex(2);
        QTest::mouseClick(radio(d, "GrupOrizontal", "Mai la dreapta cu 0,5 mm"), Qt::LeftButton);
        QTest::mouseClick(radio(d, "GrupVertical", "Mai jos cu 0,5 mm"), Qt::LeftButton);
        apasa(d, "RzBitBtn1");
        return d.result();
    });
    mediu_->dialoguri().ferestre.push_back([](QDialog& d) {
        d.show();
        control<QTabWidget>(d, "PageControl1")->setCurrentIndex(1);
        QTest::keyClicks(control<QLineEdit>(d, "EditTextRedefinit"), "Harghita");
        apasa(d, "RzBitBtn1");
        return d.result();
    });
    QVERIFY(EditeazaParticularizare(*mutata));
    QVERIFY(EditeazaParticularizare(*redenumita));

    for (const bool repornit : {false, true}) {
        if (repornit) IncarcaParticularizarile();
        const PaginaPdf dupa = tipareste();
        const CuvantPdf* a = inainte.cauta("Sighisoara");
        const CuvantPdf* b = dupa.cauta("Sighisoara");
        QVERIFY(b);
        QVERIFY2(std::abs(b->xMin - a->xMin - 0.5) < 0.1, qPrintable(QString::number(b->xMin - a->xMin)));
        QVERIFY2(std::abs(b->yMax - a->yMax - 0.5) < 0.1, qPrintable(QString::number(b->yMax - a->yMax)));
        QVERIFY(!dupa.cauta("Mures"));
        QVERIFY(dupa.cauta("Harghita"));
    }
}

void TestUEditorTextFormular::imagine() {
    const QString dosar = qEnvironmentVariable("VARDOLIN_SCREENSHOTS");
    if (dosar.isEmpty()) QSKIP("set VARDOLIN_SCREENSHOTS to a folder to get the dialog's pictures");
    FereastraCertificat f;
    auto* z = f.zona("FormularTextArea3");
    z->setSursaText({"Vardolin.FATA.C_SCOALA_PROVENIENTA_L1", "Scoala de provenienta, primul rand"});
    TParticularizareTextArea rec;
    rec.TextRedefinit = "Liceul Tehnologic nr. 2";
    rec.DeplasareOrizontala = 1;
    rec.Aliniere = 2;
    rec.FontSpecificat = alTreileaFont();
    TEditorTextFormular d(z);
    d.Incarca(rec, *z);
    d.show();
    for (int i = 0; i < 3; ++i) {
        control<QTabWidget>(d, "PageControl1")->setCurrentIndex(i);
        QVERIFY(d.grab().save(QDir(dosar).filePath(QString("editor_%1.png").arg(i))));
    }
}

QTEST_MAIN(TestUEditorTextFormular)
#include "tst_UEditorTextFormular.moc"
