#include <ZelGui/ZelZoomToolbar.h>

#include "ui_ZelZoomToolbar.h"

#include "ZelZoomRounding_p.h"

#include <ZelCore/ZelCore.h>
#include <ZelCore/ZoomDefs.h>

#include <QAction>

#include <algorithm>
#include <cmath>

namespace {

constexpr double largestZoom = 32.0;
constexpr double smallestMinZoom = 0.1;
// A bound on the steps passed over at once, should a preset list ever
// hold many steps within one hundredth.
constexpr int maxSteps = 64;

} // namespace

ZelZoomToolbar::ZelZoomToolbar(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui_ZelZoomToolbarClass>())
{
    ui->setupUi(this);

    m_actionZoomIn = actionZoomIn();
    m_actionZoomOut = actionZoomOut();
    ui->btnZoomIn->setDefaultAction(m_actionZoomIn);
    ui->btnZoomOut->setDefaultAction(m_actionZoomOut);

    // The children's announcements become the toolbar's, and come back to
    // setZoom() to bring the other child along. The combo's re-entry flag
    // and the slider ignoring its own position end the round trip.
    connect(ui->zoomSlider, &ZelZoomSlider::zoomChanged, this, &ZelZoomToolbar::zoomChanged);
    connect(ui->zoomComboBox, &ZelZoomComboBox::zoomChanged, this, &ZelZoomToolbar::zoomChanged);
    connect(this, &ZelZoomToolbar::zoomChanged, this, &ZelZoomToolbar::setZoom);

    m_zoom = ZoomDefs::zoomValidation(1.0, m_minZoom);
    showZoom();
}

ZelZoomToolbar::~ZelZoomToolbar() = default;

double ZelZoomToolbar::zoom() const
{
    return m_zoom;
}

double ZelZoomToolbar::minZoom() const
{
    return m_minZoom;
}

double ZelZoomToolbar::step() const
{
    return ui->zoomSlider->singleStep();
}

void ZelZoomToolbar::setStep(double step)
{
    // NaN has no int; a step beyond the whole range would not fit one and
    // means the same as the range (QSlider takes a negative step's size).
    if (std::isnan(step))
        return;
    const double span = ui->zoomSlider->maximum() - ui->zoomSlider->minimum();
    ui->zoomSlider->setSingleStep(static_cast<int>(std::clamp(step, -span, span)));
}

bool ZelZoomToolbar::canExecZoomIn() const
{
    return largestZoom > m_zoom;
}

bool ZelZoomToolbar::canExecZoomOut() const
{
    return m_zoom > m_minZoom;
}

void ZelZoomToolbar::setZoom(double zoom)
{
    m_zoom = ZoomDefs::zoomValidation(zoom, m_minZoom);
    showZoom();
}

void ZelZoomToolbar::setMinZoom(double minZoom)
{
    m_minZoom = (std::isnan(minZoom) || minZoom <= 0.0) ? smallestMinZoom : std::min(minZoom, smallestMinZoom);
    ui->zoomSlider->setMinZoom(m_minZoom);
    m_actionZoomOut->setEnabled(canExecZoomOut());
}

void ZelZoomToolbar::zoomIn()
{
    m_zoom = nextZoom(&ZoomDefs::zoomIn);
    showZoom();
}

void ZelZoomToolbar::zoomOut()
{
    m_zoom = nextZoom(&ZoomDefs::zoomOut);
    showZoom();
}

double ZelZoomToolbar::nextZoom(double (*step)(double, double)) const
{
    // The slider announces zooms rounded to two decimals, and the toolbar
    // adopts them: a preset such as 0.125 comes back as 0.13, from where
    // the step down would lead to 0.125 again. Steps that show as the
    // current zoom are therefore passed over.
    const double shown = ZelZoomRounding::toHundredths(m_zoom);
    double zoom = m_zoom;
    for (int i = 0; i < maxSteps; ++i) {
        const double next = ZoomDefs::zoomValidation(step(zoom, m_minZoom), m_minZoom);
        if (next == zoom)
            break; // at a bound
        zoom = next;
        if (ZelZoomRounding::toHundredths(zoom) != shown)
            break;
    }
    return zoom;
}

QAction *ZelZoomToolbar::actionZoomIn()
{
    auto *action = new QAction(tr("&Zoom In"), this);
    action->setIcon(QIcon(QLatin1String(ZelCore::iconZoomIn)));
    action->setEnabled(canExecZoomIn());
    action->setShortcut(QKeySequence::ZoomIn);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, &ZelZoomToolbar::zoomIn);
    return action;
}

QAction *ZelZoomToolbar::actionZoomOut()
{
    auto *action = new QAction(tr("&Zoom Out"), this);
    action->setIcon(QIcon(QLatin1String(ZelCore::iconZoomOut)));
    action->setEnabled(canExecZoomOut());
    action->setShortcut(QKeySequence::ZoomOut);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, &ZelZoomToolbar::zoomOut);
    return action;
}

void ZelZoomToolbar::showZoom()
{
    ui->zoomSlider->setZoom(m_zoom);
    // Nested setZoom() calls made while the slider announced its move may
    // have replaced m_zoom; the combo shows the latest.
    ui->zoomComboBox->setZoom(m_zoom);
    m_actionZoomIn->setEnabled(canExecZoomIn());
    m_actionZoomOut->setEnabled(canExecZoomOut());
}
