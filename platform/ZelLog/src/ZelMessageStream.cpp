#include <ZelLog/ZelMessageStream.h>

#include "ZelLogInternal.h"

#include <QLocale>

class ZelMessageStreamPrivate
{
public:
    explicit ZelMessageStreamPrivate(const ZelMessage &message)
        : message(message)
        , needsSpace(!message.text().isEmpty())
    {
    }

    // The last copy of the stream is gone: the record is complete.
    ~ZelMessageStreamPrivate() { ZelLogInternal::issue(message); }

    Q_DISABLE_COPY_MOVE(ZelMessageStreamPrivate)

    void append(const QString &item)
    {
        if (needsSpace)
            message.appendText(QStringLiteral(" ") + item);
        else
            message.appendText(item);
        needsSpace = true;
    }

    ZelMessage message;
    bool needsSpace;
};

ZelMessageStream::ZelMessageStream(const ZelMessage &message)
    : d(new ZelMessageStreamPrivate(message))
{
}

ZelMessageStream::ZelMessageStream(const ZelMessageStream &other) = default;
ZelMessageStream &ZelMessageStream::operator=(const ZelMessageStream &other) = default;
ZelMessageStream::~ZelMessageStream() = default;

ZelMessageStream &ZelMessageStream::operator<<(const char *text)
{
    d->append(QString::fromUtf8(text));
    return *this;
}

ZelMessageStream &ZelMessageStream::operator<<(int value)
{
    d->append(QString::number(value));
    return *this;
}

ZelMessageStream &ZelMessageStream::operator<<(double value)
{
    // The shortest text that reads back as the same double: 0.1 stays "0.1".
    d->append(QString::number(value, 'g', QLocale::FloatingPointShortest));
    return *this;
}

ZelMessageStream &ZelMessageStream::operator<<(const QString &text)
{
    d->append(text);
    return *this;
}

ZelMessageStream &ZelMessageStream::operator<<(const QByteArray &text)
{
    d->append(QString::fromUtf8(text));
    return *this;
}

ZelMessageStream &ZelMessageStream::operator<<(char value)
{
    d->append(QString(QLatin1Char(value)));
    return *this;
}

ZelMessageStream &ZelMessageStream::operator<<(bool value)
{
    d->append(value ? QStringLiteral("true") : QStringLiteral("false"));
    return *this;
}

ZelMessageStream &ZelMessageStream::operator<<(unsigned int value)
{
    d->append(QString::number(value));
    return *this;
}

ZelMessageStream &ZelMessageStream::operator<<(long value)
{
    d->append(QString::number(value));
    return *this;
}

ZelMessageStream &ZelMessageStream::operator<<(unsigned long value)
{
    d->append(QString::number(value));
    return *this;
}

ZelMessageStream &ZelMessageStream::operator<<(long long value)
{
    d->append(QString::number(value));
    return *this;
}

ZelMessageStream &ZelMessageStream::operator<<(unsigned long long value)
{
    d->append(QString::number(value));
    return *this;
}

ZelMessage ZelMessageStream::message() const
{
    return d->message;
}
