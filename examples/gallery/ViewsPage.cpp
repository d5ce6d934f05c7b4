#include "ViewsPage.h"

#include "GalleryPictures.h"

#include <ZelGui/ZelGraphicsStatusWidget.h>
#include <ZelGui/ZelMathGL.h>
#include <ZelGui/ZelPerfCounterWidget.h>

#include <ZelCore/ZelPerfCounterStore.h>
#include <ZelLog/ZelMessage.h>
#include <ZelLog/ZelStatus.h>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGraphicsEllipseItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyleOptionGraphicsItem>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int animationInterval = 40;

// A framed region of the picture with handles at its corners while the
// view it is drawn in shows handles.
class FramedRegion : public QGraphicsRectItem
{
public:
    using QGraphicsRectItem::QGraphicsRectItem;

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override
    {
        QGraphicsRectItem::paint(painter, option, widget);
        const auto *view = widget ? dynamic_cast<const IGraphicsView *>(widget->parentWidget()) : nullptr;
        if (!view || !view->showHandles())
            return;
        // Handles keep their size on screen whatever the zoom.
        const double side = 10.0 / qMax(1e-6, option->levelOfDetailFromTransform(painter->worldTransform()));
        painter->setPen(QPen(Qt::black, 0));
        painter->setBrush(Qt::white);
        const QRectF r = rect();
        for (const QPointF &corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
            painter->drawRect(QRectF(corner - QPointF(side / 2, side / 2), QSizeF(side, side)));
    }
};

} // namespace

const QString TimedImageView::repaintMetric = QStringLiteral("view repaint, ms");
const QString ViewsPage::lagMetric = QStringLiteral("event loop lag, ms");

TimedImageView::TimedImageView(QWidget *parent)
    : ZelGraphicsViewWithRect(parent)
{
}

void TimedImageView::paintEvent(QPaintEvent *event)
{
    QElapsedTimer timer;
    timer.start();
    ZelGraphicsViewWithRect::paintEvent(event);
    zelPerfCounterStore()->addValue(repaintMetric, timer.nsecsElapsed() / 1e6);
}

void TimedImageView::resizeEvent(QResizeEvent *event)
{
    ZelGraphicsViewWithRect::resizeEvent(event);
    Q_EMIT resized();
}

ViewsPage::ViewsPage(QWidget *parent)
    : GalleryPage(parent)
    , m_animation(new QTimer(this))
{
    m_animation->setInterval(animationInterval);
    connect(m_animation, &QTimer::timeout, this, &ViewsPage::animate);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(createViewBox(), 0, 0, 1, 2);
    layout->addWidget(createCountersBox(), 1, 0);
    layout->addWidget(createPlotBox(), 1, 1);
    layout->setRowStretch(0, 1);
    layout->setRowStretch(1, 1);
}

QString ViewsPage::title() const
{
    return QStringLiteral("Views");
}

QIcon ViewsPage::icon() const
{
    return QIcon(QStringLiteral(":/MAV/res/icons/zoom_in.png"));
}

QString ViewsPage::description() const
{
    return QStringLiteral(
        "An image view with the status overlay and item handles; counters of the gallery's own "
        "repaint times and event-loop lag, as the host records them; the plot of a list of 4-D points.");
}

