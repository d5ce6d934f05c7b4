#include "SliderDemos.h"

#include "GalleryLabels.h"
#include "SignalLog.h"

#include <ZelGui/ZelLineEdit.h>
#include <ZelGui/ZelListWidget.h>
#include <ZelGui/ZelMoveableWidget.h>
#include <ZelGui/ZelRadioButton.h>
#include <ZelGui/ZelSpanRangeWidget.h>
#include <ZelGui/ZelTCLabel.h>
#include <ZelGui/ZelTipLabel.h>
#include <ZelGui/ZelToolFrame.h>
#include <ZelGui/ZelWidgetWithToolbar.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QThread>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>
#include <memory>

namespace {

constexpr int maxLogLines = 300;

// Calls a function for one type of event of the watched object.
class EventWatcher : public QObject
{
public:
    EventWatcher(QObject *watched, QEvent::Type type, std::function<void()> onEvent)
        : QObject(watched)
        , m_type(type)
        , m_onEvent(std::move(onEvent))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == m_type)
            m_onEvent();
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<void()> m_onEvent;
};

// The frame the moveable widget lives in: its contents rectangle, 4 pixels
// in, is where the widget may go.
class MoveArea : public QFrame
{
public:
    explicit MoveArea(QWidget *parent)
        : QFrame(parent)
    {
        setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        setBackgroundRole(QPalette::Base);
        setAutoFillBackground(true);
        setMinimumHeight(120);
    }

    ZelMoveableWidget *moveable = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QFrame::resizeEvent(event);
        if (moveable)
            moveable->setMoveAllowRect(contentsRect().adjusted(4, 4, -4, -4));
    }
};

// Owns the worker thread that feeds the thread-safe label; it runs while
// the demo is shown and is stopped before the label goes.
class FramesDemo : public QWidget
{
public:
    explicit FramesDemo(QWidget *parent)
        : QWidget(parent)
    {
    }

    ~FramesDemo() override { stopWorker(); }

    void setWorkerLabel(ZelTCLabel *label) { m_label = label; }

    void setWorkerEnabled(bool enabled)
    {
        m_workerEnabled = enabled;
        if (enabled && isVisible())
            startWorker();
        else
            stopWorker();
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        QWidget::showEvent(event);
        if (m_workerEnabled)
            startWorker();
    }

    void hideEvent(QHideEvent *event) override
    {
        stopWorker();
        QWidget::hideEvent(event);
    }

private:
    void startWorker()
    {
        if (m_worker || !m_label)
            return;
        ZelTCLabel *label = m_label;
        m_worker = QThread::create([label] {
            const QString thread = QStringLiteral("0x%1").arg(quintptr(QThread::currentThreadId()), 0, 16);
            for (int tick = 1; !QThread::currentThread()->isInterruptionRequested(); ++tick) {
                label->setLabelText(QStringLiteral("Tick %1 at %2, sent by worker thread %3")
                                        .arg(tick)
                                        .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")), thread));
                QThread::msleep(250);
            }
        });
        m_worker->start();
    }

    void stopWorker()
    {
        if (!m_worker)
            return;
        m_worker->requestInterruption();
        m_worker->wait();
        delete m_worker;
        m_worker = nullptr;
    }

    ZelTCLabel *m_label = nullptr;
    QThread *m_worker = nullptr;
    bool m_workerEnabled = true;
};

QPixmap pictureForScrolling()
{
    QPixmap picture(960, 720);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, picture.width(), picture.height());
    gradient.setColorAt(0, QColor(0x2c, 0x7b, 0xb6));
    gradient.setColorAt(0.5, QColor(0xab, 0xd9, 0xe9));
    gradient.setColorAt(1, QColor(0xfd, 0xae, 0x61));
    painter.fillRect(picture.rect(), gradient);
    painter.setPen(QColor(255, 255, 255, 140));
    for (int x = 0; x < picture.width(); x += 60)
        painter.drawLine(x, 0, x, picture.height());
    for (int y = 0; y < picture.height(); y += 60)
        painter.drawLine(0, y, picture.width(), y);
    painter.setPen(Qt::black);
    for (int x = 0; x < picture.width(); x += 120) {
        for (int y = 0; y < picture.height(); y += 120)
            painter.drawText(x + 4, y + 14, QStringLiteral("%1, %2").arg(x).arg(y));
    }
    return picture;
}

