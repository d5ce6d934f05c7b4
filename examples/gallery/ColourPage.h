#pragma once

#include "GalleryPage.h"
#include "SignalLog.h"

#include <ZelGui/ZelHSLHistogram.h>

#include <QImage>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QSpinBox;
class QTabWidget;
class ZelHSLThermoBarRotate;
class ZelThermoBar;
class ZelThermoBarSpan;

// The colour displays at work: a thermo bar for every component; span bars
// bound both ways to spin boxes; a rotating bar whose component can be
// chosen; and an HSL histogram of a picture (a generated one, or any image
// the user opens) with its component, log mode and selected range, its hue
// shift driven by a rotating hue bar under it. Every emission goes to a log.
class ColourPage : public GalleryPage
{
    Q_OBJECT
public:
    explicit ColourPage(QWidget *parent = nullptr);

    QString title() const override;
    QIcon icon() const override;
    QString description() const override;

    // The histograms of a picture: hue of the chromatic pixels, saturation
    // and lightness of all, as (value, count) points.
    static HSLHistogram histogramOf(const QImage &image);
    // The picture shown at start: sky, sea, hills, sun and flowers.
    static QImage testPicture();

    // Shows the histogram of a picture.
    void showPicture(const QImage &image, const QString &name);

    QList<ZelThermoBar *> componentBars() const { return m_bars; }
    QList<ZelThermoBarSpan *> spanBars() const { return m_spans; }
    ZelHSLThermoBarRotate *rotatingBar() const { return m_rotate; }
    ZelHSLHistogram *histogram() const { return m_histogram; }
    ZelHSLThermoBarRotate *hueShiftBar() const { return m_hueShift; }
    ZelThermoBarSpan *selectionBar() const { return m_selection; }
    QListWidget *signalLog() const { return m_log; }
    QTabWidget *tabs() const { return m_tabs; }

private:
    QWidget *createBarsColumn(QWidget *parent);
    QWidget *createHistogramColumn(QWidget *parent);
    void addSpanRow(class QGridLayout *grid, int row, const QString &name, int component, int max);
    void openImage();
    void selectComponent(int index);
    void applySelection();
    void log(const QString &line);
    void updateReadouts();

    QList<ZelThermoBar *> m_bars;
    QList<ZelThermoBarSpan *> m_spans;
    ZelHSLThermoBarRotate *m_rotate = nullptr;
    QComboBox *m_rotateComponent = nullptr;
    QLabel *m_rotateReadout = nullptr;

    ZelHSLHistogram *m_histogram = nullptr;
    ZelHSLThermoBarRotate *m_hueShift = nullptr;
    ZelThermoBarSpan *m_selection = nullptr;
    QSpinBox *m_selectionMin = nullptr;
    QSpinBox *m_selectionMax = nullptr;
    QComboBox *m_component = nullptr;
    QCheckBox *m_logMode = nullptr;
    QLabel *m_thumbnail = nullptr;
    QLabel *m_pictureName = nullptr;
    QLabel *m_histogramReadout = nullptr;
    HSLHistogram m_data;

    SignalLog *m_log = nullptr;
    QTabWidget *m_tabs = nullptr;
};
