#include "app/USalvariAutomate.h"

#include "app/USalvareBaza.h"
#include "app/UVardolinMain.h"
#include "data/SalvareBaza.h"
#include "data/UDm.h"
#include "platform/AlegereDosar.h"
#include "platform/BazaDeteriorata.h"
#include "platform/Dialoguri.h"
#include "platform/Ecran.h"
#include "platform/Eroare.h"
#include "platform/Protejat.h"
#include "platform/SirConexiune.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace SA = SalvariAutomate;

namespace {
QString dataSau(const QDateTime& moment, const QString& altfel) {
    return moment.isValid() ? moment.toString(QStringLiteral("dd.MM.yyyy HH:mm")) : altfel;
}

// After a backup made with `folosite`: today's date noted, the copy made when the second folder
// answers (only the backups on this computer can be copied). Only these two facts are stored; the
// other settings stay as they are stored. Returns why a second folder chosen got no copy (empty:
// copied, or none chosen).
QString dupaSalvare(SA::Setari& folosite, const QString& baza) {
    folosite.ultimaSalvare = QDate::currentDate();
    if (EsteBazaPeServer(baza)) {
        SA::Setari stocate = SA::Citeste();
        stocate.ultimaSalvare = folosite.ultimaSalvare;
        SA::Scrie(stocate);
        return {};
    }
    QString motiv;
    if (SA::Copiaza(folosite, &motiv)) folosite.ultimaCopie = QDateTime::currentDateTime();
    SA::Setari stocate = SA::Citeste();
    stocate.ultimaSalvare = folosite.ultimaSalvare;
    stocate.ultimaCopie = folosite.ultimaCopie;
    SA::Scrie(stocate);
    return folosite.dosarCopie.trimmed().isEmpty() ? QString() : motiv;
}

// A folder field with its "..." button opening the folder chooser.
QWidget* cuAlegereDosar(QLineEdit* camp, const QString& titlu) {
    auto* rand = new QWidget(camp->parentWidget());
    auto* alege = new QToolButton(rand);
    alege->setObjectName(camp->objectName() + QStringLiteral("Alege"));
    alege->setText(QStringLiteral("..."));
    alege->setToolTip(QStringLiteral("Alegeti dosarul"));
    camp->setMinimumWidth(380);
    QObject::connect(alege, &QToolButton::clicked, camp, [camp, titlu] {
        const QString ales = alegeDosar(camp->window(), titlu, QDir::fromNativeSeparators(camp->text()));
        if (!ales.isEmpty()) camp->setText(QDir::toNativeSeparators(ales));
    });
    auto* l = new QHBoxLayout(rand);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(camp, 1);
    l->addWidget(alege);
    return rand;
}
} // namespace

