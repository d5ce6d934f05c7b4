#pragma once

#include <QSize>
#include <QString>

#include <functional>

class QPainter;

// One icon: the file it goes to, its pixel size, and how to draw it. The
// drawing gets an antialiased painter on a transparent image of that size.
struct IconRecipe
{
    QString fileName;
    QSize size;
    std::function<void(QPainter &painter, const QSizeF &size)> draw;
};
