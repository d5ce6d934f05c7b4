#include "IconWriter.h"

#include <QDir>
#include <QPainter>

IconWriter::IconWriter(const QString &directory)
    : m_directory(directory)
{
}

QImage IconWriter::render(const IconRecipe &recipe)
{
    QImage image(recipe.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    recipe.draw(painter, QSizeF(recipe.size));
    painter.end();
    // Straight alpha is what PNG stores; converting here keeps the file
    // independent of how the painter blended.
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool IconWriter::write(const QList<IconRecipe> &recipes)
{
    QDir dir(m_directory);
    if (!dir.mkpath(QStringLiteral("."))) {
        m_error = QStringLiteral("cannot create directory %1").arg(m_directory);
        return false;
    }
    for (const IconRecipe &recipe : recipes) {
        const QString path = dir.filePath(recipe.fileName);
        if (!render(recipe).save(path, "PNG")) {
            m_error = QStringLiteral("cannot write %1").arg(path);
            return false;
        }
        m_written.append(path);
    }
    return true;
}
