#pragma once

#include <ZelGui/zelgui_export.h>

#include <QColor>
#include <QFrame>
#include <QList>

//! A row of fifteen fixed colour swatches (ZelColorRectItem, read-only) for
//! picking a line colour: a click on a swatch emits colorChanged with its
//! colour, every time. The swatches are children of the picker.
class ZELGUI_EXPORT ZelLineColorPicker : public QFrame
{
    Q_OBJECT
public:
    //! Creates the row of fifteen swatches; \a parent owns the picker.
    explicit ZelLineColorPicker(QWidget *parent = nullptr);
    //! Destroys the picker and its swatches.
    ~ZelLineColorPicker() override;

    //! The swatch colours, left to right.
    QList<QColor> supportedColors() const;

Q_SIGNALS:
    //! A swatch was clicked; \a color is its colour.
    void colorChanged(QColor color);

private Q_SLOTS:
    void onColorChanged(QColor color);

private:
    QList<QColor> colors;
};
