#include <ZelGui/ZelListWidget.h>

ZelListWidget::ZelListWidget(QWidget *parent)
    : QListWidget(parent)
{
}

ZelListWidget::~ZelListWidget() = default;
