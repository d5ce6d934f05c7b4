#include <ZelGui/ZelColorComboBox.h>

#include "GuiUtils_p.h"

#include <ZelGui/GuiUtils.h>

#include <ZelCore/ZelCore.h>

#include <QColorDialog>
#include <QEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace {

const QSize swatchSize(12, 12);

// A user colour's number, kept to name it again in another language.
constexpr int userColorNumberRole = Qt::UserRole + 1;
// The Qt::GlobalColor of an item named from the library's colour table.
constexpr int standardColorRole = Qt::UserRole + 2;

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
    for (auto it = colors.cbegin(); it != colors.cend(); ++it) {
        const int at = count() - (colorDialogEnabled ? 1 : 0);
        const int before = count();
        insertColor(at, GuiUtils::colorOfGlobal(it.key()), it.value());
        // A name from the library's table (English or translated) switches
        // with the language; a name of the host's own stays.
        const QString *source = GuiUtils::standardColorName(it.key());
        if (count() > before && source && (it.value() == *source || it.value() == ZelCore::translateString(*source)))
            setItemData(at, int(it.key()), standardColorRole);
    }
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
    const int at = colorCount();
    const int before = count();
    insertColor(at, color, tr("User color %1").arg(userColorCount));
    // A box at its maxCount may not have taken it.
    if (count() > before)
        setItemData(at, userColorCount, userColorNumberRole);
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
            insertUserColor(picked);
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

void ZelColorComboBox::changeEvent(QEvent *event)
{
    QComboBox::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    // Names of the host's own stay; the library's switch.
    for (int i = 0; i < colorCount(); ++i) {
        const QVariant number = itemData(i, userColorNumberRole);
        const QVariant standard = itemData(i, standardColorRole);
        if (number.isValid()) {
            setItemText(i, tr("User color %1").arg(number.toInt()));
        } else if (standard.isValid()) {
            if (const QString *source = GuiUtils::standardColorName(Qt::GlobalColor(standard.toInt())))
                setItemText(i, ZelCore::translateString(*source));
        }
    }
    if (colorDialogEnabled)
        setItemText(count() - 1, tr("More..."));
}
