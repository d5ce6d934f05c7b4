// The notification pop-up: placement in each corner and in the stack, the
// slide, the lifetime countdown, holding by a press, details, "Don't show
// again" and self-deletion.

#include <ZelGui/ZelGuiSettings.h>
#include <ZelGui/ZelTrayMessage.h>

#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelLog/Issue.h>
#include <ZelLog/ZelLog.h>
#include <ZelLog/ZelMessage.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimeLine>
#include <QTranslator>
#include <QToolButton>

using TrayPosition = ZelTrayMessage::TrayPosition;
Q_DECLARE_METATYPE(ZelTrayMessage::TrayPosition)

namespace {

const QString notifyKey = QStringLiteral("notifications/failed_load");

ZelMessage makeMessage(ZelLog::MessageType type, Issue::ID issue, const QString &text)
{
    return ZelMessage(type, QStringLiteral("Test"), QStringLiteral("void test()"), QStringLiteral("test.cpp"), 12,
                      issue, text);
}

// Where a pop-up of the default size ends up, from the screen's edges.
QPoint expectedTarget(TrayPosition position, int slot, int dx, int dy)
{
    const QRect s = QGuiApplication::primaryScreen()->availableGeometry();
    const int w = ZelTrayMessage::defaultSize.width();
    const int h = ZelTrayMessage::defaultSize.height();
    const int left = s.x() + dx;
    const int right = s.x() + s.width() - 1 - dx - w;
    const int top = s.y() + dy + slot * h;
    const int bottom = s.y() + s.height() - 1 - dy - (slot + 1) * h;
    switch (position) {
    case ZelTrayMessage::TopLeft:
        return {left, top};
    case ZelTrayMessage::TopRight:
        return {right, top};
    case ZelTrayMessage::BottomLeft:
        return {left, bottom};
    case ZelTrayMessage::BottomRight:
        break;
    }
    return {right, bottom};
}

// Records every position the pop-up is moved to.
class MoveRecorder : public QObject
{
public:
    QList<QPoint> positions;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Move)
            positions << static_cast<QWidget *>(watched)->pos();
        return false;
    }
};

} // namespace

class tst_ZelTrayMessage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void screenIsTheConfiguredOne();
    void cornersAndOffsets_data();
    void cornersAndOffsets();
    void slideStepsFivePixelsTowardsTheTarget_data();
    void slideStepsFivePixelsTowardsTheTarget();
    void oddHeightStopsBeforePassingTheTarget();
    void stackFillsSlotsAndStartsAgain();
    void closingTheNewestRestartsTheStack();
    void unstackedPopUpsShareOneSpot();
    void strategiesFollowTheSameRules_data();
    void strategiesFollowTheSameRules();

    void titleCountsDown();
    void countdownEndsInClosingAndDeletion();
    void lifetimeZeroKeepsThePopUp();
    void pressHoldsThePopUp_data();
    void pressHoldsThePopUp();
    void dragByTheTitleMovesThePopUp();
    void opacityFollowsTransparency();

    void bodyShowsDescriptionAndText_data();
    void bodyShowsDescriptionAndText();
    void unknownTypeLeavesTitleWordAndIconOut();
    void detailsUnfoldDownwards();

    void emptyKeyHidesDontShowAgain();
    void keyHoldingFalseShowsNothing();
    void dontShowAgainWritesTheKey();

    void russianTexts();

    void benchmarkPopUpAndClose();

private:
    ZelTrayMessage *track(ZelTrayMessage *tray);
    QPoint finalPosition(ZelTrayMessage *tray) const;

    QList<QPointer<ZelTrayMessage>> m_trays;
};

void tst_ZelTrayMessage::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ZelLog::setEchoToQt(false);
}

void tst_ZelTrayMessage::init()
{
    ZelAbstractAppConfig::reset();
    // No countdown unless a test wants one.
    settingMessageLifeTime(0);
    // Any warning fails, except the offscreen platform's notes on what it
    // cannot do for windows (raise, opacity, size hints).
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support )")));
}

