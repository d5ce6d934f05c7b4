#pragma once

// What a host application derives from the library's element-table
// building blocks: a table of cameras with its model, its view and the
// dialog that edits one camera.

#include <ZelGui/IZelElementTableView.h>
#include <ZelGui/ZelElementAbstractTableModel.h>
#include <ZelGui/ZelElementDialogGUI.h>
#include <ZelGui/ZelElementTableColumn.h>

#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QSpinBox;

struct Camera
{
    QString name;
    int exposureUs = 10000;
    double gainDb = 0.0;
};

// The cameras, one per row; the columns are described by
// MetaPropertyModelColumn and their captions are the header's.
class CameraTableModel : public ZelElementAbstractTableModel
{
    Q_OBJECT
public:
    explicit CameraTableModel(QObject *parent = nullptr);
    ~CameraTableModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const ZelElementTableColumn &column(int index) const { return *m_columns.at(std::size_t(index)); }
    Camera camera(int row) const { return m_cameras.at(row); }
    QStringList names() const;

    void appendCamera(const Camera &camera);
    void setCamera(int row, const Camera &camera);
    // Removes count rows from row on, in one removal.
    void removeCameras(int row, int count);

private:
    std::vector<std::unique_ptr<ZelElementTableColumn>> m_columns;
    QList<Camera> m_cameras;
};

// The editor shown by CameraDialog.
class CameraEditor : public QWidget
{
    Q_OBJECT
public:
    explicit CameraEditor(QWidget *parent = nullptr);

    Camera camera() const;
    void setCamera(const Camera &camera);
    // Whether the fields differ from what setCamera() gave.
    bool isModified() const;
    void showProblem(const QString &text);

    QLineEdit *nameEdit() const { return m_name; }

private:
    Camera m_original;
    QLineEdit *m_name = nullptr;
    QSpinBox *m_exposure = nullptr;
    QDoubleSpinBox *m_gain = nullptr;
    QLabel *m_problem = nullptr;
};

// Accepts a camera only with a name that no other camera has; refuses to
// be cancelled with changes unless the user agrees to drop them.
class CameraDialog : public ZelElementDialogGUI
{
    Q_OBJECT
public:
    CameraDialog(const Camera &camera, const QStringList &takenNames, QWidget *parent = nullptr);

    CameraEditor *editor() const { return m_editor; }

    // The user's answer to "Drop the changes?", asked on a refused cancel;
    // tests replace the question.
    std::function<bool()> confirmDiscard;

protected:
    ZelStatus onAccept() override;
    ZelStatus onReject() override;

private:
    CameraEditor *m_editor = nullptr;
    QStringList m_takenNames;
};

// The view: add, edit and remove through CameraDialog. Double-click and
// Enter edit, Delete removes.
class CameraTableView : public IZelElementTableView
{
    Q_OBJECT
public:
    explicit CameraTableView(CameraTableModel *model, QWidget *parent = nullptr);

    // Called with every dialog before it runs; the page logs through it.
    std::function<void(CameraDialog *)> prepareDialog;

public Q_SLOTS:
    void add() override;
    void edit() override;
    void remove() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    CameraTableModel *m_model = nullptr;
};
