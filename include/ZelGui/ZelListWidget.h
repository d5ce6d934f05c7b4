#pragma once

#include <ZelGui/zelgui_export.h>

#include <QListWidget>

//! The list widget of the library's forms; a place for behaviour they share.
class ZELGUI_EXPORT ZelListWidget : public QListWidget
{
    Q_OBJECT
public:
    //! Creates an empty list; \a parent owns it.
    explicit ZelListWidget(QWidget *parent = nullptr);
    //! Destroys the list and its items.
    ~ZelListWidget() override;
};
