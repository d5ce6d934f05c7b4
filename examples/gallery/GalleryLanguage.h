#pragma once

#include <QObject>

class QTranslator;

// The language the gallery runs in, switched while it runs. Russian installs
// the library's translation from its resources and, when the system has it,
// Qt's own (qtbase_ru.qm) for the texts of Qt's dialogs and buttons; English
// removes both, the source texts being English. Installing or removing a
// translator sends QEvent::LanguageChange to every widget, which is how the
// library's widgets retranslate themselves.
//
// The gallery's own texts stay English by design: it is a developer's
// showcase, and only what the library shows is translated.
class GalleryLanguage : public QObject
{
    Q_OBJECT
public:
    enum Language { English, Russian };
    Q_ENUM(Language)

    // The one instance, a child of the application object; nullptr without
    // an application.
    static GalleryLanguage *instance();

    Language language() const;
    // Installs the translators of `language`. False when the library's
    // translation cannot be loaded: the language then stays what it was.
    bool setLanguage(Language language);

    // Whether Qt's own Russian translation was found and installed.
    bool hasQtTranslation() const;

    static QString libraryTranslationFile(Language language);
    static QString qtTranslationFile(Language language);

Q_SIGNALS:
    void languageChanged(GalleryLanguage::Language language);

private:
    explicit GalleryLanguage(QObject *parent);
    void removeTranslators();

    QTranslator *m_library = nullptr;
    QTranslator *m_qt = nullptr;
    bool m_libraryInstalled = false;
    bool m_qtInstalled = false;
    Language m_language = English;
};
