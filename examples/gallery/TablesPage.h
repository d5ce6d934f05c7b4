#pragma once

#include "GalleryPage.h"
#include "SignalLog.h"

#include <QStringList>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QStandardItemModel;
class QTableView;
class QTemporaryDir;
class QTimer;
class ZelHorizontalHeaderView;
class ZelImageFileItemModel;
class ZelImageFileListView;

// Tables and lists: a table of a few hundred generated captures whose
// header keeps its layout in the gallery's settings file, per profile, with
// a profile chooser and the profile editor; and the image file list filled
// from a folder (generated sample images until the user picks one). Every
// emission goes to the page's log.
class TablesPage : public GalleryPage
{
    Q_OBJECT
public:
    explicit TablesPage(QWidget *parent = nullptr);
    ~TablesPage() override;

    QString title() const override;
    QIcon icon() const override;
    QString description() const override;

    QTableView *table() const { return m_table; }
    ZelHorizontalHeaderView *header() const { return m_header; }
    QComboBox *profileBox() const { return m_profiles; }
    ZelImageFileItemModel *imageModel() const { return m_images; }
    ZelImageFileListView *imageList() const { return m_imageList; }
    QListWidget *log() const { return m_log; }

    // Starts filling the list from the files of directory, one file per turn
    // of the event loop; true while files are still waiting.
    void loadFolder(const QString &directory);
    bool isLoading() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *createTableBox();
    QWidget *createImageBox();
    void fillTable();
    void refreshProfiles();
    void updateHeaderReadout();
    void editProfiles();
    void loadSamples();
    void loadNextFile();
    void showCurrentImage(const QModelIndex &index);
    void logLine(const QString &line);

    QStandardItemModel *m_tableModel = nullptr;
    QTableView *m_table = nullptr;
    ZelHorizontalHeaderView *m_header = nullptr;
    QComboBox *m_profiles = nullptr;
    QLineEdit *m_newProfile = nullptr;
    QLabel *m_headerReadout = nullptr;
    ZelImageFileItemModel *m_images = nullptr;
    ZelImageFileListView *m_imageList = nullptr;
    QLabel *m_folder = nullptr;
    QLabel *m_imageReadout = nullptr;
    SignalLog *m_log = nullptr;
    QTimer *m_loader = nullptr;
    QStringList m_pending;
    std::unique_ptr<QTemporaryDir> m_samples;
};
