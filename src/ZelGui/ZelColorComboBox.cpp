#include <ZelGui/ZelColorComboBox.h>

#include "GuiUtils_p.h"

#include <ZelGui/GuiUtils.h>

#include <QColorDialog>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace {

const QSize swatchSize(12, 12);

} // namespace

ZelColorComboBox::ZelColorComboBox(QWidget *parent, const char *name)
    : QComboBox(parent)
{
    Q_UNUSED(name)
    connect(this, qOverload<int>(&QComboBox::activated), this, &ZelColorComboBox::Q_EMITActivatedColor);
    connect(this, qOverload<int>(&QComboBox::highlighted), this, &ZelColorComboBox::Q_EMITHighlightedColor);
}

ZelColorComboBox::~ZelColorComboBox() = default;

bool ZelColorComboBox::isMoreEntry(int index) const
{
    return colorDialogEnabled && index == count() - 1;
}

void ZelColorComboBox::setColorDialogEnabled(bool enabled)
{
    if (enabled == colorDialogEnabled)
        return;
    if (enabled) {
        const int before = count();
        addItem(QIcon(), tr("More..."));
        // A box at its maxCount takes no entry; it then stays without one.
        colorDialogEnabled = count() > before;
    } else {
        removeItem(count() - 1);
        colorDialogEnabled = false;
    }
}

bool ZelColorComboBox::isColorDialogEnabled() const
{
    return colorDialogEnabled;
}

int ZelColorComboBox::colorCount() const
{
    return colorDialogEnabled ? count() - 1 : count();
}

void ZelColorComboBox::insertColor(int index, const QColor &color, const QString &name)
{
    const QIcon icon = GuiUtils::getIconForColor(color, swatchSize);
    if (colorDialogEnabled && index > count() - 1)
        index = count() - 2;
    insertItem(index, icon, name, QVariant::fromValue(color));
}

void ZelColorComboBox::setColors(const QMap<Qt::GlobalColor, QString> &colors)
{
    for (auto it = colors.cbegin(); it != colors.cend(); ++it)
        insertColor(count() - (colorDialogEnabled ? 1 : 0), GuiUtils::colorOfGlobal(it.key()), it.value());
}

QColor ZelColorComboBox::color(int index) const
{
    if (isMoreEntry(index))
        return QColor();
    return itemData(index, Qt::UserRole).value<QColor>();
}

QColor ZelColorComboBox::currentColor() const
{
    return color(currentIndex());
}

void ZelColorComboBox::insertUserColor(const QColor &color)
{
    ++userColorCount;
    insertColor(count() - (colorDialogEnabled ? 1 : 0), color, tr("User color %1").arg(userColorCount));
}

void ZelColorComboBox::setCurrentColor(const QColor &color)
{
    // Twice at most: a box at its maxCount cannot take the new colour, and
    // searching on would never end.
    for (int attempt = 0; attempt < 2; ++attempt) {
        for (int i = 0; i < colorCount(); ++i) {
            if (this->color(i) == color) {
                Q_EMITActivatedColor(i);
                setCurrentIndex(i);
                return;
            }
        }
        if (attempt == 0)
            insertUserColor(color);
    }
}

void ZelColorComboBox::Q_EMITActivatedColor(int index)
{
    QColor chosen;
    if (isMoreEntry(index)) {
        const QColor picked = QColorDialog::getColor(Qt::white, nullptr, QString(), {});
        if (!picked.isValid()) {
            setCurrentColor(lastActivatedColor);
            chosen = lastActivatedColor;
        } else {
            ++userColorCount;
            insertColor(count() - 1, picked, tr("User color %1").arg(userColorCount));
            setCurrentIndex(index);
            chosen = picked;
        }
    } else {
        chosen = itemData(index, Qt::UserRole).value<QColor>();
    }
    update();
    lastActivatedColor = chosen;
    Q_EMIT activated(chosen);
}

void ZelColorComboBox::Q_EMITHighlightedColor(int index)
{
    if (isMoreEntry(index))
        return;
    Q_EMIT highlighted(color(index));
}

QSize ZelColorComboBox::sizeHint() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QFontMetrics metrics = fontMetrics();
    const QSize contents(metrics.horizontalAdvance(tr("User Color 99")) + 20, metrics.height() + 4);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, this);
}
