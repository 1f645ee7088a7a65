#include "printing/UEditorTextFormular.h"

#include "platform/Dialoguri.h"
#include "platform/Ecran.h"
#include "platform/Protejat.h"
#include "printing/FontFormular.h"
#include "printing/QFormularTextArea.h"
#include "printing/UParticularizare.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
// A typeface of the list: its name, and under it the sample text written in it.
class DelegatMostraFont : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& optiune, const QModelIndex&) const override {
        return {optiune.rect.width(), 2 * optiune.fontMetrics.height() + 10};
    }

    void paint(QPainter* p, const QStyleOptionViewItem& optiune, const QModelIndex& index) const override {
        QStyleOptionViewItem opt = optiune;
        initStyleOption(&opt, index);
        const bool selectat = opt.state & QStyle::State_Selected;
        p->save();
        p->fillRect(opt.rect, opt.palette.color(selectat ? QPalette::Highlight : QPalette::Base));
        p->setPen(opt.palette.color(selectat ? QPalette::HighlightedText : QPalette::Text));
        const int inaltimeRand = opt.fontMetrics.height();
        const QRect nume = opt.rect.adjusted(4, 2, -4, -(opt.rect.height() - inaltimeRand - 2));
        p->drawText(nume, Qt::AlignLeft | Qt::AlignVCenter, opt.text);
        QFont mostra(opt.text);
        mostra.setPixelSize(inaltimeRand);
        p->setFont(mostra);
        p->drawText(opt.rect.adjusted(12, inaltimeRand + 4, -4, -2), Qt::AlignLeft | Qt::AlignVCenter,
                    QString::fromLatin1(TEditorTextFormular::textMostra));
        p->restore();
    }
};

QLabel* titlu(const QString& text) {
    auto* eticheta = new QLabel(text);
    QFont font = eticheta->font();
    font.setBold(true);
    eticheta->setFont(font);
    return eticheta;
}
} // namespace

void GrupValori::selecteaza(int valoare) {
    // Auto-exclusive buttons can be cleared only while exclusivity is off.
    for (const auto& [buton, v] : butoane_) {
        buton->setAutoExclusive(false);
        buton->setChecked(v == valoare);
        buton->setAutoExclusive(true);
    }
}

std::optional<int> GrupValori::selectata() const {
    for (const auto& [buton, v] : butoane_)
        if (buton->isChecked()) return v;
    return std::nullopt;
}

