// The one table of the Designer plugin: every widget of libZelGui that a
// form can hold, with its widget-box texts, icon, default geometry and
// properties, and the exported widgets it leaves out with the reason.
//
// A new exported widget goes into one of the two lists; the plugin's test
// fails until it does.

#include "ZelDesignerWidgets.h"

#include <ZelGui/ZelAngleSpinBox.h>
#include <ZelGui/ZelBindablePushButton.h>
#include <ZelGui/ZelBindableToolButton.h>
#include <ZelGui/ZelBoolComboBox.h>
#include <ZelGui/ZelChooseDirectoryWidget.h>
#include <ZelGui/ZelChooseFileWidget.h>
#include <ZelGui/ZelColorComboBox.h>
#include <ZelGui/ZelColorRectItem.h>
#include <ZelGui/ZelColorSelectWidget.h>
#include <ZelGui/ZelColoredSpanSlider.h>
#include <ZelGui/ZelComboBox.h>
#include <ZelGui/ZelConfigureRectWidget.h>
#include <ZelGui/ZelConfigureSaveWidget.h>
#include <ZelGui/ZelDockWidget.h>
#include <ZelGui/ZelDockWidgetLPOriented.h>
#include <ZelGui/ZelDoubleRangeWidget.h>
#include <ZelGui/ZelDoubleSlider.h>
#include <ZelGui/ZelEnumComboBox.h>
#include <ZelGui/ZelFontFamilyCombobox.h>
#include <ZelGui/ZelGraphicsViewWithRect.h>
#include <ZelGui/ZelHSLHistogram.h>
#include <ZelGui/ZelHSLThermoBar.h>
#include <ZelGui/ZelIconedButtonWithLabel.h>
#include <ZelGui/ZelImageFileListView.h>
#include <ZelGui/ZelImageFormatComboBox.h>
#include <ZelGui/ZelLanguageComboBox.h>
#include <ZelGui/ZelLineColorPicker.h>
#include <ZelGui/ZelListWidget.h>
#include <ZelGui/ZelLogSlider.h>
#include <ZelGui/ZelLongExposureWidget.h>
#include <ZelGui/ZelMathGL.h>
#include <ZelGui/ZelMoveableWidget.h>
#include <ZelGui/ZelPerfCounterWidget.h>
#include <ZelGui/ZelPropertyWidget.h>
#include <ZelGui/ZelRadioButton.h>
#include <ZelGui/ZelRangeDoubleCheckableWidget.h>
#include <ZelGui/ZelRangeIntCheckableWidget.h>
#include <ZelGui/ZelRangeWidget.h>
#include <ZelGui/ZelRangeWidgetWithLabel.h>
#include <ZelGui/ZelScanAreaWidget.h>
#include <ZelGui/ZelSliderLog.h>
#include <ZelGui/ZelSpanRangeWidget.h>
#include <ZelGui/ZelSpanSlider.h>
#include <ZelGui/ZelSpanSliderWithIntermediateValue.h>
#include <ZelGui/ZelSpinBox.h>
#include <ZelGui/ZelStatusForm.h>
#include <ZelGui/ZelTCLabel.h>
#include <ZelGui/ZelTreePropertyWidget.h>
#include <ZelGui/ZelVideoSlider.h>
#include <ZelGui/ZelWidgetWithToolbar.h>
#include <ZelGui/ZelZoomComboBox.h>
#include <ZelGui/ZelZoomGOSTComboBox.h>
#include <ZelGui/ZelZoomSlider.h>
#include <ZelGui/ZelZoomSpinBox.h>
#include <ZelGui/ZelZoomToolbar.h>

