// A notification pop-up shown and closed, against a plain frame built from
// the same form, shown at the same place and closed.

#include <ZelGui/ZelGuiSettings.h>
#include <ZelGui/ZelTrayMessage.h>

#include "ui_ZelTrayMessage.h"

#include <ZelLog/Issue.h>
#include <ZelLog/ZelLog.h>
#include <ZelLog/ZelMessage.h>

#include <QApplication>
#include <QStyleFactory>
#include <QTest>

class bench_ZelTrayMessage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void popUpAndClose_data();
    void popUpAndClose();
};

void bench_ZelTrayMessage::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ZelLog::setEchoToQt(false);
    settingMessageLifeTime(0);
}

void bench_ZelTrayMessage::popUpAndClose_data()
{
    QTest::addColumn<bool>("ours");
    QTest::newRow("ours") << true;
    QTest::newRow("primitive") << false;
}

// One pop-up per iteration, from the message to its deletion; lifetime 0, so
// no countdown runs.
void bench_ZelTrayMessage::popUpAndClose()
{
    QFETCH(bool, ours);
    const ZelMessage message(ZelLog::Warning, QStringLiteral("Bench"), QStringLiteral("void bench()"),
                             QStringLiteral("bench.cpp"), 1, Issue::CameraBusy, QStringLiteral("Camera busy"));
    const QPoint corner = ZelTrayMessage::desktopGeometry().bottomRight() - QPoint(250, 130);
    // The primitive shows the same texts.
    const QString title = QStringLiteral("Warning: ") + Issue::readableID(message.issueID());
    const QString body = Issue::description(message.issueID()) + QLatin1Char('\n') + message.text();
    const QString details = message.toTextParagraph();
    QBENCHMARK {
        if (ours) {
            ZelTrayMessage::popUp(nullptr, message, QString())->close();
        } else {
            auto *frame = new QFrame(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
            Ui_ZelTrayMessage form;
            form.setupUi(frame);
            frame->setAttribute(Qt::WA_DeleteOnClose);
            form.labelTitle->setText(title);
            form.labelText->setText(body);
            form.textEditDetails->setHtml(details);
            form.textEditDetails->hide();
            frame->setGeometry(QRect(corner, QSize(250, 130)));
            frame->show();
            frame->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QTEST_MAIN(bench_ZelTrayMessage)
#include "bench_zeltraymessage.moc"
