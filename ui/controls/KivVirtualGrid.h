#pragma once

#include "controls/KivGrids.h"
#include "entry/Currency.h"
#include "entry/URomana.h"

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QStaticText>
#include <QStringList>
#include <QTimer>
#include <QVariant>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// A data grid that holds no cell data: the client gives one line object per record and typed
// columns, and the grid asks for each cell's value whenever it paints or edits the cell.

enum class TKivTipDeDateColoana {
    atCurrency,
    atInteger,
    atIntegerDouaZecimale,
    atString,
    atDataScurtFaraAn,
    atDataScurtCuAn,
    atDataLung,
    atAuto,
    atAsk
};

enum class TKivGridOption {
    goSelectezLinia = 0x1,
    goNuAfisezLiniiVerticale = 0x2,
    goNuAfisezLiniiOrizontale = 0x4
};
Q_DECLARE_FLAGS(TKivGridOptions, TKivGridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TKivGridOptions)

// A font with its colour, as the grid's styles hold them.
struct TKivFont {
    QFont Font;
    TColor Culoare = clWindowText;
};

// A cell value: a type tag and the value. A getter of another type than the stored one fails.
class TKivValoareDate {
public:
    TKivTipDeDateColoana Tip() const { return tip_; }
    // The client marks a cell without data.
    void MarcheazaFaraDate() { tip_ = TKivTipDeDateColoana::atAsk, v_.clear(); }

    Currency ValCurrency() const;
    void SetValCurrency(Currency v);
    qint64 ValInteger() const;
    void SetValInteger(qint64 v);
    qint64 ValIntegerDouaZecimale() const;
    void SetValIntegerDouaZecimale(qint64 v);
    QString ValString() const;
    void SetValString(const QString& v);
    QDateTime ValDataScurtFaraAn() const;
    void SetValDataScurtFaraAn(const QDateTime& v);
    QDateTime ValDataScurtCuAn() const;
    void SetValDataScurtCuAn(const QDateTime& v);
    QDateTime ValDataLung() const;
    void SetValDataLung(const QDateTime& v);
    // Any type at once (a currency travels as Currency, an integer as qint64, a date as QDateTime).
    void SetValoare(const QVariant& v, TKivTipDeDateColoana tip);
    const QVariant& Valoare() const { return v_; }

private:
    void verifica(TKivTipDeDateColoana tip) const;

    TKivTipDeDateColoana tip_ = TKivTipDeDateColoana::atAuto;
    QVariant v_;
};

// True for the types that have a text form and an editor.
bool EsteTipReal(TKivTipDeDateColoana tip);
// A value as the cell shows it; "Bug! Nu stiu citi tipul de date!" for a value without a type.
QString FormateazaValoare(const TKivValoareDate& v);

class TKivVirtualGrid;
class TKivVirtualGridList;

// Words packed greedily into lines no wider than latime; a wider word keeps a line of its own.
QStringList ImparteTitlul(const QString& titlu, const QFontMetrics& fm, int latime);

// Font flags of a line, in bit order; a later flag wins over an earlier one.
enum TKivAtributLinie : std::uint8_t {
    alBoldOn = 0x01,
    alBoldOff = 0x02,
    alItalicOn = 0x04,
    alItalicOff = 0x08,
    alSize6 = 0x10,
    alSize8 = 0x20,
    alSize10 = 0x40,
    alSize11 = 0x80
};

// One displayed record; clients derive their own lines and keep their record reference in them.
// Kept small: a grid may hold a hundred thousand of them.
class TKivVirtualGridLine {
public:
    explicit TKivVirtualGridLine(TKivVirtualGridList* proprietar) : proprietar_(proprietar) {}
    virtual ~TKivVirtualGridLine() = default;
    TKivVirtualGridLine(const TKivVirtualGridLine&) = delete;
    TKivVirtualGridLine& operator=(const TKivVirtualGridLine&) = delete;

