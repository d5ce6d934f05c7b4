#pragma once

#include "GalleryPage.h"

#include <QImage>
#include <QRect>

class QLabel;
class QPlainTextEdit;
class QTabWidget;
class ZelChooseDirectoryWidget;
class ZelChooseFileWidget;
class ZelConfigureRectWidget;
class ZelConfigureSaveWidget;
class ZelIconedButtonWithLabel;
class ZelScanAreaWidget;

// A picture with two rectangles over it, each as edited (dashed) and as
// last applied (solid), in the picture's own coordinates.
class RectanglePreview : public QWidget
{
    Q_OBJECT
public:
    explicit RectanglePreview(const QImage &picture, QWidget *parent = nullptr);

    enum Shape { Rectangle, ScanArea };
    void setEdited(Shape shape, const QRect &rect);
    void setApplied(Shape shape, const QRect &rect);
    void setGrid(bool on);
    QRect edited(Shape shape) const { return m_edited[shape]; }
    QRect applied(Shape shape) const { return m_applied[shape]; }

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    QRect m_edited[2];
    QRect m_applied[2];
    bool m_grid = false;
};

// Forms and dialogs at work: the save configuration driving a capture that
// writes real files, the directory and file choosers, the rectangle and
// scan-area editors over a picture, the dialog frames, the about box and
// the button with a label. Everything they emit goes to the log.
class FormsPage : public GalleryPage
{
    Q_OBJECT
public:
    explicit FormsPage(QWidget *parent = nullptr);

    QString title() const override;
    QIcon icon() const override;
    QString description() const override;

    // Writes one generated frame as the save form says; the file written,
    // or empty after an error (which the page shows and logs).
    QString capture();

    ZelConfigureSaveWidget *saveForm() const { return m_save; }
    ZelIconedButtonWithLabel *captureButton() const { return m_captureButton; }
    QLabel *captureResult() const { return m_captureResult; }
    QLabel *capturePreview() const { return m_capturePreview; }
    ZelConfigureRectWidget *rectEditor() const { return m_rect; }
    ZelScanAreaWidget *scanAreaEditor() const { return m_scan; }
    RectanglePreview *preview() const { return m_preview; }
    QPlainTextEdit *log() const { return m_log; }
    QTabWidget *tabs() const { return m_tabs; }

private:
    QWidget *createSaveTab();
    QWidget *createRectanglesTab();
    QWidget *createDialogsTab();
    void captureFailed(const QString &why);
    void openDialog();
    void openDialogWidget();
    void openAbout();
    void write(const QString &line);

    QTabWidget *m_tabs = nullptr;
    QPlainTextEdit *m_log = nullptr;
    ZelConfigureSaveWidget *m_save = nullptr;
    ZelIconedButtonWithLabel *m_captureButton = nullptr;
    QLabel *m_captureResult = nullptr;
    QLabel *m_capturePreview = nullptr;
    ZelChooseDirectoryWidget *m_directory = nullptr;
    ZelChooseFileWidget *m_file = nullptr;
    ZelConfigureRectWidget *m_rect = nullptr;
    ZelScanAreaWidget *m_scan = nullptr;
    RectanglePreview *m_preview = nullptr;
    QLabel *m_dialogResult = nullptr;
    QString m_observer = QStringLiteral("Orion team");
    QString m_captureCaption;
    int m_frame = 0;
};
