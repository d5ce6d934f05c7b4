#pragma once

#include <ZelGui/zelgui_export.h>

#include <QIcon>
#include <QSize>
#include <QString>
#include <QWidget>

#include <memory>

class Ui_ZelIconedButtonWithLabel;

//! A tool button with its text under the icon, as a widget of its own for
//! forms and tool panels. The getters and setters reach the button; its
//! clicks and toggles are passed on.
//!
//! The widget owns its form.
class ZELGUI_EXPORT ZelIconedButtonWithLabel : public QWidget
{
    Q_OBJECT

public:
    //! Creates the widget and its button; \a parent owns it.
    explicit ZelIconedButtonWithLabel(QWidget *parent);
    //! Destroys the widget and its form.
    ~ZelIconedButtonWithLabel() override;

    //! The text under the icon.
    QString text() const;
    //! Sets the text under the icon.
    void setText(QString text);
    //! The button's tool tip.
    QString buttonTooltip() const;
    //! Sets the button's tool tip.
    void setButtonTooltip(QString tooltip);
    //! The button's icon.
    QIcon buttonIcon() const;
    //! Sets the button's icon.
    void setButtonIcon(QIcon icon);
    //! The size the icon is drawn at.
    QSize iconSize() const;
    //! Sets the size the icon is drawn at.
    void setIconSize(QSize size);
    //! Whether the (checkable) button is checked.
    bool isChecked() const;
    //! Checks or unchecks the button; a change emits toogled().
    void setChecked(bool checked);
    //! Makes the button a toggle button or a plain one.
    void setCheckable(bool checkable);

Q_SIGNALS:
    //! The button was clicked.
    void clicked();
    //! The button was clicked; \a checked is its state after the click.
    void clicked(bool checked);
    //! The checkable button changed state.
    void toogled(bool checked);

protected:
    //! Sets the widget's own texts again when the application's language changes.
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui_ZelIconedButtonWithLabel> const ui;
};
