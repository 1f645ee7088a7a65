#pragma once

#include <QMetaProperty>
#include <QObject>
#include <QString>
#include <QVariant>
#include <vector>

// The kind of a published property's type, as far as persisting it is concerned.
enum class TFelProprietate {
    Intreg,    // int, bool and the other whole types up to 32 bits
    Enumerare, // a registered enumeration: its ordinal
    Multime,   // a registered flag set: its bit mask
    Intreg64,  // qint64, quint64
    Caracter,  // QChar, char
    Text,      // QString, QByteArray
    Altul      // floating point, objects, variants, lists...: not persisted
};

// The kind of a property (published property = Q_PROPERTY).
TFelProprietate FelulProprietatii(const QMetaProperty& proprietate);
// Whole-number kinds are stored as 32-bit integers, character kinds as strings.
bool EsteIntreaga(TFelProprietate fel);
bool EsteText(TFelProprietate fel);

// The published properties of a class and all its ancestors (Qt's own QObject properties left
// out), each name once, sorted without regard to case.
class TKivRTTIShell {
public:
    explicit TKivRTTIShell(const QMetaObject& clasa);

    int Count() const { return int(proprietati_.size()); }
    QString Name(int i) const { return proprietati_.at(size_t(i)).nume; }
    TFelProprietate Kind(int i) const { return proprietati_.at(size_t(i)).fel; }
    // Integers and enumerations come out as int (flag sets as their mask), 64-bit ones as
    // qint64, characters and texts as QString; other kinds as they are.
    QVariant Valoare(int i, const QObject& obiect) const;
    // Assigns an integer, ordinal, mask or text by the entry's name.
    void SeteazaValoare(int i, QObject& obiect, const QVariant& valoare) const;

private:
    struct Intrare {
        QString nume;
        TFelProprietate fel;
        QMetaProperty proprietate;
    };
    std::vector<Intrare> proprietati_;
};

// An object whose published properties live as values of one key of the settings store.
// The derived class declares them, calls Incarca() at the end of its constructor and
// Salveaza() in its destructor: the base cannot see the derived properties while it is being
// built or destroyed.
class TKivRegistryClass : public QObject {
    Q_OBJECT
public:
    explicit TKivRegistryClass(const QString& cheieRegistru);

    QString CheieRegistru() const { return cheieRegistru_; }

    // Each value present under the key goes into its property; absent ones leave it as it is.
    // A value of the wrong type fails with an Eroare.
    void Incarca();
    // Writes every persisted property, changed or not. Never throws (it runs at release).
    void Salveaza() noexcept;
    // The same for a save the user asked for: fails with a Romanian message when the store
    // cannot be written.
    void SalveazaVerificat();

private:
    QString cheieRegistru_;
};

// The year the program keeps its settings for.
inline constexpr int AnulSetarilor = 2006;

// The global settings of the certificates of the year: grade wording and salutation words.
class TInfoGlobal2005 : public TKivRegistryClass {
    Q_OBJECT
    Q_PROPERTY(QString SufixFete READ SufixFete WRITE setSufixFete)
    Q_PROPERTY(QString SufixBaieti READ SufixBaieti WRITE setSufixBaieti)
    Q_PROPERTY(QString NotaDiploma READ NotaDiploma WRITE setNotaDiploma)
    Q_PROPERTY(QString MedieDiploma READ MedieDiploma WRITE setMedieDiploma)
    Q_PROPERTY(QString NotaCotor READ NotaCotor WRITE setNotaCotor)
    Q_PROPERTY(QString MedieCotor READ MedieCotor WRITE setMedieCotor)
    Q_PROPERTY(QString ScriuCuLitereMari READ ScriuCuLitereMari WRITE setScriuCuLitereMari)
public:
    TInfoGlobal2005();
    ~TInfoGlobal2005() override;

    static QString Cheie();

    QString SufixFete() const { return sufixFete_; }
    void setSufixFete(const QString& v) { sufixFete_ = v; }
    QString SufixBaieti() const { return sufixBaieti_; }
    void setSufixBaieti(const QString& v) { sufixBaieti_ = v; }
    QString NotaDiploma() const { return notaDiploma_; }
    void setNotaDiploma(const QString& v) { notaDiploma_ = v; }
    QString MedieDiploma() const { return medieDiploma_; }
    void setMedieDiploma(const QString& v) { medieDiploma_ = v; }
    QString NotaCotor() const { return notaCotor_; }
    void setNotaCotor(const QString& v) { notaCotor_ = v; }
    QString MedieCotor() const { return medieCotor_; }
    void setMedieCotor(const QString& v) { medieCotor_ = v; }
    QString ScriuCuLitereMari() const { return scriuCuLitereMari_; }
    void setScriuCuLitereMari(const QString& v) { scriuCuLitereMari_ = v; }

private:
    QString sufixFete_, sufixBaieti_;
    QString notaDiploma_, medieDiploma_, notaCotor_, medieCotor_;
    QString scriuCuLitereMari_;
};
