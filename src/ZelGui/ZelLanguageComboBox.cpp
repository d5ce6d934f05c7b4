#include <ZelGui/ZelLanguageComboBox.h>

#include <QFileInfo>
#include <QIcon>

ZelLanguageComboBox::ZelLanguageComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setDuplicatesEnabled(false);
    connect(this, &QComboBox::currentIndexChanged, this, &ZelLanguageComboBox::slotChangeCurrentIndex);
}

ZelLanguageComboBox::~ZelLanguageComboBox() = default;

void ZelLanguageComboBox::setLanguages(const QList<QLocale::Language> &languages)
{
    for (QLocale::Language language : languages)
        addLanguage(language);
}

void ZelLanguageComboBox::addLanguage(QLocale::Language language)
{
    int index = languageIndex(language);
    if (index == -1) {
        const QString name = QLocale::languageToString(language);
        QString iconPath = QStringLiteral(":MAV/res/icons/lang/%1.png").arg(name.toLower());
        if (!QFileInfo::exists(iconPath))
            iconPath = QStringLiteral(":MAV/res/icons/lang/null.png");
        addItem(QIcon(iconPath), name, QVariant::fromValue(language));
        index = count() - 1;
    }
    selectIndex(index);
}

int ZelLanguageComboBox::languageIndex(QLocale::Language language) const
{
    const int n = count();
    for (int i = 0; i < n; ++i) {
        const QVariant data = itemData(i, Qt::UserRole);
        if (data.isValid() && data.value<QLocale::Language>() == language)
            return i;
    }
    return -1;
}

QLocale::Language ZelLanguageComboBox::currentLanguage() const
{
    const QVariant data = currentData(Qt::UserRole);
    return data.isValid() ? data.value<QLocale::Language>() : QLocale::AnyLanguage;
}

void ZelLanguageComboBox::setCurrentLanguage(QLocale::Language lang)
{
    if (m_settingIndex)
        return;
    const int index = languageIndex(lang);
    if (index == -1)
        addLanguage(lang);
    else
        selectIndex(index);
}

void ZelLanguageComboBox::slotChangeCurrentIndex(int index)
{
    const QVariant data = itemData(index, Qt::UserRole);
    Q_EMIT languageChanged(data.isValid() ? data.value<QLocale::Language>() : QLocale::AnyLanguage);
}

void ZelLanguageComboBox::selectIndex(int index)
{
    // Marks the selection as ours, so that receivers of languageChanged()
    // answering with setCurrentLanguage() do not start another round.
    m_settingIndex = true;
    setCurrentIndex(index);
    m_settingIndex = false;
}
