#include "app/USetariBazaDeDate.h"

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
    EdFisier->setPlaceholderText(QStringLiteral("(implicit: DB/Vardolin2006.FDB langa program)"));
    BtnAlegeFisier = numit(new QPushButton(QStringLiteral("..."), this), "BtnAlegeFisier");
    RbServer =
        numit(new QRadioButton(QStringLiteral("Server Firebird (mai multe calculatoare)"), this), "RbServer");
    EdServer = numit(new QLineEdit(this), "EdServer");
    EdServer->setPlaceholderText(QStringLiteral("server:/srv/vardolin/Vardolin2006.FDB"));
    EdUtilizator = numit(new QLineEdit(this), "EdUtilizator");
    EdParola = numit(new QLineEdit(this), "EdParola");
    EdParola->setEchoMode(QLineEdit::Password);
    LblMediu = numit(new QLabel(this), "LblMediu");
    LblMediu->setWordWrap(true);
    BtnIncearca = numit(new QPushButton(QStringLiteral("Incearca conexiunea"), this), "BtnIncearca");
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
    campuri->addRow(QStringLiteral("Utilizator:"), EdUtilizator);
    campuri->addRow(QStringLiteral("Parola:"), EdParola);
    auto* butoane = new QHBoxLayout;
    butoane->addWidget(BtnIncearca);
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
    EdUtilizator->setText(s.utilizator);
    EdParola->setText(s.parola);
    actualizeazaStarea();
}

void TSetariBazaDeDate::actualizeazaStarea() {
    EdFisier->setEnabled(RbFisier->isChecked());
    BtnAlegeFisier->setEnabled(RbFisier->isChecked());
    EdServer->setEnabled(RbServer->isChecked());
}

SetariConexiune TSetariBazaDeDate::Setari() const {
    SetariConexiune s;
    s.baza = (RbServer->isChecked() ? EdServer : EdFisier)->text().trimmed();
    s.utilizator = EdUtilizator->text().trimmed();
    s.parola = EdParola->text();
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
