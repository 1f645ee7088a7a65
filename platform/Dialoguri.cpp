#include "platform/Dialoguri.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

int Dialoguri::arataModal(QDialog& fereastra) {
    return fereastra.exec();
}

namespace {

class DialoguriQt : public Dialoguri {
public:
    void mesaj(QWidget* parinte, const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, titlu(), text, QMessageBox::Ok, parinte);
        box.exec();
    }
    void avertisment(QWidget* parinte, const QString& text) override {
        QMessageBox::warning(parinte, titlu(), text);
    }
    bool intrebare(QWidget* parinte, const QString& text) override {
        QMessageBox box(QMessageBox::Question, titlu(), text, QMessageBox::NoButton, parinte);
        auto* da = box.addButton(QStringLiteral("Da"), QMessageBox::YesRole);
        box.addButton(QStringLiteral("Nu"), QMessageBox::NoRole);
        box.exec();
        return box.clickedButton() == da;
    }
    void eroare(QWidget* parinte, const QString& text) override {
        QMessageBox::critical(parinte, titlu(), text);
    }
    QString fisierDeDeschis(QWidget* parinte, const QString& titluDialog, const QString& filtru) override {
        return QFileDialog::getOpenFileName(parinte, titluDialog, QString(), filtru);
    }
    QString fisierDeSalvat(QWidget* parinte, const QString& titluDialog, const QString& filtru) override {
        return QFileDialog::getSaveFileName(parinte, titluDialog, QString(), filtru);
    }
    QString fisierDeSalvat(QWidget* parinte, const QString& titluDialog, const QString& filtru,
                           const QString& propus) override {
        return QFileDialog::getSaveFileName(parinte, titluDialog, propus, filtru);
    }

private:
    static QString titlu() { return QStringLiteral("Vardolin"); }
};

std::unique_ptr<Dialoguri>& instalate() {
    static std::unique_ptr<Dialoguri> d = std::make_unique<DialoguriQt>();
    return d;
}

} // namespace

Dialoguri& dialoguri() {
    return *instalate();
}

std::unique_ptr<Dialoguri> instaleazaDialoguri(std::unique_ptr<Dialoguri> noi) {
    auto vechi = std::move(instalate());
    instalate() = noi ? std::move(noi) : std::make_unique<DialoguriQt>();
    return vechi;
}
