#pragma once

#include <ZelGui/zelgui_export.h>

#include <QListWidget>

//! The list widget of the library's forms; a place for behaviour they share.
class ZELGUI_EXPORT ZelListWidget : public QListWidget
{
    Q_OBJECT
public:
    explicit ZelListWidget(QWidget *parent = nullptr);
    ~ZelListWidget() override;
};
