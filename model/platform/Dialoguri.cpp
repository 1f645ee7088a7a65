#include "platform/Dialoguri.h"

#include "platform/AlegereDosar.h"

#include <cstdio>

namespace {

// Programs without windows (tools, batch jobs) report on the standard error stream.
class DialoguriFaraFerestre : public Dialoguri {
public:
    void mesaj(QWidget*, const QString& text) override { scrie(text); }
    void avertisment(QWidget*, const QString& text) override { scrie(text); }
    bool intrebare(QWidget*, const QString& text) override {
        scrie(text);
        return false;
    }
    void eroare(QWidget*, const QString& text) override { scrie(text); }
    QString fisierDeDeschis(QWidget*, const QString&, const QString&) override { return {}; }
    using Dialoguri::fisierDeSalvat;
    QString fisierDeSalvat(QWidget*, const QString&, const QString&) override { return {}; }
    int arataModal(QDialog&) override { return 0; } // QDialog::Rejected

private:
    static void scrie(const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); }
};

std::unique_ptr<Dialoguri>& instalate() {
    static std::unique_ptr<Dialoguri> d = std::make_unique<DialoguriFaraFerestre>();
    return d;
}

} // namespace

Dialoguri& dialoguri() {
    return *instalate();
}

QString alegeDosar(QWidget* parinte, const QString& titlu, const QString& initial) {
    auto* alegere = dynamic_cast<AlegereDosar*>(&dialoguri());
    return alegere ? alegere->dosar(parinte, titlu, initial) : QString();
}

std::unique_ptr<Dialoguri> instaleazaDialoguri(std::unique_ptr<Dialoguri> noi) {
    auto vechi = std::move(instalate());
    instalate() = noi ? std::move(noi) : std::make_unique<DialoguriFaraFerestre>();
    return vechi;
}
