#pragma once

#include <ZelGui/zelgui_export.h>

#include <ZelLog/ZelStatus.h>

#include <QWidget>

//! A 700 x 250 panel that shows the text of a status (the message of a
//! failed load, "No signal", ...) over its parent, typically an image view,
//! and keeps itself centred on the parent whenever it paints. A status
//! without text shows "Unknown status".
class ZELGUI_EXPORT ZelGraphicsStatusWidget : public QWidget
{
    Q_OBJECT

public:
    //! Creates the 700 x 250 panel over \a parent, which owns it.
    explicit ZelGraphicsStatusWidget(QWidget *parent);
    //! Destroys the panel.
    ~ZelGraphicsStatusWidget() override;

    //! Stores a copy; the panel shows it when it next paints (call update()).
    void setStatus(const ZelStatus &status);
    //! The status shown; a default status at first.
    ZelStatus status() const;

protected:
    //! \cond
    void paintEvent(QPaintEvent *event) override;
    //! \endcond

private:
    ZelStatus m_status;
};
