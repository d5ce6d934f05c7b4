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
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(bool progressBarVisible READ isProgressBarVisible WRITE setProgressBarVisible)
public:
    explicit ZelInfiniteProgressDialog(const QString &buttonText = QString());
    ~ZelInfiniteProgressDialog() override;

    //! A text kept for the caller; it is not shown.
    QString text() const;
    void setText(const QString &text);
    //! The visible line above the bar.
    QString operationText() const;
    void setOperationText(const QString &text);

    bool isProgressBarVisible() const;
    void setProgressBarVisible(bool visible);
    QProgressBar *progress() const;

    //! Empty, and ignored when setting, if there is no button.
    QString buttonText() const;
    void setButtonText(const QString &text);
    bool isButtonVisible() const;
    void setButtonVisible(bool visible);

    QSize sizeHint() const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

Q_SIGNALS:
    void buttonClicked();

private:
    bool isBlocking() const;

    QLabel *m_textLabel = nullptr;
    QLabel *m_operationLabel = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QPushButton *m_button = nullptr;
    QSize m_sizeHint;
};
