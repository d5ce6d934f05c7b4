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
    explicit ZelIconedButtonWithLabel(QWidget *parent);
    ~ZelIconedButtonWithLabel() override;

    QString text() const;
    void setText(QString text);
    QString buttonTooltip() const;
    void setButtonTooltip(QString tooltip);
    QIcon buttonIcon() const;
    void setButtonIcon(QIcon icon);
    QSize iconSize() const;
    void setIconSize(QSize size);
    bool isChecked() const;
    void setChecked(bool checked);
    void setCheckable(bool checkable);

Q_SIGNALS:
    void clicked();
    void clicked(bool checked);
    void toogled(bool checked);

private:
    std::unique_ptr<Ui_ZelIconedButtonWithLabel> const ui;
};
