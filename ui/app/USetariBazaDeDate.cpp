#include "app/USetariBazaDeDate.h"

#include "data/UtilizatorProgram.h"
#include "platform/Dialoguri.h"
#include "platform/Ecran.h"
#include "platform/Eroare.h"
#include "platform/Protejat.h"
#include "platform/SirConexiune.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
template <class T> T* numit(T* w, const char* nume) {
    w->setObjectName(QLatin1String(nume));
    return w;
}
} // namespace

TSetariBazaDeDate::TSetariBazaDeDate(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("SetariBazaDeDate"));
    setWindowTitle(QStringLiteral("Baza de date"));

    RbFisier = numit(new QRadioButton(QStringLiteral("Fisier pe acest calculator"), this), "RbFisier");
    EdFisier = numit(new QLineEdit(this), "EdFisier");
    EdFisier->setPlaceholderText(QStringLiteral("(implicit: DB/Vardolin2006.FDB din dosarul de date)"));
    BtnAlegeFisier = numit(new QPushButton(QStringLiteral("..."), this), "BtnAlegeFisier");
    RbServer =
        numit(new QRadioButton(QStringLiteral("Server Firebird (mai multe calculatoare)"), this), "RbServer");
    EdServer = numit(new QLineEdit(this), "EdServer");
    EdServer->setPlaceholderText(QStringLiteral("server:/srv/vardolin/Vardolin2006.FDB"));
    EdDosarSalvari = numit(new QLineEdit(this), "EdDosarSalvari");
    EdDosarSalvari->setPlaceholderText(QStringLiteral("(implicit: dosarul bazei de date pe server)"));
    EdDosarSalvari->setToolTip(QStringLiteral("Dosarul de pe server in care serverul scrie salvarile, asa "
                                              "cum il vede serverul (de exemplu /srv/vardolin/salvari sau "
                                              "C:\\Salvari); trebuie sa existe pe server"));
    EdUtilizator = numit(new QLineEdit(this), "EdUtilizator");
    EdParola = numit(new QLineEdit(this), "EdParola");
    EdParola->setEchoMode(QLineEdit::Password);
    LblMediu = numit(new QLabel(this), "LblMediu");
    LblMediu->setWordWrap(true);
    BtnIncearca = numit(new QPushButton(QStringLiteral("Incearca conexiunea"), this), "BtnIncearca");
    BtnUtilizatorPropriu = numit(new QPushButton(QStringLiteral("Utilizator propriu pe server..."), this),
                                 "BtnUtilizatorPropriu");
    BtnUtilizatorPropriu->setToolTip(
        QStringLiteral("Creeaza pe server un utilizator al programului, cu drepturi "
                       "doar pe aceasta baza de date, in locul lui SYSDBA"));
    BtnOk = numit(new QPushButton(QStringLiteral("Ok"), this), "BtnOk");
    BtnRenunta = numit(new QPushButton(QStringLiteral("Renunta"), this), "BtnRenunta");

    auto* fisier = new QHBoxLayout;
    fisier->addWidget(EdFisier);
    fisier->addWidget(BtnAlegeFisier);
    auto* campuri = new QFormLayout;
    campuri->addRow(RbFisier);
    campuri->addRow(fisier);
    campuri->addRow(RbServer);
    campuri->addRow(EdServer);
    campuri->addRow(QStringLiteral("Dosarul salvarilor pe server:"), EdDosarSalvari);
    campuri->addRow(QStringLiteral("Utilizator:"), EdUtilizator);
    campuri->addRow(QStringLiteral("Parola:"), EdParola);
    auto* butoane = new QHBoxLayout;
    butoane->addWidget(BtnIncearca);
    butoane->addWidget(BtnUtilizatorPropriu);
    butoane->addStretch();
    butoane->addWidget(BtnOk);
    butoane->addWidget(BtnRenunta);
    auto* tot = new QVBoxLayout(this);
    tot->addLayout(campuri);
    tot->addWidget(LblMediu);
    tot->addLayout(butoane);

    connect(RbFisier, &QRadioButton::toggled, this, [this] { actualizeazaStarea(); });
    connect(BtnIncearca, &QPushButton::clicked, this, &TSetariBazaDeDate::BtnIncearcaClick);
    connect(BtnOk, &QPushButton::clicked, this, &TSetariBazaDeDate::BtnOkClick);
    connect(BtnRenunta, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnAlegeFisier, &QPushButton::clicked, this, &TSetariBazaDeDate::BtnAlegeFisierClick);
    connect(BtnUtilizatorPropriu, &QPushButton::clicked, this, &TSetariBazaDeDate::BtnUtilizatorPropriuClick);
    connect(EdUtilizator, &QLineEdit::textChanged, this, [this] { actualizeazaStarea(); });

    arata(CitesteSetariConexiune());
    const QStringList mediu = VariabileConexiuneDinMediu();
    LblMediu->setText(mediu.isEmpty() ? QString()
                                      : QStringLiteral("Atentie: variabilele de mediu %1 sunt setate si au "
                                                       "intaietate fata de aceste setari.")
                                            .arg(mediu.join(QStringLiteral(", "))));
    LblMediu->setVisible(!mediu.isEmpty());
    resize(520, sizeHint().height());
    CentreazaFereastra(this);
}

