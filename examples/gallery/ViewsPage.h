#pragma once

#include "GalleryPage.h"

#include <ZelGui/ZelGraphicsViewWithRect.h>

#include <QElapsedTimer>

class QCheckBox;
class QGraphicsEllipseItem;
class QGraphicsScene;
class QLabel;
class QLineEdit;
class QTimer;
class ZelGraphicsStatusWidget;
class ZelMathGL;
class ZelPerfCounterWidget;

// The image view of the Views page. It times its own repaints into the
// performance-counter store, as a host would instrument its views.
class TimedImageView : public ZelGraphicsViewWithRect
{
    Q_OBJECT
public:
    static const QString repaintMetric;

    explicit TimedImageView(QWidget *parent = nullptr);

Q_SIGNALS:
    void resized();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};

// Graphics views, counters and plots: an image view with the status
// overlay and handles, its free content rectangle; a performance-counter
// widget fed by the gallery's own repaint times and event-loop lag; the
// point plot of a generated list of 4-D points.
class ViewsPage : public GalleryPage
{
    Q_OBJECT
public:
    static const QString lagMetric;

    explicit ViewsPage(QWidget *parent = nullptr);

    QString title() const override;
    QIcon icon() const override;
    QString description() const override;

    TimedImageView *view() const { return m_view; }
    ZelGraphicsStatusWidget *statusPanel() const { return m_status; }
    QLineEdit *statusText() const { return m_statusText; }
    QCheckBox *statusShown() const { return m_showStatus; }
    QLabel *contentRectReadout() const { return m_contentRect; }
    ZelPerfCounterWidget *counters() const { return m_counters; }
    ZelMathGL *pointPlot() const { return m_plot; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *createViewBox();
    QWidget *createCountersBox();
    QWidget *createPlotBox();
    void updateStatus();
    void updateContentRect();
    void animate();
    void plotPoints(int count, double turns);

    TimedImageView *m_view = nullptr;
    QGraphicsScene *m_scene = nullptr;
    QGraphicsEllipseItem *m_satellite = nullptr;
    ZelGraphicsStatusWidget *m_status = nullptr;
    QLineEdit *m_statusText = nullptr;
    QCheckBox *m_showStatus = nullptr;
    QLabel *m_contentRect = nullptr;
    ZelPerfCounterWidget *m_counters = nullptr;
    ZelMathGL *m_plot = nullptr;
    QTimer *m_animation = nullptr;
    QElapsedTimer m_sinceTick;
    int m_tick = 0;
};
