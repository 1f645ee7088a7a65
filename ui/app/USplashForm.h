#pragma once

#include <QDialog>

class QLabel;
class QTimer;

// The window shown while the program starts: a picture and the version; it closes itself after
// about five seconds and cannot be closed earlier.
class TSplashForm : public QDialog {
    Q_OBJECT
public:
    explicit TSplashForm(QWidget* owner = nullptr);

    QLabel* Image1;
    QLabel* Label1;
    QTimer* Timer1;

    int ticuri() const { return ticuri_; }

public slots:
    void Timer1Timer();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override {}

private:
    int ticuri_ = 0;
    bool inchidePrinTimer_ = false;
};
