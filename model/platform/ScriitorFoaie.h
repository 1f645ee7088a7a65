#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <vector>

// One cell to write: its text, or a number shown with two decimals.
struct CelulaDeScris {
    QString text;
    std::optional<double> numar;
};

// Writes one worksheet row by row into a .xlsx, .ods or .csv file, holding only the row at hand.
// The file appears under its name only when termina() succeeds; until then (and when the writer
// goes without it) whatever was there before stays as it was.
class ScriitorFoaie {
public:
    enum class Format { Xlsx, Ods, Csv, Csv1250 };
    // Excel's limit for one cell; longer texts are cut (and counted) in every format alike, so a
    // file means the same whichever program opens it.
    static constexpr int maxCaractere = 32767;

    virtual ~ScriitorFoaie();
    ScriitorFoaie(const ScriitorFoaie&) = delete;
    ScriitorFoaie& operator=(const ScriitorFoaie&) = delete;

    static std::unique_ptr<ScriitorFoaie> creeaza(const QString& cale, Format format,
                                                  const QString& numeFoaie);
    // The format the file's extension names (.xlsx, .ods, .csv); an Eroare for any other.
    static Format formatDupaNume(const QString& cale);
    // A name every spreadsheet accepts: without []:*?/\, at most 31 characters, never empty.
    static QString numeFoaieValid(const QString& nume);

    void scrieRand(const std::vector<CelulaDeScris>& celule);
    void termina();

    // Cells whose text was longer than maxCaractere.
    int celuleTaiate() const { return taiate_; }
    // Characters code page 1250 lacks, written as '?'.
    int caractereInlocuite() const { return inlocuite_; }

protected:
    explicit ScriitorFoaie(const QString& cale);
    // The file written so far, renamed over the real one by termina().
    const QString& temporar() const { return temporar_; }
    virtual void scrie(const std::vector<CelulaDeScris>& celule) = 0;
    virtual void inchide() = 0;
    int inlocuite_ = 0;

private:
    QString cale_;
    QString temporar_;
    bool terminat_ = false;
    int taiate_ = 0;
    std::vector<CelulaDeScris> rand_;
};
