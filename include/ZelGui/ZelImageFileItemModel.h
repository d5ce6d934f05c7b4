#pragma once

#include <ZelGui/ZelImageFile.h>
#include <ZelGui/zelgui_export.h>

#include <ZelLog/ZelStatus.h>

#include <QAbstractListModel>
#include <QHash>
#include <QImage>
#include <QList>

#include <mutex>

//! A list of image files, one row per entry: the file name as text, the
//! entry's iconPixmap as picture, and a tool tip with file name, path, file
//! size and resolution.
//!
//! Files are loaded and scaled synchronously by the thread that adds them.
//! The list is guarded by a recursive mutex, so entries may be added, read
//! and removed from several threads at once; the row notifications are
//! emitted on the thread that makes the change, while the lock is held.
//! data() and containsFile() read an entry under the lock, so they never see
//! an entry that another thread is removing. The pointers files() returns
//! stay valid only until their rows are removed.
//!
//! The model owns its entries: removing a row deletes its entry, and so does
//! the destructor. rowCount() gives the number of entries for any parent.
class ZELGUI_EXPORT ZelImageFileItemModel : public QAbstractListModel
{
    Q_OBJECT
public:
    //! Creates an empty model; \a parent owns it.
    explicit ZelImageFileItemModel(QObject *parent = nullptr);
    //! Deletes every entry.
    ~ZelImageFileItemModel() override;

    //! A copy of the list, taken under the lock; the entries stay the model's.
    QList<ZelImageFile *> files() const;
    //! Whether an entry's path equals path exactly (case-sensitive).
    bool containsFile(const QString &path) const;

    //! The image scaled into 350 x 350 pixels, aspect ratio kept, without
    //! smoothing.
    static QImage scaledImage(const QImage &image);

    //! The number of entries, for any parent.
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    //! The file name (Qt::DisplayRole), the picture as an icon
    //! (Qt::DecorationRole), the tool tip, a centred-bottom alignment and the
    //! size hint of an entry; invalid outside the list.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    //! Entries are not editable: changes nothing and returns false.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    //! There are no headers: always an invalid QVariant.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    //! Removes and deletes the entries of rows row to row + count - 1. A range
    //! that is empty or reaches outside the list removes nothing, announces
    //! nothing and returns false.
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    //! The default flags plus Qt::ItemIsUserCheckable; never editable.
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    //! Removes every entry.
    void clear();

public Q_SLOTS:
    //! Loads the file (its format found from its contents) and appends an
    //! entry for it with a 350-pixel preview, which is also the entry's
    //! picture in the list, and an 800-pixel copy. A file that cannot be
    //! loaded adds nothing and gives a warning status (issue 600).
    ZelStatus addImageFile(QString path);
    //! Appends an entry built by the caller and takes ownership of it. No
    //! duplicate test is made (see containsFile()); a null pointer is ignored.
    void addImageFile(ZelImageFile *imageFile);

private Q_SLOTS:
    //! Builds the entry of a loaded image from its scaled copies; width and
    //! height are those of the image as loaded.
    ZelStatus addImageFile(QString path, QImage preview, ZelImage scaledFull, int width, int height);

private:
    // What the tool tip of an entry built from a path says, so that it is
    // put together in the language of the moment it is shown.
    struct ToolTipFacts
    {
        QString fileName;
        qint64 fileSize = 0;
        QString resolution;
    };
    static QString toolTipText(const ZelImageFile &file, const ToolTipFacts &facts);

    mutable std::recursive_mutex m_mutex;
    QList<ZelImageFile *> m_files;
    QHash<const ZelImageFile *, ToolTipFacts> m_toolTipFacts;
};
