// The pop-up: corners and stack slots, the countdown, holding, details, "Don't show again", deletion.

#include <ZelGui/ZelGuiSettings.h>
#include <ZelGui/ZelTrayMessage.h>

#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelLog/ZelLog.h>

#include "zelgui_testhelpers.h"

#include <climits>

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeLine>

using TrayPosition = ZelTrayMessage::TrayPosition;
Q_DECLARE_METATYPE(ZelTrayMessage::TrayPosition)

namespace {

const QString notifyKey = QStringLiteral("notifications/failed_load");

// Where a pop-up of the default size ends up, from the screen's edges.
QPoint expectedTarget(TrayPosition position, int slot, int dx = 0, int dy = 0)
{
    const QRect s = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize size = ZelTrayMessage::defaultSize;
    const bool left = position == ZelTrayMessage::TopLeft || position == ZelTrayMessage::BottomLeft;
    const bool top = position == ZelTrayMessage::TopLeft || position == ZelTrayMessage::TopRight;
    return {left ? s.x() + dx : s.x() + s.width() - 1 - dx - size.width(),
            top ? s.y() + dy + slot * size.height() : s.y() + s.height() - 1 - dy - (slot + 1) * size.height()};
}

template<typename T>
T *child(QWidget *tray, const char *name)
{
    return tray->findChild<T *>(QLatin1String(name));
}

} // namespace

class tst_ZelTrayMessage : public QObject
{
    Q_OBJECT

    QList<QPointer<ZelTrayMessage>> m_trays;

    ZelTrayMessage *track(ZelTrayMessage *tray) { return m_trays.emplace_back(tray); }
    ZelTrayMessage *pop(ZelLog::MessageType type, const QString &text, const QString &key = QString(), Issue::ID issue = Issue::None)
    {
        return track(ZelTrayMessage::popUp(nullptr, makeMessage(type, issue, text), key));
    }

private Q_SLOTS:
    void init()
    {
        ZelLog::setEchoToQt(false);
        ZelAbstractAppConfig::reset();
        settingMessageLifeTime(0); // no countdown unless a test wants one
        // Any warning fails, except the offscreen platform's notes on what it cannot do.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support )")));
    }

    void cleanup()
    {
        // Newest first, so that the stack starts at slot 0 for the next test.
        while (!m_trays.isEmpty())
            delete m_trays.takeLast();
    }

    void cornersAndOffsets_data()
    {
        QTest::addColumn<TrayPosition>("position");
        // The vertical offset is twice the horizontal one.
        QTest::addColumn<int>("offset");
        QTest::newRow("top left, no offset") << ZelTrayMessage::TopLeft << 0;
        QTest::newRow("top right, offset 15/30") << ZelTrayMessage::TopRight << 15;
        QTest::newRow("bottom left, offset 15/30") << ZelTrayMessage::BottomLeft << 15;
        QTest::newRow("unknown corner: bottom right") << TrayPosition(9) << 0;
    }

    void cornersAndOffsets()
    {
        QFETCH(TrayPosition, position);
        QFETCH(int, offset);
        settingMessageOffsetHorizontal(offset);
        settingMessageOffsetVertical(2 * offset);
        auto *tray = track(new ZelTrayMessage);
        tray->construct(makeMessage(ZelLog::Information, Issue::None, QStringLiteral("Saved")));
        tray->setPosition(position);
        tray->showTrayMessage();
        QTRY_COMPARE(tray->pos(), expectedTarget(position, 0, offset, 2 * offset));
    }

    void stackFillsSlotsAndStartsAgainUnlessUnstacked()
    {
        // Four slots fit; a fifth pop-up still takes slot 4, the sixth starts again at 0.
        QList<ZelTrayMessage *> shown;
        for (int slot : {0, 1, 2, 3, 4, 0}) {
            shown << pop(ZelLog::Information, QStringLiteral("Message"));
            QTRY_COMPARE(shown.last()->pos(), expectedTarget(ZelTrayMessage::BottomRight, slot));
        }
        // Closing an older pop-up gives nothing back: the next goes above the newest.
        shown.at(2)->close();
        ZelTrayMessage *next = pop(ZelLog::Error, QStringLiteral("next"));
        QTRY_COMPARE(next->pos(), expectedTarget(ZelTrayMessage::BottomRight, 1));
        // Unstacked pop-ups share the first spot.
        settingMessageStacked(false);
        for (ZelTrayMessage *tray : {pop(ZelLog::Information, {}), pop(ZelLog::Information, {})})
            QTRY_COMPARE(tray->pos(), expectedTarget(ZelTrayMessage::BottomRight, 0));
    }

