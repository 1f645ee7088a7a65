#pragma once

#include <QDialog>
#include <functional>

class QPushButton;

// Tells the user that the system's text encoding cannot hold the Romanian letters.
class TErrCodePage : public QDialog {
    Q_OBJECT
public:
    explicit TErrCodePage(QWidget* owner = nullptr);

    QPushButton* RzBitBtn1;
    QPushButton* RzBitBtn2;

    // What "Deschide pagina" starts: a program and its arguments (tests replace the launcher).
    static void seteazaLansator(std::function<bool(const QString&, const QStringList&)> lansator);

public slots:
    void RzBitBtn1Click();
    void RzBitBtn2Click();
};

// The system's active code page (1250 on a Romanian Windows, 65001 for UTF-8); tests replace it.
int PaginaDeCodActiva();
void seteazaPaginaDeCodActiva(std::function<int()> sursa);
// Whether texts in that code page can hold the Romanian letters.
bool PaginaDeCodRomana(int paginaDeCod);