TSalvariAutomate::TSalvariAutomate(QWidget* owner, TDM& dm)
    : QDialog(owner), dm_(dm), setari_(SA::Citeste()), baza_(dm.caleBazaDeDate()),
      peServer_(EsteBazaPeServer(baza_)) {
    setObjectName(QStringLiteral("SalvariAutomate"));
    setWindowTitle(QStringLiteral("Salvari automate"));
    ChkActiv = new QCheckBox(QStringLiteral("Salvare automata la prima pornire din fiecare zi"), this);
    ChkActiv->setObjectName(QStringLiteral("ChkActiv"));
    EdDosar = new QLineEdit(QDir::toNativeSeparators(SA::Dosar(setari_)), this);
    EdDosar->setObjectName(QStringLiteral("EdDosar"));
    EdDosarCopie = new QLineEdit(QDir::toNativeSeparators(setari_.dosarCopie), this);
    EdDosarCopie->setObjectName(QStringLiteral("EdDosarCopie"));
    EdDosarCopie->setPlaceholderText(QStringLiteral("un stick USB sau un dosar din retea; gol: fara copie"));
    SpinZilnice = new QSpinBox(this);
    SpinZilnice->setObjectName(QStringLiteral("SpinZilnice"));
    SpinZilnice->setRange(1, 365);
    SpinLunare = new QSpinBox(this);
    SpinLunare->setObjectName(QStringLiteral("SpinLunare"));
    SpinLunare->setRange(0, 120);
    LblUltima = new QLabel(this);
    LblUltima->setObjectName(QStringLiteral("LblUltima"));
    LblPeServer = new QLabel(this);
    LblPeServer->setObjectName(QStringLiteral("LblPeServer"));
    LblPeServer->setWordWrap(true);
    if (peServer_) {
        // The server's folder is set with the connection, the same for every computer.
        EdDosar->setText(SA::DosarPeServer(setari_, baza_));
        EdDosar->setReadOnly(true);
        EdDosarCopie->setEnabled(false);
        LblPeServer->setText(
            QStringLiteral("Baza de date este pe serverul %1: salvarile sunt scrise de server, pe discul "
                           "lui, in dosarul de mai sus (se schimba in Configurare > Baza de date). Acolo "
                           "fiecare zi si fiecare luna pastrata are salvarea ei (Vardolin-zi-NN.fbk, "
                           "Vardolin-luna-NN.fbk), inlocuita cand ii vine iar randul. A doua copie se face "
                           "doar pentru o baza de date de pe acest calculator.")
                .arg(ServerulBazei(baza_)));
    }
    LblPeServer->setVisible(peServer_);
    auto* acum = new QPushButton(QStringLiteral("Salveaza acum"), this);
    acum->setObjectName(QStringLiteral("BtnSalveazaAcum"));
    auto* butoane = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    ChkActiv->setChecked(setari_.activ);
    SpinZilnice->setValue(setari_.zilnice);
    SpinLunare->setValue(setari_.lunare);
    auto* forma = new QFormLayout;
    forma->addRow(ChkActiv);
    forma->addRow(QStringLiteral("Dosarul salvarilor:"),
                  cuAlegereDosar(EdDosar, QStringLiteral("Dosarul salvarilor automate")));
    forma->addRow(QStringLiteral("A doua copie in:"),
                  cuAlegereDosar(EdDosarCopie, QStringLiteral("Dosarul pentru a doua copie")));
    forma->addRow(QStringLiteral("Zile pastrate:"), SpinZilnice);
    forma->addRow(QStringLiteral("Luni pastrate (prima salvare a lunii):"), SpinLunare);
    forma->addRow(LblPeServer);
    forma->addRow(LblUltima);
    auto* l = new QVBoxLayout(this);
    l->addLayout(forma);
    l->addWidget(acum, 0, Qt::AlignLeft);
    l->addWidget(butoane);
    arataUltimele();
    connect(acum, &QPushButton::clicked, this, &TSalvariAutomate::SalveazaAcum);
    connect(butoane, &QDialogButtonBox::accepted, this, &TSalvariAutomate::accept);
    connect(butoane, &QDialogButtonBox::rejected, this, &TSalvariAutomate::reject);
    CentreazaFereastra(this);
}

void TSalvariAutomate::citesteCampurile() {
    // The dates of the last backup and copy as stored now (the daily backup may have just ended).
    setari_ = SA::Citeste();
    setari_.activ = ChkActiv->isChecked();
    if (!peServer_) {
        const QString dosar = QDir::fromNativeSeparators(EdDosar->text().trimmed());
        setari_.dosar = dosar == SA::Dosar(SA::Setari{}) ? QString() : dosar;
        setari_.dosarCopie = QDir::fromNativeSeparators(EdDosarCopie->text().trimmed());
    }
    setari_.zilnice = SpinZilnice->value();
    setari_.lunare = SpinLunare->value();
    SA::VerificaDosarulCopiei(setari_.dosarCopie);
}

