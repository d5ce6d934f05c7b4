#pragma once

//! \file
//! The HSL histogram plot, its data and its helpers.

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
    //! The hue histogram: x the hue (0 to 359), y the count.
    QList<QPointF> hue;
    //! The saturation histogram: x 0 to 255, y the count.
    QList<QPointF> saturation;
    //! The lightness histogram: x 0 to 255, y the count.
    QList<QPointF> lightness;
    //! The producer's own value, carried along unread.
    int extra = 0;
    //! Lower end of the selected hue range.
    int hueMin = 0;
    //! Upper end of the selected hue range.
    int hueMax = 0;
    //! Lower end of the selected saturation range.
    int saturationMin = 0;
    //! Upper end of the selected saturation range.
    int saturationMax = 0;
    //! Lower end of the selected lightness range.
    int lightnessMin = 0;
    //! Upper end of the selected lightness range.
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
    //! Creates a curve titled \a title with shift 0.
    explicit ZelHuePlotCurve(const QString &title);
    //! Destroys the curve.
    ~ZelHuePlotCurve() override;

    //! Rebuilds the rainbow when the shift changes.
    void setShiftValue(int shift);
    //! The hue shift of the rainbow; 0 by default.
    int shiftValue() const;

protected:
    //! Fills the area under the curve with the rainbow, stretched over the canvas width.
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
    //! The histogram shown (see setComponent()).
    Q_PROPERTY(Component component READ component WRITE setComponent)

public:
    //! The histogram of an HSLHistogram to show.
    enum Component : int {
        Hue = 0, //!< the hue histogram on a rainbow
        Saturation = 1, //!< the saturation histogram in grey
        Lightness = 2, //!< the lightness histogram in grey
    };
    Q_ENUM(Component)

    //! Creates an empty plot that shows nothing until setComponent(); \a parent owns it.
    explicit ZelHSLHistogram(QWidget *parent = nullptr);
    //! Destroys the plot and its three curves.
    ~ZelHSLHistogram() override;

    //! The component shown.
    Component component() const;
    //! Attaches the component's curve and sets the x scale to its values
    //! (0 to 360 for hue, 0 to 255 otherwise); an unknown component is only
    //! stored.
    void setComponent(Component component);

    //! Whether the counts are drawn as their natural logarithm; false by default.
    bool logMode() const;
    //! The hue shift; 0 by default.
    int hueShift() const;

    //! A copy of the histograms last set.
    HSLHistogram data() const;
    //! Takes a copy of the histograms and updates all three curves.
    void setData(const HSLHistogram &histogram);

    //! The curve of a component (attached or not), owned by the histogram;
    //! null for an unknown component.
    const QwtPlotCurve *curve(Component component) const;

    //! Draws the curve and shades the canvas outside the selected range of the component.
    void drawCanvas(QPainter *painter) override;

public Q_SLOTS:
    //! Switches the counts between linear and logarithmic; the same mode changes nothing.
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
