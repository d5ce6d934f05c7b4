#include <ZelGui/ZelTrayMessage.h>

#include "ZelFormTexts_p.h"
#include "ui_ZelTrayMessage.h"

#include <ZelGui/ZelGuiSettings.h>

#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelLog/Issue.h>
#include <ZelLog/ZelMessage.h>

#include <QAccessible>
#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QTimeLine>
#include <QTimer>

#include <atomic>
#include <climits>
#include <limits>

const QSize ZelTrayMessage::defaultSize(250, 130);
const QSize ZelTrayMessage::defaultDetailedSize(250, 250);
const QPoint ZelTrayMessage::invalidPos(INT_MAX, INT_MAX);
std::atomic<int> ZelTrayMessage::m_lastPositionInStack{-1};

namespace {

constexpr int slideIntervalMs = 10;
// A stack slot per this many pixels of available screen height.
constexpr int stackSlotHeight = 260;

bool isTop(ZelTrayMessage::TrayPosition position)
{
    return position == ZelTrayMessage::TopLeft || position == ZelTrayMessage::TopRight;
}

// One 5-pixel step of current towards target; false (current moved, nothing
// else) once the step passes the target.
bool stepTowards(int &current, int target, bool increase)
{
    if (increase) {
        current += ZelTrayAnimationStrategy::step;
        return current <= target;
    }
    current -= ZelTrayAnimationStrategy::step;
    return current >= target;
}

} // namespace

QPoint ZelTrayPositioningStrategy::computeTarget(ZelTrayMessage::TrayPosition position, int index, const QSize &size,
                                                 const QRect &screen)
{
    const int w = size.width();
    const int h = size.height();
    switch (position) {
    case ZelTrayMessage::TopLeft:
        return QPoint(screen.left(), screen.top() + index * h);
    case ZelTrayMessage::TopRight:
        return QPoint(screen.right() - w, screen.top() + index * h);
    case ZelTrayMessage::BottomLeft:
        return QPoint(screen.left(), screen.bottom() - (index + 1) * h);
    case ZelTrayMessage::BottomRight:
    default:
        return QPoint(screen.right() - w, screen.bottom() - (index + 1) * h);
    }
}

void ZelTrayAnimationStrategy::init(ZelTrayMessage::TrayPosition position, int x, int y, int height)
{
    currentX = targetX = x;
    targetY = y;
    currentY = isTop(position) ? y - height : y + height;
}

bool ZelTrayAnimationStrategy::stepVertical(bool up, QPoint &point)
{
    if (!stepTowards(currentY, targetY, !up))
        return false;
    point = QPoint(targetX, currentY);
    return true;
}

bool ZelTrayAnimationStrategy::stepHorizontal(bool right, QPoint &point)
{
    if (!stepTowards(currentX, targetX, right))
        return false;
    point = QPoint(currentX, targetY);
    return true;
}

ZelTrayMessage *ZelTrayMessage::popUp(QWidget *parent, const ZelMessage &message, const QString &settingKey)
{
    if (!settingKey.isEmpty() && !ZelAbstractAppConfig::setting(settingKey, QVariant(true)).toBool())
        return nullptr;

    auto *tray = new ZelTrayMessage(parent);
    tray->construct(message);
    tray->setSettingKey(settingKey);
    tray->setPosition(BottomRight);
    if (settingKey.isEmpty())
        tray->m_options = TrayOptions(tray->m_options | HideDoNotShowAgain);
    if (tray->m_options & HideDoNotShowAgain)
        tray->ui->checkBoxAgain->hide();
    tray->calculateTargetPoint();
    tray->slide();
    return tray;
}

