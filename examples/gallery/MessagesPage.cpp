#include "MessagesPage.h"

#include <ZelGui/ZelBindableQAction.h>
#include <ZelGui/ZelBindableToolButton.h>
#include <ZelGui/ZelDoubleRangeWidget.h>
#include <ZelGui/ZelGuiSettings.h>
#include <ZelGui/ZelInfiniteProgressDialog.h>
#include <ZelGui/ZelLongExposureWidget.h>
#include <ZelGui/ZelMessenger.h>
#include <ZelGui/ZelStatusForm.h>
#include <ZelGui/ZelTrayMessage.h>

#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelLog/ZelLog.h>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

namespace {

// The notification key the "Don't show again" demo writes to.
const QString panoramaKey = QStringLiteral("notifications/panorama");

QPushButton *button(const QString &text, QWidget *parent)
{
    auto *result = new QPushButton(text, parent);
    result->setAutoDefault(false);
    return result;
}

QString buttonName(int standardButton)
{
    switch (standardButton) {
    case QMessageBox::Yes:
        return QStringLiteral("Yes");
    case QMessageBox::No:
        return QStringLiteral("No");
    case QMessageBox::Save:
        return QStringLiteral("Save");
    case QMessageBox::Discard:
        return QStringLiteral("Discard");
    case QMessageBox::Cancel:
        return QStringLiteral("Cancel");
    default:
        return QString::number(standardButton);
    }
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

MessagesPage::MessagesPage(QWidget *parent)
    : GalleryPage(parent)
    , m_messenger(new ZelMessenger(this))
    , m_log(new QPlainTextEdit(this))
    , m_statusTimer(new QTimer(this))
    , m_exposureTimer(new QTimer(this))
{
    m_exposureTimer->setInterval(100);
    m_log->setReadOnly(true);
    m_log->setMaximumBlockCount(200);
    m_log->setPlaceholderText(QStringLiteral("What the widgets emit and return shows here."));

    connect(m_messenger, &ZelMessenger::needShowMessage, this, [this](const ZelMessage &message, const QString &key) {
        log(QStringLiteral("needShowMessage: type %1, \"%2\"%3")
                .arg(int(message.messageType()))
                .arg(message.text(), key.isEmpty() ? QString() : QStringLiteral(", key %1").arg(key)));
    });

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(createPopUpBox(), 0, 0);
    grid->addWidget(createSettingsBox(), 1, 0);
    grid->addWidget(createDialogsBox(), 0, 1);
    grid->addWidget(createActionBox(), 1, 1);
    grid->addWidget(createProgressBox(), 2, 0, 1, 2);
    auto *logBox = new QGroupBox(QStringLiteral("Emitted"), this);
    auto *logLayout = new QVBoxLayout(logBox);
    logLayout->addWidget(m_log);
    grid->addWidget(logBox, 0, 2, 3, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 1);

    connect(m_statusTimer, &QTimer::timeout, this, &MessagesPage::feedStatus);
    m_statusTimer->start(700);
    feedStatus();
    connect(m_exposureTimer, &QTimer::timeout, this, &MessagesPage::tickExposure);

    connect(ZelAbstractAppConfig::notifier(), &ZelSettingsNotifier::settingChanged, this, [this](const QString &key) {
        if (key == panoramaKey || key.startsWith(QLatin1String("element/tray_message/")))
            loadSettings();
    });
    loadSettings();
}

MessagesPage::~MessagesPage()
{
    delete m_busy;
}

QString MessagesPage::title() const
{
    return QStringLiteral("Messages");
}

QIcon MessagesPage::icon() const
{
    return QIcon(QStringLiteral(":/MAV/res/icons/messagebox_info.png"));
}

QString MessagesPage::description() const
{
    return QStringLiteral("Messages through one ZelMessenger become sliding pop-ups in the screen corner; the "
                          "settings below steer them live. Boxes and dialogs ask in the library's words; the busy "
                          "indicator, the status form and the long exposure show progress.");
}

QWidget *MessagesPage::createPopUpBox()
{
    auto *box = new QGroupBox(QStringLiteral("Pop-ups"), this);
    auto *information = button(QStringLiteral("Information"), box);
    auto *warning = button(QStringLiteral("Warning"), box);
    auto *error = button(QStringLiteral("Error"), box);
    auto *workers = button(QStringLiteral("5 from workers"), box);
    auto *withKey = button(QStringLiteral("With \"Don't show again\""), box);
    auto *resetKey = button(QStringLiteral("Show it again"), box);
    m_keyState = new QLabel(box);

    workers->setToolTip(QStringLiteral("Five messages sent at once from worker threads, so the stack shows"));
    connect(information, &QPushButton::clicked, this,
            [this] { m_messenger->information(QStringLiteral("The image was saved.")); });
    connect(warning, &QPushButton::clicked, this,
            [this] { m_messenger->alert(QStringLiteral("The sensor is warmer than usual.")); });
    connect(error, &QPushButton::clicked, this,
            [this] { m_messenger->error(QStringLiteral("The camera does not respond.")); });
    connect(workers, &QPushButton::clicked, this, [this] { sendFromWorkers(5); });
    connect(withKey, &QPushButton::clicked, this, [this] {
        const ZelMessage message(ZelLog::Information, QStringLiteral("Gallery"), QStringLiteral("MessagesPage"),
                                 QStringLiteral(__FILE__), __LINE__, Issue::None,
                                 QStringLiteral("The panorama is stitched."));
        m_messenger->processMessage(message, panoramaKey);
    });
    connect(resetKey, &QPushButton::clicked, this, [] { ZelAbstractAppConfig::setSetting(panoramaKey, true); });

    auto *layout = new QGridLayout(box);
    layout->addWidget(information, 0, 0);
    layout->addWidget(warning, 0, 1);
    layout->addWidget(error, 0, 2);
    layout->addWidget(workers, 1, 0, 1, 3);
    layout->addWidget(withKey, 2, 0, 1, 2);
    layout->addWidget(resetKey, 2, 2);
    layout->addWidget(m_keyState, 3, 0, 1, 3);
    return box;
}

QWidget *MessagesPage::createSettingsBox()
{
    auto *box = new QGroupBox(QStringLiteral("Pop-up settings"), this);
    m_lifeTime = new QSpinBox(box);
    m_lifeTime->setRange(0, 60);
    m_lifeTime->setSuffix(QStringLiteral(" s"));
    m_lifeTime->setSpecialValueText(QStringLiteral("until closed"));
    m_offsetX = new QSpinBox(box);
    m_offsetX->setRange(-200, 800);
    m_offsetX->setSuffix(QStringLiteral(" px"));
    m_offsetY = new QSpinBox(box);
    m_offsetY->setRange(-200, 800);
    m_offsetY->setSuffix(QStringLiteral(" px"));
    m_transparency = new QDoubleSpinBox(box);
    m_transparency->setRange(0.0, 0.9);
    m_transparency->setSingleStep(0.1);
    m_transparency->setDecimals(2);
    m_stacked = new QCheckBox(QStringLiteral("Stack pop-ups"), box);

    connect(m_lifeTime, &QSpinBox::valueChanged, this, [](int value) { settingMessageLifeTime(value); });
    connect(m_offsetX, &QSpinBox::valueChanged, this, [](int value) { settingMessageOffsetHorizontal(value); });
    connect(m_offsetY, &QSpinBox::valueChanged, this, [](int value) { settingMessageOffsetVertical(value); });
    connect(m_transparency, &QDoubleSpinBox::valueChanged, this,
            [](double value) { settingMessageTransparency(value); });
    connect(m_stacked, &QCheckBox::toggled, this, [](bool value) { settingMessageStacked(value); });

    auto *layout = new QFormLayout(box);
    layout->addRow(QStringLiteral("Lifetime:"), m_lifeTime);
    layout->addRow(QStringLiteral("Horizontal offset:"), m_offsetX);
    layout->addRow(QStringLiteral("Vertical offset:"), m_offsetY);
    layout->addRow(QStringLiteral("Transparency:"), m_transparency);
    layout->addRow(m_stacked);
    // Off by default in the library: a host opts in for keyboard users.
    auto *keys = new QCheckBox(QStringLiteral("Shortcuts Ctrl+Alt+X, D, N"), box);
    keys->setToolTip(QStringLiteral("Pop-ups shown afterwards answer Ctrl+Alt+X (close), Ctrl+Alt+D (details) "
                                    "and Ctrl+Alt+N (don't show again)"));
    keys->setChecked(ZelTrayMessage::keyboardShortcutsEnabled());
    connect(keys, &QCheckBox::toggled, this, [](bool on) { ZelTrayMessage::setKeyboardShortcutsEnabled(on); });
    layout->addRow(keys);
    return box;
}

QWidget *MessagesPage::createDialogsBox()
{
    auto *box = new QGroupBox(QStringLiteral("Boxes and dialogs"), this);
    auto *layout = new QGridLayout(box);
    const auto add = [this, box, layout](const QString &text, std::function<QString()> run) {
        auto *b = button(text, box);
        connect(b, &QPushButton::clicked, this,
                [this, text, run] { log(text + QStringLiteral(" returned ") + run()); });
        const int index = layout->count();
        layout->addWidget(b, index / 2, index % 2);
    };
    const QString text = QStringLiteral("The file \"scan_0042.tif\" exists. Replace it?");
    add(QStringLiteral("okCancel"), [text] { return yesNo(ZelMessenger::okCancel(text, QMessageBox::Warning)); });
    add(QStringLiteral("continueCancel"),
        [text] { return yesNo(ZelMessenger::continueCancel(text, QMessageBox::Question)); });
    add(QStringLiteral("yesNo"), [text] { return yesNo(ZelMessenger::yesNo(text, QStringLiteral("Overwrite"))); });
    add(QStringLiteral("yesNoCancel"),
        [text] { return buttonName(ZelMessenger::yesNoCancel(text, QStringLiteral("Overwrite"))); });
    add(QStringLiteral("saveDiscardCancel"),
        [] { return buttonName(ZelMessenger::saveDiscardCancel(QStringLiteral("The scan area has changed."))); });
    add(QStringLiteral("ok"), [] {
        ZelMessenger::ok(QStringLiteral("The export is complete."), QMessageBox::Information);
        return QStringLiteral("(nothing)");
    });
    add(QStringLiteral("inputInt"),
        [this] { return QString::number(m_messenger->inputInt(QStringLiteral("Frames to average (5 to 9):"), 5, 9)); });
    add(QStringLiteral("inputText"), [this] {
        return QLatin1Char('"') + m_messenger->inputText(QStringLiteral("Series name:"), QStringLiteral("scan"))
            + QLatin1Char('"');
    });
    add(QStringLiteral("about"), [this] {
        m_messenger->about(QStringLiteral("<b>libZelGui gallery</b><br>Widgets for imaging applications."));
        return QStringLiteral("(nothing)");
    });
    add(QStringLiteral("getExistingDirectory"), [] {
        return QLatin1Char('"') + ZelMessenger::getExistingDirectory(QStringLiteral("Choose a folder"), "gallery/dir")
            + QLatin1Char('"');
    });
    return box;
}

QWidget *MessagesPage::createActionBox()
{
    auto *box = new QGroupBox(QStringLiteral("Bindable action"), this);
    auto *action = new ZelBindableQAction(QIcon(QStringLiteral(":/ZelGui/res/icons/element_add.png")),
                                          QStringLiteral("Lock"), box);
    action->setCheckable(true);
    auto *tool = new ZelBindableToolButton(box);
    tool->setDefaultAction(action);
    tool->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto *enable = new QCheckBox(QStringLiteral("Enabled"), box);
    enable->setChecked(true);

    action->installHandler(connect(
        action, &ZelQAction::actionTriggered, action,
        [this](bool value) { log(QStringLiteral("actionTriggered(%1)").arg(yesNo(value))); }, Qt::DirectConnection));
    action->installHandler(connect(
        action, &ZelQAction::actionChecked, action,
        [this](bool value) { log(QStringLiteral("actionChecked(%1)").arg(yesNo(value))); }, Qt::DirectConnection));
    action->installHandler(connect(
        action, &ZelQAction::actionEnabled, action,
        [this](bool value) { log(QStringLiteral("actionEnabled(%1)").arg(yesNo(value))); }, Qt::DirectConnection));
    connect(enable, &QCheckBox::toggled, action, &QAction::setEnabled);

    auto *layout = new QHBoxLayout(box);
    layout->addWidget(tool);
    layout->addWidget(enable);
    layout->addStretch();
    return box;
}

QWidget *MessagesPage::createProgressBox()
{
    auto *box = new QGroupBox(QStringLiteral("Progress"), this);
    auto *busy = button(QStringLiteral("Busy for 3 s"), box);
    auto *busyButton = button(QStringLiteral("Busy with Cancel"), box);
    busyButton->setToolTip(QStringLiteral("Blocks all input except its Cancel button for 5 s"));
    connect(busy, &QPushButton::clicked, this, [this] { showBusy(false); });
    connect(busyButton, &QPushButton::clicked, this, [this] { showBusy(true); });

    m_statusForm = new ZelStatusForm(box);
    m_exposure = new ZelLongExposureWidget(box);
    m_exposure->setTitle(QStringLiteral("Long exposure"));
    m_exposure->setRange(0.5, 30.0);
    m_exposure->setSingleStep(0.5);
    m_exposure->setValue(QVariant(4.0));
    connect(m_exposure, &ZelLongExposureWidget::valueChanged, this,
            [this](double value) { log(QStringLiteral("ZelLongExposureWidget::valueChanged(%1)").arg(value)); });
    const auto runExposure = [this](bool on) {
        if (on) {
            m_exposureTotal = qRound(m_exposure->exposureEditor()->value() * 1000);
            m_exposureLeft = m_exposureTotal;
            m_exposureTimer->start();
            log(QStringLiteral("Exposure series of %1 ms started: update(true, %1, left) every %2 ms")
                    .arg(m_exposureTotal)
                    .arg(m_exposureTimer->interval()));
            tickExposure();
        } else {
            m_exposureTimer->stop();
            m_exposure->progressBar()->reset();
        }
    };
    connect(m_exposure, &ZelLongExposureWidget::statusChanged, this, [this, runExposure](bool on) {
        log(QStringLiteral("ZelLongExposureWidget::statusChanged(%1)").arg(yesNo(on)));
        runExposure(on);
    });
    // The page opens with a series of exposures running.
    m_exposure->setChecked(true);
    runExposure(true);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(busy);
    buttons->addWidget(busyButton);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(box);
    layout->addLayout(buttons);
    layout->addWidget(m_statusForm, 1, Qt::AlignTop);
    layout->addWidget(m_exposure, 1, Qt::AlignTop);
    return box;
}

void MessagesPage::sendFromWorkers(int count)
{
    for (int i = 0; i < count; ++i) {
        // The messenger lives on the GUI thread as long as the page, which
        // outlives these short workers; its slots are safe to call from them.
        QThread *worker = QThread::create([messenger = m_messenger, i] {
            const QString text = QStringLiteral("Worker %1 finished its frame.").arg(i + 1);
            if (i % 3 == 2)
                messenger->alert(text);
            else
                messenger->information(text);
        });
        connect(worker, &QThread::finished, worker, &QObject::deleteLater);
        worker->start();
    }
    log(QStringLiteral("%1 workers started").arg(count));
}

void MessagesPage::showBusy(bool withButton)
{
    delete m_busy;
    m_busy = new ZelInfiniteProgressDialog(withButton ? QStringLiteral("Cancel") : QString());
    m_busy->setOperationText(withButton ? QStringLiteral("Stitching the panorama...")
                                        : QStringLiteral("Loading the image list..."));
    QPointer<ZelInfiniteProgressDialog> busy = m_busy;
    connect(m_busy, &ZelInfiniteProgressDialog::buttonClicked, this, [this, busy] {
        log(QStringLiteral("buttonClicked()"));
        if (busy)
            busy->deleteLater();
    });
    m_busy->show();
    QTimer::singleShot(withButton ? 5000 : 3000, this, [busy] {
        if (busy)
            busy->deleteLater();
    });
}

void MessagesPage::feedStatus()
{
    ++m_statusStep;
    const double temperature = -20.0 + QRandomGenerator::global()->bounded(20) / 10.0;
    m_statusForm->setStatusFields({{QStringLiteral("Camera"), QStringLiteral("ready")},
                                   {QStringLiteral("Frames"), QString::number(m_statusStep)},
                                   {QStringLiteral("Sensor"), QStringLiteral("%1 °C").arg(temperature, 0, 'f', 1)}});
    const int progress = (m_statusStep * 7) % 101;
    m_statusForm->setStatus(QStringLiteral("Capturing frame %1").arg(m_statusStep));
    m_statusForm->setProgress(progress);
}

void MessagesPage::tickExposure()
{
    m_exposure->update(true, m_exposureTotal, m_exposureLeft);
    if (m_exposureLeft == 0) {
        // Start the next exposure of the series.
        m_exposureLeft = m_exposureTotal;
        return;
    }
    m_exposureLeft = qMax(0, m_exposureLeft - m_exposureTimer->interval());
}

void MessagesPage::loadSettings()
{
    const QSignalBlocker b1(m_lifeTime);
    const QSignalBlocker b2(m_offsetX);
    const QSignalBlocker b3(m_offsetY);
    const QSignalBlocker b4(m_transparency);
    const QSignalBlocker b5(m_stacked);
    m_lifeTime->setValue(settingMessageLifeTime());
    m_offsetX->setValue(settingMessageOffsetHorizontal());
    m_offsetY->setValue(settingMessageOffsetVertical());
    m_transparency->setValue(settingMessageTransparency());
    m_stacked->setChecked(settingMessageStacked());
    const bool shown = ZelAbstractAppConfig::setting(panoramaKey, QVariant(true)).toBool();
    m_keyState->setText(QStringLiteral("%1 = %2").arg(panoramaKey, yesNo(shown)));
}

void MessagesPage::log(const QString &line)
{
    m_log->appendPlainText(line);
}
