// The band scope's drawing and click logic for any picture size. A ScopeGeometry says how big
// the picture is and where its centre column lies; a ScopeView keeps, for one view, the scale,
// bar and composed pictures and its own record of what changed (update cursor, last frequency,
// picture-changed flag, marker), so two views never share spacing or changed points.
// Thread contract: user-interface thread only (the pictures are QImages used on that thread).
#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace corvell {

class clsScopeDATA;
class clsScopeSTAT;

// The size of one view's scope picture and the values it writes into the scope settings before
// each geometry run.
struct ScopeGeometry {
    int width;               // picture columns
    int height;              // picture rows
    int centreX;             // the tuned frequency's column
    int16_t halfWidthPx;     // pixels available on each side of the centre
    int16_t minPixPerPoint;  // fewest pixels per point
    int16_t minPoints;       // fewest points per side
    int tickTop;             // first row of the frequency ticks (below the label strip)
};

// The scope window: 401 x 91, centre column 200.
inline constexpr ScopeGeometry kScopeWindowGeometry{401, 91, 200, 200, 2, 1, 14};
// The receiver panel's pane: 201 x 60, centre column 100.
inline constexpr ScopeGeometry kScopePaneGeometry{201, 60, 100, 100, 1, 1, 14};

// Colours as 0xAARRGGBB.
namespace scopecolour {
inline constexpr QRgb kBlack = 0xff000000;
inline constexpr QRgb kGridOff = 0xff808080;
inline constexpr QRgb kGrid = 0xff008000;
inline constexpr QRgb kEdge = 0xff00ff00;
inline constexpr QRgb kCentre = 0xff808000;
inline constexpr QRgb kCentreBar = 0xffffff00;  // the tuned point's bar (yellow)
inline constexpr QRgb kBar = 0xff00ffff;        // every other bar (cyan)
inline constexpr QRgb kMarker = 0xffffff00;
}  // namespace scopecolour

// Rounds down to the next lower integer, for negative quotients too. b must be positive.
constexpr int64_t floorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// The columns of buffer index i's bar (128 is the tuned point) at p pixels per point.
struct ScopeBar {
    int x;
    int width;
};
ScopeBar scopeBar(const ScopeGeometry& g, int index, int pixPerPoint);

// The most pixels per point, at most `pixPerPoint`, at which the bars of the outermost points
// (pointsPerSide either side of the centre) lie whole inside the picture.
int scopeFittedPixPerPoint(const ScopeGeometry& g, int pixPerPoint, int pointsPerSide);

// The top row of a bar of `level` (0..240) reaching down to the last row.
int scopeBarTop(const ScopeGeometry& g, int level);

// The point offset a click at column x selects: the nearest point, rounding down on both sides
// of the centre alike.
int64_t scopeClickOffset(const ScopeGeometry& g, int x, int pixPerPoint);

// The marker column of `frequency` in a picture frozen at `centre`, or none when it lies
// beyond the used pixels (or the step is 0). Worked out in 64 bits.
std::optional<int> scopeMarkerColumn(const ScopeGeometry& g, int64_t frequency, int64_t centre,
                                     int32_t stepHz, int pixPerPoint, int usedPixels);

// The texts of a view's label strip after a geometry run. The status icon beside it has its own
// writer (ScopeViewLogic::ShowScopeStatus), so a set-up cannot hide a pause it does not know of.
struct ScopeLabels {
    QString rangeNo;  // " SPAN n"
    QString left;     // "-200k" or empty
    QString right;    // "+200k" or empty
    QString step;     // "step 5.0k" or empty
};
ScopeLabels scopeLabels(const clsScopeSTAT& stat, const clsScopeDATA& data);
// "5.0k", "6.25k": kHz with one or two decimals.
QString scopeStepText(int32_t hz);
// Status icon: 0 none, 1 limited, 2 paused (paused wins).
int scopeStatusIcon(const clsScopeSTAT& stat, const clsScopeDATA& data);

// The sweep spacing a view worked out with its own geometry, kept by the view: the shared
// scope settings hold the values of whichever view ran its geometry last.
struct ScopeSpacing {
    int pixPerPoint = 0;
    int pointsPerSide = 0;
    int pointsRaw = 0;
    int usedPixels = 0;
    int32_t stepHz = 0;
};

class ScopeView {
  public:
    explicit ScopeView(const ScopeGeometry& geometry);

    const ScopeGeometry& geometry() const { return g_; }

    // The geometry run of a set-up: this view's values into the settings, ScopeCheckParam2,
    // then step, point count and speed into the buffer.
    void applyGeometry(clsScopeSTAT& stat, clsScopeDATA& data);
    // Keeps the spacing the settings hold now as this view's own.
    void takeSpacing(const clsScopeSTAT& stat);
    const ScopeSpacing& spacing() const { return spacing_; }

    // The frequency scale; `off` draws it grey (the scope state is 0).
    void drawScale(const clsScopeSTAT& stat, bool off);
    // One bar into the bar picture (nothing while paused; mode 0 erases it).
    void drawPoint(int index, int level, int16_t bufferMode, bool paused);
    // Draws the points whose level differs from what this view last drew (its own record, so
    // another view reading the buffer first takes nothing from it). Returns the new redraw period
    // in ms, or -1 to keep it: 0 while points are drawn, 200 (and nothing drawn) right after a
    // retune.
    int update(clsScopeDATA& data, const clsScopeSTAT& stat, int32_t frequency, bool blank);
    // The scale into the composed picture, and (unless blank) the bars ORed over it.
    void compose(bool blank);

    void clearWave() {
        wave_.fill(scopecolour::kBlack);
        drawn_.fill(0);
    }
    void clearScale() { scale_.fill(scopecolour::kBlack); }
    void clearBuffer() { buffer_.fill(scopecolour::kBlack); }
    void copyScaleToBuffer() { buffer_ = scale_.copy(); }

    const QImage& scale() const { return scale_; }
    const QImage& wave() const { return wave_; }
    const QImage& buffer() const { return buffer_; }

    // Set by a drawn point (and by the window on scope off, pause release); cleared by the paint.
    bool pictureChanged = false;

    // The pause marker: recomputed only when the tuned frequency moves while paused.
    // Returns the column to draw the line at, or none (hidden).
    std::optional<int> marker(const clsScopeSTAT& stat, int32_t frequency);
    std::optional<int> markerColumn() const { return markerColumn_; }

    int updateCursor() const { return cursor_; }

  private:
    void fillColumns(QImage& img, int x0, int x1, int y0, int y1, QRgb colour);

    ScopeGeometry g_;
    ScopeSpacing spacing_;
    std::array<int16_t, 257> drawn_{};  // the level each point's bar shows
    QImage scale_;
    QImage wave_;
    QImage buffer_;
    int cursor_ = 0;
    int32_t lastFrequency_ = 0;
    bool updating_ = false;
    int32_t markerFrequency_ = 0;
    std::optional<int> markerColumn_;
};

}  // namespace corvell
