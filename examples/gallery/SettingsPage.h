#pragma once

#include "GalleryPage.h"

class QLabel;
class QPushButton;
class QTableView;
class SettingsRegistryModel;

// The settings registry at work: every registered key with its type,
// default and current value. Current values of simple types can be edited
// in place; the table follows changes made anywhere in the application.
class SettingsPage : public GalleryPage
{
    Q_OBJECT
public:
    explicit SettingsPage(QWidget *parent = nullptr);

    QString title() const override;
    QIcon icon() const override;
    QString description() const override;

    SettingsRegistryModel *model() const { return m_model; }
    QTableView *view() const { return m_view; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void updateSummary();
    void updateResetButton();
    void resetSelected();
    void showMessage(const QString &text, bool isError);
    int selectedRow() const;

    SettingsRegistryModel *m_model = nullptr;
    QTableView *m_view = nullptr;
    QLabel *m_summary = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_resetButton = nullptr;
};
