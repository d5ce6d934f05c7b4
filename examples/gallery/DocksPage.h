#pragma once

#include "GalleryPage.h"
#include "SignalLog.h"

#include <QList>

class QListWidget;
class QMainWindow;
class ZelDockWidgetLPOriented;
class OrientingPanel;

// The dock widgets at work in a main window of their own: four panels whose
// contents lay themselves out tall at the sides and when floating, and wide
// at the top and bottom. Panels dropped into an occupied area tab
// themselves onto the panel there. Every dock signal and orientation call
// goes to the log; a button per panel brings it back with
// GuiUtils::makeVisible after it was closed.
class DocksPage : public GalleryPage
{
    Q_OBJECT
public:
    explicit DocksPage(QWidget *parent = nullptr);
    ~DocksPage() override;

    QString title() const override;
    QIcon icon() const override;
    QString description() const override;

    QMainWindow *mainWindow() const { return m_main; }
    QList<ZelDockWidgetLPOriented *> docks() const { return m_docks; }
    QList<OrientingPanel *> panels() const { return m_panels; }
    QListWidget *log() const { return m_log; }

private:
    ZelDockWidgetLPOriented *addPanel(const QString &name, Qt::DockWidgetArea area);
    void placeDocks();
    void log(const QString &line);

    QMainWindow *m_main = nullptr;
    SignalLog *m_log = nullptr;
    QList<ZelDockWidgetLPOriented *> m_docks;
    QList<OrientingPanel *> m_panels;
};
