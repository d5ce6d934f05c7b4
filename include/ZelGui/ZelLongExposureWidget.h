#pragma once

#include <ZelGui/zelgui_export.h>

#include <QGroupBox>
#include <QProgressBar>
#include <QVariant>

class ZelDoubleRangeWidget;

//! A progress bar for a long exposure. Its values are milliseconds; its
//! text shows seconds: "elapsed/total sec" for exposures of 1.2 s and more,
//! just the total for shorter ones, nothing while the bar is reset.
class ZELGUI_EXPORT ZelLongExposureProgressBar : public QProgressBar
{
    Q_OBJECT
public:
    //! Creates an empty bar; \a parent owns it.
    explicit ZelLongExposureProgressBar(QWidget *parent = nullptr);
    //! Destroys the bar.
    ~ZelLongExposureProgressBar() override;

    //! The bar's text in seconds, as the class description says.
    QString text() const override;
};

//! A checkable group with an exposure-time editor (seconds, 3 decimals) and
//! a progress bar that counts a running exposure. The host feeds the count
//! through update(); the widget re-announces the editor's value as
//! valueChanged and the group's check as statusChanged.
//!
//! The editor and the bar are children of the widget.
class ZELGUI_EXPORT ZelLongExposureWidget : public QGroupBox
{
    Q_OBJECT
public:
    //! Creates the group with its editor and bar; \a parent owns it.
    explicit ZelLongExposureWidget(QWidget *parent = nullptr);
    //! Destroys the group, the editor and the bar.
    ~ZelLongExposureWidget() override;

    //! Sets the editor's range, in seconds.
    void setRange(double min, double max);
    //! Sets the editor's step, in seconds.
    void setSingleStep(double step);

    //! Repainting stays available beside the update(bool, int, int) slot.
    using QGroupBox::update;

    //! The exposure-time editor, owned by the widget.
    ZelDoubleRangeWidget *exposureEditor() const;
    //! The progress bar, owned by the widget.
    ZelLongExposureProgressBar *progressBar() const;

Q_SIGNALS:
    //! The exposure time the user chose, in seconds.
    void valueChanged(double value);
    //! Whether long exposure was switched on by the user.
    void statusChanged(bool status);

public Q_SLOTS:
    //! Sets the exposure time (seconds); a value that is not a number is
    //! ignored.
    void setValue(QVariant exposure);
    //! Times in milliseconds: while status is true a new total resets the
    //! range; the bar shows totalTime - leftTime.
    void update(bool status, int totalTime, int leftTime);

private Q_SLOTS:
    void setZelLongExposureTime(double time);
    void setZelLongExposureStatus(bool enabled);

private:
    ZelDoubleRangeWidget *m_exposure = nullptr;
    ZelLongExposureProgressBar *m_progressBar = nullptr;
};
