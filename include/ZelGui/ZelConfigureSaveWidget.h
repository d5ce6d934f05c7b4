#pragma once

#include <ZelGui/zelgui_export.h>

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <memory>

class ZelConfigureSaveWidgetPrivate;

//! The save settings of captured images: image format, quality (for the
//! formats that take one), target directory and file-name prefix. The
//! getters give what the form shows at every moment. The directory changes
//! through setPath() or the directory dialog (the browse button or
//! runPathSet()), which starts in the directory remembered for context().
//!
//! The form owns its private object; its controls are its Qt children.
class ZELGUI_EXPORT ZelConfigureSaveWidget : public QWidget
{
    Q_OBJECT
    //! The quality the form shows (see quality()).
    Q_PROPERTY(int quality READ quality)
    //! The chosen format (see format()).
    Q_PROPERTY(QByteArray format READ format)
    //! The target directory (see path()).
    Q_PROPERTY(QString path READ path WRITE setPath)
    //! The file-name prefix (see prefix()).
    Q_PROPERTY(QString prefix READ prefix)

public:
    //! Creates the form showing the target directory \a path; \a parent owns it.
    ZelConfigureSaveWidget(QWidget *parent, const QString &path);
    //! Destroys the form and its private object.
    ~ZelConfigureSaveWidget() override;

    //! 0 to 100; kept while the chosen format takes none.
    Q_INVOKABLE int quality() const;
    //! The chosen format name ("png", "jpg").
    Q_INVOKABLE QByteArray format() const;
    //! The file-name prefix as typed.
    Q_INVOKABLE QString prefix() const;
    //! The target directory.
    Q_INVOKABLE QString path() const;
    //! Announces a new path through pathChanged; the same path is ignored.
    Q_INVOKABLE void setPath(QString path);
    //! Opens the directory dialog, as the browse button does.
    Q_INVOKABLE void runPathSet();

    //! The key under which the dialog's start directory is remembered; empty by default.
    QByteArray context() const;
    //! Sets the key for the remembered start directory.
    void setContext(const QByteArray &context);

Q_SIGNALS:
    //! runPathSet() asks for the directory dialog; the form opens it in answer.
    void invokePathSet();
    //! The target directory changed, through setPath() or the dialog.
    void pathChanged(QString path);

protected:
    //! Sets the widget's own texts again when the application's language changes.
    void changeEvent(QEvent *event) override;

private:
    void chooseDirectory();

    std::unique_ptr<ZelConfigureSaveWidgetPrivate> const d;
};
