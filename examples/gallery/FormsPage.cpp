#include "FormsPage.h"

#include "GalleryLabels.h"
#include "GalleryPictures.h"

#include <ZelGui/ZelAboutWidget.h>
#include <ZelGui/ZelChooseDirectoryWidget.h>
#include <ZelGui/ZelChooseFileWidget.h>
#include <ZelGui/ZelConfigureRectWidget.h>
#include <ZelGui/ZelConfigureSaveWidget.h>
#include <ZelGui/ZelDialog.h>
#include <ZelGui/ZelDialogWidget.h>
#include <ZelGui/ZelIconedButtonWithLabel.h>
#include <ZelGui/ZelRangeWidget.h>
#include <ZelGui/ZelScanAreaWidget.h>

#include <ZelCore/FSUtils.h>
#include <ZelCore/ZelScanAreaRange.h>
#include <ZelCore/ZelVersion.h>

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <qwt_global.h>

namespace {

const QSize frameSize(640, 400);

QString rectText(const QRect &r)
{
    return QStringLiteral("(%1, %2)-(%3, %4), %5 x %6")
        .arg(r.left())
        .arg(r.top())
        .arg(r.right())
        .arg(r.bottom())
        .arg(qint64(r.right()) - r.left() + 1)
        .arg(qint64(r.bottom()) - r.top() + 1);
}

ZelScanAreaRange scanRange(const QRect &area, int step)
{
    ZelScanAreaRange range;
    range.area = area;
    range.xStep = range.yStep = range.hStep = range.vStep = step;
    return range;
}

// The frame a capture writes: a numbered test card with the time and an
// optional caption.
QImage makeFrame(int number, const QString &caption)
{
    QImage image(frameSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, frameSize.width(), frameSize.height());
    background.setColorAt(0.0, QColor::fromHsv((number * 37) % 360, 160, 90));
    background.setColorAt(1.0, QColor::fromHsv((number * 37 + 120) % 360, 160, 200));
    painter.fillRect(image.rect(), background);
    painter.setPen(QPen(Qt::white, 3));
    painter.drawEllipse(QPointF(frameSize.width() / 2.0, frameSize.height() / 2.0), 150, 150);
    painter.drawLine(frameSize.width() / 2, 40, frameSize.width() / 2, frameSize.height() - 40);
    painter.drawLine(40, frameSize.height() / 2, frameSize.width() - 40, frameSize.height() / 2);
    QFont font = painter.font();
    font.setPixelSize(40);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 20, frameSize.width(), 60), Qt::AlignCenter, QStringLiteral("Frame %1").arg(number));
    font.setPixelSize(20);
    font.setBold(false);
    painter.setFont(font);
    const QString footer = QDateTime::currentDateTime().toString(Qt::ISODate)
        + (caption.isEmpty() ? QString() : QStringLiteral(" \u2013 ") + caption);
    painter.drawText(QRect(0, frameSize.height() - 60, frameSize.width(), 40), Qt::AlignCenter, footer);
    return image;
}

// The observer's name, asked through a ZelDialog: prepared on the first
// showing, valid only when not blank, applied on OK. Reset is a role the
// frame leaves to the dialog.
class ObserverDialog : public ZelDialog
{
public:
    ObserverDialog(const QString &name, std::function<void(const QString &)> log,
                   std::function<void(const QString &)> apply, QWidget *parent)
        : ZelDialog(parent)
        , m_initial(name)
        , m_edit(new QLineEdit(this))
        , m_hint(new QLabel(this))
        , m_log(std::move(log))
        , m_apply(std::move(apply))
    {
        setWindowTitle(QStringLiteral("Observer"));
        m_hint->setStyleSheet(QStringLiteral("color: #c0392b"));
        auto *box =
            new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Reset, this);
        setupDialogButtonBox(box);
        connect(box->button(QDialogButtonBox::Reset), &QPushButton::clicked, this, [this] {
            m_edit->setText(m_initial);
            m_log(QStringLiteral("Reset pressed: handled by the dialog itself"));
        });
        auto *layout = new QFormLayout(this);
        layout->addRow(QStringLiteral("&Observer:"), m_edit);
        layout->addRow(m_hint);
        layout->addRow(box);
    }

