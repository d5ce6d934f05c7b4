#pragma once

#include <ZelLog/ZelMessage.h>
#include <ZelLog/zellog_export.h>

#include <QByteArray>
#include <QSharedPointer>
#include <QString>

class ZelMessageStreamPrivate;

// Collects the text of one record. Copies share the record; it is issued to
// the log sink once, when the last copy is destroyed.
class ZELLOG_EXPORT ZelMessageStream
{
public:
    explicit ZelMessageStream(const ZelMessage &message);
    ZelMessageStream(const ZelMessageStream &other);
    ZelMessageStream &operator=(const ZelMessageStream &other);
    ~ZelMessageStream();

    // Items are joined by one space, like qDebug().
    ZelMessageStream &operator<<(const char *text);
    ZelMessageStream &operator<<(int value);
    ZelMessageStream &operator<<(double value);
    ZelMessageStream &operator<<(const QString &text);
    ZelMessageStream &operator<<(const QByteArray &text);
    // Without these, sizes and other integers would be ambiguous between
    // int and double.
    ZelMessageStream &operator<<(char value);
    ZelMessageStream &operator<<(bool value);
    ZelMessageStream &operator<<(unsigned int value);
    ZelMessageStream &operator<<(long value);
    ZelMessageStream &operator<<(unsigned long value);
    ZelMessageStream &operator<<(long long value);
    ZelMessageStream &operator<<(unsigned long long value);

    // The record as collected so far.
    ZelMessage message() const;

private:
    QSharedPointer<ZelMessageStreamPrivate> d;
};
