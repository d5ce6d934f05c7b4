#include <ZelGui/ZelZoomComboBox.h>

#include "ZelZoomRounding_p.h"

#include <ZelCore/ZoomDefs.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

ZelZoomComboBox::ZelZoomComboBox(QWidget *parent)
    : QPushButton(parent)
{
    setMinimumWidth(50);
    setMaximumWidth(50);
    setSizePolicy(QSizePolicy());
    setZoom(1.0);
    connect(this, &QPushButton::clicked, this, &ZelZoomComboBox::setupMenuByClick);
}

ZelZoomComboBox::~ZelZoomComboBox() = default;

double ZelZoomComboBox::zoom() const
{
    return m_zoom;
}

void ZelZoomComboBox::setZoom(double value)
{
    // The button only opens a menu; keeping the focus would leave a focus
    // frame on it after every choice. clearFocus() has nothing to clear
    // unless the button is its window's focus widget (or has the focus
    // through a proxy), and it is reached several times per toolbar change.
    if (focusWidget() == this || (focusProxy() && hasFocus()))
        clearFocus();
    if (m_emitting)
        return;
    m_zoom = value;
    // The toolbar sets the same zoom several times per change: the text is
    // formatted once per shown value (setText() ignores an unchanged text).
    const double shown = ZelZoomRounding::toHundredths(value);
    if (!(shown == m_textZoom)) {
        m_text = ZoomDefs::zoomValueToText(shown);
        m_textZoom = shown;
    }
    setText(m_text);
    m_emitting = true;
    Q_EMIT zoomChanged(m_zoom);
    m_emitting = false;
}

void ZelZoomComboBox::setupMenu(QPoint p)
{
    // A fresh menu per request, so that it always lists the current zoom;
    // it goes away when it closes instead of piling up under the button.
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QList<double> zooms = ZoomDefs::zoomKeyValues();
    for (const double z : zooms) {
        QAction *action = menu->addAction(ZoomDefs::zoomValueToText(z));
        connect(action, &QAction::triggered, this, &ZelZoomComboBox::setZoomText);
        action->setCheckable(true);
        action->setData(z);
        action->setChecked(qFuzzyCompare(m_zoom, z));
    }
    menu->popup(p);
}

void ZelZoomComboBox::setupMenuByClick()
{
    setupMenu(mapToGlobal(mapFromParent(pos())));
}

void ZelZoomComboBox::contextMenuEvent(QContextMenuEvent *event)
{
    setupMenu(event->globalPos());
    event->accept();
}

void ZelZoomComboBox::setZoomText()
{
    const auto *action = qobject_cast<QAction *>(sender());
    if (!action)
        return;
    bool ok = false;
    const double z = action->data().toDouble(&ok);
    if (ok)
        setZoom(z);
}
