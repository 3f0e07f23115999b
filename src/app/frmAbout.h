#pragma once

#include <QDialog>
#include <QStringList>
#include <memory>

struct AppContext;
class QTimer;

namespace Ui {
class frmAbout;
}

// The about box: name, version, description and disclaimer; after five seconds (or a double-click
// on the icon) the credits scroll upward without end until the box closes.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    // The scrolling credits and the message without system information, in the interface language.
    static QString credits();
    static QString noSysInfo();
    static inline const QString kScrollError = QStringLiteral("Error scrolling text");

    explicit frmAbout(AppContext &context, QWidget *parent = nullptr);
    ~frmAbout() override;

    void Timer1_Timer();
    void picIcon_DblClick();
    void cmdOK_Click() { close(); }
    void Image2_Click() { close(); }
    void cmdSysInfo_Click() { StartSysInfo(); }
    void StartSysInfo();

    // Where the system-information tools are looked for; the system's PATH when empty.
    void setToolSearchPath(const QStringList &folders) { m_toolSearchPath = folders; }
    // Set by every way of closing; a scroll never runs after it.
    bool stopped() const { return m_stop; }

protected:
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void retranslate();

    AppContext &m_context;
    std::unique_ptr<Ui::frmAbout> ui;
    QTimer *Timer1 = nullptr;
    QPixmap m_background;
    QStringList m_toolSearchPath;
    bool m_stop = false;
};