void TSetariBazaDeDate::arata(const SetariConexiune& s) {
    const bool server = EsteBazaPeServer(s.baza);
    (server ? RbServer : RbFisier)->setChecked(true);
    (server ? EdServer : EdFisier)->setText(s.baza);
    EdDosarSalvari->setText(s.dosarSalvari);
    EdUtilizator->setText(s.utilizator);
    EdParola->setText(s.parola);
    actualizeazaStarea();
}

void TSetariBazaDeDate::actualizeazaStarea() {
    EdFisier->setEnabled(RbFisier->isChecked());
    BtnAlegeFisier->setEnabled(RbFisier->isChecked());
    EdServer->setEnabled(RbServer->isChecked());
    EdDosarSalvari->setEnabled(RbServer->isChecked());
    // Offered once: while the server is reached as SYSDBA.
    BtnUtilizatorPropriu->setVisible(
        RbServer->isChecked() &&
        EdUtilizator->text().trimmed().compare(QStringLiteral("SYSDBA"), Qt::CaseInsensitive) == 0);
}

SetariConexiune TSetariBazaDeDate::Setari() const {
    SetariConexiune s;
    s.baza = (RbServer->isChecked() ? EdServer : EdFisier)->text().trimmed();
    s.utilizator = EdUtilizator->text().trimmed();
    s.parola = EdParola->text();
    if (RbServer->isChecked()) s.dosarSalvari = EdDosarSalvari->text().trimmed();
    return s;
}

void TSetariBazaDeDate::BtnAlegeFisierClick() {
    const QString f = dialoguri().fisierDeDeschis(this, QStringLiteral("Alegeti baza de date"),
                                                  QStringLiteral("Baze de date Firebird (*.FDB *.fdb)"));
    if (!f.isEmpty()) EdFisier->setText(f);
}

void TSetariBazaDeDate::BtnIncearcaClick() {
    protejat(this, [&] {
        IncearcaConexiunea(Setari());
        dialoguri().mesaj(this, QStringLiteral("Conexiunea la baza de date reuseste."));
    });
}

void TSetariBazaDeDate::BtnOkClick() {
    protejat(this, [&] {
        const SetariConexiune s = Setari();
        if (RbServer->isChecked() && !EsteBazaPeServer(s.baza)) {
            dialoguri().avertisment(this,
                                    QStringLiteral("Scrieti numele serverului si calea bazei de date pe "
                                                   "server, de exemplu server:/srv/vardolin/"
                                                   "Vardolin2006.FDB sau server/3051:/srv/..."));
            return;
        }
        if (RbFisier->isChecked() && EsteBazaPeServer(s.baza)) {
            dialoguri().avertisment(this, QStringLiteral("%1 este numele unei baze de date pe server; "
                                                         "alegeti \"Server Firebird\".")
                                              .arg(s.baza));
            return;
        }
        if (s.utilizator.isEmpty()) {
            dialoguri().avertisment(this,
                                    QStringLiteral("Scrieti numele utilizatorului (de obicei sysdba)."));
            return;
        }
        ScrieSetariConexiune(s);
        accept();
    });
}

void TSetariBazaDeDate::BtnUtilizatorPropriuClick() {
    protejat(this, [&] {
        QDialog f(this);
        f.setObjectName(QStringLiteral("UtilizatorPropriu"));
        f.setWindowTitle(QStringLiteral("Utilizator propriu pe server"));
        auto* sysdba = numit(new QLineEdit(&f), "EdParolaSysdba");
        auto* nume = numit(new QLineEdit(QStringLiteral("VARDOLIN"), &f), "EdNumeNou");
        auto* parola = numit(new QLineEdit(&f), "EdParolaNoua");
        for (QLineEdit* e : {sysdba, parola})
            e->setEchoMode(QLineEdit::Password);
        auto* explicatie =
            new QLabel(QStringLiteral("Parola lui SYSDBA este folosita doar acum, pentru a crea "
                                      "utilizatorul; nu se pastreaza nicaieri."),
                       &f);
        explicatie->setWordWrap(true);
        auto* butoane = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &f);
        auto* campuri = new QFormLayout(&f);
        campuri->addRow(explicatie);
        campuri->addRow(QStringLiteral("Parola SYSDBA:"), sysdba);
        campuri->addRow(QStringLiteral("Utilizator nou:"), nume);
        campuri->addRow(QStringLiteral("Parola lui (min. 8 caractere):"), parola);
        campuri->addRow(butoane);
        connect(butoane, &QDialogButtonBox::accepted, &f, &QDialog::accept);
        connect(butoane, &QDialogButtonBox::rejected, &f, &QDialog::reject);
        if (dialoguri().arataModal(f) != QDialog::Accepted) return;
        SetariConexiune s = Setari();
        UtilizatorProgram::Creeaza(s.baza, sysdba->text(), nume->text().trimmed(), parola->text());
        s.utilizator = nume->text().trimmed().toUpper();
        s.parola = parola->text();
        ScrieSetariConexiune(s);
        arata(s);
        dialoguri().mesaj(this,
                          QStringLiteral("Utilizatorul %1 a fost creat pe server si este folosit de acum "
                                         "inainte. Folositi acelasi nume si parola pe celelalte "
                                         "calculatoare.")
                              .arg(s.utilizator));
    });
}