    TKivVirtualGridList* Proprietar() const { return proprietar_; }
    int Stil() const { return stil_; }
    void SetStil(int stil);
    TColor CuloareFundal = clNone;
    TColor CuloareFont = clNone;
    std::uint8_t Atribute = 0;
    std::uint8_t Inaltime = 0; // 0: the grid's default row height

private:
    TKivVirtualGridList* proprietar_;
    std::uint8_t stil_ = 1;
};

// The grid's lines, in display order; owns them.
class TKivVirtualGridList {
public:
    explicit TKivVirtualGridList(TKivVirtualGrid* grila) : grila_(grila) {}

    // Takes the line; the layout follows unless the client holds an update open.
    TKivVirtualGridLine* Add(std::unique_ptr<TKivVirtualGridLine> linie);
    template <class T = TKivVirtualGridLine, class... A> T* Adauga(A&&... argumente) {
        return static_cast<T*>(Add(std::make_unique<T>(this, std::forward<A>(argumente)...)));
    }
    void Clear();
    int Count() const { return int(linii_.size()); }
    TKivVirtualGridLine* Items(int i) const { return linii_.at(size_t(i)).get(); }
    TKivVirtualGridLine* operator[](int i) const { return Items(i); }
    TKivVirtualGrid* Grid() const { return grila_; }
    void Rezerva(int n) { linii_.reserve(size_t(n)); }

private:
    TKivVirtualGrid* grila_;
    std::vector<std::unique_ptr<TKivVirtualGridLine>> linii_;
};

// One cell style of a column.
struct TKivCuloriColoana {
    TKivCuloriColoana();
    TColor CuloareBackgroundNormal = clWindow;
    TColor CuloareBackgroundSelectat = clHighlight;
    TKivFont FontNormal;
    TKivFont FontSelectat;
    int ImageIndex = -1;
    int Indent = -1;
    Qt::Alignment Aliniere = Qt::AlignLeft;
    bool Activ = false;
};

class TKivVirtualGridColumns;

class TKivVirtualGridColumn {
public:
    explicit TKivVirtualGridColumn(TKivVirtualGridColumns* colectie);

    // Style n (1 to 10); changing it through this reference repaints the grid.
    TKivCuloriColoana& Stil(int n);
    const TKivCuloriColoana& Stil(int n) const;
    TKivCuloriColoana& Stil1() { return Stil(1); }

    TKivTipDeDateColoana TipDeDate = TKivTipDeDateColoana::atString;
    std::function<void(TKivVirtualGridLine* Obj, QString& CellText)> OnGetText;
    std::function<void(TKivVirtualGridLine* Obj, bool& FolosesteEditorStandard)> OnApeleazaEditor;
    bool AllowMultiLineGridPrint = false;

    const QString& NumeColoana() const { return nume_; }
    void SetNumeColoana(const QString& nume);
    const QString& Umbrela1() const { return umbrela_[0]; }
    void SetUmbrela1(const QString& text);
    const QString& Umbrela2() const { return umbrela_[1]; }
    void SetUmbrela2(const QString& text);
    TColor CuloareHeader() const { return culoareHeader_; }
    void SetCuloareHeader(TColor c);
    Qt::Alignment AliniereTextInHeader() const { return aliniereHeader_; }
    void SetAliniereTextInHeader(Qt::Alignment a);
    const TKivFont& FontUmbrela(int banda) const { return fontUmbrela_[banda - 1]; }
    void SetFontUmbrela(int banda, const TKivFont& font);
    TColor CuloareUmbrela(int banda) const { return culoareUmbrela_[banda - 1]; }
    void SetCuloareUmbrela(int banda, TColor c);
    const QString& Umbrela(int banda) const { return umbrela_[banda - 1]; }
    int Width() const { return latime_; }
    void SetWidth(int latime);

    int Index() const;
    // "[index] title", or "<fara nume>" in place of an empty title.
    QString DisplayName() const;

private:
    void schimbat() const;