namespace {

std::atomic<bool> trayShortcutsEnabled{false};

// The pop-up's window never takes the focus, so its buttons answer
// application-wide keys instead; each press acts through the button, as a
// click would. With several pop-ups shown a press reaches one of them.
void addShortcuts(ZelTrayMessage *tray, std::initializer_list<QAbstractButton *> buttons)
{
    const QKeySequence keys[] = {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_X),
                                 QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_D),
                                 QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_N)};
    int i = 0;
    for (QAbstractButton *button : buttons) {
        auto *shortcut = new QShortcut(keys[i++], tray);
        shortcut->setContext(Qt::ApplicationShortcut);
        QObject::connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
        QObject::connect(shortcut, &QShortcut::activatedAmbiguously, button, &QAbstractButton::click);
    }
}

} // namespace

void ZelTrayMessage::setKeyboardShortcutsEnabled(bool enabled)
{
    trayShortcutsEnabled.store(enabled);
}

bool ZelTrayMessage::keyboardShortcutsEnabled()
{
    return trayShortcutsEnabled.load();
}

ZelTrayMessage::ZelTrayMessage(QWidget *parent)
    : QFrame(parent)
    , ui(new Ui_ZelTrayMessage)
{
    // The window flags come first: changing them later reparents the widget
    // and polishes every child of the form's style sheets again.
    setWindowFlags(windowFlags() | Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    ui->setupUi(this);
    ZelFormTexts::track(this);
    setMinimumSize(defaultSize);
    installEventFilter(this);
    ui->labelTitle->installEventFilter(this);
    ui->labelText->installEventFilter(this);
    ui->textEditDetails->installEventFilter(this);
    ui->pushButtonDetails->installEventFilter(this);
    ui->checkBoxAgain->installEventFilter(this);

    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_DeleteOnClose, true);

    // The milliseconds must fit QTimeLine's int.
    constexpr int longest = std::numeric_limits<int>::max() / 1000;
    const int lifeTime = qBound(-longest, secsToLive(), longest);
    if (lifeTime != 0) {
        m_timeLine = new QTimeLine(lifeTime * 1000, this);
        m_timeLine->setFrameRange(lifeTime, 0);
        connect(m_timeLine, &QTimeLine::frameChanged, this, &ZelTrayMessage::updateRemainingTime);
        connect(m_timeLine, &QTimeLine::finished, this, &QWidget::close);
    }

    connect(ui->pushButtonClose, &QToolButton::clicked, this, &QWidget::close);
    connect(ui->pushButtonDetails, &QPushButton::clicked, this, &ZelTrayMessage::switchDetails);
    connect(ui->checkBoxAgain, &QCheckBox::clicked, this, &ZelTrayMessage::storeSetting);
    if (trayShortcutsEnabled.load())
        addShortcuts(this, {ui->pushButtonClose, ui->pushButtonDetails, ui->checkBoxAgain});

    ui->checkBoxAgain->setEnabled(false);
    setWindowOpacity(opacity());
}

ZelTrayMessage::~ZelTrayMessage()
{
    removeEventFilter(this);
    // Deleted without a close (with its parent, or by the host): the slot
    // is given back all the same.
    releaseStackSlot();
}

void ZelTrayMessage::construct(const ZelMessage &message)
{
    QString title;
    QString icon;
    switch (message.messageType()) {
    case ZelLog::Error:
        title = tr("Error");
        icon = QStringLiteral(":MAV/res/icons/messagebox_critical.png");
        break;
    case ZelLog::Warning:
        title = tr("Warning");
        icon = QStringLiteral(":MAV/res/icons/messagebox_warning.png");
        break;
    case ZelLog::Information:
        title = tr("Information");
        icon = QStringLiteral(":MAV/res/icons/messagebox_info.png");
        break;
    case ZelLog::Logging:
        title = tr("Logging");
        icon = QStringLiteral(":MAV/res/icons/messagebox_info.png");
        break;
    case ZelLog::Profiling:
        title = tr("Profiling");
        icon = QStringLiteral(":MAV/res/icons/messagebox_info.png");
        break;
    default:
        break;
    }
    if (!icon.isEmpty()) {
        // Through QIcon, which takes the host's "@2x" picture where the screen has it.
        ui->labelIcon->setPixmap(QIcon(icon).pixmap(QImageReader(icon).size(), devicePixelRatioF()));
    }

    setTitle(title + QLatin1String(": ") + Issue::readableID(message.issueID()));

    ui->textEditDetails->setHtml(message.toTextParagraph());
    ui->textEditDetails->hide();
    setGeometry(QRect(geometry().topLeft(), defaultSize));

    QString body;
    if (message.issueID() != 0)
        body = Issue::description(message.issueID()) + QLatin1Char('\n');
    body += message.text();
    ui->labelText->setText(body);
}

