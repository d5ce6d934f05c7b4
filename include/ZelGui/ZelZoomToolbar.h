#pragma once

#include <ZelGui/zelgui_export.h>

#include <QWidget>

#include <memory>

class QAction;
class Ui_ZelZoomToolbarClass;

//! A row of zoom controls: a ZelZoomComboBox with the preset menu, a zoom-out
//! button, a logarithmic ZelZoomSlider and a zoom-in button. The children
//! always show the same zoom; every zoom the toolbar adopts is passed
//! through ZoomDefs::zoomValidation with the current minimum zoom, and the
//! largest zoom is 32.
//!
//! The zoom-in and zoom-out actions carry the standard zoom shortcuts, active
//! while the focus is inside the toolbar; they are disabled at 32 and at the
//! minimum zoom. They belong to the toolbar and are listed in its actions().
//!
//! Every change made in a child is republished as zoomChanged(). One user
//! action may announce the same final zoom more than once: the children's
//! announcements pass through the toolbar without blocking signals.
class ZELGUI_EXPORT ZelZoomToolbar : public QWidget
{
    Q_OBJECT
public:
    //! Creates the controls and the zoom actions, at the zoom 1.0 with the minimum 0.1; \a parent owns the toolbar.
    explicit ZelZoomToolbar(QWidget *parent = nullptr);
    //! Destroys the toolbar, its children and actions.
    ~ZelZoomToolbar() override;

    //! The current, validated zoom.
    double zoom() const;
    //! The minimum zoom; 0.1 by default.
    double minZoom() const;

    //! The slider's single step in positions (ln(zoom) x 10000).
    double step() const;
    //! Truncated to whole positions; NaN and negative steps are ignored.
    void setStep(double step);

    //! Whether the zoom is below the largest, 32.
    bool canExecZoomIn() const;
    //! Whether the zoom is above the minimum.
    bool canExecZoomOut() const;

Q_SIGNALS:
    //! A child changed the zoom; \a zoom is the new zoom.
    void zoomChanged(double zoom);

public Q_SLOTS:
    //! Adopts \a zoom (validated against the minimum) and shows it in every child.
    void setZoom(double zoom);
    //! The minimum zoom becomes min(minZoom, 0.1); a NaN or non-positive
    //! minZoom means 0.1. The current zoom is kept as it is.
    void setMinZoom(double minZoom);

private Q_SLOTS:
    void zoomIn();
    void zoomOut();

protected:
    //! Sets the widget's own texts again when the application's language changes.
    void changeEvent(QEvent *event) override;

private:
    //! Create the zoom actions (children of the toolbar); used once by the
    //! constructor.
    QAction *actionZoomIn();
    QAction *actionZoomOut();
    double nextZoom(double (*step)(double, double)) const;
    void showZoom();

    double m_zoom = -1.0;
    double m_minZoom = 0.1;
    QAction *m_actionZoomIn = nullptr;
    QAction *m_actionZoomOut = nullptr;
    std::unique_ptr<Ui_ZelZoomToolbarClass> const ui;
};
