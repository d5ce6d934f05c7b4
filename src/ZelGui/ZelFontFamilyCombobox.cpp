#include <ZelGui/ZelFontFamilyCombobox.h>

#include <ZelGui/ZelNoFocusRectDelegate.h>

#include "ZelGuiStatics_p.h"

#include <ZelCore/IApplicationWithFontDataBase.h>
#include <ZelLog/ZelLog.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

#include <algorithm>

namespace {

constexpr char logModule[] = "ZelGui";

// Keeps the sample word in the translation catalogue; sampleText holds it.
[[maybe_unused]] const char *const sampleTextSource = QT_TRANSLATE_NOOP("ZelFFCModel", "Sample");

QStringList offeredFamilies()
{
    auto *host = dynamic_cast<IApplicationWithFontDataBase *>(QCoreApplication::instance());
    ZelFontDataBase *fonts = host ? host->fontDataBase() : nullptr;
    if (!fonts) {
        ZelLog::errorStream(logModule, "ZelFontFamilyCombobox::ZelFontFamilyCombobox(QWidget *)", __FILE__, __LINE__,
                            Issue::InternalError)
            << "the application object offers no font database (IApplicationWithFontDataBase); no families to offer";
        return {};
    }
    QStringList families = fonts->supportedFontFamilies();
    std::sort(families.begin(), families.end());
    return families;
}

} // namespace

ZelFontFamilyCombobox::ZelFontFamilyCombobox(QWidget *parent)
    : QComboBox(parent)
{
    setModel(new ZelFFCModel(offeredFamilies(), this));

    auto *popup = new QTableView(this);
    popup->setShowGrid(false);
    popup->setSelectionBehavior(QAbstractItemView::SelectRows);
    popup->setSelectionMode(QAbstractItemView::SingleSelection);
    popup->horizontalHeader()->hide();
    popup->verticalHeader()->hide();
    popup->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    popup->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    popup->horizontalHeader()->setStretchLastSection(true);
    setView(popup);
    setItemDelegate(new ZelNoFocusRectDelegate(this));

    connect(this, &QComboBox::currentIndexChanged, this, &ZelFontFamilyCombobox::emitUpdateCurrentFamily);
}

ZelFontFamilyCombobox::~ZelFontFamilyCombobox() = default;

QString ZelFontFamilyCombobox::currentFamily() const
{
    return currentData(ZelFFCModel::FamilyRole).toString();
}

bool ZelFontFamilyCombobox::setCurrentFamily(QString family)
{
    const int index = findData(family, ZelFFCModel::FamilyRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return false;
    setCurrentIndex(index);
    return true;
}

void ZelFontFamilyCombobox::showPopup()
{
    QComboBox::showPopup();
    // The box selects only the cell of its model column; widen that to the
    // row, so that the sample beside the name is highlighted too.
    QItemSelectionModel *selection = view()->selectionModel();
    if (selection)
        selection->select(selection->selection(), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void ZelFontFamilyCombobox::emitUpdateCurrentFamily()
{
    Q_EMIT currentFamilyChanged(currentFamily());
}

ZelFFCModel::ZelFFCModel(const QStringList &families, ZelFontFamilyCombobox *comboBox)
    : QAbstractTableModel(comboBox)
    , m_families(families)
    , m_comboBox(comboBox)
    , m_sample(QCoreApplication::translate("ZelFFCModel", sampleText.toUtf8().constData()))
{
    std::sort(m_families.begin(), m_families.end());
}

ZelFFCModel::~ZelFFCModel() = default;

QStringList ZelFFCModel::families() const
{
    return m_families;
}

int ZelFFCModel::rowCount(const QModelIndex &) const
{
    return int(m_families.size());
}

int ZelFFCModel::columnCount(const QModelIndex &) const
{
    return 2;
}

QVariant ZelFFCModel::data(const QModelIndex &index, int role) const
{
    const int row = index.row();
    const int column = index.column();
    if (!index.isValid() || row >= m_families.size() || column > 1)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return column == 0 ? m_families.at(row) : m_sample;
    case FamilyRole:
        return column == 0 ? QVariant(m_families.at(row)) : QVariant();
    case Qt::FontRole:
        return column == 0 ? baseFont() : familyFont(row);
    case Qt::SizeHintRole:
        return cellSizeHint(row, column);
    default:
        return QVariant();
    }
}

QFont ZelFFCModel::baseFont() const
{
    return m_comboBox ? m_comboBox->font() : QApplication::font();
}

QFont ZelFFCModel::familyFont(int row) const
{
    QFont font = baseFont();
    font.setFamily(m_families.at(row));
    return font;
}

QSize ZelFFCModel::cellSizeHint(int row, int column) const
{
    const QFont base = baseFont();
    if (m_sizeCache.isEmpty() || !(base == m_measuredWith)) {
        m_measuredWith = base;
        m_sizeCache = QVector<QSize>(2 * m_families.size());
    }
    QSize &size = m_sizeCache[2 * row + column];
    if (!size.isValid()) {
        const QFont font = column == 0 ? base : familyFont(row);
        const QFontMetricsF metrics(font);
        const QString &text = column == 0 ? m_families.at(row) : m_sample;
        size = QSize(int(metrics.horizontalAdvance(text) + 20), int(metrics.height()));
    }
    return size;
}
