#include "GalleryLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

GalleryLanguage::GalleryLanguage(QObject *parent)
    : QObject(parent)
    , m_library(new QTranslator(this))
    , m_qt(new QTranslator(this))
{
}

GalleryLanguage *GalleryLanguage::instance()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return nullptr;
    // Found by type among the application's children, so a test's fresh
    // application object gets a fresh instance.
    auto *existing = app->findChild<GalleryLanguage *>(QString(), Qt::FindDirectChildrenOnly);
    return existing ? existing : new GalleryLanguage(app);
}

GalleryLanguage::Language GalleryLanguage::language() const
{
    return m_language;
}

QString GalleryLanguage::libraryTranslationFile(Language language)
{
    // The library numbers its languages on its own: 96 is Russian.
    return language == Russian ? QStringLiteral(":/ZelGui/res/lang/zelgui_96.qm") : QString();
}

QString GalleryLanguage::qtTranslationFile(Language language)
{
    if (language != Russian)
        return QString();
    return QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).filePath(QStringLiteral("qtbase_ru.qm"));
}

bool GalleryLanguage::hasQtTranslation() const
{
    return m_qtInstalled;
}

void GalleryLanguage::removeTranslators()
{
    if (m_libraryInstalled)
        QCoreApplication::removeTranslator(m_library);
    if (m_qtInstalled)
        QCoreApplication::removeTranslator(m_qt);
    m_libraryInstalled = false;
    m_qtInstalled = false;
}

bool GalleryLanguage::setLanguage(Language language)
{
    if (language == m_language)
        return true;
    if (language == Russian) {
        // Load before removing anything, so a failure leaves the language as it was.
        if (!m_library->load(libraryTranslationFile(Russian)))
            return false;
        removeTranslators();
        m_libraryInstalled = QCoreApplication::installTranslator(m_library);
        const QString qtFile = qtTranslationFile(Russian);
        if (QFileInfo::exists(qtFile) && m_qt->load(qtFile))
            m_qtInstalled = QCoreApplication::installTranslator(m_qt);
    } else {
        removeTranslators();
    }
    m_language = language;
    Q_EMIT languageChanged(language);
    return true;
}
