#pragma once

#include "GalleryPage.h"

#include <QPointer>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QTimer;
class ZelInfiniteProgressDialog;
class ZelLongExposureWidget;
class ZelMessenger;
class ZelStatusForm;

// Messages, notifications and progress: pop-ups sent from the GUI thread
// and from workers through one messenger, the settings that steer them, the
// confirmation boxes and input dialogs, the busy indicator, a status form
// fed by a timer, a long exposure counting down and a bindable action.
class MessagesPage : public GalleryPage
{
    Q_OBJECT
public:
    explicit MessagesPage(QWidget *parent = nullptr);
    ~MessagesPage() override;

    QString title() const override;
    QIcon icon() const override;
    QString description() const override;

private:
    QWidget *createPopUpBox();
    QWidget *createSettingsBox();
    QWidget *createDialogsBox();
    QWidget *createProgressBox();
    QWidget *createActionBox();

    void sendFromWorkers(int count);
    void showBusy(bool withButton);
    void feedStatus();
    void tickExposure();
    void loadSettings();
    void log(const QString &line);

    ZelMessenger *m_messenger = nullptr;
    QPlainTextEdit *m_log = nullptr;
    QSpinBox *m_lifeTime = nullptr;
    QSpinBox *m_offsetX = nullptr;
    QSpinBox *m_offsetY = nullptr;
    QDoubleSpinBox *m_transparency = nullptr;
    QCheckBox *m_stacked = nullptr;
    QLabel *m_keyState = nullptr;
    // Top-level, owned by the page; it may delete itself early (Cancel).
    QPointer<ZelInfiniteProgressDialog> m_busy;
    ZelStatusForm *m_statusForm = nullptr;
    ZelLongExposureWidget *m_exposure = nullptr;
    QTimer *m_statusTimer = nullptr;
    QTimer *m_exposureTimer = nullptr;
    int m_statusStep = 0;
    int m_exposureTotal = 0;
    int m_exposureLeft = 0;
};
