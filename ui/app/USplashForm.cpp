#include "app/USplashForm.h"

#include "controls/DesenSvg.h"
#include "platform/Ecran.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTimer>

namespace {
QPixmap imagineSplash() {
    return DesenSvg(QStringLiteral(":/app/splash.svg"), QSize(480, 248), Qt::white);
}
} // namespace

TSplashForm::TSplashForm(QWidget* owner) : QDialog(owner, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("SplashForm"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(imagineSplash());
    Image1->setGeometry(0, 0, 480, 248);
    setFixedSize(480, 248);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    font.setBold(true);
    Label1->setFont(font);
    Label1->setStyleSheet(QStringLiteral("color: #f4e7bd; background: transparent;"));
    Label1->setGeometry(8, 248 - 32, 480 - 20, 22);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TSplashForm::Timer1Timer);
    Timer1->start();
    CentreazaFereastra(this);
}

void TSplashForm::Timer1Timer() {
    if (++ticuri_ > 50) {
        Timer1->stop();
        inchidePrinTimer_ = true;
        accept();
    }
}

void TSplashForm::keyPressEvent(QKeyEvent* e) {
    e->accept();
}

void TSplashForm::closeEvent(QCloseEvent* e) {
    if (inchidePrinTimer_)
        e->accept();
    else
        e->ignore();
}
