#pragma once

#include <ZelGui/zelgui_export.h>

#include <QColor>
#include <QFrame>

//! A flat swatch filled with one colour. A press (any button) or Space,
//! Return or Enter reports the colour as selected; when not read-only (new
//! items are read-only), a double click or F2 opens QColorDialog to change
//! it. setColor() reports a new colour as selected too.
class ZELGUI_EXPORT ZelColorRectItem : public QFrame
{
    Q_OBJECT
    //! The swatch's colour; invalid by default.
    Q_PROPERTY(QColor color READ color WRITE setColor)

public:
    //! Creates a read-only swatch of \a color; \a parent owns it.
    explicit ZelColorRectItem(const QColor &color = QColor(), QWidget *parent = nullptr);
    //! Destroys the swatch.
    ~ZelColorRectItem() override;

    //! The swatch's colour.
    QColor color() const;
    //! Whether the colour dialog is closed to the user; true for a new swatch.
    bool isReadonly() const;

    //! 16 x 16 pixels.
    QSize sizeHint() const override;

Q_SIGNALS:
    //! The swatch was pressed or activated from the keyboard, or got a new colour.
    void selected(QColor color);

public Q_SLOTS:
    //! Shows \a color and announces it through selected(); the current colour changes nothing.
    void setColor(QColor color);
    //! Closes (true) or opens the colour dialog to double clicks and F2.
    void setReadonly(bool readonly);

protected:
    //! \cond
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    //! \endcond

private:
    void editColor();

    QColor m_color;
    bool m_readonly = true;
};
