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
    //! Creates the box with "On" and "Off"; \a parent owns it.
    explicit ZelBoolComboBox(QWidget *parent = nullptr);
    //! Destroys the box.
    ~ZelBoolComboBox() override;

    //! The current item's value; false when there is no current item.
    bool boolValue() const;

Q_SIGNALS:
    //! The value chosen by the user or passed to setBoolValue().
    void boolValueChanged(bool value);

public Q_SLOTS:
    //! Selects the item of \a boolValue and announces it through boolValueChanged() (see above for how often).
    void setBoolValue(bool boolValue);

private Q_SLOTS:
    void slotSetCurrentIndex(int index);

protected:
    //! Sets the widget's own texts again when the application's language changes.
    void changeEvent(QEvent *event) override;

private:
    bool m_settingValue = false;
};
