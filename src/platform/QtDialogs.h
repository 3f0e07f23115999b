#pragma once

#include "Dialogs.h"

#include <QPointer>
#include <QWidget>

// The dialogs as the user sees them: QMessageBox, QColorDialog and QFileDialog.
class QtDialogs final : public Dialogs
{
public:
    void setParentWindow(QWidget *parent) { m_parent = parent; }

    int message(const QString &text, const QString &title, Icon icon, Buttons buttons) override;
    int32_t chooseColor() override;
    QString openFileName(const QString &title, const QString &folder, const QString &filter) override;
    QString saveFileName(const QString &title, const QString &folder, const QString &filter) override;

private:
    QPointer<QWidget> m_parent;
    int32_t m_lastColor = 0;
};