protected:
    void prepareDialog() override
    {
        m_edit->setText(m_initial);
        m_log(QStringLiteral("ZelDialog::prepareDialog()"));
    }
    void applyDialog() override
    {
        m_log(QStringLiteral("ZelDialog::applyDialog(): \"%1\"").arg(m_edit->text()));
        m_apply(m_edit->text().trimmed());
    }
    bool isDialogValid() const override
    {
        const bool valid = !m_edit->text().trimmed().isEmpty();
        m_hint->setText(valid ? QString() : QStringLiteral("A name is needed."));
        m_log(QStringLiteral("ZelDialog::isDialogValid(): %1")
                  .arg(valid ? QStringLiteral("true") : QStringLiteral("false")));
        return valid;
    }

private:
    const QString m_initial;
    QLineEdit *const m_edit;
    QLabel *const m_hint;
    const std::function<void(const QString &)> m_log;
    const std::function<void(const QString &)> m_apply;
};

} // namespace

RectanglePreview::RectanglePreview(const QImage &picture, QWidget *parent)
    : QWidget(parent)
    , m_picture(picture)
{
    setMinimumSize(240, 135);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void RectanglePreview::setEdited(Shape shape, const QRect &rect)
{
    m_edited[shape] = rect;
    update();
}

void RectanglePreview::setApplied(Shape shape, const QRect &rect)
{
    m_applied[shape] = rect;
    update();
}

void RectanglePreview::setGrid(bool on)
{
    m_grid = on;
    update();
}

QSize RectanglePreview::sizeHint() const
{
    return QSize(480, heightForWidth(480));
}

int RectanglePreview::heightForWidth(int width) const
{
    return width * m_picture.height() / qMax(1, m_picture.width());
}

void RectanglePreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize fitted = m_picture.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
    painter.drawImage(target, m_picture);
    painter.setClipRect(target);
    // Picture coordinates onto the widget.
    painter.translate(target.topLeft());
    painter.scale(double(target.width()) / m_picture.width(), double(target.height()) / m_picture.height());
    if (m_grid) {
        painter.setPen(QPen(QColor(255, 255, 255, 60), 0));
        for (int x = 0; x <= m_picture.width(); x += 160)
            painter.drawLine(x, 0, x, m_picture.height());
        for (int y = 0; y <= m_picture.height(); y += 120)
            painter.drawLine(0, y, m_picture.width(), y);
    }
    const QColor colours[2] = {QColor(0x2e, 0xcc, 0x71), QColor(0xf1, 0xc4, 0x0f)};
    for (int shape : {Rectangle, ScanArea}) {
        // Rectangles arrive in pixel rows and columns; their outer edges are
        // one past right and bottom.
        auto outline = [](const QRect &r) {
            return QRectF(QPointF(r.left(), r.top()), QPointF(r.right() + 1.0, r.bottom() + 1.0)).normalized();
        };
        QPen applied(colours[shape], 3);
        applied.setCosmetic(true);
        painter.setPen(applied);
        painter.setBrush(Qt::NoBrush);
        if (!m_applied[shape].isNull())
            painter.drawRect(outline(m_applied[shape]));
        QPen edited(colours[shape], 2, Qt::DashLine);
        edited.setCosmetic(true);
        painter.setPen(edited);
        QColor fill = colours[shape];
        fill.setAlpha(40);
        painter.setBrush(fill);
        painter.drawRect(outline(m_edited[shape]));
    }
}

