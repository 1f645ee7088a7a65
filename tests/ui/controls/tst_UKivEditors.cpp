#include "MediuTest.h"
#include "controls/UKivEditors.h"
#include "controls/UKivMouse.h"
#include "platform/Eroare.h"

#include <QClipboard>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

namespace {

// A window holding three numeric edits in tab order.
struct Fereastra {
    std::unique_ptr<QWidget> w = std::make_unique<QWidget>();
    TKivNumEdit* e1 = new TKivNumEdit(w.get());
    TKivNumEdit* e2 = new TKivNumEdit(w.get());
    TKivNumEdit* e3 = new TKivNumEdit(w.get());

    Fereastra() {
        w->resize(400, 120);
        e2->move(0, 30);
        e3->move(0, 60);
        w->show();
        QApplication::setActiveWindow(w.get());
    }
};

struct UnText {
    std::unique_ptr<QWidget> w = std::make_unique<QWidget>();
    TKivTextEdit* edit = new TKivTextEdit(w.get());

    explicit UnText(int latime = 300) {
        edit->resize(latime, 24);
        w->resize(latime + 20, 40);
        w->show();
        QApplication::setActiveWindow(w.get());
        edit->setFocus();
    }
};

// Columns of the picture that hold a pixel of exactly this colour, grouped into runs.
int grupuriDeCuloare(const QImage& img, QColor culoare) {
    int grupuri = 0;
    bool inGrup = false;
    for (int x = 0; x < img.width(); ++x) {
        bool are = false;
        for (int y = 0; y < img.height() && !are; ++y)
            are = img.pixelColor(x, y) == culoare;
        if (are && !inGrup) ++grupuri;
        inGrup = are;
    }
    return grupuri;
}

bool areRosuInText(const QImage& img, int pana) {
    for (int x = 4; x < pana; ++x)
        for (int y = 3; y < img.height() / 2; ++y) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 100 && c.blue() < 100) return true;
        }
    return false;
}

