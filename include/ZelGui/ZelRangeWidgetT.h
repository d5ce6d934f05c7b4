#pragma once

#include <ZelCore/ZelMinMaxRange.h>

#include <QSignalBlocker>
#include <QWidget>
#include <QtGlobal>

#include <cmath>
#include <limits>
#include <type_traits>

//! The logic shared by the slider-plus-spin-box editors: one number edited
//! through a Slider (a QAbstractSlider) and a SpinBox (QSpinBox or
//! QDoubleSpinBox) at once. Whichever control the user touches, the other
//! follows with its signals blocked, so nothing echoes back; the value can be
//! snapped to the single step, and every accepted change is announced once
//! through emitValueChanged().
//!
//! The template does not own the two controls: the concrete widget creates
//! them as its children and hands them to init(). Every change of value goes
//! through setValueInner().
//!
//! T is int or double.
template<typename T, class Slider, class SpinBox>
class ZelRangeWidgetT : public QWidget
{
    static_assert(std::is_same_v<T, int> || std::is_same_v<T, double>, "ZelRangeWidgetT edits int or double");

public:
    //! How values map to slider positions. The logarithmic scales map with a
    //! factor of 1000000 so that the integer positions keep six decimals of
    //! the logarithm.
    enum SliderScale : qint32 {
        Linear = 0, //!< position = value
        NaturalLog = 1, //!< position = ln(value) x 1000000
        Log10 = 2, //!< position = log10(value) x 1000000
    };

    //! The accepted value, snapped to the single step.
    T value() const { return roundValueUsingSingleStep(m_value); }
    //! The range as the spin box holds it (Qt keeps minimum <= maximum).
    T minimum() const { return m_spinBox ? T(m_spinBox->minimum()) : T(0); }
    //! The upper bound as the spin box holds it.
    T maximum() const { return m_spinBox ? T(m_spinBox->maximum()) : T(0); }
    //! The single step; 1 after init().
    T singleStep() const { return m_singleStep; }
    //! The bounds and the step.
    ZelMinMaxRange<T> range() const { return ZelMinMaxRange<T>(minimum(), maximum(), m_singleStep); }
    //! How values map to slider positions; Linear by default.
    SliderScale sliderScale() const { return m_scale; }

protected:
    //! Creates the widget without controls; the concrete widget calls init(). \a parent owns it.
    explicit ZelRangeWidgetT(QWidget *parent = nullptr)
        : QWidget(parent)
    {
    }

    //! Emits the concrete widget's valueChanged signal.
    virtual void emitValueChanged() = 0;
    //! The value snapped to the single step, as the concrete widget snaps.
    virtual T roundValueUsingSingleStep(T value) const = 0;

    //! Stores the controls and brings them to the stored value and the range
    //! 1 to 1 with step 1. Called once by the concrete widget's constructor.
    void init(Slider *slider, SpinBox *spinBox)
    {
        m_slider = slider;
        m_spinBox = spinBox;
        {
            const QSignalBlocker spinBoxBlocker(m_spinBox);
            const QSignalBlocker sliderBlocker(m_slider);
            const T rounded = roundValueUsingSingleStep(m_value);
            if (m_slider)
                m_slider->setValue(toSliderPosition(rounded));
            if (m_spinBox)
                m_spinBox->setValue(rounded);
        }
        setRange(ZelMinMaxRange<T>(T(1), T(1), T(1)));
        if (m_slider && m_spinBox) {
            m_spinBox->setSingleStep(T(1));
            m_slider->setSingleStep(toSliderPosition(T(1)));
        }
        m_singleStep = T(1);
        // Typing changes nothing until Enter, leaving the field or the arrows.
        if (m_spinBox)
            m_spinBox->setKeyboardTracking(false);
    }

    //! Sets the range and the single step of both controls. Emits nothing,
    //! even when the stored value is clamped into the new range.
    void setRange(ZelMinMaxRange<T> range)
    {
        if constexpr (std::is_floating_point_v<T>) {
            // A NaN bound would leave the spin box without a usable range.
            if (std::isnan(range.min) || std::isnan(range.max))
                return;
        }
        const QSignalBlocker spinBoxBlocker(m_spinBox);
        const QSignalBlocker sliderBlocker(m_slider);
        if (m_spinBox)
            m_spinBox->setRange(range.min, range.max);
        if (m_slider)
            m_slider->setRange(toSliderPosition(range.min), toSliderPosition(range.max));
        setSingleStep(range.step);
        if (m_spinBox) {
            const T shown = T(m_spinBox->value());
            if (shown != m_value) {
                m_value = shown;
                if (m_slider)
                    m_slider->setValue(toSliderPosition(shown));
            }
        }
        // The blockers restore the slider's, then the spin box's state.
    }

