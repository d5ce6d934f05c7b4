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
    explicit ZelStatusForm(QWidget *parent = nullptr);
    ~ZelStatusForm() override;

    void setStatusFields(const QMap<QString, QString> &fields);

public Q_SLOTS:
    void setProgress(int value) override;
    void setStatus(const QString &text) override;
    void setIndeterminate(bool on) override;

private:
    QProgressBar *progressBar();
    void addFullRow(QWidget *widget);

    QMap<QString, QString> m_fields;
    QHash<QString, QLabel *> m_valueLabels;
    QLabel *m_statusLabel = nullptr;
    QProgressBar *m_progressBar = nullptr;
};