QWidget *ViewsPage::createViewBox()
{
    auto *box = new QGroupBox(QStringLiteral("ZelGraphicsViewWithRect and ZelGraphicsStatusWidget"), this);
    m_view = new TimedImageView(box);
    // The scene goes with the view: one outliving it would reset the view's
    // scroll bars, and so call this page's slots, while the page is destroyed.
    m_scene = new QGraphicsScene(m_view);
    const QImage &sky = GalleryPictures::nightSky();
    m_scene->addPixmap(QPixmap::fromImage(sky));
    m_scene->setSceneRect(QRectF(QPointF(0, 0), sky.size()));
    auto *region = new FramedRegion(QRectF(1250, 120, 420, 300));
    region->setPen(QPen(QColor(0xf1, 0xc4, 0x0f), 0));
    m_scene->addItem(region);
    m_satellite = m_scene->addEllipse(QRectF(-12, -12, 24, 24), QPen(Qt::NoPen), QColor(0xe7, 0x4c, 0x3c));

    m_view->setScene(m_scene);
    m_view->setMinimumSize(320, 280); // room for the status panel
    m_view->scale(0.5, 0.5);
    m_view->setResizeAnchor(QGraphicsView::AnchorViewCenter);
    m_view->centerOn(region);
    m_status = new ZelGraphicsStatusWidget(m_view->viewport());

    m_showStatus = new QCheckBox(QStringLiteral("Status overlay"), box);
    m_showStatus->setChecked(true);
    m_statusText = new QLineEdit(QStringLiteral("No signal from the camera"), box);
    m_statusText->setPlaceholderText(QStringLiteral("empty: \"Unknown status\""));
    connect(m_showStatus, &QCheckBox::toggled, this, &ViewsPage::updateStatus);
    connect(m_statusText, &QLineEdit::textChanged, this, &ViewsPage::updateStatus);
    updateStatus();

    auto *handles = new QCheckBox(QStringLiteral("Handles"), box);
    handles->setChecked(m_view->showHandles());
    connect(handles, &QCheckBox::toggled, this, [this](bool on) {
        m_view->setShowHandles(on); // the view only keeps the flag: repaint to see it
        m_view->viewport()->update();
    });
    auto *zoom = new QDoubleSpinBox(box);
    zoom->setRange(0.1, 4.0);
    zoom->setSingleStep(0.1);
    zoom->setValue(0.5);
    zoom->setPrefix(QStringLiteral("× "));
    zoom->setAccessibleName(QStringLiteral("Zoom"));
    connect(zoom, &QDoubleSpinBox::valueChanged, this,
            [this](double factor) { m_view->setTransform(QTransform::fromScale(factor, factor)); });
    m_contentRect = new QLabel(box);
    m_contentRect->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_contentRect->setMinimumWidth(
        m_contentRect->fontMetrics().horizontalAdvance(QStringLiteral("(0, 0) 0000 × 0000")));
    connect(m_view, &TimedImageView::resized, this, &ViewsPage::updateContentRect);
    for (QScrollBar *bar : {m_view->horizontalScrollBar(), m_view->verticalScrollBar()})
        connect(bar, &QScrollBar::rangeChanged, this, &ViewsPage::updateContentRect);

    auto *controls = new QHBoxLayout;
    controls->addWidget(m_showStatus);
    controls->addWidget(m_statusText, 1);
    controls->addWidget(handles);
    controls->addWidget(new QLabel(QStringLiteral("Zoom:"), box));
    controls->addWidget(zoom);
    controls->addWidget(new QLabel(QStringLiteral("contentRect():"), box));
    controls->addWidget(m_contentRect);
    auto *layout = new QVBoxLayout(box);
    layout->addLayout(controls);
    layout->addWidget(m_view, 1);
    return box;
}

QWidget *ViewsPage::createCountersBox()
{
    auto *box = new QGroupBox(QStringLiteral("ZelPerfCounterWidget"), this);
    m_counters = new ZelPerfCounterWidget(box);
    m_counters->setMinimumSize(200, 160); // plots would ask for more than the page has
    auto *interval = new QSpinBox(box);
    interval->setRange(10, 5000);
    interval->setSingleStep(50);
    interval->setSuffix(QStringLiteral(" ms"));
    interval->setAccessibleName(QStringLiteral("Refresh interval"));
    connect(interval, &QSpinBox::valueChanged, m_counters, &ZelPerfCounterWidget::setRefreshInterval);
    // Faster than the widget's second, so the curves move while you watch.
    interval->setValue(100);
    auto *controls = new QHBoxLayout;
    controls->addWidget(new QLabel(QStringLiteral("Refresh every:"), box));
    controls->addWidget(interval);
    controls->addStretch(1);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(m_counters, 1);
    layout->addLayout(controls);
    return box;
}

