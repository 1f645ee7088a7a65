#pragma once

#include "data/UProfilDiploma.h"
#include "entry/UButonFormular.h"
#include "printing/LucrareTiparire.h"
#include "printing/TemplateForm.h"

#include <functional>
#include <optional>
#include <vector>

class InregistrareLaTiparire;
class NumarExtins;
class QPushButton;
class QScrollArea;
class QTabWidget;
class TFontFormular;
class TFormularDePrintat;

// "Vizualizare inaintea imprimarii": the certificate's two sides over their blank forms, the
// zoom of the side on screen, and printing that side onto a pre-printed sheet.
// With several students selected it also prints the side on screen for all of them in one job.
class TPrintVardolin : public TTemplate, public FereastraCuLot {
    Q_OBJECT
public:
    explicit TPrintVardolin(QWidget* owner = nullptr);

    static constexpr const char* numeComponenta = "PrintVardolin";

    QPushButton* Button1;   // Tipareste
    QPushButton* ButonToti; // Tipareste pentru toti (N), shown with several students selected
    QPushButton* Button2;   // Mareste
    QPushButton* Button3;   // Micsoreaza
    QTabWidget* PageControl1;
    QScrollArea* ScrollBox1;
    QScrollArea* ScrollBox2;
    TFormularDePrintat* FormularDePrintat1;
    TFormularDePrintat* FormularDePrintat2;
    QPushButton* ButonExit;
    std::vector<TFontFormular*> Fonturi;

    // The side on screen: 0 the front, 1 the back, and its page.
    int LaturaActiva() const;
    TFormularDePrintat* PaginaActiva() const;

    static QString TitluLucrare(int latura);
    // Told of every sheet the window's print jobs print. Not owned.
    void AscultaTiparirea(AscultatorLucrare& ascultator) { ascultatori_.push_back(&ascultator); }

    // The students of the batch, in list order; the first is the one shown.
    void SeteazaElevii(std::vector<TLinieDescrisa> elevi) override;
    const std::vector<TLinieDescrisa>& Elevii() const { return elevi_; }

public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void ButonTotiClick();

private:
    QWidget* creeazaBaraDeSus();
    QWidget* creeazaBaraDeJos();
    QScrollArea* creeazaSuprafata(TFormularDePrintat* pagina, const QString& nume);
    void inmultesteZoom(const NumarExtins& factor);
    void tipareste();
    void tiparestePentruToti();
    // The job with the user answering its questions; fronts on forms are recorded in the
    // register and checked after. `idElev`: the single sheet's student, else 0; `foi`: how many
    // sheets the job may record at most (0: none, its page is not a student's).
    void ruleaza(LucrareTiparire& lucrare, int idElev, int foi);
    // The check after printing; the spoiled sheets' students are printed again if the user wants.
    void verificaFoile(const InregistrareLaTiparire& inregistrare);

    std::vector<TLinieDescrisa> elevi_;
    std::vector<AscultatorLucrare*> ascultatori_;
    // The students whose fronts the last "Tipareste pentru toti" sent to the printer, less the
    // sheets found spoiled and not printed again: the batch's backs go onto these sheets alone.
    // None before such a job, for a new list too: then every student listed gets a back.
    std::optional<std::vector<int>> feteLot_;
};

// The certificate's entry in the printable-form registry.
class THandlerVardolin : public THandlerFormularDePrintat {
public:
    THandlerVardolin();
    QWidget* CreeazaFereastra(QWidget* owner) override;
};

// At program start: the certificate's handler joins the registry, and the student lists get a
// button for every registered form.
void InregistreazaHandlerVardolin();