FormsPage::FormsPage(QWidget *parent)
    : GalleryPage(parent)
    , m_tabs(new QTabWidget(this))
    , m_log(new QPlainTextEdit(this))
{
    m_log->setReadOnly(true);
    m_log->setMaximumBlockCount(300);
    m_log->setPlaceholderText(QStringLiteral("What the forms emit shows here."));
    m_tabs->addTab(createSaveTab(), QStringLiteral("Save and choosers"));
    m_tabs->addTab(createRectanglesTab(), QStringLiteral("Rectangle editors"));
    m_tabs->addTab(createDialogsTab(), QStringLiteral("Dialogs"));

    auto *logBox = new QGroupBox(QStringLiteral("Emitted"), this);
    auto *logLayout = new QVBoxLayout(logBox);
    logLayout->addWidget(m_log);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs, 3);
    layout->addWidget(logBox, 2);
}

QString FormsPage::title() const
{
    return QStringLiteral("Forms");
}

QIcon FormsPage::icon() const
{
    return QIcon(QStringLiteral(":/ZelGui/res/icons/folder_40.png"));
}

QString FormsPage::description() const
{
    return QStringLiteral("The save configuration drives a capture that writes real files; the choosers browse "
                          "directories and images; the rectangle and scan-area editors draw on a picture as you "
                          "edit and apply; dialog frames check before they accept.");
}

QWidget *FormsPage::createSaveTab()
{
    auto *tab = new QWidget(m_tabs);

    auto *saveBox = new QGroupBox(QStringLiteral("ZelConfigureSaveWidget and a capture"), tab);
    const QString captures = QDir::temp().filePath(QStringLiteral("zelgui-gallery-captures"));
    QDir().mkpath(captures);
    m_save = new ZelConfigureSaveWidget(saveBox, captures);
    m_save->setContext("gallery-capture");
    connect(m_save, &ZelConfigureSaveWidget::pathChanged, this,
            [this](const QString &path) { write(QStringLiteral("save form: pathChanged(%1)").arg(path)); });
    m_captureButton = new ZelIconedButtonWithLabel(saveBox);
    m_captureButton->setText(QStringLiteral("Capture"));
    m_captureButton->setButtonTooltip(QStringLiteral("Write one frame with these settings"));
    m_captureButton->setButtonIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    m_captureButton->setIconSize(QSize(32, 32));
    connect(m_captureButton, qOverload<>(&ZelIconedButtonWithLabel::clicked), this, [this] { capture(); });
    m_captureResult = new QLabel(QStringLiteral("No frame written yet."), saveBox);
    m_captureResult->setWordWrap(true);
    m_captureResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_capturePreview = new QLabel(saveBox);
    m_capturePreview->setFixedSize(160, 100);
    m_capturePreview->setAlignment(Qt::AlignCenter);
    m_capturePreview->setFrameShape(QFrame::StyledPanel);

    auto *saveLayout = new QGridLayout(saveBox);
    saveLayout->addWidget(m_save, 0, 0, 1, 2);
    saveLayout->addWidget(m_captureButton, 1, 0, Qt::AlignTop);
    saveLayout->addWidget(m_capturePreview, 1, 1, Qt::AlignLeft);
    saveLayout->addWidget(m_captureResult, 2, 0, 1, 2);
    saveLayout->setColumnStretch(1, 1);

    auto *chooseBox = new QGroupBox(QStringLiteral("ZelChooseDirectoryWidget and ZelChooseFileWidget"), tab);
    m_directory = new ZelChooseDirectoryWidget(chooseBox);
    m_directory->setContext("gallery-browse");
    m_directory->setCurrentDir(QDir::homePath());
    auto *useDirectory = new QPushButton(QStringLiteral("Save there"), chooseBox);
    useDirectory->setAutoDefault(false);
    connect(useDirectory, &QPushButton::clicked, this, [this] { m_save->setPath(m_directory->currentDir()); });
    connect(m_directory, &ZelChooseDirectoryWidget::currentDirChanged, this,
            [this](const QString &dir) { write(QStringLiteral("directory chooser: currentDirChanged(%1)").arg(dir)); });
    connect(m_directory, &ZelChooseDirectoryWidget::browseClicked, this, [this](bool clicked) {
        write(QStringLiteral("directory chooser: browseClicked(%1)").arg(clicked ? "true" : "false"));
    });
    m_file = new ZelChooseFileWidget(chooseBox);
    m_file->setContext("gallery-open");
    QList<QByteArray> readable = FSUtils::supportedReadImageFormats();
    readable.removeAll(QByteArray(FSUtils::formatDCM));
    m_file->setFilters(readable);
    connect(m_file, &ZelChooseFileWidget::filePathChanged, this, [this](const QString &path) {
        write(QStringLiteral("file chooser: filePathChanged(%1)").arg(path));
        QImageReader reader(path);
        reader.setScaledSize(QSize(160, 100));
        const QImage image = reader.read(); // only the preview's size is decoded
        m_capturePreview->setPixmap(QPixmap::fromImage(image.scaled(m_capturePreview->size(), Qt::KeepAspectRatio)));
        m_captureResult->setText(image.isNull() ? QStringLiteral("Cannot read %1: %2").arg(path, reader.errorString())
                                                : QStringLiteral("Opened %1").arg(path));
    });
    auto *chooseLayout = new QFormLayout(chooseBox);
    auto *directoryRow = new QHBoxLayout;
    directoryRow->addWidget(m_directory, 1);
    directoryRow->addWidget(useDirectory);
    chooseLayout->addRow(QStringLiteral("Directory:"), directoryRow);
    chooseLayout->addRow(QStringLiteral("Image:"), m_file);
    chooseLayout->addRow(
        hintLabel(QStringLiteral("The fields change only through their buttons; each dialog starts where "
                                 "its context last ended."),
                  chooseBox));

    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(saveBox);
    layout->addWidget(chooseBox);
    layout->addStretch(1);
    return tab;
}

