#pragma once

#include <ZelGui/zelgui_export.h>

#include <QLabel>

//! A label that looks like a tool tip: tool-tip palette, panel and mask of
//! the style, shown as a separate tool-tip window. Unlike QToolTip it stays
//! where it is put and shows what it is told until it is hidden, so a widget
//! can run its own tips (values over slider handles...).
//!
//! Being its own window, it is not hidden with its parent: keep it in a
//! QPointer and hide it yourself. The parent, if any, owns it.
class ZELGUI_EXPORT ZelTipLabel : public QLabel
{
public:
    //! margin: pixels between the text and the tip's edge on top of the
    //! style's tool-tip frame width (at most 1024).
    explicit ZelTipLabel(unsigned int margin, QWidget *parent = nullptr);
    ~ZelTipLabel() override;

    //! Sets the text and resizes the tip to fit it.
    void setTipText(QString const &text);
    //! The text shown.
    QString tipText() const;

protected:
    //! \cond
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    //! \endcond
};