void TSalvariAutomate::arataUltimele() {
    const QList<SA::Salvare> salvari = SA::Salvarile(setari_, baza_);
    LblUltima->setText(QStringLiteral("Ultima salvare: %1\nUltima copie in al doilea dosar: %2")
                           .arg(salvari.isEmpty()
                                    ? QStringLiteral("niciuna")
                                    : QStringLiteral("%1 (%2)").arg(dataSau(salvari.first().moment, {}),
                                                                    NumarDeElevi(salvari.first().elevi)),
                                dataSau(setari_.ultimaCopie, QStringLiteral("niciuna"))));
}

void TSalvariAutomate::SalveazaAcum() {
    protejat(this, [&] {
        // What is typed is used, not stored: Ok stores it, Renunt leaves the settings as they were.
        citesteCampurile();
        QString faraCopie;
        const SA::Salvare s = SalvareAutomataAcum(this, dm_, setari_, &faraCopie);
        citesteCampurile(); // with the dates just stored
        arataUltimele();
        const QString text =
            peServer_
                ? QStringLiteral("Baza de date a fost salvata si verificata de server, pe discul lui, in\n%1")
                      .arg(s.fisier)
                : QStringLiteral("Baza de date a fost salvata si verificata in\n%1")
                      .arg(QDir::toNativeSeparators(s.fisier));
        if (faraCopie.isEmpty())
            dialoguri().mesaj(this, text);
        else
            dialoguri().avertisment(
                this, text + QStringLiteral("\n\nCopia in al doilea dosar NU a fost facuta. ") + faraCopie);
    });
}

void TSalvariAutomate::accept() {
    protejat(this, [&] {
        citesteCampurile();
        if (!peServer_ && !QDir().mkpath(SA::Dosar(setari_)))
            throw Eroare(QStringLiteral("Dosarul %1 nu poate fi creat. Alegeti alt dosar pentru salvari.")
                             .arg(EdDosar->text()));
        SA::Scrie(setari_);
        QDialog::accept();
    });
}

SA::Salvare SalvareAutomataAcum(QWidget* parinte, TDM& dm) {
    return SalvareAutomataAcum(parinte, dm, SA::Citeste());
}

SA::Salvare SalvareAutomataAcum(QWidget* parinte, TDM& dm, SA::Setari setari, QString* faraCopie) {
    SA::Salvare s;
    {
        TProgresSalvare progres(parinte, QStringLiteral("Salvare automata"));
        progres.show();
        s = SA::Fa(SalvareBaza::Accesul(dm), setari, QDateTime::currentDateTime(),
                   [&](const QString& l) { progres.Adauga(l); });
    }
    const QString motiv = dupaSalvare(setari, dm.caleBazaDeDate());
    if (faraCopie) *faraCopie = motiv;
    return s;
}

TSalvareZilnica::TSalvareZilnica(QWidget* fereastra) : QObject(fereastra), fereastra_(fereastra) {}

TSalvareZilnica::~TSalvareZilnica() {
    Asteapta();
}

