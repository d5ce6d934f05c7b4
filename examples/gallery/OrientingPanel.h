#pragma once

#include <ZelGui/ILPOrientedWidget.h>

#include <QWidget>

#include <functional>

class QBoxLayout;
class QLabel;

// Dock contents that lay a few controls out in a column (portrait) or in a
// row (landscape) and say which form they are in. The report callback hears
// of every orientation call.
class OrientingPanel : public QWidget, public ILPOrientedWidget
{
    Q_OBJECT
public:
    explicit OrientingPanel(const QString &name, QWidget *parent = nullptr);

    ZelStatus orientPortrait() override;
    ZelStatus orientLandscape() override;

    QString name() const { return m_name; }
    // "portrait", "landscape" or "not told yet".
    QString form() const { return m_form; }
    int calls() const { return m_calls; }
    void setReport(std::function<void(const QString &)> report) { m_report = std::move(report); }

private:
    ZelStatus orient(bool portrait);

    QString m_name;
    QString m_form;
    int m_calls = 0;
    QBoxLayout *m_controls = nullptr;
    QLabel *m_caption = nullptr;
    std::function<void(const QString &)> m_report;
};
