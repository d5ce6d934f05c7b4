#include <ZelGui/ZelMessenger.h>

#include <ZelGui/ZelTrayMessage.h>

#include <ZelCore/ZelFileDialog.h>
#include <ZelLog/ZelLog.h>
#include <ZelLog/ZelMessageStream.h>
#include <ZelLog/ZelStatus.h>

#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QPushButton>

namespace {

constexpr char logModule[] = "ZelGui";
constexpr Issue::ID messengerIssue = Issue::ApplicationMessage;
constexpr Qt::WindowFlags boxFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint;

// The stream is issued to the log when its last copy goes; the status keeps
// the message it collected.
ZelMessage messageOf(ZelMessageStream stream, const QString &text)
{
    stream << text;
    const ZelStatus status(stream);
    return status.message();
}

int execBox(QMessageBox::Icon icon, const QString &title, const QString &text, QMessageBox::StandardButtons buttons,
            const std::initializer_list<std::pair<QMessageBox::StandardButton, QString>> &relabel = {})
{
    QMessageBox box(icon, title, text, buttons, nullptr, boxFlags);
    for (const auto &[button, label] : relabel)
        box.button(button)->setText(label);
    return box.exec();
}

} // namespace

ZelMessenger::ZelMessenger(QObject *parent)
    : QObject(parent)
    , m_filter(new ZelMessageFilter)
{
    static const bool typesRegistered = [] {
        qRegisterMetaType<ZelMessage>("ZelMessage");
        qRegisterMetaType<ZelMessageFilter>("ZelMessageFilter");
        return true;
    }();
    Q_UNUSED(typesRegistered)
    // Queued even on the GUI thread: a pop-up is never created inside
    // processMessage(), only by the event loop of the messenger's thread.
    connect(this, &ZelMessenger::needShowMessage, this, &ZelMessenger::showMessage, Qt::QueuedConnection);
}

ZelMessenger::~ZelMessenger()
{
    disconnect(this, nullptr, this, nullptr);
}

void ZelMessenger::setFilter(ZelMessageFilter filter)
{
    *m_filter = filter;
}

ZelMessageFilter ZelMessenger::filter() const
{
    return *m_filter;
}

void ZelMessenger::processMessage(ZelMessage message, QString setting)
{
    if (!m_filter->accept(message))
        return;
    Q_EMIT needShowMessage(message, setting);
}

void ZelMessenger::information(QString message)
{
    const ZelMessage logged = messageOf(
        ZelLog::notifyStream(logModule, "void ZelMessenger::information(const QString &)", __FILE__, __LINE__),
        message);
    processMessage(logged, QString());
}

void ZelMessenger::alert(QString message)
{
    const ZelMessage logged = messageOf(ZelLog::warningStream(logModule, "void ZelMessenger::alert(const QString &)",
                                                              __FILE__, __LINE__, messengerIssue),
                                        message);
    processMessage(logged, QString());
}

void ZelMessenger::error(QString message)
{
    const ZelMessage logged = messageOf(
        ZelLog::errorStream(logModule, "void ZelMessenger::error(const QString &)", __FILE__, __LINE__, messengerIssue),
        message);
    processMessage(logged, QString());
}

void ZelMessenger::about(QString message)
{
    QMessageBox::about(nullptr, tr("About"), message);
}

int ZelMessenger::inputInt(QString label, int min, int max)
{
    // A cancelled dialog returns the initial value, which cannot be told
    // from an entry of it.
    bool accepted = false;
    return QInputDialog::getInt(nullptr, tr("Input int"), label, 0, min, max, 1, &accepted);
}

QString ZelMessenger::inputText(QString label, QString text)
{
    return QInputDialog::getText(nullptr, tr("Input text"), label, QLineEdit::Normal, text);
}

void ZelMessenger::showMessage(ZelMessage message, QString setting)
{
    ZelTrayMessage::popUp(QApplication::activeModalWidget(), message, setting);
}

bool ZelMessenger::okCancel(const QString &text, QMessageBox::Icon icon)
{
    return execBox(icon, tr("Confirm"), text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool ZelMessenger::continueCancel(const QString &text, QMessageBox::Icon icon)
{
    return execBox(icon, tr("Confirm"), text, QMessageBox::Ok | QMessageBox::Cancel,
                   {{QMessageBox::Ok, tr("Continue")}})
        == QMessageBox::Ok;
}

bool ZelMessenger::yesNo(const QString &text, const QString &title)
{
    return execBox(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                   {{QMessageBox::Yes, tr("Yes")}, {QMessageBox::No, tr("No")}})
        == QMessageBox::Yes;
}

int ZelMessenger::yesNoCancel(const QString &text, const QString &title)
{
    return execBox(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                   {{QMessageBox::Yes, tr("Yes")}, {QMessageBox::No, tr("No")}, {QMessageBox::Cancel, tr("Cancel")}});
}

int ZelMessenger::saveDiscardCancel(const QString &text)
{
    return execBox(QMessageBox::Question, tr("Save"), text,
                   QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
}

void ZelMessenger::ok(const QString &text, QMessageBox::Icon icon)
{
    execBox(icon, QString(), text, QMessageBox::Ok);
}

QString ZelMessenger::getOpenFileName(const QString &caption, const QList<QByteArray> &formats,
                                      const QByteArray &settingsKey, const QString &startDir)
{
    return ZelFileDialog::getFileNameForRead(caption, startDir, formats, settingsKey);
}

QStringList ZelMessenger::getOpenFileNames(const QString &caption, const QList<QByteArray> &formats,
                                           const QByteArray &settingsKey, const QString &startDir)
{
    return ZelFileDialog::getFileNamesForRead(caption, startDir, formats, settingsKey);
}

QString ZelMessenger::getSaveFileName(const QString &caption, const QList<QByteArray> &formats,
                                      const QByteArray &settingsKey, const QString &startDir)
{
    return QDir::fromNativeSeparators(ZelFileDialog::getFileNameForWrite(caption, startDir, formats, settingsKey));
}

QString ZelMessenger::getExistingDirectory(const QString &caption, const QByteArray &settingsKey,
                                           const QFileDialog::Option &option)
{
    return QDir::fromNativeSeparators(ZelFileDialog::getDirectory(caption, QString(), settingsKey, option));
}

QString ZelMessenger::getExistingDirectory(const QString &caption, const QString &startDir,
                                           const QByteArray &settingsKey, const QFileDialog::Option &option)
{
    return QDir::fromNativeSeparators(ZelFileDialog::getDirectory(caption, startDir, settingsKey, option));
}