namespace {

template<class W>
QWidget *make(QWidget *parent)
{
    return new W(parent);
}

// The form starts without a directory; Designer has none to give it.
template<>
QWidget *make<ZelConfigureSaveWidget>(QWidget *parent)
{
    return new ZelConfigureSaveWidget(parent, QString());
}

template<>
QWidget *make<ZelColorRectItem>(QWidget *parent)
{
    return new ZelColorRectItem(QColor(Qt::white), parent);
}

// Property elements as a .ui file writes them.
QString horizontal()
{
    return QStringLiteral("<property name=\"orientation\"><enum>Qt::Horizontal</enum></property>");
}

QString intProperty(const char *name, int value)
{
    return QStringLiteral("<property name=\"%1\"><number>%2</number></property>").arg(QLatin1String(name)).arg(value);
}

QString stringProperty(const char *name, const char *value)
{
    return QStringLiteral("<property name=\"%1\"><string>%2</string></property>")
        .arg(QLatin1String(name), QLatin1String(value));
}

// A span slider shows both handles apart, so the span is visible at once.
QString spanProperties()
{
    // The upper value first: a lower value above the upper one would be
    // bounded by it.
    return horizontal() + intProperty("upperValue", 75) + intProperty("lowerValue", 25);
}

struct Row
{
    const char *className;
    const char *header;
    const char *icon;
    const char *toolTip;
    const char *whatsThis;
    QSize size;
    QString properties;
    const char *extends;
    bool container;
    QWidget *(*create)(QWidget *parent);
};

ZelDesignerEntry entry(const Row &row)
{
    ZelDesignerEntry e;
    e.className = QLatin1String(row.className);
    e.includeFile = QStringLiteral("ZelGui/") + QLatin1String(row.header);
    e.iconFile = QLatin1String(row.icon);
    e.toolTip = QLatin1String(row.toolTip);
    e.whatsThis = QLatin1String(row.whatsThis);
    e.defaultSize = row.size;
    e.properties = row.properties;
    e.extends = QLatin1String(row.extends);
    e.container = row.container;
    e.create = row.create;
    return e;
}

} // namespace

