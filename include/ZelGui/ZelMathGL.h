#pragma once

#include <ZelGui/zelgui_export.h>

#include <ZelCore/ZelVec4D.h>

#include <QList>
#include <QWidget>

#include <memory>

class ZelMathGLPrivate;

//! A plot of a list of 4-D points: the fourth component of each point over
//! its index, as one curve. The axes follow the data until setScaleBottom()
//! fixes the bottom one.
//!
//! The widget owns its private object and, through Qt, the plot and its
//! curve.
class ZELGUI_EXPORT ZelMathGL : public QWidget
{
    Q_OBJECT

public:
    //! Creates an empty plot; \a parent owns it.
    explicit ZelMathGL(QWidget *parent = nullptr);
    //! Destroys the widget, its plot and curve.
    ~ZelMathGL() override;

    //! Shows model; an empty list clears the curve. Points whose fourth
    //! component is not finite leave a gap.
    Q_INVOKABLE void setModel(QList<ZelVec4D> model);
    //! Fixes the bottom axis to \a min to \a max with \a step between major ticks; it no longer follows the data.
    void setScaleBottom(int min, int max, int step);

protected:
    //! Sets the widget's own texts again when the application's language changes.
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<ZelMathGLPrivate> const d;
};
