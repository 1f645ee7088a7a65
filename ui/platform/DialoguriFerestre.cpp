#include "platform/DialoguriFerestre.h"

#include "platform/AlegereDosar.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

class DialoguriQt : public Dialoguri, public AlegereDosar {
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
    QString dosar(QWidget* parinte, const QString& titluDialog, const QString& initial) override {
        return QFileDialog::getExistingDirectory(parinte, titluDialog, initial);
    }
    int arataModal(QDialog& fereastra) override { return fereastra.exec(); }

private:
    static QString titlu() { return QStringLiteral("Vardolin"); }
};

} // namespace

std::unique_ptr<Dialoguri> DialoguriCuFerestre() {
    return std::make_unique<DialoguriQt>();
}
