#include "DatePicker.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QLineEdit>

DatePicker::DatePicker(QLineEdit *box, QWidget *parent) : QToolButton(parent), m_box(box)
{
    setText(QStringLiteral("▾"));
    setAutoRaise(true);
    connect(this, &QToolButton::clicked, this, &DatePicker::open);
    retranslate();
}

void DatePicker::retranslate()
{
    setToolTip(tr("Elegir el día en un calendario"));
}

void DatePicker::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QToolButton::changeEvent(event);
}

QCalendarWidget *DatePicker::calendar() const
{
    return m_calendar && m_calendar->isVisible() ? m_calendar.data() : nullptr;
}

void DatePicker::open()
{
    if (calendar())
        return;
    m_calendar = new QCalendarWidget(this);
    m_calendar->setWindowFlag(Qt::Popup);
    m_calendar->setAttribute(Qt::WA_DeleteOnClose);
    m_calendar->setGridVisible(true);
    const QDate typed = QDate::fromString(m_box->text().trimmed(), Qt::ISODate);
    m_calendar->setSelectedDate(typed.isValid() ? typed : QDate::currentDate());
    connect(m_calendar, &QCalendarWidget::clicked, this, &DatePicker::pick);
    connect(m_calendar, &QCalendarWidget::activated, this, &DatePicker::pick);
    m_calendar->move(m_box->mapToGlobal(QPoint(0, m_box->height())));
    m_calendar->show();
    m_calendar->setFocus();
}

void DatePicker::pick(QDate day)
{
    m_box->setText(day.toString(Qt::ISODate));
    if (m_calendar)
        m_calendar->close();
}
