#include "ValuesPage.h"

#include "GalleryLabels.h"
#include "ValuesDemos.h"

#include <ZelGui/ZelBoolComboBox.h>
#include <ZelGui/ZelEnumComboBox.h>
#include <ZelGui/ZelFontFamilyCombobox.h>
#include <ZelGui/ZelImageFormatComboBox.h>
#include <ZelGui/ZelLanguageComboBox.h>
#include <ZelGui/ZelPropertyWidget.h>
#include <ZelGui/ZelTreePropertyWidget.h>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// One line, wide enough for a short value.
QLabel *valueReadout(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(110);
    return label;
}

// The family's name in the family itself.
void showFamily(QLabel *readout, const QString &family)
{
    readout->setText(QStringLiteral("\"%1\"").arg(family));
    QFont font = readout->font();
    font.setFamily(family);
    readout->setFont(font);
}

// Fixed identifiers, as a host stores them in its settings.
ZelEnumeration binningModes()
{
    return ZelEnumeration(
        QStringLiteral("binning"),
        {ZelEnumerationItem(QUuid::fromString(u"{6f1c0d3e-2a51-4d38-9a1e-000000000001}"),
                            QStringLiteral("1 × 1 (full resolution)"), 1),
         ZelEnumerationItem(QUuid::fromString(u"{6f1c0d3e-2a51-4d38-9a1e-000000000002}"), QStringLiteral("2 × 2"), 2),
         ZelEnumerationItem(QUuid::fromString(u"{6f1c0d3e-2a51-4d38-9a1e-000000000004}"), QStringLiteral("4 × 4"), 4)});
}

} // namespace

ValuesPage::ValuesPage(QWidget *parent)
    : GalleryPage(parent)
    , m_log(new SignalLog(this))
{
    m_log->setObjectName(QStringLiteral("log"));
    m_log->setWordWrap(true);
    auto *logBox = signalLogBox(QStringLiteral("Emissions"), m_log, this);

    auto *left = new QVBoxLayout;
    left->addWidget(createTableBox(), 1);
    left->addWidget(createComboBox());
    auto *right = new QVBoxLayout;
    right->addWidget(createTreeBox(), 3);
    right->addWidget(logBox, 2);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);
}

QWidget *ValuesPage::createTableBox()
{
    auto *box = new QGroupBox(QStringLiteral("Element table"), this);
    m_cameraModel = new CameraTableModel(box);
    m_cameraView = new CameraTableView(m_cameraModel, box);
    m_cameraView->setAccessibleName(QStringLiteral("Cameras"));
    m_countReadout = valueReadout(box);
    m_countReadout->setObjectName(QStringLiteral("countReadout"));

    connect(m_cameraModel, &ZelElementAbstractTableModel::rowsCountChanged, this, [this] {
        log(QStringLiteral("cameras: rowsCountChanged() → %1 rows").arg(m_cameraModel->rowCount()));
        m_countReadout->setText(QStringLiteral("%1 cameras").arg(m_cameraModel->rowCount()));
    });
    connect(m_cameraModel, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &from, const QModelIndex &to) {
                log(QStringLiteral("cameras: dataChanged(row %1, columns %2–%3)")
                        .arg(from.row())
                        .arg(from.column())
                        .arg(to.column()));
            });
    m_cameraView->prepareDialog = [this](CameraDialog *dialog) {
        connect(dialog, &QDialog::finished, this, [this](int result) {
            log(QStringLiteral("dialog: %1")
                    .arg(result == QDialog::Accepted ? QStringLiteral("accepted") : QStringLiteral("rejected")));
        });
    };

    auto *add = new QPushButton(QStringLiteral("&Add…"), box);
    auto *edit = new QPushButton(QStringLiteral("&Edit…"), box);
    auto *remove = new QPushButton(QStringLiteral("&Remove"), box);
    add->setObjectName(QStringLiteral("addCamera"));
    edit->setObjectName(QStringLiteral("editCamera"));
    remove->setObjectName(QStringLiteral("removeCameras"));
    connect(add, &QPushButton::clicked, m_cameraView, &IZelElementTableView::add);
    connect(edit, &QPushButton::clicked, m_cameraView, qOverload<>(&IZelElementTableView::edit));
    connect(remove, &QPushButton::clicked, m_cameraView, &IZelElementTableView::remove);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(edit);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    buttons->addWidget(m_countReadout);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(m_cameraView, 1);
    layout->addLayout(buttons);
    layout->addWidget(hintLabel(QStringLiteral("A host's ZelElementAbstractTableModel, IZelElementTableView and "
                                               "ZelElementDialogGUI. Double-click or Enter edits, Delete removes the "
                                               "selected rows. The dialog refuses OK without a unique name and asks "
                                               "before Cancel drops changes."),
                                box));

    for (const Camera &camera :
         {Camera{QStringLiteral("Overview"), 8000, 0.0}, Camera{QStringLiteral("Microscope"), 120000, 6.0},
          Camera{QStringLiteral("Spectrometer"), 2500000, 12.5}})
        m_cameraModel->appendCamera(camera);
    m_cameraView->resizeColumnsToContents();
    return box;
}