const QList<ZelDesignerEntry> &zelDesignerEntries()
{
    // clang-format off
    static const Row rows[] = {
        // Span sliders and the span range widget
        {"ZelSpanSlider", "ZelSpanSlider.h", "spanslider.png",
         "Span slider",
         "A slider with two handles that select a span [lowerValue, upperValue] inside its range.",
         {200, 24}, spanProperties(), "QSlider", false, make<ZelSpanSlider>},
        {"ZelSpanSliderWithIntermediateValue", "ZelSpanSliderWithIntermediateValue.h", "spanslider_intermediate.png",
         "Span slider with an intermediate value",
         "A span slider with a third handle that marks a value inside the span, such as the current "
         "frame between a start and an end.",
         {200, 32}, spanProperties() + intProperty("intermediateValue", 50), "QSlider", false,
         make<ZelSpanSliderWithIntermediateValue>},
        {"ZelVideoSlider", "ZelVideoSlider.h", "videoslider.png",
         "Video slider",
         "A span slider for a video clip: the span marks the part to play, the intermediate handle "
         "the current frame, with their times written above and below the handles.",
         {240, 64}, spanProperties() + intProperty("intermediateValue", 50), "QSlider", false,
         make<ZelVideoSlider>},
        {"ZelColoredSpanSlider", "ZelColoredSpanSlider.h", "spanslider_coloured.png",
         "Coloured span slider",
         "A horizontal span slider under a class name of its own, so that style sheets and styling "
         "code can colour it apart from the other span sliders.",
         {200, 24}, spanProperties(), "QSlider", false, make<ZelColoredSpanSlider>},
        {"ZelSpanRangeWidget", "ZelSpanRangeWidget.h", "spanrangewidget.png",
         "Span range editor",
         "A span slider with a spin box for each end of the span below it, kept in step both ways. "
         "The spin boxes show after a double click on the slider or setSettingsVisible(true).",
         {320, 60}, QString(), "QWidget", false, make<ZelSpanRangeWidget>},

        // Range editors, mapped sliders and spin boxes
        {"ZelRangeWidget", "ZelRangeWidget.h", "rangewidget.png",
         "Integer range editor",
         "A slider and a spin box that edit one integer value together, with a minimum, maximum "
         "and single step.",
         {240, 40}, QString(), "QWidget", false, make<ZelRangeWidget>},
        {"ZelDoubleRangeWidget", "ZelDoubleRangeWidget.h", "doublerangewidget.png",
         "Real range editor",
         "A slider and a spin box that edit one real value together; the slider steps by the "
         "single step of the range.",
         {240, 40}, QString(), "QWidget", false, make<ZelDoubleRangeWidget>},
        {"ZelRangeWidgetWithLabel", "ZelRangeWidgetWithLabel.h", "rangewidget_label.png",
         "Integer range editor with a caption",
         "An integer range editor with a caption: the caption and a spin box on the first row, the "
         "slider below.",
         {300, 66}, QString(), "QWidget", false, make<ZelRangeWidgetWithLabel>},
        {"ZelRangeIntCheckableWidget", "ZelRangeIntCheckableWidget.h", "rangewidget_checkable.png",
         "Checkable integer range editor",
         "An integer range editor with a check box in front, for a setting that has a value and can "
         "be switched on or off.",
         {300, 60}, QString(), "QWidget", false, make<ZelRangeIntCheckableWidget>},
        {"ZelRangeDoubleCheckableWidget", "ZelRangeDoubleCheckableWidget.h", "doublerangewidget_checkable.png",
         "Checkable real range editor",
         "A real range editor with a check box in front, for a setting that has a value and can be "
         "switched on or off.",
         {300, 60}, QString(), "QWidget", false, make<ZelRangeDoubleCheckableWidget>},
        {"ZelDoubleSlider", "ZelDoubleSlider.h", "doubleslider.png",
         "Real-valued slider",
         "A slider over a range of real numbers, stepping by a single step of its own.",
         {200, 24}, horizontal(), "QSlider", false, make<ZelDoubleSlider>},
        {"ZelSliderLog", "ZelSliderLog.h", "sliderlog.png",
         "Real-valued slider on a logarithmic scale",
         "A real-valued slider whose values are exponents of a base; its owner sees the base to that "
         "power.",
         {200, 24}, horizontal(), "QSlider", false, make<ZelSliderLog>},
        {"ZelLogSlider", "ZelLogSlider.h", "logslider.png",
         "Slider of decades",
         "A slider whose positions are whole decades of a real range: position p stands for 10 to "
         "the power p.",
         {200, 24}, horizontal(), "QSlider", false, make<ZelLogSlider>},
        {"ZelAngleSpinBox", "ZelAngleSpinBox.h", "anglespinbox.png",
         "Angle spin box",
         "A spin box for angles in decimal degrees, from 0\u00B0 to 360\u00B0, wrapping around.",
         {100, 24}, QString(), "QDoubleSpinBox", false, make<ZelAngleSpinBox>},
        {"ZelSpinBox", "ZelSpinBox.h", "spinbox.png",
         "Spin box",
         "The integer spin box of the library's forms.",
         {100, 24}, QString(), "QSpinBox", false, make<ZelSpinBox>},

        // Zoom controls
        {"ZelZoomComboBox", "ZelZoomComboBox.h", "zoomcombobox.png",
         "Zoom menu button",
         "A push button that shows the current zoom; a click pops up a menu of the preset zooms.",
         {50, 28}, QString(), "QPushButton", false, make<ZelZoomComboBox>},
        {"ZelZoomGOSTComboBox", "ZelZoomGOSTComboBox.h", "zoomgostcombobox.png",
         "Scale list",
         "A combo box of the standard drawing scales, from 100:1 to 1:1000, each standing for a "
         "zoom.",
         {100, 24}, QString(), "QComboBox", false, make<ZelZoomGOSTComboBox>},
        {"ZelZoomSpinBox", "ZelZoomSpinBox.h", "zoomspinbox.png",
         "Zoom spin box",
         "A spin box that edits the zoom in percent.",
         {100, 24}, QString(), "QSpinBox", false, make<ZelZoomSpinBox>},
        {"ZelZoomSlider", "ZelZoomSlider.h", "zoomslider.png",
         "Zoom slider",
         "A slider over the zooms from 0.1 to 32 on a logarithmic scale.",
         {200, 24}, horizontal(), "QSlider", false, make<ZelZoomSlider>},
        {"ZelZoomToolbar", "ZelZoomToolbar.h", "zoomtoolbar.png",
         "Zoom tool bar",
         "A row of zoom controls: the zoom menu button, zoom-out and zoom-in buttons and the zoom "
         "slider, all showing the same zoom.",
         {360, 56}, QString(), "QWidget", false, make<ZelZoomToolbar>},

        // Buttons, progress and status
        {"ZelBindablePushButton", "ZelBindablePushButton.h", "bindablepushbutton.png",
         "Bindable push button",
         "A push button that host code binds to a bindable action; its own class name lets style "
         "sheets tell it apart.",
         {100, 28}, stringProperty("text", "PushButton"), "QPushButton", false, make<ZelBindablePushButton>},
        {"ZelBindableToolButton", "ZelBindableToolButton.h", "bindabletoolbutton.png",
         "Bindable tool button",
         "A tool button that host code binds to a bindable action; its own class name lets style "
         "sheets tell it apart.",
         {28, 28}, stringProperty("text", "..."), "QToolButton", false, make<ZelBindableToolButton>},
        {"ZelStatusForm", "ZelStatusForm.h", "statusform.png",
         "Status form",
         "Named status fields, one row per name, with a status line and a progress bar that appear "
         "when first used.",
         {300, 80}, QString(), "QWidget", false, make<ZelStatusForm>},
        {"ZelLongExposureWidget", "ZelLongExposureWidget.h", "longexposurewidget.png",
         "Long exposure",
         "A checkable group with an exposure-time editor (seconds) and a progress bar that counts a "
         "running exposure.",
         {320, 110}, QString(), "QGroupBox", false, make<ZelLongExposureWidget>},
        {"ZelLongExposureProgressBar", "ZelLongExposureWidget.h", "longexposureprogressbar.png",
         "Long exposure progress bar",
         "A progress bar for a long exposure: milliseconds in, elapsed and total seconds shown.",
         {200, 24}, QString(), "QProgressBar", false, make<ZelLongExposureProgressBar>},

        // Dock widgets
        {"ZelDockWidget", "ZelDockWidget.h", "dockwidget.png",
         "Dock widget",
         "A dock widget that tabs itself onto a panel already docked in its area of the main "
         "window. Put its contents inside it.",
         {200, 160}, stringProperty("windowTitle", "Dock"), "QDockWidget", true, make<ZelDockWidget>},
        {"ZelDockWidgetLPOriented", "ZelDockWidgetLPOriented.h", "dockwidget_oriented.png",
         "Re-orienting dock widget",
         "A dock widget that tells contents implementing ILPOrientedWidget to take the portrait or "
         "landscape shape of the area it is docked in.",
         {200, 160}, stringProperty("windowTitle", "Dock"), "QDockWidget", true, make<ZelDockWidgetLPOriented>},

        // Floating frames and small controls
        {"ZelListWidget", "ZelListWidget.h", "listwidget.png",
         "List widget",
         "The list widget of the library's forms.",
         {160, 120}, QString(), "QListWidget", false, make<ZelListWidget>},
        {"ZelRadioButton", "ZelRadioButton.h", "radiobutton.png",
         "Radio button",
         "The radio button of the library's forms.",
         {120, 24}, stringProperty("text", "RadioButton"), "QRadioButton", false, make<ZelRadioButton>},
        {"ZelTCLabel", "ZelTCLabel.h", "tclabel.png",
         "Thread-safe label",
         "A label whose text may be set from any thread; the text shows once the GUI thread gets to "
         "it.",
         {120, 24}, stringProperty("text", "TextLabel"), "QLabel", false, make<ZelTCLabel>},
        {"ZelMoveableWidget", "ZelMoveableWidget.h", "moveablewidget.png",
         "Movable widget",
         "A widget the user drags inside an allowed rectangle of its parent; it asks its owner to "
         "move it through needMove().",
         {80, 60}, QString(), "QWidget", false, make<ZelMoveableWidget>},
        {"ZelWidgetWithToolbar", "ZelWidgetWithToolbar.h", "widgetwithtoolbar.png",
         "Widget with a tool bar",
         "A tool bar on top of a widget that code gives it (setupWidget()); the tool bar's icons "
         "follow the icon size setting.",
         {240, 160}, QString(), "QWidget", false, make<ZelWidgetWithToolbar>},

        // Colour pickers
        {"ZelColorComboBox", "ZelColorComboBox.h", "colorcombobox.png",
         "Colour combo box",
         "A combo box of named colour swatches; with the colour dialog enabled, a last \"More...\" "
         "entry adds a colour of the user's choice.",
         {140, 24}, QString(), "QComboBox", false, make<ZelColorComboBox>},
        {"ZelColorSelectWidget", "ZelColorSelectWidget.h", "colorselectwidget.png",
         "RGB colour selector",
         "Three range editors for the red, green and blue parts of a colour.",
         {300, 130}, QString(), "QWidget", false, make<ZelColorSelectWidget>},
        {"ZelColorRectItem", "ZelColorRectItem.h", "colorrectitem.png",
         "Colour swatch",
         "A flat swatch of one colour: a press reports the colour; unless read-only, a double click "
         "or F2 opens a colour dialog.",
         {40, 24}, QStringLiteral("<property name=\"color\"><color><red>255</red><green>255</green>"
                                  "<blue>255</blue></color></property>"),
         "QFrame", false, make<ZelColorRectItem>},
        {"ZelLineColorPicker", "ZelLineColorPicker.h", "linecolorpicker.png",
         "Line colour picker",
         "A row of fifteen colour swatches; a click on one picks the colour of a line.",
         {260, 28}, QString(), "QFrame", false, make<ZelLineColorPicker>},

        // Value combo boxes and property trees
        {"ZelComboBox", "ZelComboBox.h", "combobox.png",
         "Combo box",
         "The plain combo box of the library's forms and the base of its typed combo boxes.",
         {140, 24}, QString(), "QComboBox", false, make<ZelComboBox>},
        {"ZelImageFormatComboBox", "ZelImageFormatComboBox.h", "imageformatcombobox.png",
         "Image format combo box",
         "A combo box of the image file formats the application can write.",
         {140, 24}, QString(), "QComboBox", false, make<ZelImageFormatComboBox>},
        {"ZelBoolComboBox", "ZelBoolComboBox.h", "boolcombobox.png",
         "On/off combo box",
         "A combo box that chooses a Boolean: On (true) or Off (false).",
         {100, 24}, QString(), "QComboBox", false, make<ZelBoolComboBox>},
        {"ZelEnumComboBox", "ZelEnumComboBox.h", "enumcombobox.png",
         "Enumeration combo box",
         "A combo box that edits an enumeration value, one entry per item of the enumeration.",
         {140, 24}, QString(), "QComboBox", false, make<ZelEnumComboBox>},
        {"ZelLanguageComboBox", "ZelLanguageComboBox.h", "languagecombobox.png",
         "Language combo box",
         "A combo box of languages, each with the host application's flag icon.",
         {140, 24}, QString(), "QComboBox", false, make<ZelLanguageComboBox>},
        {"ZelFontFamilyCombobox", "ZelFontFamilyCombobox.h", "fontfamilycombobox.png",
         "Font family combo box",
         "A combo box of the font families the host application offers; the application object "
         "must implement IApplicationWithFontDataBase.",
         {160, 24}, QString(), "QComboBox", false, make<ZelFontFamilyCombobox>},
        {"ZelTreePropertyWidget", "ZelTreePropertyWidget.h", "treepropertywidget.png",
         "Property tree",
         "A tree of categories whose rows hold a caption and an editor widget each.",
         {260, 180}, QString(), "QTreeWidget", false, make<ZelTreePropertyWidget>},
        {"ZelPropertyWidget", "ZelPropertyWidget.h", "propertywidget.png",
         "Property list",
         "A flat list of captions with an editor widget beside each.",
         {260, 180}, QString(), "QTreeWidget", false, make<ZelPropertyWidget>},

        // The image file list
        {"ZelImageFileListView", "ZelImageFileListView.h", "imagefilelistview.png",
         "Image file list",
         "The list of an image file model: one large picture per entry with a line of text under "
         "it.",
         {260, 200}, QString(), "QListView", false, make<ZelImageFileListView>},

        // Colour displays
        {"ZelThermoBar", "ZelHSLThermoBar.h", "thermobar.png",
         "Colour bar",
         "A thin horizontal bar that shows the colour ramp of one colour component.",
         {200, 30}, QString(), "QWidget", false, make<ZelThermoBar>},
        {"ZelThermoBarSpan", "ZelHSLThermoBar.h", "thermobar_span.png",
         "Colour bar with a span",
         "A colour bar with two handles that mark a span of an integer range.",
         {200, 40}, QString(), "QWidget", false, make<ZelThermoBarSpan>},
        {"ZelHSLThermoBarRotate", "ZelHSLThermoBar.h", "thermobar_rotate.png",
         "Rotating hue bar",
         "A colour bar whose ramp turns cyclically when dragged sideways.",
         {200, 30}, QString(), "QWidget", false, make<ZelHSLThermoBarRotate>},
        {"ZelHSLHistogram", "ZelHSLHistogram.h", "hslhistogram.png",
         "HSL histogram",
         "A plot of the hue, saturation or lightness histogram of an image as a filled curve, hue "
         "on a rainbow.",
         {320, 200}, QStringLiteral("<property name=\"component\"><enum>ZelHSLHistogram::Hue</enum></property>"),
         "QFrame", false, make<ZelHSLHistogram>},

        // Forms
        {"ZelConfigureSaveWidget", "ZelConfigureSaveWidget.h", "configuresavewidget.png",
         "Save settings form",
         "The save settings of captured images: image format, quality, target directory and "
         "file-name prefix.",
         {360, 150}, QString(), "QWidget", false, make<ZelConfigureSaveWidget>},
        {"ZelChooseDirectoryWidget", "ZelChooseDirectoryWidget.h", "choosedirectorywidget.png",
         "Directory chooser",
         "A directory field with a browse button; the directory changes through the button's "
         "directory dialog or setCurrentDir().",
         {260, 28}, QString(), "QWidget", false, make<ZelChooseDirectoryWidget>},
        {"ZelChooseFileWidget", "ZelChooseFileWidget.h", "choosefilewidget.png",
         "File chooser",
         "A file field with a browse button; the file changes through the button's open dialog or "
         "setFilePath().",
         {260, 28}, QString(), "QWidget", false, make<ZelChooseFileWidget>},
        {"ZelConfigureRectWidget", "ZelConfigureRectWidget.h", "configurerectwidget.png",
         "Rectangle editor",
         "Edits a rectangle inside an allowed area by X, Y, width and height; the owner gets it when "
         "the user presses Apply.",
         {320, 220}, QString(), "QWidget", false, make<ZelConfigureRectWidget>},
        {"ZelScanAreaWidget", "ZelScanAreaWidget.h", "scanareawidget.png",
         "Scan area editor",
         "Edits a scan area by its corners X1/Y1 and X2/Y2; the owner gets it when the user presses "
         "Apply.",
         {320, 220}, QString(), "QWidget", false, make<ZelScanAreaWidget>},
        {"ZelIconedButtonWithLabel", "ZelIconedButtonWithLabel.h", "iconedbuttonwithlabel.png",
         "Button with a caption under its icon",
         "A tool button with its text under the icon, as a widget of its own for forms and tool "
         "panels.",
         {80, 70}, QString(), "QWidget", false, make<ZelIconedButtonWithLabel>},

        // Views, counters and plots
        {"ZelGraphicsViewWithRect", "ZelGraphicsViewWithRect.h", "graphicsviewwithrect.png",
         "Image view",
         "A graphics view that knows the part of itself free for content: its contents rectangle "
         "without the scroll bars that show.",
         {320, 240}, QString(), "QGraphicsView", false, make<ZelGraphicsViewWithRect>},
        {"ZelPerfCounterWidget", "ZelPerfCounterWidget.h", "perfcounterwidget.png",
         "Performance counters",
         "A monitor of the core library's performance counters: one tab per metric, each plotting "
         "the metric's recorded values, refreshed every second.",
         {400, 260}, QString(), "QTabWidget", false, make<ZelPerfCounterWidget>},
        {"ZelMathGL", "ZelMathGL.h", "mathgl.png",
         "Point plot",
         "A plot of a list of 4-D points: the fourth component of each point over its index, as one "
         "curve.",
         {480, 480}, QString(), "QWidget", false, make<ZelMathGL>},
    };
    // clang-format on

    static const QList<ZelDesignerEntry> entries = [] {
        QList<ZelDesignerEntry> list;
        for (const Row &row : rows)
            list.append(entry(row));
        return list;
    }();
    return entries;
}

