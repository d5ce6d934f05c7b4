#pragma once

#include <ZelGui/zelgui_export.h>

#include <ZelLog/ZelMessage.h>
#include <ZelLog/ZelMessageFilter.h>

#include <QByteArray>
#include <QFileDialog>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QSharedPointer>
#include <QString>
#include <QStringList>

//! The application's entry point for user-facing messages. Plain texts are
//! logged through the logging library (module "ZelGui"); every message runs
//! through a replaceable filter, and each accepted one is shown as a
//! ZelTrayMessage created by the event loop of the messenger's thread, so
//! messages may come from any thread.
//!
//! The setting argument names a boolean configuration key that says whether
//! messages of this kind are still to be shown; the pop-up offers a "Don't
//! show again" box writing to it. An empty setting means always show.
//!
//! The static functions open modal boxes and dialogs with no parent and the
//! library's own wording; they, about(), inputInt() and inputText() must be
//! called on the GUI thread. setFilter() must not run while processMessage()
//! runs on another thread.
class ZELGUI_EXPORT ZelMessenger : public QObject
{
    Q_OBJECT
public:
    explicit ZelMessenger(QObject *parent = nullptr);
    ~ZelMessenger() override;

    static bool okCancel(const QString &text, QMessageBox::Icon icon = QMessageBox::Question);
    static bool continueCancel(const QString &text, QMessageBox::Icon icon = QMessageBox::Question);
    //! The first string is the body text, the second the window title.
    static bool yesNo(const QString &text, const QString &title);
    static int yesNoCancel(const QString &text, const QString &title);
    static int saveDiscardCancel(const QString &text);
    static void ok(const QString &text, QMessageBox::Icon icon = QMessageBox::Information);

    static QString getOpenFileName(const QString &caption, const QList<QByteArray> &formats,
                                   const QByteArray &settingsKey, const QString &startDir = QString());
    static QStringList getOpenFileNames(const QString &caption, const QList<QByteArray> &formats,
                                        const QByteArray &settingsKey, const QString &startDir = QString());
    static QString getSaveFileName(const QString &caption, const QList<QByteArray> &formats,
                                   const QByteArray &settingsKey, const QString &startDir = QString());
    static QString getExistingDirectory(const QString &caption, const QByteArray &settingsKey,
                                        const QFileDialog::Option &option = QFileDialog::ShowDirsOnly);
    static QString getExistingDirectory(const QString &caption, const QString &startDir,
                                        const QByteArray &settingsKey,
                                        const QFileDialog::Option &option = QFileDialog::ShowDirsOnly);

Q_SIGNALS:
    void needShowMessage(ZelMessage message, QString setting);

public Q_SLOTS:
    void setFilter(ZelMessageFilter filter);
    ZelMessageFilter filter() const;
    void processMessage(ZelMessage message, QString setting = QString());
    void information(QString message);
    void alert(QString message);
    void error(QString message);
    void about(QString message);
    int inputInt(QString label, int min, int max);
    QString inputText(QString label, QString text = QString());
    void showMessage(ZelMessage message, QString setting);

private:
    QSharedPointer<ZelMessageFilter> m_filter;
};