QWidget *ValuesPage::createTreeBox()
{
    auto *tabs = new QTabWidget(this);

    m_tree = new ZelTreePropertyWidget(tabs);
    m_tree->setAccessibleName(QStringLiteral("Capture settings"));
    ZelTreePropertyWidgetItem *capture =
        m_tree->addCategory("capture", QStringLiteral("Capture"), QStringLiteral("How frames are taken"), QIcon());
    ZelTreePropertyWidgetItem *display =
        m_tree->addCategory("display", QStringLiteral("Display"), QStringLiteral("How frames are shown"), QIcon());
    ZelTreePropertyWidgetItem *files =
        m_tree->addCategory("files", QStringLiteral("Files"), QStringLiteral("Where frames are saved"), QIcon());

    auto *exposureItem = new ZelTreePropertyWidgetItem("exposure", nullptr);
    auto *exposure = new QSpinBox;
    exposure->setRange(10, 1000000);
    exposure->setValue(8000);
    exposure->setSuffix(QStringLiteral(" µs"));
    exposureItem->setWidget(exposure, PW_LabelLeft, QStringLiteral("E&xposure:"),
                            QStringLiteral("Time the shutter stays open"));
    auto *gainItem = new ZelTreePropertyWidgetItem("gain", nullptr);
    auto *gain = new QSlider(Qt::Horizontal);
    gain->setRange(0, 48);
    gainItem->setWidget(gain, PW_LabelOnTop, QStringLiteral("&Gain"), QString());
    gainItem->setDescription(QStringLiteral("Higher gain brightens dark scenes and adds noise."));
    m_tree->addItemsToCategory(capture, {exposureItem, gainItem});

    auto *gridItem = new ZelTreePropertyWidgetItem("grid", nullptr);
    gridItem->setWidget(new QCheckBox, PW_LabelRight, QStringLiteral("Show the &grid"), QString());
    auto *languageItem = new ZelTreePropertyWidgetItem("language", nullptr);
    auto *language = new ZelLanguageComboBox;
    language->setLanguages({QLocale::English, QLocale::Russian});
    languageItem->setWidget(language, PW_LabelLeft, QStringLiteral("&Language:"), QString());
    m_tree->addItemToCategory(display, gridItem);
    m_tree->addItemToCategory(display, languageItem);

    auto *folderItem = new ZelTreePropertyWidgetItem("folder", nullptr);
    auto *folder = new QLineEdit(QStringLiteral("~/Pictures/captures"));
    folderItem->setWidget(folder, PW_LabelOnTop, QStringLiteral("&Folder"), QStringLiteral("Frames are saved here"));
    auto *formatItem = new ZelTreePropertyWidgetItem("format", nullptr);
    auto *format = new ZelImageFormatComboBox;
    format->setSupportedExportFormats();
    formatItem->setWidget(format, PW_LabelLeft, QStringLiteral("F&ormat:"), QString());
    m_tree->addItemsToCategory(files, {folderItem, formatItem});
    m_tree->expandItem(capture);
    m_tree->expandItem(files);

    auto *panel = new ZelPropertyWidget(tabs);
    panel->setAccessibleName(QStringLiteral("Overlay settings"));
    auto *opacity = new QDoubleSpinBox;
    opacity->setRange(0.0, 1.0);
    opacity->setSingleStep(0.1);
    opacity->setValue(0.6);
    panel->addWidget(QStringLiteral("&Opacity:"), QStringLiteral("Of the overlay"), opacity);
    panel->addWidget(QStringLiteral("La&bel:"), QString(), new QLineEdit(QStringLiteral("Scale bar")));
    panel->addSeparator();
    panel->addWidget(new QCheckBox(QStringLiteral("Show the &overlay")));

    tabs->addTab(m_tree, QStringLiteral("Property tree"));
    tabs->addTab(panel, QStringLiteral("Property list"));
    tabs->setTabToolTip(0, QStringLiteral("ZelTreePropertyWidget: categories of labelled editors"));
    tabs->setTabToolTip(1, QStringLiteral("ZelPropertyWidget: a flat list of labelled editors"));
    return tabs;
}

