#pragma once

#include "IconRecipe.h"

#include <QImage>
#include <QList>
#include <QString>

// Renders recipes and writes them as PNG files into one directory, each at
// 1x and as "<name>@2x.png" at twice the size.
class IconWriter
{
public:
    explicit IconWriter(const QString &directory);

    // The recipe at scale times its size (1 or 2 for the @2x file).
    static QImage render(const IconRecipe &recipe, int scale = 1);

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
