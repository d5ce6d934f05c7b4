#pragma once

#include <ZelGui/IProgressReporter.h>
#include <ZelGui/zelgui_export.h>

#include <QHash>
#include <QMap>
#include <QWidget>

class QLabel;
class QProgressBar;

//! A form of named status fields ("Camera: ready", ...), one row per name
//! in sorted order, plus a status line and a progress bar that appear the
//! first time they are used. New values for the same names only change the
//! value texts; a different set of names rebuilds the rows.
//!
//! All labels and the bar are children of the form.
class ZELGUI_EXPORT ZelStatusForm : public QWidget, public IProgressReporter
{
    Q_OBJECT
public:
    //! Creates an empty form; \a parent owns it.
    explicit ZelStatusForm(QWidget *parent = nullptr);
    //! Destroys the form and its labels.
    ~ZelStatusForm() override;

    //! Shows \a fields, name: value, one row each in key order.
    void setStatusFields(const QMap<QString, QString> &fields);

public Q_SLOTS:
    //! Sets the bar's percentage, creating the bar on first use.
    void setProgress(int value) override;
    //! Sets the status line, creating it on first use.
    void setStatus(const QString &text) override;
    //! Switches the bar to a busy indication (on) or to 0 to 100, creating it on first use.
    void setIndeterminate(bool on) override;

private:
    QProgressBar *progressBar();
    void addFullRow(QWidget *widget);

    QMap<QString, QString> m_fields;
    QHash<QString, QLabel *> m_valueLabels;
    QLabel *m_statusLabel = nullptr;
    QProgressBar *m_progressBar = nullptr;
};
