#pragma once

#include <ZelGui/zelgui_export.h>

#include <QComboBox>

//! A combo box of the standard drawing scales of the GOST series, from
//! "100:1" to "1:1000". Each item's zoom (the scale's second number divided
//! by its first, 1.0 for "1:1") is stored under Qt::UserRole. Starts at
//! "1:1". Changing the current item emits zoomChanged() with its zoom.
class ZELGUI_EXPORT ZelZoomGOSTComboBox : public QComboBox
{
    Q_OBJECT
public:
    //! Creates the box with every scale, "1:1" current; \a parent owns it.
    explicit ZelZoomGOSTComboBox(QWidget *parent = nullptr);
    //! Destroys the box.
    ~ZelZoomGOSTComboBox() override;

    //! The current item's zoom, NaN when no item is current.
    double zoom() const;
    //! Selects the first scale whose zoom equals z (qFuzzyCompare); a zoom
    //! that is no scale of the list changes nothing.
    void setZoom(double z);

Q_SIGNALS:
    //! The current item changed; \a zoom is its zoom.
    void zoomChanged(double zoom);

private Q_SLOTS:
    void onCurrentChanged(int index);
};
