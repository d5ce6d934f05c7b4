#pragma once

#include <ZelGui/zelgui_export.h>

#include <QTabWidget>

#include <memory>

class Ui_ZelPerfCounterWidget;

//! A monitor of the core library's performance counters: one tab per metric
//! of zelPerfCounterStore(), each plotting the metric's recorded values over
//! their index, refreshed from the store every refreshInterval() ms (a
//! second unless set). Metrics announced later get a tab at the end; a
//! metric announced twice gets two.
//!
//! The tabs, their plots and refresh timers are the widget's Qt children;
//! the widget owns its form.
class ZELGUI_EXPORT ZelPerfCounterWidget : public QTabWidget
{
    Q_OBJECT

public:
    //! Creates a tab for every metric the store holds and follows the metrics it announces later; \a parent owns the widget.
    explicit ZelPerfCounterWidget(QWidget *parent = nullptr);
    //! Destroys the widget, its tabs and timers.
    ~ZelPerfCounterWidget() override;

    //! Milliseconds between two refreshes of a tab; 1000 by default.
    int refreshInterval() const;
    //! Applies to every tab, present and future; at least 1 ms.
    void setRefreshInterval(int msec);

public Q_SLOTS:
    //! Appends a tab plotting the metric \a name.
    void onMetricAdded(const QString &name);

protected:
    //! Sets the widget's own texts again when the application's language changes.
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui_ZelPerfCounterWidget> const ui;
    int m_refreshInterval = 1000;
};
