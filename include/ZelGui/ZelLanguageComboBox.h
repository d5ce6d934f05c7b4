#pragma once

#include <ZelGui/zelgui_export.h>

#include <QComboBox>
#include <QList>
#include <QLocale>

//! Chooses a language. Each entry shows the language's name with the host's
//! flag icon ":MAV/res/icons/lang/<name>.png" (the lower-cased English name,
//! ":MAV/res/icons/lang/null.png" when the host has none) and keeps the
//! QLocale::Language under Qt::UserRole. Adding a language selects it.
//!
//! languageChanged() follows every change of the current entry, by the user
//! or from code (adding a language included); emptying the box announces
//! QLocale::AnyLanguage.
class ZELGUI_EXPORT ZelLanguageComboBox : public QComboBox
{
    Q_OBJECT
public:
    //! Creates an empty box; \a parent owns it.
    explicit ZelLanguageComboBox(QWidget *parent = nullptr);
    //! Destroys the box.
    ~ZelLanguageComboBox() override;

    //! addLanguage() for each, in order: the last one ends up selected.
    void setLanguages(const QList<QLocale::Language> &languages);
    //! Appends the language unless it is listed, and selects it.
    void addLanguage(QLocale::Language language);
    //! The first entry holding the language, or -1.
    int languageIndex(QLocale::Language language) const;
    //! The current entry's language; QLocale::AnyLanguage when there is none.
    QLocale::Language currentLanguage() const;

Q_SIGNALS:
    //! The current entry changed; \a language is its language (QLocale::AnyLanguage once the box is empty).
    void languageChanged(QLocale::Language language);

public Q_SLOTS:
    //! Selects the language, adding it when it is not listed.
    void setCurrentLanguage(QLocale::Language lang);

private Q_SLOTS:
    void slotChangeCurrentIndex(int index);

private:
    void selectIndex(int index);

    bool m_settingIndex = false;
};