    void slotGivenBackHoweverTheNewestEnds_data()
    {
        QTest::addColumn<QString>("end");
        QTest::newRow("closed") << QStringLiteral("close");
        QTest::newRow("deleted") << QStringLiteral("delete");
        QTest::newRow("modal parent deleted") << QStringLiteral("parent");
    }

    void slotGivenBackHoweverTheNewestEnds()
    {
        QFETCH(QString, end);
        QPointer<QDialog> dialog = new QDialog;
        dialog->setModal(true);
        dialog->show();
        pop(ZelLog::Information, QStringLiteral("older"));
        // As the messenger does it: the pop-up belongs to the active modal widget.
        QPointer<ZelTrayMessage> newest = track(ZelTrayMessage::popUp(
            QApplication::activeModalWidget(), makeMessage(ZelLog::Error, Issue::None, QStringLiteral("newest")), {}));
        QTRY_COMPARE(newest->pos(), expectedTarget(ZelTrayMessage::BottomRight, 1));
        if (end == QLatin1String("close"))
            newest->close();
        else if (end == QLatin1String("delete"))
            delete newest;
        else
            delete dialog;
        QTRY_VERIFY(newest.isNull());
        ZelTrayMessage *next = pop(ZelLog::Error, QStringLiteral("next"));
        QTRY_COMPARE(next->pos(), expectedTarget(ZelTrayMessage::BottomRight, 0));
        delete dialog;
        // Its deletion after the close gave nothing back twice: the stack goes on.
        ZelTrayMessage *after = pop(ZelLog::Error, QStringLiteral("after"));
        QTRY_COMPARE(after->pos(), expectedTarget(ZelTrayMessage::BottomRight, 1));
    }

    void lifetimeZeroKeepsThePopUp()
    {
        QPointer<ZelTrayMessage> tray = pop(ZelLog::Error, QStringLiteral("No camera"), {}, Issue::CameraNotFound);
        QTest::qWait(300);
        QVERIFY(tray);
        QTest::mouseClick(child<QWidget>(tray, "pushButtonClose"), Qt::LeftButton);
        QTRY_VERIFY(tray.isNull());

        // A huge lifetime is capped where its milliseconds would overflow; a negative one is no
        // duration for the time line, which keeps its default second.
        settingMessageLifeTime(INT_MAX);
        QCOMPARE(pop(ZelLog::Warning, {})->findChild<QTimeLine *>()->duration(), INT_MAX / 1000 * 1000);
        settingMessageLifeTime(INT_MIN);
        QTest::ignoreMessage(QtWarningMsg, "QTimeLine::setDuration: cannot set duration <= 0");
        QTimeLine *negative = pop(ZelLog::Warning, {})->findChild<QTimeLine *>();
        QCOMPARE(QList<int>({negative->duration(), negative->startFrame()}), QList<int>({1000, -(INT_MAX / 1000)}));
    }

