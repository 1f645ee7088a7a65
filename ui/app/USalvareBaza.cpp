#include "app/USalvareBaza.h"

#include "app/USalvariAutomate.h"
#include "app/UVardolinMain.h"
#include "data/SalvareBaza.h"
#include "data/UDm.h"
#include "platform/Dialoguri.h"
#include "platform/Ecran.h"
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
    const QList<SalvariAutomate::Salvare> automate =
        SalvariAutomate::Salvarile(SalvariAutomate::Citeste(), dm.caleBazaDeDate());
    const QString fisier =
        automate.isEmpty()
            ? dialoguri().fisierDeDeschis(parinte, QStringLiteral("Restaurare din salvare"), filtru)
            : AlegeSalvarea(parinte, automate);
    if (fisier.isEmpty()) return false;
    SalvareBaza::Restaurare r;
    {
        TProgresSalvare progres(parinte, QStringLiteral("Restaurare din salvare"));
        progres.show();
        r = SalvareBaza::Pregateste(dm, fisier, [&](const QString& l) { progres.Adauga(l); });
    }
    const QString intrebare =
        QStringLiteral("Salvarea din %1 contine %2.\n\nBaza de date folosita acum (%3) va fi "
                       "inlocuita cu ea. Baza de acum se pastreaza in acelasi dosar, cu \"inainte-de-"
                       "restaurare\" si data in nume.\n\nInlocuiti baza de date?")
            .arg(r.dataSalvarii.toString(QStringLiteral("dd.MM.yyyy HH:mm")))
            .arg(NumarDeElevi(r.elevi))
            .arg(NumarDeElevi(dm.NumarElevi()));
    if (!dialoguri().intrebare(parinte, intrebare)) {
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
