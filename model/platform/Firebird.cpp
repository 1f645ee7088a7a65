#include "platform/Firebird.h"

#include "platform/BazaDeteriorata.h"
#include "platform/Eroare.h"
#include "platform/FirebirdClient.h"
#include "platform/VersiuneFirebird.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtGlobal>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <firebird/Interface.h>
#include <memory>

using namespace Firebird;

IMaster* MasterFirebird() {
    static IMaster* m = fb_get_master_interface();
    return m;
}

QString TextulMotorului(const IStatus* status) {
    char buffer[2048];
    MasterFirebird()->getUtilInterface()->formatStatus(buffer, sizeof buffer, const_cast<IStatus*>(status));
    return QString::fromUtf8(buffer).trimmed();
}

namespace {

// A status wrapper that turns the engine's failures into C++ exceptions; one per call.
struct Stare {
    ThrowStatusWrapper s{MasterFirebird()->getStatus()};
    ~Stare() { s.dispose(); }
    ThrowStatusWrapper* operator&() { return &s; }
};

// The client's builders and providers, given back on every path out.
struct ElibereazaFb {
    void operator()(IXpbBuilder* b) const { b->dispose(); }
    void operator()(IProvider* p) const { p->release(); }
};
template <class T> using PtrFb = std::unique_ptr<T, ElibereazaFb>;

bool areCod(const IStatus* status, ISC_STATUS cod) {
    for (const ISC_STATUS* v = status->getErrors(); v && *v != isc_arg_end;) {
        const ISC_STATUS fel = v[0];
        if (fel == isc_arg_gds && v[1] == cod) return true;
        v += (fel == isc_arg_cstring) ? 3 : 2;
    }
    return false;
}

// Turns an engine failure into the program's error type, with a Romanian explanation where the
// user can act on it.
[[noreturn]] void ridica(const FbException& e, const QString& context = QString()) {
    const IStatus* status = e.getStatus();
    const QString motor = TextulMotorului(status);
    // The statement's text would only confuse: the remedy is the same whatever was read.
    if (NoteazaDeteriorarea(status)) throw Eroare(MesajBazaDeteriorata() + QStringLiteral("\n\n") + motor);
    if (areCod(status, isc_already_opened) || areCod(status, isc_lock_timeout) ||
        areCod(status, isc_lock_conflict) ||
        motor.contains(QStringLiteral("lock time-out"), Qt::CaseInsensitive) ||
        motor.contains(QStringLiteral("database is in use"), Qt::CaseInsensitive))
        throw Eroare(
            QStringLiteral("Baza de date este folosita de alt program (poate o alta copie a "
                           "programului Vardolin este deschisa). Inchideti-l si incercati din nou.\n\n") +
            motor);
    if (context.isEmpty()) throw Eroare(motor);
    throw Eroare(context + QStringLiteral("\n\n") + motor);
}

} // namespace

namespace {
std::atomic<bool> bazaDeteriorata{false};
} // namespace

bool BazaGasitaDeteriorata() {
    return bazaDeteriorata;
}

namespace {
int coduriMotor(const IStatus* status) {
    int n = 0;
    for (const ISC_STATUS* v = status->getErrors(); v && *v != isc_arg_end;) {
        if (v[0] == isc_arg_gds) ++n;
        v += (v[0] == isc_arg_cstring) ? 3 : 2;
    }
    return n;
}
} // namespace

bool NoteazaDeteriorarea(const IStatus* status) {
    // isc_bug_check also carries "can't attach/continue after bugcheck" once the engine has stopped.
    bool deteriorata = false;
    for (const ISC_STATUS cod :
         {isc_bug_check, isc_db_corrupt, isc_badpage, isc_badpagtyp, isc_page_type_err})
        deteriorata = deteriorata || areCod(status, cod);
    // "Not a valid database" alone is a file that never was one; followed by the engine's reason
    // (e.g. "RDB$PAGES ... DB appears damaged") it is a database whose system pages are damaged.
    deteriorata = deteriorata || (areCod(status, isc_bad_db_format) && coduriMotor(status) > 1);
    if (deteriorata) bazaDeteriorata = true;
    return deteriorata;
}