// A chooser row above a scroll area, with a readout below.
void layOutAreaBox(QWidget *box, const QString &caption, QWidget *chooser, QWidget *area, QWidget *readout)
{
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(caption, box));
    row->addWidget(chooser, 1);
    auto *layout = new QVBoxLayout(box);
    layout->addLayout(row);
    layout->addWidget(area, 1);
    layout->addWidget(readout);
}

QWidget *createMoveableBox(QWidget *parent)
{
    auto *box = new QGroupBox(QStringLiteral("ZelMoveableWidget"), parent);
    auto *direction = new QComboBox(box);
    direction->addItem(QStringLiteral("Both directions"), int(ZelMoveableWidget::MoveBoth));
    direction->addItem(QStringLiteral("Horizontal only"), int(ZelMoveableWidget::MoveHorizontal));
    direction->addItem(QStringLiteral("Vertical only"), int(ZelMoveableWidget::MoveVertical));

    auto *area = new MoveArea(box);
    auto *moveable = new ZelMoveableWidget(area);
    area->moveable = moveable;
    moveable->setAutoFillBackground(true);
    moveable->setBackgroundRole(QPalette::Highlight);
    moveable->setForegroundRole(QPalette::HighlightedText);
    auto *handle = new QLabel(QStringLiteral("Drag me"), moveable);
    handle->setAlignment(Qt::AlignCenter);
    handle->setForegroundRole(QPalette::HighlightedText);
    auto *handleLayout = new QVBoxLayout(moveable);
    handleLayout->addWidget(handle);
    moveable->setFixedSize(96, 40);
    moveable->move(12, 12);

    auto *readout = readoutLabel(box);
    readout->setText(QStringLiteral("Drag the blue box; it asks to be moved and the frame moves it."));
    auto requests = std::make_shared<int>(0);
    QObject::connect(moveable, &ZelMoveableWidget::needMove, moveable, [moveable, readout, requests](QPoint pos) {
        moveable->move(pos);
        readout->setText(QStringLiteral("needMove(%1, %2), request %3").arg(pos.x()).arg(pos.y()).arg(++*requests));
    });
    QObject::connect(direction, &QComboBox::currentIndexChanged, moveable, [moveable, direction] {
        moveable->setMoveDirection(ZelMoveableWidget::MoveDirection(direction->currentData().toInt()));
    });

    layOutAreaBox(box, QStringLiteral("Direction:"), direction, area, readout);
    return box;
}

QWidget *createToolFrameBox(QWidget *parent)
{
    auto *box = new QGroupBox(QStringLiteral("ZelToolFrame"), parent);
    auto *corner = new QComboBox(box);
    corner->addItem(QStringLiteral("Top left"), int(TopLeftOrigin));
    corner->addItem(QStringLiteral("Top right"), int(TopRightOrigin));
    corner->addItem(QStringLiteral("Bottom left"), int(BottomLeftOrigin));
    corner->addItem(QStringLiteral("Bottom right"), int(BottomRightOrigin));
    corner->addItem(QStringLiteral("No origin (0, 0)"), int(NoOrigin));
    corner->setCurrentIndex(1);

    auto *area = new QScrollArea(box);
    area->setMinimumHeight(150);
    auto *picture = new QLabel;
    const QPixmap pixmap = pictureForScrolling();
    picture->setPixmap(pixmap);
    picture->setScaledContents(true);
    picture->resize(pixmap.size());
    area->setWidget(picture);

    auto *frame = new ZelToolFrame(area);
    auto *zoomIn = new QToolButton(frame);
    zoomIn->setIcon(QIcon(QStringLiteral(":MAV/res/icons/zoom_in.png")));
    zoomIn->setToolTip(QStringLiteral("Zoom in"));
    zoomIn->setAutoRaise(true);
    auto *zoomOut = new QToolButton(frame);
    zoomOut->setIcon(QIcon(QStringLiteral(":MAV/res/icons/zoom_out.png")));
    zoomOut->setToolTip(QStringLiteral("Zoom out"));
    zoomOut->setAutoRaise(true);
    auto *zoomText = new QLabel(frame);
    QPalette light = zoomText->palette();
    light.setColor(QPalette::WindowText, Qt::white);
    zoomText->setPalette(light);
    auto *frameLayout = new QHBoxLayout(frame);
    frameLayout->setContentsMargins(4, 2, 8, 2);
    frameLayout->addWidget(zoomIn);
    frameLayout->addWidget(zoomOut);
    frameLayout->addWidget(zoomText);
    frame->setOrigin(TopRightOrigin);

    auto scale = std::make_shared<double>(1.0);
    const auto applyScale = [picture, pixmap, scale, zoomText, frame] {
        picture->resize(pixmap.size() * *scale);
        zoomText->setText(QStringLiteral("%1 %").arg(qRound(*scale * 100)));
        frame->resize(frame->sizeHint());
    };
    applyScale();
    QObject::connect(zoomIn, &QToolButton::clicked, frame, [scale, applyScale] {
        *scale = qMin(*scale * 1.25, 4.0);
        applyScale();
    });
    QObject::connect(zoomOut, &QToolButton::clicked, frame, [scale, applyScale] {
        *scale = qMax(*scale / 1.25, 0.25);
        applyScale();
    });

    auto *readout = readoutLabel(box);
    const auto showPlace = [frame, area, readout] {
        readout->setText(QStringLiteral("Frame at (%1, %2) of a %3 × %4 viewport; scrolled to (%5, %6)")
                             .arg(frame->x())
                             .arg(frame->y())
                             .arg(area->viewport()->width())
                             .arg(area->viewport()->height())
                             .arg(area->horizontalScrollBar()->value())
                             .arg(area->verticalScrollBar()->value()));
    };
    new EventWatcher(frame, QEvent::Move, showPlace);
    QObject::connect(area->horizontalScrollBar(), &QScrollBar::valueChanged, readout, showPlace);
    QObject::connect(area->verticalScrollBar(), &QScrollBar::valueChanged, readout, showPlace);
    QObject::connect(corner, &QComboBox::currentIndexChanged, frame, [frame, corner, showPlace] {
        frame->setOrigin(ToolOrigin(corner->currentData().toInt()));
        frame->align();
        showPlace();
    });

    layOutAreaBox(box, QStringLiteral("Corner:"), corner, area, readout);
    return box;
}

