#pragma once

//! \file
//! The thermo bars of colour components and their colour-map helper.

#include <ZelGui/zelgui_export.h>

#include <qwt_thermo.h>

#include <QColor>
#include <QPointF>
#include <QWidget>

#include <memory>
#include <utility>

class QwtLinearColorMap;
class ZelThermoBarSpanPrivate;
class ZelHSLThermoBarRotatePrivate;

//! A thin horizontal QwtThermo that shows the colour ramp of one colour
//! component. The bar only installs the colour map: scale, value and pipe
//! width stay the host's, set through the QwtThermo interface (the ramp shows
//! where the thermo is filled, so a host that wants the whole ramp sets the
//! value to the scale's upper bound).
//!
//! No colour map is installed until the first setComponent(). Each update
//! hands a new map to QwtThermo::setColorMap(), which owns it.
class ZELGUI_EXPORT ZelThermoBar : public QwtThermo
{
    Q_OBJECT

public:
    //! The colour component whose ramp the bar shows.
    enum Component : int {
        Hue = 0, //!< every hue, 0 to 359
        Saturation = 1, //!< the saturations of a blue hue, grey to full
        Lightness = 2, //!< the lightnesses of a blue hue, black to white
        Red = 3, //!< the lightnesses of a red hue
        Green = 4, //!< the lightnesses of a green hue
        Blue = 5, //!< the lightnesses of a blue hue
        Gray = 6, //!< grey levels, black to white
    };

    //! Creates a bar without a colour map (component Hue stored); \a parent owns it.
    explicit ZelThermoBar(QWidget *parent = nullptr);
    //! Destroys the bar.
    ~ZelThermoBar() override;

    //! Always rebuilds the map, also for the current component.
    void setComponent(Component component);
    //! The component last set; Hue by default.
    Component component() const;

    //! 359 for Hue, 255 for the other components, -1 for an unknown one.
    static int getMaxValueByComponent(Component component);
    //! The colour of one value of Hue, Saturation, Lightness or Red; an
    //! invalid colour for the other components.
    static QColor getColorForBar(Component component, int value);

    //! Builds and installs the colour map of the current component. An
    //! unknown component is logged and keeps the installed map.
    virtual void updateBrush();

    //! A square as wide as the minimum width: the host gives the bar its
    //! height (setFixedHeight() or a layout constraint).
    QSize minimumSizeHint() const override;

private:
    Component m_component = Hue;
};

//! A ramp of one hue: stops at k / 255 for k = 0 to 254 running through the
//! saturations (saturationRamp) or the lightnesses of the hue, and endColor
//! at 1.0. The caller owns the returned map.
ZELGUI_EXPORT QwtLinearColorMap *buildRgbColorMap(int hue, QColor startColor, QColor endColor, int saturation,
                                                  bool saturationRamp);

//! One of the two handles of a ZelThermoBarSpan: a small widget that reports
//! where the pointer goes while it is held. The bar owns it as a Qt child.
class ZELGUI_EXPORT ZelThermoBarSpanHandler : public QWidget
{
    Q_OBJECT

public:
    //! Which end of the span the handle marks.
    enum Type : int {
        Min = 0, //!< shows the lower end of the span
        Max = 1, //!< shows the upper end of the span
    };

    //! Creates a handle of \a type on \a parent, which owns it.
    ZelThermoBarSpanHandler(Type type, QWidget *parent);
    //! Destroys the handle.
    ~ZelThermoBarSpanHandler() override;

    //! Which end of the span the handle marks.
    Type type() const { return m_type; }
    //! True while the user holds the handle.
    bool isPressed() const { return m_pressed; }

Q_SIGNALS:
    //! The pointer position while the handle is held, in the handle's own
    //! coordinates.
    void moved(QPointF position);

protected:
    //! \cond
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    //! \endcond

private:
    Type m_type;
    bool m_pressed = false;
};