    TKivVirtualGridColumns* colectie_;
    QString nume_;
    QString umbrela_[2];
    TColor culoareHeader_ = 14482163;
    Qt::Alignment aliniereHeader_ = Qt::AlignHCenter;
    TKivFont fontUmbrela_[2];
    TColor culoareUmbrela_[2] = {clNone, clNone};
    TKivCuloriColoana stiluri_[10];
    int latime_ = 128;
};

class TKivVirtualGridColumns {
public:
    explicit TKivVirtualGridColumns(TKivVirtualGrid* grila) : grila_(grila) {}

    TKivVirtualGridColumn* Add();
    void Delete(int i);
    void Clear();
    int Count() const { return int(coloane_.size()); }
    TKivVirtualGridColumn* Items(int i) const { return coloane_.at(size_t(i)).get(); }
    TKivVirtualGridColumn* operator[](int i) const { return Items(i); }
    int IndexOf(const TKivVirtualGridColumn* coloana) const;
    TKivVirtualGrid* Grid() const { return grila_; }

private:
    friend class TKivVirtualGridColumn;
    void colectieSchimbata();

    TKivVirtualGrid* grila_;
    std::vector<std::unique_ptr<TKivVirtualGridColumn>> coloane_;
};

// A cell that the mouse touched lately; its level drops from 10 as it fades back.
struct TKivCelulaGrid {
    int Coloana = 0;
    int Rand = 0;
    int Nivel = 10;
};
using TKivListaCeluleGrid = std::vector<TKivCelulaGrid>;

class TKivVirtualGrid : public TKivCustomDrawGrid {
    Q_OBJECT
public:
    explicit TKivVirtualGrid(QWidget* parinte = nullptr);
    ~TKivVirtualGrid() override;

    // Posted message numbers: the deferred layout and the fading tick.
    static constexpr int MesajRecalculeaza = 1031;
    static constexpr int MesajTick = 1066;

    TKivVirtualGridColumns Coloane{this};
    TKivVirtualGridList Linii{this};

    int HeaderHeight() const;
    void SetHeaderHeight(int inaltime);
    int NrColoaneFixe() const { return nrColoaneFixe_; }
    void SetNrColoaneFixe(int n);
    TKivGridOptions Optiuni() const { return optiuni_; }
    void SetOptiuni(TKivGridOptions optiuni);

    std::function<void(TKivVirtualGridLine* Obj, int Coloana, TKivValoareDate& V)> OnGetCellValue;
    std::function<void(TKivVirtualGridLine* Obj, int Coloana, const TKivValoareDate& V)> OnSetCellValue;
    std::function<void(TKivVirtualGridLine* Obj, int Coloana, bool& PotEdita)> OnPotEdita;
    std::function<void(TKivVirtualGridLine* Obj, int Coloana, TColor& BkColor, TKivFont& Font)> OnFormatCell;
    std::function<void(TKivVirtualGridLine* Obj, const TKivValoareDate& V, int Coloana, QString& Text)>
        OnCustomText;

    // Report settings: kept, never drawn (nothing prints a grid).
    QString TitluMare = QStringLiteral("TITLUL MARE");
    QString TitluMic = QStringLiteral("TITLUL MIC");
    QString TitluDreaptaSus;
    QString AntetLinia1 = QStringLiteral("Linia #1 din antet");
    QString AntetLinia2 = QStringLiteral("Linia #2 din antet");
    QString AntetLinia3 = QStringLiteral("Linia #3 din antet");
    QString InfoSemnaturi;
    QString InfoSemnaturi_func1, InfoSemnaturi_func2, InfoSemnaturi_func3;
    QString InfoSemnaturi_nume1, InfoSemnaturi_nume2, InfoSemnaturi_nume3;
    bool PrintPortrait = false;
    QString _BuildVersion() const { return QStringLiteral("#1"); }

