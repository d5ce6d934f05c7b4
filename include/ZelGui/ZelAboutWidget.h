#pragma once

#include <ZelGui/zelgui_export.h>

#include <QWidget>

#include <memory>

class QTableWidget;
class Ui_ZelAboutWidgetClass;

//! The application's about box: its name, version and source revision, and a
//! link to the organisation's web address, on the first tab; further tabs of
//! meta information (libraries, licences, ...) as tables. A modal window that
//! deletes itself when closed; showing it by program brings the first tab
//! to the front.
//!
//! The widget owns its form and the tables handed to addMetaInformation().
class ZELGUI_EXPORT ZelAboutWidget : public QWidget
{
    Q_OBJECT

public:
    //! Creates the about box with its form; \a parent owns it, and the box deletes itself when closed.
    explicit ZelAboutWidget(QWidget *parent);
    //! Destroys the box, its form and the tables it took.
    ~ZelAboutWidget() override;

    //! Appends a tab showing table under title; the widget takes the table.
    void addMetaInformation(QString title, QTableWidget *table);

protected:
    //! \cond
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    //! \endcond

private:
    void showApplication();

    //! The form, owned by the widget; subclasses may fill its fields.
    std::unique_ptr<Ui_ZelAboutWidgetClass> const ui;
};