QWidget *FormsPage::createRectanglesTab()
{
    auto *tab = new QWidget(m_tabs);
    m_preview = new RectanglePreview(GalleryPictures::nightSky(), tab);
    const QRect area(QPoint(0, 0), GalleryPictures::nightSky().size());

    auto *rectBox = new QGroupBox(QStringLiteral("ZelConfigureRectWidget (green)"), tab);
    m_rect = new ZelConfigureRectWidget(rectBox);
    m_rect->setRange(scanRange(area, 8));
    m_rect->setValue(QRect(320, 176, 640, 360)); // on the grid of 8
    auto *scanBox = new QGroupBox(QStringLiteral("ZelScanAreaWidget (yellow)"), tab);
    m_scan = new ZelScanAreaWidget(scanBox);
    m_scan->setRange(scanRange(area, 8));
    m_scan->setValue(QRect(QPoint(1040, 520), QPoint(1600, 920)));
    (new QVBoxLayout(rectBox))->addWidget(m_rect);
    (new QVBoxLayout(scanBox))->addWidget(m_scan);

    // Dashed as edited, solid once applied.
    auto follow = [this](QWidget *editor, RectanglePreview::Shape shape, auto value) {
        for (ZelRangeWidget *field : editor->findChildren<ZelRangeWidget *>())
            connect(field, &ZelRangeWidget::valueChanged, this,
                    [this, shape, value] { m_preview->setEdited(shape, value()); });
        m_preview->setEdited(shape, value());
    };
    follow(m_rect, RectanglePreview::Rectangle, [this] { return m_rect->value(); });
    follow(m_scan, RectanglePreview::ScanArea, [this] { return m_scan->value(); });
    connect(m_rect, &ZelConfigureRectWidget::valueApplyed, this, [this](const QRect &rect) {
        m_preview->setApplied(RectanglePreview::Rectangle, rect);
        write(QStringLiteral("rectangle: valueApplyed(%1)").arg(rectText(rect)));
    });
    connect(m_scan, &ZelScanAreaWidget::valueApplyed, this, [this](const QRect &rect) {
        m_preview->setApplied(RectanglePreview::ScanArea, rect);
        write(QStringLiteral("scan area: valueApplyed(%1)").arg(rectText(rect)));
    });

    auto *grid = new ZelIconedButtonWithLabel(tab);
    grid->setText(QStringLiteral("Grid"));
    grid->setButtonIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    grid->setButtonTooltip(QStringLiteral("A grid of 160 x 120 pixels over the picture"));
    grid->setCheckable(true);
    connect(grid, &ZelIconedButtonWithLabel::toogled, this, [this](bool on) {
        m_preview->setGrid(on);
        write(QStringLiteral("grid button: toogled(%1)").arg(on ? "true" : "false"));
    });

    auto *layout = new QGridLayout(tab);
    layout->addWidget(m_preview, 0, 0, 1, 2);
    layout->addWidget(grid, 0, 2, Qt::AlignTop);
    layout->addWidget(rectBox, 1, 0);
    layout->addWidget(scanBox, 1, 1, 1, 2);
    layout->addWidget(hintLabel(QStringLiteral("A 1920 x 1080 picture, steps of 8 pixels. Apply is enabled while the "
                                               "rectangle fits and while the scan area has two distinct corners."),
                                tab),
                      2, 0, 1, 3);
    layout->setRowStretch(3, 1);
    return tab;
}

