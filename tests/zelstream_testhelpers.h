#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

template<typename... Values>
QByteArray streamed(const Values &...values)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    (out << ... << values);
    return bytes;
}

// Reads target from bytes; atEnd tells whether every byte was consumed.
template<typename T>
QDataStream::Status readInto(const QByteArray &bytes, T &target, bool *atEnd = nullptr)
{
    QDataStream in(bytes);
    in >> target;
    if (atEnd)
        *atEnd = in.atEnd();
    return in.status();
}

template<typename T>
T readBack(const QByteArray &bytes, QDataStream::Status *status = nullptr)
{
    T value;
    const QDataStream::Status result = readInto(bytes, value);
    if (status)
        *status = result;
    return value;
}
