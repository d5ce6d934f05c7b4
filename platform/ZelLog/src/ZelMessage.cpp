#include <ZelLog/ZelMessage.h>

#include "ZelLogInternal.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDebug>
#include <QSharedData>

class ZelMessagePrivate : public QSharedData
{
public:
    ZelLog::MessageType type = ZelLog::Logging;
    QString module;
    QString function;
    QString file;
    QString text;
    QDateTime timestamp;
    int line = 0;
    Issue::ID issue = Issue::None;
};

namespace {

// A default message has no private block at all, so that zero-initialised
// storage (statics before their constructors ran) already is one.
const ZelMessagePrivate &fields(const ZelMessagePrivate *d)
{
    static const ZelMessagePrivate empty;
    return d ? *d : empty;
}

// Bumped when the streamed layout changes.
constexpr quint8 StreamVersion = 1;

} // namespace

ZelMessage::ZelMessage() = default;

ZelMessage::ZelMessage(ZelLog::MessageType type, const QString &module, const QString &function, const QString &file,
                       int line, Issue::ID issue, const QString &text)
    : d(new ZelMessagePrivate)
{
    d->type = type;
    d->module = module;
    d->function = function;
    d->file = file;
    d->line = line;
    d->issue = issue;
    d->text = text;
    // UTC: cheap to take from many threads, converted for display only.
    d->timestamp = QDateTime::currentDateTimeUtc();
}

ZelMessage::ZelMessage(const ZelMessage &other) = default;
ZelMessage &ZelMessage::operator=(const ZelMessage &other) = default;
ZelMessage::~ZelMessage() = default;

ZelLog::MessageType ZelMessage::messageType() const
{
    return fields(d.constData()).type;
}

QString ZelMessage::module() const
{
    return fields(d.constData()).module;
}

QString ZelMessage::function() const
{
    return fields(d.constData()).function;
}

QString ZelMessage::file() const
{
    return fields(d.constData()).file;
}

int ZelMessage::line() const
{
    return fields(d.constData()).line;
}

Issue::ID ZelMessage::issueID() const
{
    return fields(d.constData()).issue;
}

QString ZelMessage::text() const
{
    return fields(d.constData()).text;
}

QDateTime ZelMessage::timestamp() const
{
    return fields(d.constData()).timestamp;
}

void ZelMessage::setText(const QString &text)
{
    if (!d)
        d = new ZelMessagePrivate;
    d->text = text;
}

void ZelMessage::appendText(const QString &text)
{
    if (!d)
        d = new ZelMessagePrivate;
    d->text += text;
}

QString ZelMessage::toTextParagraph() const
{
    const ZelMessagePrivate &f = fields(d.constData());

    QString heading = ZelLogInternal::typeName(f.type);
    if (f.issue != Issue::None)
        heading += QLatin1Char(' ') + Issue::readableID(f.issue);

    QString origin = f.function.toHtmlEscaped();
    if (!f.file.isEmpty()) {
        QString place = f.file.toHtmlEscaped();
        if (f.line > 0)
            place += QLatin1Char(':') + QString::number(f.line);
        origin = origin.isEmpty() ? place : origin + QLatin1String(", ") + place;
    }

    QString html = QLatin1String("<p><b>") + heading + QLatin1String(":</b> ") + f.text.toHtmlEscaped();
    if (!origin.isEmpty())
        html += QLatin1String(" <small>(") + origin + QLatin1String(")</small>");
    html += QLatin1String("</p>");
    return html;
}

bool ZelMessage::operator==(const ZelMessage &other) const
{
    if (d == other.d)
        return true;
    const ZelMessagePrivate &a = fields(d.constData());
    const ZelMessagePrivate &b = fields(other.d.constData());
    // The timestamp says when, not what: two reports of the same thing are equal.
    return a.type == b.type && a.line == b.line && a.issue == b.issue && a.module == b.module
        && a.function == b.function && a.file == b.file && a.text == b.text;
}

QDataStream &operator<<(QDataStream &out, const ZelMessage &message)
{
    out << StreamVersion << qint32(message.messageType()) << message.module() << message.function() << message.file()
        << qint32(message.line()) << qint32(message.issueID()) << message.text() << message.timestamp();
    return out;
}

QDataStream &operator>>(QDataStream &in, ZelMessage &message)
{
    quint8 version = 0;
    qint32 type = 0;
    qint32 line = 0;
    qint32 issue = 0;
    QString module;
    QString function;
    QString file;
    QString text;
    QDateTime timestamp;
    in >> version;
    if (in.status() != QDataStream::Ok)
        return in;
    if (version != StreamVersion) {
        in.setStatus(QDataStream::ReadCorruptData);
        return in;
    }
    in >> type >> module >> function >> file >> line >> issue >> text >> timestamp;
    if (in.status() != QDataStream::Ok)
        return in;
    if (type < ZelLog::Error || type > ZelLog::Profiling) {
        in.setStatus(QDataStream::ReadCorruptData);
        return in;
    }

    ZelMessage result(ZelLog::MessageType(type), module, function, file, line, issue, text);
    result.d->timestamp = timestamp;
    message = result;
    return in;
}

QDebug operator<<(QDebug debug, const ZelMessage &message)
{
    QDebugStateSaver saver(debug);
    debug.nospace().noquote() << "ZelMessage(" << ZelLogInternal::typeName(message.messageType()) << ", "
                              << ZelLogInternal::compactLine(message) << ')';
    return debug;
}
