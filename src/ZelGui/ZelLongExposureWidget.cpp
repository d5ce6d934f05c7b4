#include <ZelGui/ZelLongExposureWidget.h>

#include <ZelGui/ZelDoubleRangeWidget.h>

#include <QCoreApplication>
#include <QVBoxLayout>

#include <limits>

namespace {
// Below this total (seconds) only the total is shown: the count of a short
// exposure would flicker past unread.
constexpr double shortExposure = 1.2;
} // namespace

ZelLongExposureProgressBar::ZelLongExposureProgressBar(QWidget *parent)
    : QProgressBar(parent)
{
}

ZelLongExposureProgressBar::~ZelLongExposureProgressBar() = default;

QString ZelLongExposureProgressBar::text() const
{
    const double elapsed = value() / 1000.0;
    const double total = maximum() / 1000.0;
    if (elapsed < 0)
        return QString();
    const QString pattern = QCoreApplication::translate("QProgressBar", "%1 sec");
    const QString totalText = QString::number(total, 'f', 3);
    if (total >= shortExposure)
        return pattern.arg(QStringLiteral("%1/%2")).arg(QString::number(elapsed, 'f', 3), totalText);
    return pattern.arg(totalText);
}

ZelLongExposureWidget::ZelLongExposureWidget(QWidget *parent)
    : QGroupBox(parent)
    , m_exposure(new ZelDoubleRangeWidget(this))
    , m_progressBar(new ZelLongExposureProgressBar(this))
{
    setCheckable(true);
    setChecked(false);
    m_exposure->setDecimals(3);
    m_progressBar->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_exposure);
    layout->addWidget(m_progressBar);

    connect(m_exposure, &ZelDoubleRangeWidget::valueChanged, this, &ZelLongExposureWidget::setZelLongExposureTime);
    connect(this, &QGroupBox::clicked, this, &ZelLongExposureWidget::setZelLongExposureStatus);
}

ZelLongExposureWidget::~ZelLongExposureWidget() = default;

void ZelLongExposureWidget::setRange(double min, double max)
{
    m_exposure->setRange(min, max);
}

void ZelLongExposureWidget::setSingleStep(double step)
{
    m_exposure->setSingleStep(step);
}

ZelDoubleRangeWidget *ZelLongExposureWidget::exposureEditor() const
{
    return m_exposure;
}

ZelLongExposureProgressBar *ZelLongExposureWidget::progressBar() const
{
    return m_progressBar;
}

void ZelLongExposureWidget::setValue(QVariant exposure)
{
    bool isNumber = false;
    const double seconds = exposure.toDouble(&isNumber);
    if (isNumber)
        m_exposure->setValue(seconds);
}

void ZelLongExposureWidget::update(bool status, int totalTime, int leftTime)
{
    if (status && m_progressBar->maximum() != totalTime) {
        m_progressBar->setRange(0, totalTime);
        m_progressBar->repaint();
    }
    // Saturated: the difference of two ints can leave int (a negative time left, say).
    const qint64 elapsed = qint64(totalTime) - leftTime;
    constexpr qint64 lowest = std::numeric_limits<int>::min(), highest = std::numeric_limits<int>::max();
    m_progressBar->setValue(int(qBound(lowest, elapsed, highest)));
}

void ZelLongExposureWidget::setZelLongExposureTime(double time)
{
    Q_EMIT valueChanged(time);
}

void ZelLongExposureWidget::setZelLongExposureStatus(bool enabled)
{
    Q_EMIT statusChanged(enabled);
}
