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
    Q_PROPERTY(QString filePath READ filePath WRITE setFilePath NOTIFY filePathChanged)

public:
    explicit ZelChooseFileWidget(QWidget *parent = nullptr);
    ~ZelChooseFileWidget() override;

    QString filePath() const;
    //! Takes path cleaned (QDir::cleanPath); a new path is announced, then
    //! shown.
    void setFilePath(const QString &path);

    //! Format names ("png", "tif") the dialog offers.
    QList<QByteArray> filters() const;
    void setFilters(const QList<QByteArray> &filters);

    QByteArray context() const;
    void setContext(const QByteArray &context);

Q_SIGNALS:
    void filePathChanged(QString path);

protected Q_SLOTS:
    void chooseFile();

private:
    std::unique_ptr<Ui_ZelChooseFileWidget> const ui;
    QList<QByteArray> m_filters;
    QString m_filePath;
    QByteArray m_context;
};