QWidget *FormsPage::createDialogsTab()
{
    auto *tab = new QWidget(m_tabs);
    auto *dialog = new QPushButton(QStringLiteral("ZelDialog: observer…"), tab);
    auto *dialogWidget = new QPushButton(QStringLiteral("ZelDialogWidget: frame caption…"), tab);
    auto *about = new QPushButton(QStringLiteral("ZelAboutWidget: about the gallery…"), tab);
    for (QPushButton *button : {dialog, dialogWidget, about})
        button->setAutoDefault(false);
    connect(dialog, &QPushButton::clicked, this, &FormsPage::openDialog);
    connect(dialogWidget, &QPushButton::clicked, this, &FormsPage::openDialogWidget);
    connect(about, &QPushButton::clicked, this, &FormsPage::openAbout);
    m_dialogResult = new QLabel(QStringLiteral("Observer: %1").arg(m_observer), tab);

    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(dialog);
    layout->addWidget(
        hintLabel(QStringLiteral("Prepared once when first shown; OK asks whether the name is valid before "
                                 "it applies it. Reset is handled by the dialog, not by the frame."),
                  tab));
    layout->addWidget(m_dialogResult);
    layout->addSpacing(12);
    layout->addWidget(dialogWidget);
    layout->addWidget(
        hintLabel(QStringLiteral("A ready OK/Cancel frame around one widget: the caption goes on the next "
                                 "captured frame."),
                  tab));
    layout->addSpacing(12);
    layout->addWidget(about);
    layout->addWidget(
        hintLabel(QStringLiteral("Name, version and revision, the organisation's link, and a tab of "
                                 "libraries. With Russian chosen on the Resources page it speaks Russian and "
                                 "shows one more link."),
                  tab));
    layout->addStretch(1);
    return tab;
}