//! A thermo bar with two handles marking a span [spanMin, spanMax] of an
//! integer range. Values map to pixels by the range's width alone: value v
//! stands at v * width / (range maximum - range minimum), so value 0 is at
//! the left edge.
//!
//! Handles are dragged with the mouse while the span is not empty; with the
//! keyboard focus on a handle, the arrow keys step it by one, Page Up/Down by
//! ten and Home/End send it to the range's ends, under the same rules as the
//! setters.
class ZELGUI_EXPORT ZelThermoBarSpan : public ZelThermoBar
{
    Q_OBJECT
    //! The lower end of the span; 0 at first.
    Q_PROPERTY(int spanMin READ spanMin WRITE setSpanMin NOTIFY spanMinChanged)
    //! The upper end of the span; 0 at first.
    Q_PROPERTY(int spanMax READ spanMax WRITE setSpanMax NOTIFY spanMaxChanged)

public:
    //! Creates the bar with its two handles, the range 0 to 0 and the span 0 to 0; \a parent owns it.
    explicit ZelThermoBarSpan(QWidget *parent = nullptr);
    //! Destroys the bar and its handles.
    ~ZelThermoBarSpan() override;

    //! The lower end of the span.
    int spanMin() const;
    //! The upper end of the span.
    int spanMax() const;

    //! first is the range minimum, second its maximum. A new range does not
    //! move the span into it.
    std::pair<int, int> range() const;
    //! Sets the range; a new range emits rangeChanged() and moves the handles to their pixels.
    void setRange(std::pair<int, int> range);

    //! The handles, owned by the bar.
    ZelThermoBarSpanHandler *minHandler() const;
    //! The handle of the upper end, owned by the bar.
    ZelThermoBarSpanHandler *maxHandler() const;

public Q_SLOTS:
    //! Taken only when not above spanMax; stored bounded into the range.
    void setSpanMin(int value);
    //! Taken only when above spanMin; stored bounded into the range.
    void setSpanMax(int value);

Q_SIGNALS:
    //! The lower end was set or dragged.
    void spanMinChanged(int value);
    //! The upper end was set or dragged.
    void spanMaxChanged(int value);
    //! setRange() took a new range.
    void rangeChanged(std::pair<int, int> range);

protected:
    //! \cond
    void resizeEvent(QResizeEvent *event) override;
    //! \endcond

private:
    friend class ZelThermoBarSpanPrivate;
    friend class ZelThermoBarSpanHandler;
    std::unique_ptr<ZelThermoBarSpanPrivate> const d;
};

//! A thermo bar whose ramp turns cyclically when dragged sideways: a drag
//! over the whole width turns it by (almost) one full cycle. The rotation is
//! a ratio of one cycle, kept in [0, 1) by dragging; translateStartStep() is
//! the same rotation in component units (hue degrees, or 0 to 254).
//!
//! With the keyboard focus, Left and Right turn the ramp by one unit and Home
//! turns it back to the start.
class ZELGUI_EXPORT ZelHSLThermoBarRotate : public ZelThermoBar
{
    Q_OBJECT

public:
    //! Creates a bar with rotation 0; \a parent owns it.
    explicit ZelHSLThermoBarRotate(QWidget *parent = nullptr);
    //! Destroys the bar.
    ~ZelHSLThermoBarRotate() override;

    //! The rotation as a ratio of one cycle; 0 by default.
    double translateStartRatio() const;
    //! Stored as given (no wrapping); the ramp shows it modulo one cycle.
    void setTranslateStartRatio(double ratio);
    //! The rotation in component units, truncated.
    int translateStartStep() const;

    //! Builds and installs the colour map of the component, turned by the rotation.
    void updateBrush() override;

Q_SIGNALS:
    //! The rotation changed; emitted before translateStartStepChanged().
    void translateStartRatioChanged(double ratio);
    //! The rotation changed; \a step is translateStartStep().
    void translateStartStepChanged(int step);

protected:
    //! \cond
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    //! \endcond

private:
    void applyRatio(double ratio);

    std::unique_ptr<ZelHSLThermoBarRotatePrivate> const d;
};
