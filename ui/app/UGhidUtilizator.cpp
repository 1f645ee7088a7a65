#include "app/UGhidUtilizator.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QPointer<TGhidUtilizator> instanta;
QString dosarGhid = QStringLiteral(":/ghid");

constexpr int RolTinta = Qt::UserRole;

// The pages' pictures no wider than a page fits beside the contents.
class PaginaGhid : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int fel, const QUrl& nume) override {
        const QVariant v = QTextBrowser::loadResource(fel, nume);
        if (fel != QTextDocument::ImageResource) return v;
        const QImage imagine = v.canConvert<QImage>() && v.typeId() == QMetaType::QImage
                                   ? v.value<QImage>()
                                   : QImage::fromData(v.toByteArray());
        constexpr int Latime = 720;
        if (imagine.isNull() || imagine.width() <= Latime) return v;
        return imagine.scaledToWidth(Latime, Qt::SmoothTransformation);
    }
};

QTreeWidgetItem* element(const QString& titlu, const QString& tinta) {
    auto* e = new QTreeWidgetItem(QStringList{titlu});
    e->setData(0, RolTinta, tinta);
    return e;
}

// F1 anywhere: the guide at the section of the window that has the key.
class AjutorF1 : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* obiect, QEvent* e) override {
        if (e->type() != QEvent::KeyPress || !obiect->isWidgetType()) return false;
        if (static_cast<QKeyEvent*>(e)->key() != Qt::Key_F1) return false;
        const QWidget* fereastra = static_cast<QWidget*>(obiect)->window();
        if (qobject_cast<const TGhidUtilizator*>(fereastra)) return false;
        TGhidUtilizator::ArataPentru(fereastra);
        return true;
    }
};

} // namespace

TGhidUtilizator::TGhidUtilizator(const QString& dosar) : QWidget(nullptr, Qt::Window), ghid_(dosar) {
    setObjectName(QStringLiteral("GhidUtilizator"));
    setWindowTitle(QStringLiteral("Ghidul utilizatorului - Vardolin"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends with its main window, whether the guide is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(960, 680);

    Inapoi = new QPushButton(QStringLiteral("< Inapoi"), this);
    Inainte = new QPushButton(QStringLiteral("Inainte >"), this);
    Acasa = new QPushButton(QStringLiteral("Prima pagina"), this);
    Inapoi->setObjectName(QStringLiteral("Inapoi"));
    Inainte->setObjectName(QStringLiteral("Inainte"));
    Acasa->setObjectName(QStringLiteral("Acasa"));

    Cuprins = new QTreeWidget(this);
    Cuprins->setObjectName(QStringLiteral("Cuprins"));
    Cuprins->setHeaderHidden(true);
    Cautare = new QLineEdit(this);
    Cautare->setObjectName(QStringLiteral("Cautare"));
    Cautare->setPlaceholderText(QStringLiteral("Cuvintele cautate, apoi Enter"));
    Cautare->setClearButtonEnabled(true);
    Rezultate = new QListWidget(this);
    Rezultate->setObjectName(QStringLiteral("Rezultate"));
    Pagina = new PaginaGhid(this);
    Pagina->setObjectName(QStringLiteral("Pagina"));
    Pagina->setOpenExternalLinks(false);

    auto* cautare = new QWidget(this);
    auto* lc = new QVBoxLayout(cautare);
    lc->addWidget(Cautare);
    lc->addWidget(Rezultate);
    auto* stanga = new QTabWidget(this);
    stanga->setObjectName(QStringLiteral("Stanga"));
    stanga->addTab(Cuprins, QStringLiteral("Cuprins"));
    stanga->addTab(cautare, QStringLiteral("Cautare"));
    auto* despartire = new QSplitter(this);
    despartire->addWidget(stanga);
    despartire->addWidget(Pagina);
    despartire->setSizes({260, 700});

    auto* butoane = new QHBoxLayout;
    butoane->addWidget(Inapoi);
    butoane->addWidget(Inainte);
    butoane->addWidget(Acasa);
    butoane->addStretch();
    auto* l = new QVBoxLayout(this);
    l->addLayout(butoane);
    l->addWidget(despartire);

    umpleCuprinsul();
    Inapoi->setEnabled(false);
    Inainte->setEnabled(false);
    connect(Inapoi, &QPushButton::clicked, Pagina, &QTextBrowser::backward);
    connect(Inainte, &QPushButton::clicked, Pagina, &QTextBrowser::forward);
    connect(Acasa, &QPushButton::clicked, this, [this] { Deschide({}); });
    connect(Pagina, &QTextBrowser::backwardAvailable, Inapoi, &QPushButton::setEnabled);
    connect(Pagina, &QTextBrowser::forwardAvailable, Inainte, &QPushButton::setEnabled);
    connect(Cuprins, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* e) { Deschide(e->data(0, RolTinta).toString()); });
    connect(Cuprins, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* e) { Deschide(e->data(0, RolTinta).toString()); });
    connect(Cautare, &QLineEdit::returnPressed, this, &TGhidUtilizator::cauta);
    connect(Rezultate, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* e) { Deschide(e->data(RolTinta).toString()); });
    connect(Rezultate, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* e) { Deschide(e->data(RolTinta).toString()); });
}