QString MesajBazaDeteriorata() {
    return QStringLiteral(
        "Baza de date este deteriorata: motorul Firebird a gasit date stricate in fisierul ei si nu mai "
        "lucreaza cu ea. Nu este o problema a setarilor de conectare. Restaurati ultima salvare automata "
        "(Configurare > Restaurare din salvare); baza deteriorata se pastreaza langa cea restaurata.");
}

void desparteParametrii(const QString& sql, QByteArray& motor, std::vector<QString>& pozitii) {
    QString rezultat;
    rezultat.reserve(sql.size());
    const auto caracterNume = [](QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'$'; };
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') { // literal or quoted name: copied as it stands
            qsizetype j = i + 1;
            while (j < sql.size() && sql[j] != c)
                ++j;
            rezultat += sql.mid(i, j - i + 1);
            i = j;
        } else if (c == u'-' && i + 1 < sql.size() && sql[i + 1] == u'-') {
            qsizetype j = sql.indexOf(u'\n', i);
            if (j < 0) j = sql.size();
            rezultat += sql.mid(i, j - i);
            i = j - 1;
        } else if (c == u'/' && i + 1 < sql.size() && sql[i + 1] == u'*') {
            qsizetype j = sql.indexOf(QStringLiteral("*/"), i + 2);
            j = j < 0 ? sql.size() : j + 2;
            rezultat += sql.mid(i, j - i);
            i = j - 1;
        } else if (c == u':' && i + 1 < sql.size() && caracterNume(sql[i + 1])) {
            qsizetype j = i + 1;
            while (j < sql.size() && caracterNume(sql[j]))
                ++j;
            pozitii.push_back(sql.mid(i + 1, j - i - 1).toUpper());
            rezultat += u'?';
            i = j - 1;
        } else {
            rezultat += c;
        }
    }
    motor = rezultat.toUtf8();
}

namespace {

template <class T> void scrie(unsigned char* unde, T valoare) {
    std::memcpy(unde, &valoare, sizeof(T));
}
template <class T> T citeste(const unsigned char* deUnde) {
    T valoare;
    std::memcpy(&valoare, deUnde, sizeof(T));
    return valoare;
}

qint64 scalat(const QVariant& v, int scala) {
    if (scala == 0) {
        if (v.typeId() == QMetaType::Double) return qRound64(v.toDouble());
        bool ok = false;
        const qint64 n = v.toLongLong(&ok);
        if (!ok) throw Eroare(QStringLiteral("Valoarea \"%1\" nu este un numar intreg").arg(v.toString()));
        return n;
    }
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok) throw Eroare(QStringLiteral("Valoarea \"%1\" nu este un numar").arg(v.toString()));
    return qRound64(d * std::pow(10.0, -scala));
}

QString nume(const QString& n) {
    return n.toUpper();
}

void elibereazaHandle(IStatement*& instructiune, IMessageMetadata*& intrare, IMessageMetadata*& iesire) {
    if (intrare) intrare->release();
    if (iesire) iesire->release();
    intrare = iesire = nullptr;
    if (instructiune) {
        Stare st;
        try {
            instructiune->free(&st);
        } catch (const FbException&) {
            instructiune->release();
        }
        instructiune = nullptr;
    }
}

} // namespace

// ---------------------------------------------------------------------------------------------
// FbConexiune

FbConexiune::FbConexiune() = default;

FbConexiune::~FbConexiune() {
    for (auto* q : interogari_)
        q->elibereaza();
    try {
        deconecteaza();
    } catch (...) {
    }
}

void FbConexiune::pregatesteMotorulIncorporat() {
    if (!qEnvironmentVariableIsEmpty("FIREBIRD_LOCK")) return;
    // A /tmp/firebird made by another user would refuse the connection.
    QString baza = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (baza.isEmpty()) baza = QDir::tempPath();
    const QString dosar = QDir(baza).filePath(QStringLiteral("vardolin-firebird"));
    QDir().mkpath(dosar);
    qputenv("FIREBIRD_LOCK", QFile::encodeName(dosar));
}

