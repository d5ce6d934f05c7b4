#pragma once

#include <ZelGui/zelgui_export.h>

#include <QSlider>

//! A slider whose positions stand for zooms (1.0 is 100 %) on a natural
//! logarithmic scale: position = ln(zoom) x 10000, from 0.1 to 32. Moving the
//! handle emits zoomChanged() with the zoom of the position rounded to two
//! decimals.
//!
//! setZoom() moves the handle and, when the position changes, announces the
//! new zoom like a user move; setting the zoom the slider already shows
//! announces nothing. setMinZoom() lowers the bottom of the range without
//! announcing anything.
class ZELGUI_EXPORT ZelZoomSlider : public QSlider
{
    Q_OBJECT
public:
    //! Creates a slider over the zooms 0.1 to 32; \a parent owns it.
    explicit ZelZoomSlider(QWidget *parent = nullptr);
    //! Destroys the slider.
    ~ZelZoomSlider() override;

Q_SIGNALS:
    //! The position changed; \a value is its zoom rounded to two decimals.
    void zoomChanged(double value);

public Q_SLOTS:
    //! NaN counts as 1.0; zero, negative and infinite zooms go to the ends
    //! of the range.
    void setZoom(double zoom);
    //! The bottom of the range becomes the position of min(minZoom, 0.1); a
    //! NaN or non-positive minZoom means 0.1. The top stays at the zoom 32.
    void setMinZoom(double minZoom);
    //! The zoom of the current position.
    double currentZoom() const;
    //! The position of a zoom, rounded half away from zero and kept inside
    //! the int range (not the slider's range).
    int mapZoomToSlider(double value) const;
    //! The zoom of position \a value: exp(value / 10000).
    double mapSliderToZoom(int value) const;

private Q_SLOTS:
    void translateToZoom(int zoom);

private:
    qint32 m_mapping;
    //! The last mapping each way: the toolbar maps the same zoom and the
    //! same position several times per change.
    mutable double m_lastZoom;
    mutable int m_lastZoomPosition = 0;
    mutable int m_lastPosition = 0;
    mutable double m_lastPositionZoom;
};
