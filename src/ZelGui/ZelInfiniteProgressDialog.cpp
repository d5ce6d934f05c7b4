#include <ZelGui/ZelInfiniteProgressDialog.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int dialogWidth = 300;
constexpr int hintHeight = 100;
constexpr int buttonRowHeight = 20;
} // namespace

ZelInfiniteProgressDialog::ZelInfiniteProgressDialog(const QString &buttonText)
    : QFrame(nullptr)
    , m_textLabel(new QLabel(this))
    , m_operationLabel(new QLabel(this))
    , m_progressBar(new QProgressBar(this))
    , m_sizeHint(dialogWidth, hintHeight)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);

    m_textLabel->hide();
    m_operationLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::MinimumExpanding);
    m_progressBar->setRange(0, 0);
    m_progressBar->setTextVisible(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_operationLabel);
    layout->addWidget(m_progressBar);

    if (!buttonText.isEmpty()) {
        m_sizeHint.rheight() += buttonRowHeight;
        m_button = new QPushButton(buttonText, this);
        m_button->setEnabled(true);
        auto *row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(m_button);
        layout->addLayout(row);
        connect(m_button, &QPushButton::clicked, this, &ZelInfiniteProgressDialog::buttonClicked);
    }
    layout->setContentsMargins(10, 10, 10, 10);
    setFixedSize(dialogWidth, m_sizeHint.height() - buttonRowHeight);

    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    qApp->installEventFilter(this);
}

ZelInfiniteProgressDialog::~ZelInfiniteProgressDialog()
{
    qApp->removeEventFilter(this);
}

QString ZelInfiniteProgressDialog::text() const
{
    return m_textLabel->text();
}

void ZelInfiniteProgressDialog::setText(const QString &text)
{
    m_textLabel->setText(text);
}

QString ZelInfiniteProgressDialog::operationText() const
{
    return m_operationLabel->text();
}

void ZelInfiniteProgressDialog::setOperationText(const QString &text)
{
    m_operationLabel->setText(text);
}

bool ZelInfiniteProgressDialog::isProgressBarVisible() const
{
    return !m_progressBar->isHidden();
}

void ZelInfiniteProgressDialog::setProgressBarVisible(bool visible)
{
    m_progressBar->setVisible(visible);
}

QProgressBar *ZelInfiniteProgressDialog::progress() const
{
    return m_progressBar;
}

QString ZelInfiniteProgressDialog::buttonText() const
{
    return m_button ? m_button->text() : QString();
}

void ZelInfiniteProgressDialog::setButtonText(const QString &text)
{
    if (m_button)
        m_button->setText(text);
}

bool ZelInfiniteProgressDialog::isButtonVisible() const
{
    return m_button && !m_button->isHidden();
}

void ZelInfiniteProgressDialog::setButtonVisible(bool visible)
{
    if (m_button)
        m_button->setVisible(visible);
}

QSize ZelInfiniteProgressDialog::sizeHint() const
{
    return m_sizeHint;
}

bool ZelInfiniteProgressDialog::isBlocking() const
{
    // Only while the indicator is on screen with its button: one that was
    // built but not shown yet, or hidden for reuse, must not swallow the
    // application's input.
    return isVisible() && isButtonVisible();
}

bool ZelInfiniteProgressDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (!isBlocking())
        return QFrame::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        // Window objects pass: they forward the click to the widget under
        // the mouse, which is where it is judged.
        if (watched != m_button && !watched->inherits("QWidgetWindow"))
            return true;
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        event->accept();
        return true;
    default:
        break;
    }
    return QFrame::eventFilter(watched, event);
}
