#pragma once

#include "Dialogs.h"

#include <QPointer>
#include <QWidget>

// The dialogs as the user sees them: QMessageBox, QColorDialog and QFileDialog.
class QtDialogs final : public Dialogs
{
public:
    // How long the answers of choose() other than the harmless last one stay disabled.
    static constexpr int kDeliberateMs = 1000;

    void setParentWindow(QWidget *parent) { m_parent = parent; }

    int message(const QString &text, const QString &title, Icon icon, Buttons buttons) override;
    int choose(const QString &text, const QString &title, Icon icon, const QStringList &choices) override;
    int32_t chooseColor() override;
    QString openFileName(const FileRequest &request) override;
    QString saveFileName(const FileRequest &request) override;

    // The classic "description|pattern|..." filter as QFileDialog name filters. File names are
    // case-sensitive here, so "*.trv" also lists x.Trv and x.TRV.
    static QStringList nameFilters(const QString &filter);

private:
    QPointer<QWidget> m_parent;
    int32_t m_lastColor = 0;
};
