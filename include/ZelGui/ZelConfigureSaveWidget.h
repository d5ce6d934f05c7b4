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
    Q_PROPERTY(int quality READ quality)
    Q_PROPERTY(QByteArray format READ format)
    Q_PROPERTY(QString path READ path WRITE setPath)
    Q_PROPERTY(QString prefix READ prefix)

public:
    ZelConfigureSaveWidget(QWidget *parent, const QString &path);
    ~ZelConfigureSaveWidget() override;

    //! 0 to 100; kept while the chosen format takes none.
    Q_INVOKABLE int quality() const;
    //! The chosen format name ("png", "jpg").
    Q_INVOKABLE QByteArray format() const;
    Q_INVOKABLE QString prefix() const;
    Q_INVOKABLE QString path() const;
    //! Announces a new path through pathChanged; the same path is ignored.
    Q_INVOKABLE void setPath(QString path);
    //! Opens the directory dialog, as the browse button does.
    Q_INVOKABLE void runPathSet();

    QByteArray context() const;
    void setContext(const QByteArray &context);

Q_SIGNALS:
    void invokePathSet();
    void pathChanged(QString path);

private:
    void chooseDirectory();

    std::unique_ptr<ZelConfigureSaveWidgetPrivate> const d;
};