// A mouse move straight to the control (QTest drops a move to where the pointer already is).
void mutaMouse(QWidget* w, QPoint unde, Qt::MouseButtons butoane = Qt::NoButton) {
    QMouseEvent e(QEvent::MouseMove, QPointF(unde), w->mapToGlobal(QPointF(unde)), Qt::NoButton, butoane,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

class TestUKivEditors : public QObject {
    Q_OBJECT
    std::unique_ptr<MediuTest> mediu;

private slots:
    void init() { mediu = std::make_unique<MediuTest>(); }
    void cleanup() {
        mediu.reset();
        QTRY_COMPARE(TKivMouseInWindowThread::Active(), 0);
        TKivMouseInWindowThread::SeteazaSursaCursor({});
    }

    void tastareNumerica_data() {
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QString>("tastat");
        QTest::addColumn<QString>("rezultat");
        QTest::newRow("punctul devine virgula") << ""
                                                << "2.5"
                                                << "2,5";
        QTest::newRow("a treia zecimala refuzata") << ""
                                                   << "2,555"
                                                   << "2,55";
        QTest::newRow("al doilea minus") << ""
                                         << "-5-"
                                         << "-5";
        QTest::newRow("minus la inceput") << ""
                                          << "--7"
                                          << "-7";
        QTest::newRow("al doilea separator") << ""
                                             << "2,5."
                                             << "2,5";
        QTest::newRow("litere refuzate") << ""
                                         << "1a2 b"
                                         << "12";
        QTest::newRow("inlocuieste selectia") << "987"
                                              << "45"
                                              << "45";
        QTest::newRow("17 caractere") << ""
                                      << "12345678901234567"
                                      << "12345678901234567";
        QTest::newRow("18 caractere refuzate") << ""
                                               << "123456789012345678"
                                               << "12345678901234567";
        QTest::newRow("18 cu zecimale refuzate") << ""
                                                 << "1234567890123456,78"
                                                 << "1234567890123456,7";
    }
    void tastareNumerica() {
        QFETCH(QString, initial);
        QFETCH(QString, tastat);
        QFETCH(QString, rezultat);
        Fereastra f;
        f.e1->resize(390, 24);
        f.e1->SetText(initial);
        f.e2->setFocus();
        f.e1->setFocus();
        QVERIFY(f.e1->hasFocus());
        QTest::keyClicks(f.e1, tastat);
        QCOMPARE(f.e1->Text(), rezultat);
    }

    void douaSiJumatate() {
        Fereastra f;
        f.e1->setFocus();
        QSignalSpy schimbari(f.e1, &TKivCustomTextEdit::OnChange);
        QTest::keyClicks(f.e1, "2.5");
        QCOMPARE(f.e1->Text(), QStringLiteral("2,5"));
        QCOMPARE(schimbari.count(), 3);
        QCOMPARE(f.e1->CuDouaZecimale(), 250);
        QCOMPARE(f.e1->FaraZecimale(), 2);
        QCOMPARE(f.e1->AsCurrency(), Currency::dinZeciMii(25000));
        QCOMPARE(f.e1->CuPatruZecimale(), 25000);
        QCOMPARE(f.e1->CuDoiPatruZecimale(), 25000);
        QCOMPARE(f.e1->property("AsCurrency").value<Currency>().toDouble(), 2.5);
    }

    void minusDupaPrimaPozitie() {
        Fereastra f;
        f.e1->SetText("5");
        f.e1->setFocus();
        QTest::keyClick(f.e1, Qt::Key_End);
        QTest::keyClicks(f.e1, "-");
        QCOMPARE(f.e1->Text(), QStringLiteral("5"));
        QTest::keyClick(f.e1, Qt::Key_Home);
        QTest::keyClicks(f.e1, "-");
        QCOMPARE(f.e1->Text(), QStringLiteral("-5"));
    }

    void citire_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("fara");
        QTest::addColumn<qint64>("doua");
        QTest::addColumn<qint64>("patru");
        QTest::addColumn<qint64>("currency");
        QTest::newRow("gol") << "" << 0LL << 0LL << 0LL << 0LL;
        QTest::newRow("2,5") << "2,5" << 2LL << 250LL << 25000LL << 25000LL;
        QTest::newRow("-1,5") << "-1,5" << -1LL << -150LL << -15000LL << -15000LL;
        QTest::newRow("fara parte intreaga") << ",5" << 0LL << 50LL << 5000LL << 5000LL;
        QTest::newRow("doar minus") << "-" << 0LL << 0LL << 0LL << 0LL;
        QTest::newRow("intreg") << "12" << 12LL << 1200LL << 120000LL << 120000LL;
        QTest::newRow("sutimi") << "0,07" << 0LL << 7LL << 700LL << 700LL;
        QTest::newRow("virgula la coada") << "-3," << -3LL << -300LL << -30000LL << -30000LL;
    }
    void citire() {
        QFETCH(QString, text);
        QFETCH(qint64, fara);
        QFETCH(qint64, doua);
        QFETCH(qint64, patru);
        QFETCH(qint64, currency);
        TKivNumEdit e;
        e.SetText(text);
        QCOMPARE(e.Text(), text);
        QCOMPARE(e.FaraZecimale(), fara);
        QCOMPARE(e.CuDouaZecimale(), doua);
        QCOMPARE(e.CuPatruZecimale(), patru);
        QCOMPARE(e.CuDoiPatruZecimale(), doua * 100);
        QCOMPARE(e.AsCurrency(), Currency::dinZeciMii(currency));
    }

    void scriere_data() {
        QTest::addColumn<QByteArray>("proprietate");
        QTest::addColumn<QVariant>("valoare");
        QTest::addColumn<int>("zecimale");
        QTest::addColumn<QString>("text");
        const QString neschimbat = QStringLiteral("7");
        QTest::newRow("doua 1200") << QByteArray("CuDouaZecimale") << QVariant(qint64(1200)) << 2 << "12";
        QTest::newRow("doua 1205") << QByteArray("CuDouaZecimale") << QVariant(qint64(1205)) << 2 << "12,05";
        QTest::newRow("doua -150") << QByteArray("CuDouaZecimale") << QVariant(qint64(-150)) << 2 << "-1,50";
        QTest::newRow("doua -5") << QByteArray("CuDouaZecimale") << QVariant(qint64(-5)) << 2 << "-0,05";
        QTest::newRow("doua minim refuzat")
            << QByteArray("CuDouaZecimale") << QVariant(std::numeric_limits<qint64>::min()) << 2
            << neschimbat;
        QTest::newRow("patru fractie refuzata")
            << QByteArray("CuPatruZecimale") << QVariant(qint64(12345)) << 2 << neschimbat;
        QTest::newRow("patru intreg") << QByteArray("CuPatruZecimale") << QVariant(qint64(50000)) << 2 << "5";
        QTest::newRow("patru cu 4 cifre")
            << QByteArray("CuPatruZecimale") << QVariant(qint64(12345)) << 4 << "1,2345";
        QTest::newRow("doi-patru taie")
            << QByteArray("CuDoiPatruZecimale") << QVariant(qint64(123456)) << 2 << "12,34";
        QTest::newRow("fara -42") << QByteArray("FaraZecimale") << QVariant(qint64(-42)) << 2 << "-42";
        QTest::newRow("currency 12") << QByteArray("AsCurrency")
                                     << QVariant::fromValue(Currency::dinIntreg(12)) << 2 << "12,00";
        QTest::newRow("currency -0.5")
            << QByteArray("AsCurrency") << QVariant::fromValue(Currency::dinDouble(-0.5)) << 2 << "-0,50";
        QTest::newRow("currency 1.23456")
            << QByteArray("AsCurrency") << QVariant::fromValue(Currency::dinDouble(1.23456)) << 2 << "1,23";
        QTest::newRow("currency fara zecimale refuzat")
            << QByteArray("AsCurrency") << QVariant::fromValue(Currency::dinIntreg(3)) << 0 << neschimbat;
    }
    void scriere() {
        QFETCH(QByteArray, proprietate);
        QFETCH(QVariant, valoare);
        QFETCH(int, zecimale);
        QFETCH(QString, text);
        TKivNumEdit e;
        e.resize(300, 24);
        e.SetText("7");
        e.SetNrCifreDupaVirgula(zecimale);
        QSignalSpy schimbari(&e, &TKivCustomTextEdit::OnChange);
        QVERIFY(e.setProperty(proprietate, valoare));
        QCOMPARE(e.Text(), text);
        QCOMPARE(schimbari.count(), text == QStringLiteral("7") ? 0 : 1);
        QCOMPARE(e.Caret(), int(text.size()) + 1);
    }

    void preaLatPentruCutie_data() {
        QTest::addColumn<bool>("numeric");
        QTest::newRow("text") << false;
        QTest::newRow("numeric") << true;
    }
    void preaLatPentruCutie() {
        QFETCH(bool, numeric);
        TKivTextEdit text;
        TKivNumEdit numar;
        TKivCustomTextEdit& e = numeric ? static_cast<TKivCustomTextEdit&>(numar) : text;
        const QString lung =
            numeric ? QStringLiteral("123456789012345") : QStringLiteral("WWWWWWWWWWWWWWWWWW");
        e.SetText("1");
        e.SetText(lung);
        QCOMPARE(e.Text(), QStringLiteral("1"));
        // Exactly as much as fits: the width plus 8 pixels stays below the client width.
        const QFontMetrics fm(TKivTextEditStyleRepository::Comun()->Cold()->Font());
        QString incape;
        while (fm.horizontalAdvance(incape + u'8') + 8 < e.width())
            incape += u'8';
        e.SetText(incape);
        QCOMPARE(e.Text(), incape);
        e.setFocus();
        QTest::keyClick(&e, Qt::Key_End);
        QTest::keyClicks(&e, "8");
        QCOMPARE(e.Text(), incape);
    }

    void enterMutaFocusul() {
        Fereastra f;
        auto* dezactivat = new TKivNumEdit(f.w.get());
        QWidget::setTabOrder(f.e1, dezactivat);
        QWidget::setTabOrder(dezactivat, f.e2);
        dezactivat->show();
        dezactivat->setEnabled(false);
        f.e1->setFocus();
        QTest::keyClick(f.e1, Qt::Key_Return);
        QVERIFY(f.e2->hasFocus());
        QTest::keyClick(f.e2, Qt::Key_Enter);
        QVERIFY(f.e3->hasFocus());
        QTest::keyClick(f.e3, Qt::Key_Return);
        QVERIFY(f.e3->hasFocus());
    }

    void enterNuIeseDinParinte() {
        Fereastra f;
        auto* cadru = new QWidget(f.w.get());
        auto* inCadru = new TKivTextEdit(cadru);
        QWidget::setTabOrder(f.e1, cadru);
        QWidget::setTabOrder(inCadru, f.e2);
        cadru->show();
        inCadru->setFocus();
        QVERIFY(inCadru->hasFocus());
        QTest::keyClick(inCadru, Qt::Key_Return);
        QVERIFY(inCadru->hasFocus());
    }

    void selectieSiCuvinte_data() {
        QTest::addColumn<QList<QKeyCombination>>("taste");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("selectie");
        QTest::addColumn<QString>("selectat");
        using K = QList<QKeyCombination>;
        const auto ctrl = [](Qt::Key k) { return QKeyCombination(Qt::ControlModifier, k); };
        const auto shift = [](Qt::Key k) { return QKeyCombination(Qt::ShiftModifier, k); };
        const auto ctrlShift = [](Qt::Key k) {
            return QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, k);
        };
        const QKeyCombination home(Qt::Key_Home), end(Qt::Key_End), left(Qt::Key_Left), right(Qt::Key_Right);
        // The text is "Ion Pop,Vasile" (14 characters); the caret starts after its end.
        QTest::newRow("cuvantul urmator") << K{home, ctrl(Qt::Key_Right)} << 5 << 0 << "";
        QTest::newRow("doi urmatori") << K{home, ctrl(Qt::Key_Right), ctrl(Qt::Key_Right)} << 9 << 0 << "";
        QTest::newRow("pana la capat")
            << K{home, ctrl(Qt::Key_Right), ctrl(Qt::Key_Right), ctrl(Qt::Key_Right)} << 15 << 0 << "";
        QTest::newRow("cuvantul anterior") << K{ctrl(Qt::Key_Left)} << 9 << 0 << "";
        QTest::newRow("din mijlocul cuvantului")
            << K{left, left, ctrl(Qt::Key_Left), ctrl(Qt::Key_Left)} << 5 << 0 << "";
        QTest::newRow("shift stanga de trei ori")
            << K{shift(Qt::Key_Left), shift(Qt::Key_Left), shift(Qt::Key_Left)} << 15 << -3 << "ile";
        QTest::newRow("shift stanga nu trece de inceput") << K{left,
                                                               left,
                                                               left,
                                                               left,
                                                               left,
                                                               left,
                                                               left,
                                                               left,
                                                               left,
                                                               left,
                                                               left,
                                                               left,
                                                               left,
                                                               shift(Qt::Key_Left),
                                                               shift(Qt::Key_Left)}
                                                          << 2 << -1 << "I";
        QTest::newRow("shift end") << K{home, shift(Qt::Key_End)} << 1 << 14 << "Ion Pop,Vasile";
        QTest::newRow("shift home") << K{left, shift(Qt::Key_Home)} << 14 << -13 << "Ion Pop,Vasil";
        QTest::newRow("ctrl shift dreapta") << K{home, ctrlShift(Qt::Key_Right)} << 1 << 4 << "Ion ";
        QTest::newRow("ctrl shift de doua ori")
            << K{home, ctrlShift(Qt::Key_Right), ctrlShift(Qt::Key_Right)} << 1 << 8 << "Ion Pop,";
        QTest::newRow("ctrl shift stanga") << K{ctrlShift(Qt::Key_Left)} << 15 << -6 << "Vasile";
        QTest::newRow("stanga sterge selectia")
            << K{shift(Qt::Key_Left), shift(Qt::Key_Left), left} << 15 << 0 << "";
        QTest::newRow("dreapta sterge selectia") << K{home, shift(Qt::Key_Right), right} << 1 << 0 << "";
        QTest::newRow("dreapta la capat") << K{right, right} << 15 << 0 << "";
        QTest::newRow("sus si jos") << K{QKeyCombination(Qt::Key_Up), QKeyCombination(Qt::Key_Up),
                                         QKeyCombination(Qt::Key_Down)}
                                    << 14 << 0 << "";
    }
    void selectieSiCuvinte() {
        QFETCH(QList<QKeyCombination>, taste);
        QFETCH(int, caret);
        QFETCH(int, selectie);
        QFETCH(QString, selectat);
        UnText t;
        t.edit->SetText("Ion Pop,Vasile");
        for (QKeyCombination k : taste)
            QTest::keyClick(t.edit, k.key(), k.keyboardModifiers());
        QCOMPARE(t.edit->Caret(), caret);
        QCOMPARE(t.edit->Selectie(), selectie);
        QCOMPARE(t.edit->TextSelectat(), selectat);
    }

    void stergere_data() {
        QTest::addColumn<QList<QKeyCombination>>("taste");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        using K = QList<QKeyCombination>;
        const QKeyCombination home(Qt::Key_Home), bs(Qt::Key_Backspace), del(Qt::Key_Delete),
            left(Qt::Key_Left);
        const QKeyCombination shiftLeft(Qt::ShiftModifier, Qt::Key_Left);
        QTest::newRow("backspace") << K{bs} << "Ion Po" << 7;
        QTest::newRow("backspace la inceput") << K{home, bs} << "Ion Pop" << 1;
        QTest::newRow("delete") << K{home, del} << "on Pop" << 1;
        QTest::newRow("delete la capat") << K{del} << "Ion Pop" << 8;
        QTest::newRow("backspace cu selectie") << K{shiftLeft, shiftLeft, bs} << "Ion P" << 6;
        QTest::newRow("delete cu selectie la stanga") << K{left, left, left, shiftLeft, del} << "IonPop" << 4;
    }
    void stergere() {
        QFETCH(QList<QKeyCombination>, taste);
        QFETCH(QString, text);
        QFETCH(int, caret);
        UnText t;
        t.edit->SetText("Ion Pop");
        for (QKeyCombination k : taste)
            QTest::keyClick(t.edit, k.key(), k.keyboardModifiers());
        QCOMPARE(t.edit->Text(), text);
        QCOMPARE(t.edit->Caret(), caret);
        QCOMPARE(t.edit->Selectie(), 0);
    }

    void clipboard() {
        UnText t;
        QClipboard* cb = QGuiApplication::clipboard();
        t.edit->SetText("Ion Pop");
        cb->setText("neatins");
        QTest::keyClick(t.edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(cb->text(), QStringLiteral("neatins")); // nothing selected: the clipboard is kept
        QTest::keyClick(t.edit, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(t.edit, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(t.edit, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(t.edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(cb->text(), QStringLiteral("Pop"));
        QTest::keyClick(t.edit, Qt::Key_Home);
        QTest::keyClick(t.edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(t.edit->Text(), QStringLiteral("PopIon Pop"));
        QCOMPARE(t.edit->Caret(), 4);
        QTest::keyClick(t.edit, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(t.edit->Text(), QStringLiteral("PopPopIon Pop"));
        QTest::keyClick(t.edit, Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClick(t.edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(cb->text(), QStringLiteral("PopPop"));
        QCOMPARE(t.edit->Text(), QStringLiteral("Ion Pop"));
        QTest::keyClick(t.edit, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(t.edit, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(cb->text(), QStringLiteral("Ion Pop"));
        QTest::keyClick(t.edit, Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(t.edit->Text(), QString());
        // A copied spreadsheet cell ends in a line break, which a one-line value must not keep.
        cb->setText("Vasile\r\n");
        QTest::keyClick(t.edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(t.edit->Text(), QStringLiteral("Vasile"));
        TKivNumEdit n;
        n.setFocus();
        cb->setText("12x");
        QTest::keyClick(&n, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(n.Text(), QString());
    }

    void semnale() {
        UnText t;
        t.edit->SetText("ab");
        QSignalSpy stanga(t.edit, &TKivCustomTextEdit::OnLeft), dreapta(t.edit, &TKivCustomTextEdit::OnRight);
        QSignalSpy sus(t.edit, &TKivCustomTextEdit::OnUp), jos(t.edit, &TKivCustomTextEdit::OnDown);
        QSignalSpy schimbari(t.edit, &TKivCustomTextEdit::OnChange);
        QTest::keyClick(t.edit, Qt::Key_Right);
        QCOMPARE(dreapta.count(), 1);
        QTest::keyClick(t.edit, Qt::Key_Left);
        QTest::keyClick(t.edit, Qt::Key_Left);
        QCOMPARE(stanga.count(), 0);
        QTest::keyClick(t.edit, Qt::Key_Left);
        QCOMPARE(stanga.count(), 1);
        QTest::keyClick(t.edit, Qt::Key_Up, Qt::ShiftModifier);
        QTest::keyClick(t.edit, Qt::Key_Down);
        QTest::keyClick(t.edit, Qt::Key_Down);
        QCOMPARE(sus.count(), 1);
        QCOMPARE(sus.at(0).at(0).toInt(), int(Qt::Key_Up));
        QCOMPARE(sus.at(0).at(1).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
        QCOMPARE(jos.count(), 2);
        t.edit->SetText("ab");
        QCOMPARE(schimbari.count(), 0);
        t.edit->SetText("abc");
        QCOMPARE(schimbari.count(), 1);
    }

    void mouse() {
        Fereastra f;
        f.e1->resize(300, 24);
        f.e2->resize(300, 24);
        f.e2->SetText("123456");
        f.e1->setFocus();
        const QFontMetrics fm(TKivTextEditStyleRepository::Comun()->Hot()->Font());
        const QPoint dupaTrei(4 + fm.horizontalAdvance("123") + 1, 12);
        // The first click only focuses: the whole text is selected.
        QTest::mouseClick(f.e2, Qt::LeftButton, {}, dupaTrei);
        QVERIFY(f.e2->hasFocus());
        QCOMPARE(f.e2->Selectie(), 6);
        QTest::mouseClick(f.e2, Qt::LeftButton, {}, dupaTrei);
        QCOMPARE(f.e2->Caret(), 4);
        QCOMPARE(f.e2->Selectie(), 0);
        QTest::mousePress(f.e2, Qt::LeftButton, {}, QPoint(3, 12));
        QCOMPARE(f.e2->Caret(), 1);
        mutaMouse(f.e2, dupaTrei, Qt::LeftButton);
        QTest::mouseRelease(f.e2, Qt::LeftButton, {}, dupaTrei);
        QCOMPARE(f.e2->TextSelectat(), QStringLiteral("123"));
        f.e2->SetAutoSelectOnEnter(false);
        f.e1->setFocus();
        f.e2->setFocus();
        QCOMPARE(f.e2->Caret(), 7);
        QCOMPARE(f.e2->Selectie(), 0);
    }

    void stari() {
        Fereastra f;
        QCOMPARE(f.e2->Stare(), 3);
        f.e2->setFocus();
        QCOMPARE(f.e2->Stare(), 5);
        f.e1->setFocus();
        QCOMPARE(f.e2->Stare(), 3);
        QVERIFY_THROWS_EXCEPTION(Eroare, f.e2->SetState(6));
        QVERIFY_THROWS_EXCEPTION(Eroare, f.e2->SetState(-1));
        try {
            f.e2->SetState(6);
        } catch (const Eroare& e) {
            QCOMPARE(e.text(), QStringLiteral("Don't know state"));
        }
        QCOMPARE(f.e2->Stare(), 3);

        // Read-only: its own group of states, and the text cannot change by typing.
        f.e2->SetText("12");
        f.e2->SetState(0);
        f.e2->setFocus();
        QCOMPARE(f.e2->Stare(), 2);
        QTest::keyClicks(f.e2, "9");
        QTest::keyClick(f.e2, Qt::Key_Backspace);
        QCOMPARE(f.e2->Text(), QStringLiteral("12"));
        f.e1->setFocus();
        QCOMPARE(f.e2->Stare(), 0);
    }

    void hover_data() {
        QTest::addColumn<int>("inactiv");
        QTest::newRow("editabil") << 3;
        QTest::newRow("read-only") << 0;
    }
    void hover() {
        QFETCH(int, inactiv);
        Fereastra f;
        f.e1->setFocus();
        f.e2->SetState(inactiv);
        QPoint cursor = f.e2->mapToGlobal(QPoint(10, 10));
        TKivMouseInWindowThread::SeteazaSursaCursor([&cursor] { return cursor; });
        mutaMouse(f.e2, QPoint(10, 10));
        QCOMPARE(f.e2->Stare(), inactiv + 1);
        QTest::qWait(200);
        QCOMPARE(f.e2->Stare(), inactiv + 1);
        cursor = f.e2->mapToGlobal(QPoint(10, 40));
        QTRY_COMPARE(f.e2->Stare(), inactiv);
        // A move reported outside the control ends the hover at once.
        cursor = f.e2->mapToGlobal(QPoint(10, 10));
        mutaMouse(f.e2, QPoint(10, 10));
        QCOMPARE(f.e2->Stare(), inactiv + 1);
        mutaMouse(f.e2, QPoint(10, 40));
        QCOMPARE(f.e2->Stare(), inactiv);
    }

    void variatii_data() {
        QTest::addColumn<TKivVariation>("variatie");
        QTest::addColumn<TColor>("culoare");
        const TColor baza = culoareRgb(100, 150, 250);
        using enum TKivVariation;
        QTest::newRow("fara") << cvNoVariation << baza;
        QTest::newRow("albastru") << cvLiteBlue << culoareRgb(80, 130, 250);
        QTest::newRow("verde") << cvLiteGreen << culoareRgb(80, 150, 230);
        QTest::newRow("rosu") << cvLiteRed << culoareRgb(100, 130, 230);
        QTest::newRow("albastru usor") << cvLiteLiteBlue << culoareRgb(90, 140, 250);
        QTest::newRow("verde usor") << cvLiteLiteGreen << culoareRgb(90, 150, 240);
        QTest::newRow("rosu usor") << cvLiteLiteRed << culoareRgb(100, 140, 240);
        QTest::newRow("deschis") << cvLite << culoareRgb(120, 170, 255);
        QTest::newRow("deschis usor") << cvLiteLite << culoareRgb(110, 160, 255);
    }
    void variatii() {
        QFETCH(TKivVariation, variatie);
        QFETCH(TColor, culoare);
        TKivColorVariation c(nullptr, culoareRgb(100, 150, 250));
        QSignalSpy schimbari(&c, &TKivColorVariation::Schimbat);
        c.SetVariation(variatie);
        QCOMPARE(c.Culoare(), culoare);
        QCOMPARE(schimbari.count(), variatie == TKivVariation::cvNoVariation ? 0 : 1);
    }

    void variatieNecunoscuta() {
        TKivColorVariation c;
        QVERIFY_THROWS_EXCEPTION(Eroare, c.SetVariation(TKivVariation(42)));
        QCOMPARE(c.Variation(), TKivVariation::cvNoVariation);
    }

    void stiluriImplicite() {
        TKivTextEditStyleRepository* r = TKivTextEditStyleRepository::Comun();
        QCOMPARE(r, TKivTextEditStyleRepository::Comun());
        const CuloareRGB fereastra = CuloareInRGB(clWindow);
        QCOMPARE(CuloareInRGB(r->Cold()->BkColor()->Culoare()),
                 (CuloareRGB{fereastra.r, fereastra.g, quint8(std::max(0, fereastra.b - 5))}));
        QCOMPARE(r->Hot()->BorderColor()->Culoare(), clBlack);
        QCOMPARE(r->Hot()->BorderWidth(), 2);
        QCOMPARE(r->Cold()->BorderWidth(), 1);
        QCOMPARE(r->Hover()->BorderColor()->Culoare(),
                 TKivColorVariation::Aplica(TKivVariation::cvLiteGreen, clBtnShadow));
        QCOMPARE(r->ReadOnlyHot()->BkColor()->Culoare(),
                 TKivColorVariation::Aplica(TKivVariation::cvLiteLiteRed, clBtnFace));
        QCOMPARE(r->Cold()->Font().family(), QStringLiteral("Arial"));
        QCOMPARE(r->Cold()->Font().pointSize(), 9);
        for (int stare = 0; stare < 6; ++stare)
            QVERIFY(r->PentruStare(stare));
    }

    void desenNumeric_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("faraPuncte");
        QTest::addColumn<int>("semne");
        QTest::addColumn<bool>("rosu");
        QTest::newRow("1234567") << "1234567" << false << 2 << false;
        QTest::newRow("-1234567,5") << "-1234567,5" << false << 2 << true;
        QTest::newRow("fara puncte") << "-1234567,5" << true << 0 << true;
        QTest::newRow("123") << "123" << false << 0 << false;
        QTest::newRow("-123456") << "-123456" << false << 1 << true;
        QTest::newRow("1000,25") << "1000,25" << false << 1 << false;
    }
    void desenNumeric() {
        QFETCH(QString, text);
        QFETCH(bool, faraPuncte);
        QFETCH(int, semne);
        QFETCH(bool, rosu);
        TKivNumEdit e;
        e.resize(160, 24);
        e.SetNoDots(faraPuncte);
        e.SetText(text);
        QCOMPARE(e.Text(), text);
        const QImage img = e.grab().toImage();
        QCOMPARE(grupuriDeCuloare(img, Qt::blue), semne);
        QCOMPARE(areRosuInText(img, img.width() - 4), rosu);
    }
};

QTEST_MAIN(TestUKivEditors)
#include "tst_UKivEditors.moc"
