#pragma once

#include <ZelGui/zelgui_export.h>

#include <QFrame>
#include <QSize>

class QLabel;
class QProgressBar;
class QPushButton;

//! A frameless, always-on-top busy indicator: a line of text over a busy
//! progress bar and, when constructed with a button text, a button (usually
//! "Cancel"). While that button is not hidden, the indicator swallows every
//! mouse click and key event of the application except the clicks on its
//! button, so the user can only wait or press it.
//!
//! A top-level window without parent: the caller owns and deletes it.
//! progress() returns the bar, owned by the indicator.
class ZELGUI_EXPORT ZelInfiniteProgressDialog : public QFrame
{
    Q_OBJECT
    //! A text kept for the caller (see text()).
    Q_PROPERTY(QString text READ text WRITE setText)
    //! Whether the busy bar is shown; true by default.
    Q_PROPERTY(bool progressBarVisible READ isProgressBarVisible WRITE setProgressBarVisible)
public:
    //! Creates the indicator, with a button showing \a buttonText unless it is empty, and starts filtering the application's events. The caller owns the indicator.
    explicit ZelInfiniteProgressDialog(const QString &buttonText = QString());
    //! Destroys the indicator and stops filtering.
    ~ZelInfiniteProgressDialog() override;

    //! A text kept for the caller; it is not shown.
    QString text() const;
    //! Sets the kept text.
    void setText(const QString &text);
    //! The visible line above the bar.
    QString operationText() const;
    //! Sets the visible line above the bar.
    void setOperationText(const QString &text);

    //! Whether the busy bar is not hidden.
    bool isProgressBarVisible() const;
    //! Shows or hides the busy bar.
    void setProgressBarVisible(bool visible);
    //! The busy bar, owned by the indicator.
    QProgressBar *progress() const;

    //! Empty, and ignored when setting, if there is no button.
    QString buttonText() const;
    //! Sets the button's text.
    void setButtonText(const QString &text);
    //! Whether there is a button and it is not hidden.
    bool isButtonVisible() const;
    //! Shows or hides the button; hiding it ends the blocking of input.
    void setButtonVisible(bool visible);

    //! The size of the indicator with its button row.
    QSize sizeHint() const override;
    //! Swallows the application's clicks and key events, except those on the
    //! button, while the indicator is visible and its button is not hidden.
    bool eventFilter(QObject *watched, QEvent *event) override;

Q_SIGNALS:
    //! The button was clicked.
    void buttonClicked();

private:
    bool isBlocking() const;

    QLabel *m_textLabel = nullptr;
    QLabel *m_operationLabel = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QPushButton *m_button = nullptr;
    QSize m_sizeHint;
};