namespace {
PtrFb<IXpbBuilder> dpbDinParametri(ThrowStatusWrapper* st, const QStringList& parametri) {
    PtrFb<IXpbBuilder> dpb(
        MasterFirebird()->getUtilInterface()->getXpbBuilder(st, IXpbBuilder::DPB, nullptr, 0));
    bool areSetDeCaractere = false;
    for (const QString& p : parametri) {
        const qsizetype egal = p.indexOf(u'=');
        const QString cheie = p.left(egal).trimmed().toUpper();
        const QByteArray valoare = p.mid(egal + 1).toUtf8();
        if (cheie == u"USER_NAME" || cheie == u"USER") {
            dpb->insertString(st, isc_dpb_user_name, valoare.constData());
        } else if (cheie == u"PASSWORD") {
            dpb->insertString(st, isc_dpb_password, valoare.constData());
        } else if (cheie == u"LC_CTYPE") {
            dpb->insertString(st, isc_dpb_lc_ctype, valoare.constData());
            areSetDeCaractere = true;
        }
    }
    // Texts travel as UTF-8 both ways.
    if (!areSetDeCaractere) dpb->insertString(st, isc_dpb_lc_ctype, "UTF8");
    return dpb;
}
} // namespace

void FbConexiune::conecteaza() {
    if (atasare_) return;
    pregatesteMotorulIncorporat();
    Stare st;
    try {
        const PtrFb<IXpbBuilder> dpb = dpbDinParametri(&st, parametri_);
        const PtrFb<IProvider> furnizor(MasterFirebird()->getDispatcher());
        const QByteArray cale = numeBazaDeDate_.toUtf8();
        atasare_ =
            furnizor->attachDatabase(&st, cale.constData(), dpb->getBufferLength(&st), dpb->getBuffer(&st));
    } catch (const FbException& e) {
        ridica(e, QStringLiteral("Nu ma pot conecta la baza de date %1").arg(numeBazaDeDate_));
    }
}

QString VersiuneClientFirebird() {
    const unsigned v = MasterFirebird()->getUtilInterface()->getClientVersion();
    return QStringLiteral("%1.%2").arg(v >> 8).arg(v & 0xFF);
}

QString VersiuneMotorFirebird(const FbConexiune& conexiune) {
    IAttachment* atasare = conexiune.atasare();
    if (!atasare) return {};
    const unsigned char cerere[] = {isc_info_firebird_version, isc_info_end};
    unsigned char raspuns[512] = {};
    Stare st;
    try {
        atasare->getInfo(&st, sizeof cerere, cerere, sizeof raspuns, raspuns);
    } catch (const FbException& e) {
        ridica(e);
    }
    // item, length (2 bytes), count of texts, then each text as length + bytes; the first is
    // the engine's own.
    if (raspuns[0] != isc_info_firebird_version || raspuns[3] == 0) return {};
    const int lungime = raspuns[4];
    return QString::fromLatin1(reinterpret_cast<const char*>(raspuns + 5),
                               std::min(lungime, int(sizeof raspuns) - 5));
}

void FbConexiune::deconecteaza() {
    if (!atasare_) return;
    for (auto* q : interogari_)
        q->elibereaza();
    Stare st;
    try {
        atasare_->detach(&st);
        atasare_ = nullptr;
    } catch (const FbException& e) {
        atasare_->release();
        atasare_ = nullptr;
        ridica(e);
    }
}

void FbConexiune::stergeBaza() {
    if (!atasare_) return;
    for (auto* q : interogari_)
        q->elibereaza();
    Stare st;
    try {
        atasare_->dropDatabase(&st);
        atasare_ = nullptr;
    } catch (const FbException& e) {
        ridica(e);
    }
}

