#pragma once

#include <QDialog>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class TEditorGenericComplex;

// The window of one student: the record editor of ELEVI and, when the database holds more than
// one school, the choice of the student's school.
class TAdaugaElev : public QDialog {
    Q_OBJECT
public:
    explicit TAdaugaElev(QWidget* owner = nullptr);

    QWidget* PanelScoala;
    QComboBox* CbScoala; // items carry the school row's id
    TEditorGenericComplex* Editor;
    QPushButton* RzBitBtn1; // Ok
    QPushButton* RzBitBtn2; // Renunt

    int IdElev = -1;

    void Nou();
    void Deschide(int id);
    // The school the student is linked to on save: the choice when shown, otherwise none given.
    std::optional<int> ScoalaAleasa() const;

public slots:
    void RzBitBtn1Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void IncarcaScolile();
    bool afisata_ = false;
};
