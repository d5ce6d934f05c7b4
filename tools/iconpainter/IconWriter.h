#pragma once

#include "IconRecipe.h"

#include <QImage>
#include <QList>
#include <QString>

// Renders recipes and writes them as PNG files into one directory.
class IconWriter
{
public:
    explicit IconWriter(const QString &directory);

    static QImage render(const IconRecipe &recipe);

    // Writes every recipe; false (with errorString() set) at the first file
    // that cannot be written. Each written path goes to writtenFiles().
    bool write(const QList<IconRecipe> &recipes);

    QString errorString() const { return m_error; }
    QStringList writtenFiles() const { return m_written; }

private:
    QString m_directory;
    QString m_error;
    QStringList m_written;
};
