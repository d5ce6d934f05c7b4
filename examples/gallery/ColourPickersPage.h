#pragma once

#include "GalleryPage.h"
#include "SignalLog.h"

#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QSpinBox;
class QTabWidget;
class QToolButton;
class StatusTextPreview;
class ZelColorComboBox;
class ZelColorRectItem;
class ZelColorSelectWidget;
class ZelLineColorPicker;

// The colour pickers and the GUI utilities behind them: the colour combo
// box with its "More..." dialog entry, the RGB selector, an editable and a
// read-only colour rectangle and the line colour picker, each logging what
// it emits; the standard colour menus built of bindable actions, the colour
// tables as swatches; the status text painted over a view, with the zoom
// that fits an image into it.
class ColourPickersPage : public GalleryPage
{
    Q_OBJECT
public:
    explicit ColourPickersPage(QWidget *parent = nullptr);
    ~ColourPickersPage() override;

    QString title() const override;
    QIcon icon() const override;
    QString description() const override;

    ZelColorComboBox *comboBox() const { return m_combo; }
    ZelColorSelectWidget *selector() const { return m_selector; }
    ZelColorRectItem *editableRect() const { return m_editable; }
    ZelLineColorPicker *linePicker() const { return m_line; }
    QMenu *penMenu() const { return m_penMenu.get(); }
    QListWidget *log() const { return m_log; }
    QTabWidget *tabs() const { return m_tabs; }

private:
    QWidget *createPickersTab();
    QWidget *createMenusTab();
    QWidget *createStatusTab();
    void bindMenu(QMenu *menu, const QString &name, QLabel *chosen);
    void log(const QString &line);
    void updateFit();

    QTabWidget *m_tabs = nullptr;
    ZelColorComboBox *m_combo = nullptr;
    ZelColorSelectWidget *m_selector = nullptr;
    ZelColorRectItem *m_editable = nullptr;
    ZelColorRectItem *m_readonly = nullptr;
    ZelLineColorPicker *m_line = nullptr;
    QLabel *m_comboReadout = nullptr;
    SignalLog *m_log = nullptr;
    // GuiUtils hands its menus over without a parent.
    std::unique_ptr<QMenu> m_penMenu;
    std::unique_ptr<QMenu> m_fillMenu;
    StatusTextPreview *m_preview = nullptr;
    QLineEdit *m_statusText = nullptr;
    QSpinBox *m_imageWidth = nullptr;
    QSpinBox *m_imageHeight = nullptr;
    QLabel *m_fitReadout = nullptr;
};
