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
    //! Creates a messenger with a default-constructed filter; \a parent owns it.
    explicit ZelMessenger(QObject *parent = nullptr);
    //! Destroys the messenger; pop-ups it queued and not yet shown are dropped.
    ~ZelMessenger() override;

    //! Asks \a text with OK and Cancel under the title "Confirm"; true for OK.
    static bool okCancel(const QString &text, QMessageBox::Icon icon = QMessageBox::Question);
    //! Asks \a text with "Continue" and Cancel under the title "Confirm"; true for Continue.
    static bool continueCancel(const QString &text, QMessageBox::Icon icon = QMessageBox::Question);
    //! The first string is the body text, the second the window title.
    static bool yesNo(const QString &text, const QString &title);
    //! Asks \a text with Yes, No and Cancel under \a title; the QMessageBox::StandardButton pressed.
    static int yesNoCancel(const QString &text, const QString &title);
    //! Asks \a text with Save, Discard and Cancel under the title "Save"; the QMessageBox::StandardButton pressed.
    static int saveDiscardCancel(const QString &text);
    //! Shows \a text with an OK button.
    static void ok(const QString &text, QMessageBox::Icon icon = QMessageBox::Information);

    //! Asks for one file to read among \a formats, starting in \a startDir or the directory remembered under \a settingsKey; empty when cancelled.
    static QString getOpenFileName(const QString &caption, const QList<QByteArray> &formats,
                                   const QByteArray &settingsKey, const QString &startDir = QString());
    //! Asks for files to read among \a formats, as getOpenFileName(); empty when cancelled.
    static QStringList getOpenFileNames(const QString &caption, const QList<QByteArray> &formats,
                                        const QByteArray &settingsKey, const QString &startDir = QString());
    //! Asks for a file to write in one of \a formats (its extension added when missing), as getOpenFileName(); empty when cancelled.
    static QString getSaveFileName(const QString &caption, const QList<QByteArray> &formats,
                                   const QByteArray &settingsKey, const QString &startDir = QString());
    //! Asks for a directory, starting in the one remembered under \a settingsKey; empty when cancelled.
    static QString getExistingDirectory(const QString &caption, const QByteArray &settingsKey,
                                        const QFileDialog::Option &option = QFileDialog::ShowDirsOnly);
    //! Asks for a directory, starting in \a startDir (empty: the remembered one); empty when cancelled.
    static QString getExistingDirectory(const QString &caption, const QString &startDir, const QByteArray &settingsKey,
                                        const QFileDialog::Option &option = QFileDialog::ShowDirsOnly);

Q_SIGNALS:
    //! A message passed the filter; the messenger shows it from its event loop (queued).
    void needShowMessage(ZelMessage message, QString setting);

public Q_SLOTS:
    //! Replaces the filter every message runs through.
    void setFilter(ZelMessageFilter filter);
    //! A copy of the current filter.
    ZelMessageFilter filter() const;
    //! Runs \a message through the filter and, when accepted, emits needShowMessage().
    void processMessage(ZelMessage message, QString setting = QString());
    //! Logs \a message as a notice and processes it.
    void information(QString message);
    //! Logs \a message as a warning and processes it.
    void alert(QString message);
    //! Logs \a message as an error and processes it.
    void error(QString message);
    //! Shows \a message in a modal "About" box.
    void about(QString message);
    //! Asks for an integer in \a min to \a max, starting at 0; a cancelled dialog gives 0 too.
    int inputInt(QString label, int min, int max);
    //! Asks for a text, starting with \a text; empty when cancelled.
    QString inputText(QString label, QString text = QString());
    //! Shows \a message as a ZelTrayMessage over the active modal window, unless \a setting says not to.
    void showMessage(ZelMessage message, QString setting);

private:
    QSharedPointer<ZelMessageFilter> m_filter;
};