const QList<ZelDesignerLeftOut> &zelDesignerLeftOut()
{
    // The class templates ZelRangeWidgetT and ZelRangeCheckableWidgetT are
    // not exported classes: a form holds their instantiations above.
    static const QList<ZelDesignerLeftOut> leftOut = {
        {QStringLiteral("IZelElementTableView"),
         QStringLiteral("abstract: a subclass supplies add(), edit() and remove()")},
        {QStringLiteral("ZelElementDialogGUI"), QStringLiteral("abstract dialog that wraps a widget given by code")},
        {QStringLiteral("ZelHeaderProfileEditor"),
         QStringLiteral("a dialog of its own, opened by the header view's menu")},
        {QStringLiteral("ZelProgressDialog"), QStringLiteral("a dialog of its own, opened by code")},
        {QStringLiteral("ZelInfiniteProgressDialog"), QStringLiteral("a splash window of its own, opened by code")},
        {QStringLiteral("ZelTrayMessage"), QStringLiteral("a pop-up window that places and deletes itself")},
        {QStringLiteral("ZelTipLabel"), QStringLiteral("a tool-tip window that its owner moves and hides")},
        {QStringLiteral("ZelHorizontalHeaderView"),
         QStringLiteral("a header lives inside an item view (setHorizontalHeader), not in a form")},
        {QStringLiteral("ZelThermoBarSpanHandler"),
         QStringLiteral("a handle that a colour bar with a span makes for itself")},
        {QStringLiteral("ZelTreePropertyWidgetContainer"),
         QStringLiteral("a row's cell that a property tree makes for itself")},
        {QStringLiteral("ZelLineEdit"),
         QStringLiteral("no meta-object of its own, so Designer takes it for a QLineEdit; promote a "
                        "Line Edit to ZelLineEdit (global include ZelGui/ZelLineEdit.h) instead")},
        {QStringLiteral("ZelDialog"),
         QStringLiteral("a dialog frame that subclasses fill; it deletes itself when closed")},
        {QStringLiteral("ZelDialogWidget"),
         QStringLiteral("a dialog of its own around a content widget given by code")},
        {QStringLiteral("ZelAboutWidget"), QStringLiteral("a modal window of its own that deletes itself when closed")},
        {QStringLiteral("IGraphicsView"),
         QStringLiteral("a base of the host's image views without a meta-object of its own; place "
                        "ZelGraphicsViewWithRect")},
        {QStringLiteral("ZelGraphicsStatusWidget"),
         QStringLiteral("an overlay that centres itself on its parent, against any layout")},
        {QStringLiteral("ZelToolFrame"),
         QStringLiteral("an overlay that pins itself to a corner of its parent, against any layout")},
    };
    return leftOut;
}

QString zelDesignerDomXml(const ZelDesignerEntry &entry)
{
    // The object name Designer starts numbering from: zelSpanSlider, ...
    QString objectName = entry.className;
    objectName[0] = objectName.at(0).toLower();

    QString contents;
    if (entry.extends == QLatin1String("QDockWidget"))
        contents = QStringLiteral("<widget class=\"QWidget\" name=\"dockWidgetContents\"/>");

    return QStringLiteral(
               "<ui language=\"c++\">"
               "<widget class=\"%1\" name=\"%2\">"
               "<property name=\"geometry\"><rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect></property>"
               "%5%6"
               "</widget>"
               "<customwidgets><customwidget>"
               "<class>%1</class><extends>%7</extends><header location=\"global\">%8</header>"
               "</customwidget></customwidgets>"
               "</ui>")
        .arg(entry.className, objectName)
        .arg(entry.defaultSize.width())
        .arg(entry.defaultSize.height())
        .arg(entry.properties, contents, entry.extends, entry.includeFile);
}
