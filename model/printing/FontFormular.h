#pragma once

#include <QObject>
#include <QString>
#include <vector>

class TFormularTextArea;

// A named font of a form window: face and character-cell height in millimetres. The areas
// that use it refer to it, so one change restyles all of them.
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

    QString FontName() const { return fontName_; }
    double Size() const { return size_; }
    bool Bold() const { return bold_; }
    bool Italic() const { return italic_; }
    int CharSet() const { return charSet_; }
    int CodePage() const { return codePage_; }
    QString DescrierePentruEditor() const { return descriere_; }

    void setFontName(const QString& valoare);
    void setSize(double valoare);
    void setBold(bool valoare);
    void setItalic(bool valoare);
    void setCharSet(int valoare);
    void setCodePage(int valoare);
    void setDescrierePentruEditor(const QString& valoare) { descriere_ = valoare; }

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

    QString fontName_ = QStringLiteral("Arial");
    double size_ = 3.0;
    bool bold_ = false;
    bool italic_ = false;
    int charSet_ = 238;
    int codePage_ = 1250;
    QString descriere_;
    std::vector<TFormularTextArea*> zone_;
};
