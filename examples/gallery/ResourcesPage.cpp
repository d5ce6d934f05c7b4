#include "ResourcesPage.h"

#include "GalleryLanguage.h"

#include <ZelCore/IApplicationWithFontDataBase.h>
#include <ZelGui/ZelGuiSettings.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

const char *const libraryIcons[] = {
    "window_close", "element_remove", "folder_40", "intermediate_slider", "cancel", "messagebox_info", "element_add",
};

// Colour names the library translates (context "ZelCore"), each with the
// colour it names.
struct ColourSample
{
    const char *name;
    Qt::GlobalColor colour;
};
const ColourSample samples[] = {
    {"Black", Qt::black}, {"White", Qt::white},   {"Red", Qt::red},   {"Dark green", Qt::darkGreen},
    {"Blue", Qt::blue},   {"Yellow", Qt::yellow}, {"Gray", Qt::gray}, {"Transparent", Qt::transparent},
};

QLabel *swatch(Qt::GlobalColor colour, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setFixedSize(18, 18);
    label->setStyleSheet(
        colour == Qt::transparent
            ? QStringLiteral("border: 1px dashed palette(mid);")
            : QStringLiteral("border: 1px solid palette(mid); background: %1;").arg(QColor(colour).name()));
    return label;
}

QLabel *monospace(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

ResourcesPage::ResourcesPage(QWidget *parent)
    : GalleryPage(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(createIconGrid());
    layout->addWidget(createTranslationBox());
    layout->addWidget(createFontBox());
    layout->addStretch(1);

    // The library's language setting decides where the page starts.
    m_language->setCurrentIndex(settingLanguage() == QLocale::Russian ? 1 : 0);
    switchLanguage(m_language->currentIndex());
    // Only a choice of the user is stored: merely opening the page leaves the
    // setting at its default.
    connect(m_language, &QComboBox::currentIndexChanged, this, [this](int index) {
        switchLanguage(index);
        settingLanguage(index == 1 ? QLocale::Russian : QLocale::English);
    });
    // The main window's Language menu switches too: the page follows.
    if (GalleryLanguage *language = GalleryLanguage::instance()) {
        connect(language, &GalleryLanguage::languageChanged, this, [this](GalleryLanguage::Language current) {
            const QSignalBlocker blocker(m_language);
            m_language->setCurrentIndex(current == GalleryLanguage::Russian ? 1 : 0);
            showTranslationStatus();
        });
    }
}

ResourcesPage::~ResourcesPage() = default;

QString ResourcesPage::title() const
{
    return QStringLiteral("Resources");
}

QIcon ResourcesPage::icon() const
{
    return QIcon(QStringLiteral(":/MAV/res/icons/gallery_resources.png"));
}

QString ResourcesPage::description() const
{
    return QStringLiteral("The icons and translations embedded in the library, loaded from its resource "
                          "collection as a host application loads them.");
}

QWidget *ResourcesPage::createIconGrid()
{
    auto *box = new QGroupBox(QStringLiteral("Icons"), this);
    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    constexpr int columns = 2;
    int i = 0;
    for (const char *name : libraryIcons) {
        const QString path = QStringLiteral(":/ZelGui/res/icons/%1.png").arg(QLatin1String(name));
        const QPixmap pixmap(path);

        auto *picture = new QLabel(box);
        picture->setFixedSize(48, 48);
        picture->setAlignment(Qt::AlignCenter);
        picture->setFrameShape(QFrame::StyledPanel);
        picture->setBackgroundRole(QPalette::Base);
        picture->setAutoFillBackground(true);
        if (pixmap.isNull())
            picture->setText(QStringLiteral("?"));
        else
            picture->setPixmap(pixmap);

        auto *text = new QVBoxLayout;
        text->setSpacing(2);
        auto *nameLabel = new QLabel(
            QStringLiteral("<b>%1</b>&nbsp;&nbsp;%2")
                .arg(QLatin1String(name),
                     pixmap.isNull() ? QStringLiteral("<span style='color:#c62828'>missing</span>")
                                     : QStringLiteral("%1 \u00d7 %2").arg(pixmap.width()).arg(pixmap.height())),
            box);
        text->addWidget(nameLabel);
        text->addWidget(monospace(path, box));

        const int row = i / columns;
        const int column = (i % columns) * 2;
        grid->addWidget(picture, row, column);
        grid->addLayout(text, row, column + 1);
        ++i;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget *ResourcesPage::createTranslationBox()
{
    auto *box = new QGroupBox(QStringLiteral("Translations"), this);
    auto *layout = new QVBoxLayout(box);

    m_language = new QComboBox(box);
    m_language->addItem(QStringLiteral("English"));
    m_language->addItem(QStringLiteral("Русский (Russian)"));
    m_translationStatus = new QLabel(box);
    m_translationStatus->setWordWrap(true);

    auto *choice = new QHBoxLayout;
    choice->addWidget(new QLabel(QStringLiteral("Language:"), box));
    choice->addWidget(m_language);
    choice->addWidget(m_translationStatus, 1);
    layout->addLayout(choice);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    constexpr int columns = 4;
    int i = 0;
    for (const ColourSample &sample : samples) {
        auto *cell = new QHBoxLayout;
        cell->setSpacing(8);
        cell->addWidget(swatch(sample.colour, box));
        auto *label = new QLabel(box);
        label->setMinimumWidth(160);
        m_sampleLabels.append(label);
        cell->addWidget(label, 1);
        grid->addLayout(cell, i / columns, i % columns);
        ++i;
    }
    layout->addLayout(grid);
    auto *note = new QLabel(QStringLiteral("Colour names as the library translates them "
                                           "(QCoreApplication::translate, context \"ZelCore\")."),
                            box);
    note->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(note);
    return box;
}

QWidget *ResourcesPage::createFontBox()
{
    auto *box = new QGroupBox(QStringLiteral("Fonts"), this);
    auto *layout = new QVBoxLayout(box);
    auto *label = new QLabel(box);
    label->setWordWrap(true);
    layout->addWidget(label);

    auto *app = dynamic_cast<IApplicationWithFontDataBase *>(QCoreApplication::instance());
    ZelFontDataBase *fonts = app ? app->fontDataBase() : nullptr;
    if (!fonts) {
        label->setText(QStringLiteral("The application offers no font database."));
        return box;
    }
    const QStringList families = fonts->supportedFontFamilies();
    label->setText(QStringLiteral("The application's font database offers %1 families: %2.")
                       .arg(families.size())
                       .arg(families.join(QStringLiteral(", "))));
    return box;
}

void ResourcesPage::switchLanguage(int index)
{
    GalleryLanguage *language = GalleryLanguage::instance();
    const auto wanted = index == 1 ? GalleryLanguage::Russian : GalleryLanguage::English;
    if (!language || !language->setLanguage(wanted)) {
        m_translationStatus->setText(QStringLiteral("<span style='color:#c62828'>Could not load %1.</span>")
                                         .arg(GalleryLanguage::libraryTranslationFile(wanted)));
        return;
    }
    showTranslationStatus();
    // Switching to the language already set sends no LanguageChange.
    retranslateSamples();
}

void ResourcesPage::showTranslationStatus()
{
    GalleryLanguage *language = GalleryLanguage::instance();
    if (!language || language->language() == GalleryLanguage::English) {
        m_translationStatus->setText(QStringLiteral("No translator installed: the source texts are English."));
        return;
    }
    const QString file = GalleryLanguage::libraryTranslationFile(GalleryLanguage::Russian);
    QString text = QStringLiteral("Translator installed from %1 (%2 bytes).").arg(file).arg(QFile(file).size());
    text += language->hasQtTranslation()
        ? QStringLiteral(" Qt's own texts from %1.").arg(GalleryLanguage::qtTranslationFile(GalleryLanguage::Russian))
        : QStringLiteral(" Qt's own texts stay English (no %1).")
              .arg(GalleryLanguage::qtTranslationFile(GalleryLanguage::Russian));
    m_translationStatus->setText(text);
}

void ResourcesPage::retranslateSamples()
{
    for (int i = 0; i < m_sampleLabels.size(); ++i) {
        const char *name = samples[i].name;
        const QString translated = QCoreApplication::translate("ZelCore", name);
        m_sampleLabels.at(i)->setText(
            translated == QLatin1String(name)
                ? translated
                : QStringLiteral("%1 <span style='color:gray'>(%2)</span>").arg(translated, QLatin1String(name)));
    }
}

void ResourcesPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateSamples();
    GalleryPage::changeEvent(event);
}