void tst_ZelTrayMessage::cleanup()
{
    // Newest first, so that the stack starts at slot 0 for the next test.
    while (!m_trays.isEmpty()) {
        QPointer<ZelTrayMessage> tray = m_trays.takeLast();
        if (tray)
            tray->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ZelTrayMessage *tst_ZelTrayMessage::track(ZelTrayMessage *tray)
{
    m_trays << tray;
    return tray;
}

QPoint tst_ZelTrayMessage::finalPosition(ZelTrayMessage *tray) const
{
    // The slide is over when the position stays put for a few steps.
    QPoint last;
    do {
        last = tray->pos();
        QTest::qWait(40);
    } while (tray->pos() != last);
    return last;
}

void tst_ZelTrayMessage::screenIsTheConfiguredOne()
{
    // The stacking cases rely on four slots of 260 pixels.
    QCOMPARE(ZelTrayMessage::desktopGeometry(), QGuiApplication::primaryScreen()->availableGeometry());
    QCOMPARE(ZelTrayMessage::desktopGeometry().height(), 1040);
}

void tst_ZelTrayMessage::cornersAndOffsets_data()
{
    QTest::addColumn<TrayPosition>("position");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");

    const std::pair<TrayPosition, const char *> corners[] = {{ZelTrayMessage::TopLeft, "top left"},
                                                             {ZelTrayMessage::TopRight, "top right"},
                                                             {ZelTrayMessage::BottomLeft, "bottom left"},
                                                             {ZelTrayMessage::BottomRight, "bottom right"}};
    for (const auto &[position, name] : corners) {
        QTest::addRow("%s, no offset", name) << position << 0 << 0;
        QTest::addRow("%s, offset 15/25", name) << position << 15 << 25;
        QTest::addRow("%s, negative offset", name) << position << -7 << -3;
    }
}

void tst_ZelTrayMessage::cornersAndOffsets()
{
    QFETCH(TrayPosition, position);
    QFETCH(int, dx);
    QFETCH(int, dy);
    settingMessageOffsetHorizontal(dx);
    settingMessageOffsetVertical(dy);

    auto *tray = track(new ZelTrayMessage);
    tray->construct(makeMessage(ZelLog::Information, Issue::None, QStringLiteral("Saved")));
    tray->setPosition(position);
    tray->showTrayMessage();
    QVERIFY(QTest::qWaitForWindowExposed(tray));

    QCOMPARE(tray->size(), ZelTrayMessage::defaultSize);
    QTRY_COMPARE(tray->pos(), expectedTarget(position, 0, dx, dy));
    QCOMPARE(finalPosition(tray), expectedTarget(position, 0, dx, dy));
}

void tst_ZelTrayMessage::slideStepsFivePixelsTowardsTheTarget_data()
{
    QTest::addColumn<TrayPosition>("position");
    QTest::addColumn<int>("direction");

    QTest::newRow("top slides down") << ZelTrayMessage::TopRight << 1;
    QTest::newRow("bottom slides up") << ZelTrayMessage::BottomLeft << -1;
}

void tst_ZelTrayMessage::slideStepsFivePixelsTowardsTheTarget()
{
    QFETCH(TrayPosition, position);
    QFETCH(int, direction);

    auto *tray = track(new ZelTrayMessage);
    tray->construct(makeMessage(ZelLog::Warning, Issue::CameraBusy, QStringLiteral("Busy")));
    tray->setPosition(position);
    MoveRecorder recorder;
    tray->installEventFilter(&recorder);
    tray->showTrayMessage();

    const QPoint target = expectedTarget(position, 0, 0, 0);
    const int height = tray->height();
    // It starts one height outside, and the first step is taken at once.
    QCOMPARE(tray->pos(), QPoint(target.x(), target.y() - direction * height + direction * 5));
    QTRY_COMPARE(tray->pos(), target);

    QVERIFY(recorder.positions.size() >= height / 5);
    QCOMPARE(recorder.positions.last(), target);
    for (int i = 1; i < recorder.positions.size(); ++i) {
        QCOMPARE(recorder.positions.at(i).x(), target.x());
        QCOMPARE(recorder.positions.at(i).y() - recorder.positions.at(i - 1).y(), direction * 5);
    }
}

void tst_ZelTrayMessage::oddHeightStopsBeforePassingTheTarget()
{
    auto *tray = track(new ZelTrayMessage);
    tray->construct(makeMessage(ZelLog::Information, Issue::None, QStringLiteral("Odd")));
    tray->resize(250, 133);
    tray->setPosition(ZelTrayMessage::BottomRight);
    tray->showTrayMessage();

    const QRect s = ZelTrayMessage::desktopGeometry();
    const int targetY = s.y() + s.height() - 1 - 133;
    // Starting 133 below, 26 steps of 5 end 3 pixels short of the target.
    QCOMPARE(finalPosition(tray).y(), targetY + 3);
}

void tst_ZelTrayMessage::stackFillsSlotsAndStartsAgain()
{
    // 1040 available pixels give room for four slots; a fifth pop-up still
    // takes slot 4, the sixth starts again at 0.
    const QList<int> expectedSlots{0, 1, 2, 3, 4, 0};
    QList<ZelTrayMessage *> trays;
    for (int i = 0; i < expectedSlots.size(); ++i) {
        trays << track(ZelTrayMessage::popUp(nullptr, makeMessage(ZelLog::Information, Issue::None,
                                                                  QStringLiteral("Message %1").arg(i)),
                                             QString()));
        QVERIFY(trays.last());
    }
    for (int i = 0; i < trays.size(); ++i)
        QTRY_COMPARE(trays.at(i)->pos(), expectedTarget(ZelTrayMessage::BottomRight, expectedSlots.at(i), 0, 0));
}

void tst_ZelTrayMessage::closingTheNewestRestartsTheStack()
{
    const auto pop = [this](const QString &text) {
        return track(ZelTrayMessage::popUp(nullptr, makeMessage(ZelLog::Error, Issue::InternalError, text), QString()));
    };
    ZelTrayMessage *first = pop(QStringLiteral("first"));
    ZelTrayMessage *second = pop(QStringLiteral("second"));
    QPointer<ZelTrayMessage> third = pop(QStringLiteral("third"));
    QTRY_COMPARE(third->pos(), expectedTarget(ZelTrayMessage::BottomRight, 2, 0, 0));

    // Closing an older one leaves the stack where it is.
    second->close();
    ZelTrayMessage *fourth = pop(QStringLiteral("fourth"));
    QTRY_COMPARE(fourth->pos(), expectedTarget(ZelTrayMessage::BottomRight, 3, 0, 0));

    fourth->close();
    ZelTrayMessage *fifth = pop(QStringLiteral("fifth"));
    QTRY_COMPARE(fifth->pos(), expectedTarget(ZelTrayMessage::BottomRight, 0, 0, 0));
    QCOMPARE(fifth->pos(), first->pos());
    QVERIFY(third);
}

void tst_ZelTrayMessage::unstackedPopUpsShareOneSpot()
{
    settingMessageStacked(false);
    settingMessageOffsetVertical(40);
    QList<ZelTrayMessage *> trays;
    for (int i = 0; i < 3; ++i)
        trays << track(ZelTrayMessage::popUp(nullptr, makeMessage(ZelLog::Information, Issue::None, QString()),
                                             QString()));
    for (ZelTrayMessage *tray : trays)
        QTRY_COMPARE(tray->pos(), expectedTarget(ZelTrayMessage::BottomRight, 0, 0, 40));
}

void tst_ZelTrayMessage::strategiesFollowTheSameRules_data()
{
    QTest::addColumn<TrayPosition>("position");
    QTest::addColumn<int>("index");
    QTest::addColumn<QPoint>("expected");

    // A 100 x 50 pop-up on the area from (10, 20) to (409, 319).
    QTest::newRow("top left, 0") << ZelTrayMessage::TopLeft << 0 << QPoint(10, 20);
    QTest::newRow("top right, 2") << ZelTrayMessage::TopRight << 2 << QPoint(409 - 100, 20 + 2 * 50);
    QTest::newRow("bottom left, 1") << ZelTrayMessage::BottomLeft << 1 << QPoint(10, 319 - 2 * 50);
    QTest::newRow("bottom right, 0") << ZelTrayMessage::BottomRight << 0 << QPoint(409 - 100, 319 - 50);
    QTest::newRow("unknown corner") << TrayPosition(9) << 0 << QPoint(409 - 100, 319 - 50);
}

void tst_ZelTrayMessage::strategiesFollowTheSameRules()
{
    QFETCH(TrayPosition, position);
    QFETCH(int, index);
    QFETCH(QPoint, expected);

    QCOMPARE(ZelTrayPositioningStrategy::computeTarget(position, index, QSize(100, 50), QRect(10, 20, 400, 300)),
             expected);

    // Vertical steps from one height outside up to the target, and no
    // further.
    const bool top = position == ZelTrayMessage::TopLeft || position == ZelTrayMessage::TopRight;
    ZelTrayAnimationStrategy animation;
    animation.init(position, expected.x(), expected.y(), 50);
    QCOMPARE(animation.currentY, expected.y() + (top ? -50 : 50));
    QPoint point(-1, -1);
    int steps = 0;
    while (animation.stepVertical(!top, point))
        ++steps;
    QCOMPARE(steps, 10);
    QCOMPARE(point, expected);

    // Horizontal steps run on x towards the target x.
    animation.currentX = expected.x() - 12;
    steps = 0;
    while (animation.stepHorizontal(true, point))
        ++steps;
    QCOMPARE(steps, 2);
    QCOMPARE(point, QPoint(expected.x() - 2, expected.y()));
    QVERIFY(!animation.stepHorizontal(false, point));
}

void tst_ZelTrayMessage::titleCountsDown()
{
    settingMessageLifeTime(7);
    const ZelMessage message = makeMessage(ZelLog::Warning, Issue::ImageFileNotFound, QStringLiteral("Missing"));
    auto *tray = track(ZelTrayMessage::popUp(nullptr, message, QString()));
    QVERIFY(tray);
    auto *title = tray->findChild<QLabel *>(QStringLiteral("labelTitle"));
    QVERIFY(title);

    const QString plain = QStringLiteral("Warning: ") + Issue::readableID(Issue::ImageFileNotFound);
    QCOMPARE(title->text(), plain + QStringLiteral(" (7)"));
    QCOMPARE(tray->windowTitle(), plain);
    auto *timeLine = tray->findChild<QTimeLine *>();
    QVERIFY(timeLine);
    QCOMPARE(timeLine->duration(), 7000);
    QCOMPARE(timeLine->state(), QTimeLine::Running);
}

void tst_ZelTrayMessage::countdownEndsInClosingAndDeletion()
{
    settingMessageLifeTime(1);
    QPointer<ZelTrayMessage> tray =
        track(ZelTrayMessage::popUp(nullptr, makeMessage(ZelLog::Information, Issue::None, QStringLiteral("Bye")),
                                    QString()));
    QVERIFY(tray);
    auto *title = tray->findChild<QLabel *>(QStringLiteral("labelTitle"));
    QStringList titles;
    connect(tray->findChild<QTimeLine *>(), &QTimeLine::frameChanged, this, [&] { titles << title->text(); });

    QTest::qWait(500);
    QVERIFY(tray);
    QTRY_VERIFY_WITH_TIMEOUT(tray.isNull(), 3000);
    QVERIFY(!titles.isEmpty());
    QVERIFY2(titles.last().endsWith(QLatin1String(" (0)")), qPrintable(titles.last()));
}

void tst_ZelTrayMessage::lifetimeZeroKeepsThePopUp()
{
    const ZelMessage message = makeMessage(ZelLog::Error, Issue::CameraNotFound, QStringLiteral("No camera"));
    QPointer<ZelTrayMessage> tray = track(ZelTrayMessage::popUp(nullptr, message, QString()));
    QVERIFY(tray);
    QVERIFY(!tray->findChild<QTimeLine *>());
    auto *title = tray->findChild<QLabel *>(QStringLiteral("labelTitle"));
    QCOMPARE(title->text(), QStringLiteral("Error: ") + Issue::readableID(Issue::CameraNotFound));
    QTest::qWait(300);
    QVERIFY(tray);

    QTest::mouseClick(tray->findChild<QToolButton *>(QStringLiteral("pushButtonClose")), Qt::LeftButton);
    QTRY_VERIFY(tray.isNull());
}

void tst_ZelTrayMessage::pressHoldsThePopUp_data()
{
    QTest::addColumn<QString>("child");
    QTest::newRow("title") << QStringLiteral("labelTitle");
    QTest::newRow("text") << QStringLiteral("labelText");
    QTest::newRow("details button") << QStringLiteral("pushButtonDetails");
}

void tst_ZelTrayMessage::pressHoldsThePopUp()
{
    QFETCH(QString, child);
    settingMessageLifeTime(1);
    settingMessageTransparency(0.5);
    QPointer<ZelTrayMessage> tray = track(
        ZelTrayMessage::popUp(nullptr, makeMessage(ZelLog::Information, Issue::None, QStringLiteral("Hold")), QString()));
    QVERIFY(QTest::qWaitForWindowExposed(tray));
    // Qt keeps the opacity in steps of 1/255.
    QVERIFY(qAbs(tray->windowOpacity() - 0.5) < 1.0 / 255);

    auto *target = tray->findChild<QWidget *>(child);
    QVERIFY(target);
    QTest::mousePress(target, Qt::LeftButton, {}, target->rect().center());
    QTest::mouseRelease(target, Qt::LeftButton, {}, target->rect().center());

    auto *title = tray->findChild<QLabel *>(QStringLiteral("labelTitle"));
    QCOMPARE(title->text(), QStringLiteral("Information: ") + Issue::readableID(Issue::None));
    QCOMPARE(tray->windowOpacity(), 1.0);
    QCOMPARE(tray->findChild<QTimeLine *>()->state(), QTimeLine::NotRunning);

    // Well past its lifetime, it is still there until closed.
    QTest::qWait(1500);
    QVERIFY(tray);
    auto *close = tray->findChild<QToolButton *>(QStringLiteral("pushButtonClose"));
    QTest::mouseClick(close, Qt::LeftButton, {}, close->rect().center());
    QTRY_VERIFY(tray.isNull());
}

void tst_ZelTrayMessage::dragByTheTitleMovesThePopUp()
{
    auto *tray = track(
        ZelTrayMessage::popUp(nullptr, makeMessage(ZelLog::Information, Issue::None, QStringLiteral("Drag")), QString()));
    QVERIFY(QTest::qWaitForWindowExposed(tray));
    const QPoint start = finalPosition(tray);
    auto *title = tray->findChild<QLabel *>(QStringLiteral("labelTitle"));

    const QPoint grip = title->rect().center();
    QTest::mousePress(title, Qt::LeftButton, {}, grip);
    QTest::mouseMove(title, grip + QPoint(4, 0));
    QCOMPARE(tray->pos(), start); // the first move only takes the grip
    QTest::mouseMove(title, grip + QPoint(-26, -40));
    QCOMPARE(tray->pos(), start + QPoint(-30, -40));
    QTest::mouseRelease(title, Qt::LeftButton, {}, grip + QPoint(-26, -40));
}

void tst_ZelTrayMessage::opacityFollowsTransparency()
{
    settingMessageTransparency(0.25);
    auto *tray = track(new ZelTrayMessage);
    QVERIFY(qAbs(tray->windowOpacity() - 0.75) < 1.0 / 255);
    settingMessageTransparency(0.0);
    auto *opaque = track(new ZelTrayMessage);
    QCOMPARE(opaque->windowOpacity(), 1.0);
}

void tst_ZelTrayMessage::bodyShowsDescriptionAndText_data()
{
    QTest::addColumn<int>("issue");
    QTest::addColumn<QString>("text");

    QTest::newRow("no issue") << int(Issue::None) << QStringLiteral("Plain text");
    QTest::newRow("catalogued issue") << int(Issue::ImageFormatNotSupported) << QStringLiteral("a.xyz");
    QTest::newRow("issue, empty text") << int(Issue::CameraBusy) << QString();
}

void tst_ZelTrayMessage::bodyShowsDescriptionAndText()
{
    QFETCH(int, issue);
    QFETCH(QString, text);

    auto *tray = track(new ZelTrayMessage);
    const ZelMessage message = makeMessage(ZelLog::Error, issue, text);
    tray->construct(message);

    const QString expected = issue == Issue::None ? text : Issue::description(issue) + QLatin1Char('\n') + text;
    QCOMPARE(tray->findChild<QLabel *>(QStringLiteral("labelText"))->text(), expected);
    auto *details = tray->findChild<QTextEdit *>(QStringLiteral("textEditDetails"));
    QVERIFY(details->isHidden());
    QTextEdit reference;
    reference.setHtml(message.toTextParagraph());
    QCOMPARE(details->toPlainText(), reference.toPlainText());
    QVERIFY(!tray->findChild<QLabel *>(QStringLiteral("labelIcon"))->pixmap().isNull());
}

void tst_ZelTrayMessage::unknownTypeLeavesTitleWordAndIconOut()
{
    auto *tray = track(new ZelTrayMessage);
    tray->construct(makeMessage(ZelLog::MessageType(9), Issue::InternalError, QStringLiteral("?")));
    QCOMPARE(tray->findChild<QLabel *>(QStringLiteral("labelTitle"))->text(),
             QStringLiteral(": ") + Issue::readableID(Issue::InternalError));
    auto *icon = tray->findChild<QLabel *>(QStringLiteral("labelIcon"));
    QVERIFY(icon->pixmap().isNull());
    QCOMPARE(icon->text(), QStringLiteral("..."));
}

void tst_ZelTrayMessage::detailsUnfoldDownwards()
{
    auto *tray = track(ZelTrayMessage::popUp(
        nullptr, makeMessage(ZelLog::Error, Issue::ImageFileNotSaved, QStringLiteral("Disk full")), QString()));
    QVERIFY(QTest::qWaitForWindowExposed(tray));
    const QPoint corner = finalPosition(tray);
    auto *button = tray->findChild<QPushButton *>(QStringLiteral("pushButtonDetails"));
    auto *details = tray->findChild<QTextEdit *>(QStringLiteral("textEditDetails"));

    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QVERIFY(details->isVisible());
    QCOMPARE(tray->geometry(), QRect(corner, ZelTrayMessage::defaultDetailedSize));

    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QVERIFY(details->isHidden());
    QCOMPARE(tray->geometry(), QRect(corner, ZelTrayMessage::defaultSize));
}

void tst_ZelTrayMessage::emptyKeyHidesDontShowAgain()
{
    auto *tray = track(ZelTrayMessage::popUp(nullptr, makeMessage(ZelLog::Information, Issue::None, QString()),
                                             QString()));
    auto *box = tray->findChild<QCheckBox *>(QStringLiteral("checkBoxAgain"));
    QVERIFY(box->isHidden());
    QVERIFY(!box->isEnabled());
    QVERIFY(tray->options() & ZelTrayMessage::HideDoNotShowAgain);

    // By hand: the option hides the box, a key enables it.
    auto *manual = track(new ZelTrayMessage);
    QCOMPARE(manual->options(), ZelTrayMessage::Default);
    auto *manualBox = manual->findChild<QCheckBox *>(QStringLiteral("checkBoxAgain"));
    QVERIFY(!manualBox->isEnabled());
    manual->setSettingKey(notifyKey);
    QVERIFY(manualBox->isEnabled());
    manual->options() = ZelTrayMessage::HideDoNotShowAgain;
    manual->showTrayMessage();
    QVERIFY(manualBox->isHidden());
}

void tst_ZelTrayMessage::keyHoldingFalseShowsNothing()
{
    const auto countTrays = [] {
        int count = 0;
        for (QWidget *widget : QApplication::topLevelWidgets())
            count += qobject_cast<ZelTrayMessage *>(widget) != nullptr;
        return count;
    };
    const int before = countTrays();
    ZelAbstractAppConfig::setSetting(notifyKey, false);
    QVERIFY(!ZelTrayMessage::popUp(nullptr, makeMessage(ZelLog::Error, Issue::None, QString()), notifyKey));
    QCOMPARE(countTrays(), before);

    // A value that converts to true (or none at all) shows it.
    ZelAbstractAppConfig::setSetting(notifyKey, QStringLiteral("true"));
    QVERIFY(track(ZelTrayMessage::popUp(nullptr, makeMessage(ZelLog::Error, Issue::None, QString()), notifyKey)));
    ZelAbstractAppConfig::remove(notifyKey);
    QVERIFY(track(ZelTrayMessage::popUp(nullptr, makeMessage(ZelLog::Error, Issue::None, QString()), notifyKey)));
    QCOMPARE(countTrays(), before + 2);
}

void tst_ZelTrayMessage::dontShowAgainWritesTheKey()
{
    auto *tray = track(ZelTrayMessage::popUp(nullptr, makeMessage(ZelLog::Warning, Issue::None, QString()), notifyKey));
    QVERIFY(QTest::qWaitForWindowExposed(tray));
    auto *box = tray->findChild<QCheckBox *>(QStringLiteral("checkBoxAgain"));
    QVERIFY(box->isVisible());
    QVERIFY(box->isEnabled());
    QVERIFY(!ZelAbstractAppConfig::contains(notifyKey));

    QStyleOptionButton option;
    option.initFrom(box);
    const QPoint click = box->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, box).center();

    QTest::mouseClick(box, Qt::LeftButton, {}, click);
    QVERIFY(box->isChecked());
    QCOMPARE(ZelAbstractAppConfig::setting(notifyKey), QVariant(false));

    QTest::mouseClick(box, Qt::LeftButton, {}, click);
    QVERIFY(!box->isChecked());
    QCOMPARE(ZelAbstractAppConfig::setting(notifyKey), QVariant(true));
}

void tst_ZelTrayMessage::russianTexts()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/ZelGui/res/lang/zelgui_96.qm")));
    QCoreApplication::installTranslator(&translator);
    auto *tray = track(new ZelTrayMessage);
    tray->construct(makeMessage(ZelLog::Error, Issue::None, QStringLiteral("x")));
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(tray->windowTitle(), QStringLiteral("Ошибка: ") + Issue::readableID(Issue::None));
    QCOMPARE(tray->findChild<QCheckBox *>(QStringLiteral("checkBoxAgain"))->text(),
             QStringLiteral("Больше не показывать"));
    QCOMPARE(tray->findChild<QPushButton *>(QStringLiteral("pushButtonDetails"))->text(),
             QStringLiteral("Подробности"));
}

void tst_ZelTrayMessage::benchmarkPopUpAndClose()
{
    const ZelMessage message = makeMessage(ZelLog::Warning, Issue::CameraBusy, QStringLiteral("Benchmark"));
    QBENCHMARK {
        ZelTrayMessage *tray = ZelTrayMessage::popUp(nullptr, message, QString());
        tray->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

int main(int argc, char *argv[])
{
    // A screen of known size: 1040 available pixels make four stack slots.
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    {
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(R"({"screens": [{"name": "main", "x": 0, "y": 0, "width": 1600, "height": 1040,
                      "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    }
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.toLocal8Bit());
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    tst_ZelTrayMessage test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zelgui_traymessage.moc"
