#include "DocksPage.h"

#include "GalleryLabels.h"
#include "OrientingPanel.h"

#include <ZelGui/GuiUtils.h>
#include <ZelGui/ZelDockWidgetLPOriented.h>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QString areaName(Qt::DockWidgetArea area)
{
    switch (area) {
    case Qt::LeftDockWidgetArea:
        return QStringLiteral("left");
    case Qt::RightDockWidgetArea:
        return QStringLiteral("right");
    case Qt::TopDockWidgetArea:
        return QStringLiteral("top");
    case Qt::BottomDockWidgetArea:
        return QStringLiteral("bottom");
    default:
        break;
    }
    return QStringLiteral("none");
}

// A window with a side panel and a bottom panel, drawn for the page list.
QIcon docksIcon()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x34, 0x49, 0x5e), 3));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(3, 5, 42, 38), 4, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x29, 0x80, 0xb9));
    painter.drawRect(QRectF(6, 8, 12, 32));
    painter.setBrush(QColor(0xe6, 0x7e, 0x22));
    painter.drawRect(QRectF(21, 30, 21, 10));
    return QIcon(pixmap);
}

} // namespace

DocksPage::DocksPage(QWidget *parent)
    : GalleryPage(parent)
    , m_main(new QMainWindow(this))
    , m_log(new SignalLog(this))
{
    // A main window inside the page, as a host application has it.
    m_main->setWindowFlags(Qt::Widget);
    m_main->setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);
    m_main->setMinimumSize(560, 420);

    m_log->setObjectName(QStringLiteral("log"));
    m_main->setCentralWidget(
        signalLogBox(QStringLiteral("Dock signals and orientation calls, newest last"), m_log, m_main));

    addPanel(QStringLiteral("Layers"), Qt::LeftDockWidgetArea);
    addPanel(QStringLiteral("Adjust"), Qt::RightDockWidgetArea);
    addPanel(QStringLiteral("Info"), Qt::RightDockWidgetArea);
    addPanel(QStringLiteral("Timeline"), Qt::BottomDockWidgetArea);

    // One button per panel: makeVisible brings a closed panel back;
    // raise() puts it in front of its tab group.
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("makeVisible:"), this));
    for (int i = 0; i < m_docks.size(); ++i) {
        ZelDockWidgetLPOriented *dock = m_docks[i];
        OrientingPanel *panel = m_panels[i];
        auto *button = new QPushButton(panel->name(), this);
        button->setObjectName(QStringLiteral("show") + panel->name());
        button->setToolTip(QStringLiteral("GuiUtils::makeVisible() on the panel's contents, then raise()"));
        connect(button, &QPushButton::clicked, this, [this, dock, panel] {
            log(QStringLiteral("GuiUtils::makeVisible(%1 contents)").arg(panel->name()));
            GuiUtils::makeVisible(panel);
            dock->raise();
        });
        buttons->addWidget(button);
    }
    auto *reset = new QPushButton(QStringLiteral("Reset layout"), this);
    reset->setObjectName(QStringLiteral("resetLayout"));
    connect(reset, &QPushButton::clicked, this, [this] {
        log(QStringLiteral("reset layout"));
        placeDocks();
    });
    buttons->addStretch(1);
    buttons->addWidget(reset);

    auto *hint = hintLabel(
        QStringLiteral(
            "Drag a panel by its title to another side, double-click the title to "
            "float it, close it with its button (or Tab to the title's buttons). A panel dropped where another is "
            "docked tabs itself onto it after the drop."),
        this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(hint);
    layout->addWidget(m_main, 1);
}

ZelDockWidgetLPOriented *DocksPage::addPanel(const QString &name, Qt::DockWidgetArea area)
{
    auto *dock = new ZelDockWidgetLPOriented(m_main);
    dock->setObjectName(name);
    dock->setWindowTitle(name);
    auto *panel = new OrientingPanel(name, dock);
    panel->setReport([this](const QString &line) { log(line); });
    dock->setContentsWidget(panel);
    m_docks << dock;
    m_panels << panel;

    connect(dock, &QDockWidget::dockLocationChanged, this, [this, name](Qt::DockWidgetArea where) {
        log(QStringLiteral("%1: dockLocationChanged(%2)").arg(name, areaName(where)));
    });
    connect(dock, &QDockWidget::topLevelChanged, this, [this, name, dock](bool floating) {
        log(QStringLiteral("%1: topLevelChanged(%2)")
                .arg(name, floating ? QStringLiteral("floating") : QStringLiteral("docked")));
        // The tab check runs after this pass of the event loop; report its outcome.
        if (!floating)
            QTimer::singleShot(0, this, [this, name, dock] {
                QStringList partners;
                for (QDockWidget *other : m_main->tabifiedDockWidgets(dock))
                    partners << other->objectName();
                if (!partners.isEmpty())
                    log(QStringLiteral("%1: tabbed with %2").arg(name, partners.join(QStringLiteral(", "))));
            });
    });
    connect(dock, &QDockWidget::visibilityChanged, this, [this, name](bool visible) {
        log(QStringLiteral("%1: visibilityChanged(%2)")
                .arg(name, visible ? QStringLiteral("true") : QStringLiteral("false")));
    });
    m_main->addDockWidget(area, dock);
    return dock;
}

void DocksPage::placeDocks()
{
    const Qt::DockWidgetArea areas[] = {Qt::LeftDockWidgetArea, Qt::RightDockWidgetArea, Qt::RightDockWidgetArea,
                                        Qt::BottomDockWidgetArea};
    for (int i = 0; i < m_docks.size(); ++i) {
        m_docks[i]->setFloating(false);
        m_main->addDockWidget(areas[i], m_docks[i]);
        m_docks[i]->show();
    }
}

void DocksPage::log(const QString &line)
{
    m_log->add(line);
}

// The docks announce their hiding while QWidget's destructor closes the page,
// when it is no longer a DocksPage: cut them off before that.
DocksPage::~DocksPage()
{
    for (ZelDockWidgetLPOriented *dock : std::as_const(m_docks))
        disconnect(dock, nullptr, this, nullptr);
    for (OrientingPanel *panel : std::as_const(m_panels))
        panel->setReport({});
}

QString DocksPage::title() const
{
    return QStringLiteral("Docks");
}

QIcon DocksPage::icon() const
{
    return docksIcon();
}

QString DocksPage::description() const
{
    return QStringLiteral("ZelDockWidgetLPOriented panels in a main window: they tab themselves onto a panel "
                          "already docked in their area, and their contents switch between portrait (sides, "
                          "floating) and landscape (top, bottom) as they move.");
}
