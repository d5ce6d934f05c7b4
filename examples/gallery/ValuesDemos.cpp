#include "ValuesDemos.h"

#include <ZelGui/ZelNoFocusRectDelegate.h>

#include <ZelLog/ZelMessage.h>

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>

#include <algorithm>

namespace {

ZelStatus refusal(const char *function, const QString &why)
{
    return ZelStatus(ZelMessage(ZelLog::Warning, QStringLiteral("Gallery"), QString::fromLatin1(function),
                                QStringLiteral(__FILE__), __LINE__, Issue::OperationCancelled, why));
}

} // namespace

// --- CameraTableModel --------------------------------------------------------

CameraTableModel::CameraTableModel(QObject *parent)
    : ZelElementAbstractTableModel(parent)
{
    m_columns.push_back(std::make_unique<MetaPropertyModelColumn>(QStringLiteral("Name"), QStringLiteral("name")));
    m_columns.push_back(
        std::make_unique<MetaPropertyModelColumn>(QStringLiteral("Exposure, µs"), QStringLiteral("exposure")));
    m_columns.push_back(std::make_unique<MetaPropertyModelColumn>(QStringLiteral("Gain, dB"), QStringLiteral("gain")));
}

CameraTableModel::~CameraTableModel() = default;

int CameraTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_cameras.size());
}

int CameraTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant CameraTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_cameras.size())
        return QVariant();
    const Camera &camera = m_cameras.at(index.row());
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case 0:
            return camera.name;
        case 1:
            return camera.exposureUs;
        case 2:
            return QString::number(camera.gainDb, 'f', 1);
        default:
            break;
        }
    } else if (role == Qt::TextAlignmentRole && index.column() > 0) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return QVariant();
}

QVariant CameraTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columnCount())
        return column(section).displayString();
    return ZelElementAbstractTableModel::headerData(section, orientation, role);
}

QStringList CameraTableModel::names() const
{
    QStringList names;
    for (const Camera &camera : m_cameras)
        names << camera.name;
    return names;
}

void CameraTableModel::appendCamera(const Camera &camera)
{
    const int row = int(m_cameras.size());
    beginInsertRows(QModelIndex(), row, row);
    m_cameras.append(camera);
    endInsertRows();
}

void CameraTableModel::setCamera(int row, const Camera &camera)
{
    m_cameras[row] = camera;
    emitDataChanged(index(row, 0), index(row, columnCount() - 1));
}

void CameraTableModel::removeCameras(int row, int count)
{
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    m_cameras.remove(row, count);
    endRemoveRows();
}

// --- CameraEditor --------------------------------------------------------------

CameraEditor::CameraEditor(QWidget *parent)
    : QWidget(parent)
    , m_name(new QLineEdit(this))
    , m_exposure(new QSpinBox(this))
    , m_gain(new QDoubleSpinBox(this))
    , m_problem(new QLabel(this))
{
    m_name->setObjectName(QStringLiteral("name"));
    m_exposure->setRange(10, 60000000);
    m_exposure->setSuffix(QStringLiteral(" µs"));
    m_exposure->setSingleStep(1000);
    m_gain->setRange(0.0, 48.0);
    m_gain->setDecimals(1);
    m_gain->setSuffix(QStringLiteral(" dB"));
    QPalette warning = m_problem->palette();
    warning.setColor(QPalette::WindowText, QColor(0xc6, 0x28, 0x28));
    m_problem->setPalette(warning);
    m_problem->setObjectName(QStringLiteral("problem"));
    auto *form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(QStringLiteral("&Name:"), m_name);
    form->addRow(QStringLiteral("&Exposure:"), m_exposure);
    form->addRow(QStringLiteral("&Gain:"), m_gain);
    form->addRow(m_problem);
}

Camera CameraEditor::camera() const
{
    return Camera{m_name->text().trimmed(), m_exposure->value(), m_gain->value()};
}

void CameraEditor::setCamera(const Camera &camera)
{
    m_original = camera;
    m_name->setText(camera.name);
    m_exposure->setValue(camera.exposureUs);
    m_gain->setValue(camera.gainDb);
    m_problem->clear();
}

bool CameraEditor::isModified() const
{
    const Camera now = camera();
    return now.name != m_original.name || now.exposureUs != m_original.exposureUs || now.gainDb != m_original.gainDb;
}

void CameraEditor::showProblem(const QString &text)
{
    m_problem->setText(text);
}

// --- CameraDialog ----------------------------------------------------------------

CameraDialog::CameraDialog(const Camera &camera, const QStringList &takenNames, QWidget *parent)
    : ZelElementDialogGUI(new CameraEditor, parent)
    , m_editor(static_cast<CameraEditor *>(widget()))
    , m_takenNames(takenNames)
{
    setWindowTitle(camera.name.isEmpty() ? QStringLiteral("New camera") : QStringLiteral("Camera %1").arg(camera.name));
    m_editor->setCamera(camera);
    confirmDiscard = [this] {
        return QMessageBox::question(this, windowTitle(), QStringLiteral("Drop the changes?")) == QMessageBox::Yes;
    };
}

ZelStatus CameraDialog::onAccept()
{
    const QString name = m_editor->camera().name;
    if (name.isEmpty()) {
        m_editor->showProblem(QStringLiteral("A camera needs a name."));
        return refusal("ZelStatus CameraDialog::onAccept()", QStringLiteral("no name"));
    }
    if (m_takenNames.contains(name)) {
        m_editor->showProblem(QStringLiteral("Another camera is called “%1”.").arg(name));
        return refusal("ZelStatus CameraDialog::onAccept()", QStringLiteral("name taken"));
    }
    return ZelStatus::Ok;
}

ZelStatus CameraDialog::onReject()
{
    if (m_editor->isModified() && !confirmDiscard())
        return refusal("ZelStatus CameraDialog::onReject()", QStringLiteral("changes kept"));
    return ZelStatus::Ok;
}

// --- CameraTableView ----------------------------------------------------------------

CameraTableView::CameraTableView(CameraTableModel *model, QWidget *parent)
    : IZelElementTableView(parent)
    , m_model(model)
{
    setModel(model);
    setItemDelegate(new ZelNoFocusRectDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    connect(this, &QAbstractItemView::doubleClicked, this, [this] { edit(); });
}

void CameraTableView::add()
{
    CameraDialog dialog(Camera{}, m_model->names(), this);
    if (prepareDialog)
        prepareDialog(&dialog);
    if (dialog.exec() == QDialog::Accepted) {
        m_model->appendCamera(dialog.editor()->camera());
        selectRow(m_model->rowCount() - 1);
    }
}

void CameraTableView::edit()
{
    const int row = currentIndex().row();
    if (row < 0)
        return;
    QStringList others = m_model->names();
    others.removeAt(row);
    CameraDialog dialog(m_model->camera(row), others, this);
    if (prepareDialog)
        prepareDialog(&dialog);
    if (dialog.exec() == QDialog::Accepted)
        m_model->setCamera(row, dialog.editor()->camera());
}

void CameraTableView::remove()
{
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    // Each run of adjacent rows goes in one removal, from the bottom up.
    while (!rows.isEmpty()) {
        int first = rows.takeFirst();
        int count = 1;
        while (!rows.isEmpty() && rows.first() == first - 1) {
            first = rows.takeFirst();
            ++count;
        }
        m_model->removeCameras(first, count);
    }
}

void CameraTableView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete) {
        remove();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        edit();
        return;
    }
    IZelElementTableView::keyPressEvent(event);
}
