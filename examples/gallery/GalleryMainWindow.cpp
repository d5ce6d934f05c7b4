#include "GalleryMainWindow.h"

#include "GalleryLanguage.h"
#include "GalleryPage.h"
#include "pages.h"

#include <ZelCore/ZelAbstractAppConfig.h>
#include <ZelGui/ZelGuiSettings.h>

#include <QActionGroup>

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>

GalleryMainWindow::GalleryMainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_list(new QListWidget(this))
    , m_stack(new QStackedWidget(this))
{
    m_list->setIconSize(QSize(24, 24));
    m_list->setSpacing(2);
    m_list->setFixedWidth(200);
    m_list->setUniformItemSizes(true);

    // The library's language setting decides the language the pages start in.
    if (GalleryLanguage *language = GalleryLanguage::instance())
        language->setLanguage(settingLanguage() == QLocale::Russian ? GalleryLanguage::Russian
                                                                    : GalleryLanguage::English);
    createLanguageMenu();

    m_pages = createGalleryPages();
    for (GalleryPage *page : std::as_const(m_pages)) {
        auto *item = new QListWidgetItem(page->icon(), page->title(), m_list);
        item->setToolTip(page->description());
        m_stack->addWidget(frameFor(page));
    }

    auto *central = new QWidget(this);
    auto *layout = new QHBoxLayout(central);
    layout->addWidget(m_list);
    layout->addWidget(m_stack, 1);
    setCentralWidget(central);

    const QString ini = ZelAbstractAppConfig::iniFile();
    statusBar()->addWidget(new QLabel(ini.isEmpty() ? QStringLiteral("Settings kept in memory")
                                                    : QStringLiteral("Settings: %1").arg(ini)));

    connect(m_list, &QListWidget::currentRowChanged, m_stack, &QStackedWidget::setCurrentIndex);
    if (!m_pages.isEmpty())
        m_list->setCurrentRow(0);
}

void GalleryMainWindow::createLanguageMenu()
{
    GalleryLanguage *language = GalleryLanguage::instance();
    QMenu *menu = menuBar()->addMenu(QStringLiteral("&Language"));
    m_languages = new QActionGroup(this);
    m_languages->setExclusive(true);
    const struct
    {
        GalleryLanguage::Language language;
        QString text;
    } choices[] = {
        {GalleryLanguage::English, QStringLiteral("&English")},
        {GalleryLanguage::Russian, QStringLiteral("&Русский (Russian)")},
    };
    for (const auto &choice : choices) {
        QAction *action = menu->addAction(choice.text);
        action->setCheckable(true);
        action->setData(int(choice.language));
        action->setChecked(language && language->language() == choice.language);
        m_languages->addAction(action);
    }
    if (!language)
        return;
    // A choice of the user is kept in the library's setting, as the
    // Resources page's does.
    const auto showLanguage = [this](GalleryLanguage::Language current) {
        const QList<QAction *> actions = m_languages->actions();
        for (QAction *action : actions)
            action->setChecked(action->data().toInt() == int(current));
    };
    connect(m_languages, &QActionGroup::triggered, this, [this, language, showLanguage](QAction *action) {
        const auto chosen = GalleryLanguage::Language(action->data().toInt());
        if (language->setLanguage(chosen)) {
            settingLanguage(chosen == GalleryLanguage::Russian ? QLocale::Russian : QLocale::English);
        } else {
            showLanguage(language->language());
            statusBar()->showMessage(
                QStringLiteral("Could not load %1.").arg(GalleryLanguage::libraryTranslationFile(chosen)), 5000);
        }
    });
    // The Resources page switches too: the menu follows whoever switched.
    connect(language, &GalleryLanguage::languageChanged, this, showLanguage);
}

QWidget *GalleryMainWindow::frameFor(GalleryPage *page)
{
    auto *frame = new QWidget(m_stack);
    auto *title = new QLabel(page->title(), frame);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto *description = new QLabel(page->description(), frame);
    description->setWordWrap(true);
    description->setVisible(!page->description().isEmpty());

    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(8, 4, 4, 4);
    layout->addWidget(title);
    layout->addWidget(description);
    layout->addSpacing(6);
    page->setParent(frame);
    layout->addWidget(page, 1);
    return frame;
}

int GalleryMainWindow::pageCount() const
{
    return int(m_pages.size());
}

GalleryPage *GalleryMainWindow::page(int index) const
{
    return m_pages.value(index, nullptr);
}

int GalleryMainWindow::currentPage() const
{
    return m_stack->currentIndex();
}

void GalleryMainWindow::setCurrentPage(int index)
{
    m_list->setCurrentRow(index);
}
