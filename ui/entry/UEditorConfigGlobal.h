#pragma once

#include <QComboBox>
#include <QDialog>
#include <QStyledItemDelegate>

class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;
class TEditorConfigGlobal;

// The wording modes offered, in their order in each list.
const QStringList& ModuriNota();

// A mode list: every row, and the closed box too, is drawn by the window's RzComboBox3DrawItem.
class TComboModNota : public QComboBox {
    Q_OBJECT
public:
    TComboModNota(TEditorConfigGlobal* fereastra, QWidget* parinte);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    TEditorConfigGlobal* fereastra_;
};

// The items of the mode lists, 32 pixels high.
class TDelegatModNota : public QStyledItemDelegate {
    Q_OBJECT
public:
    TDelegatModNota(TEditorConfigGlobal* fereastra, QObject* parinte);
    void paint(QPainter* p, const QStyleOptionViewItem& optiune, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& optiune, const QModelIndex& index) const override;

private:
    TEditorConfigGlobal* fereastra_;
};

// "Editor informatii globale": the grade wording of all certificates of the year.
class TEditorConfigGlobal : public QDialog {
    Q_OBJECT
public:
    explicit TEditorConfigGlobal(QWidget* owner = nullptr);

    static constexpr int InaltimeRand = 32;

    QLabel* Label1;
    QLabel* Label2;
    QTabWidget* RzPageControl1;
    QWidget* TabSheet1; // salutation words, never shown
    QWidget* TabSheet2; // grade wording
    QComboBox* RzComboBox1;
    QComboBox* RzComboBox2;
    TComboModNota* RzComboBox3; // Nota diploma
    TComboModNota* RzComboBox4; // Medie diploma
    TComboModNota* RzComboBox5; // Nota cotor
    TComboModNota* RzComboBox6; // Medie cotor
    QRadioButton* RzRadioButton1;
    QRadioButton* RzRadioButton2;
    QPushButton* RzBitBtn1;
    QPushButton* RzBitBtn2;

    // Draws item `index` of a mode list into `rand`.
    void RzComboBox3DrawItem(QPainter& p, int index, const QRect& rand, bool selectat) const;

public slots:
    void RzBitBtn1Click();
    void RzBitBtn2Click();

private:
    void FormCreate();
    void creeazaAntetul();
    QWidget* creeazaPaginaSufixe();
    QWidget* creeazaPaginaNote();
    void creeazaButoanele();
    void clipeste();

    QTimer* clipire_;
    bool notaAprinsa_ = true;
};
