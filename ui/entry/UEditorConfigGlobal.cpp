#include "entry/UEditorConfigGlobal.h"

#include "entry/UKivQuickRegStuff.h"
#include "entry/UScrieNota.h"
#include "platform/Ecran.h"
#include "platform/Protejat.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QTabWidget>
#include <QTimer>

const QStringList& ModuriNota() {
    static const QStringList moduri = {QStringLiteral("NOTA"), QStringLiteral("NOTA(PROCENT)"),
                                       QStringLiteral("NOTA/PROCENT"), QStringLiteral("NOTA/LITERE")};
    return moduri;
}

// ---- the mode lists ----

TComboModNota::TComboModNota(TEditorConfigGlobal* fereastra, QWidget* parinte)
    : QComboBox(parinte), fereastra_(fereastra) {
    setItemDelegate(new TDelegatModNota(fereastra, this));
    addItems(ModuriNota());
}

void TComboModNota::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionComboBox optiune;
    initStyleOption(&optiune);
    optiune.currentText.clear();
    optiune.currentIcon = QIcon();
    p.drawComplexControl(QStyle::CC_ComboBox, optiune);
    if (currentIndex() < 0) return;
    const QRect camp =
        style()->subControlRect(QStyle::CC_ComboBox, &optiune, QStyle::SC_ComboBoxEditField, this);
    fereastra_->RzComboBox3DrawItem(p, currentIndex(), camp, hasFocus());
}

TDelegatModNota::TDelegatModNota(TEditorConfigGlobal* fereastra, QObject* parinte)
    : QStyledItemDelegate(parinte), fereastra_(fereastra) {}

void TDelegatModNota::paint(QPainter* p, const QStyleOptionViewItem& optiune,
                            const QModelIndex& index) const {
    fereastra_->RzComboBox3DrawItem(*p, index.row(), optiune.rect, optiune.state & QStyle::State_Selected);
}

QSize TDelegatModNota::sizeHint(const QStyleOptionViewItem& optiune, const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(optiune, index).width(), TEditorConfigGlobal::InaltimeRand};
}

// ---- the window ----

