#pragma once

#include "GalleryPage.h"
#include "SignalLog.h"

class CameraTableModel;
class CameraTableView;
class QLabel;
class QListWidget;
class ZelBoolComboBox;
class ZelEnumComboBox;
class ZelFontFamilyCombobox;
class ZelImageFormatComboBox;
class ZelLanguageComboBox;
class ZelPropertyWidget;
class ZelTreePropertyWidget;

// Element tables, property trees and value combo boxes: a table of cameras
// edited through the element dialog (which refuses nameless or duplicate
// cameras and asks before dropping changes), a property tree with
// categories, and every value combo box with a readout of its typed
// signal. Every emission goes to the log.
class ValuesPage : public GalleryPage
{
    Q_OBJECT
public:
    explicit ValuesPage(QWidget *parent = nullptr);

    QString title() const override;
    QIcon icon() const override;
    QString description() const override;

    CameraTableModel *cameraModel() const { return m_cameraModel; }
    CameraTableView *cameraView() const { return m_cameraView; }
    ZelTreePropertyWidget *propertyTree() const { return m_tree; }
    ZelImageFormatComboBox *formatBox() const { return m_formatBox; }
    ZelBoolComboBox *boolBox() const { return m_boolBox; }
    ZelEnumComboBox *enumBox() const { return m_enumBox; }
    ZelLanguageComboBox *languageBox() const { return m_languageBox; }
    ZelFontFamilyCombobox *fontBox() const { return m_fontBox; }
    QListWidget *log() const { return m_log; }

private:
    QWidget *createTableBox();
    QWidget *createTreeBox();
    QWidget *createComboBox();
    void log(const QString &line);

    CameraTableModel *m_cameraModel = nullptr;
    CameraTableView *m_cameraView = nullptr;
    QLabel *m_countReadout = nullptr;
    ZelTreePropertyWidget *m_tree = nullptr;
    ZelImageFormatComboBox *m_formatBox = nullptr;
    ZelBoolComboBox *m_boolBox = nullptr;
    ZelEnumComboBox *m_enumBox = nullptr;
    ZelLanguageComboBox *m_languageBox = nullptr;
    ZelFontFamilyCombobox *m_fontBox = nullptr;
    SignalLog *m_log = nullptr;
};
