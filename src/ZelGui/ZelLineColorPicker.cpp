#include <ZelGui/ZelLineColorPicker.h>

#include <ZelGui/ZelColorRectItem.h>

#include <QHBoxLayout>

#include <iterator>

ZelLineColorPicker::ZelLineColorPicker(QWidget *parent)
    : QFrame(parent)
{
    static const char *const names[] = {"black",     "chartreuse", "coral",        "crimson",     "darkblue",
                                        "royalblue", "darkcyan",   "darkorange",   "darkred",     "darksalmon",
                                        "seagreen",  "seashell",   "mediumorchid", "springgreen", "gold"};
    colors.reserve(int(std::size(names)));
    for (const char *name : names)
        colors << QColor::fromString(QLatin1String(name));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->setSizeConstraint(QLayout::SetMaximumSize);
    for (const QColor &color : std::as_const(colors)) {
        auto *swatch = new ZelColorRectItem(color, this);
        swatch->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding);
        connect(swatch, &ZelColorRectItem::selected, this, &ZelLineColorPicker::onColorChanged);
        layout->addWidget(swatch);
    }
}

ZelLineColorPicker::~ZelLineColorPicker() = default;

QList<QColor> ZelLineColorPicker::supportedColors() const
{
    return colors;
}

void ZelLineColorPicker::onColorChanged(QColor color)
{
    Q_EMIT colorChanged(color);
}
