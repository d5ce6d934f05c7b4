#include <ZelGui/ZelWidgetWithToolbar.h>

#include <ZelGui/ZelGuiSettings.h>

#include <QToolBar>
#include <QVBoxLayout>

ZelWidgetWithToolbar::ZelWidgetWithToolbar(QWidget *parent)
    : QWidget(parent)
    , m_toolBar(new QToolBar(this))
    , m_layout(new QVBoxLayout(this))
{
    // Negative margins take back most of the layout's own margins, so the
    // tool bar sits close to the edges. Safe-area margins would be merged
    // into them side by side and cancel them.
    setAttribute(Qt::WA_ContentsMarginsRespectsSafeArea, false);
    setContentsMargins(-10, -10, -10, -10);
    m_layout->setSpacing(0);
    // No widget is larger than QWIDGETSIZE_MAX; a stored size beyond it
    // would overflow the tool bar's size arithmetic.
    const int iconSize = qMin(settingIconSize(), QWIDGETSIZE_MAX);
    m_toolBar->setIconSize(QSize(iconSize, iconSize));
    m_layout->insertWidget(0, m_toolBar);
}

ZelWidgetWithToolbar::~ZelWidgetWithToolbar() = default;

void ZelWidgetWithToolbar::setupWidget(QWidget *widget)
{
    m_contents = widget;
    m_layout->insertWidget(1, widget);
}

QToolBar *ZelWidgetWithToolbar::toolBar() const
{
    return m_toolBar;
}

QWidget *ZelWidgetWithToolbar::contentsWidget() const
{
    return m_contents;
}
