#include <ZelGui/ZelToolFrame.h>

#include <QAbstractScrollArea>
#include <QEvent>
#include <QLayout>
#include <QPainter>
#include <QScrollBar>

namespace {

// Distances from the near and the far edges of the reference widget.
constexpr int NearMargin = 20;
constexpr int FarMargin = 21;

} // namespace

ZelToolFrame::ZelToolFrame(QWidget *parent)
    : QFrame(parent)
{
    if (parent) {
        parent->installEventFilter(this);
        if (auto *area = qobject_cast<QAbstractScrollArea *>(parent)) {
            connect(area->horizontalScrollBar(), &QScrollBar::valueChanged, this, &ZelToolFrame::align);
            connect(area->verticalScrollBar(), &QScrollBar::valueChanged, this, &ZelToolFrame::align);
            area->viewport()->installEventFilter(this);
        }
    }
    setAutoFillBackground(false);
}

ZelToolFrame::~ZelToolFrame() = default;

ToolOrigin ZelToolFrame::origin() const
{
    return m_origin;
}

void ZelToolFrame::setOrigin(ToolOrigin origin)
{
    m_origin = origin;
}

void ZelToolFrame::align()
{
    QWidget *reference = parentWidget();
    if (auto *area = qobject_cast<QAbstractScrollArea *>(reference))
        reference = area->viewport();
    const QSize area = reference ? reference->size() : QSize(0, 0);

    QPoint pos;
    switch (m_origin) {
    case TopLeftOrigin:
        pos = QPoint(NearMargin, NearMargin);
        break;
    case TopRightOrigin:
        pos = QPoint(area.width() - width() - FarMargin, NearMargin);
        break;
    case BottomLeftOrigin:
        pos = QPoint(NearMargin, area.height() - height() - FarMargin);
        break;
    case BottomRightOrigin:
        pos = QPoint(area.width() - width() - FarMargin, area.height() - height() - FarMargin);
        break;
    default:
        break;
    }
    move(pos);
    repaint();
}

bool ZelToolFrame::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::LayoutRequest:
        align();
        break;
    case QEvent::Resize:
        // The far-side corners depend on the frame's own size.
        if (m_origin != NoOrigin)
            align();
        break;
    default:
        break;
    }
    return QFrame::event(event);
}

bool ZelToolFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType())
        return false;
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Wheel:
    case QEvent::DragEnter:
    case QEvent::DragLeave:
    case QEvent::Polish:
        align();
        break;
    // The frame is translucent: repainting it paints what lies beneath, so
    // answering the paint events with a repaint would never end.
    case QEvent::Paint:
    case QEvent::UpdateRequest:
    case QEvent::UpdateLater:
        return false;
    default:
        break;
    }
    repaint();
    return false;
}

void ZelToolFrame::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    // Shade the whole frame; the outline of the one-pixel larger rectangle
    // falls outside the widget.
    static const QColor shade(0, 0, 0, 179);
    QPainter painter(this);
    painter.setBrush(shade);
    painter.drawRect(QRect(QPoint(-1, -1), QPoint(width(), height())));
}

QSize ZelToolFrame::minimumSizeHint() const
{
    return layout() ? layout()->minimumSize() : QSize();
}
