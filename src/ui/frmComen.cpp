#include "frmComen.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

frmComen::frmComen(QWidget *parent, std::function<bool(const QString &)> store)
    : QDialog(parent), m_store(std::move(store))
{
    setObjectName(QStringLiteral("frmComen"));
    setModal(true);
    resize(360, 240);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(QFont(QStringLiteral("Tahoma"), 9));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Left 0, top 0, the whole client area, also after a resize.
    auto *fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(Text1);
}

void frmComen::reject()
{
    // The close box and the window manager's close reach here through closeEvent, Escape directly.
    if (m_store && !m_store(Text1->toPlainText()))
        return;
    QDialog::reject();
}
