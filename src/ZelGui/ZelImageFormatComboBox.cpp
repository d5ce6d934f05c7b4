#include <ZelGui/ZelImageFormatComboBox.h>

#include <ZelCore/FSUtils.h>

#include <QEvent>

ZelImageFormatComboBox::ZelImageFormatComboBox(QWidget *parent)
    : ZelComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, &ZelImageFormatComboBox::currentIndexChange);
}

ZelImageFormatComboBox::~ZelImageFormatComboBox() = default;

void ZelImageFormatComboBox::setSupportedWriteFormats()
{
    setSupportedFormats(FSUtils::supportedWriteImageFormats());
}

void ZelImageFormatComboBox::setSupportedReadFormats()
{
    setSupportedFormats(FSUtils::supportedReadImageFormats());
}

void ZelImageFormatComboBox::setSupportedExportFormats()
{
    setSupportedFormats(FSUtils::imageFormatsForExport());
}

void ZelImageFormatComboBox::setSupportedFormats(const QList<QByteArray> &formats)
{
    clear();
    addFormats(formats);
}

void ZelImageFormatComboBox::addFormats(const QList<QByteArray> &formats)
{
    for (const QByteArray &format : formats)
        addFormat(format);
}

void ZelImageFormatComboBox::addFormat(const QByteArray &format)
{
    if (index(format) == -1)
        addItem(FSUtils::formatCaption(format), format);
}

int ZelImageFormatComboBox::index(const QByteArray &format) const
{
    const int n = count();
    for (int i = 0; i < n; ++i) {
        const QVariant data = itemData(i, Qt::UserRole);
        if (data.typeId() == QMetaType::QByteArray && data.toByteArray() == format)
            return i;
    }
    return -1;
}

QByteArray ZelImageFormatComboBox::currentFormat() const
{
    return currentData(Qt::UserRole).toByteArray();
}

void ZelImageFormatComboBox::currentIndexChange(int index)
{
    const QByteArray format = itemData(index, Qt::UserRole).toByteArray();
    if (!format.isEmpty())
        Q_EMIT currentFormatChanged(format);
}

void ZelImageFormatComboBox::changeEvent(QEvent *event)
{
    ZelComboBox::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    // Captions anew from the format kept under Qt::UserRole; items the host
    // added by hand, without a format, keep their text.
    for (int i = 0; i < count(); ++i) {
        const QVariant data = itemData(i, Qt::UserRole);
        if (data.typeId() == QMetaType::QByteArray && !data.toByteArray().isEmpty())
            setItemText(i, FSUtils::formatCaption(data.toByteArray()));
    }
}
