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
    explicit ZelZoomSpinBox(QWidget *parent = nullptr);
    ~ZelZoomSpinBox() override;

    //! The zoom as last adopted (validated, unrounded).
    double zoom() const;

Q_SIGNALS:
    void zoomChanged(double zoom);

public Q_SLOTS:
    void setZoom(double value);

private Q_SLOTS:
    void loadZoom(int zoom);

private:
    void adopt(double zoom);

    bool m_emitting = false;
    double m_zoom = 1.0;
};
