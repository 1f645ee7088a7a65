#include "entry/UKivQuickRegStuff.h"

#include "platform/Eroare.h"
#include "platform/StocSetari.h"

#include <QSet>
#include <algorithm>
#include <cstring>

TFelProprietate FelulProprietatii(const QMetaProperty& proprietate) {
    if (proprietate.isFlagType()) return TFelProprietate::Multime;
    if (proprietate.isEnumType()) return TFelProprietate::Enumerare;
    switch (proprietate.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return TFelProprietate::Intreg;
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return TFelProprietate::Intreg64;
    case QMetaType::QChar:
    case QMetaType::Char:
        return TFelProprietate::Caracter;
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return TFelProprietate::Text;
    default:
        return TFelProprietate::Altul;
    }
}

bool EsteIntreaga(TFelProprietate fel) {
    return fel == TFelProprietate::Intreg || fel == TFelProprietate::Enumerare ||
           fel == TFelProprietate::Multime || fel == TFelProprietate::Intreg64;
}

bool EsteText(TFelProprietate fel) {
    return fel == TFelProprietate::Caracter || fel == TFelProprietate::Text;
}

TKivRTTIShell::TKivRTTIShell(const QMetaObject& clasa) {
    // From the most derived declaration down, so a redeclared name keeps its newest form.
    QSet<QString> vazute;
    for (int i = clasa.propertyCount() - 1; i >= QObject::staticMetaObject.propertyCount(); --i) {
        const QMetaProperty p = clasa.property(i);
        const QString nume = QString::fromLatin1(p.name());
        if (!p.isReadable() || vazute.contains(nume.toLower())) continue;
        vazute.insert(nume.toLower());
        proprietati_.push_back({nume, FelulProprietatii(p), p});
    }
    std::stable_sort(proprietati_.begin(), proprietati_.end(), [](const Intrare& a, const Intrare& b) {
        return a.nume.compare(b.nume, Qt::CaseInsensitive) < 0;
    });
}

namespace {

// Enumerations and flag sets whose type cannot convert to int still hold one int.
int caIntreg(const QVariant& v) {
    if (v.canConvert<int>()) return v.toInt();
    int rezultat = 0;
    if (v.metaType().sizeOf() == sizeof(int)) std::memcpy(&rezultat, v.constData(), sizeof(int));
    return rezultat;
}

} // namespace

QVariant TKivRTTIShell::Valoare(int i, const QObject& obiect) const {
    const Intrare& e = proprietati_.at(size_t(i));
    const QVariant v = e.proprietate.read(&obiect);
    switch (e.fel) {
    case TFelProprietate::Intreg:
    case TFelProprietate::Enumerare:
    case TFelProprietate::Multime:
        return caIntreg(v);
    case TFelProprietate::Intreg64:
        return v.toLongLong();
    case TFelProprietate::Caracter:
        return e.proprietate.metaType().id() == QMetaType::Char ? QString(QChar::fromLatin1(v.value<char>()))
                                                                : QString(v.toChar());
    case TFelProprietate::Text:
        return v.toString();
    case TFelProprietate::Altul:
        break;
    }
    return v;
}

void TKivRTTIShell::SeteazaValoare(int i, QObject& obiect, const QVariant& valoare) const {
    const Intrare& e = proprietati_.at(size_t(i));
    QVariant v = valoare;
    if (e.fel == TFelProprietate::Caracter) {
        const QString text = valoare.toString();
        const QChar c = text.isEmpty() ? QChar() : text.front();
        v = e.proprietate.metaType().id() == QMetaType::Char ? QVariant::fromValue(char(c.toLatin1()))
                                                             : QVariant::fromValue(c);
    } else if (e.fel == TFelProprietate::Multime || e.fel == TFelProprietate::Enumerare) {
        QVariant tipizat(e.proprietate.metaType());
        if (tipizat.metaType().sizeOf() == sizeof(int)) {
            const int masca = valoare.toInt();
            std::memcpy(tipizat.data(), &masca, sizeof(int));
            v = tipizat;
        }
    }
    if (!e.proprietate.write(&obiect, v))
        throw Eroare::format("Proprietatea %s nu poate primi valoarea %s", {e.nume, valoare.toString()});
}

TKivRegistryClass::TKivRegistryClass(const QString& cheieRegistru) : cheieRegistru_(cheieRegistru) {}

namespace {

Eroare tipGresit(const QString& nume) {
    return Eroare::format("Invalid data type for '%s'", {nume});
}

// A 32-bit integer value; a text that does not read as one is a value of another type.
int citesteIntreg(const QVariant& v, const QString& nume) {
    bool ok = false;
    const int rezultat = v.typeId() == QMetaType::QString ? v.toString().trimmed().toInt(&ok) : v.toInt(&ok);
    if (!ok) throw tipGresit(nume);
    return rezultat;
}

QString citesteText(const QVariant& v, const QString& nume) {
    if (v.typeId() != QMetaType::QString && v.typeId() != QMetaType::QByteArray) throw tipGresit(nume);
    return v.toString();
}

} // namespace

void TKivRegistryClass::Incarca() {
    const TKivRTTIShell shell(*metaObject());
    const auto cheie = StocSetari::deschide(cheieRegistru_);
    for (int i = 0; i < shell.Count(); ++i) {
        const QString nume = shell.Name(i);
        if (!cheie->contains(nume)) continue;
        const QVariant v = cheie->value(nume);
        if (EsteIntreaga(shell.Kind(i)))
            shell.SeteazaValoare(i, *this, citesteIntreg(v, nume));
        else if (EsteText(shell.Kind(i)))
            shell.SeteazaValoare(i, *this, citesteText(v, nume));
    }
}

void TKivRegistryClass::Salveaza() noexcept {
    try {
        SalveazaVerificat();
    } catch (...) {
        // Release cannot report anything; what was written stays written.
    }
}

void TKivRegistryClass::SalveazaVerificat() {
    const TKivRTTIShell shell(*metaObject());
    const auto cheie = StocSetari::deschide(cheieRegistru_);
    for (int i = 0; i < shell.Count(); ++i) {
        if (EsteIntreaga(shell.Kind(i)))
            cheie->setValue(shell.Name(i), qint32(shell.Valoare(i, *this).toLongLong()));
        else if (EsteText(shell.Kind(i)))
            cheie->setValue(shell.Name(i), shell.Valoare(i, *this).toString());
    }
    StocSetari::verificaScrierea(*cheie);
}

QString TInfoGlobal2005::Cheie() {
    return QStringLiteral("Software\\Orvanta\\Kalvor\\") + QString::number(AnulSetarilor) +
           QStringLiteral("\\Global");
}

TInfoGlobal2005::TInfoGlobal2005() : TKivRegistryClass(Cheie()) {
    Incarca();
}

TInfoGlobal2005::~TInfoGlobal2005() {
    Salveaza();
}
