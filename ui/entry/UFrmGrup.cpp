#include "entry/UFrmGrup.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

TFrmGrup::TFrmGrup(QWidget* owner) : QFrame(owner) {
    ColoreazaFundal(this, TEditorGeneric::CuloareFundal);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(4, 4, 4, 4);
    l->setSpacing(0);

    EtichetaGrup = new QLabel(this);
    EtichetaGrup->setObjectName(QStringLiteral("EtichetaGrup"));
    EtichetaGrup->setFixedHeight(InaltimeEticheta);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(15);
    f.setBold(true);
    EtichetaGrup->setFont(f);
    QPalette p = EtichetaGrup->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 128));
    EtichetaGrup->setPalette(p);
    ColoreazaFundal(EtichetaGrup, TEditorGeneric::CuloareFundal);
    l->addWidget(EtichetaGrup);

    PanelSuport = new QWidget(this);
    PanelSuport->setObjectName(QStringLiteral("PanelSuport"));
    ColoreazaFundal(PanelSuport, TEditorGeneric::CuloareFundal);
    auto* corp = new QVBoxLayout(PanelSuport);
    corp->setContentsMargins(0, 0, 0, 0);
    corp->setSpacing(0);
    corp->addStretch();
    l->addWidget(PanelSuport);
}

void TFrmGrup::Adauga(QWidget* control) {
    auto* corp = static_cast<QVBoxLayout*>(PanelSuport->layout());
    corp->insertWidget(corp->count() - 1, control); // above the closing stretch
}

void TFrmGrup::Dimensioneaza() {
    int inaltime = 0;
    for (QWidget* w : PanelSuport->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        inaltime += w->height();
    setFixedHeight(inaltime + EtichetaGrup->height() + Rezerva);
}

// The flat rounded border, drawn in the background colour over a slightly darker edge.
void TFrmGrup::paintEvent(QPaintEvent* e) {
    QFrame::paintEvent(e);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(CuloareInQColor(TEditorGeneric::CuloareFundal).darker(115), 1));
    p.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);
}

TLinieGrupare::TLinieGrupare(QWidget* owner) : QFrame(owner) {
    setFrameShape(QFrame::NoFrame);
    setFixedHeight(TEditorGeneric::Inaltime);
}

void TLinieGrupare::Adauga(TEditorGeneric* editor) {
    editor->setParent(this);
    editor->show();
    Editori.Add(editor);
    Aranjeaza();
}

int LatimeInLinie(int w, int latimeSugerata, int suma, int numarEditori) {
    const int latime = suma != 0 ? int(qint64(w) * latimeSugerata / suma) : w / std::max(numarEditori, 1);
    return std::max(latime, 16);
}

void TLinieGrupare::Aranjeaza() {
    int suma = 0;
    for (TEditorGeneric* e : Editori)
        suma += e->LatimeSugerata;
    const int w = contentsRect().width();
    int x = contentsRect().left();
    for (TEditorGeneric* e : Editori) {
        const int latime = LatimeInLinie(w, e->LatimeSugerata, suma, Editori.Count());
        if (e->width() != latime || e->x() != x) e->setGeometry(x, contentsRect().top(), latime, height());
        x += latime;
    }
}

void TLinieGrupare::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    Aranjeaza();
}
