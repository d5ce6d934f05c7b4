#pragma once

#include <ZelGui/ZelComboBox.h>

#include <QByteArray>
#include <QList>

//! Chooses an image file format. Each item shows the format's caption
//! ("PNG image (*.png)") and keeps the format name ("png") under
//! Qt::UserRole; a format is listed once however often it is added.
//! currentFormatChanged() follows every change of the current item that
//! has a format, also changes made from code; emptying the box says nothing.
class ZELGUI_EXPORT ZelImageFormatComboBox : public ZelComboBox
{
    Q_OBJECT
public:
    //! Creates an empty box; \a parent owns it.
    explicit ZelImageFormatComboBox(QWidget *parent = nullptr);
    //! Destroys the box.
    ~ZelImageFormatComboBox() override;

    //! Replace the list with the formats the application can write, read or
    //! export, in the order the core library gives them.
    void setSupportedWriteFormats();
    //! Replaces the list with the formats the application can read.
    void setSupportedReadFormats();
    //! Replaces the list with the formats the application can export.
    void setSupportedExportFormats();

    //! Replace the list with, or append, the given formats in order.
    void setSupportedFormats(const QList<QByteArray> &formats);
    //! Appends the given formats in order, skipping listed ones.
    void addFormats(const QList<QByteArray> &formats);
    //! Appends the format unless it is listed already.
    void addFormat(const QByteArray &format);

    //! The first item holding the format (compared exactly), or -1.
    int index(const QByteArray &format) const;
    //! The current item's format; empty when there is none.
    QByteArray currentFormat() const;

Q_SIGNALS:
    //! The current item changed to one with \a format.
    void currentFormatChanged(QByteArray format);

protected:
    //! Sets the widget's own texts again when the application's language changes.
    void changeEvent(QEvent *event) override;

private Q_SLOTS:
    void currentIndexChange(int index);
};
