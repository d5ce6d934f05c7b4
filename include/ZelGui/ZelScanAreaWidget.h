#pragma once

#include <ZelGui/zelgui_export.h>

#include <ZelCore/ZelScanAreaRange.h>

#include <QRect>
#include <QWidget>

#include <memory>

class Ui_ZelScanAreaWidgetClass;

//! Edits a scan area by its corners, X1/Y1 and X2/Y2, each through a
//! slider-plus-spin-box editor. Edits change the area at once; the owner gets
//! it only when the user presses "Apply" (valueApplyed). Apply is enabled
//! while the area has two distinct columns and two distinct rows.
//!
//! setRange() takes the limits and steps: X1 and X2 run from the area's left
//! to right - left, Y1 and Y2 from its top to bottom - top.
//!
//! The widget owns its form; the editors are its Qt children.
class ZELGUI_EXPORT ZelScanAreaWidget : public QWidget
{
    Q_OBJECT

public:
    //! Creates the four editors with an empty area; \a parent owns the widget.
    explicit ZelScanAreaWidget(QWidget *parent = nullptr);
    //! Destroys the widget and its form.
    ~ZelScanAreaWidget() override;

    //! The single steps of the X1, Y1, X2 and Y2 editors.
    int xStep() const;
    //! The single step of the Y1 editor.
    int yStep() const;
    //! The single step of the X2 editor.
    int hStep() const;
    //! The single step of the Y2 editor.
    int vStep() const;

    //! The area as edited so far, applied or not.
    QRect value() const;

Q_SIGNALS:
    //! The user pressed "Apply"; \a value is the edited area.
    void valueApplyed(QRect value);

public Q_SLOTS:
    //! Sets the limits and the editors' steps.
    void setRange(const ZelScanAreaRange &range);
    //! A null rectangle or the current one changes nothing.
    void setValue(const QRect &value);

protected Q_SLOTS:
    //! Moves the left edge to \a x1 and revalidates; the X1 editor calls it.
    void setX1(int x1);
    //! Moves the top edge to \a y1 and revalidates; the Y1 editor calls it.
    void setY1(int y1);
    //! Moves the right edge to \a x2 and revalidates; the X2 editor calls it.
    void setX2(int x2);
    //! Moves the bottom edge to \a y2 and revalidates; the Y2 editor calls it.
    void setY2(int y2);
    //! Announces the edited area; a slot connected to valueApplyed that
    //! calls it again is ignored.
    void extractValue();
    //! Enables "Apply" while X1 differs from X2 and Y1 from Y2.
    void validate();

protected:
    //! Sets the widget's own texts again when the application's language changes.
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui_ZelScanAreaWidgetClass> const ui;
    QRect m_value;
    QRect m_range;
    bool m_applying = false;
};
