#pragma once

#include <ZelGui/zelgui_export.h>

#include <ZelCore/ZelMinMaxRange.h>

#include <QColor>
#include <QWidget>

#include <memory>

class QLabel;
class ZelColorSelectWidgetPrivate;

//! Red, green and blue editors (slider and spin box each) beside a colour
//! box. The user's edits are announced as colorChanged, in both forms; the
//! setters change the editors silently. The colour box keeps the white the
//! form gives it until the host colours it (colorBox()).
//!
//! The editors' range is given to the constructor; a colour with a component
//! outside 0 to 255 is announced as an invalid QColor (the three integers
//! still carry the values). The widget owns its form and private object.
class ZELGUI_EXPORT ZelColorSelectWidget : public QWidget
{
    Q_OBJECT
public:
    //! Creates the three editors over \a min to \a max with step 1; \a parent owns the widget.
    explicit ZelColorSelectWidget(QWidget *parent = nullptr, int min = 0, int max = 255);
    //! Destroys the widget, its form and its private object.
    ~ZelColorSelectWidget() override;

    //! The editors' values, snapped to their single step.
    int red() const;
    //! The green editor's value.
    int green() const;
    //! The blue editor's value.
    int blue() const;
    //! The range and single step of the red editor.
    ZelMinMaxRange<int> redRange() const;
    //! The range and single step of the green editor.
    ZelMinMaxRange<int> greenRange() const;
    //! The range and single step of the blue editor.
    ZelMinMaxRange<int> blueRange() const;

    //! Whether the colour box is shown (not hidden), also before the widget
    //! itself is shown.
    bool isColorBoxVisible() const;
    //! Shows or hides the colour box.
    void setVisibleColorBox(bool visible);
    //! The colour box, a QLabel of the form, for the host to colour.
    QLabel *colorBox() const;

Q_SIGNALS:
    //! The user changed a component; invalid when a component lies outside 0 to 255.
    void colorChanged(QColor color);
    //! The same change as three integers; follows colorChanged(QColor).
    void colorChanged(int r, int g, int b);

public Q_SLOTS:
    //! Set the editors without announcing anything. An invalid colour gives
    //! the components Qt gives it (0, 0, 0).
    void setColor(QColor color);
    //! Sets the three editors without announcing anything.
    void setColor(int r, int g, int b);
    //! Sets the red editor without announcing anything.
    void setRed(int red);
    //! Sets the green editor without announcing anything.
    void setGreen(int green);
    //! Sets the blue editor without announcing anything.
    void setBlue(int blue);
    //! Announces the current colour: colorChanged(QColor), then
    //! colorChanged(r, g, b).
    void Q_EMITValue();

protected:
    //! Sets the widget's own texts again when the application's language changes.
    void changeEvent(QEvent *event) override;

private:
    void nameControls();

    std::unique_ptr<ZelColorSelectWidgetPrivate> const d;
};