    //! A NaN step is ignored: it has no slider position. (The spin boxes
    //! ignore negative steps, the slider takes their size.)
    void setSingleStep(T step)
    {
        if constexpr (std::is_floating_point_v<T>) {
            if (std::isnan(step))
                return;
        }
        if (m_slider && m_spinBox) {
            m_spinBox->setSingleStep(step);
            // The slider takes the step's size, which the lowest int lacks.
            const int sliderStep = toSliderPosition(step);
            m_slider->setSingleStep(sliderStep == std::numeric_limits<int>::min() ? -std::numeric_limits<int>::max()
                                                                                  : sliderStep);
        }
        m_singleStep = step;
    }

    //! The synchronising setter. Controls that already show the new value are
    //! left alone, so typed text stays as typed and a dragged slider is only
    //! written back when the value snapped. The value is stored as snapped,
    //! not clamped: the controls clamp what they show, so a value outside the
    //! range is stored and announced as given while the controls show the
    //! nearest end, until the next setRange() takes the shown value over.
    void setValueInner(T value)
    {
        if constexpr (std::is_floating_point_v<T>) {
            // NaN has no position and would never compare equal to itself.
            if (std::isnan(value))
                return;
        }
        const T rounded = roundValueUsingSingleStep(value);
        if (rounded == m_value)
            return;
        if (!m_slider || !m_spinBox) {
            // Only before init(): nothing to keep in step yet.
            m_value = rounded;
            emitValueChanged();
            return;
        }

        const bool spinBoxShowsValue = shows(m_spinBox->value(), value);
        if (!spinBoxShowsValue && !shows(fromSliderPosition(m_slider->value()), rounded)) {
            m_spinBox->blockSignals(true);
            m_slider->blockSignals(true);
            m_spinBox->setValue(rounded);
            m_slider->setValue(toSliderPosition(rounded));
            m_spinBox->blockSignals(false);
            m_slider->blockSignals(false);
        } else if (!spinBoxShowsValue) {
            m_spinBox->blockSignals(true);
            m_spinBox->setValue(rounded);
            m_spinBox->blockSignals(false);
        } else {
            // Both controls already show the value: nothing to store.
            if (shows(fromSliderPosition(m_slider->value()), value))
                return;
            m_slider->blockSignals(true);
            m_slider->setValue(toSliderPosition(rounded));
            m_slider->blockSignals(false);
        }
        m_value = rounded;
        emitValueChanged();
    }

    //! For subclasses with a logarithmic slider; maps the current range and
    //! value anew. Emits nothing.
    void setSliderScale(SliderScale scale)
    {
        if (scale == m_scale)
            return;
        m_scale = scale;
        setRange(range());
        if (m_slider) {
            const QSignalBlocker blocker(m_slider);
            m_slider->setValue(toSliderPosition(m_value));
        }
    }

    //! The slider position of a value; 0 where the mapping has no finite
    //! result (the logarithm of 0 or of a negative value).
    int toSliderPosition(double value) const
    {
        double position = 0.0;
        switch (m_scale) {
        case Linear:
            position = value;
            break;
        case NaturalLog:
            position = std::log(value) * 1000000.0;
            break;
        case Log10:
            position = std::log10(value) * 1000000.0;
            break;
        }
        if (!std::isfinite(position))
            return 0;
        return truncateToInt(position);
    }

    //! The value of a slider position (truncated towards zero for integers).
    T fromSliderPosition(int position) const
    {
        double value = 0.0;
        switch (m_scale) {
        case Linear:
            value = position;
            break;
        case NaturalLog:
            value = std::exp(position / 1000000.0);
            break;
        case Log10:
            value = std::pow(10.0, position / 1000000.0);
            break;
        }
        if constexpr (std::is_floating_point_v<T>)
            return value;
        else
            return truncateToInt(value);
    }

    //! The slider, a child of the concrete widget; null before init().
    Slider *m_slider = nullptr;
    //! The spin box, a child of the concrete widget; null before init().
    SpinBox *m_spinBox = nullptr;
    //! The single step.
    T m_singleStep = T(1);
    //! The stored value, snapped to the step.
    T m_value = T(1);
    //! The slider's scale.
    SliderScale m_scale = Linear;

private:
    //! Whether a control holding shown counts as showing value: qFuzzyCompare
    //! for reals, plain equality for integers.
    static bool shows(double shown, double value)
    {
        if constexpr (std::is_floating_point_v<T>)
            return qFuzzyCompare(shown, value);
        else
            return shown == value;
    }

    //! Truncation towards zero that stays defined for any double.
    static int truncateToInt(double value)
    {
        if (std::isnan(value))
            return 0;
        if (value >= double(std::numeric_limits<int>::max()))
            return std::numeric_limits<int>::max();
        if (value <= double(std::numeric_limits<int>::min()))
            return std::numeric_limits<int>::min();
        return int(value);
    }
};
