#include "ZoomPage.h"

#include <ZelGui/ZelZoomGOSTComboBox.h>
#include <ZelGui/ZelZoomSpinBox.h>
#include <ZelGui/ZelZoomToolbar.h>

#include <ZelCore/ZoomDefs.h>

#include <QConicalGradient>
#include <QFormLayout>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A test chart drawn at run time: a checkerboard of 8-pixel squares, a
// ruler with a tick every 10 pixels, a colour wheel, concentric rings and
// fine text, so that every zoom shows how pixels are scaled.
QPixmap testChart()
{
    const QSize size(400, 280);
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);

    for (int y = 0; y < 64; y += 8) {
        for (int x = 0; x < 64; x += 8) {
            if ((x / 8 + y / 8) % 2 == 0)
                painter.fillRect(QRect(x + 16, y + 24, 8, 8), Qt::black);
        }
    }

    painter.setPen(Qt::black);
    for (int x = 0; x < size.width(); x += 10)
        painter.drawLine(x, 0, x, x % 50 == 0 ? 12 : 6);
    for (int y = 0; y < size.height(); y += 10)
        painter.drawLine(0, y, y % 50 == 0 ? 12 : 6, y);

    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(250, 120);
    QConicalGradient wheel(centre, 0);
    for (int i = 0; i <= 6; ++i)
        wheel.setColorAt(i / 6.0, QColor::fromHsv((i * 60) % 360, 255, 255));
    painter.setPen(Qt::NoPen);
    painter.setBrush(wheel);
    painter.drawEllipse(centre, 80, 80);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    for (int r = 10; r < 80; r += 10)
        painter.drawEllipse(centre, r, r);

    painter.setPen(QPen(Qt::darkBlue, 1));
    for (int i = 0; i < 12; ++i)
        painter.drawLine(QPointF(16 + i * 2, 110), QPointF(16 + i * 2, 170));
    painter.setPen(Qt::darkBlue);
    QFont small = painter.font();
    small.setPixelSize(9);
    painter.setFont(small);
    painter.drawText(QRect(16, 180, 140, 60), Qt::TextWordWrap,
                     QStringLiteral("Fine print: 9 px text, lines 1 px apart."));
    QFont large = painter.font();
    large.setPixelSize(22);
    large.setBold(true);
    painter.setFont(large);
    painter.drawText(QRect(0, 230, size.width(), 40), Qt::AlignCenter, QStringLiteral("ZelGui 1:1"));
    painter.setPen(QPen(Qt::red, 2));
    painter.drawRect(QRect(QPoint(1, 1), size - QSize(2, 2)));
    return pixmap;
}

} // namespace

