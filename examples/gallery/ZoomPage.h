#pragma once

#include "GalleryPage.h"
#include "SignalLog.h"

class QGraphicsView;
class QLabel;
class QListWidget;
class ZelZoomGOSTComboBox;
class ZelZoomSpinBox;
class ZelZoomToolbar;

// The zoom controls at work: the zoom toolbar scales a test picture, and a
// GOST scale list and a percent spin box follow it and drive it. Every
// zoomChanged() of the three is logged, so that what one user action
// announces can be seen.
class ZoomPage : public GalleryPage
{
    Q_OBJECT
public:
    explicit ZoomPage(QWidget *parent = nullptr);

    QString title() const override;
    QIcon icon() const override;
    QString description() const override;

    ZelZoomToolbar *toolbar() const { return m_toolbar; }
    ZelZoomGOSTComboBox *scaleBox() const { return m_scaleBox; }
    ZelZoomSpinBox *percentBox() const { return m_percentBox; }
    QGraphicsView *view() const { return m_view; }
    QListWidget *log() const { return m_log; }

private:
    void toolbarZoomChanged(double zoom);
    void logZoom(const QString &source, double zoom);
    void updateSummary();

    ZelZoomToolbar *m_toolbar = nullptr;
    ZelZoomGOSTComboBox *m_scaleBox = nullptr;
    ZelZoomSpinBox *m_percentBox = nullptr;
    QGraphicsView *m_view = nullptr;
    SignalLog *m_log = nullptr;
    QLabel *m_summary = nullptr;
};
