#pragma once

#include <ZelGui/zelgui_export.h>

#include <QWidget>

class QToolBar;
class QVBoxLayout;

//! A tool bar with a contents widget below it. The tool bar's icons have the
//! size of the "general/icon_size" setting read at construction (bounded to
//! 1..512 pixels).
//!
//! The tool bar and every widget given to setupWidget() are children of this
//! widget and deleted with it.
class ZELGUI_EXPORT ZelWidgetWithToolbar : public QWidget
{
    Q_OBJECT
public:
    //! Creates the tool bar without contents; \a parent owns the widget.
    explicit ZelWidgetWithToolbar(QWidget *parent = nullptr);
    //! Destroys the widget, its tool bar and contents.
    ~ZelWidgetWithToolbar() override;

    //! Puts widget directly under the tool bar and takes it over. An earlier
    //! contents widget stays in the layout, below the new one. A null widget
    //! or the tool bar itself changes nothing.
    void setupWidget(QWidget *widget);

    //! The tool bar, owned by the widget.
    QToolBar *toolBar() const;
    //! The widget given last to setupWidget(), or null.
    QWidget *contentsWidget() const;

private:
    QToolBar *m_toolBar;
    QWidget *m_contents = nullptr;
    QVBoxLayout *m_layout;
};
