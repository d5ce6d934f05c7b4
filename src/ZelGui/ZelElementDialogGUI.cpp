#include <ZelGui/ZelElementDialogGUI.h>

#include <QDialogButtonBox>
#include <QVBoxLayout>

ZelElementDialogGUI::ZelElementDialogGUI(QWidget *widget, QWidget *parent)
    : QDialog(parent)
    , m_buttonBox(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
    , m_widget(widget)
{
    auto *layout = new QVBoxLayout(this);
    if (m_widget)
        layout->addWidget(m_widget);
    layout->addWidget(m_buttonBox);
    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &ZelElementDialogGUI::accept);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &ZelElementDialogGUI::reject);
}

ZelElementDialogGUI::~ZelElementDialogGUI() = default;

QDialogButtonBox *ZelElementDialogGUI::buttonBox() const
{
    return m_buttonBox;
}

QWidget *ZelElementDialogGUI::widget() const
{
    return m_widget;
}

void ZelElementDialogGUI::accept()
{
    if (onAccept())
        QDialog::accept();
}

void ZelElementDialogGUI::reject()
{
    // QDialog routes Escape and the window's close button through here too;
    // its close handling keeps the window open while it stays visible.
    if (onReject())
        QDialog::reject();
}