void TGhidUtilizator::umpleCuprinsul() {
    for (const Ghid::Pagina& p : ghid_.pagini()) {
        QTreeWidgetItem* pagina = element(p.titlu, p.fisier);
        for (const Ghid::Sectiune& s : p.sectiuni)
            pagina->addChild(element(s.titlu, p.fisier + QLatin1Char('#') + s.ancora));
        Cuprins->addTopLevelItem(pagina);
    }
}

void TGhidUtilizator::cauta() {
    Rezultate->clear();
    const QList<Ghid::Gasit> gasite = ghid_.cauta(Cautare->text());
    for (const Ghid::Gasit& g : gasite) {
        auto* e = new QListWidgetItem(g.titlu, Rezultate);
        e->setData(RolTinta, g.tinta);
    }
    if (gasite.isEmpty() && !Cautare->text().trimmed().isEmpty())
        (new QListWidgetItem(QStringLiteral("Nimic gasit. Incercati alte cuvinte."), Rezultate))
            ->setFlags(Qt::NoItemFlags);
}

void TGhidUtilizator::Deschide(const QString& tinta) {
    if (tinta.isEmpty() && ghid_.pagini().isEmpty()) return;
    const QString loc = tinta.isEmpty() ? ghid_.pagini().first().fisier : tinta;
    Pagina->setSource(ghid_.url(loc));
}

QString TGhidUtilizator::Locul() const {
    return Ghid::tinta(Pagina->source());
}

void TGhidUtilizator::FolosesteDosarul(const QString& dosar) {
    dosarGhid = dosar.isEmpty() ? QStringLiteral(":/ghid") : dosar;
}

TGhidUtilizator* TGhidUtilizator::Deschis() {
    return instanta;
}

TGhidUtilizator* TGhidUtilizator::creata() {
    if (!instanta) {
        instanta = new TGhidUtilizator(dosarGhid);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, instanta, &QObject::deleteLater);
    }
    return instanta;
}

TGhidUtilizator* TGhidUtilizator::Arata(const QString& tinta) {
    creata()->langaFereastraModala();
    instanta->Deschide(tinta);
    instanta->show();
    instanta->raise();
    instanta->activateWindow();
    return instanta;
}

TGhidUtilizator* TGhidUtilizator::ArataPentru(const QWidget* fereastra) {
    return Arata(creata()->ghid_.sectiuneaFerestrei(fereastra ? fereastra->metaObject() : nullptr));
}

// A modal window blocks every window but its own children: beside one, the guide becomes its
// child window, and goes back to being on its own when that window closes.
void TGhidUtilizator::langaFereastraModala() {
    QWidget* modala = QApplication::activeModalWidget();
    if (modala == this || modala == parentWidget()) return;
    if (modala_) modala_->removeEventFilter(this);
    const QRect loc = geometry();
    const bool vizibila = isVisible();
    setParent(modala, Qt::Window);
    setGeometry(loc);
    if (vizibila) show();
    modala_ = modala;
    if (modala) modala->installEventFilter(this);
}

bool TGhidUtilizator::eventFilter(QObject* obiect, QEvent* e) {
    if (obiect == modala_ && e->type() == QEvent::Hide) {
        modala_->removeEventFilter(this);
        modala_ = nullptr;
        const QRect loc = geometry();
        const bool vizibila = isVisible();
        setParent(nullptr, Qt::Window);
        setGeometry(loc);
        if (vizibila) show();
        // Beside the modal window under the one that closed, if there is one.
        QTimer::singleShot(0, this, [this] {
            if (isVisible()) langaFereastraModala();
        });
    }
    return QWidget::eventFilter(obiect, e);
}

void InstaleazaAjutorF1() {
    const QString nume = QStringLiteral("AjutorF1");
    if (qApp->findChild<QObject*>(nume, Qt::FindDirectChildrenOnly)) return;
    auto* ajutor = new AjutorF1(qApp);
    ajutor->setObjectName(nume);
    qApp->installEventFilter(ajutor);
}
