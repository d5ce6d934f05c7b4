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
    //! The directory shown in the field; empty at first.
    Q_PROPERTY(QString currentDir READ currentDir WRITE setCurrentDir NOTIFY currentDirChanged)

public:
    //! Creates the widget with an empty field and shows it; \a parent owns it.
    explicit ZelChooseDirectoryWidget(QWidget *parent = nullptr);
    //! Destroys the widget and its form.
    ~ZelChooseDirectoryWidget() override;

    //! The directory the field shows.
    QString currentDir() const;
    //! Shows dir cleaned (QDir::cleanPath); announces it when it differs from
    //! the shown one.
    void setCurrentDir(QString dir);

    //! The key under which the dialog's start directory is remembered; empty (nothing remembered) by default.
    QByteArray context() const;
    //! Sets the key for the remembered start directory.
    void setContext(const QByteArray &context);

    //! Connects the browse button and gives the field a directory completer; the constructor calls it, so hosts need not.
    void init();

Q_SIGNALS:
    //! The shown directory changed, through the dialog or setCurrentDir().
    void currentDirChanged(QString dir);
    //! After the browse button's dialog has closed.
    void browseClicked(bool clicked = true);

private Q_SLOTS:
    void changeDir();

protected:
    //! Sets the widget's own texts again when the application's language changes.
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui_ZelChooseDirectoryWidget> const ui;
    QByteArray m_context;
};