void ZelTrayMessage::setTitle(const QString &title)
{
    setWindowTitle(title);
    m_title = title;
    ui->labelTitle->setText(title);
}

void ZelTrayMessage::setText(const QString &text)
{
    ui->labelText->setText(text);
}

void ZelTrayMessage::setDetailedHtml(const QString &html)
{
    // The text edit tells rich from plain text itself.
    ui->textEditDetails->setText(html);
}

void ZelTrayMessage::setSettingKey(const QString &key)
{
    m_settingKey = key;
    ui->checkBoxAgain->setEnabled(!key.isEmpty());
}

void ZelTrayMessage::setPosition(TrayPosition position)
{
    m_position = position;
}

ZelTrayMessage::TrayOptions &ZelTrayMessage::options()
{
    return m_options;
}

void ZelTrayMessage::showTrayMessage()
{
    if (m_options & HideDoNotShowAgain)
        ui->checkBoxAgain->hide();
    calculateTargetPoint();
    slide();
}

void ZelTrayMessage::updateStackPosition()
{
    assignStackSlot();
}

QRect ZelTrayMessage::desktopGeometry()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void ZelTrayMessage::assignStackSlot()
{
    if (m_stackPosition >= 0)
        return;
    const QRect area = desktopGeometry();
    const int limit = (area.bottom() - area.top() + 1) / stackSlotHeight;
    if (m_lastPositionInStack.load() >= limit) {
        // The stack is full: start again at the bottom (or top).
        m_stackPosition = 0;
        m_lastPositionInStack.exchange(0);
    } else {
        m_stackPosition = m_lastPositionInStack.fetch_add(1) + 1;
    }
}

void ZelTrayMessage::calculateTargetPoint()
{
    assignStackSlot();
    const int dx = settingMessageOffsetHorizontal();
    const int dy = settingMessageOffsetVertical();
    const int index = settingMessageStacked() ? m_stackPosition : 0;
    const QRect area = desktopGeometry().adjusted(dx, dy, -dx, -dy);
    m_target = ZelTrayPositioningStrategy::computeTarget(m_position, index, size(), area);
}

void ZelTrayMessage::slide()
{
    const int height = this->height();
    m_currentX = m_targetX = m_target.x();
    m_targetY = m_target.y();
    const bool top = isTop(m_position);
    m_currentY = top ? m_targetY - height : m_targetY + height;

    move(m_currentX, m_currentY);
    show();

    if (!stepTowards(m_currentY, m_targetY, top))
        return;
    move(m_currentX, m_currentY);
    if (top)
        QTimer::singleShot(slideIntervalMs, Qt::PreciseTimer, this, &ZelTrayMessage::slideVerticallyDown);
    else
        QTimer::singleShot(slideIntervalMs, Qt::PreciseTimer, this, &ZelTrayMessage::slideVerticallyUp);
}

void ZelTrayMessage::slideVerticallyUp()
{
    if (!stepTowards(m_currentY, m_targetY, false))
        return;
    move(m_targetX, m_currentY);
    QTimer::singleShot(slideIntervalMs, Qt::PreciseTimer, this, &ZelTrayMessage::slideVerticallyUp);
}

