#include "app/USalvareBaza.h"

#include "app/USalvariAutomate.h"
#include "app/UVardolinMain.h"
#include "data/SalvareBaza.h"
#include "data/UDm.h"
#include "platform/BazaDeteriorata.h"
#include "platform/Dialoguri.h"
#include "platform/Ecran.h"
#include "platform/Eroare.h"
#include "platform/SirConexiune.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {
const QString filtru = QStringLiteral("Salvari Vardolin (*.fbk)");

// The automatic backups to choose from, or any backup file when there are none.
QString alegeSalvarea(QWidget* parinte, const QString& baza) {
    const QList<SalvariAutomate::Salvare> automate =
        SalvariAutomate::Salvarile(SalvariAutomate::Citeste(), baza);
    return automate.isEmpty()
               ? dialoguri().fisierDeDeschis(parinte, QStringLiteral("Restaurare din salvare"), filtru)
               : AlegeSalvarea(parinte, automate);
}

SalvareBaza::Restaurare pregatesteCuProgres(QWidget* parinte, const auto& pregateste) {
    TProgresSalvare progres(parinte, QStringLiteral("Restaurare din salvare"));
    progres.show();
    return pregateste([&](const QString& l) { progres.Adauga(l); });
}

QString intrebareaRestaurarii(const SalvareBaza::Restaurare& r, const QString& bazaDeAcum) {
    return QStringLiteral("Salvarea din %1 contine %2.\n\n%3 va fi inlocuita cu ea. Baza de acum se "
                          "pastreaza in acelasi dosar, cu \"inainte-de-restaurare\" si data in nume.\n\n"
                          "Inlocuiti baza de date?")
        .arg(r.dataSalvarii.toString(QStringLiteral("dd.MM.yyyy HH:mm")), NumarDeElevi(r.elevi), bazaDeAcum);
}
} // namespace

TProgresSalvare::TProgresSalvare(QWidget* owner, const QString& titlu) : QDialog(owner) {
    setObjectName(QStringLiteral("ProgresSalvare"));
    setWindowTitle(titlu);
    setWindowModality(Qt::ApplicationModal);
    LblStare = new QLabel(this);
    LblStare->setObjectName(QStringLiteral("LblStare"));
    LblStare->setMinimumWidth(420);
    Bara = new QProgressBar(this);
    Bara->setObjectName(QStringLiteral("Bara"));
    Bara->setRange(0, 0);
    auto* l = new QVBoxLayout(this);
    l->addWidget(LblStare);
    l->addWidget(Bara);
    CentreazaFereastra(this);
}

void TProgresSalvare::Adauga(const QString& linie) {
    LblStare->setText(linie.trimmed().left(80));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void SalveazaBazaDeDate(QWidget* parinte, TDM& dm) {
    const QString baza = dm.caleBazaDeDate();
    const QString nume = SalvareBaza::NumeImplicit(QDate::currentDate());
    QString fisier;
    if (SalvareBaza::FisiereleSuntPeAcestCalculator(baza)) {
        // A fresh account may have no Documents folder yet: the dialog would open elsewhere.
        QString documente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QDir().mkpath(documente)) documente = QDir::homePath();
        fisier = dialoguri().fisierDeSalvat(parinte, QStringLiteral("Salvare baza de date"), filtru,
                                            QDir(documente).filePath(nume));
        if (fisier.isEmpty()) return;
        if (QFileInfo(fisier).suffix().isEmpty()) fisier += QStringLiteral(".fbk");
    } else {
        fisier = SalvareBaza::FisierPeServer(baza, QDate::currentDate());
        if (!dialoguri().intrebare(parinte,
                                   QStringLiteral("Baza de date este pe serverul %1. Salvarea va fi "
                                                  "scrisa de server, pe discul lui, in fisierul\n%2\n\n"
                                                  "Continuati?")
                                       .arg(ServerulBazei(baza), fisier)))
            return;
    }
    {
        TProgresSalvare progres(parinte, QStringLiteral("Salvare baza de date"));
        progres.show();
        SalvareBaza::Salveaza(dm, fisier, [&](const QString& l) { progres.Adauga(l); });
    }
    dialoguri().mesaj(parinte, QStringLiteral("Baza de date a fost salvata in\n%1").arg(fisier));
}

bool RestaureazaBazaDeDate(QWidget* parinte, TDM& dm) {
    if (BazaGasitaDeteriorata()) return RestaureazaBazaDeteriorata(parinte, dm);
    const QString fisier = alegeSalvarea(parinte, dm.caleBazaDeDate());
    if (fisier.isEmpty()) return false;
    const SalvareBaza::Restaurare r = pregatesteCuProgres(
        parinte, [&](const FbServicii::Progres& p) { return SalvareBaza::Pregateste(dm, fisier, p); });
    if (!dialoguri().intrebare(
            parinte,
            intrebareaRestaurarii(
                r, QStringLiteral("Baza de date folosita acum (%1)").arg(NumarDeElevi(dm.NumarElevi()))))) {
        SalvareBaza::Abandoneaza(r);
        return false;
    }
    // The database about to be replaced is backed up first, like every day's.
    try {
        SalvareAutomataAcum(parinte, dm);
    } catch (...) {
        SalvareBaza::Abandoneaza(r);
        throw;
    }
    const QString vechi = SalvareBaza::Inlocuieste(dm, r);
    dialoguri().mesaj(parinte,
                      QStringLiteral("Baza de date a fost restaurata. Baza inlocuita a fost pastrata "
                                     "ca\n%1")
                          .arg(QDir::toNativeSeparators(vechi)));
    return true;
}

bool RestaureazaBazaDeteriorata(QWidget* parinte, TDM& dm) {
    const QString fisier = alegeSalvarea(parinte, dm.caleBazaDeDate());
    if (fisier.isEmpty()) return false;
    const FbServicii::Acces acces = SalvareBaza::Accesul(dm);
    const SalvareBaza::Restaurare r = pregatesteCuProgres(parinte, [&](const FbServicii::Progres& p) {
        return SalvareBaza::PregatesteInAltProces(acces, fisier, p);
    });
    // A damaged database cannot be backed up first: it is kept whole beside the restored one.
    if (!dialoguri().intrebare(parinte,
                               intrebareaRestaurarii(r, QStringLiteral("Baza de date deteriorata")))) {
        SalvareBaza::Abandoneaza(r);
        return false;
    }
    try {
        dm.Db.deconecteaza();
    } catch (const Eroare&) {
        // The engine has already let it go after its consistency check.
    }
    const QString vechi = SalvareBaza::InlocuiesteFisierul(acces.baza, r);
    dialoguri().mesaj(parinte,
                      QStringLiteral("Baza de date a fost restaurata. Baza deteriorata a fost pastrata "
                                     "ca\n%1\n\nProgramul se inchide acum. Porniti-l din nou ca sa "
                                     "lucrati cu baza restaurata.")
                          .arg(QDir::toNativeSeparators(vechi)));
    return true;
}
