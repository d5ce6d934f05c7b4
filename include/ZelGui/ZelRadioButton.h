#pragma once

#include <ZelGui/zelgui_export.h>

#include <QRadioButton>

//! The radio button of the library's forms; a place for behaviour they share.
class ZELGUI_EXPORT ZelRadioButton : public QRadioButton
{
    Q_OBJECT
public:
    explicit ZelRadioButton(QWidget *parent = nullptr);
    ~ZelRadioButton() override;
};
