#include "OrientingPanel.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDial>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>

OrientingPanel::OrientingPanel(const QString &name, QWidget *parent)
    : QWidget(parent)
    , m_name(name)
    , m_form(QStringLiteral("not told yet"))
    , m_controls(new QBoxLayout(QBoxLayout::TopToBottom))
    , m_caption(new QLabel(this))
{
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setWordWrap(true);

    auto *level = new QSlider(Qt::Vertical, this);
    level->setRange(0, 100);
    level->setValue(40);
    level->setAccessibleName(QStringLiteral("%1 level").arg(name));
    auto *dial = new QDial(this);
    dial->setFixedSize(56, 56);
    dial->setAccessibleName(QStringLiteral("%1 angle").arg(name));
    auto *count = new QSpinBox(this);
    count->setRange(0, 99);
    count->setValue(3);
    count->setAccessibleName(QStringLiteral("%1 count").arg(name));
    auto *enabled = new QCheckBox(QStringLiteral("On"), this);
    enabled->setChecked(true);

    m_controls->addWidget(level, 0, Qt::AlignCenter);
    m_controls->addWidget(dial, 0, Qt::AlignCenter);
    m_controls->addWidget(count, 0, Qt::AlignCenter);
    m_controls->addWidget(enabled, 0, Qt::AlignCenter);
    m_controls->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_caption);
    layout->addLayout(m_controls, 1);
    m_caption->setText(QStringLiteral("%1: %2").arg(m_name, m_form));
}

ZelStatus OrientingPanel::orientPortrait()
{
    return orient(true);
}

ZelStatus OrientingPanel::orientLandscape()
{
    return orient(false);
}

ZelStatus OrientingPanel::orient(bool portrait)
{
    ++m_calls;
    m_form = portrait ? QStringLiteral("portrait") : QStringLiteral("landscape");
    m_controls->setDirection(portrait ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    // The slider follows the long side.
    if (auto *slider = findChild<QSlider *>())
        slider->setOrientation(portrait ? Qt::Vertical : Qt::Horizontal);
    m_caption->setText(QStringLiteral("%1: %2 (%3 calls)").arg(m_name, m_form).arg(m_calls));
    if (m_report)
        m_report(QStringLiteral("%1: %2()")
                     .arg(m_name, portrait ? QStringLiteral("orientPortrait") : QStringLiteral("orientLandscape")));
    return ZelStatus::Ok;
}
