#pragma once

#include <ZelGui/zelgui_export.h>

#include <QComboBox>

//! The plain combo box of the library's forms and the base of its typed
//! boxes; a place for behaviour they may come to share. It adds no
//! behaviour to QComboBox today.
class ZELGUI_EXPORT ZelComboBox : public QComboBox
{
    Q_OBJECT
public:
    //! Creates an empty box; \a parent owns it.
    explicit ZelComboBox(QWidget *parent = nullptr);
    //! Destroys the box.
    ~ZelComboBox() override;

private Q_SLOTS:
    //! Reserved for index handling shared by the typed boxes; does nothing.
    void onCurrentIndexChanged(int index);

private:
    //! Reserved with the slot above; not read.
    bool m_reserved = false;
};
