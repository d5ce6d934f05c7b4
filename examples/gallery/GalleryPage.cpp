#include "GalleryPage.h"

#include <QRegularExpression>

GalleryPage::GalleryPage(QWidget *parent)
    : QWidget(parent)
{
}

QString GalleryPage::description() const
{
    return QString();
}

QString GalleryPage::slug() const
{
    static const QRegularExpression notWordChars(QStringLiteral("[^a-z0-9]+"));
    QString slug = title().toLower().replace(notWordChars, QStringLiteral("-"));
    while (slug.startsWith(QLatin1Char('-')))
        slug.remove(0, 1);
    while (slug.endsWith(QLatin1Char('-')))
        slug.chop(1);
    return slug.isEmpty() ? QStringLiteral("page") : slug;
}