    void countdownClosesUnlessPressedAndRestartsWhenShownAgain()
    {
        settingMessageLifeTime(1);
        settingMessageTransparency(0.25);
        QPointer<ZelTrayMessage> left = pop(ZelLog::Warning, QStringLiteral("Missing"), {}, Issue::ImageFileNotFound);
        QStringList titles;
        connect(left->findChild<QTimeLine *>(), &QTimeLine::frameChanged, this,
                [&] { titles << child<QLabel>(left, "labelTitle")->text(); });
        QPointer<ZelTrayMessage> held = pop(ZelLog::Information, QStringLiteral("Hold"));
        QVERIFY(QTest::qWaitForWindowExposed(held));
        QVERIFY(qAbs(held->windowOpacity() - 0.75) < 1.0 / 255); // Qt keeps steps of 1/255
        auto *title = child<QLabel>(held, "labelTitle");
        QTest::mouseClick(title, Qt::LeftButton, {}, title->rect().center());
        QCOMPARE(held->windowOpacity(), 1.0);
        // The other one's title counts down to (0), then it closes; the pressed one stays.
        QTRY_VERIFY_WITH_TIMEOUT(left.isNull(), 3000);
        QVERIFY2(!titles.isEmpty() && titles.last().endsWith(QLatin1String(" (0)")), qPrintable(titles.join('|')));
        QVERIFY(held);
        // Shown again, it counts down anew from the lifetime it was built with.
        settingMessageLifeTime(2);
        held->hide();
        held->show();
        QCOMPARE(title->text(), held->windowTitle() + QStringLiteral(" (1)"));
        QCOMPARE(held->findChild<QTimeLine *>()->state(), QTimeLine::Running);
        QCOMPARE(held->findChild<QTimeLine *>()->currentTime(), 0);
    }

    void dragByTheTitle()
    {
        auto *tray = pop(ZelLog::Information, QStringLiteral("Drag me"));
        QTRY_COMPARE(tray->pos(), expectedTarget(ZelTrayMessage::BottomRight, 0));
        const QPoint start = tray->pos();
        auto *title = child<QLabel>(tray, "labelTitle");
        const QPoint grip = title->rect().center();
        QTest::mousePress(title, Qt::LeftButton, {}, grip);
        // The first move takes hold; from the second on the pop-up follows the mouse.
        QTest::mouseMove(title, grip + QPoint(30, -20));
        QCOMPARE(tray->pos(), start);
        QTest::mouseMove(title, grip + QPoint(50, -60));
        QCOMPARE(tray->pos(), start + QPoint(20, -40));
    }

    void bodyAndDetailsUnfoldingDownwards()
    {
        auto *tray = pop(ZelLog::Error, QStringLiteral("a.xyz"), {}, Issue::ImageFormatNotSupported);
        QCOMPARE(child<QLabel>(tray, "labelText")->text(), Issue::description(Issue::ImageFormatNotSupported) + QStringLiteral("\na.xyz"));
        auto *details = child<QWidget>(tray, "textEditDetails");
        QTRY_COMPARE(tray->pos(), expectedTarget(ZelTrayMessage::BottomRight, 0));
        const QPoint corner = tray->pos();
        auto *button = child<QWidget>(tray, "pushButtonDetails");
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        QVERIFY(details->isVisible());
        QCOMPARE(tray->geometry(), QRect(corner, ZelTrayMessage::defaultDetailedSize));
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        QCOMPARE(tray->geometry(), QRect(corner, ZelTrayMessage::defaultSize));
    }

    void dontShowAgainWritesTheKey()
    {
        auto *box = child<QWidget>(pop(ZelLog::Warning, {}, notifyKey), "checkBoxAgain");
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(ZelAbstractAppConfig::setting(notifyKey), QVariant(false));
        // A key holding false shows nothing.
        QVERIFY(!ZelTrayMessage::popUp(nullptr, makeMessage(ZelLog::Error, Issue::None, QString()), notifyKey));
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(ZelAbstractAppConfig::setting(notifyKey), QVariant(true));
        QVERIFY(pop(ZelLog::Error, {}, notifyKey));
        // Without a key there is nothing to remember: no box.
        QVERIFY(box->isVisible());
        QVERIFY(!child<QWidget>(pop(ZelLog::Error, {}, QString()), "checkBoxAgain")->isVisible());
    }
};

int main(int argc, char *argv[])
{
    // A screen of known size: 1040 available pixels make four stack slots.
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    if (QFile file(config); !file.open(QIODevice::WriteOnly)
        || file.write(R"({"screens": [{"name": "main", "x": 0, "y": 0, "width": 1600, "height": 1040,
                            "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
            < 0)
        return 1;
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.toLocal8Bit());
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    tst_ZelTrayMessage test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zelgui_traymessage.moc"
