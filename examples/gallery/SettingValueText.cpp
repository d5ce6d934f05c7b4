#include "SettingValueText.h"

#include <QAssociativeIterable>
#include <QDebug>
#include <QSequentialIterable>
#include <QtNumeric>

namespace {

QString typeName(QMetaType type)
{
    return type.isValid() ? QString::fromLatin1(type.name()) : QStringLiteral("invalid");
}

// "QHash<QByteArray,QString>" reads as "QHash" in a summary.
QString containerName(QMetaType type)
{
    QString name = typeName(type);
    const qsizetype angle = name.indexOf(QLatin1Char('<'));
    if (angle > 0)
        name.truncate(angle);
    return name;
}

QString entries(qsizetype count)
{
    return count == 1 ? QStringLiteral("1 entry") : QStringLiteral("%1 entries").arg(count);
}

bool isPrintableUtf8(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes)
        return false;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QString debugText(const QVariant &value)
{
    QMetaType type = value.metaType();
    if (!type.hasRegisteredDebugStreamOperator())
        return QStringLiteral("(%1 value)").arg(typeName(type));
    QString text;
    QDebug stream(&text);
    stream.nospace().noquote();
    type.debugStream(stream, value.constData());
    return text;
}

QString shortened(const QString &text)
{
    QString line = text.simplified();
    if (line.size() > SettingValueText::MaxDisplayLength) {
        line.truncate(SettingValueText::MaxDisplayLength - 1);
        line.append(QChar(0x2026));
    }
    return line;
}

// The integer types share their parsing; T is the target type.
template<typename T, typename Parse>
QVariant parseInteger(const QString &text, Parse parse, const char *what, QString *error)
{
    bool ok = false;
    const T number = parse(text.trimmed(), &ok);
    if (!ok) {
        if (error)
            *error = QStringLiteral("\"%1\" is not %2").arg(text, QLatin1String(what));
        return QVariant();
    }
    return QVariant::fromValue<T>(number);
}

} // namespace

bool SettingValueText::isEditableType(QMetaType type)
{
    switch (type.id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return true;
    default:
        return false;
    }
}

bool SettingValueText::isEditable(const QVariant &value)
{
    if (!isEditableType(value.metaType()))
        return false;
    if (value.metaType().id() == QMetaType::QByteArray)
        return isPrintableUtf8(value.toByteArray());
    return true;
}

QString SettingValueText::display(const QVariant &value)
{
    if (!value.isValid())
        return QString();
    const QMetaType type = value.metaType();
    switch (type.id()) {
    case QMetaType::QString:
        return shortened(value.toString());
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        if (isPrintableUtf8(bytes))
            return shortened(QString::fromUtf8(bytes));
        return QStringLiteral("QByteArray (%1 bytes)").arg(bytes.size());
    }
    default:
        break;
    }
    if (isEditableType(type))
        return value.toString();
    if (value.canConvert<QAssociativeIterable>())
        return QStringLiteral("%1 (%2)").arg(containerName(type), entries(value.value<QAssociativeIterable>().size()));
    if (value.canConvert<QSequentialIterable>())
        return QStringLiteral("%1 (%2)").arg(containerName(type), entries(value.value<QSequentialIterable>().size()));
    return shortened(debugText(value));
}

QString SettingValueText::details(const QVariant &value)
{
    if (!value.isValid())
        return QString();
    if (isEditable(value))
        return value.toString();
    if (value.metaType().id() == QMetaType::QByteArray)
        return QStringLiteral("%1 bytes: %2")
            .arg(value.toByteArray().size())
            .arg(QString::fromLatin1(value.toByteArray().toHex(' ')));
    return debugText(value);
}

QString SettingValueText::editText(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QByteArray)
        return QString::fromUtf8(value.toByteArray());
    return value.toString();
}

QVariant SettingValueText::fromText(const QString &text, QMetaType type, QString *error)
{
    switch (type.id()) {
    case QMetaType::Int:
        return parseInteger<int>(
            text, [](const QString &t, bool *ok) { return t.toInt(ok); }, "an integer", error);
    case QMetaType::UInt:
        return parseInteger<uint>(
            text, [](const QString &t, bool *ok) { return t.toUInt(ok); }, "a non-negative integer", error);
    case QMetaType::LongLong:
        return parseInteger<qlonglong>(
            text, [](const QString &t, bool *ok) { return t.toLongLong(ok); }, "an integer", error);
    case QMetaType::ULongLong:
        return parseInteger<qulonglong>(
            text, [](const QString &t, bool *ok) { return t.toULongLong(ok); }, "a non-negative integer", error);
    case QMetaType::Double:
    case QMetaType::Float: {
        bool ok = false;
        const double number = text.trimmed().toDouble(&ok);
        const bool isFloat = type.id() == QMetaType::Float;
        // A value that overflows float would be stored as infinity.
        if (!ok || !qIsFinite(number) || (isFloat && !qIsFinite(float(number)))) {
            if (error)
                *error = QStringLiteral("\"%1\" is not a finite number").arg(text);
            return QVariant();
        }
        return isFloat ? QVariant::fromValue(float(number)) : QVariant::fromValue(number);
    }
    case QMetaType::Bool: {
        const QString word = text.trimmed().toLower();
        if (word == QLatin1String("true") || word == QLatin1String("1"))
            return QVariant::fromValue(true);
        if (word == QLatin1String("false") || word == QLatin1String("0"))
            return QVariant::fromValue(false);
        if (error)
            *error = QStringLiteral("\"%1\" is not true or false").arg(text);
        return QVariant();
    }
    case QMetaType::QString:
        return QVariant::fromValue(text);
    case QMetaType::QByteArray:
        return QVariant::fromValue(text.toUtf8());
    default:
        if (error)
            *error = QStringLiteral("values of type %1 cannot be typed in").arg(typeName(type));
        return QVariant();
    }
}

QVariant SettingValueText::coerce(const QVariant &value, QMetaType type)
{
    if (!value.isValid() || !type.isValid() || value.metaType() == type)
        return value;
    QVariant converted = value;
    if (!converted.convert(type))
        return value;
    return converted;
}
