#pragma once

#include <ZelGui/zelgui_export.h>

#include <QFrame>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <atomic>
#include <memory>

class QTimeLine;
class Ui_ZelTrayMessage;
class ZelMessage;

//! A small frameless pop-up that slides in at a corner of the primary screen
//! and shows one message: a title with the message type, issue and the
//! remaining seconds, an icon, the text, an optional "Don't show again" box
//! bound to a settings key, and a "Details" button that unfolds the full
//! record. It closes itself when its lifetime (a setting, in seconds) runs
//! out unless the user pressed on it, and it deletes itself when closed.
//!
//! The usual way to show a message is the static popUp(); a pop-up may also
//! be built by hand with the setters followed by showTrayMessage(). Pop-ups
//! shown in a row take consecutive slots of one process-wide stack.
//!
//! Ownership: the pop-up owns itself (Qt::WA_DeleteOnClose) and is also
//! deleted with its parent, if it has one; however it ends, it gives its
//! stack slot back. GUI thread only.
class ZELGUI_EXPORT ZelTrayMessage : public QFrame
{
    Q_OBJECT
public:
    //! Options of a pop-up, read through options().
    enum TrayOptions : int {
        Default = 2, //!< the "Don't show again" box is shown
        HideDoNotShowAgain = 4, //!< the "Don't show again" box is hidden (set by popUp() for an empty key)
    };
    Q_ENUM(TrayOptions)

    //! Top positions slide down into place and stack downwards, bottom ones
    //! slide up and stack upwards. Any other value places like BottomRight
    //! (the underlying type is fixed so that such values are well defined).
    enum TrayPosition : int {
        TopLeft = 0,
        TopRight = 1,
        BottomLeft = 2,
        BottomRight = 3, //!< the default of popUp()
    };

    //! The size of a folded pop-up, 250 x 130.
    static const QSize defaultSize;
    //! The size of a pop-up with its details unfolded, 250 x 250.
    static const QSize defaultDetailedSize;
    //! A point no drag starts from: (INT_MAX, INT_MAX).
    static const QPoint invalidPos;

    //! Shows message unless settingKey is not empty and holds false in the
    //! application configuration. Returns the new pop-up, or null when the
    //! message was skipped. The pop-up owns itself: it deletes itself when it
    //! closes (lifetime over, close button) and goes with its parent, so keep
    //! the pointer only in a QPointer, which turns null then:
    //!     QPointer<ZelTrayMessage> tray = ZelTrayMessage::popUp(parent, message, QString());
    //!     ...
    //!     if (tray)
    //!         tray->close();
    static ZelTrayMessage *popUp(QWidget *parent, const ZelMessage &message, const QString &settingKey);

    //! Off by default: the pop-up never takes the focus. When on, pop-ups
    //! built afterwards answer application-wide keys while shown: Ctrl+Alt+X
    //! closes, Ctrl+Alt+D unfolds or folds the details, Ctrl+Alt+N toggles
    //! "Don't show again". Process-wide, GUI thread.
    static void setKeyboardShortcutsEnabled(bool enabled);
    //! Whether the pop-ups answer their keyboard shortcuts (see setKeyboardShortcutsEnabled()).
    static bool keyboardShortcutsEnabled();

    //! Creates an empty pop-up at BottomLeft; \a parent, if any, also deletes it.
    explicit ZelTrayMessage(QWidget *parent = nullptr);
    //! Destroys the pop-up.
    ~ZelTrayMessage() override;

    //! Fills title, icon, text and details from message; the message itself
    //! is not kept.
    void construct(const ZelMessage &message);

    //! Sets the title and the window title.
    void setTitle(const QString &title);
    //! Sets the message text.
    void setText(const QString &text);
    //! Sets the record the "Details" button unfolds (rich or plain text).
    void setDetailedHtml(const QString &html);
    //! The configuration key the "Don't show again" box writes; the box is
    //! disabled while the key is empty.
    void setSettingKey(const QString &key);
    //! Sets the corner to slide into; takes effect at showTrayMessage().
    void setPosition(TrayPosition position);
    //! The options, writable through the returned reference.
    TrayOptions &options();

    //! Places the pop-up in its corner and slides it in.
    void showTrayMessage();
    //! Gives the pop-up a stack slot, if it has none yet.
    void updateStackPosition();

    //! The available geometry of the primary screen.
    static QRect desktopGeometry();

protected:
    //! \cond
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

    //! \endcond

private Q_SLOTS:
    void updateRemainingTime(int remainingSeconds);
    void cancelTimer();
    void calculateTargetPoint();
    void storeSetting(bool dontShowAgain);
    double opacity();
    int secsToLive();
    void slideVerticallyUp();
    void slideVerticallyDown();
    void slideHorizontallyRight();
    void slideHorizontallyLeft();
    void switchDetails(bool showDetails);

private:
    void slide();
    void assignStackSlot();
    void releaseStackSlot();

    //! The slot given to the most recently placed pop-up of the process.
    static std::atomic<int> m_lastPositionInStack;

    std::unique_ptr<Ui_ZelTrayMessage> ui;
    QPoint m_dragPoint = invalidPos;
    int m_stackPosition = -1;
    TrayPosition m_position = BottomLeft;
    QPoint m_target;
    int m_currentX = 0;
    int m_currentY = 0;
    int m_targetX = 0;
    int m_targetY = 0;
    QString m_settingKey;
    QString m_title;
    QTimeLine *m_timeLine = nullptr;
    TrayOptions m_options = Default;
};

//! Where a pop-up of the given size ends up: in the corner given by position
//! of screen, moved along the stack by index heights. screen is the area to
//! place in, with the offsets already taken off its edges.
class ZELGUI_EXPORT ZelTrayPositioningStrategy
{
public:
    //! The top left point of a pop-up of \a size at stack slot \a index in the corner \a position of \a screen.
    static QPoint computeTarget(ZelTrayMessage::TrayPosition position, int index, const QSize &size,
                                const QRect &screen);
};

//! The 5-pixel steps of a slide. init() starts a vertical slide one height
//! away from (x, y) on the outer side of the corner; each step moves 5 pixels
//! towards the target and returns false, leaving point unchanged, once the
//! next step would pass it.
class ZELGUI_EXPORT ZelTrayAnimationStrategy
{
public:
    //! Pixels per step.
    static constexpr int step = 5;

    //! Starts a slide to (\a x, \a y) from one \a height outside the corner \a position.
    void init(ZelTrayMessage::TrayPosition position, int x, int y, int height);
    //! Moves one step up or down towards the target; sets \a point and returns true, or returns false once the target is reached.
    bool stepVertical(bool up, QPoint &point);
    //! Moves one step right or left towards the target; sets \a point and returns true, or returns false once the target is reached.
    bool stepHorizontal(bool right, QPoint &point);

    //! Where the slide stands, x.
    int currentX = 0;
    //! Where the slide stands, y.
    int currentY = 0;
    //! Where the slide ends, x.
    int targetX = 0;
    //! Where the slide ends, y.
    int targetY = 0;
};