ZoomPage::ZoomPage(QWidget *parent)
    : GalleryPage(parent)
    , m_toolbar(new ZelZoomToolbar(this))
    , m_scaleBox(new ZelZoomGOSTComboBox(this))
    , m_percentBox(new ZelZoomSpinBox(this))
    , m_view(new QGraphicsView(this))
    , m_log(new SignalLog(this))
    , m_summary(new QLabel(this))
{
    auto *scene = new QGraphicsScene(m_view);
    scene->addPixmap(testChart());
    m_view->setScene(scene);
    m_view->setBackgroundBrush(palette().mid());
    m_view->setTransformationAnchor(QGraphicsView::AnchorViewCenter);
    m_view->setResizeAnchor(QGraphicsView::AnchorViewCenter);
    m_view->setMinimumSize(320, 240);
    m_view->setAccessibleName(QStringLiteral("Zoomed picture"));

    m_scaleBox->setPlaceholderText(QStringLiteral("no standard scale"));
    m_toolbar->setToolTip(QStringLiteral("Click the percentage for the preset menu (also by right click), "
                                         "drag the slider, or press Ctrl++ / Ctrl+- with the focus on a zoom button"));

    auto *controls = new QGroupBox(QStringLiteral("Kept in step with the toolbar"), this);
    auto *form = new QFormLayout(controls);
    form->addRow(QStringLiteral("GOST scale:"), m_scaleBox);
    form->addRow(QStringLiteral("Percent:"), m_percentBox);
    auto *note = new QLabel(QStringLiteral("The toolbar allows 10 % to 3200 %: scales beyond that are clamped. "
                                           "Zooms between the standard scales leave the scale list empty."),
                            controls);
    note->setWordWrap(true);
    form->addRow(note);

    auto *logBox = signalLogBox(QStringLiteral("zoomChanged() emissions"), m_log, this);

    auto *side = new QVBoxLayout;
    side->addWidget(controls);
    side->addWidget(logBox, 1);

    auto *viewColumn = new QVBoxLayout;
    viewColumn->addWidget(m_toolbar, 0, Qt::AlignLeft);
    viewColumn->addWidget(m_view, 1);
    viewColumn->addWidget(m_summary);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(viewColumn, 3);
    layout->addLayout(side, 2);

    connect(m_toolbar, &ZelZoomToolbar::zoomChanged, this, &ZoomPage::toolbarZoomChanged);
    connect(m_scaleBox, &ZelZoomGOSTComboBox::zoomChanged, this, [this](double zoom) {
        logZoom(QStringLiteral("GOST scale"), zoom);
        m_toolbar->setZoom(zoom);
    });
    connect(m_percentBox, &ZelZoomSpinBox::zoomChanged, this, [this](double zoom) {
        logZoom(QStringLiteral("percent box"), zoom);
        m_toolbar->setZoom(zoom);
    });

    // Start the log with one toolbar change, so that it shows the toolbar's
    // round trip right away.
    m_toolbar->setZoom(2.0);
    updateSummary();
}

QString ZoomPage::title() const
{
    return QStringLiteral("Zoom");
}

QIcon ZoomPage::icon() const
{
    return QIcon(QStringLiteral(":/MAV/res/icons/zoom_in.png"));
}

QString ZoomPage::description() const
{
    return QStringLiteral("ZelZoomToolbar (preset menu button, zoom-out, logarithmic slider, zoom-in) scales the "
                          "picture; ZelZoomGOSTComboBox and ZelZoomSpinBox follow and drive it. One user action "
                          "may announce the same zoom several times; the log shows each emission.");
}

void ZoomPage::toolbarZoomChanged(double zoom)
{
    logZoom(QStringLiteral("toolbar"), zoom);
    // The toolbar's own zoom is the validated one; the announcement may
    // still carry a child's value.
    const double adopted = m_toolbar->zoom();
    m_view->setTransform(QTransform::fromScale(adopted, adopted));
    m_percentBox->setZoom(adopted);
    m_scaleBox->setZoom(adopted);
    // A zoom that is no standard scale leaves the list without a choice
    // rather than showing a scale the picture is not at.
    if (!qFuzzyCompare(m_scaleBox->zoom(), adopted))
        m_scaleBox->setCurrentIndex(-1);
    updateSummary();
}

void ZoomPage::logZoom(const QString &source, double zoom)
{
    m_log->add(
        QStringLiteral("%1: %2 (%3)").arg(source, ZoomDefs::zoomValueToText(zoom), QString::number(zoom, 'g', 10)));
}

void ZoomPage::updateSummary()
{
    m_summary->setText(QStringLiteral("Toolbar zoom %1 (zoom in %2, zoom out %3) · scale %4 · %5 emissions logged")
                           .arg(ZoomDefs::zoomValueToText(m_toolbar->zoom()),
                                m_toolbar->canExecZoomIn() ? QStringLiteral("on") : QStringLiteral("off"),
                                m_toolbar->canExecZoomOut() ? QStringLiteral("on") : QStringLiteral("off"),
                                m_scaleBox->currentIndex() < 0 ? QStringLiteral("none") : m_scaleBox->currentText())
                           .arg(m_log->total()));
}
