#pragma once

#include <ZelGui/zelgui_export.h>

#include <ZelCore/ZelScanAreaRange.h>

#include <QRect>
#include <QWidget>

#include <memory>

class Ui_ZelConfigureRectWidgetClass;

//! Edits a rectangle inside an allowed area by position and size (X, Y,
//! Width, Height), each through a slider-plus-spin-box editor. Moving the
//! rectangle keeps its size. Edits change the rectangle at once; the owner
//! gets it only when the user presses "Apply" (valueApplyed). Apply is
//! enabled while X + Width and Y + Height stay within the area's width and
//! height.
//!
//! setRange() takes the area and the steps: X and Width run from the area's
//! left to its width, Y and Height from its top to its height.
//!
//! The widget owns its form; the editors are its Qt children.
class ZELGUI_EXPORT ZelConfigureRectWidget : public QWidget
{
    Q_OBJECT

public:
    //! Creates the editors with an empty area; \a parent owns the widget.
    explicit ZelConfigureRectWidget(QWidget *parent = nullptr);
    //! Destroys the widget and its form.
    ~ZelConfigureRectWidget() override;

    //! Enables "Apply" while X + Width and Y + Height fit the area's width and height, disables it otherwise; the editors' changes call it.
    void validate();

    //! The single steps of the X, Y, Width and Height editors.
    int xStep() const;
    //! The single step of the Y editor.
    int yStep() const;
    //! The single step of the Width editor.
    int hStep() const;
    //! The single step of the Height editor.
    int vStep() const;

    //! The area last set, with the editors' current steps; the reserved
    //! field is 0.
    ZelScanAreaRange range() const;

    //! The rectangle as edited so far, applied or not.
    QRect value() const;

Q_SIGNALS:
    //! The user pressed "Apply"; \a value is the edited rectangle.
    void valueApplyed(QRect value);

public Q_SLOTS:
    //! Sets the area and the editors' steps; values outside the new bounds are brought into them.
    void setRange(const ZelScanAreaRange &range);
    //! A null rectangle or the current one changes nothing.
    void setValue(const QRect &value);

private Q_SLOTS:
    void setX(int x);
    void setY(int y);
    void setWidth(int width);
    void setHeight(int height);
    //! Announces the edited rectangle; a slot connected to valueApplyed that
    //! calls it again is ignored.
    void extractValue();

protected:
    //! Sets the widget's own texts again when the application's language changes.
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui_ZelConfigureRectWidgetClass> const ui;
    QRect m_value;
    QRect m_range;
    bool m_applying = false;
};