    void BeginUpdate() { ++actualizari_; }
    void EndUpdate();
    bool InActualizare() const { return actualizari_ > 0; }
    // Column widths, row heights and fixed counts from the columns and lines.
    void RecalculeazaLayout();

    // The text of a data cell (column c, line index); errors as the table of messages says.
    QString TextCelula(int c, int linie);
    // The header title of column c in its lines, as wrapped to the column's width.
    QStringList RanduriTitlu(int c) const;
    static QFont FontTitlu(const TKivVirtualGridColumn& col);
    // The line shown in row r, or none.
    TKivVirtualGridLine* LiniaRandului(int r) const;

    // Hover fading: the hot cells and one tick (the timer calls it every 100 ms while any is hot).
    const TKivListaCeluleGrid& CeluleFierbinti() const { return fierbinti_; }
    void Tick();
    bool TickActiv() const { return tick_.isActive(); }
    // The cell under the mouse, as hover tracking last saw it.
    TGridCoord CelulaSubMouse() const { return subMouse_; }

    // Starts editing the current cell (Enter), with a first typed character or none.
    void Editeaza(QChar primul = {});

protected:
    void paintEvent(QPaintEvent* e) override;
    void DrawCell(QPainter& p, int c, int r, const QRect& d, TGridDrawState stare) override;
    void CurrentCellMoved(TGridCoord vechi) override;
    void ColWidthsChanged() override;
    bool event(QEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    friend class TKivVirtualGridColumns;
    friend class TKivVirtualGridColumn;
    void colectieSchimbata();

    void deseneazaHeader(QPainter& p, int c, const QRect& d);
    int deseneazaBanda(QPainter& p, int c, int banda, const QRect& d, int y);
    void deseneazaTitlu(QPainter& p, const TKivVirtualGridColumn& col, const QRect& d);
    void deseneazaDate(QPainter& p, int c, int r, const QRect& d, TGridDrawState stare);
    void deseneazaUmbra(QPainter& p, const QRect& d, TColor fundal, bool dreapta, bool jos);
    TColor culoareHover(int c, int r, TColor fundal) const;
    bool eDateCelula(int c, int r) const;
    void facFierbinte(int c, int r);
    void repaintFierbinte(const TKivCelulaGrid& celula);
    int pozitieFierbinte(int c, int r) const;

    // A cell font as painted (a style's font with a line's attributes) and its measures, made
    // once: a changed QFont is resolved and shaped anew, which cost most of a cell's painting.
    struct FontPictat {
        QFont baza;
        std::uint8_t atribute;
        QFont font;
        QFontMetrics masura;
        // Texts shaped in this font once seen twice: a list repeats its dates, series, states
        // and qualifications on every page, and shaping is most of a cell's cost.
        mutable QHash<QString, std::optional<QStaticText>> texte;
        const QStaticText* textPregatit(const QString& text) const;
    };
    const FontPictat& fontPictat(const QFont& baza, std::uint8_t atribute);
    static void scrieText(QPainter& p, const QRect& d, Qt::Alignment aliniere, const QString& text,
                          const FontPictat& font);
    // A column's title wrapped to its width, kept while the title, width and font stay.
    struct TitluImpartit {
        QString titlu;
        int latime = -1;
        QFont baza;
        QFont font;
        int inaltimeRand = 0;
        QStringList randuri;
    };
    const TitluImpartit& titluImpartit(const TKivVirtualGridColumn& col, int latime);

    std::deque<FontPictat> fonturi_;
    struct Umbra {
        TColor fundal = clNone;
        std::vector<QColor> culori;
    } umbra_;
    std::vector<TitluImpartit> titluri_;
    int actualizari_ = 0;
    int headerHeight_ = 48;
    int nrColoaneFixe_ = 1;
    TKivGridOptions optiuni_;
    TKivListaCeluleGrid fierbinti_;
    TGridCoord subMouse_;
    QTimer tick_;
    bool recalculareAsteptata_ = false;
};
