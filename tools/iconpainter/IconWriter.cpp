#include "IconWriter.h"

#include <QDir>
#include <QPainter>

IconWriter::IconWriter(const QString &directory)
    : m_directory(directory)
{
}

QImage IconWriter::render(const IconRecipe &recipe, int scale)
{
    // The same drawing at a larger scale: the painter is scaled, so the
    // @2x picture is drawn at its own resolution, not enlarged from the 1x.
    QImage image(recipe.size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
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
        // Each icon once at 1x and once as the "@2x" sibling that QIcon and
        // QPixmap pick at device pixel ratio 2.
        const QString base = recipe.fileName.chopped(4);
        for (int scale : {1, 2}) {
            const QString path = dir.filePath(scale == 1 ? recipe.fileName : base + QLatin1String("@2x.png"));
            if (!render(recipe, scale).save(path, "PNG")) {
                m_error = QStringLiteral("cannot write %1").arg(path);
                return false;
            }
            m_written.append(path);
        }
    }
    return true;
}