QWidget *ViewsPage::createPlotBox()
{
    auto *box = new QGroupBox(QStringLiteral("ZelMathGL"), this);
    m_plot = new ZelMathGL(box);
    m_plot->setMinimumSize(200, 160);
    auto *count = new QSpinBox(box);
    count->setRange(0, 2000);
    count->setValue(200);
    count->setAccessibleName(QStringLiteral("Points"));
    auto *turns = new QDoubleSpinBox(box);
    turns->setRange(0.0, 20.0);
    turns->setValue(3.0);
    turns->setAccessibleName(QStringLiteral("Turns"));
    auto *fix = new QPushButton(QStringLiteral("Bottom axis 0–100"), box);
    fix->setAutoDefault(false);
    fix->setToolTip(QStringLiteral("setScaleBottom(0, 100, 10): the bottom axis stops following the data"));
    connect(fix, &QPushButton::clicked, this, [this, fix] {
        m_plot->setScaleBottom(0, 100, 10);
        fix->setEnabled(false);
    });
    auto replot = [this, count, turns] { plotPoints(count->value(), turns->value()); };
    connect(count, &QSpinBox::valueChanged, this, replot);
    connect(turns, &QDoubleSpinBox::valueChanged, this, replot);
    replot();

    auto *controls = new QHBoxLayout;
    controls->addWidget(new QLabel(QStringLiteral("Points:"), box));
    controls->addWidget(count);
    controls->addWidget(new QLabel(QStringLiteral("Turns:"), box));
    controls->addWidget(turns);
    controls->addWidget(fix);
    controls->addStretch(1);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(m_plot, 1);
    layout->addLayout(controls);
    return box;
}

void ViewsPage::showEvent(QShowEvent *event)
{
    GalleryPage::showEvent(event);
    m_sinceTick.start();
    m_animation->start();
    updateContentRect();
}

void ViewsPage::hideEvent(QHideEvent *event)
{
    m_animation->stop();
    GalleryPage::hideEvent(event);
}

void ViewsPage::updateStatus()
{
    const QString text = m_statusText->text();
    m_status->setStatus(text.isEmpty() ? ZelStatus()
                                       : ZelStatus(ZelMessage(ZelLog::Warning, QStringLiteral("Gallery"),
                                                              QStringLiteral("void ViewsPage::updateStatus()"),
                                                              QStringLiteral(__FILE__), __LINE__, Issue::None, text)));
    m_status->setVisible(m_showStatus->isChecked());
    m_status->update();
}

void ViewsPage::updateContentRect()
{
    const QRect r = m_view->contentRect();
    m_contentRect->setText(QStringLiteral("(%1, %2) %3 × %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()));
}

// Moves the satellite along its orbit and records how late the timer came.
void ViewsPage::animate()
{
    const qint64 elapsed = m_sinceTick.restart();
    zelPerfCounterStore()->addValue(lagMetric, double(qMax<qint64>(0, elapsed - animationInterval)));
    ++m_tick;
    const double angle = m_tick * 0.02;
    m_satellite->setPos(960 + 700 * std::cos(angle), 420 + 260 * std::sin(angle));
}

// A spiral seen edge-on: the fourth component swings and fades.
void ViewsPage::plotPoints(int count, double turns)
{
    QList<ZelVec4D> points;
    points.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double t = count > 1 ? double(i) / (count - 1) : 0.0;
        const double angle = 2.0 * M_PI * turns * t;
        points.append(ZelVec4D(std::cos(angle), std::sin(angle), t, std::exp(-2.0 * t) * std::sin(angle)));
    }
    m_plot->setModel(points);
}
