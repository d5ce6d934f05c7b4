#pragma once

#include <ZelGui/zelgui_export.h>

#include <QString>

//! What a long operation reports its progress through, without knowing the
//! widget that shows it. Implementations are GUI widgets: callers on other
//! threads reach them through queued calls.
class ZELGUI_EXPORT IProgressReporter
{
public:
    //! Destroys the reporter.
    virtual ~IProgressReporter();

    //! Percent, 0 to 100.
    virtual void setProgress(int value) = 0;
    //! A line of text saying what the operation is doing now.
    virtual void setStatus(const QString &text) = 0;
    //! A busy indication instead of a percentage while on.
    virtual void setIndeterminate(bool on) = 0;
};