void FbConexiune::creeazaBazaDeDate(const QString& cale, const QString& utilizator, const QString& parola) {
    pregatesteMotorulIncorporat();
    Stare st;
    try {
        const PtrFb<IXpbBuilder> dpb = dpbDinParametri(
            &st, {QStringLiteral("USER_NAME=") + utilizator, QStringLiteral("password=") + parola});
        dpb->insertInt(&st, isc_dpb_sql_dialect, 3);
        dpb->insertString(&st, isc_dpb_set_db_charset, "UTF8");
        const PtrFb<IProvider> furnizor(MasterFirebird()->getDispatcher());
        IAttachment* a = furnizor->createDatabase(&st, cale.toUtf8().constData(), dpb->getBufferLength(&st),
                                                  dpb->getBuffer(&st));
        try {
            a->detach(&st);
        } catch (const FbException&) {
            a->release();
            throw;
        }
    } catch (const FbException& e) {
        ridica(e, QStringLiteral("Nu pot crea baza de date %1").arg(cale));
    }
}

void FbConexiune::scoate(FbInterogare* q) {
    interogari_.erase(std::remove(interogari_.begin(), interogari_.end(), q), interogari_.end());
}

void FbConexiune::inchideCursoarele() {
    for (auto* q : interogari_)
        q->inchide();
}

void FbConexiune::elibereazaInstructiunile() {
    for (auto* q : interogari_)
        q->elibereaza();
}

// ---------------------------------------------------------------------------------------------
// FbTranzactie

FbTranzactie::~FbTranzactie() {
    if (tranzactie_) {
        try {
            rollback();
        } catch (...) {
        }
    }
}

void FbTranzactie::start() {
    if (tranzactie_) throw Eroare(QStringLiteral("Tranzactia este deja activa"));
    if (!conexiune_.atasare()) throw Eroare(QStringLiteral("Baza de date nu este deschisa"));
    Stare st;
    try {
        const PtrFb<IXpbBuilder> tpb(
            MasterFirebird()->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::TPB, nullptr, 0));
        tpb->insertTag(&st, isc_tpb_write);
        tpb->insertTag(&st, isc_tpb_read_committed);
        tpb->insertTag(&st, isc_tpb_rec_version);
        tpb->insertTag(&st, isc_tpb_wait);
        tpb->insertInt(&st, isc_tpb_lock_timeout, 10);
        tranzactie_ =
            conexiune_.atasare()->startTransaction(&st, tpb->getBufferLength(&st), tpb->getBuffer(&st));
    } catch (const FbException& e) {
        ridica(e);
    }
}

void FbTranzactie::commit() {
    if (!tranzactie_) throw Eroare(QStringLiteral("Tranzactia nu este activa"));
    conexiune_.inchideCursoarele();
    Stare st;
    try {
        tranzactie_->commit(&st);
        tranzactie_ = nullptr;
    } catch (const FbException& e) {
        ridica(e); // still active: the caller rolls it back
    }
}

void FbTranzactie::rollback() {
    if (!tranzactie_) throw Eroare(QStringLiteral("Tranzactia nu este activa"));
    conexiune_.inchideCursoarele();
    Stare st;
    ITransaction* t = tranzactie_;
    tranzactie_ = nullptr;
    try {
        t->rollback(&st);
    } catch (const FbException& e) {
        t->release();
        ridica(e);
    }
}

// ---------------------------------------------------------------------------------------------
// FbInterogare

FbInterogare::FbInterogare(FbConexiune& conexiune, FbTranzactie& tranzactie)
    : conexiune_(conexiune), tranzactie_(tranzactie) {
    conexiune_.inregistreaza(this);
}

FbInterogare::~FbInterogare() {
    elibereaza();
    conexiune_.scoate(this);
}