QString FormsPage::capture()
{
    const QString directory = m_save->path();
    const QByteArray format = m_save->format();
    const QString prefix = m_save->prefix();
    const QFileInfo where(directory);
    if (directory.isEmpty()) {
        captureFailed(QStringLiteral("No directory is chosen."));
        return QString();
    }
    if (!where.isDir()) {
        captureFailed(QStringLiteral("%1 is not an existing directory.").arg(directory));
        return QString();
    }
    // The prefix names files, it does not choose places.
    if (prefix.contains(QLatin1Char('/')) || prefix.contains(QLatin1Char('\\')) || prefix == QLatin1String(".")
        || prefix == QLatin1String("..")) {
        captureFailed(QStringLiteral("The prefix \"%1\" would leave the directory.").arg(prefix));
        return QString();
    }
    const QString extension = FSUtils::formatExtensions(format).value(0, QString::fromLatin1(format));
    QString file;
    int number = m_frame;
    do { // never over an existing file
        ++number;
        file = QDir(directory).filePath(
            QStringLiteral("%1%2.%3").arg(prefix).arg(number, 4, 10, QLatin1Char('0')).arg(extension));
    } while (QFileInfo::exists(file));

    QImageWriter writer(file, format);
    if (FSUtils::supportQualityWrite(format))
        writer.setQuality(m_save->quality());
    if (!writer.write(makeFrame(number, m_captureCaption))) {
        const QString why = writer.errorString();
        writer.setDevice(nullptr); // closes the file before it goes
        QFile::remove(file);
        captureFailed(QStringLiteral("Cannot write %1: %2").arg(file, why));
        return QString();
    }
    m_frame = number;

    // What is on disk, read back.
    QImageReader reader(file);
    const QSize size = reader.size();
    const QImage image = reader.read();
    m_capturePreview->setPixmap(
        QPixmap::fromImage(image.scaled(m_capturePreview->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    m_captureResult->setText(QStringLiteral("Wrote %1 (%2, %3 x %4, %5 bytes%6)")
                                 .arg(file, QString::fromLatin1(format))
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(QFileInfo(file).size())
                                 .arg(FSUtils::supportQualityWrite(format)
                                          ? QStringLiteral(", quality %1").arg(m_save->quality())
                                          : QString()));
    write(QStringLiteral("capture: %1").arg(file));
    return file;
}

void FormsPage::captureFailed(const QString &why)
{
    m_capturePreview->clear();
    m_captureResult->setText(QStringLiteral("Not written. %1").arg(why));
    write(QStringLiteral("capture failed: %1").arg(why));
}

void FormsPage::openDialog()
{
    auto *dialog = new ObserverDialog(
        m_observer, [this](const QString &line) { write(line); },
        [this](const QString &name) {
            m_observer = name;
            m_dialogResult->setText(QStringLiteral("Observer: %1").arg(name));
        },
        this);
    connect(dialog, &QDialog::finished, this, [this](int result) {
        write(QStringLiteral("ZelDialog finished: %1").arg(result == QDialog::Accepted ? "accepted" : "rejected"));
    });
    dialog->open();
}

void FormsPage::openDialogWidget()
{
    auto *dialog = new ZelDialogWidget(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto *content = new QWidget;
    auto *edit = new QLineEdit(m_captureCaption, content);
    edit->setPlaceholderText(QStringLiteral("e.g. M42 through thin clouds"));
    auto *form = new QFormLayout(content);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(QStringLiteral("&Caption:"), edit);
    dialog->addWidgetToDialog(content, QStringLiteral("Frame caption"));
    dialog->resize(360, dialog->sizeHint().height());
    connect(dialog, &QDialog::accepted, this, [this, edit] {
        m_captureCaption = edit->text();
        write(QStringLiteral("ZelDialogWidget accepted: caption \"%1\"").arg(m_captureCaption));
    });
    connect(dialog, &QDialog::rejected, this, [this] { write(QStringLiteral("ZelDialogWidget rejected")); });
    dialog->open();
}

void FormsPage::openAbout()
{
    auto *about = new ZelAboutWidget(this);
    const QList<QPair<QString, QString>> libraries{
        {QStringLiteral("Qt"), QString::fromLatin1(qVersion())},
        {QStringLiteral("Qwt"), QStringLiteral(QWT_VERSION_STR)},
        {QStringLiteral("ZelCore"), ZelVersion::version()},
        {QStringLiteral("Gallery"), QCoreApplication::applicationVersion()},
    };
    auto *table = new QTableWidget(int(libraries.size()), 2);
    table->setHorizontalHeaderLabels({QStringLiteral("Library"), QStringLiteral("Version")});
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < libraries.size(); ++row) {
        table->setItem(row, 0, new QTableWidgetItem(libraries.at(row).first));
        table->setItem(row, 1, new QTableWidgetItem(libraries.at(row).second));
    }
    about->addMetaInformation(QStringLiteral("Libraries"), table);
    // The log may go before the box when the page is destroyed.
    connect(about, &QObject::destroyed, m_log,
            [log = m_log] { log->appendPlainText(QStringLiteral("about box closed")); });
    about->show();
    write(QStringLiteral("about box shown"));
}

void FormsPage::write(const QString &line)
{
    m_log->appendPlainText(line);
}
