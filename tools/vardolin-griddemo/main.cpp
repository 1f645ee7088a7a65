// Shows the data grid over 100,000 typed lines with styled columns, group bands, hover fading
// and editing: vardolin-griddemo [--captura FOLDER] (pictures of the window, then ends).
#include "controls/KivVirtualGrid.h"
#include "controls/UKivVGridEditorForm.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <vector>

namespace {

struct Elev {
    QString nume;
    qint64 media; // hundredths
    Currency taxa;
    QDate nascut;
};

struct LinieElev : TKivVirtualGridLine {
    LinieElev(TKivVirtualGridList* lista, int i) : TKivVirtualGridLine(lista), index(i) {}
    int index;
};

std::vector<Elev> genereaza(int n) {
    static const char* nume[] = {"Popescu Ion", "Ionescu Maria", "Georgescu Ana",    "Dumitrescu Vasile",
                                 "Stan Elena",  "Munteanu Radu", "Constantin Ioana", "Marin Mihai"};
    std::vector<Elev> elevi;
    elevi.reserve(size_t(n));
    for (int i = 0; i < n; ++i)
        elevi.push_back({QString::fromLatin1(nume[i % 8]) + QStringLiteral(" %1").arg(i + 1),
                         500 + (i * 37) % 501, Currency::dinZeciMii(qint64(i) * 12345 % 100000000),
                         QDate(1990, 1, 1).addDays(i % 5000)});
    return elevi;
}

TKivVirtualGridColumn* coloana(TKivVirtualGrid& g, const QString& titlu, TKivTipDeDateColoana tip, int latime,
                               const QString& u1 = {}, const QString& u2 = {}) {
    TKivVirtualGridColumn* c = g.Coloane.Add();
    c->SetNumeColoana(titlu);
    c->TipDeDate = tip;
    c->SetWidth(latime);
    c->SetUmbrela1(u1);
    c->SetUmbrela2(u2);
    return c;
}

void configureaza(TKivVirtualGrid& g, std::vector<Elev>& elevi) {
    using T = TKivTipDeDateColoana;
    g.BeginUpdate();
    g.SetHeaderHeight(64);
    coloana(g, QStringLiteral("Nr. crt."), T::atInteger, 60)->Stil(1).Aliniere = Qt::AlignHCenter;
    coloana(g, QStringLiteral("Numele si prenumele elevului"), T::atString, 200, QStringLiteral("Elev"));
    coloana(g, QStringLiteral("Data nasterii"), T::atDataLung, 140, QStringLiteral("Elev"));
    auto* media = coloana(g, QStringLiteral("Media generala"), T::atIntegerDouaZecimale, 80,
                          QStringLiteral("Rezultate"), QStringLiteral("Note"));
    media->Stil(1).Aliniere = Qt::AlignRight;
    media->Stil(2) = media->Stil(1);
    media->Stil(2).Activ = true;
    media->Stil(2).CuloareBackgroundNormal = culoareRgb(255, 235, 235);
    media->SetCuloareUmbrela(2, culoareRgb(230, 240, 255));
    auto* taxa = coloana(g, QStringLiteral("Taxa achitata (lei)"), T::atCurrency, 120,
                         QStringLiteral("Rezultate"), QStringLiteral("Bani"));
    taxa->Stil(1).Aliniere = Qt::AlignRight;
    coloana(g, QStringLiteral("Data scurta"), T::atDataScurtCuAn, 80);
    g.Linii.Rezerva(int(elevi.size()));
    for (int i = 0; i < int(elevi.size()); ++i) {
        auto* l = g.Linii.Adauga<LinieElev>(i);
        if (elevi[size_t(i)].media < 600) l->SetStil(2);
        if (i % 10 == 0) l->Atribute = alBoldOn;
    }
    g.EndUpdate();

    g.OnGetCellValue = [&elevi](TKivVirtualGridLine* obj, int c, TKivValoareDate& v) {
        const Elev& e = elevi[size_t(static_cast<LinieElev*>(obj)->index)];
        switch (c) {
        case 0:
            v.SetValInteger(static_cast<LinieElev*>(obj)->index + 1);
            break;
        case 1:
            v.SetValString(e.nume);
            break;
        case 2:
            v.SetValDataLung(QDateTime(e.nascut, QTime()));
            break;
        case 3:
            v.SetValIntegerDouaZecimale(e.media);
            break;
        case 4:
            v.SetValCurrency(e.taxa);
            break;
        default:
            v.SetValDataScurtCuAn(QDateTime(e.nascut, QTime()));
            break;
        }
    };
    g.OnPotEdita = [](TKivVirtualGridLine*, int c, bool& poate) { poate = c != 0; };
    g.OnSetCellValue = [&elevi, &g](TKivVirtualGridLine* obj, int c, const TKivValoareDate& v) {
        const int i = static_cast<LinieElev*>(obj)->index;
        Elev& e = elevi[size_t(i)];
        switch (c) {
        case 1:
            e.nume = v.ValString();
            break;
        case 2:
            e.nascut = v.ValDataLung().date();
            break;
        case 3:
            e.media = v.ValIntegerDouaZecimale();
            g.Linii[i]->SetStil(e.media < 600 ? 2 : 1);
            break;
        case 4:
            e.taxa = v.ValCurrency();
            break;
        default:
            e.nascut = v.ValDataScurtCuAn().date();
            break;
        }
    };
}

void mutaMouse(TKivVirtualGrid& g, int c, int r) {
    const QPoint p = g.CellRect(c, r).center();
    QMouseEvent e(QEvent::MouseMove, QPointF(p), g.viewport()->mapToGlobal(QPointF(p)), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(g.viewport(), &e);
}

// Pictures for the eye: the grid with a trail of fading cells, scrolled far down, and the
// editor open over a cell.
void capturi(TKivVirtualGrid& g, const QString& dosar) {
    QDir().mkpath(dosar);
    g.SetRow(3);
    for (int r = 2; r <= 8; ++r) {
        mutaMouse(g, 2, r);
        g.Tick();
    }
    g.grab().save(dosar + "/grila-hover.png");
    g.SetTopRow(99980);
    g.SetRow(99990);
    g.grab().save(dosar + "/grila-sfarsit.png");
    g.SetTopRow(1);
    g.SetRow(4);
    g.SetCol(4);
    QTimer::singleShot(300, [&g, dosar] {
        QWidget* editor = QApplication::activePopupWidget();
        g.window()->screen()->grabWindow(0).save(dosar + "/grila-editor.png");
        if (editor) static_cast<QDialog*>(editor)->reject();
    });
    g.Editeaza(QChar(u'7'));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption(
        {QStringLiteral("captura"), QStringLiteral("Folder for pictures"), QStringLiteral("dosar")});
    parser.process(app);

    std::vector<Elev> elevi = genereaza(100000);
    TKivVirtualGrid grila;
    grila.setWindowTitle(QStringLiteral("Grila de date"));
    configureaza(grila, elevi);
    grila.resize(860, 520);
    grila.move(0, 0);
    grila.show();
    if (parser.isSet(QStringLiteral("captura"))) {
        QTimer::singleShot(200, [&] {
            capturi(grila, parser.value(QStringLiteral("captura")));
            app.quit();
        });
    }
    return app.exec();
}