QWidget *createThreadLabelBox(FramesDemo *demo)
{
    auto *box = new QGroupBox(QStringLiteral("ZelTCLabel"), demo);
    auto *label = new ZelTCLabel(box);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setMinimumHeight(label->fontMetrics().height() * 2);
    label->setWordWrap(true);
    label->setText(QStringLiteral("Waiting for the worker thread…"));
    demo->setWorkerLabel(label);

    auto *worker = new QCheckBox(QStringLiteral("Fed by a worker thread every 250 ms"), box);
    worker->setChecked(true);
    auto *fromGui = new QPushButton(QStringLiteral("Set from the GUI thread"), box);
    QObject::connect(worker, &QCheckBox::toggled, demo, [demo](bool on) { demo->setWorkerEnabled(on); });
    QObject::connect(fromGui, &QPushButton::clicked, label, [label] {
        label->setLabelText(QStringLiteral("Set from the GUI thread at %1")
                                .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz"))));
    });

    auto *row = new QHBoxLayout;
    row->addWidget(worker, 1);
    row->addWidget(fromGui);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(label);
    layout->addLayout(row);
    layout->addWidget(hintLabel(QStringLiteral("setLabelText() queues the text; it appears when the GUI thread's "
                                               "event loop runs, whichever thread sent it."),
                                box));
    layout->addStretch(1);
    return box;
}

QWidget *createToolbarBox(QWidget *parent)
{
    auto *box =
        new QGroupBox(QStringLiteral("ZelWidgetWithToolbar, ZelListWidget, ZelLineEdit, ZelRadioButton"), parent);
    auto *withToolbar = new ZelWidgetWithToolbar(box);
    QToolBar *toolBar = withToolbar->toolBar();
    toolBar->setIconSize(QSize(20, 20));
    auto *list = new ZelListWidget(withToolbar);
    list->addItems({QStringLiteral("Dark frame"), QStringLiteral("Flat field"), QStringLiteral("Light frame")});
    list->setCurrentRow(0);
    list->setAccessibleName(QStringLiteral("Frames"));
    withToolbar->setupWidget(list);

    auto *edit = new ZelLineEdit(toolBar);
    edit->setPlaceholderText(QStringLiteral("New item"));
    edit->setAccessibleName(QStringLiteral("New item"));
    edit->setClearButtonEnabled(true);
    QAction *add =
        toolBar->addAction(QIcon(QStringLiteral(":/ZelGui/res/icons/element_add.png")), QStringLiteral("Add"));
    QAction *remove = toolBar->addAction(QIcon(QStringLiteral(":/ZelGui/res/icons/element_remove.png")),
                                         QStringLiteral("Remove the current item"));
    QAction *tip = toolBar->addAction(QIcon(QStringLiteral(":/ZelGui/res/icons/messagebox_info.png")),
                                      QStringLiteral("Show the current item in a tip"));
    toolBar->insertWidget(add, edit);

    auto *atEnd = new ZelRadioButton(box);
    atEnd->setText(QStringLiteral("Add at the end"));
    atEnd->setChecked(true);
    auto *atTop = new ZelRadioButton(box);
    atTop->setText(QStringLiteral("Add at the top"));

    auto *readout = readoutLabel(box);
    const auto showState = [list, readout] {
        const QListWidgetItem *current = list->currentItem();
        readout->setText(QStringLiteral("%1 items; current: %2")
                             .arg(list->count())
                             .arg(current ? current->text() : QStringLiteral("none")));
    };
    showState();
    QObject::connect(list, &QListWidget::currentRowChanged, readout, showState);

    const auto addItem = [list, edit, atTop, showState] {
        const QString text = edit->text().trimmed();
        if (text.isEmpty())
            return;
        const int row = atTop->isChecked() ? 0 : list->count();
        list->insertItem(row, text);
        list->setCurrentRow(row);
        edit->clear();
        showState();
    };
    QObject::connect(add, &QAction::triggered, list, addItem);
    QObject::connect(edit, &QLineEdit::returnPressed, list, addItem);
    QObject::connect(remove, &QAction::triggered, list, [list, showState] {
        delete list->takeItem(list->currentRow());
        showState();
    });

    // The tip is a window of its own: kept in a guarded pointer, hidden by
    // a timer.
    QPointer<ZelTipLabel> tipLabel = new ZelTipLabel(2, box);
    auto *tipTimer = new QTimer(box);
    tipTimer->setSingleShot(true);
    tipTimer->setInterval(2000);
    QObject::connect(tipTimer, &QTimer::timeout, box, [tipLabel] {
        if (tipLabel)
            tipLabel->hide();
    });
    QObject::connect(tip, &QAction::triggered, list, [list, tipLabel, tipTimer] {
        const QListWidgetItem *current = list->currentItem();
        if (!tipLabel || !current)
            return;
        tipLabel->setTipText(current->text());
        const QRect itemRect = list->visualItemRect(current);
        tipLabel->move(list->viewport()->mapToGlobal(itemRect.bottomLeft() + QPoint(16, 4)));
        tipLabel->show();
        tipTimer->start();
    });

    auto *radios = new QHBoxLayout;
    radios->addWidget(atEnd);
    radios->addWidget(atTop);
    radios->addStretch(1);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(withToolbar, 1);
    layout->addLayout(radios);
    layout->addWidget(readout);
    return box;
}

} // namespace