void FbInterogare::seteazaSql(const QString& sql) {
    if (sql == curenta_.sql) return;
    inchide();
    if (curenta_.instructiune) {
        if (pastrate_.size() == NrPastrate) {
            Pastrata& veche = pastrate_.front();
            elibereazaHandle(veche.instructiune, veche.intrare, veche.iesire);
            pastrate_.erase(pastrate_.begin());
        }
        pastrate_.push_back(std::exchange(curenta_, {}));
    }
    const auto gasita =
        std::find_if(pastrate_.begin(), pastrate_.end(), [&](const Pastrata& p) { return p.sql == sql; });
    if (gasita != pastrate_.end()) {
        curenta_ = std::move(*gasita);
        pastrate_.erase(gasita);
        for (auto& p : curenta_.parametri)
            p = {p.nume, {}, false};
        return;
    }
    elibereazaInstructiunea();
    curenta_.sql = sql;
    curenta_.sqlMotor.clear();
    curenta_.pozitii.clear();
    curenta_.parametri.clear();
    desparteParametrii(curenta_.sql, curenta_.sqlMotor, curenta_.pozitii);
    for (const QString& n : curenta_.pozitii) {
        const bool exista = std::any_of(curenta_.parametri.begin(), curenta_.parametri.end(),
                                        [&](const Parametru& p) { return p.nume == n; });
        if (!exista) curenta_.parametri.push_back({n, {}, false});
    }
}

void FbInterogare::param(const QString& numeParametru, const QVariant& valoare) {
    const QString n = nume(numeParametru);
    for (auto& p : curenta_.parametri) {
        if (p.nume == n) {
            p.valoare = valoare;
            p.setat = true;
            return;
        }
    }
    throw Eroare(
        QStringLiteral("Parametrul %1 nu exista in textul SQL:\n%2").arg(numeParametru, curenta_.sql));
}

void FbInterogare::verificaTranzactia() const {
    if (!tranzactie_.activa()) throw Eroare(QStringLiteral("Tranzactia nu este activa"));
}

void FbInterogare::pregateste() {
    if (curenta_.instructiune) return;
    Stare st;
    try {
        curenta_.instructiune =
            conexiune_.atasare()->prepare(&st, tranzactie_.handle(), 0, curenta_.sqlMotor.constData(),
                                          SQL_DIALECT_V6, IStatement::PREPARE_PREFETCH_METADATA);
        curenta_.tipInstructiune = curenta_.instructiune->getType(&st);
        curenta_.intrare = curenta_.instructiune->getInputMetadata(&st);
        curenta_.iesire = curenta_.instructiune->getOutputMetadata(&st);
        curenta_.bufferIntrare.assign(curenta_.intrare->getMessageLength(&st), 0);
        curenta_.bufferIesire.assign(curenta_.iesire->getMessageLength(&st), 0);
        curenta_.campuri.clear();
        curenta_.coloane.clear();
        const unsigned n = curenta_.iesire->getCount(&st);
        for (unsigned i = 0; i < n; ++i) {
            const QString alias = QString::fromUtf8(curenta_.iesire->getAlias(&st, i)).toUpper();
            if (!curenta_.campuri.contains(alias)) curenta_.campuri.insert(alias, int(i));
            curenta_.coloane.push_back(
                {curenta_.iesire->getOffset(&st, i), curenta_.iesire->getNullOffset(&st, i),
                 curenta_.iesire->getType(&st, i) & ~1u, curenta_.iesire->getLength(&st, i),
                 curenta_.iesire->getScale(&st, i)});
        }
    } catch (const FbException& e) {
        elibereazaInstructiunea();
        ridica(e, curenta_.sql);
    }
}