QWidget *ValuesPage::createComboBox()
{
    auto *box =
        new QGroupBox(QStringLiteral("Value combo boxes, with the value their typed signal carried last"), this);
    auto *grid = new QGridLayout(box);
    grid->setColumnStretch(1, 1);
    int row = 0;
    const auto addRow = [&](const QString &name, QWidget *control, QWidget *extra, QLabel *readout) {
        auto *label = new QLabel(name, box);
        label->setBuddy(control);
        grid->addWidget(label, row, 0);
        auto *cell = new QHBoxLayout;
        cell->addWidget(control, 1);
        if (extra)
            cell->addWidget(extra);
        grid->addLayout(cell, row, 1);
        grid->addWidget(readout, row, 2);
        ++row;
    };

    // Image formats, with the three lists of the core library.
    m_formatBox = new ZelImageFormatComboBox(box);
    auto *formatList = new QPushButton(QStringLiteral("Lists"), box);
    auto *formatMenu = new QMenu(formatList);
    formatMenu->addAction(QStringLiteral("Formats for export"), m_formatBox,
                          &ZelImageFormatComboBox::setSupportedExportFormats);
    formatMenu->addAction(QStringLiteral("Writable formats"), m_formatBox,
                          &ZelImageFormatComboBox::setSupportedWriteFormats);
    formatMenu->addAction(QStringLiteral("Readable formats"), m_formatBox,
                          &ZelImageFormatComboBox::setSupportedReadFormats);
    formatList->setMenu(formatMenu);
    auto *formatReadout = valueReadout(box);
    connect(m_formatBox, &ZelImageFormatComboBox::currentFormatChanged, this,
            [this, formatReadout](const QByteArray &format) {
                formatReadout->setText(QStringLiteral("\"%1\"").arg(QString::fromLatin1(format)));
                log(QStringLiteral("format box: currentFormatChanged(\"%1\")").arg(QString::fromLatin1(format)));
            });
    addRow(QStringLiteral("&Image format:"), m_formatBox, formatList, formatReadout);

    // On/Off.
    m_boolBox = new ZelBoolComboBox(box);
    auto *boolReadout = valueReadout(box);
    auto *setOff = new QPushButton(QStringLiteral("setBoolValue(false)"), box);
    connect(setOff, &QPushButton::clicked, m_boolBox, [this] { m_boolBox->setBoolValue(false); });
    connect(m_boolBox, &ZelBoolComboBox::boolValueChanged, this, [this, boolReadout](bool value) {
        const QString text = value ? QStringLiteral("true") : QStringLiteral("false");
        boolReadout->setText(text);
        log(QStringLiteral("Boolean box: boolValueChanged(%1)").arg(text));
    });
    addRow(QStringLiteral("&Boolean:"), m_boolBox, setOff, boolReadout);

    // An enumeration of the core library; the button announces, the host's loading does not.
    m_enumBox = new ZelEnumComboBox(box);
    m_enumBox->setEnum(binningModes());
    auto *next = new QPushButton(QStringLiteral("changeValue(next)"), box);
    connect(next, &QPushButton::clicked, m_enumBox, [this] {
        const QList<ZelEnumerationItem> items = m_enumBox->enumeration().items();
        if (!items.isEmpty())
            m_enumBox->changeValue(items.at((m_enumBox->currentIndex() + 1) % items.size()).id());
    });
    auto *enumReadout = valueReadout(box);
    connect(m_enumBox, &ZelEnumComboBox::currentValueChanged, this, [this, enumReadout](const QUuid &id) {
        // The identifier is what a host stores; the item gives the value it stands for.
        const QString shortId = QStringLiteral("{…%1}").arg(id.toString(QUuid::WithoutBraces).right(4));
        const ZelEnumerationItem item = m_enumBox->enumeration().getItem(id);
        enumReadout->setText(QStringLiteral("%1 = %2").arg(shortId, item.value().toString()));
        log(QStringLiteral("enumeration box: currentValueChanged(%1) → %2").arg(shortId, item.text()));
    });
    addRow(QStringLiteral("Bi&nning:"), m_enumBox, next, enumReadout);

    // Languages with the host's flags; Japanese has none.
    m_languageBox = new ZelLanguageComboBox(box);
    auto *languageReadout = valueReadout(box);
    connect(m_languageBox, &ZelLanguageComboBox::languageChanged, this,
            [this, languageReadout](QLocale::Language language) {
                languageReadout->setText(QLocale::languageToString(language));
                log(QStringLiteral("language box: languageChanged(%1)").arg(QLocale::languageToString(language)));
            });
    m_languageBox->setLanguages(
        {QLocale::Russian, QLocale::German, QLocale::French, QLocale::Japanese, QLocale::English});
    addRow(QStringLiteral("&Language:"), m_languageBox, nullptr, languageReadout);

    // Font families of the application's font database.
    m_fontBox = new ZelFontFamilyCombobox(box);
    auto *fontReadout = valueReadout(box);
    // A long family name in its own font is wider than the column.
    fontReadout->setWordWrap(true);
    connect(m_fontBox, &ZelFontFamilyCombobox::currentFamilyChanged, this, [this, fontReadout](const QString &family) {
        showFamily(fontReadout, family);
        log(QStringLiteral("font box: currentFamilyChanged(\"%1\")").arg(family));
    });
    addRow(QStringLiteral("&Font family:"), m_fontBox, nullptr, fontReadout);

    // Starting points, logged like any other change.
    m_formatBox->setSupportedExportFormats();
    m_boolBox->setBoolValue(true);
    m_enumBox->changeValue(binningModes().items().at(1).id());
    if (!m_fontBox->setCurrentFamily(font().family()))
        showFamily(fontReadout, m_fontBox->currentFamily());
    return box;
}

QString ValuesPage::title() const
{
    return QStringLiteral("Values");
}

QIcon ValuesPage::icon() const
{
    return QIcon(QStringLiteral(":/ZelGui/res/icons/element_add.png"));
}

QString ValuesPage::description() const
{
    return QStringLiteral("A host's camera table built on the element-table classes, a property tree with categories "
                          "and the value combo boxes. Each box shows the last value its typed signal carried; the "
                          "log lists every emission in order.");
}

void ValuesPage::log(const QString &line)
{
    m_log->add(line);
}