QWidget *createSpanRangeDemo(QWidget *parent)
{
    auto *demo = new QWidget(parent);

    auto *box = new QGroupBox(QStringLiteral("ZelSpanRangeWidget"), demo);
    auto *horizontal = new ZelSpanRangeWidget(Qt::Horizontal, box);
    auto *vertical = new ZelSpanRangeWidget(Qt::Vertical, box);
    vertical->setMinimumHeight(190);

    auto *mode = new QComboBox(box);
    mode->addItem(QStringLiteral("Free movement"), QVariant::fromValue(ZelSpanSlider::FreeMovement));
    mode->addItem(QStringLiteral("No crossing"), QVariant::fromValue(ZelSpanSlider::NoCrossing));
    mode->addItem(QStringLiteral("No overlapping"), QVariant::fromValue(ZelSpanSlider::NoOverlapping));
    auto *shown = new QCheckBox(QStringLiteral("Spin boxes shown (horizontal)"), box);
    auto *minimum = new QSpinBox(box);
    auto *maximum = new QSpinBox(box);
    for (QSpinBox *spin : {minimum, maximum})
        spin->setRange(-1000, 1000);
    minimum->setValue(0);
    maximum->setValue(100);
    auto *spanButton = new QPushButton(QStringLiteral("setSpan(25, 75)"), box);
    auto *readout = readoutLabel(box);

    auto *log = new SignalLog(nullptr, maxLogLines);
    auto *logBox = signalLogBox(QStringLiteral("Signals, newest last"), log, demo);

    const auto showState = [horizontal, vertical, readout] {
        const auto text = [](const ZelSpanRangeWidget *w) {
            return QStringLiteral("%1 – %2 of %3 – %4, spin boxes %5")
                .arg(w->lowerValue())
                .arg(w->upperValue())
                .arg(w->minimum())
                .arg(w->maximum())
                .arg(w->settingsVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"));
        };
        readout->setText(QStringLiteral("Horizontal: %1\nVertical: %2").arg(text(horizontal), text(vertical)));
    };
    const auto watch = [log, showState](ZelSpanRangeWidget *w, const QString &name) {
        QObject::connect(w, &ZelSpanRangeWidget::spanChanged, log, [log, showState, name](int l, int u) {
            log->add(QStringLiteral("%1: spanChanged(%2, %3)").arg(name).arg(l).arg(u));
            showState();
        });
        QObject::connect(w, &ZelSpanRangeWidget::settingsVisibleChanged, log, [log, showState, name](bool v) {
            log->add(QStringLiteral("%1: settingsVisibleChanged(%2)")
                         .arg(name, v ? QStringLiteral("true") : QStringLiteral("false")));
            showState();
        });
        QObject::connect(w, &ZelSpanRangeWidget::rangeChanged, log, [log, name](int min, int max) {
            log->add(QStringLiteral("%1: rangeChanged(%2, %3)").arg(name).arg(min).arg(max));
        });
    };
    watch(horizontal, QStringLiteral("horizontal"));
    watch(vertical, QStringLiteral("vertical"));

    QObject::connect(mode, &QComboBox::currentIndexChanged, demo, [mode, horizontal, vertical] {
        const auto m = mode->currentData().value<ZelSpanSlider::HandleMovementMode>();
        horizontal->setHandleMovementMode(m);
        vertical->setHandleMovementMode(m);
    });
    QObject::connect(shown, &QCheckBox::toggled, horizontal, &ZelSpanRangeWidget::setSettingsVisible);
    QObject::connect(horizontal, &ZelSpanRangeWidget::settingsVisibleChanged, shown, &QCheckBox::setChecked);
    const auto applyRange = [horizontal, minimum, maximum, showState] {
        horizontal->setRange(minimum->value(), maximum->value());
        showState();
    };
    QObject::connect(minimum, &QSpinBox::valueChanged, horizontal, applyRange);
    QObject::connect(maximum, &QSpinBox::valueChanged, horizontal, applyRange);
    QObject::connect(spanButton, &QPushButton::clicked, horizontal, [horizontal] { horizontal->setSpan(25, 75); });

    auto *rangeRow = new QHBoxLayout;
    rangeRow->addWidget(new QLabel(QStringLiteral("Range:"), box));
    rangeRow->addWidget(minimum);
    rangeRow->addWidget(new QLabel(QStringLiteral("to"), box));
    rangeRow->addWidget(maximum);
    rangeRow->addStretch(1);
    rangeRow->addWidget(spanButton);
    auto *modeRow = new QHBoxLayout;
    modeRow->addWidget(new QLabel(QStringLiteral("Mode:"), box));
    modeRow->addWidget(mode, 1);
    modeRow->addWidget(shown);

    auto *left = new QVBoxLayout;
    left->addLayout(modeRow);
    left->addLayout(rangeRow);
    left->addSpacing(8);
    left->addWidget(horizontal);
    left->addWidget(readout);
    left->addWidget(hintLabel(
        QStringLiteral("Double-click a slider, or press F2 on it, to show or hide its spin boxes; while they are "
                       "hidden, rest the mouse on a handle to see its value. A lower value "
                       "typed above the upper one is taken back to it."),
        box));
    left->addStretch(1);
    auto *boxLayout = new QHBoxLayout(box);
    boxLayout->addLayout(left, 1);
    boxLayout->addWidget(vertical);

    auto *layout = new QHBoxLayout(demo);
    layout->addWidget(box, 3);
    layout->addWidget(logBox, 2);

    horizontal->setRange(0, 100);
    horizontal->setSpan(20, 60);
    vertical->setRange(0, 50);
    vertical->setSpan(10, 35);
    horizontal->setSettingsVisible(true);
    showState();
    return demo;
}

QWidget *createFramesDemo(QWidget *parent)
{
    auto *demo = new FramesDemo(parent);
    auto *grid = new QGridLayout(demo);
    grid->addWidget(createMoveableBox(demo), 0, 0);
    grid->addWidget(createToolFrameBox(demo), 0, 1);
    grid->addWidget(createThreadLabelBox(demo), 1, 0);
    grid->addWidget(createToolbarBox(demo), 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 3);
    grid->setRowStretch(1, 2);
    return demo;
}
