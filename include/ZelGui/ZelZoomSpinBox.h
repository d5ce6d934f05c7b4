#pragma once

#include <ZelGui/zelgui_export.h>

#include <QSpinBox>

//! A spin box showing a zoom in percent (1.0 is 100 %), from 10 % to 3200 %.
//! Every zoom it adopts, typed or set, is passed through
//! ZoomDefs::zoomValidation with the minimum 0.1 and then announced by
//! zoomChanged(); a zoom equal to the current one is not announced again.
//! A setZoom() reached from a slot connected to zoomChanged() while it is
//! being emitted is ignored.
class ZELGUI_EXPORT ZelZoomSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    //! Creates a box showing 100 %; \a parent owns it.
    explicit ZelZoomSpinBox(QWidget *parent = nullptr);
    //! Destroys the box.
    ~ZelZoomSpinBox() override;

    //! The zoom as last adopted (validated, unrounded).
    double zoom() const;

Q_SIGNALS:
    //! A new zoom was adopted, typed or set.
    void zoomChanged(double zoom);

public Q_SLOTS:
    //! Adopts \a value (validated) and announces it, unless it equals the current zoom or comes from a receiver of zoomChanged().
    void setZoom(double value);

private Q_SLOTS:
    void loadZoom(int zoom);

private:
    void adopt(double zoom);

    bool m_emitting = false;
    double m_zoom = 1.0;
};
