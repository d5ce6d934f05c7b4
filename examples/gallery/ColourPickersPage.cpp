#include "ColourPickersPage.h"

#include "GalleryLabels.h"

#include <ZelGui/GuiUtils.h>
#include <ZelGui/ZelBindableQAction.h>
#include <ZelGui/ZelColorComboBox.h>
#include <ZelGui/ZelColorRectItem.h>
#include <ZelGui/ZelColorSelectWidget.h>
#include <ZelGui/ZelLineColorPicker.h>

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

namespace {

QString colorText(const QColor &color)
{
    if (!color.isValid())
        return QStringLiteral("invalid");
    return color.name(color.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb);
}

// Four of the pretty colours in a square, for the page list.
QIcon pickersIcon()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QColor colors[] = {QColor(0xff, 0x41, 0x36), QColor(0x2e, 0xcc, 0x40), QColor(0x00, 0x74, 0xd9),
                             QColor(0xff, 0xdc, 0x00)};
    for (int i = 0; i < 4; ++i) {
        const QRect cell((i % 2) * 24 + 2, (i / 2) * 24 + 2, 20, 20);
        painter.drawPixmap(cell, GuiUtils::getIconForColor(colors[i], cell.size()).pixmap(cell.size()));
    }
    return QIcon(pixmap);
}

} // namespace

// A stand-in for an image view: a checkerboard with the status text painted
// over it, as a view does while it has nothing to show.
class StatusTextPreview : public QWidget
{
public:
    explicit StatusTextPreview(QWidget *parent)
        : QWidget(parent)
    {
        setMinimumSize(720, 270);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    void setText(const QString &text)
    {
        m_text = text;
        update();
    }
    std::function<void()> resized;

protected:
    void resizeEvent(QResizeEvent *) override
    {
        if (resized)
            resized();
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), m_checkerboard);
        if (!m_text.isEmpty()) {
            painter.save();
            GuiUtils::renderTextStatus(&painter, rect(), m_text);
            painter.restore();
        }
    }

private:
    // One tile of two 16-pixel cells each way, repeated by the brush.
    static QBrush checkerboard()
    {
        const int cell = 16;
        QPixmap tile(2 * cell, 2 * cell);
        tile.fill(QColor(0xbd, 0xc3, 0xc7));
        {
            QPainter painter(&tile);
            painter.fillRect(cell, 0, cell, cell, QColor(0x7f, 0x8c, 0x8d));
            painter.fillRect(0, cell, cell, cell, QColor(0x7f, 0x8c, 0x8d));
        }
        return QBrush(tile);
    }

    const QBrush m_checkerboard = checkerboard();
    QString m_text;
};

