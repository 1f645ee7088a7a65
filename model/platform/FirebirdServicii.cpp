#include "platform/FirebirdServicii.h"

#include "platform/BazaDeteriorata.h"
#include "platform/Eroare.h"
#include "platform/Firebird.h"
#include "platform/FirebirdClient.h"
#include "platform/IntrareStandard.h"
#include "platform/SirConexiune.h"

#include <firebird/Interface.h>

using namespace Firebird;

namespace {

// The service manager that serves the database: the embedded engine's, or the server's.
QByteArray managerulDeServicii(const QString& baza) {
    if (!EsteBazaPeServer(baza)) return "service_mgr";
    const QString nume = baza.trimmed();
    const qsizetype protocol = nume.indexOf(QStringLiteral("://"));
    if (protocol > 0) {
        const QString server = ServerulBazei(nume);
        return (nume.left(protocol + 3) + server + (server.isEmpty() ? QString() : QStringLiteral("/")) +
                QStringLiteral("service_mgr"))
            .toUtf8();
    }
    if (nume.startsWith(QStringLiteral("\\\\")))
        return (QStringLiteral("\\\\") + ServerulBazei(nume) + QStringLiteral("\\service_mgr")).toUtf8();
    return (ServerulBazei(nume) + QStringLiteral(":service_mgr")).toUtf8();
}

// Owns what the engine hands out for one service call.
class Serviciu {
public:
    explicit Serviciu(const FbServicii::Acces& acces) : status_(MasterFirebird()->getStatus()) {
        FbConexiune::pregatesteMotorulIncorporat();
        IXpbBuilder* spb = MasterFirebird()->getUtilInterface()->getXpbBuilder(
            &status_, IXpbBuilder::SPB_ATTACH, nullptr, 0);
        spb->insertString(&status_, isc_spb_user_name, acces.utilizator.toUtf8().constData());
        spb->insertString(&status_, isc_spb_password, acces.parola.toUtf8().constData());
        spb->insertString(&status_, isc_spb_expected_db, caleaBazei(acces.baza).constData());
        IProvider* furnizor = MasterFirebird()->getDispatcher();
        serviciu_ = furnizor->attachServiceManager(&status_, managerulDeServicii(acces.baza).constData(),
                                                   spb->getBufferLength(&status_), spb->getBuffer(&status_));
        furnizor->release();
        spb->dispose();
        verifica();
    }
    ~Serviciu() {
        if (!serviciu_) return;
        serviciu_->detach(&status_);
        if (status_.getState() & IStatus::STATE_ERRORS) serviciu_->release();
        status_.dispose();
    }
    Serviciu(const Serviciu&) = delete;
    Serviciu& operator=(const Serviciu&) = delete;

    static QByteArray caleaBazei(const QString& baza) {
        return (EsteBazaPeServer(baza) ? CaleaPeServer(baza) : baza).toUtf8();
    }

    // Starts the action described by the builder (disposed here) and follows it to its end.
    void ruleaza(IXpbBuilder* actiune, const FbServicii::Progres& progres) {
        serviciu_->start(&status_, actiune->getBufferLength(&status_), actiune->getBuffer(&status_));
        actiune->dispose();
        verifica();
        const unsigned char cerere[] = {isc_info_svc_line};
        unsigned char raspuns[16384];
        for (;;) {
            serviciu_->query(&status_, 0, nullptr, sizeof cerere, cerere, sizeof raspuns, raspuns);
            verifica();
            if (raspuns[0] != isc_info_svc_line) break;
            const unsigned lungime = unsigned(raspuns[1]) | (unsigned(raspuns[2]) << 8);
            if (lungime == 0) break; // the action has ended
            if (progres) progres(QString::fromUtf8(reinterpret_cast<const char*>(raspuns + 3), int(lungime)));
        }
    }

    IXpbBuilder* actiuneNoua(unsigned char fel) {
        IXpbBuilder* b =
            MasterFirebird()->getUtilInterface()->getXpbBuilder(&status_, IXpbBuilder::SPB_START, nullptr, 0);
        b->insertTag(&status_, fel);
        return b;
    }
    CheckStatusWrapper* status() { return &status_; }

private:
    void verifica() {
        if (status_.getState() & IStatus::STATE_ERRORS) {
            const QString text = TextulMotorului(&status_);
            NoteazaDeteriorarea(&status_);
            status_.init();
            throw Eroare(text);
        }
    }

    CheckStatusWrapper status_;
    IService* serviciu_ = nullptr;
};

} // namespace

namespace FbServicii {

void Salveaza(const Acces& acces, const QString& fisierSalvare, const Progres& progres) {
    try {
        Serviciu s(acces);
        IXpbBuilder* a = s.actiuneNoua(isc_action_svc_backup);
        a->insertString(s.status(), isc_spb_dbname, Serviciu::caleaBazei(acces.baza).constData());
        a->insertString(s.status(), isc_spb_bkp_file, fisierSalvare.toUtf8().constData());
        a->insertTag(s.status(), isc_spb_verbose);
        s.ruleaza(a, progres);
    } catch (const Eroare& e) {
        // Firebird 3 lets only SYSDBA and the database's owner back it up: not the program's own
        // user on a server.
        if (e.text().contains(QStringLiteral("SYSDBA or owner")))
            throw Eroare(
                QStringLiteral("Utilizatorul %1 nu are voie sa faca salvari ale bazei de date: serverul "
                               "Firebird le permite doar lui SYSDBA si proprietarului ei. Salvarile "
                               "le face administratorul serverului; opriti salvarile automate din "
                               "Configurare > Salvari automate.")
                    .arg(acces.utilizator.toUpper()));
        throw Eroare(
            QStringLiteral("Salvarea bazei de date in %1 nu a reusit.\n\n%2").arg(fisierSalvare, e.text()));
    }
}

void Restaureaza(const Acces& acces, const QString& fisierSalvare, const QString& bazaNoua,
                 const Progres& progres) {
    try {
        Serviciu s(acces);
        IXpbBuilder* a = s.actiuneNoua(isc_action_svc_restore);
        a->insertString(s.status(), isc_spb_bkp_file, fisierSalvare.toUtf8().constData());
        a->insertString(s.status(), isc_spb_dbname, Serviciu::caleaBazei(bazaNoua).constData());
        a->insertInt(s.status(), isc_spb_options, isc_spb_res_create);
        a->insertTag(s.status(), isc_spb_verbose);
        // A backup that ends too soon makes the embedded engine ask this process's input for the
        // next volume.
        const IntrareStandardGoala faraIntrare;
        s.ruleaza(a, progres);
    } catch (const Eroare& e) {
        throw Eroare(QStringLiteral("Restaurarea din %1 nu a reusit.\n\n%2").arg(fisierSalvare, e.text()));
    }
}

void Valideaza(const Acces& acces, const Progres& progres) {
    try {
        Serviciu s(acces);
        IXpbBuilder* a = s.actiuneNoua(isc_action_svc_validate);
        a->insertString(s.status(), isc_spb_dbname, Serviciu::caleaBazei(acces.baza).constData());
        s.ruleaza(a, progres);
    } catch (const Eroare& e) {
        throw Eroare(QStringLiteral("Verificarea bazei de date nu a putut fi facuta.\n\n%1").arg(e.text()));
    }
}

} // namespace FbServicii
