#pragma once

#include "GalleryPage.h"

class QDoubleSpinBox;
class QListWidget;
class QSpinBox;
class ZelDoubleRangeWidget;
class ZelRangeDoubleCheckableWidget;
class ZelRangeIntCheckableWidget;
class ZelRangeWidget;
class ZelRangeWidgetWithLabel;

// The range editors at work: the slider-plus-spin-box editors, their
// checkable variants and the mapped sliders and spin boxes, each beside a
// readout and a shared log of the signals they emit. The controls on top
// change the range, step and decimals of the range editors.
class RangeEditorsPage : public GalleryPage
{
    Q_OBJECT
public:
    explicit RangeEditorsPage(QWidget *parent = nullptr);

    QString title() const override;
    QIcon icon() const override;
    QString description() const override;

private:
    QWidget *createControls();
    QWidget *createRangeEditors();
    QWidget *createMappedSliders();
    void applyRange();
    void log(const QString &source, const QString &signal);

    QDoubleSpinBox *m_minimum = nullptr;
    QDoubleSpinBox *m_maximum = nullptr;
    QDoubleSpinBox *m_step = nullptr;
    QSpinBox *m_decimals = nullptr;
    QListWidget *m_log = nullptr;

    ZelRangeWidget *m_range = nullptr;
    ZelDoubleRangeWidget *m_double = nullptr;
    ZelRangeWidgetWithLabel *m_labelled = nullptr;
    ZelRangeIntCheckableWidget *m_intCheckable = nullptr;
    ZelRangeDoubleCheckableWidget *m_doubleCheckable = nullptr;
};