void ZelTrayMessage::slideVerticallyDown()
{
    if (!stepTowards(m_currentY, m_targetY, true))
        return;
    move(m_targetX, m_currentY);
    QTimer::singleShot(slideIntervalMs, Qt::PreciseTimer, this, &ZelTrayMessage::slideVerticallyDown);
}

void ZelTrayMessage::slideHorizontallyRight()
{
    if (!stepTowards(m_currentX, m_targetX, true))
        return;
    move(m_currentX, m_targetY);
    QTimer::singleShot(slideIntervalMs, Qt::PreciseTimer, this, &ZelTrayMessage::slideHorizontallyRight);
}

void ZelTrayMessage::slideHorizontallyLeft()
{
    if (!stepTowards(m_currentX, m_targetX, false))
        return;
    move(m_currentX, m_targetY);
    QTimer::singleShot(slideIntervalMs, Qt::PreciseTimer, this, &ZelTrayMessage::slideHorizontallyLeft);
}

void ZelTrayMessage::updateRemainingTime(int remainingSeconds)
{
    if (remainingSeconds >= 0 && m_timeLine && m_timeLine->state() == QTimeLine::Running)
        ui->labelTitle->setText(m_title + QStringLiteral(" (%1)").arg(remainingSeconds));
    else
        ui->labelTitle->setText(m_title);
}

void ZelTrayMessage::cancelTimer()
{
    if (!m_timeLine)
        return;
    m_timeLine->stop();
    updateRemainingTime(-1);
    setWindowOpacity(1.0);
}

void ZelTrayMessage::storeSetting(bool dontShowAgain)
{
    if (!m_settingKey.isEmpty())
        ZelAbstractAppConfig::setSetting(m_settingKey, QVariant(!dontShowAgain));
}

double ZelTrayMessage::opacity()
{
    return 1.0 - settingMessageTransparency();
}

int ZelTrayMessage::secsToLive()
{
    return settingMessageLifeTime();
}

void ZelTrayMessage::switchDetails(bool showDetails)
{
    ui->textEditDetails->setVisible(showDetails);
    setGeometry(QRect(geometry().topLeft(), showDetails ? defaultDetailedSize : defaultSize));
}

bool ZelTrayMessage::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == ui->labelTitle) {
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) {
            m_dragPoint = invalidPos;
        } else if (type == QEvent::MouseMove) {
            const QPoint position = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
            if (m_dragPoint != invalidPos)
                move(frameGeometry().topLeft() - m_dragPoint + position);
            m_dragPoint = position;
        }
    }
    // Touching the pop-up holds it until the user closes it.
    if (type == QEvent::MouseButtonPress)
        cancelTimer();
    return QFrame::eventFilter(watched, event);
}

void ZelTrayMessage::showEvent(QShowEvent *event)
{
    if (!event->spontaneous() && m_timeLine && m_timeLine->state() != QTimeLine::Running) {
        clearFocus();
        assignStackSlot();
        m_timeLine->start();
        updateRemainingTime(m_timeLine->startFrame());
    }
    QFrame::showEvent(event);
    if (!event->spontaneous()) {
        QAccessibleEvent alert(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void ZelTrayMessage::releaseStackSlot()
{
    // Only the newest slot restarts the stack; either way the pop-up holds
    // none afterwards, so its deletion after a close releases nothing twice.
    int slot = m_stackPosition;
    if (slot >= 0)
        m_lastPositionInStack.compare_exchange_strong(slot, -1);
    m_stackPosition = -1;
}

void ZelTrayMessage::closeEvent(QCloseEvent *event)
{
    releaseStackSlot();
    event->accept();
    QFrame::closeEvent(event);
}

void ZelTrayMessage::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    // The buttons switch language; the title and the text were made from the
    // message when it popped up and stay as they are for its short life.
    if (event->type() == QEvent::LanguageChange)
        ZelFormTexts::retranslate(this, [this] { ui->retranslateUi(this); });
}
