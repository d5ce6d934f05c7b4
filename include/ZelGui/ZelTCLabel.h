#pragma once

#include <ZelGui/zelgui_export.h>

#include <QLabel>

//! A label whose text may be set from any thread: setLabelText() queues the
//! change to the label's own thread, where it takes effect the next time
//! that thread's event loop runs (also when called from the label's thread).
//! A change still queued when the label is destroyed is dropped.
class ZELGUI_EXPORT ZelTCLabel : public QLabel
{
    Q_OBJECT
public:
    //! Creates an empty label; \a parent owns it.
    explicit ZelTCLabel(QWidget *parent = nullptr);
    //! Destroys the label, dropping a queued change.
    ~ZelTCLabel() override;

    //! Thread-safe.
    void setLabelText(QString const &text);
    //! Same as setLabelText().
    void Set(QString const &text);
    //! The text shown now; call on the label's thread.
    QString labelText() const;

    //! Does nothing. Queued after a text change it runs once that change has
    //! been applied, which lets a caller wait for it.
    Q_INVOKABLE void Apply();
};
