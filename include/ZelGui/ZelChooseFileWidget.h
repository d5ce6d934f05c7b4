#pragma once

#include <ZelGui/zelgui_export.h>

#include <QByteArray>
#include <QList>
#include <QString>
#include <QWidget>

#include <memory>

class Ui_ZelChooseFileWidget;

//! A file field with a browse button. The field shows the file and is not
//! edited by hand: the file changes through the button's open dialog, which
//! offers filters() and starts in the directory remembered for context(), or
//! through setFilePath().
//!
//! The widget owns its form.
class ZELGUI_EXPORT ZelChooseFileWidget : public QWidget
{
    Q_OBJECT
    //! The file shown in the field; empty at first.
    Q_PROPERTY(QString filePath READ filePath WRITE setFilePath NOTIFY filePathChanged)

public:
    //! Creates the widget with an empty field and no filters; \a parent owns it.
    explicit ZelChooseFileWidget(QWidget *parent = nullptr);
    //! Destroys the widget and its form.
    ~ZelChooseFileWidget() override;

    //! The file the field shows.
    QString filePath() const;
    //! Takes path cleaned (QDir::cleanPath); a new path is announced, then
    //! shown.
    void setFilePath(const QString &path);

    //! Format names ("png", "tif") the dialog offers.
    QList<QByteArray> filters() const;
    //! Sets the format names the dialog offers (empty: every file).
    void setFilters(const QList<QByteArray> &filters);

    //! The key under which the dialog's start directory is remembered; empty by default.
    QByteArray context() const;
    //! Sets the key for the remembered start directory.
    void setContext(const QByteArray &context);

Q_SIGNALS:
    //! A new file was chosen or set.
    void filePathChanged(QString path);

protected Q_SLOTS:
    //! Opens the file dialog (the browse button's action); a chosen file goes through setFilePath(), a cancelled dialog changes nothing.
    void chooseFile();

protected:
    //! Sets the widget's own texts again when the application's language changes.
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui_ZelChooseFileWidget> const ui;
    QList<QByteArray> m_filters;
    QString m_filePath;
    QByteArray m_context;
};