void FbInterogare::scrieParametrii() {
    for (const auto& p : curenta_.parametri)
        if (!p.setat)
            throw Eroare(
                QStringLiteral("Parametrul %1 nu a primit o valoare:\n%2").arg(p.nume, curenta_.sql));
    Stare st;
    try {
        for (unsigned i = 0; i < curenta_.pozitii.size(); ++i) {
            const auto& p = *std::find_if(curenta_.parametri.begin(), curenta_.parametri.end(),
                                          [&](const Parametru& x) { return x.nume == curenta_.pozitii[i]; });
            unsigned char* valoare = curenta_.bufferIntrare.data() + curenta_.intrare->getOffset(&st, i);
            unsigned char* nul = curenta_.bufferIntrare.data() + curenta_.intrare->getNullOffset(&st, i);
            if (p.valoare.isNull() || !p.valoare.isValid()) {
                scrie<short>(nul, -1);
                continue;
            }
            scrie<short>(nul, 0);
            const unsigned tip = curenta_.intrare->getType(&st, i) & ~1u;
            const unsigned lungime = curenta_.intrare->getLength(&st, i);
            const int scala = curenta_.intrare->getScale(&st, i);
            switch (tip) {
            case SQL_VARYING:
            case SQL_TEXT: {
                const QByteArray octeti = p.valoare.typeId() == QMetaType::Bool
                                              ? QByteArray(p.valoare.toBool() ? "1" : "0")
                                              : p.valoare.toString().toUtf8();
                if (unsigned(octeti.size()) > lungime)
                    throw Eroare(QStringLiteral("Textul pentru %1 este prea lung (%2 octeti, cel mult %3)")
                                     .arg(p.nume)
                                     .arg(octeti.size())
                                     .arg(lungime));
                if (tip == SQL_VARYING) {
                    scrie<ISC_USHORT>(valoare, ISC_USHORT(octeti.size()));
                    std::memcpy(valoare + 2, octeti.constData(), octeti.size());
                } else {
                    std::memset(valoare, ' ', lungime);
                    std::memcpy(valoare, octeti.constData(), octeti.size());
                }
                break;
            }
            case SQL_SHORT:
                scrie<ISC_SHORT>(valoare, ISC_SHORT(scalat(p.valoare, scala)));
                break;
            case SQL_LONG:
                scrie<ISC_LONG>(valoare, ISC_LONG(scalat(p.valoare, scala)));
                break;
            case SQL_INT64:
                scrie<ISC_INT64>(valoare, scalat(p.valoare, scala));
                break;
            case SQL_FLOAT:
                scrie<float>(valoare, float(p.valoare.toDouble()));
                break;
            case SQL_DOUBLE:
            case SQL_D_FLOAT:
                scrie<double>(valoare, p.valoare.toDouble());
                break;
            case SQL_BOOLEAN:
                scrie<FB_BOOLEAN>(valoare, p.valoare.toBool() ? FB_TRUE : FB_FALSE);
                break;
            default:
                throw Eroare(
                    QStringLiteral("Tip de parametru nesuportat (%1) pentru %2").arg(tip).arg(p.nume));
            }
        }
    } catch (const FbException& e) {
        ridica(e, curenta_.sql);
    }
}

void FbInterogare::deschide() {
    verificaTranzactia();
    if (cursor_) inchide();
    pregateste();
    scrieParametrii();
    Stare st;
    try {
        cursor_ = curenta_.instructiune->openCursor(&st, tranzactie_.handle(), curenta_.intrare,
                                                    curenta_.bufferIntrare.data(), curenta_.iesire, 0);
        eof_ = cursor_->fetchNext(&st, curenta_.bufferIesire.data()) != IStatus::RESULT_OK;
    } catch (const FbException& e) {
        inchide();
        ridica(e, curenta_.sql);
    }
}

void FbInterogare::urmator() {
    if (!cursor_ || eof_) return;
    Stare st;
    try {
        eof_ = cursor_->fetchNext(&st, curenta_.bufferIesire.data()) != IStatus::RESULT_OK;
    } catch (const FbException& e) {
        ridica(e, curenta_.sql);
    }
}

void FbInterogare::inchide() {
    eof_ = true;
    if (!cursor_) return;
    IResultSet* c = cursor_;
    cursor_ = nullptr;
    Stare st;
    try {
        c->close(&st);
    } catch (const FbException&) {
        c->release(); // the transaction already took it down
    }
}

void FbInterogare::executa() {
    verificaTranzactia();
    if (cursor_) inchide();
    pregateste();
    scrieParametrii();
    if (curenta_.tipInstructiune == isc_info_sql_stmt_ddl) {
        // A prepared statement holds its tables; changing them needs every other one let go.
        for (auto* q : conexiune_.interogari_)
            if (q != this) q->elibereaza();
    }
    Stare st;
    try {
        curenta_.instructiune->execute(&st, tranzactie_.handle(), curenta_.intrare,
                                       curenta_.bufferIntrare.data(), curenta_.iesire,
                                       curenta_.bufferIesire.data());
    } catch (const FbException& e) {
        ridica(e, curenta_.sql);
    }
    if (curenta_.tipInstructiune == isc_info_sql_stmt_ddl) elibereaza();
}