namespace {

QLabel* eticheta(const QString& text, QWidget* parinte, const QRect& unde, bool ingrosat = false) {
    auto* l = new QLabel(text, parinte);
    l->setWordWrap(true);
    l->setGeometry(unde);
    if (ingrosat) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QComboBox* sufix(QWidget* parinte, const QStringList& elemente, const QRect& unde) {
    auto* c = new QComboBox(parinte);
    c->setEditable(true);
    c->addItems(elemente);
    c->setGeometry(unde);
    return c;
}

QString sauImplicit(const QString& valoare, const QString& implicit) {
    return valoare.isEmpty() ? implicit : valoare;
}

void implicitDacaGol(TInfoGlobal2005& setari, QString (TInfoGlobal2005::*citeste)() const,
                     void (TInfoGlobal2005::*scrie)(const QString&), const QString& implicit) {
    if ((setari.*citeste)().isEmpty()) (setari.*scrie)(implicit);
}

void selecteazaModul(QComboBox* lista, const QString& mod) {
    lista->setCurrentIndex(int(ModuriNota().indexOf(mod)));
}

// A list without a selection leaves its mode as it is stored.
void preiaModul(const QComboBox* lista, TInfoGlobal2005& setari,
                void (TInfoGlobal2005::*scrie)(const QString&)) {
    if (lista->currentIndex() >= 0) (setari.*scrie)(lista->currentText());
}

} // namespace

TEditorConfigGlobal::TEditorConfigGlobal(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("EditorConfigGlobal"));
    setWindowTitle(QStringLiteral("Editor informatii globale"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(588, 347);
    creeazaAntetul();
    RzPageControl1 = new QTabWidget(this);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    RzPageControl1->setGeometry(8, 56, 572, 244);
    TabSheet1 = creeazaPaginaSufixe();
    TabSheet2 = creeazaPaginaNote();
    RzPageControl1->addTab(TabSheet1, QStringLiteral("Sufix domnul / doamna"));
    RzPageControl1->addTab(TabSheet2, QStringLiteral("Mod tiparire note"));
    RzPageControl1->setTabVisible(0, false);
    RzPageControl1->setCurrentWidget(TabSheet2);
    creeazaButoanele();
    FormCreate();
}

void TEditorConfigGlobal::creeazaAntetul() {
    Label1 = eticheta(QStringLiteral("Nota:"), this, QRect(12, 12, 44, 18), true);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = eticheta(QStringLiteral("Modificarile efectuate in acest editor afecteaza TOATE formularele de "
                                     "diplome pentru anul curent"),
                      this, QRect(60, 12, 516, 36));
    Label2->setObjectName(QStringLiteral("Label2"));
    clipire_ = new QTimer(this);
    clipire_->setInterval(500);
    connect(clipire_, &QTimer::timeout, this, &TEditorConfigGlobal::clipeste);
    clipire_->start();
    clipeste();
}

void TEditorConfigGlobal::clipeste() {
    QPalette paleta = Label1->palette();
    paleta.setColor(QPalette::WindowText, notaAprinsa_ ? QColor(Qt::red) : palette().color(QPalette::Window));
    Label1->setPalette(paleta);
    notaAprinsa_ = !notaAprinsa_;
}

QWidget* TEditorConfigGlobal::creeazaPaginaSufixe() {
    auto* pagina = new QWidget;
    pagina->setObjectName(QStringLiteral("TabSheet1"));
    eticheta(QStringLiteral("Sufix dl / domnul e.t.c."), pagina, QRect(12, 8, 540, 18), true);
    eticheta(
        QStringLiteral("Programul stabileste automat genul persoanelor care primesc diplome de studii pe "
                       "baza primei cifre din codul numeric personal. Va rugam specificati care este "
                       "apelativul cel mai potrivit pentru fete si baieti:"),
        pagina, QRect(12, 30, 540, 52));
    eticheta(QStringLiteral("Sufix fete:"), pagina, QRect(12, 92, 120, 18));
    RzComboBox1 =
        sufix(pagina, {QStringLiteral("domnisoara"), QStringLiteral("doamna"), QStringLiteral("dra")},
              QRect(12, 112, 200, 24));
    RzComboBox1->setObjectName(QStringLiteral("RzComboBox1"));
    eticheta(QStringLiteral("Sufix baieti:"), pagina, QRect(292, 92, 120, 18));
    RzComboBox2 = sufix(pagina, {QStringLiteral("domnul"), QStringLiteral("dl")}, QRect(292, 112, 200, 24));
    RzComboBox2->setObjectName(QStringLiteral("RzComboBox2"));
    return pagina;
}

QWidget* TEditorConfigGlobal::creeazaPaginaNote() {
    auto* pagina = new QWidget;
    pagina->setObjectName(QStringLiteral("TabSheet2"));
    eticheta(QStringLiteral("Mod scriere note in litere"), pagina, QRect(12, 8, 540, 18), true);
    eticheta(
        QStringLiteral("Aici puteti specifica modul in care vor fi inscrise pe diplome notele si mediile "
                       "pentru probele de examen cu nota."),
        pagina, QRect(12, 28, 540, 34));

    const auto lista = [&](const QString& titlu, const QString& nume, int x, int y) {
        eticheta(titlu, pagina, QRect(x, y, 240, 18));
        auto* c = new TComboModNota(this, pagina);
        c->setObjectName(nume);
        c->setGeometry(x, y + 18, 250, InaltimeRand + 8);
        return c;
    };
    RzComboBox3 = lista(QStringLiteral("Nota diploma:"), QStringLiteral("RzComboBox3"), 12, 66);
    RzComboBox4 = lista(QStringLiteral("Medie diploma:"), QStringLiteral("RzComboBox4"), 12, 130);
    RzComboBox5 = lista(QStringLiteral("Nota cotor:"), QStringLiteral("RzComboBox5"), 292, 66);
    RzComboBox6 = lista(QStringLiteral("Medie cotor:"), QStringLiteral("RzComboBox6"), 292, 130);

    RzRadioButton1 = new QRadioButton(QStringLiteral("Scriu notele cu LITERE MARI"), pagina);
    RzRadioButton1->setObjectName(QStringLiteral("RzRadioButton1"));
    RzRadioButton1->setGeometry(12, 190, 250, 20);
    RzRadioButton2 = new QRadioButton(QStringLiteral("Scriu notele cu litere mici"), pagina);
    RzRadioButton2->setObjectName(QStringLiteral("RzRadioButton2"));
    RzRadioButton2->setGeometry(292, 190, 250, 20);
    return pagina;
}

void TEditorConfigGlobal::creeazaButoanele() {
    RzBitBtn1 = new QPushButton(QStringLiteral("Ok"), this);
    RzBitBtn1->setObjectName(QStringLiteral("RzBitBtn1"));
    RzBitBtn1->setGeometry(392, 310, 90, 28);
    RzBitBtn1->setDefault(true);
    connect(RzBitBtn1, &QPushButton::clicked, this, &TEditorConfigGlobal::RzBitBtn1Click);
    RzBitBtn2 = new QPushButton(QStringLiteral("Renunt"), this);
    RzBitBtn2->setObjectName(QStringLiteral("RzBitBtn2"));
    RzBitBtn2->setGeometry(490, 310, 90, 28);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TEditorConfigGlobal::RzBitBtn2Click);
}

void TEditorConfigGlobal::FormCreate() {
    {
        // Released at the end of the block: the defaults are stored even if the user cancels.
        TInfoGlobal2005 setari;
        RzComboBox1->setCurrentText(sauImplicit(setari.SufixFete(), QStringLiteral("dra")));
        RzComboBox2->setCurrentText(sauImplicit(setari.SufixBaieti(), QStringLiteral("domnul")));
        const SetariNote implicite = SetariNote::implicite();
        implicitDacaGol(setari, &TInfoGlobal2005::NotaDiploma, &TInfoGlobal2005::setNotaDiploma,
                        implicite.NotaDiploma);
        implicitDacaGol(setari, &TInfoGlobal2005::NotaCotor, &TInfoGlobal2005::setNotaCotor,
                        implicite.NotaCotor);
        implicitDacaGol(setari, &TInfoGlobal2005::MedieDiploma, &TInfoGlobal2005::setMedieDiploma,
                        implicite.MedieDiploma);
        implicitDacaGol(setari, &TInfoGlobal2005::MedieCotor, &TInfoGlobal2005::setMedieCotor,
                        implicite.MedieCotor);
        selecteazaModul(RzComboBox3, setari.NotaDiploma());
        selecteazaModul(RzComboBox4, setari.MedieDiploma());
        selecteazaModul(RzComboBox5, setari.NotaCotor());
        selecteazaModul(RzComboBox6, setari.MedieCotor());
        const bool mari = setari.ScriuCuLitereMari() != QLatin1String("0");
        RzRadioButton1->setChecked(mari);
        RzRadioButton2->setChecked(!mari);
    }
    CentreazaFereastra(this);
}

void TEditorConfigGlobal::RzBitBtn1Click() {
    protejat(this, [&] {
        {
            TInfoGlobal2005 setari;
            setari.setSufixFete(RzComboBox1->currentText());
            setari.setSufixBaieti(RzComboBox2->currentText());
            preiaModul(RzComboBox3, setari, &TInfoGlobal2005::setNotaDiploma);
            preiaModul(RzComboBox4, setari, &TInfoGlobal2005::setMedieDiploma);
            preiaModul(RzComboBox5, setari, &TInfoGlobal2005::setNotaCotor);
            preiaModul(RzComboBox6, setari, &TInfoGlobal2005::setMedieCotor);
            setari.setScriuCuLitereMari(RzRadioButton1->isChecked() ? QStringLiteral("1")
                                                                    : QStringLiteral("0"));
            setari.SalveazaVerificat();
        }
        accept();
    });
}

void TEditorConfigGlobal::RzBitBtn2Click() {
    reject();
}

void TEditorConfigGlobal::RzComboBox3DrawItem(QPainter& p, int index, const QRect& rand,
                                              bool selectat) const {
    p.save();
    p.fillRect(rand, palette().color(selectat ? QPalette::Highlight : QPalette::Base));
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(10);
    p.setFont(f);
    p.setPen(palette().color(selectat ? QPalette::HighlightedText : QPalette::Text));
    const int inaltime = QFontMetrics(f).height();
    const auto scrie = [&](const QString& text, int sub) {
        p.drawText(QRect(rand.left(), rand.top() + sub, rand.width(), inaltime),
                   Qt::AlignHCenter | Qt::AlignTop, text);
    };
    switch (index) {
    case 0:
        scrie(QStringLiteral("9,63"), 8);
        break;
    case 1:
        scrie(QStringLiteral("9,63 (noua 63%)"), 8);
        break;
    case 2:
        scrie(QStringLiteral("9,63"), 1);
        scrie(QStringLiteral("(noua 63%)"), 13);
        break;
    case 3:
        scrie(QStringLiteral("9,63"), 1);
        scrie(QStringLiteral("(noua,sasezecisitrei)"), 13);
        break;
    default:
        break;
    }
    p.restore();
}
