#pragma once

#include <ZelGui/zelgui_export.h>

#include <QPushButton>

class QContextMenuEvent;

//! A push button showing the current zoom (1.0 is 100 %). A click or a right
//! click pops up a menu of the preset zooms of ZoomDefs with the current one
//! checked; choosing an entry sets and announces that zoom.
//!
//! setZoom() announces every call through zoomChanged(), also when the zoom
//! does not change; a setZoom() reached from a slot connected to
//! zoomChanged() while it is being emitted is ignored, so the button can be
//! wired both ways to other zoom controls.
//!
//! Each menu is a child of the button and deletes itself when it closes.
class ZELGUI_EXPORT ZelZoomComboBox : public QPushButton
{
    Q_OBJECT
public:
    //! Creates the button at the zoom 1.0; \a parent owns it.
    explicit ZelZoomComboBox(QWidget *parent = nullptr);
    //! Destroys the button and any open menu.
    ~ZelZoomComboBox() override;

    //! The zoom as last set, unrounded.
    double zoom() const;

Q_SIGNALS:
    //! A zoom was set or chosen from the menu (see setZoom()).
    void zoomChanged(double zoom);

public Q_SLOTS:
    //! Stores value, shows it rounded to two decimals and emits zoomChanged.
    //! Values are taken as they are: NaN and infinities show as "-".
    void setZoom(double value);
    //! Pops up the preset menu at p (global coordinates).
    void setupMenu(QPoint p);
    //! Pops up the preset menu at the button's top-left corner.
    void setupMenuByClick();

protected:
    //! \cond
    void contextMenuEvent(QContextMenuEvent *event) override;
    //! \endcond

private Q_SLOTS:
    void setZoomText();

private:
    double m_zoom = -1.0;
    bool m_emitting = false;
    //! The text of the zoom last shown, and that zoom (rounded).
    QString m_text;
    double m_textZoom = -1.0;
};