TEditorTextFormular::TEditorTextFormular(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("EditorTextFormular"));
    setWindowTitle(QStringLiteral("Informatii camp"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(597, 375);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(8, 8, 585, 329);
    PageControl1->addTab(creeazaInformatii(), QStringLiteral("Informatii despre acest camp"));
    PageControl1->addTab(creeazaRedefinire(), QStringLiteral("Redefinire text"));
    PageControl1->addTab(creeazaAsezare(), QStringLiteral("Asezare in pagina"));
    PageControl1->setCurrentIndex(0);

    RzBitBtn1 = new QPushButton(QStringLiteral("Ok"), this);
    RzBitBtn1->setObjectName(QStringLiteral("RzBitBtn1"));
    RzBitBtn1->setGeometry(430, 343, 75, 25);
    RzBitBtn1->setDefault(true);
    RzBitBtn2 = new QPushButton(QStringLiteral("Renunt"), this);
    RzBitBtn2->setObjectName(QStringLiteral("RzBitBtn2"));
    RzBitBtn2->setGeometry(514, 343, 75, 25);
    connect(RzBitBtn1, &QPushButton::clicked, this, [this] { RzBitBtn1Click(); });
    connect(RzBitBtn2, &QPushButton::clicked, this, [this] { RzBitBtn2Click(); });
    FormCreate();
}

QWidget* TEditorTextFormular::creeazaInformatii() {
    auto* pagina = new QWidget;
    auto* grila = new QGridLayout(pagina);

    auto* stanga = new QVBoxLayout;
    stanga->addWidget(new QLabel(QStringLiteral("De unde preia acest camp datele:")));
    MemoSursa = new QPlainTextEdit;
    MemoSursa->setObjectName(QStringLiteral("MemoSursa"));
    MemoSursa->setReadOnly(true);
    MemoSursa->setFrameShape(QFrame::NoFrame);
    MemoSursa->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoSursa->setBackgroundRole(QPalette::Window);
    stanga->addWidget(MemoSursa, 1);
    stanga->addWidget(new QLabel(QStringLiteral("Fontul utilizat pentru acest formular")));
    ComboFontFormular = new QComboBox;
    ComboFontFormular->setObjectName(QStringLiteral("ComboFontFormular"));
    stanga->addWidget(ComboFontFormular);

    auto* stiluri = new QGridLayout;
    ComboItalic = new QComboBox;
    ComboItalic->setObjectName(QStringLiteral("ComboItalic"));
    ComboItalic->addItems(
        {QStringLiteral("Implicit"), QStringLiteral("Italic"), QStringLiteral("non-Italic")});
    ComboBold = new QComboBox;
    ComboBold->setObjectName(QStringLiteral("ComboBold"));
    ComboBold->addItems({QStringLiteral("Implicit"), QStringLiteral("Bold"), QStringLiteral("non-Bold")});
    stiluri->addWidget(new QLabel(QStringLiteral("Italic")), 0, 0);
    stiluri->addWidget(new QLabel(QStringLiteral("Bold")), 0, 1);
    stiluri->addWidget(ComboItalic, 1, 0);
    stiluri->addWidget(ComboBold, 1, 1);
    stanga->addLayout(stiluri);

    auto* dreapta = new QVBoxLayout;
    RadioFontImplicit = new QRadioButton(QStringLiteral("Folosesc fontul implicit"));
    RadioFontImplicit->setObjectName(QStringLiteral("RadioFontImplicit"));
    RadioFontImplicit->setChecked(true);
    RadioFontSpecificat = new QRadioButton(QStringLiteral("Folosesc fontul specificat mai jos"));
    RadioFontSpecificat->setObjectName(QStringLiteral("RadioFontSpecificat"));
    ListaFonturi = new QListWidget;
    ListaFonturi->setObjectName(QStringLiteral("ListaFonturi"));
    ListaFonturi->setItemDelegate(new DelegatMostraFont(ListaFonturi));
    ListaFonturi->setUniformItemSizes(true);
    ListaFonturi->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListaFonturi->addItems(QFontDatabase::families());
    // Choosing a typeface means using it.
    connect(ListaFonturi, &QListWidget::itemClicked, RadioFontSpecificat,
            [this] { RadioFontSpecificat->setChecked(true); });
    dreapta->addWidget(RadioFontImplicit);
    dreapta->addWidget(RadioFontSpecificat);
    dreapta->addWidget(ListaFonturi, 1);

    grila->addLayout(stanga, 0, 0);
    grila->addLayout(dreapta, 0, 1);
    return pagina;
}

QWidget* TEditorTextFormular::creeazaRedefinire() {
    auto* pagina = new QWidget;
    auto* coloana = new QVBoxLayout(pagina);
    coloana->addWidget(titlu(QStringLiteral("Redefinire text")));
    auto* explicatie =
        new QLabel(QStringLiteral("Daca nu sunteti multumiti cu textul care apare in acest camp puteti "
                                  "stabili aici, MANUAL, un alt text:"));
    explicatie->setWordWrap(true);
    coloana->addWidget(explicatie);
    auto* rand = new QHBoxLayout;
    rand->addWidget(new QLabel(QStringLiteral("Text \"redefinit\":")));
    EditTextRedefinit = new QLineEdit;
    EditTextRedefinit->setObjectName(QStringLiteral("EditTextRedefinit"));
    rand->addWidget(EditTextRedefinit, 1);
    coloana->addLayout(rand);
    coloana->addStretch(1);
    return pagina;
}

QWidget* TEditorTextFormular::grupRadio(const QString& titluGrup, const QString& nume, GrupValori& grup,
                                        const std::vector<std::pair<QString, int>>& butoane) {
    auto* cutie = new QGroupBox(titluGrup);
    cutie->setObjectName(nume);
    auto* rand = new QHBoxLayout(cutie);
    for (const auto& [text, valoare] : butoane) {
        auto* buton = new QRadioButton(text);
        rand->addWidget(buton);
        grup.adauga(buton, valoare);
    }
    rand->addStretch(1);
    return cutie;
}

QWidget* TEditorTextFormular::creeazaAsezare() {
    auto* pagina = new QWidget;
    auto* coloana = new QVBoxLayout(pagina);
    coloana->addWidget(titlu(QStringLiteral("Indicatii privind alinierea orizontala / verticala")));
    coloana->addWidget(grupRadio(QStringLiteral("Aliniere orizontala:"), QStringLiteral("GrupAliniere"),
                                 aliniere_,
                                 {{QStringLiteral("Implicit"), 0},
                                  {QStringLiteral("Aliniere la stanga"), 1},
                                  {QStringLiteral("Centru"), 2},
                                  {QStringLiteral("Dreapta"), 3}}));
    coloana->addWidget(titlu(QStringLiteral("Indicatii privind pozitionarea verticala si orizontala")));
    coloana->addWidget(grupRadio(QStringLiteral("Pozitionarea orizontala"), QStringLiteral("GrupOrizontal"),
                                 orizontal_,
                                 {{QStringLiteral("Implicit"), 0},
                                  {QStringLiteral("Mai la stanga cu 0,5 mm"), -1},
                                  {QStringLiteral("Mai la dreapta cu 0,5 mm"), 1}}));
    coloana->addWidget(grupRadio(QStringLiteral("Pozitionarea verticala"), QStringLiteral("GrupVertical"),
                                 vertical_,
                                 {{QStringLiteral("Implicit"), 0},
                                  {QStringLiteral("Mai sus cu 0,5 mm"), -1},
                                  {QStringLiteral("Mai jos cu 0,5 mm"), 1}}));
    coloana->addStretch(1);
    return pagina;
}

void TEditorTextFormular::FormCreate() {
    CentreazaFereastra(this);
}

void TEditorTextFormular::RzBitBtn1Click() {
    accept();
}

void TEditorTextFormular::RzBitBtn2Click() {
    reject();
}

void TEditorTextFormular::Incarca(const TParticularizareTextArea& rec, const TFormularTextArea& zona) {
    // A stored choice outside the lists selects nothing and is then left as it is.
    ComboItalic->setCurrentIndex(rec.StilItalic >= 0 && rec.StilItalic < ComboItalic->count() ? rec.StilItalic
                                                                                              : -1);
    ComboBold->setCurrentIndex(rec.StilBold >= 0 && rec.StilBold < ComboBold->count() ? rec.StilBold : -1);
    (rec.FontSpecificat.isEmpty() ? RadioFontImplicit : RadioFontSpecificat)->setChecked(true);
    incarcaFontulSpecificat(rec.FontSpecificat);
    MemoSursa->setPlainText(zona.SursaText().join('\n'));
    EditTextRedefinit->setText(rec.TextRedefinit);
    aliniere_.selecteaza(rec.Aliniere);
    orizontal_.selecteaza(rec.DeplasareOrizontala);
    vertical_.selecteaza(rec.DeplasareVerticala);
    incarcaFonturileFerestrei(rec, zona);
}

void TEditorTextFormular::incarcaFontulSpecificat(const QString& numeFont) {
    ListaFonturi->clearSelection();
    ListaFonturi->setCurrentRow(-1);
    if (numeFont.isEmpty()) return;
    const auto gasite = ListaFonturi->findItems(numeFont, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (gasite.isEmpty()) return;
    ListaFonturi->setCurrentItem(gasite.first());
    ListaFonturi->scrollToItem(gasite.first(), QAbstractItemView::PositionAtCenter);
}

void TEditorTextFormular::incarcaFonturileFerestrei(const TParticularizareTextArea& rec,
                                                    const TFormularTextArea& zona) {
    ComboFontFormular->clear();
    const TFontFormular* efectiv = rec.Font ? rec.Font.data() : zona.Font();
    for (TFontFormular* font : zona.window()->findChildren<TFontFormular*>()) {
        const QString descriere =
            font->DescrierePentruEditor().isEmpty() ? font->objectName() : font->DescrierePentruEditor();
        ComboFontFormular->addItem(descriere, QVariant::fromValue<QObject*>(font));
        if (font == efectiv) ComboFontFormular->setCurrentIndex(ComboFontFormular->count() - 1);
    }
    if (!efectiv) ComboFontFormular->setCurrentIndex(-1);
}

void TEditorTextFormular::Aplica(TParticularizareTextArea& rec) const {
    rec.Aliniere = aliniere_.selectata().value_or(rec.Aliniere);
    rec.DeplasareOrizontala = orizontal_.selectata().value_or(rec.DeplasareOrizontala);
    rec.DeplasareVerticala = vertical_.selectata().value_or(rec.DeplasareVerticala);
    if (auto* font = qobject_cast<TFontFormular*>(ComboFontFormular->currentData().value<QObject*>())) {
        rec.Font = font;
        rec.NumeFont = font->objectName();
    }
    rec.TextRedefinit = EditTextRedefinit->text();
    if (ComboItalic->currentIndex() >= 0) rec.StilItalic = ComboItalic->currentIndex();
    if (ComboBold->currentIndex() >= 0) rec.StilBold = ComboBold->currentIndex();
    const QListWidgetItem* typeface = ListaFonturi->currentItem();
    const bool specificat = RadioFontSpecificat->isChecked() && typeface && typeface->isSelected();
    rec.FontSpecificat = specificat ? typeface->text() : QString();
}

bool EditeazaParticularizare(TFormularTextArea& zona) {
    return protejat(&zona, [&] {
        TParticularizareTextArea* rec = FindCustomisation(zona, true);
        {
            TEditorTextFormular editor(&zona);
            editor.Incarca(*rec, zona);
            zona.setMouseOver(false);
            zona.update();
            if (dialoguri().arataModal(editor) == QDialog::Accepted) {
                editor.Aplica(*rec);
                zona.update();
            }
        }
        Particularizari().SalveazaFisier();
    });
}

void ConecteazaParticularizarile(QWidget* fereastra) {
    // The window's first paint already applies the saved adjustments.
    Particularizari();
    for (TFormularTextArea* zona : fereastra->findChildren<TFormularTextArea*>())
        QObject::connect(zona, &TFormularTextArea::clicked, fereastra,
                         [](TFormularTextArea* z) { EditeazaParticularizare(*z); });
}
