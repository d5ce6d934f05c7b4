#include <ZelGui/ZelZoomGOSTComboBox.h>

#include <QtMath>

namespace {

struct Scale
{
    const char *text;
    double zoom;
};

// Standard scales; texts use the comma the standard writes them with and
// are not translated.
constexpr Scale scales[] = {
    {"100:1", 0.01},  {"50:1", 0.02},   {"40:1", 0.025},    {"20:1", 0.05},   {"10:1", 0.1},    {"5:1", 0.2},
    {"4:1", 0.25},    {"2,5:1", 0.4},   {"2:1", 0.5},       {"1:1", 1.0},     {"1:2", 2.0},     {"1:2,5", 2.5},
    {"1:4", 4.0},     {"1:5", 5.0},     {"1:10", 10.0},     {"1:15", 15.0},   {"1:20", 20.0},   {"1:25", 25.0},
    {"1:40", 40.0},   {"1:50", 50.0},   {"1:75", 75.0},     {"1:100", 100.0}, {"1:200", 200.0}, {"1:400", 400.0},
    {"1:500", 500.0}, {"1:800", 800.0}, {"1:1000", 1000.0},
};

} // namespace

ZelZoomGOSTComboBox::ZelZoomGOSTComboBox(QWidget *parent)
    : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, &ZelZoomGOSTComboBox::onCurrentChanged);
    for (const Scale &scale : scales)
        addItem(QString::fromLatin1(scale.text), scale.zoom);
    setZoom(1.0);
}

ZelZoomGOSTComboBox::~ZelZoomGOSTComboBox() = default;

double ZelZoomGOSTComboBox::zoom() const
{
    const int index = currentIndex();
    if (index < 0)
        return qQNaN();
    return itemData(index, Qt::UserRole).toDouble();
}

void ZelZoomGOSTComboBox::setZoom(double z)
{
    const int n = count();
    for (int i = 0; i < n; ++i) {
        if (qFuzzyCompare(itemData(i, Qt::UserRole).toDouble(), z)) {
            setCurrentIndex(i);
            return;
        }
    }
}

void ZelZoomGOSTComboBox::onCurrentChanged(int index)
{
    if (index == -1)
        return;
    Q_EMIT zoomChanged(itemData(index, Qt::UserRole).toDouble());
}