ColourPickersPage::ColourPickersPage(QWidget *parent)
    : GalleryPage(parent)
    , m_tabs(new QTabWidget(this))
    , m_log(new SignalLog(this))
{
    m_tabs->addTab(createPickersTab(), QStringLiteral("Pickers"));
    m_tabs->addTab(createMenusTab(), QStringLiteral("Colour menus and tables"));
    m_tabs->addTab(createStatusTab(), QStringLiteral("Status text and zoom to fit"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
}

ColourPickersPage::~ColourPickersPage() = default;

QWidget *ColourPickersPage::createPickersTab()
{
    auto *tab = new QWidget(m_tabs);

    auto *comboBox = new QGroupBox(QStringLiteral("ZelColorComboBox"), tab);
    m_combo = new ZelColorComboBox(comboBox);
    m_combo->setAccessibleName(QStringLiteral("Colour"));
    m_combo->setColors(GuiUtils::getStandartColorMap());
    auto *dialogEntry = new QCheckBox(QStringLiteral("\"More...\" entry (opens the colour dialog)"), comboBox);
    dialogEntry->setObjectName(QStringLiteral("dialogEntry"));
    dialogEntry->setChecked(true);
    m_combo->setColorDialogEnabled(true);
    m_comboReadout = readoutLabel(comboBox);
    auto *comboLayout = new QVBoxLayout(comboBox);
    comboLayout->addWidget(m_combo);
    comboLayout->addWidget(dialogEntry);
    comboLayout->addWidget(m_comboReadout);
    comboLayout->addWidget(hintLabel(QStringLiteral("A chosen colour is set silently into the RGB selector; the "
                                                    "line picker selects its colour here (adding it as a user "
                                                    "colour when it is not listed)."),
                                     comboBox));

    auto *selectorBox = new QGroupBox(QStringLiteral("ZelColorSelectWidget"), tab);
    m_selector = new ZelColorSelectWidget(selectorBox);
    auto *colorBoxShown = new QCheckBox(QStringLiteral("Colour box"), selectorBox);
    colorBoxShown->setChecked(m_selector->isColorBoxVisible());
    auto *selectorLayout = new QVBoxLayout(selectorBox);
    selectorLayout->addWidget(m_selector);
    selectorLayout->addWidget(colorBoxShown);
    selectorLayout->addWidget(hintLabel(QStringLiteral("The page colours the box on colorChanged; the selector "
                                                       "itself leaves it white."),
                                        selectorBox));

    auto *rectBox = new QGroupBox(QStringLiteral("ZelColorRectItem"), tab);
    m_editable = new ZelColorRectItem(QColor(0x39, 0xcc, 0xcc), rectBox);
    m_editable->setObjectName(QStringLiteral("editableRect"));
    m_editable->setReadonly(false);
    m_editable->setMinimumSize(48, 32);
    m_readonly = new ZelColorRectItem(QColor(0x85, 0x14, 0x4b), rectBox);
    m_readonly->setObjectName(QStringLiteral("readonlyRect"));
    m_readonly->setMinimumSize(48, 32);
    auto *editable = new QCheckBox(QStringLiteral("Editable"), rectBox);
    editable->setChecked(true);
    auto *rectLayout = new QGridLayout(rectBox);
    rectLayout->addWidget(m_editable, 0, 0);
    rectLayout->addWidget(editable, 0, 1);
    rectLayout->addWidget(m_readonly, 1, 0);
    rectLayout->addWidget(new QLabel(QStringLiteral("Read-only"), rectBox), 1, 1);
    rectLayout->addWidget(hintLabel(QStringLiteral("Click or Space reports the colour; double-click or F2 on an "
                                                   "editable one opens the colour dialog."),
                                    rectBox),
                          2, 0, 1, 2);
    rectLayout->setColumnStretch(1, 1);

    auto *lineBox = new QGroupBox(QStringLiteral("ZelLineColorPicker"), tab);
    m_line = new ZelLineColorPicker(lineBox);
    m_line->setMinimumHeight(24);
    auto *lineLayout = new QVBoxLayout(lineBox);
    lineLayout->addWidget(m_line);

    m_log->setObjectName(QStringLiteral("log"));
    auto *logBox = signalLogBox(QStringLiteral("Signals, newest last"), m_log, tab);

    auto *left = new QVBoxLayout;
    left->addWidget(comboBox);
    left->addWidget(selectorBox);
    left->addWidget(rectBox);
    left->addWidget(lineBox);
    left->addStretch(1);
    auto *layout = new QHBoxLayout(tab);
    layout->addLayout(left, 3);
    layout->addWidget(logBox, 2);

    const auto comboReadout = [this] {
        m_comboReadout->setText(QStringLiteral("Current: %1 (%2); %3 colours in %4 items")
                                    .arg(m_combo->currentText(), colorText(m_combo->currentColor()))
                                    .arg(m_combo->colorCount())
                                    .arg(m_combo->count()));
    };
    comboReadout();
    connect(m_combo, &QComboBox::currentIndexChanged, this, comboReadout);
    connect(m_combo, qOverload<QColor>(&ZelColorComboBox::activated), this, [this](const QColor &color) {
        log(QStringLiteral("combo: activated(%1)").arg(colorText(color)));
        if (color.isValid())
            m_selector->setColor(color);
    });
    connect(m_combo, qOverload<QColor>(&ZelColorComboBox::highlighted), this,
            [this](const QColor &color) { log(QStringLiteral("combo: highlighted(%1)").arg(colorText(color))); });
    connect(dialogEntry, &QCheckBox::toggled, this, [this, comboReadout](bool on) {
        m_combo->setColorDialogEnabled(on);
        comboReadout();
    });

    connect(m_selector, qOverload<QColor>(&ZelColorSelectWidget::colorChanged), this, [this](const QColor &color) {
        log(QStringLiteral("selector: colorChanged(%1)").arg(colorText(color)));
        if (color.isValid())
            m_selector->colorBox()->setStyleSheet(QStringLiteral("background-color: %1;").arg(color.name()));
    });
    connect(m_selector, qOverload<int, int, int>(&ZelColorSelectWidget::colorChanged), this,
            [this](int r, int g, int b) {
                log(QStringLiteral("selector: colorChanged(%1, %2, %3)").arg(r).arg(g).arg(b));
            });
    connect(colorBoxShown, &QCheckBox::toggled, m_selector, &ZelColorSelectWidget::setVisibleColorBox);

    connect(m_editable, &ZelColorRectItem::selected, this,
            [this](const QColor &color) { log(QStringLiteral("editable rect: selected(%1)").arg(colorText(color))); });
    connect(m_readonly, &ZelColorRectItem::selected, this,
            [this](const QColor &color) { log(QStringLiteral("read-only rect: selected(%1)").arg(colorText(color))); });
    connect(editable, &QCheckBox::toggled, this, [this](bool on) { m_editable->setReadonly(!on); });

    connect(m_line, &ZelLineColorPicker::colorChanged, this, [this](const QColor &color) {
        log(QStringLiteral("line picker: colorChanged(%1)").arg(colorText(color)));
        m_combo->setCurrentColor(color);
    });
    return tab;
}

void ColourPickersPage::bindMenu(QMenu *menu, const QString &name, QLabel *chosen)
{
    for (QAction *action : menu->actions()) {
        auto *bindable = qobject_cast<ZelBindableQAction *>(action);
        if (!bindable)
            continue;
        bindable->installHandler(ZelConnection<QMetaObject::Connection>(connect(
            bindable, &ZelQAction::actionTriggered, bindable,
            [this, bindable, name, chosen] {
                const QColor color = bindable->data().value<QColor>();
                log(QStringLiteral("%1 menu: %2 (%3)").arg(name, bindable->text(), colorText(color)));
                chosen->setPixmap(GuiUtils::getIconForColor(color, QSize(32, 16)).pixmap(QSize(32, 16)));
                chosen->setToolTip(bindable->text());
            },
            Qt::DirectConnection)));
    }
}

QWidget *ColourPickersPage::createMenusTab()
{
    auto *tab = new QWidget(m_tabs);

    auto *menusBox = new QGroupBox(QStringLiteral("GuiUtils::getColorMenu / getColorMenuWithoutTransparent"), tab);
    m_penMenu.reset(GuiUtils::getColorMenu(QStringLiteral("Pen colour")));
    m_fillMenu.reset(GuiUtils::getColorMenuWithoutTransparent(QStringLiteral("Fill colour")));
    auto *menusLayout = new QGridLayout(menusBox);
    int row = 0;
    for (auto [menu, name] :
         {std::pair{m_penMenu.get(), QStringLiteral("pen")}, std::pair{m_fillMenu.get(), QStringLiteral("fill")}}) {
        auto *button = new QToolButton(menusBox);
        button->setObjectName(name + QStringLiteral("MenuButton"));
        button->setText(menu->title());
        button->setMenu(menu);
        button->setPopupMode(QToolButton::InstantPopup);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        auto *chosen = new QLabel(menusBox);
        chosen->setFixedSize(32, 16);
        bindMenu(menu, name, chosen);
        menusLayout->addWidget(button, row, 0);
        menusLayout->addWidget(chosen, row, 1);
        menusLayout->addWidget(new QLabel(QStringLiteral("%1 bindable actions").arg(menu->actions().size()), menusBox),
                               row, 2);
        ++row;
    }
    menusLayout->setColumnStretch(2, 1);

    // The standard table as the colour menus show it, and the pretty colours.
    auto *tablesBox = new QGroupBox(QStringLiteral("GuiUtils::getStandartColorMap and prettyColors"), tab);
    auto *grid = new QGridLayout(tablesBox);
    grid->setHorizontalSpacing(12);
    auto addSwatch = [tablesBox, grid](int index, int column, const QColor &color, const QString &text) {
        auto *swatch = new QLabel(tablesBox);
        swatch->setPixmap(GuiUtils::getIconForColor(color, QSize(24, 16)).pixmap(QSize(24, 16)));
        grid->addWidget(swatch, index, column);
        grid->addWidget(new QLabel(QStringLiteral("%1  %2").arg(text, colorText(color)), tablesBox), index, column + 1);
    };
    grid->addWidget(new QLabel(QStringLiteral("<b>Standard colours</b>"), tablesBox), 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("<b>Pretty colours</b>"), tablesBox), 0, 2, 1, 2);
    int index = 1;
    const QMap<Qt::GlobalColor, QString> &standard = GuiUtils::getStandartColorMap();
    for (auto it = standard.cbegin(); it != standard.cend(); ++it)
        addSwatch(index++, 0, QColor(it.key()), it.value());
    const QHash<QString, QColor> pretty = GuiUtils::prettyColors();
    QStringList names = pretty.keys();
    names.sort(Qt::CaseInsensitive);
    index = 1;
    for (const QString &name : std::as_const(names))
        addSwatch(index++, 2, pretty.value(name), name);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto *scroll = new QScrollArea(tab);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(tablesBox);

    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(menusBox);
    layout->addWidget(hintLabel(QStringLiteral("Each entry is a ZelBindableQAction carrying its colour; the page "
                                               "binds a handler to every one, and the log on the Pickers tab "
                                               "shows what was chosen."),
                                tab));
    layout->addWidget(scroll, 1);
    return tab;
}

QWidget *ColourPickersPage::createStatusTab()
{
    auto *tab = new QWidget(m_tabs);
    m_preview = new StatusTextPreview(tab);
    m_statusText = new QLineEdit(QStringLiteral("No signal"), tab);
    m_statusText->setObjectName(QStringLiteral("statusText"));
    m_statusText->setClearButtonEnabled(true);
    m_imageWidth = new QSpinBox(tab);
    m_imageHeight = new QSpinBox(tab);
    m_statusText->setAccessibleName(QStringLiteral("Status text"));
    m_imageWidth->setAccessibleName(QStringLiteral("Image width"));
    m_imageHeight->setAccessibleName(QStringLiteral("Image height"));
    for (QSpinBox *box : {m_imageWidth, m_imageHeight}) {
        box->setRange(0, 100000);
        box->setSuffix(QStringLiteral(" px"));
    }
    m_imageWidth->setValue(1600);
    m_imageHeight->setValue(900);
    m_fitReadout = readoutLabel(tab);
    m_fitReadout->setObjectName(QStringLiteral("fitReadout"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Status text:"), m_statusText);
    auto *sizeRow = new QHBoxLayout;
    sizeRow->addWidget(m_imageWidth);
    sizeRow->addWidget(new QLabel(QStringLiteral("×"), tab));
    sizeRow->addWidget(m_imageHeight);
    sizeRow->addStretch(1);
    form->addRow(QStringLiteral("Image size:"), sizeRow);
    form->addRow(QStringLiteral("Zoom to fit:"), m_fitReadout);

    auto *layout = new QVBoxLayout(tab);
    layout->addLayout(form);
    layout->addWidget(hintLabel(QStringLiteral("renderTextStatus draws a 700 × 250 box centred on the view, "
                                               "whatever the view's size; resize the window to see the zoom "
                                               "that fits the image into the view change."),
                                tab));
    layout->addWidget(m_preview, 1);

    connect(m_statusText, &QLineEdit::textChanged, m_preview, &StatusTextPreview::setText);
    m_preview->setText(m_statusText->text());
    connect(m_imageWidth, &QSpinBox::valueChanged, this, &ColourPickersPage::updateFit);
    connect(m_imageHeight, &QSpinBox::valueChanged, this, &ColourPickersPage::updateFit);
    m_preview->resized = [this] { updateFit(); };
    updateFit();
    return tab;
}

void ColourPickersPage::updateFit()
{
    const QSizeF image(m_imageWidth->value(), m_imageHeight->value());
    const QSize view = m_preview->size();
    m_fitReadout->setText(QStringLiteral("%1 (a %2 × %3 view)")
                              .arg(GuiUtils::zoomFitToWindow(view, image), 0, 'f', 4)
                              .arg(view.width())
                              .arg(view.height()));
}

void ColourPickersPage::log(const QString &line)
{
    m_log->add(line);
}

QString ColourPickersPage::title() const
{
    return QStringLiteral("Colour pickers");
}

QIcon ColourPickersPage::icon() const
{
    return pickersIcon();
}

QString ColourPickersPage::description() const
{
    return QStringLiteral("The colour combo box, the RGB selector, colour rectangles and the line colour picker, "
                          "with the colour menus, colour tables and status text of GuiUtils.");
}
