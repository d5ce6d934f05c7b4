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
    Q_PROPERTY(QColor color READ color WRITE setColor)

public:
    explicit ZelColorRectItem(const QColor &color = QColor(), QWidget *parent = nullptr);
    ~ZelColorRectItem() override;

    QColor color() const;
    bool isReadonly() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void selected(QColor color);

public Q_SLOTS:
    void setColor(QColor color);
    void setReadonly(bool readonly);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void editColor();

    QColor m_color;
    bool m_readonly = true;
};