void TSalvareZilnica::Asteapta() {
    if (!fir_) return;
    // Closing during the backup: it is finished, recorded and copied before the program ends.
    if (!fir_->wait(QDeadlineTimer(300))) {
        TProgresSalvare asteptare(nullptr, QStringLiteral("Salvare automata"));
        asteptare.Adauga(
            QStringLiteral("Se termina salvarea automata de azi; programul se inchide dupa ea."));
        asteptare.show();
        while (!fir_->wait(QDeadlineTimer(100)))
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    delete fir_;
    fir_ = nullptr;
    Incheie();
}

void TSalvareZilnica::Incheie() {
    protejat(fereastra_, [&] {
        SA::Setari setari = SA::Citeste();
        if (!eroare_.isEmpty()) {
            dialoguri().eroare(fereastra_,
                               QStringLiteral("Salvarea automata de azi nu a reusit.\n\n") + eroare_);
        } else {
            dupaSalvare(setari, baza_);
        }
        if (const QString avertisment = SA::AvertismentCopie(setari, QDate::currentDate());
            !avertisment.isEmpty() && !EsteBazaPeServer(baza_)) {
            setari.copieLipsaAnuntata = QDate::currentDate();
            SA::Scrie(setari);
            dialoguri().avertisment(fereastra_, avertisment);
        }
    });
    emit Terminata();
}

bool TSalvareZilnica::PornesteDacaEDatorata(TDM& dm) {
    const SA::Setari setari = SA::Citeste();
    if (fir_ || !dm.Db.conectata() || BazaGasitaDeteriorata() ||
        !SA::EsteDatorata(setari, QDate::currentDate()))
        return false;
    // Taken here: the worker never touches the data module.
    const FbServicii::Acces acces = SalvareBaza::Accesul(dm);
    baza_ = acces.baza;
    eroare_.clear();
    fir_ = QThread::create([this, acces, setari] {
        try {
            SA::Fa(acces, setari, QDateTime::currentDateTime());
        } catch (const Eroare& e) {
            eroare_ = e.text();
        }
    });
    connect(fir_, &QThread::finished, this, [this] {
        // Asteapta may have finished it already.
        if (!fir_) return;
        fir_->wait();
        delete fir_;
        fir_ = nullptr;
        Incheie();
    });
    fir_->start(QThread::LowPriority);
    return true;
}

QString AlegeSalvarea(QWidget* parinte, const QList<SA::Salvare>& salvari) {
    QDialog f(parinte);
    f.setObjectName(QStringLiteral("AlegeSalvarea"));
    f.setWindowTitle(QStringLiteral("Restaurare din salvare"));
    auto* lista = new QListWidget(&f);
    lista->setObjectName(QStringLiteral("LstSalvari"));
    // Two backups in the same minute would read the same: those show their seconds.
    QStringList minute;
    for (const SA::Salvare& s : salvari)
        minute << dataSau(s.moment, {});
    for (const SA::Salvare& s : salvari) {
        const QString moment = minute.count(dataSau(s.moment, {})) > 1
                                   ? s.moment.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"))
                                   : dataSau(s.moment, {});
        auto* rand =
            new QListWidgetItem(QStringLiteral("%1  -  %2").arg(moment, NumarDeElevi(s.elevi)), lista);
        rand->setData(Qt::UserRole, s.fisier);
    }
    lista->setCurrentRow(0);
    QString ales;
    auto* butoane = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &f);
    QPushButton* alt = butoane->addButton(QStringLiteral("Alt fisier..."), QDialogButtonBox::ActionRole);
    alt->setObjectName(QStringLiteral("BtnAltFisier"));
    QObject::connect(butoane, &QDialogButtonBox::accepted, &f, [&] {
        if (lista->currentItem()) ales = lista->currentItem()->data(Qt::UserRole).toString();
        f.accept();
    });
    QObject::connect(butoane, &QDialogButtonBox::rejected, &f, &QDialog::reject);
    QObject::connect(alt, &QPushButton::clicked, &f, [&] {
        ales = dialoguri().fisierDeDeschis(&f, QStringLiteral("Restaurare din salvare"),
                                           QStringLiteral("Salvari Vardolin (*.fbk)"));
        if (!ales.isEmpty()) f.accept();
    });
    auto* l = new QVBoxLayout(&f);
    l->addWidget(new QLabel(QStringLiteral("Salvarile automate, cea mai noua prima:"), &f));
    l->addWidget(lista);
    l->addWidget(butoane);
    f.resize(460, 360);
    return dialoguri().arataModal(f) == QDialog::Accepted ? ales : QString();
}

void VerificaBazaDeDate(QWidget* parinte, TDM& dm) {
    SalvareBaza::RezultatVerificare r;
    {
        TProgresSalvare progres(parinte, QStringLiteral("Verifica baza de date"));
        progres.show();
        r = SalvareBaza::VerificaBaza(SalvareBaza::Accesul(dm), [&](const QString& l) { progres.Adauga(l); });
    }
    if (r.faraErori)
        dialoguri().mesaj(parinte, r.text);
    else
        dialoguri().eroare(parinte, r.text);
}
