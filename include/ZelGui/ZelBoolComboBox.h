#pragma once

#include <ZelGui/zelgui_export.h>

#include <QComboBox>

//! Chooses a Boolean: "On" (true) or "Off" (false), the value kept under
//! Qt::UserRole. A choice of the user announces boolValueChanged() once.
//! setBoolValue() announces the value also when it is already shown: once
//! then, twice when it changes the current item (from the index change and
//! from the call). While the signal is delivered, setBoolValue() calls of
//! its receivers are ignored, so two boxes may follow each other.
class ZELGUI_EXPORT ZelBoolComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ZelBoolComboBox(QWidget *parent = nullptr);
    ~ZelBoolComboBox() override;

    //! The current item's value; false when there is no current item.
    bool boolValue() const;

Q_SIGNALS:
    void boolValueChanged(bool value);

public Q_SLOTS:
    void setBoolValue(bool boolValue);

private Q_SLOTS:
    void slotSetCurrentIndex(int index);

private:
    bool m_settingValue = false;
};