void FbInterogare::elibereaza() {
    inchide();
    // Kept statements go too: elibereaza runs when the tables change or the connection closes.
    for (auto& p : pastrate_)
        elibereazaHandle(p.instructiune, p.intrare, p.iesire);
    pastrate_.clear();
    elibereazaInstructiunea();
}

void FbInterogare::elibereazaInstructiunea() {
    elibereazaHandle(curenta_.instructiune, curenta_.intrare, curenta_.iesire);
    curenta_.campuri.clear();
    curenta_.coloane.clear();
}

int FbInterogare::indiceCamp(const QString& numeCamp) const {
    const auto it = curenta_.campuri.constFind(nume(numeCamp));
    if (it == curenta_.campuri.constEnd()) throw Eroare(QStringLiteral("Campul %1 nu exista").arg(numeCamp));
    if (!cursor_ || eof_)
        throw Eroare(QStringLiteral("Nu exista inregistrarea curenta pentru campul %1").arg(numeCamp));
    return it.value();
}

QString FbInterogare::numeCamp(int i) const {
    for (auto it = curenta_.campuri.constBegin(); it != curenta_.campuri.constEnd(); ++it)
        if (it.value() == i) return it.key();
    throw Eroare(QStringLiteral("Coloana %1 nu exista").arg(i));
}

bool FbInterogare::areCamp(const QString& numeCamp) const {
    return curenta_.campuri.contains(nume(numeCamp));
}

bool FbInterogare::esteNull(const QString& numeCamp) const {
    const Coloana& col = curenta_.coloane[size_t(indiceCamp(numeCamp))];
    return citeste<short>(curenta_.bufferIesire.data() + col.offsetNull) != 0;
}

QVariant FbInterogare::camp(const QString& numeCamp) const {
    return valoareCamp(indiceCamp(numeCamp));
}

QString FbInterogare::text(const QString& numeCamp) const {
    const QVariant v = camp(numeCamp);
    if (v.isNull())
        throw Eroare(QStringLiteral("Campul %1 este NULL si nu poate fi citit ca text").arg(numeCamp));
    return v.toString();
}

qint64 FbInterogare::intreg(const QString& numeCamp) const {
    const QVariant v = camp(numeCamp);
    if (v.isNull())
        throw Eroare(QStringLiteral("Campul %1 este NULL si nu poate fi citit ca numar").arg(numeCamp));
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    if (!ok) throw Eroare(QStringLiteral("Campul %1 nu este un numar intreg").arg(numeCamp));
    return n;
}

QVariant FbInterogare::valoareCamp(int i) const {
    const Coloana& col = curenta_.coloane[size_t(i)];
    const unsigned char* baza = curenta_.bufferIesire.data();
    if (citeste<short>(baza + col.offsetNull) != 0) return {};
    const unsigned char* v = baza + col.offset;
    const auto numar = [&col](qint64 n) -> QVariant {
        if (col.scala == 0) return n;
        return double(n) * std::pow(10.0, col.scala);
    };
    switch (col.tip) {
    case SQL_VARYING:
        return QString::fromUtf8(reinterpret_cast<const char*>(v + 2), citeste<ISC_USHORT>(v));
    case SQL_TEXT: {
        QByteArrayView octeti(reinterpret_cast<const char*>(v), qsizetype(col.lungime));
        while (!octeti.isEmpty() && octeti.back() == ' ')
            octeti.chop(1);
        return QString::fromUtf8(octeti);
    }
    case SQL_SHORT:
        return numar(citeste<ISC_SHORT>(v));
    case SQL_LONG:
        return numar(citeste<ISC_LONG>(v));
    case SQL_INT64:
        return numar(citeste<ISC_INT64>(v));
    case SQL_FLOAT:
        return double(citeste<float>(v));
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return citeste<double>(v);
    case SQL_BOOLEAN:
        return citeste<FB_BOOLEAN>(v) != FB_FALSE;
    default:
        return QStringLiteral("?");
    }
}
