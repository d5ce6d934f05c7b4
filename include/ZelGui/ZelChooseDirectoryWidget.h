#pragma once

#include <ZelGui/zelgui_export.h>

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <memory>

class Ui_ZelChooseDirectoryWidget;

//! A directory field with a browse button. The field shows the directory and
//! is not edited by hand: the directory changes through the button's
//! directory dialog or setCurrentDir(). The dialog starts in the directory
//! remembered for context(), which browsing sets to the shown one first.
//!
//! The widget owns its form; the constructor shows it.
class ZELGUI_EXPORT ZelChooseDirectoryWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString currentDir READ currentDir WRITE setCurrentDir NOTIFY currentDirChanged)

public:
    explicit ZelChooseDirectoryWidget(QWidget *parent = nullptr);
    ~ZelChooseDirectoryWidget() override;

    QString currentDir() const;
    //! Shows dir cleaned (QDir::cleanPath); announces it when it differs from
    //! the shown one.
    void setCurrentDir(QString dir);

    QByteArray context() const;
    void setContext(const QByteArray &context);

    void init();

Q_SIGNALS:
    void currentDirChanged(QString dir);
    //! After the browse button's dialog has closed.
    void browseClicked(bool clicked = true);

private Q_SLOTS:
    void changeDir();

private:
    std::unique_ptr<Ui_ZelChooseDirectoryWidget> const ui;
    QByteArray m_context;
};
