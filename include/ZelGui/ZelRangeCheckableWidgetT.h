#pragma once

#include <ZelCore/ZelCheckableTValue.h>

#include <QCheckBox>
#include <QWidget>

//! The logic shared by the checkable range editors: a check box in front of a
//! range widget W, together editing a ZelCheckableTValue<T>. The concrete
//! widget builds both children from its form, points m_rangeWidget and
//! m_checkBox at them and connects them with connectControls().
//!
//! setValue() is silent: it takes the connections down while it writes the
//! children, so nothing reaches the widget's signals.
template<typename T, class W>
class ZelRangeCheckableWidgetT : public QWidget
{
public:
    //! The edited pair: the range widget's value (snapped to its step) and
    //! the state of the box.
    ZelCheckableTValue<T> value() const
    {
        if (!m_rangeWidget || !m_checkBox)
            return ZelCheckableTValue<T>();
        return ZelCheckableTValue<T>(m_rangeWidget->value(), m_checkBox->isChecked());
    }

    //! Whether setValue() couples the range widget's enabled state to the box.
    enum EnablePolicy : qint32 {
        DisabledWhenChecked = 0, //!< a checked box disables the range widget
        EnabledWhenChecked = 1, //!< a checked box enables the range widget
        EnabledStateUntouched = 2, //!< the range widget's enabled state is left alone (the default)
    };

protected:
    //! Creates the widget without children; \a parent owns it.
    explicit ZelRangeCheckableWidgetT(QWidget *parent = nullptr)
        : QWidget(parent)
    {
    }

    //! Connects the children to the widget's signals.
    virtual void connectControls() = 0;
    //! Takes down what connectControls() made.
    virtual void disconnectControls() = 0;
    //! Announces value() through the concrete widget's valueChanged signal.
    virtual void Q_EMITValue() = 0;

    //! Writes both children without emitting anything.
    void setValue(ZelCheckableTValue<T> value)
    {
        disconnectControls();
        if (m_checkBox)
            m_checkBox->setChecked(value.checked);
        if (m_rangeWidget)
            m_rangeWidget->setValue(value.value);
        if (m_rangeWidget && m_checkBox) {
            if (m_enablePolicy == EnabledWhenChecked)
                m_rangeWidget->setEnabled(m_checkBox->isChecked());
            else if (m_enablePolicy == DisabledWhenChecked)
                m_rangeWidget->setEnabled(!m_checkBox->isChecked());
        }
        connectControls();
    }

    //! The range widget, a child set by the concrete widget.
    W *m_rangeWidget = nullptr;
    //! The check box, a child set by the concrete widget.
    QCheckBox *m_checkBox = nullptr;
    //! An EnablePolicy; EnabledStateUntouched unless the concrete widget sets another.
    qint32 m_enablePolicy = EnabledStateUntouched;
};
