#pragma once

#include <QDialog>
#include <QRect>

// The base of the print windows: Arial, East European, 12 pixels, centred on the screen's work
// area when made.
class TTemplate : public QDialog {
    Q_OBJECT
public:
    explicit TTemplate(QWidget* owner = nullptr);

    // The top-left corner that centres a window of this size on the work area; each half is
    // truncated toward zero, so a window larger than the area starts left of or above it.
    static QPoint ColtCentrat(const QSize& fereastra, const QRect& zonaLucru);

protected:
    void FormCreate();
};
