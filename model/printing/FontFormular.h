#pragma once

#include "printing/UMachetaVardolin.h"

#include <QObject>
#include <QString>
#include <vector>

class TFormularTextArea;

// A named font of a form window: the layout's font as an object the areas refer to, so one
// change restyles all of them. Its name is the object's name.
class TFontFormular : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString FontName READ FontName WRITE setFontName)
    Q_PROPERTY(double Size READ Size WRITE setSize)
    Q_PROPERTY(bool Bold READ Bold WRITE setBold)
    Q_PROPERTY(bool Italic READ Italic WRITE setItalic)
    Q_PROPERTY(int CharSet READ CharSet WRITE setCharSet)
    Q_PROPERTY(int CodePage READ CodePage WRITE setCodePage)
    Q_PROPERTY(QString DescrierePentruEditor READ DescrierePentruEditor WRITE setDescrierePentruEditor)

public:
    explicit TFontFormular(QObject* owner = nullptr);
    ~TFontFormular() override;

    QString FontName() const { return valori_.familie; }
    double Size() const { return valori_.inaltimeMm; }
    bool Bold() const { return valori_.bold; }
    bool Italic() const { return valori_.italic; }
    int CharSet() const { return valori_.setCaractere; }
    int CodePage() const { return valori_.CodePage; }
    QString DescrierePentruEditor() const { return valori_.DescrierePentruEditor; }
    // Every property at once, as the layout names them (the name is taken as the object's).
    void setValori(const FontMacheta& valori);
    // The font as a page carries it.
    FontPagina pagina() const { return valori_.pagina(); }

    void setFontName(const QString& valoare);
    void setSize(double valoare);
    void setBold(bool valoare);
    void setItalic(bool valoare);
    void setCharSet(int valoare);
    void setCodePage(int valoare);
    void setDescrierePentruEditor(const QString& valoare) { valori_.DescrierePentruEditor = valoare; }

    // The areas that use this font (not owned).
    const std::vector<TFormularTextArea*>& zone() const { return zone_; }

signals:
    // A property changed: the areas that use the font repaint.
    void FontSchimbat();

private:
    friend class TFormularTextArea;
    void adaugaZona(TFormularTextArea* zona);
    void scoateZona(TFormularTextArea* zona);
    void anuntaZonele();

    FontMacheta valori_;
    std::vector<TFormularTextArea*> zone_;
};
