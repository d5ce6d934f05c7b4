#pragma once

#include <ZelGui/zelgui_export.h>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>

#include <QBrush>
#include <QImage>
#include <QList>
#include <QMetaType>
#include <QPointF>

#include <memory>

class ZelHSLHistogramPrivate;

//! The three histograms of an image over hue, saturation and lightness, as
//! (value, count) points, with a selected range for each. The host computes
//! them; ZelHSLHistogram shows one. extra is the producer's and is carried
//! along unread.
struct HSLHistogram
{
    QList<QPointF> hue;
    QList<QPointF> saturation;
    QList<QPointF> lightness;
    int extra = 0;
    int hueMin = 0;
    int hueMax = 0;
    int saturationMin = 0;
    int saturationMax = 0;
    int lightnessMin = 0;
    int lightnessMax = 0;

    friend bool operator==(const HSLHistogram &a, const HSLHistogram &b)
    {
        return a.hue == b.hue && a.saturation == b.saturation && a.lightness == b.lightness && a.extra == b.extra
            && a.hueMin == b.hueMin && a.hueMax == b.hueMax && a.saturationMin == b.saturationMin
            && a.saturationMax == b.saturationMax && a.lightnessMin == b.lightnessMin
            && a.lightnessMax == b.lightnessMax;
    }
    friend bool operator!=(const HSLHistogram &a, const HSLHistogram &b) { return !(a == b); }
};

Q_DECLARE_METATYPE(HSLHistogram)

//! A curve filled with a horizontal rainbow running from the left to the
//! right edge of the canvas (brush() is its gradient). With a shift s the colour at x is the hue
//! x - s, so a hue histogram whose points were moved right by s keeps every
//! bar on its own colour.
class ZELGUI_EXPORT ZelHuePlotCurve : public QwtPlotCurve
{
public:
    explicit ZelHuePlotCurve(const QString &title);
    ~ZelHuePlotCurve() override;

    //! Rebuilds the rainbow when the shift changes.
    void setShiftValue(int shift);
    int shiftValue() const;

protected:
    void fillCurve(QPainter *painter, const QwtScaleMap &xMap, const QwtScaleMap &yMap, const QRectF &canvasRect,
                   QPolygonF &polygon) const override;

private:
    void rebuildBrush();
    QBrush fillBrushFor(QPainter *painter, const QPolygonF &polygon) const;

    QBrush m_brush;
    int m_shiftValue = 0;
    //! The rainbow one device pixel high, as wide as the device last filled.
    mutable QImage m_strip;
};

//! A plot of one of the histograms of an HSLHistogram as a filled curve:
//! hue on a rainbow, saturation and lightness in grey. The counts can be
//! shown on a logarithmic scale, the hue histogram turned by a hue shift,
//! and the canvas outside the selected range of the component is shaded.
//!
//! Nothing shows until the first setComponent(). The widget owns its three
//! curves; only the current component's curve is attached to the plot, all
//! three hold current samples.
class ZELGUI_EXPORT ZelHSLHistogram : public QwtPlot
{
    Q_OBJECT
    Q_PROPERTY(Component component READ component WRITE setComponent)

public:
    enum Component : int {
        Hue = 0,
        Saturation = 1,
        Lightness = 2,
    };
    Q_ENUM(Component)

    explicit ZelHSLHistogram(QWidget *parent = nullptr);
    ~ZelHSLHistogram() override;

    Component component() const;
    //! Attaches the component's curve and sets the x scale to its values
    //! (0 to 360 for hue, 0 to 255 otherwise); an unknown component is only
    //! stored.
    void setComponent(Component component);

    bool logMode() const;
    int hueShift() const;

    HSLHistogram data() const;
    void setData(const HSLHistogram &histogram);

    //! The curve of a component (attached or not), owned by the histogram;
    //! null for an unknown component.
    const QwtPlotCurve *curve(Component component) const;

    void drawCanvas(QPainter *painter) override;

public Q_SLOTS:
    void setLogMode(bool logMode);
    //! Hue h is drawn at (h + shift) modulo 360.
    void setHueShift(int shift);

private:
    void recompute();

    std::unique_ptr<ZelHSLHistogramPrivate> const d;
};

//! The points with each count y replaced by ln(y) where y >= 1, and by 0
//! otherwise.
ZELGUI_EXPORT QList<QPointF> fitToLogScaleVector(const QList<QPointF> &points);
