#include "platform/FirebirdServicii.h"

#include "platform/BazaDeteriorata.h"
#include "platform/Eroare.h"
#include "platform/Firebird.h"
#include "platform/SirConexiune.h"

#include <QFile>
#include <algorithm>
#include <firebird/Interface.h>
#include <vector>

using namespace Firebird;

namespace {

IMaster* master() {
    static IMaster* m = fb_get_master_interface();
    return m;
}

QString textulMotorului(const IStatus* status) {
    char buffer[2048];
    master()->getUtilInterface()->formatStatus(buffer, sizeof buffer, const_cast<IStatus*>(status));
    return QString::fromUtf8(buffer).trimmed();
}

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
    explicit Serviciu(const FbServicii::Acces& acces) : status_(master()->getStatus()) {
        FbConexiune::pregatesteMotorulIncorporat();
        IXpbBuilder* spb =
            master()->getUtilInterface()->getXpbBuilder(&status_, IXpbBuilder::SPB_ATTACH, nullptr, 0);
        spb->insertString(&status_, isc_spb_user_name, acces.utilizator.toUtf8().constData());
        spb->insertString(&status_, isc_spb_password, acces.parola.toUtf8().constData());
        spb->insertString(&status_, isc_spb_expected_db, caleaBazei(acces.baza).constData());
        IProvider* furnizor = master()->getDispatcher();
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

    // Starts the action described by the builder (disposed here) and follows it to its end. A
    // restore that reads its backup from this process gets the bytes it asks for from `intrare`,
    // and the end of the file when it is read.
    void ruleaza(IXpbBuilder* actiune, const FbServicii::Progres& progres, QIODevice* intrare = nullptr) {
        serviciu_->start(&status_, actiune->getBufferLength(&status_), actiune->getBuffer(&status_));
        actiune->dispose();
        verifica();
        const std::vector<unsigned char> cerere =
            intrare ? std::vector<unsigned char>{isc_info_svc_line, isc_info_svc_stdin}
                    : std::vector<unsigned char>{isc_info_svc_line};
        std::vector<unsigned char> raspuns(16384);
        unsigned cerut = 0;
        for (bool continua = true; continua;) {
            const QByteArray trimis = intrare ? deTrimis(*intrare, cerut) : QByteArray();
            serviciu_->query(
                &status_, unsigned(trimis.size()), reinterpret_cast<const unsigned char*>(trimis.constData()),
                unsigned(cerere.size()), cerere.data(), unsigned(raspuns.size()), raspuns.data());
            verifica();
            continua = citesteRaspunsul(raspuns, progres, cerut);
        }
    }

    IXpbBuilder* actiuneNoua(unsigned char fel) {
        IXpbBuilder* b =
            master()->getUtilInterface()->getXpbBuilder(&status_, IXpbBuilder::SPB_START, nullptr, 0);
        b->insertTag(&status_, fel);
        return b;
    }
    CheckStatusWrapper* status() { return &status_; }

private:
    // The next piece of the backup the service asked for; the query waits at most a second, so a
    // service that asks for nothing and says nothing is asked again.
    static QByteArray deTrimis(QIODevice& intrare, unsigned cerut) {
        QByteArray bucata = intrare.read(std::min<qint64>(cerut, 65000));
        QByteArray trimis;
        trimis.append(char(isc_info_svc_timeout)).append(char(4)).append(char(0));
        trimis.append(char(1)).append(char(0)).append(char(0)).append(char(0));
        if (cerut > 0) {
            trimis.append(char(isc_info_svc_to_eof));
            trimis.append(char(bucata.size() & 0xff)).append(char(bucata.size() >> 8));
            trimis.append(bucata);
        }
        trimis.append(char(isc_info_end));
        return trimis;
    }

    // Reports the lines of the answer and what the service asks for; false once it has ended.
    static bool citesteRaspunsul(const std::vector<unsigned char>& raspuns,
                                 const FbServicii::Progres& progres, unsigned& cerut) {
        bool continua = false;
        cerut = 0;
        const unsigned char* p = raspuns.data();
        const unsigned char* const sfarsit = p + raspuns.size();
        while (p < sfarsit && *p != isc_info_end) {
            switch (*p++) {
            case isc_info_svc_line: {
                const unsigned lungime = unsigned(p[0]) | (unsigned(p[1]) << 8);
                p += 2;
                if (lungime > 0) {
                    continua = true;
                    if (progres) progres(QString::fromUtf8(reinterpret_cast<const char*>(p), int(lungime)));
                }
                p += lungime;
                break;
            }
            case isc_info_svc_stdin:
                cerut =
                    unsigned(p[0]) | (unsigned(p[1]) << 8) | (unsigned(p[2]) << 16) | (unsigned(p[3]) << 24);
                p += 4;
                continua = continua || cerut > 0;
                break;
            case isc_info_svc_timeout:
            case isc_info_data_not_ready:
            case isc_info_truncated:
                continua = true;
                break;
            default:
                return false; // nothing else was asked for
            }
        }
        return continua;
    }

    void verifica() {
        if (status_.getState() & IStatus::STATE_ERRORS) {
            const QString text = textulMotorului(&status_);
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
        // The embedded engine's restore, on a file that ends too soon, asks this process's terminal
        // for the next volume and waits there for good; fed from here, it meets the end instead.
        QFile fisier(fisierSalvare);
        const bool dinProces = !EsteBazaPeServer(acces.baza);
        if (dinProces && !fisier.open(QIODevice::ReadOnly))
            throw Eroare(QStringLiteral("Fisierul nu poate fi citit: %1.").arg(fisier.errorString()));
        Serviciu s(acces);
        IXpbBuilder* a = s.actiuneNoua(isc_action_svc_restore);
        a->insertString(s.status(), isc_spb_bkp_file,
                        dinProces ? "stdin" : fisierSalvare.toUtf8().constData());
        a->insertString(s.status(), isc_spb_dbname, Serviciu::caleaBazei(bazaNoua).constData());
        a->insertInt(s.status(), isc_spb_options, isc_spb_res_create);
        a->insertTag(s.status(), isc_spb_verbose);
        s.ruleaza(a, progres, dinProces ? &fisier : nullptr);
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
